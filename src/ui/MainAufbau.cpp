// The form definition of the main window: panels, fields with their captions, defaults, bounds
// and help contexts, the combo boxes, the menu, the toolbar and the status bar. The controls sit
// at fixed places on a form of the window's start size, as the fields' own captions are placed
// beside them; a larger window keeps that form whole and in its middle.
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
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
  auto* wert = new QLabel(QStringLiteral("0,00"), eltern);
  wert->setObjectName(QLatin1String(name));
  wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  wert->setGeometry(x, y, b, kZeile);
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
  // The start size is the smallest; a style with taller bars makes it taller rather than cut
  // the form off.
  resize(632, 615);
  if (const QScreen* schirm = QGuiApplication::primaryScreen())
    move(schirm->availableGeometry().center() - rect().center());

  auto* mitte = new QWidget(this);
  mitte->setObjectName(QStringLiteral("Mitte"));
  setCentralWidget(mitte);
  // Inputs and results stay together on one form; a larger window centres it, so that no
  // empty half opens beside or below it.
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

  // Left column: year of birth, tax, social insurance, the special gross fields.
  constexpr int kLinks = 4, kBreiteLinks = 228, kFeldX = 110;
  PnlGebJahr = panel(Formular, "PnlGebJahr", kLinks, 4, kBreiteLinks, 34);
  LabGebJahr = beschriftung(PnlGebJahr, "LabGebJahr", QStringLiteral("Geburtsjahr:"), 8, 6);
  LEdiGebJahr = textfeld(PnlGebJahr, "LEdiGebJahr", kFeldX, 6, 48, QStringLiteral("1980"), 4001);
  LabGebJahr->setBuddy(LEdiGebJahr);

  PnlSteuer = panel(Formular, "PnlSteuer", kLinks, 42, kBreiteLinks, 136);
  LEdiStKl = zahlfeld(PnlSteuer, "LEdiStKl", QStringLiteral("Steuerklasse:"), kFeldX, 6, 30,
                      kGrenzenSteuerklasse, false, QStringLiteral("1"), 4002);
  LEdiStKl->setValueDouble(1);
  LEdiStKl->setAlignment(Qt::AlignCenter);
  LEdiStKl->setMaxLength(1);
  LEdiFaktor = new TOruValueEdit(PnlSteuer);
  LEdiFaktor->setObjectName(QStringLiteral("LEdiFaktor"));
  LEdiFaktor->setGeometry(kFeldX + 36, 6, 56, kZeile);
  LEdiFaktor->setKommastellen(kGrenzenFaktor.kommastellen);
  LEdiFaktor->setMaxValue(kGrenzenFaktor.max);
  LEdiFaktor->setText(QStringLiteral("0"));
  LEdiFaktor->setToolTip(QStringLiteral("Faktor bei Steuerklasse 4 (ohne Faktor = Null)"));
  LEdiFaktor->hide();
  LEdiKiFB = zahlfeld(PnlSteuer, "LEdiKiFB", QStringLiteral("Kinderfreibetrag:"), kFeldX, 34, 56,
                      kGrenzenKinderfreibetrag, false, QStringLiteral("0,0"), 4003);
  LEdiStFB = zahlfeld(PnlSteuer, "LEdiStFB", QStringLiteral("Steuerfreibetrag:"), kFeldX, 62, 92,
                      kGrenzenSteuerfreibetrag, true, QStringLiteral("0,00"), 4004);
  LabKiLand = beschriftung(PnlSteuer, "LabKiLand", QStringLiteral("Kirchensteuer:"), 8, 86);
  QStringList laender;
  for (const std::string_view land : kKiStLaender) laender << QText(land);
  ComboKiLand = auswahl(PnlSteuer, "ComboKiLand", laender, 8, 106, kBreiteLinks - 16, 4005);
  ComboKiLand->setCurrentIndex(ComboKiLand->findText(QStringLiteral("Nordrhein-Westfalen")));
  LabKiLand->setBuddy(ComboKiLand);

  PnlSozVers = panel(Formular, "PnlSozVers", kLinks, 182, kBreiteLinks, 118);
  LabBGR = beschriftung(PnlSozVers, "LabBGR", QStringLiteral("Beitragsgruppe:"), 8, 6);
  OruEdiBGR = textfeld(PnlSozVers, "OruEdiBGR", kFeldX, 6, 48, QStringLiteral("1111"), 4006);
  LabBGR->setBuddy(OruEdiBGR);
  LabEdiPKV = zahlfeld(PnlSozVers, "LabEdiPKV", QStringLiteral("PKV Gesamt:"), kFeldX, 34, 70,
                       kGrenzenPKV, true, QStringLiteral("350,00"), 4007);
  ChkPKV = haken(PnlSozVers, "ChkPKV", QStringLiteral("PKV"), kFeldX + 78, 34, 4007);
  LEdiPPV = zahlfeld(PnlSozVers, "LEdiPPV", QStringLiteral("PPV Gesamt:"), kFeldX, 62, 70,
                     kGrenzenPPV, true, QStringLiteral("50,00"), 4008);
  ChkPPV = haken(PnlSozVers, "ChkPPV", QStringLiteral("PPV"), kFeldX + 78, 62, 4008);
  LEdiKinderU25 = zahlfeld(PnlSozVers, "LEdiKinderU25", QStringLiteral("Kinder unter 25:"), kFeldX,
                           90, 30, kGrenzenKinderUnter25, false, QStringLiteral("0"), 4008);
  LEdiKinderU25->setAlignment(Qt::AlignCenter);
  LEdiKinderU25->setMaxLength(1);
  LEdiKinderU25->setToolTip(
      QStringLiteral("Kinder unter 25 Jahren (Abschlag in der Pflegeversicherung ab Juli 2023)"));

  PnlSonderbrutto = panel(Formular, "PnlSonderbrutto", kLinks, 304, kBreiteLinks, 90);
  LEdiStBrutto = zahlfeld(PnlSonderbrutto, "LEdiStBrutto", QStringLiteral("Steuerbrutto:"), kFeldX,
                          6, 92, kGrenzenBetrag, true, QStringLiteral("0,00"), 4009);
  LEdiSVBrutto = zahlfeld(PnlSonderbrutto, "LEdiSVBrutto", QStringLiteral("SV-Brutto:"), kFeldX, 34,
                          92, kGrenzenBetrag, true, QStringLiteral("0,00"), 4010);
  ChkBruttoUebernahme = haken(PnlSonderbrutto, "ChkBruttoUebernahme",
                              QStringLiteral("Werte aus Feld Brutto übernehmen"), 8, 62, 4011);
  ChkBruttoUebernahme->setChecked(true);

  // Right column: the period above the main panel.
  constexpr int kRechts = kLinks + kBreiteLinks + 4, kBreiteRechts = 632 - kRechts - 4;
  PnlZeitraum = panel(Formular, "PnlZeitraum", kRechts, 4, kBreiteRechts, 34);
  LabZeitraum = beschriftung(PnlZeitraum, "LabZeitraum", QStringLiteral("Berechnung für:"), 8, 6);
  QStringList monate;
  for (const std::string_view m : kMonatsnamen) monate << QText(m);
  ComboMonat = auswahl(PnlZeitraum, "ComboMonat", monate, 104, 6, 112, 4013);
  // The years the program can calculate, the newest first.
  QStringList jahre;
  for (int j = LetztesRechenjahr(); j >= ErstesRechenjahr(); --j) jahre << QString::number(j);
  ComboJahr = auswahl(PnlZeitraum, "ComboJahr", jahre, 222, 6, 72, 4013);

  PnlMain = panel(Formular, "PnlMain", kRechts, 42, kBreiteRechts, 352);
  QFont gross = schrift;
  gross.setPointSize(10);
  PnlMain->setFont(gross);
  const int rechterRand = kBreiteRechts - 10;  // values and amount fields end here
  constexpr int kBetragBreite = 110, kTextX = 130, kZeilenY = 52, kZeilenAbstand = 32;
  LEdiBrutto =
      zahlfeld(PnlMain, "LEdiBrutto", QStringLiteral("Brutto:"), rechterRand - kBetragBreite, 12,
               kBetragBreite, kGrenzenBetrag, true, QStringLiteral("0,00"), 4012);
  LEdiNetto = zahlfeld(PnlMain, "LEdiNetto", QStringLiteral("Netto:"), rechterRand - kBetragBreite,
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
    auto* wert = new QLabel(QStringLiteral("0,00"), PnlMain);
    wert->setObjectName(QLatin1String(z.wertName));
    wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    wert->setGeometry(rechterRand - 96, y, 96, kZeile);
    *z.wert = wert;
    y += kZeilenAbstand;
  }
  const int yKV = kZeilenY + 3 * kZeilenAbstand, yRV = yKV + kZeilenAbstand,
            yAV = yRV + kZeilenAbstand, yPV = yAV + kZeilenAbstand;
  // The masks in Qt's notation: "9" is a required digit, "0" an optional one; the
  // literals stay in the text.
  MEdiKV = maskenfeld(PnlMain, "MEdiKV", QStringLiteral("99,00%;_"), QStringLiteral("14,40%"), 6,
                      yKV, 58);
  SetzeHilfeKontext(MEdiKV, 4014);
  MEdiKVZus = maskenfeld(PnlMain, "MEdiKVZus", QStringLiteral("+ 9,00%;_"),
                         QStringLiteral("+ 1,60%"), 66, yKV, 60);
  MEdiKVZus->setEnabled(false);
  PnlRVSatz = satzfeld(PnlMain, "PnlRVSatz", QStringLiteral("19,5%"), 6, yRV, 58);
  PnlAVSatz = satzfeld(PnlMain, "PnlAVSatz", QStringLiteral("6,5%"), 6, yAV, 58);
  PnlPVSatz = satzfeld(PnlMain, "PnlPVSatz", QStringLiteral("1,7%"), 6, yPV, 58);
  PnlPVKinder = satzfeld(PnlMain, "PnlPVKinder", QStringLiteral("+ 0,25"), 66, yPV, 50);
  QFont klein = gross;
  klein.setPointSize(8);
  PnlPVKinder->setFont(klein);

  auto* linie = new QFrame(PnlMain);
  linie->setFrameShape(QFrame::HLine);
  linie->setFrameShadow(QFrame::Sunken);
  linie->setGeometry(kTextX, yPV + kZeile + 8, rechterRand - kTextX, 2);
  // The form ends with the panels' margin.
  Formular->setFixedSize(632, PnlMain->geometry().bottom() + 1 + kLinks);

  // The total of the deductions for the statement; never shown.
  LabGesAbz = new QLabel(QStringLiteral("Summe gesetz. Abzüge"), PnlMain);
  LabGesAbz->setObjectName(QStringLiteral("LabGesAbz"));
  LabGesAbz->hide();

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

  // The tab order follows the panels: period, year of birth, tax, social insurance, the special
  // gross fields, then gross, rates and net, the one-time payment and the employer's side.
  const QList<QWidget*> reihenfolge = {ComboMonat,
                                       ComboJahr,
                                       LEdiGebJahr,
                                       LEdiStKl,
                                       LEdiFaktor,
                                       LEdiKiFB,
                                       LEdiStFB,
                                       ComboKiLand,
                                       OruEdiBGR,
                                       LabEdiPKV,
                                       ChkPKV,
                                       LEdiPPV,
                                       ChkPPV,
                                       LEdiKinderU25,
                                       LEdiStBrutto,
                                       LEdiSVBrutto,
                                       ChkBruttoUebernahme,
                                       LEdiBrutto,
                                       MEdiKV,
                                       MEdiKVZus,
                                       LEdiNetto,
                                       LEdiEinmalzahlung,
                                       LEdiJahresbruttoBisher,
                                       LEdiAbfindung,
                                       LEdiMehrjaehrig,
                                       ChkImVorjahr,
                                       LEdiU1Satz,
                                       LEdiU2Satz,
                                       ChkPauschsteuerAG};
  for (qsizetype i = 1; i < reihenfolge.size(); ++i)
    setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
  AlterAufbauen();
}

void TForm1::MenueAufbauen() {
  QMenuBar* leiste = menuBar();
  MenDatei = leiste->addMenu(QStringLiteral("&Datei"));
  MenDatei->setObjectName(QStringLiteral("MenDatei"));
  MenDatNeu = punkt(MenDatei, "MenDatNeu", QStringLiteral("Neue Abrechnung"), false, false, 5001);
  MenDatei->addSeparator();
  MenDrucken = punkt(MenDatei, "MenDrucken", QStringLiteral("Abrechnung drucken..."), false,
                     false, kHilfeDrucken);
  MenPdf = punkt(MenDatei, "MenPdf", QStringLiteral("Abrechnung als PDF speichern..."), false,
                 false, kHilfeDrucken);
  MenDatei->addSeparator();
  MenClose = punkt(MenDatei, "MenClose", QStringLiteral("Programm beenden"), false, false, 5002);

  MenSteuern = leiste->addMenu(QStringLiteral("&Steuern"));
  MenSteuern->setObjectName(QStringLiteral("MenSteuern"));
  MenAllgStTab = punkt(MenSteuern, "MenAllgStTab", QStringLiteral("Allgemeine Steuertabelle"), true,
                       true, 5003);
  MenBesStTab = punkt(MenSteuern, "MenBesStTab", QStringLiteral("Besondere Steuertabelle"), true,
                      false, 5004);
  MenPKVStatus = punkt(MenSteuern, "MenPKVStatus",
                       QStringLiteral("Privat krankenvers. ohne AG-Zuschuß"), true, false, 0);

  MenSozVers = leiste->addMenu(QStringLiteral("Sozial&versicherung"));
  MenSozVers->setObjectName(QStringLiteral("MenSozVers"));
  MenRechtskreis = MenSozVers->addMenu(QStringLiteral("Rechtskreis"));
  MenRechtskreis->setObjectName(QStringLiteral("MenRechtskreis"));
  MenSVWest = punkt(MenRechtskreis, "MenSVWest", QStringLiteral("West"), true, true, 5005);
  MenSVOst = punkt(MenRechtskreis, "MenSVOst", QStringLiteral("Ost"), true, false, 5005);
  MenSVGleitzone = punkt(MenSozVers, "MenSVGleitzone", QStringLiteral("ohne Übergangsbereich"),
                         true, false, 5006);
  MenSVRVGfE = punkt(MenSozVers, "MenSVRVGfE", QStringLiteral("Verzicht auf RV-Freiheit bei GfE"),
                     true, false, 5007);
  MenPflegeKinderlos = punkt(MenSozVers, "MenPflegeKinderlos",
                             QStringLiteral("Pflegeversicherung nicht erhöht"), true, false, 5008);
  MenFrwTatsBr =
      punkt(MenSozVers, "MenFrwTatsBr", QStringLiteral("SV bei Frw./PKV nach tatsächlichem Brutto"),
            true, false, 5009);
  MenPVSachsen = punkt(MenSozVers, "MenPVSachsen", QStringLiteral("Pflegeversicherung in Sachsen"),
                       true, false, 0);

  MenExtras = leiste->addMenu(QStringLiteral("&Extras"));
  MenExtras->setObjectName(QStringLiteral("MenExtras"));
  MenArbeitgeberseite = punkt(MenExtras, "MenArbeitgeberseite",
                              QStringLiteral("Arbeitgeberseite zeigen"), true, false,
                              kHilfeArbeitgeberseite);
  MenExtras->addSeparator();
  MenSaveMainOpts = punkt(MenExtras, "MenSaveMainOpts",
                          QStringLiteral("Aktuelle Einstellungen speichern"), false, false, 5010);
  MenLoadMainOpts = punkt(MenExtras, "MenLoadMainOpts",
                          QStringLiteral("Gespeicherte Einstellungen laden"), false, false, 0);
  // Loading is offered once a settings file has been found or written.
  MenLoadMainOpts->setEnabled(false);
  MenExtras->addSeparator();
  MenJahr = punkt(MenExtras, "MenJahr", QStringLiteral("Jahresübersicht..."), false, false, kHilfeJahr);
  MenVerlauf = punkt(MenExtras, "MenVerlauf", QStringLiteral("Verlauf..."), false, false, kHilfeVerlauf);
  MenSteuerklassen = punkt(MenExtras, "MenSteuerklassen", QStringLiteral("Steuerklassenwahl..."),
                           false, false, kHilfeSteuerklassen);

  MenHilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
  MenHilfe->setObjectName(QStringLiteral("MenHilfe"));
  MenHilfeAufrufen =
      punkt(MenHilfe, "MenHilfeAufrufen", QStringLiteral("Hilfe anzeigen"), false, false, 5012);
  MenAbout = punkt(MenHilfe, "MenAbout", QStringLiteral("Über Salvaro..."), false, false, 5011);

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
