// The main window's reactions to its inputs: the period and its rate displays, the group, tax
// class, child allowances, the menu switches, start-up and "Neue Abrechnung".
#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "Fenster.h"
#include "Wachhund.h"
#include "abrechnung/Detailabrechnung.h"
#include "ui/Zahlanzeige.h"

using namespace salvaro;

class FensterTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  void startUndAufbau() {
    Fenster w(false, {LetztesRechenjahr() - 1, 7, 1});
    // The size that shows the whole form, as far as the screen allows.
    QCOMPARE(w->Wunschgroesse().width(), 632);
    QCOMPARE(w->size(), w->Wunschgroesse().boundedTo(w->screen()->availableGeometry().size()));
    // The years the workflow can calculate, newest first and chosen; its January while that
    // year still lies ahead.
    QCOMPARE(w->ComboJahr->count(), LetztesRechenjahr() - ErstesRechenjahr() + 1);
    QCOMPARE(w->ComboJahr->currentText(), QString::number(LetztesRechenjahr()));
    QCOMPARE(w->ComboMonat->currentText(), QStringLiteral("Januar"));
    QCOMPARE(w->fall().Jahr, LetztesRechenjahr());
    // No help file beside the program: said once, then remembered.
    QVERIFY(w->hilfeFehlt());
    QCOMPARE(w.plattform.texte(), QStringList{QStringLiteral("Hilfedatei nicht gefunden")});
    QCOMPARE(w.plattform.hilfedatei, QString());
    QCOMPARE(w->FrmAbrechnung->Zeilen(), PlatzhalterAbrechnung());
    QVERIFY(w.zeigen());
    QCOMPARE(QApplication::focusWidget(), w->LEdiBrutto);
  }

  void zusatzbeitrag() {
    Fenster w;
    Fenster::waehle(w->ComboJahr, QStringLiteral("2014"));
    QVERIFY(!w->MEdiKVZus->isEnabled());
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 0,90 %"));
    Fenster::waehle(w->ComboJahr, QStringLiteral("2015"));
    QVERIFY(w->MEdiKVZus->isEnabled());
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 1,60 %"));
    // The default follows the year's average additional rate.
    for (const auto& [jahr, satz] : {std::pair{"2024", "+ 1,70 %"}, {"2025", "+ 2,50 %"},
                                     {"2026", "+ 2,90 %"}, {"2023", "+ 1,60 %"}}) {
      Fenster::waehle(w->ComboJahr, QString::fromLatin1(jahr));
      QCOMPARE(w->MEdiKVZus->text(), QString::fromLatin1(satz));
    }
    // A typed rate stays while the year changes, and comes back after a year with the fixed
    // special contribution.
    Fenster::waehle(w->ComboJahr, QStringLiteral("2016"));
    w->MEdiKVZus->setText(QStringLiteral("+ 1,30%"));
    for (const char* jahr : {"2017", "2026", "2014", "2025"}) {
      Fenster::waehle(w->ComboJahr, QString::fromLatin1(jahr));
      QCOMPARE(w->MEdiKVZus->text(),
               QString::fromLatin1(QByteArray(jahr) == "2014" ? "+ 0,90 %" : "+ 1,30 %"));
    }
    // The additional contribution began in July 2005; the childless surcharge in 2005.
    Fenster::waehle(w->ComboJahr, QStringLiteral("2005"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("Juni"));
    QVERIFY(w->MEdiKVZus->isHidden());
    QVERIFY(!w->PnlPVKinder->isHidden());
    Fenster::waehle(w->ComboMonat, QStringLiteral("Juli"));
    QVERIFY(!w->MEdiKVZus->isHidden());
    QVERIFY(!w->MEdiKVZus->isEnabled());
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 0,90 %"));
    Fenster::waehle(w->ComboJahr, QStringLiteral("2004"));
    QVERIFY(w->MEdiKVZus->isHidden());
    QVERIFY(w->PnlPVKinder->isHidden());
    QVERIFY(!w->MenPflegeKinderlos->isEnabled());
  }

  void kvSatzAb2009_data() {
    QTest::addColumn<QString>("jahr");
    QTest::addColumn<QString>("monat");
    QTest::addColumn<QString>("gruppe");
    QTest::addColumn<QString>("satz");
    QTest::newRow("2009 Juni ermäßigt") << "2009"
                                        << "Juni"
                                        << "3111"
                                        << "14,00 %";
    QTest::newRow("2009 Juli ermäßigt") << "2009"
                                        << "Juli"
                                        << "3111"
                                        << "13,40 %";
    QTest::newRow("2009 Juni allgemein") << "2009"
                                         << "Juni"
                                         << "1111"
                                         << "14,60 %";
    QTest::newRow("2009 Juli allgemein") << "2009"
                                         << "Juli"
                                         << "1111"
                                         << "14,00 %";
    QTest::newRow("2010 ermäßigt") << "2010"
                                   << "März"
                                   << "3111"
                                   << "13,40 %";
    QTest::newRow("2023 allgemein") << "2023"
                                    << "Mai"
                                    << "1111"
                                    << "14,60 %";
  }
  void kvSatzAb2009() {
    QFETCH(QString, jahr);
    QFETCH(QString, monat);
    QFETCH(QString, gruppe);
    QFETCH(QString, satz);
    // By the year handler, with the group set first ...
    Fenster w;
    w->OruEdiBGR->setText(gruppe);
    Fenster::waehle(w->ComboJahr, jahr);
    Fenster::waehle(w->ComboMonat, monat);
    QCOMPARE(w->MEdiKV->text(), satz);
    QVERIFY(!w->MEdiKV->isEnabled());
    // ... and by the group handler, with the period set first.
    Fenster v;
    Fenster::waehle(v->ComboJahr, jahr);
    Fenster::waehle(v->ComboMonat, monat);
    v->OruEdiBGR->setText(gruppe);
    QCOMPARE(v->MEdiKV->text(), satz);
  }

  void kvSatzVor2009BleibtGetippt() {
    Fenster w;
    Fenster::waehle(w->ComboJahr, QStringLiteral("2008"));
    QVERIFY(w->MEdiKV->isEnabled());
    w->MEdiKV->setText(QStringLiteral("13,90%"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("August"));
    w->OruEdiBGR->setText(QStringLiteral("3111"));
    QCOMPARE(w->MEdiKV->text(), QStringLiteral("13,90 %"));
  }

  void beitragsgruppe() {
    Fenster w;
    w.januar2023();
    w->OruEdiBGR->setText(QStringLiteral("3111"));
    QCOMPARE(w->MEdiKV->text(), QStringLiteral("14,00 %"));
    // Half the care contribution: three decimals in a smaller font.
    w->OruEdiBGR->setText(QStringLiteral("1112"));
    QCOMPARE(w->PnlPVSatz->text(), QStringLiteral("1,525 %"));
    QCOMPARE(w->PnlPVSatz->font().pointSize(), 9);
    // Three characters change no display.
    w->OruEdiBGR->setText(QStringLiteral("111"));
    QCOMPARE(w->MEdiKV->text(), QStringLiteral("14,60 %"));
    QCOMPARE(w->PnlPVSatz->font().pointSize(), 9);
    w->OruEdiBGR->setText(QStringLiteral("1111"));
    QCOMPARE(w->PnlPVSatz->text(), QStringLiteral("3,05 %"));
    QCOMPARE(w->PnlPVSatz->font().pointSize(), 10);
    // Leaving the field with "0" completes the group.
    QVERIFY(w.zeigen());
    w->OruEdiBGR->setFocus();
    w->OruEdiBGR->setText(QStringLiteral("0"));
    w->LEdiGebJahr->setFocus();
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("0000"));
  }

  void nurZiffernInGruppeUndGeburtsjahr() {
    Fenster w;
    QVERIFY(w.zeigen());
    for (QLineEdit* feld :
         {static_cast<QLineEdit*>(w->OruEdiBGR), static_cast<QLineEdit*>(w->LEdiGebJahr)}) {
      feld->setFocus();
      feld->clear();
      QTest::keyClicks(feld, QStringLiteral("1a-9,x"));
      QTest::keyClick(feld, Qt::Key_Return);
      QTest::keyClicks(feld, QStringLiteral("57"));
      QTest::keyClick(feld, Qt::Key_Backspace);
      QCOMPARE(feld->text(), QStringLiteral("195"));
    }
    QVERIFY(w.plattform.texte().size() == 1);  // only the start-up message
  }

  // Ctrl+V pastes in every number field of the window, with the field's checks; the menu
  // "Sozialversicherung", whose shortcut it also is, stays closed and opens with Alt+V.
  void einfuegenInDenFeldern() {
    Fenster w;
    QVERIFY(w.zeigen());
    w->MenArbeitgeberseite->trigger();
    w.plattform.nachrichten.clear();
    const struct {
      QLineEdit* feld;
      const char *ablage, *text, *abgelehnt;
    } faelle[] = {
        {w->LEdiBrutto, "3.000,50", "3000,50", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiNetto, "2.100", "2100", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiStBrutto, "3.000,50", "3000,50", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiSVBrutto, "3.000,50", "3000,50", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiKiFB, "1,5", "1,5", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiStFB, "-1.200,00", "-1200,00", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiStKl, "4", "4", "'abc' ist kein gültiger ganzzahliger Wert"},
        {w->LEdiFaktor, "0,955", "0,955", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LabEdiPKV, "420,10", "420,10", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiPPV, "60", "60", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiKinderU25, "2", "2", "'abc' ist kein gültiger ganzzahliger Wert"},
        {w->OruEdiBGR, "0110", "0110", "'abc' kann in dieses Feld nicht eingefügt werden."},
        {w->LEdiGebJahr, "1975", "1975", "'abc' kann in dieses Feld nicht eingefügt werden."},
        {w->LEdiEinmalzahlung, "3.000", "3000", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiJahresbruttoBisher, "40.000,00", "40000,00",
         "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiAbfindung, "25.000", "25000", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiU1Satz, "1,6", "1,6", "'abc' ist kein gültiger Gleitkommawert"},
        {w->LEdiU2Satz, "0,44", "0,44", "'abc' ist kein gültiger Gleitkommawert"},
    };
    for (const auto& c : faelle) {
      const QString name = c.feld->objectName();
      QVERIFY2(c.feld->isVisible(), qPrintable(name));
      c.feld->setFocus(Qt::TabFocusReason);
      QApplication::clipboard()->setText(QString::fromUtf8(c.ablage));
      QTest::keyClick(c.feld, Qt::Key_V, Qt::ControlModifier);
      QVERIFY2(c.feld->text() == QString::fromUtf8(c.text),
               qPrintable(name + ": " + c.feld->text()));
      QVERIFY2(!w->menuBar()->activeAction(), qPrintable(name));
      c.feld->selectAll();
      QApplication::clipboard()->setText(QStringLiteral("abc"));
      QTest::keyClick(c.feld, Qt::Key_V, Qt::ControlModifier);
      QVERIFY2(c.feld->text() == QString::fromUtf8(c.text),
               qPrintable(name + ": " + c.feld->text()));
      QTRY_COMPARE(w.plattform.texte(), QStringList{QString::fromUtf8(c.abgelehnt)});
      w.plattform.nachrichten.clear();
    }
    QTest::keyClick(w.f.get(), Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(w->menuBar()->activeAction(), w->MenSozVers->menuAction());
  }

  // The form keeps its places at the start size and stays whole and centred in a larger
  // window; a smaller one scrolls it.
  void groesse() {
    Fenster w;
    QVERIFY(w.zeigen());
    const struct {
      QWidget* panel;
      QRect platz;
    } panels[] = {
        {w->PnlGebJahr, {4, 4, 228, 34}},    {w->PnlSteuer, {4, 42, 228, 136}},
        {w->PnlSozVers, {4, 182, 228, 118}}, {w->PnlSonderbrutto, {4, 304, 228, 90}},
        {w->PnlZeitraum, {236, 4, 392, 34}}, {w->PnlMain, {236, 42, 392, 352}},
    };
    QWidget* mitte = w->Rollbereich->widget();
    for (const QSize groesse : {w->Wunschgroesse(), QSize(1200, 900), QSize(300, 200)}) {
      w->resize(groesse);
      QTRY_VERIFY(w->size() == groesse.expandedTo(w->minimumSizeHint()));
      const QRect form(w->Formular->mapTo(mitte, QPoint()), w->Formular->size());
      const QRect flaeche = mitte->rect();
      QVERIFY2(flaeche.contains(form),
               qPrintable(QStringLiteral("%1x%2").arg(w->width()).arg(w->height())));
      // Smaller than the form: it scrolls; larger: centred, the margins left and right, and
      // above and below, differ by a pixel at most.
      const bool rollt = groesse.height() < w->Wunschgroesse().height();
      QCOMPARE(w->Rollbereich->verticalScrollBar()->maximum() > 0, rollt);
      if (!rollt) {
        QVERIFY(qAbs(form.left() - (flaeche.right() - form.right())) <= 1);
        QVERIFY(qAbs(form.top() - (flaeche.bottom() - form.bottom())) <= 1);
      }
      for (const auto& p : panels) {
        QCOMPARE(p.panel->parentWidget(), w->Formular);
        QCOMPARE(p.panel->geometry(), p.platz);
      }
    }
  }

  // The employer's column widens the window by its width, as far as the screen allows, and gives
  // it back; the window with it fits a laptop's screen.
  void arbeitgeberspalte() {
    Fenster w;
    QVERIFY(w.zeigen());
    const QSize ohne = w->size();
    w->MenArbeitgeberseite->trigger();
    QVERIFY(!w->PnlArbeitgeber->isHidden());
    QCOMPARE(w->PnlArbeitgeber->parentWidget(), w->Formular);
    QTRY_COMPARE(w->width(), qMin(ohne.width() + w->PnlArbeitgeber->width() + 4,
                                  w->screen()->availableGeometry().width()));
    QVERIFY(w->width() <= 1000 && w->height() <= 680);
    QVERIFY(w->Formular->rect().contains(w->PnlArbeitgeber->geometry()));
    w->MenArbeitgeberseite->trigger();
    QVERIFY(w->PnlArbeitgeber->isHidden());
    QTRY_COMPARE(w->size(), ohne);
  }

  void faktorNurInKlasseVierAb2010() {
    Fenster w;
    Fenster::waehle(w->ComboJahr, QStringLiteral("2010"));
    w->LEdiStKl->setText(QStringLiteral("4"));
    QVERIFY(!w->LEdiFaktor->isHidden());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2009"));
    QVERIFY(w->LEdiFaktor->isHidden());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2010"));
    QVERIFY(!w->LEdiFaktor->isHidden());
    w->LEdiStKl->setText(QStringLiteral("3"));
    QVERIFY(w->LEdiFaktor->isHidden());
  }

  void kinderUndZuschlag() {
    Fenster w;
    Fenster::waehle(w->ComboJahr, QStringLiteral("2022"));
    QCOMPARE(w->PnlPVKinder->text(), QStringLiteral("+ 0,35"));
    w->LEdiKiFB->setText(QStringLiteral("0,5"));
    QVERIFY(w->MenPflegeKinderlos->isChecked());
    QVERIFY(w->PnlPVKinder->isHidden());
    w->LEdiKiFB->setText(QStringLiteral("0,0"));
    QVERIFY(!w->MenPflegeKinderlos->isChecked());
    QVERIFY(!w->PnlPVKinder->isHidden());
    // Private care insurance has no surcharge; unticked, the switch decides again.
    w->ChkPPV->click();
    QVERIFY(w->PnlPVKinder->isHidden());
    w->ChkPPV->click();
    QVERIFY(!w->PnlPVKinder->isHidden());
    w->MenPflegeKinderlos->trigger();
    QVERIFY(w->PnlPVKinder->isHidden());
    w->ChkPPV->click();
    w->ChkPPV->click();
    QVERIFY(w->PnlPVKinder->isHidden());
    w->MenPflegeKinderlos->trigger();
    QVERIFY(!w->PnlPVKinder->isHidden());
    // A later year change keeps the panel as the switches say.
    w->MenPflegeKinderlos->trigger();
    Fenster::waehle(w->ComboJahr, QStringLiteral("2023"));
    QVERIFY(w->PnlPVKinder->isHidden());
  }

  void verzichtAufRVFreiheit() {
    Fenster w;
    w->MenSVRVGfE->trigger();
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("6100"));
    QVERIFY(w->MenSVRVGfE->isChecked());
    // Unchecking leaves the group as it is.
    w->MenSVRVGfE->trigger();
    QVERIFY(!w->MenSVRVGfE->isChecked());
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("6100"));
    // The group checks the item.
    w->OruEdiBGR->setText(QStringLiteral("1111"));
    w->OruEdiBGR->setText(QStringLiteral("6100"));
    QVERIFY(w->MenSVRVGfE->isChecked());
  }

  void steuertabelleUndRechtskreis() {
    Fenster w;
    w->MenAllgStTab->trigger();  // the checked one
    QVERIFY(!w->MenAllgStTab->isChecked());
    QVERIFY(w->MenBesStTab->isChecked());
    w->MenBesStTab->trigger();
    QVERIFY(w->MenAllgStTab->isChecked());
    QVERIFY(!w->MenBesStTab->isChecked());
    w->MenPKVStatus->trigger();
    QVERIFY(w->MenPKVStatus->isChecked());
    w->MenSVOst->trigger();
    QVERIFY(w->MenSVOst->isChecked() && !w->MenSVWest->isChecked());
    w->MenSVOst->trigger();  // a click on the checked one keeps it
    QVERIFY(w->MenSVOst->isChecked() && !w->MenSVWest->isChecked());
    w->MenSVWest->trigger();
    QVERIFY(w->MenSVWest->isChecked() && !w->MenSVOst->isChecked());
  }

  void getippterJahr() {
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2016"));
    w->MEdiKVZus->setText(QStringLiteral("+ 1,30%"));
    const QString rv = w->PnlRVSatz->text();
    // Deleting and typing a year passes through texts that are no year the program can
    // calculate; the displays and the typed rate wait for a real one, and nothing is said.
    QLineEdit* jahr = w->ComboJahr->lineEdit();
    jahr->setFocus();
    jahr->end(false);
    for (int i = 0; i < 4; ++i) QTest::keyClick(jahr, Qt::Key_Backspace);
    QCOMPARE(jahr->text(), QString());
    QCOMPARE(w->PnlRVSatz->text(), rv);
    QCOMPARE(w->fall().Jahr, 2016);
    QTest::keyClicks(jahr, QStringLiteral("20x"));
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 1,30 %"));
    QVERIFY(w->MEdiKVZus->isEnabled());
    QCOMPARE(w.plattform.nachrichten.size(), 1);  // the start-up message
    w->ComboJahr->setEditText(QStringLiteral("2004"));
    QCOMPARE(w->PnlRVSatz->text(), QStringLiteral("19,50 %"));
    QCOMPARE(w->fall().Jahr, 2004);
  }

  void neueAbrechnung_data() {
    QTest::addColumn<int>("kalenderjahr");
    QTest::addColumn<QString>("jahr");
    QTest::newRow("rechenbar") << 2012 << "2012";
    QTest::newRow("nach dem letzten")
        << LetztesRechenjahr() + 3 << QString::number(LetztesRechenjahr());
    QTest::newRow("vor dem ersten") << 1999 << "2004";
  }
  void neueAbrechnung() {
    QFETCH(int, kalenderjahr);
    QFETCH(QString, jahr);
    Fenster w(false, {kalenderjahr, 5, 2});
    w.januar2023();
    w->LEdiGebJahr->setText(QStringLiteral("1970"));
    Fenster::waehle(w->ComboKiLand, QStringLiteral("Bayern"));
    w->OruEdiBGR->setText(QStringLiteral("6500"));
    w->LEdiStKl->setText(QStringLiteral("3"));
    w->LEdiKiFB->setText(QStringLiteral("1,5"));
    w->MenBesStTab->trigger();
    w->MenSVGleitzone->trigger();
    w->MenPVSachsen->trigger();
    w->ChkPKV->setChecked(true);
    w->LEdiEinmalzahlung->setText(QStringLiteral("500"));
    // January has no earlier months: only 0 is a gross paid before it.
    w->LEdiJahresbruttoBisher->setText(QStringLiteral("0"));
    w->ChkImVorjahr->setChecked(false);
    w->LEdiU1Satz->setText(QStringLiteral("1,6"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QVERIFY(IstErstellt(w->FrmAbrechnung->Zeilen()));

    w->BtnNeu->click();
    QCOMPARE(w->ComboJahr->currentText(), jahr);
    QCOMPARE(w->LEdiBrutto->text(), QString());
    QCOMPARE(w->LEdiNetto->text(), QString());
    QVERIFY(w->BtnBruttoNeu->isHidden());
    QCOMPARE(w.werte(), QStringList(7, QStringLiteral("0,00 €")));
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("1111"));
    QCOMPARE(w->LEdiStKl->text(), QStringLiteral("1"));
    QCOMPARE(w->LEdiKiFB->text(), QStringLiteral("0,0"));
    QCOMPARE(w->LEdiStBrutto->text(), QStringLiteral("0,00"));
    QVERIFY(w->MenAllgStTab->isChecked() && !w->MenBesStTab->isChecked());
    QVERIFY(!w->MenSVGleitzone->isChecked() && !w->MenPflegeKinderlos->isChecked());
    QVERIFY(!w->ChkPKV->isChecked());
    QCOMPARE(w->FrmAbrechnung->Zeilen(), PlatzhalterAbrechnung());
    // The payment is the month's; the employer's levy rate stays.
    QCOMPARE(w->LEdiEinmalzahlung->text(), QStringLiteral("0,00"));
    QCOMPARE(w->LEdiJahresbruttoBisher->text(), QString());
    QVERIFY(w->ChkImVorjahr->isChecked());
    QVERIFY(w->PnlEinmalErgebnis->isHidden());
    QCOMPARE(w->LEdiU1Satz->text(), QStringLiteral("1,60"));
    // Kept: year of birth, month, church-tax state, Saxony.
    QCOMPARE(w->LEdiGebJahr->text(), QStringLiteral("1970"));
    QCOMPARE(w->ComboMonat->currentText(), QStringLiteral("Januar"));
    QCOMPARE(w->ComboKiLand->currentText(), QStringLiteral("Bayern"));
    QVERIFY(w->MenPVSachsen->isChecked());
    // The displays belong to the year now shown.
    QCOMPARE(w->MEdiKVZus->isEnabled(), KVZusEingebbar(jahr.toInt()));
    QCOMPARE(w->MEdiKVZus->text(),
             SatzAnzeige(KVZusEingebbar(jahr.toInt()) ? KVZusVorgabe(jahr.toInt())
                                                      : kKVZusVor2015));
    QCOMPARE(w->fall().Jahr, jahr.toInt());
  }

  void neueAbrechnungNachAltemJahr() {
    // From 2012 (special contribution 0,90 fixed) to a year with a typed additional rate: the
    // field offers the default rate again instead of keeping 0,90.
    Fenster w(false, {LetztesRechenjahr(), 3, 1});
    Fenster::waehle(w->ComboJahr, QStringLiteral("2012"));
    w->MenDatNeu->trigger();
    QCOMPARE(w->ComboJahr->currentText(), QString::number(LetztesRechenjahr()));
    QVERIFY(w->MEdiKVZus->isEnabled());
    QCOMPARE(w->MEdiKVZus->text(), SatzAnzeige(KVZusVorgabe(LetztesRechenjahr())));
  }
};

QTEST_MAIN(FensterTest)

#include "FensterTest.moc"
