// Takes the README's pictures without a display: the main window with a Christmas bonus and with
// the employer's side, and the three views. Not a test; run it by hand:
//   cmake --build build --target ui_bildschirmfotos && build/tests/ui/ui_bildschirmfotos docs
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>

#include "Fenster.h"
#include "ui/Ansichten.h"

using namespace salvaro;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir ziel(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  const auto foto = [&](QWidget* fenster, const char* name) {
    QApplication::processEvents();
    return fenster->grab().save(ziel.filePath(QLatin1String(name)), "PNG");
  };
  bool gut = true;
  {
    Fenster w(true);
    if (!w.zeigen()) return 1;
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("November"));
    w->LEdiEinmalzahlung->setText(QStringLiteral("3000"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
    gut = foto(w.f.get(), "einmalzahlung.png") && gut;
    w->MenArbeitgeberseite->trigger();
    w->LEdiU1Satz->setText(QStringLiteral("1,6"));
    w->LEdiU2Satz->setText(QStringLiteral("0,44"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
    gut = foto(w.f.get(), "arbeitgeber.png") && gut;
  }
  Fenster w;
  Fenster::waehle(w->ComboJahr, QStringLiteral("2023"));
  Fenster::waehle(w->ComboMonat, QStringLiteral("Januar"));
  w->show();
  Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
  w->MenJahr->trigger();
  gut = foto(w->FrmJahr, "jahr.png") && gut;
  w->FrmJahr->hide();
  Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
  Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
  QSignalSpy fertig(w->FrmVerlauf, &TFrmVerlauf::Fertig);
  w->MenVerlauf->trigger();
  gut = fertig.wait(60000) && foto(w->FrmVerlauf, "verlauf.png") && gut;
  Fenster::eingeben(w->LEdiBrutto, QStringLiteral("5000"));
  w->MenSteuerklassen->trigger();
  w->FrmSteuerklassen->Ehegatten[1].Brutto->setText(QStringLiteral("2000"));
  w->FrmSteuerklassen->Ehegatten[1].KiLand->setCurrentIndex(0);
  w->FrmSteuerklassen->BtnBerechnen->click();
  gut = foto(w->FrmSteuerklassen, "steuerklassen.png") && gut;
  return gut ? 0 : 1;
}
