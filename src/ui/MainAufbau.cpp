// The form definition of the main window: panels, fields with their captions, defaults, bounds
// and help contexts, the combo boxes, the menu, the toolbar and the status bar. The controls sit
// at fixed places on a form of the window's start size, as the fields' own captions are placed
// beside them; a larger window keeps that form whole and in its middle.
#include <QActionGroup>
#include <algorithm>
#include <cstdlib>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Eingaben.h"
#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Version.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "ui/Ansichten.h"
#include "ui/Hilfekontexte.h"
#include "ui/MainFormular.h"
#include "ui/MainUnit.h"
#include "ui/Symbole.h"
#include "ui/Text.h"
#include "ui/Zahlanzeige.h"

namespace salvaro {

namespace {
const QColor kAktiv(clInactiveCaption);
}  // namespace

namespace formular {

QFrame* panel(QWidget* eltern, const char* name, int x, int y, int b, int h) {
  auto* p = new QFrame(eltern);
  p->setObjectName(QLatin1String(name));
  p->setFrameShape(QFrame::StyledPanel);
  p->setFrameShadow(QFrame::Raised);
  p->setGeometry(x, y, b, h);
  return p;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, int x, int y) {
  auto* l = new QLabel(text, eltern);
  l->setObjectName(QLatin1String(name));
  l->adjustSize();
  l->move(x, y + (kZeile - l->height()) / 2);
  return l;
}

// A numeric field with its caption, as the form definition sets it up: decimals, bounds (lower
// before upper), grouping, then the initial text.
TOruValueLabEdit* zahlfeld(QWidget* eltern, const char* name, const QString& caption, int x, int y,
                           int b, Zahlfeldgrenzen grenzen, bool trz, const QString& vorgabe,
                           int hilfe) {
  auto* f = new TOruValueLabEdit(eltern);
  f->setObjectName(QLatin1String(name));
  f->setGeometry(x, y, b, kZeile);
  f->setCaption(caption);
  f->setKommastellen(grenzen.kommastellen);
  f->setMinValue(grenzen.min);
  f->setMaxValue(grenzen.max);
  f->setDezimalTrz(trz);
  f->setActiveColor(kAktiv);
  f->setText(vorgabe);
  SetzeHilfeKontext(f, hilfe);
  return f;
}

QCheckBox* haken(QWidget* eltern, const char* name, const QString& text, int x, int y, int hilfe) {
  auto* c = new QCheckBox(text, eltern);
  c->setObjectName(QLatin1String(name));
  c->adjustSize();
  c->move(x, y + (kZeile - c->height()) / 2);
  SetzeHilfeKontext(c, hilfe);
  return c;
}

QLabel* wertfeld(QWidget* eltern, const char* name, int x, int y, int b) {
  auto* wert = new QLabel(BetragMitEinheit(Money()), eltern);
  wert->setObjectName(QLatin1String(name));
  wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  wert->setGeometry(x, y, b, kZeile);
  // Its caption is found when the form is complete (ErgebnisseBenennen).
  AlsErgebnis(wert, QString());
  return wert;
}

}  // namespace formular

namespace {

using namespace formular;

TOruAdvEdit* textfeld(QWidget* eltern, const char* name, int x, int y, int b,
                      const QString& vorgabe, int hilfe) {
  auto* f = new TOruAdvEdit(eltern);
  f->setObjectName(QLatin1String(name));
  f->setGeometry(x, y, b, kZeile);
  f->setAlignment(Qt::AlignCenter);
  f->setMaxLength(4);
  f->setActiveColor(kAktiv);
  f->setText(vorgabe);
  SetzeHilfeKontext(f, hilfe);
  return f;
}

QComboBox* auswahl(QWidget* eltern, const char* name, const QStringList& eintraege, int x, int y,
                   int b, int hilfe) {
  auto* c = new QComboBox(eltern);
  c->setObjectName(QLatin1String(name));
  c->setEditable(true);
  // A typed text is an input of its own; it never becomes an item of the list.
  c->setInsertPolicy(QComboBox::NoInsert);
  c->addItems(eintraege);
  c->setGeometry(x, y, b, kZeile);
  SetzeHilfeKontext(c, hilfe);
  return c;
}

// A read-only rate display.
QLabel* satzfeld(QWidget* eltern, const char* name, const QString& platzhalter, int x, int y,
                 int b) {
  auto* l = new QLabel(platzhalter, eltern);
  l->setObjectName(QLatin1String(name));
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setAlignment(Qt::AlignCenter);
  l->setGeometry(x, y, b, kZeile);
  return l;
}

QLineEdit* maskenfeld(QWidget* eltern, const char* name, const QString& maske,
                      const QString& vorgabe, int x, int y, int b) {
  auto* m = new QLineEdit(eltern);
  m->setObjectName(QLatin1String(name));
  m->setInputMask(maske);
  m->setText(vorgabe);
  m->setAlignment(Qt::AlignCenter);
  m->setGeometry(x, y, b, kZeile);
  return m;
}

QToolButton* bildknopf(QWidget* eltern, const char* name, const QIcon& bild, const QString& hinweis,
                       int groesse, int hilfe) {
  auto* b = new QToolButton(eltern);
  b->setObjectName(QLatin1String(name));
  b->setIcon(bild);
  b->setToolTip(hinweis);
  b->setAccessibleName(hinweis);
  b->setAutoRaise(true);
  b->setFixedSize(groesse, groesse);
  b->setIconSize(QSize(groesse - 9, groesse - 9));
  b->setFocusPolicy(Qt::NoFocus);
  SetzeHilfeKontext(b, hilfe);
  return b;
}

QAction* punkt(QMenu* menue, const char* name, const QString& text, bool schalter, bool an,
               int hilfe) {
  QAction* a = menue->addAction(text);
  a->setObjectName(QLatin1String(name));
  a->setCheckable(schalter);
  a->setChecked(an);
  SetzeHilfeKontext(a, hilfe);
  return a;
}

}  // namespace

void TForm1::Aufbauen() {
  setWindowTitle(QStringLiteral("Salvaro ") + QText(kVersion));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  QFont schrift = font();
  schrift.setPointSize(8);
  setFont(schrift);

  // The form scrolls where the screen is smaller than the form (a small screen, or a large
  // scale factor); a larger window keeps inputs and results together in its middle, so that no
  // empty half opens beside or below them.
  Rollbereich = new QScrollArea(this);
  Rollbereich->setObjectName(QStringLiteral("Mitte"));
  Rollbereich->setFrameShape(QFrame::NoFrame);
  Rollbereich->setWidgetResizable(true);
  Rollbereich->setFocusPolicy(Qt::NoFocus);
  auto* mitte = new QWidget;
  mitte->setObjectName(QStringLiteral("Flaeche"));
  Formular = new QWidget(mitte);
  Formular->setObjectName(QStringLiteral("Formular"));
  auto* zeile = new QHBoxLayout;
  zeile->addStretch(1);
  zeile->addWidget(Formular);
  zeile->addStretch(1);
  auto* spalte = new QVBoxLayout(mitte);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->setSpacing(0);
  spalte->addStretch(1);
  spalte->addLayout(zeile);
  spalte->addStretch(1);
  Rollbereich->setWidget(mitte);
  setCentralWidget(Rollbereich);

  // Left column: year of birth, tax, social insurance, the special gross fields.
  constexpr int kLinks = 4, kBreiteLinks = 228, kFeldX = 110;
  PnlGebJahr = panel(Formular, "PnlGebJahr", kLinks, 4, kBreiteLinks, 34);
  LabGebJahr = beschriftung(PnlGebJahr, "LabGebJahr", QStringLiteral("&Geburtsjahr:"), 8, 6);
  LEdiGebJahr = textfeld(PnlGebJahr, "LEdiGebJahr", kFeldX, 6, 48, QStringLiteral("1980"), 4001);
  LabGebJahr->setBuddy(LEdiGebJahr);

  PnlSteuer = panel(Formular, "PnlSteuer", kLinks, 42, kBreiteLinks, 136);
  LEdiStKl = zahlfeld(PnlSteuer, "LEdiStKl", QStringLiteral("Steuer&klasse:"), kFeldX, 6, 24,
                      kGrenzenSteuerklasse, false, QStringLiteral("1"), 4002);
  LEdiStKl->setValueDouble(1);
  LEdiStKl->setAlignment(Qt::AlignCenter);
  LEdiStKl->setMaxLength(1);
  // The factor of class IV, with its own caption beside the class.
  LabFaktor = beschriftung(PnlSteuer, "LabFaktor", QStringLiteral("F&aktor:"), kFeldX + 30, 6);
  LEdiFaktor = new TOruValueEdit(PnlSteuer);
  LEdiFaktor->setObjectName(QStringLiteral("LEdiFaktor"));
  LEdiFaktor->setGeometry(LabFaktor->geometry().right() + 5, 6,
                          kBreiteLinks - 8 - LabFaktor->geometry().right() - 5, kZeile);
  LEdiFaktor->setKommastellen(kGrenzenFaktor.kommastellen);
  LEdiFaktor->setMaxValue(kGrenzenFaktor.max);
  LEdiFaktor->setText(QStringLiteral("0"));
  LEdiFaktor->setToolTip(QStringLiteral("Faktor bei Steuerklasse 4 (ohne Faktor = Null)"));
  LEdiFaktor->setActiveColor(kAktiv);
  LabFaktor->setBuddy(LEdiFaktor);
  LabFaktor->setToolTip(LEdiFaktor->toolTip());
  LEdiFaktor->hide();
  LabFaktor->hide();
  LEdiKiFB = zahlfeld(PnlSteuer, "LEdiKiFB", QStringLiteral("K&inderfreibetrag:"), kFeldX, 34, 56,
                      kGrenzenKinderfreibetrag, false, QStringLiteral("0,0"), 4003);
  LEdiStFB = zahlfeld(PnlSteuer, "LEdiStFB", QStringLiteral("Steuerf&reibetrag:"), kFeldX, 62, 92,
                      kGrenzenSteuerfreibetrag, true, QStringLiteral("0,00"), 4004);
  LabKiLand = beschriftung(PnlSteuer, "LabKiLand", QStringLiteral("Kir&chensteuer:"), 8, 86);
  QStringList laender;
  for (const std::string_view land : kKiStLaender) laender << QText(land);
  ComboKiLand = auswahl(PnlSteuer, "ComboKiLand", laender, 8, 106, kBreiteLinks - 16, 4005);
  ComboKiLand->setCurrentIndex(ComboKiLand->findText(QStringLiteral("Nordrhein-Westfalen")));
  LabKiLand->setBuddy(ComboKiLand);

  PnlSozVers = panel(Formular, "PnlSozVers", kLinks, 182, kBreiteLinks, 118);
  LabBGR = beschriftung(PnlSozVers, "LabBGR", QStringLiteral("Beitragsgr&uppe:"), 8, 6);
  OruEdiBGR = textfeld(PnlSozVers, "OruEdiBGR", kFeldX, 6, 48, QStringLiteral("1111"), 4006);
  LabBGR->setBuddy(OruEdiBGR);
  LabEdiPKV = zahlfeld(PnlSozVers, "LabEdiPKV", QStringLiteral("&PKV Gesamt:"), kFeldX, 34, 70,
                       kGrenzenPKV, true, QStringLiteral("350,00"), 4007);
  ChkPKV = haken(PnlSozVers, "ChkPKV", QStringLiteral("PKV"), kFeldX + 78, 34, 4007);
  LEdiPPV = zahlfeld(PnlSozVers, "LEdiPPV", QStringLiteral("PPV Gesa&mt:"), kFeldX, 62, 70,
                     kGrenzenPPV, true, QStringLiteral("50,00"), 4008);
  ChkPPV = haken(PnlSozVers, "ChkPPV", QStringLiteral("PPV"), kFeldX + 78, 62, 4008);
  LEdiKinderU25 = zahlfeld(PnlSozVers, "LEdiKinderU25", QStringLiteral("Kinder unter 2&5:"), kFeldX,
                           90, 30, kGrenzenKinderUnter25, false, QStringLiteral("0"), 4008);
  LEdiKinderU25->setAlignment(Qt::AlignCenter);
  LEdiKinderU25->setMaxLength(1);
  LEdiKinderU25->setToolTip(
      QStringLiteral("Kinder unter 25 Jahren (Abschlag in der Pflegeversicherung ab Juli 2023)"));

  PnlSonderbrutto = panel(Formular, "PnlSonderbrutto", kLinks, 304, kBreiteLinks, 90);
  LEdiStBrutto = zahlfeld(PnlSonderbrutto, "LEdiStBrutto", QStringLiteral("S&teuerbrutto:"), kFeldX,
                          6, 92, kGrenzenBetrag, true, QStringLiteral("0,00"), 4009);
  LEdiSVBrutto = zahlfeld(PnlSonderbrutto, "LEdiSVBrutto", QStringLiteral("SV-Brutt&o:"), kFeldX, 34,
                          92, kGrenzenBetrag, true, QStringLiteral("0,00"), 4010);
  ChkBruttoUebernahme = haken(PnlSonderbrutto, "ChkBruttoUebernahme",
                              QStringLiteral("&Werte aus Feld Brutto übernehmen"), 8, 62, 4011);
  ChkBruttoUebernahme->setChecked(true);

  // Right column: the period above the main panel.
  constexpr int kRechts = kLinks + kBreiteLinks + 4, kBreiteRechts = 632 - kRechts - 4;
  PnlZeitraum = panel(Formular, "PnlZeitraum", kRechts, 4, kBreiteRechts, 34);
  LabZeitraum = beschriftung(PnlZeitraum, "LabZeitraum", QStringLiteral("Berechnung f&ür:"), 8, 6);
  QStringList monate;
  for (const std::string_view m : kMonatsnamen) monate << QText(m);
  ComboMonat = auswahl(PnlZeitraum, "ComboMonat", monate, 104, 6, 112, 4013);
  LabZeitraum->setBuddy(ComboMonat);
  LabJahr = beschriftung(PnlZeitraum, "LabJahr", QStringLiteral("&Jahr:"), 224, 6);
  // The years the program can calculate, the newest first.
  QStringList jahre;
  for (int j = LetztesRechenjahr(); j >= ErstesRechenjahr(); --j) jahre << QString::number(j);
  ComboJahr = auswahl(PnlZeitraum, "ComboJahr", jahre, LabJahr->geometry().right() + 6, 6, 72, 4013);
  LabJahr->setBuddy(ComboJahr);

  PnlMain = panel(Formular, "PnlMain", kRechts, 42, kBreiteRechts, 352);
  QFont gross = schrift;
  gross.setPointSize(10);
  PnlMain->setFont(gross);
  const int rechterRand = kBreiteRechts - 10;  // values and amount fields end here
  constexpr int kBetragBreite = 110, kTextX = 138, kZeilenY = 52, kZeilenAbstand = 32;
  LEdiBrutto =
      zahlfeld(PnlMain, "LEdiBrutto", QStringLiteral("&Brutto:"), rechterRand - kBetragBreite, 12,
               kBetragBreite, kGrenzenBetrag, true, QStringLiteral("0,00"), 4012);
  LEdiNetto = zahlfeld(PnlMain, "LEdiNetto", QStringLiteral("&Netto:"), rechterRand - kBetragBreite,
                       296, kBetragBreite, kGrenzenBetrag, true, QStringLiteral("0,00"), 4012);
  // The recalculation buttons stand before the field's caption.
  BtnBruttoNeu = bildknopf(PnlMain, "BtnBruttoNeu", SymbolNeuBerechnen(),
                           QStringLiteral("Netto neu berechnen"), 26, 0);
  BtnBruttoNeu->move(LEdiBrutto->editLabel()->x() - 32, 10);
  BtnNettoNeu = bildknopf(PnlMain, "BtnNettoNeu", SymbolNeuBerechnen(),
                          QStringLiteral("Brutto neu berechnen"), 26, 0);
  BtnNettoNeu->move(LEdiNetto->editLabel()->x() - 32, 294);
  BtnNettoNeu->hide();

  const struct {
    QLabel** text;
    QLabel** wert;
    const char* textName;
    const char* wertName;
    const char* caption;
  } zeilen[] = {
      {&LabTextLSt, &LabLSt, "LabTextLSt", "LabLSt", "Lohnsteuer:"},
      {&LabTextKiSt, &LabKiSt, "LabTextKiSt", "LabKiSt", "Kirchensteuer:"},
      {&LabTextSolZ, &LabSolZ, "LabTextSolZ", "LabSolZ", "Solidaritätszuschlag:"},
      {&LabTextKV, &LabKV, "LabTextKV", "LabKV", "Krankenversicherung:"},
      {&LabTextRV, &LabRV, "LabTextRV", "LabRV", "Rentenversicherung:"},
      {&LabTextAV, &LabAV, "LabTextAV", "LabAV", "Arbeitslosenversicherung:"},
      {&LabTextPV, &LabPV, "LabTextPV", "LabPV", "Pflegeversicherung:"},
  };
  int y = kZeilenY;
  for (const auto& z : zeilen) {
    *z.text = beschriftung(PnlMain, z.textName, QString::fromUtf8(z.caption), kTextX, y);
    *z.wert = wertfeld(PnlMain, z.wertName, rechterRand - 104, y, 104);
    y += kZeilenAbstand;
  }
  const int yKV = kZeilenY + 3 * kZeilenAbstand, yRV = yKV + kZeilenAbstand,
            yAV = yRV + kZeilenAbstand, yPV = yAV + kZeilenAbstand;
  // The masks in Qt's notation: "9" is a required digit, "0" an optional one; the
  // literals stay in the text.
  MEdiKV = maskenfeld(PnlMain, "MEdiKV", QStringLiteral("99,00 %;_"), SatzAnzeige("14,40%"), 4,
                      yKV, 62);
  SetzeHilfeKontext(MEdiKV, 4014);
  MEdiKV->setToolTip(QStringLiteral("Allgemeiner Beitragssatz der Krankenversicherung"));
  MEdiKVZus = maskenfeld(PnlMain, "MEdiKVZus", QStringLiteral("+ 9,00 %;_"),
                         SatzAnzeige("+ 1,60%"), 68, yKV, 62);
  MEdiKVZus->setEnabled(false);
  MEdiKVZus->setToolTip(QStringLiteral("Zusatzbeitrag der Krankenversicherung"));
  PnlRVSatz = satzfeld(PnlMain, "PnlRVSatz", SatzAnzeige("19,5%"), 4, yRV, 62);
  PnlRVSatz->setToolTip(QStringLiteral("Beitragssatz der Rentenversicherung"));
  PnlAVSatz = satzfeld(PnlMain, "PnlAVSatz", SatzAnzeige("6,5%"), 4, yAV, 62);
  PnlAVSatz->setToolTip(QStringLiteral("Beitragssatz der Arbeitslosenversicherung"));
  PnlPVSatz = satzfeld(PnlMain, "PnlPVSatz", SatzAnzeige("1,7%"), 4, yPV, 62);
  PnlPVSatz->setToolTip(QStringLiteral("Beitragssatz der Pflegeversicherung"));
  PnlPVKinder = satzfeld(PnlMain, "PnlPVKinder", QStringLiteral("+ 0,25"), 68, yPV, 50);
  PnlPVKinder->setToolTip(QStringLiteral("Beitragszuschlag für Kinderlose in der Pflegeversicherung"));
  for (QWidget* w : std::initializer_list<QWidget*>{MEdiKV, MEdiKVZus, PnlRVSatz, PnlAVSatz,
                                                     PnlPVSatz, PnlPVKinder})
    w->setAccessibleName(w->toolTip());
  QFont klein = gross;
  klein.setPointSize(8);
  PnlPVKinder->setFont(klein);

  auto* linie = new QFrame(PnlMain);
  linie->setFrameShape(QFrame::HLine);
  linie->setFrameShadow(QFrame::Sunken);
  linie->setGeometry(kTextX, yPV + kZeile + 8, rechterRand - kTextX, 2);

  // The total of the deductions for the statement; never shown.
  LabGesAbz = new QLabel(QStringLiteral("Summe gesetz. Abzüge"), PnlMain);
  LabGesAbz->setObjectName(QStringLiteral("LabGesAbz"));
  LabGesAbz->hide();
  // The mark of results that no longer fit the inputs, left of the net field.
  LabVeraltet = new QLabel(QStringLiteral("Eingaben geändert"), PnlMain);
  LabVeraltet->setObjectName(QStringLiteral("LabVeraltet"));
  QFont warnung = gross;
  warnung.setBold(true);
  LabVeraltet->setFont(warnung);
  QPalette rot = LabVeraltet->palette();
  rot.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
  LabVeraltet->setPalette(rot);
  LabVeraltet->setGeometry(6, 296, BtnNettoNeu->x() - 10, kZeile);
  LabVeraltet->setToolTip(
      QStringLiteral("Die Ergebnisse passen nicht mehr zu den Eingaben; die Statuszeile sagt, warum."));
  LabVeraltet->hide();

  ZusatzAufbauen();
  MenueAufbauen();
  WerkzeugleisteAufbauen();

  StatusCopyright = new QLabel(QText(kCopyright));
  StatusCopyright->setObjectName(QStringLiteral("StatusCopyright"));
  StatusCopyright->setFixedWidth(230);
  StatusHinweis = new QLabel(QStringLiteral(" Bitte Brutto oder Netto eingeben und ENTER drücken"));
  StatusHinweis->setObjectName(QStringLiteral("StatusHinweis"));
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(StatusCopyright);
  statusBar()->addWidget(StatusHinweis, 1);

  AlterAufbauen();

  // Tab follows the reading order: the period at the top, the left column from the year of
  // birth down to the special gross fields, the main panel with gross, rates and net, then the
  // panels below and beside; within a panel row by row, left to right. A field added to a panel
  // takes its place by where it stands; a panel of its own comes after these.
  QList<QWidget*> panels = {PnlZeitraum,     PnlGebJahr, PnlSteuer,        PnlSozVers,
                            PnlSonderbrutto, PnlMain,    PnlEinmalzahlung, PnlArbeitgeber};
  for (QFrame* p : Formular->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
    if (!panels.contains(p)) panels << p;
  QWidget* vorher = nullptr;
  for (QWidget* p : panels) {
    QList<QWidget*> felder;
    for (QWidget* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (w->focusPolicy() & Qt::TabFocus) felder << w;
    std::stable_sort(felder.begin(), felder.end(), [](const QWidget* a, const QWidget* b) {
      if (std::abs(a->y() - b->y()) >= kZeile / 2) return a->y() < b->y();
      return a->x() < b->x();
    });
    for (QWidget* w : felder) {
      if (vorher) setTabOrder(vorher, w);
      vorher = w;
    }
  }

  // Every result is named by its caption for a screen reader; the fields are named by the
  // labels bound to them.
  ErgebnisseBenennen(Formular);
  FelderBenennen(Formular);
  FormularAnpassen();
  InDenBildschirm(Wunschgroesse());
}

QSize TForm1::Wunschgroesse() const {
  return Formular->size() + QSize(0, menuBar()->sizeHint().height() +
                                         findChild<QToolBar*>()->sizeHint().height() +
                                         statusBar()->sizeHint().height());
}

void TForm1::FormularAnpassen() {
  QRect flaeche;
  for (const QFrame* p : Formular->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
    if (!p->isHidden()) flaeche |= p->geometry();
  // The panels keep their margin of 4 pixels to the form's edge.
  Formular->setFixedSize(flaeche.right() + 1 + 4, flaeche.bottom() + 1 + 4);
}

void TForm1::InDenBildschirm(QSize wunsch) {
  const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!schirm) {
    resize(wunsch);
    return;
  }
  // Never larger than the free area of the screen, and never above or left of it, so that the
  // menu bar can always be reached; the form scrolls within.
  const QRect platz = schirm->availableGeometry();
  // A form that scrolls up and down takes the width of the scroll bar beside it.
  if (wunsch.height() > platz.height())
    wunsch.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  resize(wunsch.boundedTo(platz.size()));
  QRect lage(QPoint(), size());
  lage.moveCenter(platz.center());
  move(qMax(platz.left(), lage.left()), qMax(platz.top(), lage.top()));
}

void TForm1::MenueAufbauen() {
  QMenuBar* leiste = menuBar();
  MenDatei = leiste->addMenu(QStringLiteral("&Datei"));
  MenDatei->setObjectName(QStringLiteral("MenDatei"));
  MenDatNeu = punkt(MenDatei, "MenDatNeu", QStringLiteral("&Neue Abrechnung"), false, false, 5001);
  MenDatei->addSeparator();
  MenDetail = punkt(MenDatei, "MenDetail", QStringLiteral("Detailabrechnung &anzeigen..."), false,
                    false, 5015);
  MenSpeichern = punkt(MenDatei, "MenSpeichern", QStringLiteral("Abrechnung &speichern..."), false,
                       false, kHilfeSpeichern);
  MenDrucken = punkt(MenDatei, "MenDrucken", QStringLiteral("Abrechnung &drucken..."), false,
                     false, kHilfeDrucken);
  MenPdf = punkt(MenDatei, "MenPdf", QStringLiteral("Abrechnung als &PDF speichern..."), false,
                 false, kHilfeDrucken);
  MenDatei->addSeparator();
  MenClose = punkt(MenDatei, "MenClose", QStringLiteral("Programm &beenden"), false, false, 5002);
  // The desktop's standard keys; the same pictures as the toolbar.
  const struct {
    QAction* punkt;
    QKeySequence taste;
    QIcon bild;
  } standard[] = {{MenDatNeu, QKeySequence::New, SymbolNeu()},
                  {MenDetail, QKeySequence(), SymbolDetail()},
                  {MenSpeichern, QKeySequence::Save, SymbolSpeichern()},
                  {MenDrucken, QKeySequence::Print, SymbolDrucken()},
                  {MenPdf, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), QIcon()},
                  {MenClose, QKeySequence::Quit, SymbolSchliessen()}};
  for (const auto& t : standard) {
    t.punkt->setShortcut(t.taste);
    t.punkt->setIcon(t.bild);
  }

  MenSteuern = leiste->addMenu(QStringLiteral("&Steuern"));
  MenSteuern->setObjectName(QStringLiteral("MenSteuern"));
  MenAllgStTab = punkt(MenSteuern, "MenAllgStTab", QStringLiteral("&Allgemeine Steuertabelle"), true,
                       true, 5003);
  MenBesStTab = punkt(MenSteuern, "MenBesStTab", QStringLiteral("&Besondere Steuertabelle"), true,
                      false, 5004);
  MenPKVStatus = punkt(MenSteuern, "MenPKVStatus",
                       QStringLiteral("&Privat krankenvers. ohne AG-Zuschuß"), true, false, 0);

  MenSozVers = leiste->addMenu(QStringLiteral("Sozial&versicherung"));
  MenSozVers->setObjectName(QStringLiteral("MenSozVers"));
  MenRechtskreis = MenSozVers->addMenu(QStringLiteral("&Rechtskreis"));
  MenRechtskreis->setObjectName(QStringLiteral("MenRechtskreis"));
  MenSVWest = punkt(MenRechtskreis, "MenSVWest", QStringLiteral("&West"), true, true, 5005);
  MenSVOst = punkt(MenRechtskreis, "MenSVOst", QStringLiteral("&Ost"), true, false, 5005);
  MenSVGleitzone = punkt(MenSozVers, "MenSVGleitzone", QStringLiteral("&ohne Übergangsbereich"),
                         true, false, 5006);
  MenSVRVGfE = punkt(MenSozVers, "MenSVRVGfE", QStringLiteral("&Verzicht auf RV-Freiheit bei GfE"),
                     true, false, 5007);
  MenPflegeKinderlos = punkt(MenSozVers, "MenPflegeKinderlos",
                             QStringLiteral("Pflegeversicherung nicht &erhöht"), true, false, 5008);
  MenFrwTatsBr =
      punkt(MenSozVers, "MenFrwTatsBr", QStringLiteral("&SV bei Frw./PKV nach tatsächlichem Brutto"),
            true, false, 5009);
  MenPVSachsen = punkt(MenSozVers, "MenPVSachsen", QStringLiteral("Pflegeversicherung in Sa&chsen"),
                       true, false, 0);

  MenExtras = leiste->addMenu(QStringLiteral("&Extras"));
  MenExtras->setObjectName(QStringLiteral("MenExtras"));
  MenArbeitgeberseite = punkt(MenExtras, "MenArbeitgeberseite",
                              QStringLiteral("&Arbeitgeberseite zeigen"), true, false,
                              kHilfeArbeitgeberseite);
  MenExtras->addSeparator();
  MenSaveMainOpts = punkt(MenExtras, "MenSaveMainOpts",
                          QStringLiteral("Aktuelle Einstellungen &speichern"), false, false, 5010);
  MenLoadMainOpts = punkt(MenExtras, "MenLoadMainOpts",
                          QStringLiteral("Gespeicherte Einstellungen &laden"), false, false, 0);
  // Loading is offered once a settings file has been found or written.
  MenLoadMainOpts->setEnabled(false);
  MenExtras->addSeparator();
  MenJahr = punkt(MenExtras, "MenJahr", QStringLiteral("&Jahresübersicht..."), false, false, kHilfeJahr);
  MenVerlauf = punkt(MenExtras, "MenVerlauf", QStringLiteral("&Verlauf..."), false, false, kHilfeVerlauf);
  MenSteuerklassen = punkt(MenExtras, "MenSteuerklassen", QStringLiteral("Steuerklassen&wahl..."),
                           false, false, kHilfeSteuerklassen);

  MenHilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
  MenHilfe->setObjectName(QStringLiteral("MenHilfe"));
  MenHilfeAufrufen =
      punkt(MenHilfe, "MenHilfeAufrufen", QStringLiteral("&Hilfe anzeigen\tF1"), false, false, 5012);
  MenHilfeAufrufen->setIcon(SymbolHilfe());
  // F1 is the window's own key: it opens help for the field or menu item at hand. The menu only
  // names it.
  MenAbout = punkt(MenHilfe, "MenAbout", QStringLiteral("Ü&ber Salvaro..."), false, false, 5011);
  MenAbout->setIcon(SymbolProgramm());

  // The menus of the menu bar open with their own shortcuts as well. Ctrl+V pastes wherever a
  // text field has the focus (a line edit claims the standard editing keys before the window's
  // shortcuts); only elsewhere it opens "Sozialversicherung", which Alt+V always opens.
  const struct {
    QMenu* menue;
    QKeyCombination taste;
  } tasten[] = {{MenDatei, Qt::CTRL | Qt::Key_D},
                {MenSteuern, Qt::CTRL | Qt::ALT | Qt::Key_S},
                {MenSozVers, Qt::CTRL | Qt::Key_V},
                {MenExtras, Qt::CTRL | Qt::Key_E},
                {MenHilfe, Qt::CTRL | Qt::Key_H}};
  for (const auto& t : tasten) {
    auto* kurz = new QShortcut(QKeySequence(t.taste), this);
    QMenu* menue = t.menue;
    connect(kurz, &QShortcut::activated, this,
            [this, menue] { menuBar()->setActiveAction(menue->menuAction()); });
  }
}

void TForm1::WerkzeugleisteAufbauen() {
  QToolBar* leiste = addToolBar(QStringLiteral("Werkzeugleiste"));
  leiste->setObjectName(QStringLiteral("ToolBar1"));
  leiste->setMovable(false);
  leiste->setFloatable(false);
  leiste->setContextMenuPolicy(Qt::PreventContextMenu);
  BtnNeu = bildknopf(leiste, "BtnNeu", SymbolNeu(), QStringLiteral("Neue Abrechnung"), 33, 5001);
  BtnSpeichern = bildknopf(leiste, "BtnSpeichern", SymbolSpeichern(),
                           QStringLiteral("Abrechnung speichern"), 33, 5014);
  BtnDrucken = bildknopf(leiste, "BtnDrucken", SymbolDrucken(),
                         QStringLiteral("Abrechnung drucken"), 33, 5013);
  BtnDetailberechnung = bildknopf(leiste, "BtnDetailberechnung", SymbolDetail(),
                                  QStringLiteral("Detailabrechnung anzeigen"), 33, 5015);
  BtnHilfe =
      bildknopf(leiste, "BtnHilfe", SymbolHilfe(), QStringLiteral("Hilfe anzeigen"), 33, 5012);
  BtnSchliessen = bildknopf(leiste, "BtnSchliessen", SymbolSchliessen(),
                            QStringLiteral("Programm beenden"), 33, 5002);
  for (QToolButton* b : {BtnNeu, BtnSpeichern, BtnDrucken, BtnDetailberechnung})
    leiste->addWidget(b);
  leiste->addSeparator();
  // The views, as text buttons.
  const auto ansicht = [&](const char* name, const QString& text, int hilfe) {
    auto* b = new QToolButton(leiste);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedHeight(33);
    SetzeHilfeKontext(b, hilfe);
    leiste->addWidget(b);
    return b;
  };
  BtnJahr = ansicht("BtnJahr", QStringLiteral("Jahresübersicht"), kHilfeJahr);
  BtnVerlauf = ansicht("BtnVerlauf", QStringLiteral("Verlauf"), kHilfeVerlauf);
  BtnSteuerklassen = ansicht("BtnSteuerklassen", QStringLiteral("Steuerklassenwahl"), kHilfeSteuerklassen);
  leiste->addSeparator();
  leiste->addWidget(BtnHilfe);
  leiste->addSeparator();
  leiste->addWidget(BtnSchliessen);
}

}  // namespace salvaro
