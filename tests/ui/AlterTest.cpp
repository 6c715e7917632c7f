// Age and pension payments in the window: the month of birth beside the year of birth, the
// contribution group proposed after the retirement age and taken with one click, and a pension
// entered in the window "Alter und Versorgungsbezug".
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Fenster.h"
#include "Wachhund.h"
#include "ui/AlterFenster.h"

using namespace salvaro;

class AlterTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  // Born in January 1959: in March 2026 the key 1111 gets the proposal 3321 beside the results,
  // without a message box; one click takes it and calculates again with the Aktivrente.
  void vorschlagNachDerRegelaltersgrenze() {
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("März"));
    w->LEdiGebJahr->setText(QStringLiteral("1959"));
    w->ComboGebMonat->setCurrentIndex(1);
    w.plattform.nachrichten.clear();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QVERIFY(w.plattform.nachrichten.isEmpty());
    QVERIFY(w->BtnVorschlag->isVisible());
    QVERIFY(w->StatusVorschlag->text().contains(QStringLiteral("3321")));
    const QStringList vorher = w.werte();
    QTest::mouseClick(w->BtnVorschlag, Qt::LeftButton);
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("3321"));
    QVERIFY(!w->BtnVorschlag->isVisible());
    // Free of the employee's pension and unemployment contributions, wage tax on 1,000.
    QCOMPARE(w->LabRV->text(), QStringLiteral("0,00 €"));
    QCOMPARE(w->LabAV->text(), QStringLiteral("0,00 €"));
    QCOMPARE(w->LabLSt->text(), QStringLiteral("0,00 €"));
    QVERIFY(w.werte() != vorher);
    QVERIFY(w->FrmAlter->LabAktivrente->text().contains(QStringLiteral("2.000,00")));
  }

  // A company pension of 800 euros begun in 2023, alone: its health and care contributions in
  // the window's health and care amounts, the net what is paid out.
  void betriebsrente() {
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2023"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("Juli"));
    w->LEdiGebJahr->setText(QStringLiteral("1958"));
    w->MenAlter->trigger();
    QVERIFY(w->FrmAlter->isVisible());
    w->FrmAlter->LEdiVersorgungsbezug->setText(QStringLiteral("800"));
    w->FrmAlter->EdiVersorgungsbeginn->setText(QStringLiteral("2023"));
    w.plattform.nachrichten.clear();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("0"));
    QVERIFY2(w.plattform.nachrichten.isEmpty(), qPrintable(w.plattform.nachrichten.value(0).text));
    QCOMPARE(w->LabKV->text(), QStringLiteral("-102,10 €"));
    QCOMPARE(w->LabPV->text(), QStringLiteral("-32,00 €"));
    QVERIFY(w->FrmAlter->LabVersorgung->text().contains(QStringLiteral("1.020,00")));
    // A civil servant's pension carries no contributions; the switch calculates again.
    QTest::mouseClick(w->FrmAlter->RadBeamtenpension, Qt::LeftButton);
    QCOMPARE(w->LabKV->text(), QStringLiteral("0,00 €"));
    QCOMPARE(w->LabPV->text(), QStringLiteral("0,00 €"));
    // A beginning after the month is refused with its message.
    w->FrmAlter->EdiVersorgungsbeginn->setText(QStringLiteral("2023-08"));
    w.plattform.nachrichten.clear();
    QTest::keyClick(w->FrmAlter->EdiVersorgungsbeginn, Qt::Key_Return);
    QCOMPARE(w.plattform.nachrichten.size(), 1);
    QCOMPARE(w.plattform.nachrichten[0].text,
             QStringLiteral("Der Versorgungsbeginn liegt nach dem Abrechnungsmonat"));
  }
};

QTEST_MAIN(AlterTest)
#include "AlterTest.moc"
