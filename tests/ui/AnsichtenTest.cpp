// The three views from the window: they open from the menu and the toolbar with the window's
// inputs, show what the views compute, export, and the curve comes from a worker thread while the
// window goes on.
#include <QAction>
#include <QChartView>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

#include "Fenster.h"
#include "Wachhund.h"
#include "ansichten/Ansichtstexte.h"
#include "ui/Ansichten.h"

using namespace salvaro;

class AnsichtenTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  void jahrAusDemMenue() {
    Fenster w;
    w.januar2023();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    w->MenJahr->trigger();
    QVERIFY(w->FrmJahr->isVisible());
    QCOMPARE(w->FrmJahr->Tabelle->verticalHeaderItem(6)->text(), QStringLiteral("Juli *"));
    QCOMPARE(w->FrmJahr->Tabelle->verticalHeaderItem(5)->text(), QStringLiteral("Juni"));
    QCOMPARE(w->FrmJahr->Tabelle->item(12, 0)->text(), QStringLiteral("36.000,00"));
    QVERIFY(w->FrmJahr->LabAenderungen->text().contains(QStringLiteral("Pflegeversicherung")));
    // CSV and print take the year as the views write it.
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("jahr.csv"));
    w.plattform.speicherAntwort = pfad;
    w->FrmJahr->BtnCsv->click();
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.readAll().toStdString(), JahrCsv(w->FrmJahr->Uebersicht()));
    w->FrmJahr->BtnDrucken->click();
    QCOMPARE(w.plattform.drucke.size(), 1);
    QVERIFY(QString::fromStdString(w.plattform.drucke[0][0])
                .startsWith(QStringLiteral("Jahresübersicht 2023")));
  }

  void verlaufImHintergrund() {
    Fenster w;
    w.januar2023();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("2500"));
    QSignalSpy fertig(w->FrmVerlauf, &TFrmVerlauf::Fertig);
    w->BtnVerlauf->click();
    QVERIFY(w->FrmVerlauf->isVisible());
    // A new calculation while the curve runs starts it again with the new gross.
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QVERIFY(fertig.wait(20000));
    if (w->FrmVerlauf->Rechnet()) QVERIFY(fertig.wait(20000));
    const Verlauf& v = w->FrmVerlauf->Kurve();
    QCOMPARE(v.punkte.size(), std::size_t{1001});
    QCOMPARE(v.punkte[300].brutto, Money::euro(3000));
    QVERIFY(!v.marken.empty());
    QVERIFY(w->FrmVerlauf->LabWerte->text().contains(QStringLiteral("Brutto 3.000,00")));
    // A changed input the views can calculate with updates the open curve without a new Enter.
    fertig.clear();
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    QVERIFY(fertig.wait(20000));
    QCOMPARE(w->FrmVerlauf->Kurve().marken.front().brutto, Money::euro(603));
    QTemporaryDir ordner;
    for (QPushButton* b : {w->FrmVerlauf->BtnPng, w->FrmVerlauf->BtnSvg}) {
      const QString pfad = ordner.filePath(b->objectName());
      w.plattform.speicherAntwort = pfad;
      b->click();
      QVERIFY2(QFileInfo(pfad).size() > 1000, qPrintable(b->objectName()));
    }
  }

  void steuerklassen() {
    Fenster w;
    w.januar2023();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("5000"));
    w->MenSteuerklassen->trigger();
    TFrmSteuerklassen* d = w->FrmSteuerklassen;
    QVERIFY(d->isVisible());
    QCOMPARE(d->Ehegatten[0].Brutto->text(), QStringLiteral("5.000,00"));
    d->Ehegatten[1].Brutto->setText(QStringLiteral("2000"));
    d->BtnBerechnen->click();
    QCOMPARE(d->Vergleich().wahlen.size(), std::size_t{4});
    QVERIFY(d->Vergleich().faktor.has_value());
    QVERIFY(d->Tabelle->verticalHeaderItem(d->Vergleich().beste)
                ->text()
                .contains(QStringLiteral("höchstes")));
    // A gross that is no amount is refused with a message.
    d->Ehegatten[1].Brutto->setText(QStringLiteral("zweitausend"));
    w.plattform.nachrichten.clear();
    d->BtnBerechnen->click();
    QCOMPARE(w.plattform.nachrichten.size(), 1);
  }
};

QTEST_MAIN(AnsichtenTest)
#include "AnsichtenTest.moc"
