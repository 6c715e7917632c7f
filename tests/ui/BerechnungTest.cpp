// Calculations from the window: gross to net and net to gross with the fields and labels they
// leave, the recalculation buttons, the refusals and the messages after a calculation.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "Fenster.h"
#include "Wachhund.h"
#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Zahlentext.h"
#include "ui/Bezuegeliste.h"
#include "ui/Text.h"

using namespace salvaro;

namespace {

// The first line of the statement with the label in the left or the right column.
QString zeileMit(const std::vector<std::string>& zeilen, const QString& label) {
  for (const std::string& z : zeilen) {
    const QString q = QString::fromStdString(z);
    if (q.startsWith(label) || q.mid(kSpaltenbreite + 7).startsWith(label)) return q;
  }
  return {};
}

}  // namespace

class BerechnungTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  void bruttoZuNetto() {
    Fenster w;
    QVERIFY(w.zeigen());
    w.januar2023();
    w->MenPflegeKinderlos->trigger();
    w.plattform.nachrichten.clear();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QCOMPARE(w.werte(),
             (QStringList{"-344,00 €", "-30,96 €", "0,00 €", "-243,00 €", "-279,00 €", "-39,00 €",
                          "-45,75 €"}));
    QCOMPARE(w->LEdiNetto->text(), QStringLiteral("2.018,29"));
    QCOMPARE(w->LEdiBrutto->text(), QStringLiteral("3.000,00"));
    QCOMPARE(w->LEdiStBrutto->text(), QStringLiteral("3.000,00"));
    QCOMPARE(w->LEdiSVBrutto->text(), QStringLiteral("3.000,00"));
    QCOMPARE(w->LabGesAbz->text(), QStringLiteral("981,71"));
    QVERIFY(!w->BtnBruttoNeu->isHidden());
    QVERIFY(w->BtnNettoNeu->isHidden());
    QVERIFY(w.plattform.nachrichten.isEmpty());
    const std::vector<std::string> abrechnung = w->FrmAbrechnung->Zeilen();
    QVERIFY(IstErstellt(abrechnung));
    QVERIFY(zeileMit(abrechnung, "Brutto ").left(kSpaltenbreite).endsWith(" 3.000,00"));
    QVERIFY(zeileMit(abrechnung, "Lohnsteuer").contains(QStringLiteral("-344,00")));
    QVERIFY(zeileMit(abrechnung, "Netto").contains(QStringLiteral("2.018,29")));
    // The field keeps its format when left, as every amount field does.
    w->LEdiGebJahr->setFocus();
    QCOMPARE(w->LEdiBrutto->text(), QStringLiteral("3.000,00"));
  }

  void nettoZuBrutto() {
    Fenster w;
    QVERIFY(w.zeigen());
    w.januar2023();
    w->ChkBruttoUebernahme->setChecked(false);
    Fenster::eingeben(w->LEdiNetto, QStringLiteral("2000"));
    QCOMPARE(w->LEdiNetto->text(), QStringLiteral("2.000,00"));
    QVERIFY(w->ChkBruttoUebernahme->isChecked());
    const QString brutto = w->LEdiBrutto->text();
    QVERIFY(LiesFeld(brutto.toStdString()) > Money::euro(2500));
    QCOMPARE(w->LEdiStBrutto->text(), brutto);
    QVERIFY(w->BtnBruttoNeu->isHidden());
    QVERIFY(!w->BtnNettoNeu->isHidden());
    QCOMPARE(w.plattform.nachrichten.size(), 1);  // only the start-up message
    // The gross found gives the net back.
    Fenster::eingeben(w->LEdiBrutto, brutto);
    QCOMPARE(w->LEdiNetto->text(), QStringLiteral("2.000,00"));
    QCOMPARE(w->LEdiBrutto->text(), brutto);
  }

  void neuBerechnenKnoepfe() {
    Fenster w;
    QVERIFY(w.zeigen());
    w.januar2023();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    const QStringList klasse1 = w.werte();
    const QString netto1 = w->LEdiNetto->text();
    w->LEdiStKl->setText(QStringLiteral("3"));
    QTest::mouseClick(w->BtnBruttoNeu, Qt::LeftButton);
    QVERIFY(w.werte() != klasse1);
    QVERIFY(LiesFeld(w->LEdiNetto->text().toStdString()) > LiesFeld(netto1.toStdString()));
    QCOMPARE(w->LEdiBrutto->text(), QStringLiteral("3.000,00"));
    QVERIFY(zeileMit(w->FrmAbrechnung->Zeilen(), "Steuerklasse").endsWith(u'3'));
    // The net button searches the gross for the net in the field, in the new class.
    Fenster::eingeben(w->LEdiNetto, QStringLiteral("2000"));
    const QString brutto3 = w->LEdiBrutto->text();
    w->LEdiStKl->setText(QStringLiteral("1"));
    QTest::mouseClick(w->BtnNettoNeu, Qt::LeftButton);
    QCOMPARE(w->LEdiNetto->text(), QStringLiteral("2.000,00"));
    QVERIFY(LiesFeld(w->LEdiBrutto->text().toStdString()) > LiesFeld(brutto3.toStdString()));
  }

  // The class field takes any digit; the class calculated is the one the field and the
  // statement show afterwards.
  void steuerklasseImFeld_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("klasse");
    QTest::newRow("9") << "9"
                       << "6";
    QTest::newRow("0") << "0"
                       << "1";
  }
  void steuerklasseImFeld() {
    QFETCH(QString, getippt);
    QFETCH(QString, klasse);
    Fenster soll;
    soll.januar2023();
    soll->LEdiStKl->setText(klasse);
    Fenster::eingeben(soll->LEdiBrutto, QStringLiteral("3000"));
    Fenster w;
    w.januar2023();
    w->LEdiStKl->setText(getippt);
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QCOMPARE(w->LEdiStKl->text(), klasse);
    QCOMPARE(w.werte(), soll.werte());
    QVERIFY(zeileMit(w->FrmAbrechnung->Zeilen(), "Steuerklasse").endsWith(klasse));
  }

  void verweigerungen() {
    struct Fall {
      const char* name;
      std::function<void(Fenster&)> vorbereiten;
      bool netto;
      const char* meldung;  // "" for none
      Meldung::Art art;
      bool fokusGruppe, fokusGeburtsjahr;
    };
    const auto ohneUebernahme = [](const char* st, const char* sv) {
      return [st, sv](Fenster& w) {
        w->ChkBruttoUebernahme->setChecked(false);
        w->LEdiStBrutto->setText(QString::fromLatin1(st));
        w->LEdiSVBrutto->setText(QString::fromLatin1(sv));
      };
    };
    const Fall faelle[] = {
        {"leeres Brutto", [](Fenster& w) { w->LEdiBrutto->clear(); }, false, "",
         Meldung::Art::Hinweis, false, false},
        {"ohne Steuerbrutto", ohneUebernahme("", "3000"), false, "Steuerbrutto fehlt",
         Meldung::Art::Hinweis, false, false},
        {"ohne beide", ohneUebernahme("", ""), false, "SV-Brutto fehlt", Meldung::Art::Hinweis,
         false, false},
        {"Gruppe dreistellig", [](Fenster& w) { w->OruEdiBGR->setText("111"); }, false,
         "Beitragsgruppe muß immer vierstellig sein!", Meldung::Art::Hinweis, true, false},
        {"Gruppe dreistellig, netto", [](Fenster& w) { w->OruEdiBGR->setText("111"); }, true,
         "Beitragsgruppe muß immer vierstellig sein!", Meldung::Art::Hinweis, true, false},
        {"Geburtsjahr dreistellig", [](Fenster& w) { w->LEdiGebJahr->setText("198"); }, false,
         "Bitte ein Geburtsjahr eingeben", Meldung::Art::Fehler, false, true},
        {"Jahr ohne Werte",
         [](Fenster& w) { w->ComboJahr->setEditText(QString::number(LetztesRechenjahr() + 5)); },
         false, "Berechnung nur für die Jahre", Meldung::Art::Hinweis, false, false},
        {"Jahr keine Zahl", [](Fenster& w) { w->ComboJahr->setEditText("20x3"); }, false, "20x3",
         Meldung::Art::Fehler, false, false},
        {"Monat unbekannt", [](Fenster& w) { w->ComboMonat->setEditText("Jänner"); }, false,
         "Jänner", Meldung::Art::Fehler, false, false},
    };
    for (const Fall& fall : faelle) {
      const QString name = QString::fromUtf8(fall.name);
      Fenster w;
      QVERIFY(w.zeigen());
      w.januar2023();
      w.plattform.nachrichten.clear();
      QLineEdit* feld = fall.netto ? w->LEdiNetto : w->LEdiBrutto;
      feld->setFocus();
      feld->setText(QStringLiteral("3000"));
      fall.vorbereiten(w);
      QTest::keyClick(feld, Qt::Key_Return);
      GLEICH(w.werte(), QStringList(7, QStringLiteral("0,00 €")), name);
      GLEICH(IstErstellt(w->FrmAbrechnung->Zeilen()), false, name);
      if (*fall.meldung == '\0') {
        GLEICH(w.plattform.nachrichten.size(), 0, name);
        continue;
      }
      GLEICH(w.plattform.nachrichten.size(), 1, name);
      const FakePlattform::Eintrag& n = w.plattform.nachrichten.front();
      GLEICH(n.text.contains(QString::fromUtf8(fall.meldung)), true, name);
      GLEICH(static_cast<int>(n.art), static_cast<int>(fall.art), name);
      GLEICH(w->OruEdiBGR->hasFocus(), fall.fokusGruppe, name);
      GLEICH(w->LEdiGebJahr->hasFocus(), fall.fokusGeburtsjahr, name);
      // Refused, the window calculates again once the input is right.
      w.januar2023();
      w->OruEdiBGR->setText(QStringLiteral("1111"));
      w->LEdiGebJahr->setText(QStringLiteral("1980"));
      w->ChkBruttoUebernahme->setChecked(true);
      Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
      GLEICH(w->LabLSt->text(), QStringLiteral("-341,00 €"), name);
      GLEICH(w->BtnNettoNeu->isHidden(), true, name);
    }
  }

  // A voluntary member with private insurance whose subsidy is paid out nets more than this at a
  // gross of 0,00: the window refuses the net instead of showing a negative gross.
  void nettoAusKeinemBrutto() {
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2010"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("Juli"));
    w->OruEdiBGR->setText(QStringLiteral("9111"));
    w->ChkPKV->setChecked(true);
    w->LabEdiPKV->setText(QStringLiteral("676,60"));
    w->ChkPPV->setChecked(true);
    w->LEdiPPV->setText(QStringLiteral("137,94"));
    w.plattform.nachrichten.clear();
    Fenster::eingeben(w->LEdiNetto, QStringLiteral("159,77"));
    QCOMPARE(w.plattform.texte(),
             QStringList{QStringLiteral("Dieses Netto ergibt sich aus keinem Brutto ab 0,00")});
    QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Fehler);
    QCOMPARE(w.werte(), QStringList(7, QStringLiteral("0,00 €")));
    QVERIFY(!IstErstellt(w->FrmAbrechnung->Zeilen()));
    QVERIFY(!w->LEdiBrutto->text().startsWith(u'-'));
  }

  // A net the search cannot hit exactly: the results of the last trial are shown, the statement
  // is built, then the message follows once, with Help only when there is a help file.
  void zweihundertSchritte() {
    for (const bool mitHilfe : {false, true}) {
      Fenster w(mitHilfe);
      QVERIFY(w.zeigen());
      w.januar2023();
      w.plattform.nachrichten.clear();
      Fenster::eingeben(w->LEdiNetto, QStringLiteral("1508,14"));
      QCOMPARE(w.plattform.nachrichten.size(), 1);
      const FakePlattform::Eintrag& n = w.plattform.nachrichten.front();
      QCOMPARE(n.text, QStringLiteral("Hochrechnung nach 200 Schritten abgebrochen"));
      // The closest net is shown: an information, not an error.
      QCOMPARE(n.art, mitHilfe ? Meldung::Art::Information : Meldung::Art::Hinweis);
      QCOMPARE(n.hilfeKontext, mitHilfe ? 2001 : 0);
      QVERIFY(w->LEdiNetto->text() != QStringLiteral("1508,14"));
      QVERIFY(w->LabLSt->text() != QStringLiteral("0,00 €"));
      QVERIFY(IstErstellt(w->FrmAbrechnung->Zeilen()));
      // The marks are cleared: Enter in the gross field calculates that gross only.
      const QString brutto = w->LEdiBrutto->text();
      Fenster::eingeben(w->LEdiBrutto, brutto);
      QCOMPARE(w->LEdiBrutto->text(), brutto);
      QCOMPARE(w.plattform.nachrichten.size(), 1);
    }
  }

  void geringfuegigkeitsgrenze_data() {
    QTest::addColumn<QString>("jahr");
    QTest::addColumn<QString>("monat");
    QTest::addColumn<QString>("brutto");
    QTest::addColumn<QString>("meldung");
    const QString grenze = QStringLiteral("Die Geringfügigkeitsgrenze beträgt %1 Euro");
    QTest::newRow("2022 September darunter") << "2022" << "September" << "450" << "";
    QTest::newRow("2022 September darüber") << "2022" << "September" << "500" << grenze.arg(450);
    QTest::newRow("2022 Oktober") << "2022" << "Oktober" << "500" << "";
    QTest::newRow("2022 Oktober darüber") << "2022" << "Oktober" << "600" << grenze.arg(520);
    QTest::newRow("2024 darunter") << "2024" << "Mai" << "538" << "";
    QTest::newRow("2024 darüber") << "2024" << "Mai" << "538,01" << grenze.arg(538);
    QTest::newRow("2025 darüber") << "2025" << "Mai" << "556,01" << grenze.arg(556);
    QTest::newRow("2026 darunter") << "2026" << "Mai" << "603" << "";
    QTest::newRow("2026 darüber") << "2026" << "Mai" << "603,01" << grenze.arg(603);
  }
  void geringfuegigkeitsgrenze() {
    QFETCH(QString, jahr);
    QFETCH(QString, monat);
    QFETCH(QString, brutto);
    QFETCH(QString, meldung);
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, jahr);
    Fenster::waehle(w->ComboMonat, monat);
    w->OruEdiBGR->setText(QStringLiteral("6500"));
    w.plattform.nachrichten.clear();
    Fenster::eingeben(w->LEdiBrutto, brutto);
    QCOMPARE(w.plattform.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
    if (!meldung.isEmpty())
      QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Information);
    QVERIFY(!w->LEdiNetto->text().isEmpty());
  }

  // The care reform of July 2023 from the window: the employee's care share with children under
  // 25, the surcharge display, and the count in the statement's right column.
  void kinderUnter25_data() {
    QTest::addColumn<QString>("monat");
    QTest::addColumn<QString>("brutto");
    QTest::addColumn<QString>("kinder");
    QTest::addColumn<bool>("kinderlos");
    QTest::addColumn<QString>("pv");
    QTest::newRow("Juli, zwei Kinder") << "Juli" << "3000" << "2" << false << "-43,50 €";
    QTest::newRow("Juli, fünf Kinder") << "Juli" << "4000" << "5" << false << "-28,00 €";
    QTest::newRow("Juli, kinderlos") << "Juli" << "4000" << "0" << true << "-92,00 €";
    QTest::newRow("Juli, Übergangsbereich") << "Juli" << "1000" << "1" << false << "-11,03 €";
    QTest::newRow("Juli, Übergangsbereich kinderlos") << "Juli" << "1000" << "0" << true
                                                     << "-16,38 €";
    // Before July the count of children changes nothing.
    QTest::newRow("Juni, zwei Kinder") << "Juni" << "3000" << "2" << false << "-45,75 €";
  }
  void kinderUnter25() {
    QFETCH(QString, monat);
    QFETCH(QString, brutto);
    QFETCH(QString, kinder);
    QFETCH(bool, kinderlos);
    QFETCH(QString, pv);
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2023"));
    Fenster::waehle(w->ComboMonat, monat);
    w->LEdiKinderU25->setText(kinder);
    if (!kinderlos && kinder == QStringLiteral("0")) w->MenPflegeKinderlos->trigger();
    QCOMPARE(w->PnlPVKinder->isVisible(), kinderlos);
    if (monat == QStringLiteral("Juli")) QCOMPARE(w->PnlPVKinder->text(), QStringLiteral("+ 0,60"));
    Fenster::eingeben(w->LEdiBrutto, brutto);
    QCOMPARE(w->LabPV->text(), pv);
    const QString zeile = zeileMit(w->FrmAbrechnung->Zeilen(), QStringLiteral("Kinder unter 25"));
    QCOMPARE(zeile.isEmpty(), kinder == QStringLiteral("0"));
    if (!zeile.isEmpty()) QVERIFY(zeile.trimmed().endsWith(kinder));
  }

  // The fields' own conversion error goes to the platform's error box, after the focus change.
  // Without a payment or severance the window shows what it always showed: the same values,
  // no results of a payment, no employer's column.
  void ohneEinmalzahlungWieBisher() {
    Fenster w;
    QVERIFY(w.zeigen());
    w.januar2023();
    w->MenPflegeKinderlos->trigger();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QCOMPARE(w.werte(),
             (QStringList{"-344,00 €", "-30,96 €", "0,00 €", "-243,00 €", "-279,00 €", "-39,00 €",
                          "-45,75 €"}));
    QCOMPARE(w->LEdiNetto->text(), QStringLiteral("2.018,29"));
    QVERIFY(w->PnlEinmalErgebnis->isHidden());
    QVERIFY(w->PnlArbeitgeber->isHidden());
    QCOMPARE(w->Formular->width(), 632);
  }

  // A Christmas bonus: its deductions, what is left of it, and the month's total net.
  void einmalzahlung() {
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("November"));
    w->LEdiEinmalzahlung->setText(QStringLiteral("3000"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
    QVERIFY(!w->PnlEinmalErgebnis->isHidden());
    const auto wert = [](const QLabel* l) { return Fenster::betrag(l); };
    QVERIFY(wert(w->LabEinmalLSt) < Money());
    QVERIFY(wert(w->LabEinmalSV) < Money());
    // The deductions are shown negated: the payment plus them is its net.
    QCOMPARE(Money::euro(3000) + wert(w->LabEinmalLSt) + wert(w->LabEinmalSolZ) +
                 wert(w->LabEinmalKiSt) + wert(w->LabEinmalSV),
             wert(w->LabEinmalNetto));
    QCOMPARE(LiesFeld(w->LEdiNetto->text().toStdString()) + wert(w->LabEinmalNetto),
             wert(w->LabNettoGesamt));
    // The payment moves the main results no further than its own lines say: with it gone, the
    // panel goes too.
    w->LEdiEinmalzahlung->setText(QStringLiteral("0"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
    QVERIFY(w->PnlEinmalErgebnis->isHidden());
  }

  // The employer's total is the sum of its lines, for an employee, a marginal employment and
  // the transition zone, with a payment and the levies.
  void arbeitgeberGesamtkosten_data() {
    QTest::addColumn<QString>("gruppe");
    QTest::addColumn<QString>("brutto");
    QTest::addColumn<QString>("einmal");
    QTest::addColumn<bool>("pauschsteuer");
    QTest::newRow("1111") << "1111" << "4000" << "3000" << false;
    QTest::newRow("6500") << "6500" << "500" << "0" << true;
    QTest::newRow("Übergangsbereich") << "1111" << "1500" << "500" << false;
  }
  void arbeitgeberGesamtkosten() {
    QFETCH(QString, gruppe);
    QFETCH(QString, brutto);
    QFETCH(QString, einmal);
    QFETCH(bool, pauschsteuer);
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("November"));
    w->MenArbeitgeberseite->trigger();
    w->OruEdiBGR->setText(gruppe);
    w->LEdiEinmalzahlung->setText(einmal);
    w->LEdiU1Satz->setText(QStringLiteral("1,6"));
    w->LEdiU2Satz->setText(QStringLiteral("0,44"));
    w->ChkPauschsteuerAG->setChecked(pauschsteuer);
    Fenster::eingeben(w->LEdiBrutto, brutto);
    Money summe;
    for (const QLabel* l : {w->LabAGBrutto, w->LabAGEinmal, w->LabAGKV, w->LabAGRV, w->LabAGAV,
                            w->LabAGPV, w->LabAGPauschsteuer, w->LabAGInsolvenz, w->LabAGU1,
                            w->LabAGU2})
      summe += Fenster::betrag(l);
    QCOMPARE(Fenster::betrag(w->LabAGGesamt), summe);
    QCOMPARE(w->LabAGBrutto->text(), QText(FormatDE(LiesFeld(brutto.toStdString()))) + " €");
    QVERIFY(Fenster::betrag(w->LabAGU1) > Money());
    QCOMPARE(Fenster::betrag(w->LabAGPauschsteuer) > Money(), pauschsteuer);
  }

  void feldfehlerUeberDiePlattform() {
    Fenster w;
    QVERIFY(w.zeigen());
    w.plattform.nachrichten.clear();
    w->LEdiStFB->setFocus();
    w->LEdiStFB->setText(QStringLiteral("-"));
    w->LEdiBrutto->setFocus();
    QTRY_COMPARE(w.plattform.nachrichten.size(), 1);
    QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Fehler);
    QVERIFY(w.plattform.nachrichten.front().text.contains(u'-'));
  }

  // The list "Bezüge und Abzüge": a company car added with its list price and, in the pop-up,
  // its distance; the calculation taxes it and shows the amount paid out; removed, the payout is
  // the net again.
  void bezuegeUndAuszahlung() {
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2019"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("März"));
    TPnlBezuege* p = w->PnlBezuege;
    QVERIFY(!p->BtnBezugLoeschen->isEnabled());
    Fenster::waehle(p->ComboBezugsart, QStringLiteral("Dienstwagen"));
    QTest::mouseClick(p->BtnBezugNeu, Qt::LeftButton);
    QCOMPARE(p->ComboBezuege->count(), 1);
    QCOMPARE(p->LEdiBezugBetrag->caption(), QStringLiteral("Listenp&reis:"));
    p->LEdiBezugBetrag->setText(QStringLiteral("38750,01"));
    QTest::mouseClick(p->BtnBezugAngaben, Qt::LeftButton);
    QTRY_VERIFY(p->PnlBezugAngaben->isVisible());
    auto* km = p->PnlBezugAngaben->findChild<QLineEdit*>(QStringLiteral("LEdiDienstwagenKm"));
    QVERIFY(km != nullptr && km->isVisible());
    // Enter in the pop-up closes it and calculates, in the direction of the last calculation.
    w->LEdiBrutto->setText(QStringLiteral("6000"));
    Fenster::eingeben(km, QStringLiteral("20"));
    QVERIFY(!p->PnlBezugAngaben->isVisible());
    QCOMPARE(p->ComboBezuege->currentText(), QStringLiteral("1. Dienstwagen: 38.750,01"));
    QCOMPARE(w->LEdiNetto->text(), QStringLiteral("3.603,01"));
    QCOMPARE(p->LabAuszahlung->text(), QStringLiteral("2.983,81 €"));
    const std::vector<std::string> abrechnung = w->FrmAbrechnung->Zeilen();
    QVERIFY(zeileMit(abrechnung, "Dienstwagen").contains(QStringLiteral("619,20")));
    QVERIFY(zeileMit(abrechnung, "Steuer-Brutto mit Bezügen").contains(QStringLiteral("6.619,20")));

    QTest::mouseClick(p->BtnBezugLoeschen, Qt::LeftButton);
    QCOMPARE(p->ComboBezuege->count(), 0);
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("6000"));
    QCOMPARE(LiesFeld(StdText(p->LabAuszahlung->text().remove(QStringLiteral(" €")))), LiesFeld(StdText(w->LEdiNetto->text())));
  }
};

QTEST_MAIN(BerechnungTest)

#include "BerechnungTest.moc"
