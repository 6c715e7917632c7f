// The window as a desktop program: results that follow every change of the inputs or are marked,
// one rule and one format for numbers, the keyboard, names for a screen reader, and a size that
// fits the screen.
#include <QAccessible>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolTip>
#include <functional>

#include "Fenster.h"
#include "Wachhund.h"
#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Zahlentext.h"
#include "ui/Ansichten.h"
#include "ui/Zahlanzeige.h"

using namespace salvaro;

namespace {

// Types into a field over its whole text, as the user does.
void tippe(QLineEdit* feld, const QString& text) {
  feld->setFocus();
  feld->selectAll();
  if (text.isEmpty())
    QTest::keyClick(feld, Qt::Key_Backspace);
  else
    QTest::keyClicks(feld, text);
}

// Lets the window do what it does once it is idle: the calculation after a change.
void warten() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QStringList ergebnisse(const Fenster& w) {
  QStringList t = w.werte();
  t << w->LEdiBrutto->text() << w->LEdiNetto->text();
  return t;
}

// Every result label of the form.
QList<QLabel*> ergebnislabels(const Fenster& w) {
  QList<QLabel*> l;
  for (QLabel* label : w->Formular->findChildren<QLabel*>())
    if (IstErgebnis(label)) l << label;
  return l;
}

const QRegularExpression kBetrag(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d{2}$"));
const QRegularExpression kBetragMitEinheit(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d{2} €$"));
const QRegularExpression kSatz(QStringLiteral("^(\\+ )?\\d+,\\d{2,3} %$"));

}  // namespace

class BedienungTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  // A change of an input the results depend on calculates again at once, in the direction of
  // the last calculation: the window then shows what a window calculating the same inputs with
  // Enter shows.
  void aenderungRechnetNeu() {
    struct Fall {
      const char* name;
      std::function<void(Fenster&)> aendern;
      bool netto;
    };
    const Fall faelle[] = {
        {"Steuerklasse getippt", [](Fenster& w) { tippe(w->LEdiStKl, "3"); }, false},
        {"Kirchensteuer gewählt",
         [](Fenster& w) { Fenster::waehle(w->ComboKiLand, "keine Kirchensteuer"); }, false},
        {"Beitragsgruppe getippt", [](Fenster& w) { tippe(w->OruEdiBGR, "1121"); }, false},
        {"Jahr gewählt", [](Fenster& w) { Fenster::waehle(w->ComboJahr, "2010"); }, false},
        {"Monat gewählt", [](Fenster& w) { Fenster::waehle(w->ComboMonat, "Juli"); }, false},
        {"Menüschalter", [](Fenster& w) { w->MenBesStTab->trigger(); }, false},
        {"Brutto getippt", [](Fenster& w) { tippe(w->LEdiBrutto, "3100"); }, false},
        {"Steuerklasse, Netto", [](Fenster& w) { tippe(w->LEdiStKl, "3"); }, true},
        {"Jahr, Netto", [](Fenster& w) { Fenster::waehle(w->ComboJahr, "2010"); }, true},
        {"Netto getippt", [](Fenster& w) { tippe(w->LEdiNetto, "2100"); }, true},
    };
    for (const Fall& f : faelle) {
      const QString name = QString::fromUtf8(f.name);
      const QString betrag = f.netto ? QStringLiteral("2000") : QStringLiteral("3000");
      const auto treiber = [&f](Fenster& w) -> QLineEdit* {
        return f.netto ? w->LEdiNetto : w->LEdiBrutto;
      };
      Fenster w;
      QVERIFY(w.zeigen());
      w.januar2023();
      Fenster::eingeben(treiber(w), betrag);
      const QStringList vorher = ergebnisse(w);
      w.plattform.nachrichten.clear();
      f.aendern(w);
      warten();
      GLEICH(w->ergebnisVeraltet(), false, name);
      GLEICH(w->LabVeraltet->isHidden(), true, name);
      GLEICH(ergebnisse(w) != vorher, true, name);
      // No message box comes with a calculation the user did not start.
      GLEICH(w.plattform.nachrichten.size(), 0, name);
      // The same inputs, calculated with Enter in the driving field.
      Fenster soll;
      QVERIFY(soll.zeigen());
      soll.januar2023();
      treiber(soll)->setText(betrag);
      f.aendern(soll);
      treiber(soll)->setFocus();
      QTest::keyClick(treiber(soll), Qt::Key_Return);
      GLEICH(w.werte(), soll.werte(), name);
      // The field being typed in keeps its text until it is left.
      GLEICH(LiesFeld(w->LEdiBrutto->text().toStdString()) ==
                 LiesFeld(soll->LEdiBrutto->text().toStdString()),
             true, name);
      GLEICH(w->FrmAbrechnung->Zeilen() == soll->FrmAbrechnung->Zeilen(), true, name);
    }
  }

  // The open year follows every keystroke without taking the keyboard from the main window.
  void jahrFolgtBeimTippen() {
    Fenster w;
    QVERIFY(w.zeigen());
    w.januar2023();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    w->MenJahr->trigger();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.f.get()));
    tippe(w->LEdiBrutto, QStringLiteral("3100"));
    warten();
    QCOMPARE(QApplication::focusWidget(), w->LEdiBrutto);
    QCOMPARE(QApplication::activeWindow(), w.f.get());
    QCOMPARE(w->FrmJahr->Uebersicht().summe.brutto, Money::euro(12 * 3100));
  }

  // An input that is incomplete or refused leaves the results of the last calculation marked,
  // with the reason in the status bar; once it is right again, the window calculates.
  void verweigerteEingabeMarkiert() {
    struct Fall {
      const char* name;
      std::function<void(Fenster&)> aendern;
      const char* grund;
    };
    const Fall faelle[] = {
        {"Brutto mit zwei Punkten", [](Fenster& w) { tippe(w->LEdiBrutto, "1.2.3"); },
         "Brutto: '1.2.3' ist kein gültiger Gleitkommawert"},
        {"Brutto zu groß", [](Fenster& w) { tippe(w->LEdiBrutto, "9999999999"); },
         "Brutto: '9999999999' liegt nicht zwischen 0,00 und 1.000.000,00"},
        {"Brutto leer", [](Fenster& w) { tippe(w->LEdiBrutto, ""); }, "Bitte ein Brutto eingeben"},
        {"Freibetrag zu genau", [](Fenster& w) { tippe(w->LEdiStFB, "12.3456"); },
         "Steuerfreibetrag: '12.3456' hat mehr als zwei Nachkommastellen"},
        {"Gruppe dreistellig", [](Fenster& w) { tippe(w->OruEdiBGR, "111"); },
         "Beitragsgruppe muß immer vierstellig sein!"},
        {"Geburtsjahr dreistellig", [](Fenster& w) { tippe(w->LEdiGebJahr, "198"); },
         "Bitte ein Geburtsjahr eingeben"},
        {"Jahr halb getippt", [](Fenster& w) { w->ComboJahr->setEditText("20"); },
         "Berechnung nur für die Jahre"},
        {"Monat unbekannt", [](Fenster& w) { w->ComboMonat->setEditText("Jänner"); }, "Jänner"},
    };
    for (const Fall& f : faelle) {
      const QString name = QString::fromUtf8(f.name);
      Fenster w;
      QVERIFY(w.zeigen());
      w.januar2023();
      Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
      const QStringList werte = w.werte();
      const std::vector<std::string> abrechnung = w->FrmAbrechnung->Zeilen();
      f.aendern(w);
      warten();
      GLEICH(w->ergebnisVeraltet(), true, name);
      GLEICH(w->LabVeraltet->isVisibleTo(w.f.get()), true, name);
      GLEICH(w->LabLSt->isEnabled() || w->LabAGGesamt->isEnabled(), false, name);
      GLEICH(w->StatusHinweis->text().contains(QString::fromUtf8(f.grund)), true,
             name + QStringLiteral(" (") + w->StatusHinweis->text() + QStringLiteral(")"));
      // The results stay as they were, and the statement with them.
      GLEICH(w.werte(), werte, name);
      GLEICH(w->FrmAbrechnung->Zeilen() == abrechnung, true, name);
      GLEICH(w.plattform.nachrichten.size(), 1, name);  // the start-up message only
      // Right again, it is calculated.
      w->ComboJahr->setEditText(QStringLiteral("2023"));
      w->ComboMonat->setEditText(QStringLiteral("Januar"));
      w->OruEdiBGR->setText(QStringLiteral("1111"));
      w->LEdiGebJahr->setText(QStringLiteral("1980"));
      w->LEdiStFB->setText(QStringLiteral("0,00"));
      tippe(w->LEdiBrutto, QStringLiteral("3000"));
      warten();
      GLEICH(w->ergebnisVeraltet(), false, name);
      GLEICH(w->LabLSt->isEnabled(), true, name);
      GLEICH(w.werte(), werte, name);
    }
  }

  // One rule for number texts, the command line's: "1234.56" is 1.234,56; an amount beyond the
  // bound is refused with the message the command line gives, never cut or multiplied.
  void zahltexteWieAufDerKommandozeile() {
    Fenster soll;
    QVERIFY(soll.zeigen());
    soll.januar2023();
    Fenster::eingeben(soll->LEdiBrutto, QStringLiteral("1234,56"));
    for (const char* text : {"1234.56", "1.234,56"}) {
      Fenster w;
      QVERIFY(w.zeigen());
      w.januar2023();
      Fenster::eingeben(w->LEdiBrutto, QString::fromLatin1(text));
      QCOMPARE(w->LEdiBrutto->text(), QStringLiteral("1.234,56"));
      QCOMPARE(w.werte(), soll.werte());
    }
    for (const char* text : {"9999999999", "12345678901234567890", "1000000,01"}) {
      Fenster w;
      QVERIFY(w.zeigen());
      w.januar2023();
      w.plattform.nachrichten.clear();
      Fenster::eingeben(w->LEdiBrutto, QString::fromLatin1(text));
      std::string kommandozeile;
      try {
        LiesZahlfeld(text, kGrenzenBetrag);
      } catch (const KonvertierungsFehler& f) {
        kommandozeile = f.what();
      }
      QCOMPARE(w.plattform.texte(), QStringList{QStringLiteral("Brutto: ") + QString::fromStdString(kommandozeile)});
      QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Fehler);
      QCOMPARE(w.werte(), QStringList(7, QStringLiteral("0,00 €")));
      QVERIFY(w->LEdiBrutto->hasFocus());
      QCOMPARE(w->LEdiBrutto->text(), QString::fromLatin1(text));
    }
    // The child allowances take "0.5" as a half.
    Fenster w;
    w->LEdiKiFB->setText(QStringLiteral("0.5"));
    QCOMPARE(w->LEdiKiFB->betrag(), std::optional<Money>(Money::parse("0.5")));
  }

  // Every amount in "#.##0,00", alone with its unit; rates with a blank before "%"; numbers in
  // the fields as the fields show them, also after "Neue Abrechnung"; the same in the views.
  void einZahlenformat() {
    Fenster w;
    QVERIFY(w.zeigen());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("November"));
    w->MenArbeitgeberseite->trigger();
    w->LEdiEinmalzahlung->setText(QStringLiteral("3000"));
    w->LEdiU1Satz->setText(QStringLiteral("1,6"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
    const auto pruefen = [&](const QString& wann) {
      for (const QLabel* l : ergebnislabels(w))
        GLEICH(kBetragMitEinheit.match(l->text()).hasMatch(), true,
               wann + QStringLiteral(" ") + l->objectName() + QStringLiteral(" ") + l->text());
      for (const QLabel* l : {w->PnlRVSatz, w->PnlAVSatz, w->PnlPVSatz})
        GLEICH(kSatz.match(l->text()).hasMatch(), true, wann + QStringLiteral(" ") + l->text());
      for (const QLineEdit* l : {w->MEdiKV, w->MEdiKVZus})
        GLEICH(kSatz.match(l->text()).hasMatch(), true, wann + QStringLiteral(" ") + l->text());
      for (const TOruZahlEdit* f : w->Formular->findChildren<TOruZahlEdit*>()) {
        if (f->text().isEmpty() || f->kommastellen() == 0) continue;
        const QString soll = QString::fromStdString(
            FormatBild(*f->betrag(), f->kommastellen(), f->dezimalTrz()));
        GLEICH(f->text(), soll, wann + QStringLiteral(" ") + f->objectName());
        GLEICH(f->alignment() & Qt::AlignRight, Qt::AlignRight, f->objectName());
      }
    };
    pruefen(QStringLiteral("gerechnet"));
    QCOMPARE(w->LEdiBrutto->text(), QStringLiteral("4.000,00"));
    QVERIFY(kBetrag.match(w->LEdiNetto->text()).hasMatch());
    w->BtnNeu->click();
    pruefen(QStringLiteral("neu"));
    QCOMPARE(w->LEdiStBrutto->text(), QStringLiteral("0,00"));

    // The views: amounts in their cells, the unit in the heads, numbers right-aligned.
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("4000"));
    w->MenJahr->trigger();
    for (int s = 0; s < w->FrmJahr->Tabelle->columnCount(); ++s) {
      QVERIFY(w->FrmJahr->Tabelle->horizontalHeaderItem(s)->text().endsWith(QStringLiteral("(€)")));
      for (int z = 0; z < w->FrmJahr->Tabelle->rowCount(); ++z)
        QVERIFY(kBetrag.match(w->FrmJahr->Tabelle->item(z, s)->text()).hasMatch());
    }
    w->MenSteuerklassen->trigger();
    const TFrmSteuerklassen::Ehegatte& erster = w->FrmSteuerklassen->Ehegatten[0];
    QCOMPARE(erster.Brutto->text(), QStringLiteral("4.000,00"));
    for (const QLineEdit* f : {erster.Brutto, erster.KiFB, erster.KVZus})
      QCOMPARE(f->alignment() & Qt::AlignRight, Qt::AlignRight);
  }

  // Tab follows the reading order: the period at the top, the left column, the main panel, the
  // payment below.
  void tabReihenfolge() {
    Fenster w;
    QVERIFY(w.zeigen());
    w->ComboMonat->setFocus(Qt::TabFocusReason);
    QStringList namen;
    for (int i = 0; i < 24; ++i) {
      QWidget* fokus = QApplication::focusWidget();
      if (qobject_cast<QComboBox*>(fokus->parentWidget())) fokus = fokus->parentWidget();
      namen << fokus->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(namen, (QStringList{"ComboMonat", "ComboJahr", "LEdiGebJahr", "ComboGebMonat",
                                 "LEdiStKl", "LEdiKiFB", "LEdiStFB", "ComboKiLand", "OruEdiBGR",
                                 "LabEdiPKV", "ChkPKV", "LEdiPPV", "ChkPPV", "LEdiKinderU25",
                                 "LEdiStBrutto", "LEdiSVBrutto", "ChkBruttoUebernahme",
                                 "LEdiBrutto", "MEdiKVZus", "LEdiNetto", "LEdiEinmalzahlung",
                                 "LEdiJahresbruttoBisher", "LEdiAbfindung", "LEdiMehrjaehrig"}));
  }

  // Every menu item has a mnemonic of its own in its menu; the common commands have the
  // desktop's standard keys.
  void menueKuerzel() {
    Fenster w;
    QList<QMenu*> menues = {nullptr};
    menues << w->menuBar()->findChildren<QMenu*>();
    for (QMenu* menue : menues) {
      const QList<QAction*> punkte = menue ? menue->actions() : w->menuBar()->actions();
      QSet<QString> buchstaben;
      for (const QAction* a : punkte) {
        if (a->isSeparator()) continue;
        const QKeySequence kuerzel = QKeySequence::mnemonic(a->text());
        QVERIFY2(!kuerzel.isEmpty(), qPrintable(a->text()));
        QVERIFY2(!buchstaben.contains(kuerzel.toString()), qPrintable(a->text()));
        buchstaben << kuerzel.toString();
      }
    }
    QCOMPARE(w->MenDatNeu->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(w->MenSpeichern->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(w->MenDrucken->shortcut(), QKeySequence(QKeySequence::Print));
    QCOMPARE(w->MenClose->shortcut(), QKeySequence(QKeySequence::Quit));
    QCOMPARE(w->MenPdf->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QVERIFY(w->MenHilfeAufrufen->text().endsWith(QStringLiteral("\tF1")));
  }

  // Every field has a caption whose Alt key leads to it, none of them taken by the menu bar;
  // every field, button and result has a name a screen reader reads.
  void tastenUndNamen() {
    Fenster w;
    QVERIFY(w.zeigen());
    w->MenArbeitgeberseite->trigger();
    w->LEdiStKl->setText(QStringLiteral("4"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QSet<QString> menue;
    for (const QAction* a : w->menuBar()->actions())
      menue << QKeySequence::mnemonic(a->text()).toString();
    QList<QWidget*> felder;
    for (QWidget* f : w->Formular->findChildren<QWidget*>())
      if ((qobject_cast<QLineEdit*>(f) && !qobject_cast<QComboBox*>(f->parentWidget())) ||
          qobject_cast<QComboBox*>(f))
        felder << f;
    for (QWidget* f : felder) {
      if (f == w->MEdiKV || f == w->MEdiKVZus) continue;  // named by their hints
      const QLabel* beschriftung = nullptr;
      for (const QLabel* l : w->Formular->findChildren<QLabel*>())
        if (l->buddy() == f) beschriftung = l;
      QVERIFY2(beschriftung, qPrintable(f->objectName()));
      const QString kuerzel = QKeySequence::mnemonic(beschriftung->text()).toString();
      QVERIFY2(!kuerzel.isEmpty(), qPrintable(beschriftung->text()));
      QVERIFY2(!menue.contains(kuerzel), qPrintable(beschriftung->text()));
    }
    for (const auto& [taste, feld] :
         {std::pair{Qt::Key_B, static_cast<QWidget*>(w->LEdiBrutto)}, {Qt::Key_N, w->LEdiNetto},
          {Qt::Key_A, w->LEdiFaktor}, {Qt::Key_G, w->LEdiGebJahr}}) {
      w->ComboMonat->setFocus();
      QTest::keyClick(w.f.get(), taste, Qt::AltModifier);
      QTRY_COMPARE(QApplication::focusWidget(), feld);
    }
    QList<QWidget*> benannt = felder;
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
      if (b->isVisibleTo(w.f.get())) benannt << b;
    benannt << static_cast<QWidget*>(w->PnlRVSatz);
    for (QLabel* l : ergebnislabels(w)) benannt << l;
    for (QWidget* b : benannt) {
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
      QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(b->objectName()));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(w->LabLSt)->text(QAccessible::Name),
             QStringLiteral("Lohnsteuer: ") + w->LabLSt->text());
    QCOMPARE(QAccessible::queryAccessibleInterface(w->LEdiBrutto)->text(QAccessible::Name),
             QStringLiteral("Brutto"));
  }

  // A letter typed into a number field is refused with a hint beside the field.
  void hinweisBeiAbgelehntemZeichen() {
    Fenster w;
    QVERIFY(w.zeigen());
    for (TOruEditBasis* feld : std::initializer_list<TOruEditBasis*>{w->LEdiBrutto, w->OruEdiBGR}) {
      QSignalSpy hinweis(feld, &TOruEditBasis::zeichenAbgelehnt);
      tippe(feld, QStringLiteral("12x"));
      QCOMPARE(feld->text(), QStringLiteral("12"));
      QCOMPARE(hinweis.count(), 1);
      QVERIFY(hinweis.front().front().toString().startsWith(QStringLiteral("Dieses Feld nimmt nur")));
      QCOMPARE(QToolTip::text(), hinweis.front().front().toString());
    }
  }

  // The window fits the screen and scrolls its form where the screen is smaller; the statement
  // window shows whole lines.
  void passtAufDenBildschirm() {
    Fenster w;
    QVERIFY(w.zeigen());
    const QRect platz = w->screen()->availableGeometry();
    QVERIFY(platz.contains(w->geometry()));
    QVERIFY(w->minimumSizeHint().width() < 632 && w->minimumSizeHint().height() < 500);
    w->resize(400, 300);
    QTRY_COMPARE(w->size(), QSize(400, 300));
    QVERIFY(w->Rollbereich->verticalScrollBar()->maximum() > 0);
    QVERIFY(w->Rollbereich->horizontalScrollBar()->maximum() > 0);
    QVERIFY(w->Rollbereich->widget()->rect().contains(
        QRect(w->Formular->mapTo(w->Rollbereich->widget(), QPoint()), w->Formular->size())));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    w->FrmAbrechnung->showNormal();
    QPlainTextEdit* memo = w->FrmAbrechnung->MemoAbrechnung;
    const int zeile = memo->fontMetrics().horizontalAdvance(QString(95, u'0'));
    if (zeile + 60 <= platz.width()) QTRY_COMPARE(memo->horizontalScrollBar()->maximum(), 0);
    w->FrmAbrechnung->hide();
  }
};

QTEST_MAIN(BedienungTest)

#include "BedienungTest.moc"
