// The README's pictures of the three views, taken offscreen:
//   cmake --build build --target ui_bildschirmfotos && build/tests/ui/ui_bildschirmfotos docs
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "Fenster.h"
#include "ui/Ansichten.h"

using namespace salvaro;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir ziel(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
  Fenster w;
  Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
  Fenster::waehle(w->ComboMonat, QStringLiteral("Januar"));
  w->show();
  Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
  const auto foto = [&](QWidget* fenster, const char* name) {
    QApplication::processEvents();
    return fenster->grab().save(ziel.filePath(QLatin1String(name)), "PNG");
  };
  Fenster::waehle(w->ComboJahr, QStringLiteral("2023"));
  Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
  w->MenJahr->trigger();
  bool gut = foto(w->FrmJahr, "jahr.png");
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
