// Takes the README's pictures of the main window without a display: a case with a Christmas
// bonus, and the same case with the employer's side. Not a test; run it by hand:
//   QT_QPA_PLATFORM=offscreen build/tests/ui/ui_bildschirmfotos docs
#include <QApplication>
#include <QPixmap>

#include "Fenster.h"

using namespace salvaro;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  Fenster w(true);
  if (!w.zeigen()) return 1;
  Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
  Fenster::waehle(w->ComboMonat, QStringLiteral("November"));
  w->LEdiEinmalzahlung->setText(QStringLiteral("3000"));
  Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
  QApplication::processEvents();
  if (!w->grab().save(ziel + QStringLiteral("/einmalzahlung.png"))) return 1;
  w->MenArbeitgeberseite->trigger();
  w->LEdiU1Satz->setText(QStringLiteral("1,6"));
  w->LEdiU2Satz->setText(QStringLiteral("0,44"));
  Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
  QApplication::processEvents();
  if (!w->grab().save(ziel + QStringLiteral("/arbeitgeber.png"))) return 1;
  return 0;
}
