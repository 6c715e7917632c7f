// Key handling, focus and formatting of the edit fields, driven by QtTest key and focus events.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"

using namespace salvaro;

// Compares inside a table loop and names the case that failed.
#define GLEICH(ist, soll, fall)                         \
  QVERIFY2((ist) == (soll),                             \
           qPrintable(QStringLiteral("%1: %2 statt %3") \
                          .arg(fall, QVariant(ist).toString(), QVariant(soll).toString())))

namespace {

constexpr double kNeg = -1000000;
const QColor kAktiv(clInactiveCaption);

// A shown, active window with the field under test and a second field to move the focus to.
template <class Feld>
struct Fenster {
  QWidget fenster;
  Feld* feld = new Feld(&fenster);
  QLineEdit* anderes = new QLineEdit(&fenster);

  Fenster() {
    feld->move(120, 10);
    anderes->move(120, 50);
    anderes->setFocus();  // the field is entered by the test, not by the window's first focus
    fenster.show();
    fenster.activateWindow();
  }
  bool bereit() { return QTest::qWaitForWindowActive(&fenster); }
  void betreten() { feld->setFocus(Qt::TabFocusReason); }
  void verlassen() { anderes->setFocus(Qt::TabFocusReason); }
  // The configuration of a numeric field as a form definition applies it.
  void einrichten(int kommastellen, double min, double max, bool trz) {
    feld->setKommastellen(kommastellen);
    feld->setMinValue(min);
    feld->setMaxValue(max);
    feld->setDezimalTrz(trz);
  }
  QColor farbe() const { return feld->palette().color(QPalette::Base); }
};

QString betrag(const TOruZahlEdit& f) {
  return QString::fromStdString(f.moneyValue().text4());
}

}  // namespace

class OruEditTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    TOruEditBasis::setFehlerMelder([this](const QString& m) { meldungen_ << m; });
  }
  void init() { meldungen_.clear(); }

  void neueFelder() {
    TOruValueEdit wert;
    TOruValueLabEdit lab;
    for (TOruZahlEdit* f : std::initializer_list<TOruZahlEdit*>{&wert, &lab}) {
      QCOMPARE(f->text(), "0,00");
      QCOMPARE(f->formattedText(), "0,00");
      QCOMPARE(f->moneyValue(), Money());
      QCOMPARE(f->valueDouble(), 0.0);
      QCOMPARE(f->minValue(), 0.0);
      QCOMPARE(f->maxValue(), 1000000.0);
      QCOMPARE(f->kommastellen(), 2);
      QVERIFY(f->dezimalTrz());
      QCOMPARE(f->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
      QCOMPARE(f->activeColor(), clWindow());
    }
    TOruAdvEdit adv;
    QCOMPARE(adv.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  }

  void kommastellenAusserhalb() {
    TOruValueEdit wert;
    TOruValueLabEdit lab;
    for (int n : {-1, 4, 5}) {
      const std::string meldung = "\"" + std::to_string(n) + "\" ist kein gültiger Wert (0 bis 3)";
      wert.setKommastellen(0);
      lab.setKommastellen(0);
      QVERIFY_THROWS_EXCEPTION(ValueEdit, wert.setKommastellen(n));
      try {
        lab.setKommastellen(n);
        QFAIL("ValueLabEdit expected");
      } catch (const ValueLabEdit& e) {
        QCOMPARE(std::string(e.what()), meldung);
      }
      QCOMPARE(wert.kommastellen(), 2);
      QCOMPARE(lab.kommastellen(), 2);
    }
    QCOMPARE(lab.text(), "0,00");  // nothing is reformatted
  }

  void grenzenUndWert() {
    TOruValueEdit f;
    f.setMaxValue(5);
    f.setMinValue(5);
    QCOMPARE(f.minValue(), 4.0);
    QCOMPARE(f.text(), "4");  // raised to the new lower bound
    f.setMaxValue(3);
    QCOMPARE(f.maxValue(), 5.0);
    f.setMinValue(-1e7);
    f.setMaxValue(1e7);
    // The value update formats "#,##0.00" whatever the field's decimals, and shows the plain form.
    f.setKommastellen(0);
    f.setDezimalTrz(false);
    struct Fall {
      double wert;
      const char *text, *formatiert, *betrag;
    };
    for (const Fall& c : {Fall{1234.5, "1234,5", "1.234,50", "1234.5000"},
                          {0.125, "0,125", "0,13", "0.1300"},
                          {-2500000.75, "-2500000,75", "-2.500.000,75", "-2500000.7500"}}) {
      f.setValueDouble(c.wert);
      QCOMPARE(f.valueDouble(), c.wert);
      GLEICH(f.text(), c.text, c.text);
      GLEICH(f.formattedText(), c.formatiert, c.text);
      GLEICH(betrag(f), c.betrag, c.text);
    }
    f.setMinValue(10);
    QCOMPARE(f.valueDouble(), 10.0);
    QCOMPARE(f.text(), "10");
    f.setValueDouble(500);
    f.setMaxValue(99.5);
    QCOMPARE(f.text(), "99,5");
    QCOMPARE(f.moneyValue(), Money::cent(9950));
  }

  void tippen() {
    // In "vorher", [ and ] mark a selection; without them the caret is at the end.
    struct Fall {
      int kommastellen;
      double min;
      bool trz;
      const char *vorher, *tasten, *nachher;
    };
    const Fall faelle[] = {
        {2, 0, true, "", "12,34", "12,34"},
        {2, 0, true, "12,34", "5", "12,34"},
        {3, 0, true, "0,12", "34", "0,123"},
        {2, 0, true, "12,3", ",4,", "12,34"},
        {2, 0, true, "7", "a x+e", "7"},
        {2, kNeg, true, "", "-5,5", "-5,5"},
        {2, kNeg, true, "5", "-", "5"},
        {2, 0, true, "", "-5", "5"},
        {0, 1, false, "", "1,5", "15"},
        {0, kNeg, false, "", "-3-", "-3"},
        // A point goes into the text: a thousands point or, alone, the decimal point, as the
        // text is read when it is taken.
        {2, 0, true, "1", ".", "1."},
        {0, 1, false, "", "x", ""},
        {1, 0, false, "1", ".2", "1.2"},
        {2, 0, true, "12", "\r", "12"},
        {2, 0, true, "12,3", "\b\b", "12"},
        {2, 0, true, "[1.234,56]", "x", ""},
        {2, 0, true, "[1.234,56]", "9", "9"},
        {2, 0, true, "1.2[34],56", "9", "129,56"},
        {2, 0, true, "1.[23]4,56", "\b", "4,56"},
        {2, 0, true, "[1].234,56", ",", "234,56"},
        // A decimal point is no thousands point: a typed-over selection keeps it.
        {2, 0, true, "1234.5[6]", "7", "1234.57"},
        {2, kNeg, true, "[12]", "-1", "-1"},
    };
    Fenster<TOruValueLabEdit> w;
    QVERIFY(w.bereit());
    for (const Fall& c : faelle) {
      const QString vorher(c.vorher);
      w.einrichten(c.kommastellen, c.min, 1000000, c.trz);
      w.feld->setText(QString(vorher).remove('[').remove(']'));
      w.betreten();
      w.feld->end(false);
      if (vorher.contains('['))
        w.feld->setSelection(vorher.indexOf('['), vorher.indexOf(']') - vorher.indexOf('[') - 1);
      QTest::keyClicks(w.feld, c.tasten);
      GLEICH(w.feld->text(), c.nachher, vorher + " + " + c.tasten);
      w.feld->clear();  // nothing to read when leaving
      w.verlassen();
    }
  }

  void dritteNachkommastelleBisZumLoslassen() {
    Fenster<TOruValueLabEdit> w;
    QVERIFY(w.bereit());
    w.feld->setText("12,34");
    w.betreten();
    w.feld->end(false);
    QTest::keyPress(w.feld, '5');
    QCOMPARE(w.feld->text(), "12,345");
    QTest::keyRelease(w.feld, '5');
    QCOMPARE(w.feld->text(), "12,34");
    // Two keys pressed over each other: the second must not become the text to return to.
    QTest::keyPress(w.feld, '5');
    QTest::keyPress(w.feld, '6');
    QTest::keyRelease(w.feld, '5');
    QTest::keyRelease(w.feld, '6');
    QCOMPARE(w.feld->text(), "12,34");
    // A release without a recorded press (the Tab that brought the focus) changes nothing.
    w.feld->setText("1,23456");
    QTest::keyRelease(w.feld, Qt::Key_Tab);
    QCOMPARE(w.feld->text(), "1,23456");
  }

  void enterUndFormularHandler() {
    Fenster<TOruValueLabEdit> lab;
    Fenster<TOruAdvEdit> adv;
    for (TOruEditBasis* f : std::initializer_list<TOruEditBasis*>{lab.feld, adv.feld}) {
      f->window()->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(f->window()));
      f->setFocus();
      f->setText("12");
      QSignalSpy enter(f, &TOruEditBasis::enterGedrueckt);
      QTest::keyClick(f, Qt::Key_Return);
      QTest::keyClick(f, Qt::Key_Enter, Qt::KeypadModifier);
      QCOMPARE(enter.count(), 2);
      // The form's handler runs first: it may replace a character or discard it.
      f->setOnKeyPress([](QChar& c) { c = c == u'a' ? QChar(u'3') : c == u'4' ? QChar() : c; });
      QTest::keyClicks(f, "a4a");
      QCOMPARE(f->text(), "1233");
    }
  }

  void verlassen() {
    struct Fall {
      int kommastellen;
      bool trz;
      double min, max;
      const char *getippt, *text;
      double wert;
      const char* betrag;
    };
    for (const Fall& c : {
             Fall{2, true, 0, 1e6, "1234,5", "1.234,50", 1234.5, "1234.5000"},
             {2, false, 0, 1e6, "1234,5", "1234,50", 1234.5, "1234.5000"},
             {2, true, 0, 1e6, "1000000", "1.000.000,00", 1e6, "1000000.0000"},
             {2, true, kNeg, 1e6, "-1000000", "-1.000.000,00", kNeg, "-1000000.0000"},
             {2, true, 0, 1e7, "1.234.567,8", "1.234.567,80", 1234567.8, "1234567.8000"},
             {1, false, 0, 20, "2,5", "2,5", 2.5, "2.5000"},
             {1, true, 0, 1e6, "12345,", "12.345,0", 12345, "12345.0000"},
             // The program's one rule for number texts: a single point that is no thousands
             // grouping is the decimal point.
             {2, true, 0, 1e6, "1234.5", "1.234,50", 1234.5, "1234.5000"},
             {1, false, 0, 20, "0.5", "0,5", 0.5, "0.5000"},
             // Nothing is read: no decimals, or an empty text.
             {0, false, 0, 6, "7", "7", 0, "0.0000"},
             {2, true, 0, 1e6, "", "", 0, "0.0000"},
         }) {
      Fenster<TOruValueEdit> w;
      QVERIFY(w.bereit());
      w.einrichten(c.kommastellen, c.min, c.max, c.trz);
      const QString vorher = w.feld->formattedText();
      QSignalSpy verlassen(w.feld, &TOruEditBasis::verlassen);
      w.betreten();
      w.feld->setText(c.getippt);
      w.verlassen();
      GLEICH(w.feld->text(), c.text, c.getippt);
      GLEICH(w.feld->formattedText(), c.kommastellen && *c.getippt ? c.text : vorher, c.getippt);
      GLEICH(w.feld->valueDouble(), c.wert, c.getippt);
      GLEICH(betrag(*w.feld), c.betrag, c.getippt);
      GLEICH(verlassen.count(), 1, c.getippt);
    }
    QVERIFY(meldungen_.isEmpty());
  }

  void verlassenMitFehler() {
    // A text that cannot be read as meant is refused, never cut to a bound or rounded.
    const struct {
      const char* getippt;
      double min, max;
      int kommastellen;
      const char* meldung;
    } faelle[] = {
        {"-", kNeg, 1e6, 2, "'-' ist kein gültiger Gleitkommawert"},
        {",", kNeg, 1e6, 2, "',' ist kein gültiger Gleitkommawert"},
        {"1.2.3.4.5.6", kNeg, 1e6, 2, "'1.2.3.4.5.6' ist kein gültiger Gleitkommawert"},
        {"1.2a", kNeg, 1e6, 2, "'1.2a' ist kein gültiger Gleitkommawert"},
        {"2000000", 0, 1e6, 2, "'2000000' liegt nicht zwischen 0,00 und 1.000.000,00"},
        {"3", 10, 1e6, 2, "'3' liegt nicht zwischen 10,00 und 1.000.000,00"},
        {"-1000000,01", kNeg, 1e6, 2,
         "'-1000000,01' liegt nicht zwischen -1.000.000,00 und 1.000.000,00"},
        {"1.5", 0, 1, 3, "'1.5' liegt nicht zwischen 0,00 und 1,00"},
        {"0,125", 0, 1e6, 2, "'0,125' hat mehr als zwei Nachkommastellen"},
    };
    for (const auto& f : faelle) {
      const char* getippt = f.getippt;
      meldungen_.clear();
      Fenster<TOruValueLabEdit> w;
      QVERIFY(w.bereit());
      w.einrichten(f.kommastellen, f.min, f.max, true);
      w.feld->setActiveColor(kAktiv);
      w.feld->setValueDouble(7.5);
      QSignalSpy verlassen(w.feld, &TOruEditBasis::verlassen);
      const QColor normal = w.farbe();
      w.betreten();
      w.feld->setText(getippt);
      w.verlassen();
      QCOMPARE(meldungen_, QStringList{QString::fromUtf8(f.meldung)});
      QCOMPARE(w.feld->text(), getippt);
      QCOMPARE(w.feld->valueDouble(), 7.5);
      QCOMPARE(w.feld->formattedText(), "7,50");
      QCOMPARE(w.feld->moneyValue(), Money::cent(750));
      QCOMPARE(w.farbe(), normal);
      QCOMPARE(verlassen.count(), 0);
    }
  }

  void fokusfarbeUndAuswahl() {
    Fenster<TOruValueLabEdit> w;
    QVERIFY(w.bereit());
    const QColor normal = w.farbe();
    w.feld->setActiveColor(kAktiv);
    w.feld->setText("1234,5");
    w.betreten();
    QCOMPARE(w.farbe(), kAktiv);
    QCOMPARE(w.feld->savedColor(), normal);
    QCOMPARE(w.feld->selectedText(), "1234,5");
    // Another window becoming active neither leaves the field nor formats it.
    QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(w.feld, &weg);
    QCOMPARE(w.feld->text(), "1234,5");
    QCOMPARE(w.farbe(), kAktiv);
    w.verlassen();
    QCOMPARE(w.farbe(), normal);
    QCOMPARE(w.feld->text(), "1.234,50");
    w.feld->setAutoSelect(false);
    w.betreten();
    QVERIFY(!w.feld->hasSelectedText());
  }

  void fokusMitDemFenster() {
    // The first focus of a window just shown enters the field.
    QWidget fenster;
    auto* feld = new TOruValueEdit(&fenster);
    auto* anderes = new QLineEdit(&fenster);
    feld->setActiveColor(kAktiv);
    feld->setFocus();
    fenster.show();
    fenster.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
    QCOMPARE(feld->palette().color(QPalette::Base), kAktiv);
    // The focus moved while another window was active: the field is left when its window
    // comes back.
    feld->setText("5");
    QWidget box;
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(feld->text(), "5");
    anderes->setFocus();
    fenster.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
    QCOMPARE(feld->text(), "5,00");
    QCOMPARE(feld->palette().color(QPalette::Base), feld->savedColor());
  }

  void kuerzel() {
    Fenster<TOruValueLabEdit> w;
    QVERIFY(w.bereit());
    w.feld->setText("1.234,56");
    w.betreten();
    w.feld->setSelection(2, 3);
    // Copying leaves text and selection as they are; undo does nothing here.
    QApplication::clipboard()->clear();
    for (Qt::Key k : {Qt::Key_C, Qt::Key_Z}) QTest::keyClick(w.feld, k, Qt::ControlModifier);
    QCOMPARE(w.feld->text(), "1.234,56");
    QCOMPARE(w.feld->selectedText(), "234");
    QCOMPARE(QApplication::clipboard()->text(), "234");
    // Cutting removes the selection as Delete does; Ctrl+A then selects all.
    QApplication::clipboard()->clear();
    QTest::keyClick(w.feld, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(w.feld->text(), "1.,56");
    QCOMPARE(QApplication::clipboard()->text(), "234");
    QTest::keyClick(w.feld, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w.feld->selectedText(), "1.,56");
    w.feld->setText("1.234,56");
    // Keys that type nothing are the line edit's.
    QTest::keyClick(w.feld, Qt::Key_Home);
    QTest::keyClick(w.feld, Qt::Key_Delete);
    QCOMPARE(w.feld->text(), ".234,56");
  }

  // A pasted text passes the checks of typing, by Ctrl+V, Shift+Insert and the context menu.
  void einfuegen() {
    enum Weg { StrgV, UmschaltEinfg, Kontextmenue };
    struct Fall {
      int kommastellen;
      double min;
      bool trz;
      int laenge;  // MaxLength
      const char *vorher, *ablage, *nachher, *meldung;
    };
    const QString gleitkomma("'%1' ist kein gültiger Gleitkommawert");
    const Fall faelle[] = {
        {2, 0, true, 32767, "[0,00]", "3.000,50", "3000,50", ""},
        {2, 0, true, 32767, "[0,00]", "abc", "0,00", "'abc' ist kein gültiger Gleitkommawert"},
        {2, 0, true, 32767, "[1]", " 1.234.567,5\r\n", "1234567,5", ""},
        {2, 0, true, 32767, "12", ",5", "12,5", ""},
        {2, 0, true, 32767, "1.2[34],56", "9", "129,56", ""},
        {2, kNeg, true, 32767, "[5]", "-1.000", "-1000", ""},
        // English notation, misplaced points, a second comma, a minus where none is allowed.
        {2, 0, true, 32767, "[1]", "1.5", "1,5", ""},
        {2, 0, true, 32767, "12", "34.5", "1234,5", ""},
        {2, 0, true, 32767, "[1]", "12.34,5", "1", "'12.34,5' ist kein gültiger Gleitkommawert"},
        {2, 0, true, 32767, "12,3", ",5", "12,3", "',5' ist kein gültiger Gleitkommawert"},
        {2, 0, true, 32767, "[5]", "-1", "5", "'-1' ist kein gültiger Gleitkommawert"},
        {2, kNeg, true, 32767, "5", "-1", "5", "'-1' ist kein gültiger Gleitkommawert"},
        {2, 0, true, 32767, "[1]", "12,345", "1", "'12,345' hat mehr als 2 Nachkommastellen."},
        {2, 0, true, 32767, "[1]", "4\t5", "1",
         "'4\t5' kann in dieses Feld nicht eingefügt werden."},
        {1, 0, false, 32767, "[0,0]", "1.5", "1,5", ""},
        {1, 0, false, 32767, "[0,0]", "1,5", "1,5", ""},
        // The tax class: one digit.
        {0, 1, false, 1, "[1]", "3", "3", ""},
        {0, 1, false, 1, "[1]", "1,5", "1", "'1,5' ist kein gültiger ganzzahliger Wert"},
        {0, 1, false, 1, "[1]", "12", "1",
         "'12' ist für dieses Feld zu lang (höchstens 1 Zeichen)."},
    };
    Fenster<TOruValueLabEdit> w;
    QVERIFY(w.bereit());
    for (const Fall& c : faelle)
      for (Weg weg : {StrgV, UmschaltEinfg, Kontextmenue}) {
        const QString vorher(c.vorher);
        const QString fall = vorher + " + " + c.ablage + " (" + QString::number(weg) + ")";
        meldungen_.clear();
        w.einrichten(c.kommastellen, c.min, 1000000, c.trz);
        w.feld->setMaxLength(c.laenge);
        w.feld->setText(QString(vorher).remove('[').remove(']'));
        w.betreten();
        w.feld->end(false);
        if (vorher.contains('['))
          w.feld->setSelection(vorher.indexOf('['), vorher.indexOf(']') - vorher.indexOf('[') - 1);
        QApplication::clipboard()->setText(c.ablage);
        if (weg == StrgV) {
          QTest::keyClick(w.feld, Qt::Key_V, Qt::ControlModifier);
        } else if (weg == UmschaltEinfg) {
          QTest::keyClick(w.feld, Qt::Key_Insert, Qt::ShiftModifier);
        } else {
          QContextMenuEvent menue(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                  w.feld->mapToGlobal(QPoint(5, 5)), Qt::NoModifier);
          QApplication::sendEvent(w.feld, &menue);
          auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
          QVERIFY2(popup, qPrintable(fall));
          QAction* einfuegen = nullptr;
          for (QAction* a : popup->actions())
            if (a->text().startsWith(QLineEdit::tr("&Paste"))) einfuegen = a;
          QVERIFY2(einfuegen, qPrintable(fall));
          einfuegen->trigger();
          popup->close();
        }
        GLEICH(w.feld->text(), c.nachher, fall);
        GLEICH(meldungen_.join('|'), QString(c.meldung), fall);
        w.feld->clear();  // nothing to read when leaving
        w.verlassen();
      }
    w.feld->setMaxLength(32767);
    // The form's key handler sees every pasted character; the plain field has no rules of its
    // own beyond its length.
    Fenster<TOruAdvEdit> adv;
    adv.feld->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(adv.feld->window()));
    adv.feld->setMaxLength(4);
    adv.feld->setOnKeyPress([](QChar& c) {
      if (!c.isDigit()) c = QChar();
    });
    for (auto [ablage, nachher, meldung] :
         {std::tuple{"1980", "1980", ""},
          {"19a0", "1111", "'19a0' kann in dieses Feld nicht eingefügt werden."},
          {"12345", "1111", "'12345' ist für dieses Feld zu lang (höchstens 4 Zeichen)."}}) {
      meldungen_.clear();
      adv.feld->setText("1111");
      adv.betreten();
      adv.feld->selectAll();
      QApplication::clipboard()->setText(ablage);
      QTest::keyClick(adv.feld, Qt::Key_V, Qt::ControlModifier);
      GLEICH(adv.feld->text(), QString(nachher), ablage);
      GLEICH(meldungen_.join('|'), QString(meldung), ablage);
      adv.verlassen();
    }
  }

  void advEdit() {
    Fenster<TOruAdvEdit> w;
    QVERIFY(w.bereit());
    w.feld->setActiveColor(kAktiv);
    w.feld->setText("1.234");
    w.betreten();
    QCOMPARE(w.farbe(), kAktiv);
    w.feld->setSelection(2, 2);
    QTest::keyClicks(w.feld, "9x");
    QCOMPARE(w.feld->text(), "1.9x4");  // the selection goes, the points stay
    QCOMPARE(w.feld->lastText(), "1.94");
    QSignalSpy verlassen(w.feld, &TOruEditBasis::verlassen);
    w.feld->setText("12,5");
    w.verlassen();
    QCOMPARE(w.feld->text(), "12,5");
    QCOMPARE(w.farbe(), w.feld->savedColor());
    QCOMPARE(verlassen.count(), 1);
  }

  void beschriftung() {
    QWidget fenster;
    auto* feld = new TOruValueLabEdit(&fenster);
    feld->setCaption("&Brutto:");
    feld->setGeometry(150, 40, 100, 24);
    fenster.show();
    QLabel* label = feld->editLabel();
    QCOMPARE(label->buddy(), feld);
    QCOMPARE(label->geometry().right() + 1 + 5, 150);
    QCOMPARE(label->geometry().center().y(), feld->geometry().center().y());
    feld->move(200, 70);
    QCOMPARE(label->geometry().right() + 1 + 5, 200);
    feld->setEnabled(false);
    QVERIFY(!label->isEnabled());
    feld->hide();
    QVERIFY(!label->isVisible());
    // A field made without a parent takes its label along when it is placed.
    auto* spaeter = new TOruValueLabEdit;
    spaeter->setParent(&fenster);
    QCOMPARE(spaeter->editLabel()->parentWidget(), &fenster);
    const QPointer<QLabel> weg(label);
    delete feld;
    QVERIFY(weg.isNull());
  }

 private:
  QStringList meldungen_;
};

QTEST_MAIN(OruEditTest)
#include "OruEditTest.moc"
