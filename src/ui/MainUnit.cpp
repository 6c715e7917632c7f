// Start-up, the connections of the controls to their reactions, "Neue Abrechnung" and closing.
#include "ui/MainUnit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Fensterregeln.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "engine/Gehalt.h"
#include "ui/Bezuegeliste.h"
#include "ui/Hilfe.h"
#include "ui/About.h"
#include "ui/Ansichten.h"
#include "ui/Plattform.h"
#include "ui/Text.h"
#include "ui/UAbrechnung.h"

namespace salvaro {

namespace {

// Chooses the item with this text; a text that is no item is put into the edit field.
void waehle(QComboBox* c, const QString& eintrag) {
  const int i = c->findText(eintrag, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (i >= 0) c->setCurrentIndex(i);
  if (c->currentText() != eintrag) c->setEditText(eintrag);
}

}  // namespace

TForm1::TForm1(Plattform& plattform, const QString& programmPfad, QWidget* parent)
    : QMainWindow(parent), plattform_(plattform) {
  setObjectName(QStringLiteral("Form1"));
  Aufbauen();
  AboutBox = new TAboutBox(plattform_, this);
  FrmAbrechnung = new TFrmAbrechnung(plattform_, this);
  FrmJahr = new TFrmJahr(plattform_, this);
  FrmVerlauf = new TFrmVerlauf(plattform_, this);
  FrmSteuerklassen = new TFrmSteuerklassen(plattform_, this);
  programmPfad_ = QDir(programmPfad).absolutePath() + QDir::separator();
  FormCreate();
  Verbinden();
}

TForm1::~TForm1() {
  TOruEditBasis::setFehlerMelder({});
  // The children outlive this part of the window while QWidget destroys them; a focus change
  // on the way (a field losing focus) must not reach the slots of a window that is gone.
  for (QObject* kind : findChildren<QObject*>()) QObject::disconnect(kind, nullptr, this, nullptr);
}

void TForm1::FormCreate() {
  fall_ = std::make_unique<TLohnGehalt>();
  const Datum heute = plattform_.Heute();
  ComboMonat->setCurrentIndex(StartMonat(heute) - 1);
  const std::optional<QString> einstellungen = ActLoadOptExecute();
  ActLoadINIExecute();
  EinstellungenMelden(einstellungen);
  const QString hilfe = HilfeSuchen(programmPfad_);
  if (hilfe.isEmpty()) {
    plattform_.Nachricht(this, Meldung::Art::Hinweis, QText(kHilfedateiNichtGefunden));
    hilfeFehlt_ = true;
  }
  plattform_.HilfeEinrichten(hilfe);
}

void TForm1::Verbinden() {
  // A field text that cannot be read is reported once the focus change that found it is over,
  // so that no message box opens in the middle of it.
  TOruEditBasis::setFehlerMelder([this](const QString& meldung) {
    QTimer::singleShot(
        0, this, [this, meldung] { plattform_.Nachricht(this, Meldung::Art::Fehler, meldung); });
  });

  connect(ComboJahr, &QComboBox::currentTextChanged, this, &TForm1::ActLoadINIExecute);
  connect(ComboMonat, &QComboBox::currentTextChanged, this, &TForm1::ActLoadINIExecute);
  connect(OruEdiBGR, &QLineEdit::textChanged, this, &TForm1::OruEdiBGRChange);
  connect(OruEdiBGR, &TOruEditBasis::verlassen, this, &TForm1::OruEdiBGRExit);
  const auto filter = [this](QChar& c) { LEdiGebJahrKeyPress(c); };
  const QString nurZiffern = QStringLiteral("Dieses Feld nimmt nur Ziffern an.");
  OruEdiBGR->setOnKeyPress(filter, nurZiffern);
  LEdiGebJahr->setOnKeyPress(filter, nurZiffern);
  connect(LEdiStKl, &QLineEdit::textChanged, this, &TForm1::LEdiStKlChange);
  connect(LEdiKiFB, &QLineEdit::textChanged, this, &TForm1::LEdiKiFBChange);
  connect(LEdiKinderU25, &QLineEdit::textChanged, this, &TForm1::PVKinderAnzeigen);
  connect(ChkPPV, &QCheckBox::toggled, this, &TForm1::ChkPPVClick);

  for (QAction* a : {MenAllgStTab, MenBesStTab, MenPKVStatus})
    connect(a, &QAction::triggered, this, [this, a] { Steuertabelle(a); });
  for (QAction* a : {MenSVWest, MenSVOst})
    connect(a, &QAction::triggered, this, [this, a] { Rechtskreis(a); });
  for (QAction* a : {MenSVGleitzone, MenSVRVGfE, MenPflegeKinderlos, MenFrwTatsBr, MenPVSachsen})
    connect(a, &QAction::triggered, this, [this, a] { MenuSV(a); });

  connect(LEdiBrutto, &TOruEditBasis::enterGedrueckt, this,
          [this] { LEdiBruttoKeyDown(Feld::Brutto); });
  connect(LEdiNetto, &TOruEditBasis::enterGedrueckt, this,
          [this] { LEdiBruttoKeyDown(Feld::Netto); });
  connect(BtnBruttoNeu, &QToolButton::clicked, this,
          [this] { BtnBruttoNeuMouseDown(Feld::Brutto); });
  connect(BtnNettoNeu, &QToolButton::clicked, this, [this] { BtnBruttoNeuMouseDown(Feld::Netto); });

  connect(BtnNeu, &QToolButton::clicked, this, &TForm1::BtnNeuClick);
  connect(MenDatNeu, &QAction::triggered, this, &TForm1::BtnNeuClick);
  connect(BtnSpeichern, &QToolButton::clicked, this, &TForm1::BtnSpeichernClick);
  connect(MenSpeichern, &QAction::triggered, this, &TForm1::BtnSpeichernClick);
  connect(MenDetail, &QAction::triggered, this, &TForm1::BtnDetailberechnungClick);
  connect(BtnDrucken, &QToolButton::clicked, this, &TForm1::ActDruckenExecute);
  connect(MenDrucken, &QAction::triggered, this, &TForm1::ActDruckenExecute);
  connect(MenPdf, &QAction::triggered, this, &TForm1::ActPdfExecute);
  connect(BtnDetailberechnung, &QToolButton::clicked, this, &TForm1::BtnDetailberechnungClick);
  connect(BtnHilfe, &QToolButton::clicked, this, &TForm1::MenHilfeAufrufenClick);
  connect(MenHilfeAufrufen, &QAction::triggered, this, &TForm1::MenHilfeAufrufenClick);
  HilfeTasteEinrichten();
  connect(MenSaveMainOpts, &QAction::triggered, this, &TForm1::MenSaveMainOptsClick);
  connect(MenLoadMainOpts, &QAction::triggered, this, &TForm1::MenLoadMainOptsClick);
  connect(MenAbout, &QAction::triggered, this, &TForm1::MenAboutClick);
  connect(MenJahr, &QAction::triggered, this, &TForm1::MenJahrClick);
  connect(BtnJahr, &QToolButton::clicked, this, &TForm1::MenJahrClick);
  connect(MenVerlauf, &QAction::triggered, this, &TForm1::MenVerlaufClick);
  connect(BtnVerlauf, &QToolButton::clicked, this, &TForm1::MenVerlaufClick);
  connect(MenSteuerklassen, &QAction::triggered, this, &TForm1::MenSteuerklassenClick);
  connect(BtnSteuerklassen, &QToolButton::clicked, this, &TForm1::MenSteuerklassenClick);
  connect(MenArbeitgeberseite, &QAction::triggered, this, &TForm1::MenArbeitgeberseiteClick);
  // Enter in a field of the payment or of the employer's side calculates again, in the
  // direction of the last calculation (gross to net before any).
  const auto nochmal = [this] {
    if (richtung_ == Feld::Netto)
      BtnBruttoNeuMouseDown(Feld::Netto);
    else
      LEdiBruttoKeyDown(Feld::Brutto);
  };
  for (TOruValueLabEdit* feld :
       {LEdiEinmalzahlung, LEdiJahresbruttoBisher, LEdiAbfindung, LEdiMehrjaehrig, LEdiU1Satz,
        LEdiU2Satz})
    connect(feld, &TOruEditBasis::enterGedrueckt, this, nochmal);
  connect(PnlBezuege, &TPnlBezuege::berechnen, this, nochmal);
  connect(BtnSchliessen, &QToolButton::clicked, this, &QWidget::close);
  connect(MenClose, &QAction::triggered, this, &QWidget::close);

  connect(FrmAbrechnung, &TFrmAbrechnung::druckenAngefordert, this, &TForm1::ActDruckenExecute);
  connect(FrmAbrechnung, &TFrmAbrechnung::hilfeAngefordert, this, &TForm1::HilfeZeigen);
  connect(AboutBox, &TAboutBox::hilfeAngefordert, this, &TForm1::HilfeZeigen);
  AnsichtenVerbinden();
  NachrechnenVerbinden();
  connect(FrmJahr, &TFrmJahr::hilfeAngefordert, this, &TForm1::HilfeZeigen);
  connect(FrmVerlauf, &TFrmVerlauf::hilfeAngefordert, this, &TForm1::HilfeZeigen);
  connect(FrmSteuerklassen, &TFrmSteuerklassen::hilfeAngefordert, this, &TForm1::HilfeZeigen);
  AlterVerbinden();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  LEdiBrutto->setFocus();
}

// Closing is always allowed; the payroll case goes with the window.
void TForm1::closeEvent(QCloseEvent* event) {
  FrmAbrechnung->hide();
  event->accept();
}

void TForm1::BtnNeuClick() {
  // The additional rate goes back to the default of the year chosen below.
  kvZusEigen_.reset();
  kvZusVorgabe_ = MEdiKVZus->text();
  // A new case has no direction until an amount is typed.
  richtung_.reset();
  LEdiBrutto->clear();
  LEdiNetto->clear();
  BtnBruttoNeu->hide();
  BtnNettoNeu->hide();
  {
    // The displays follow the new year below, once the rest of the case is reset.
    const QSignalBlocker ruhe(ComboJahr);
    waehle(ComboJahr, QString::number(NeuesRechenjahr(plattform_.Heute().jahr)));
  }
  for (QAction* a : {MenSVGleitzone, MenSVRVGfE, MenPflegeKinderlos}) a->setChecked(false);
  LEdiStKl->setText(QStringLiteral("1"));
  LEdiKiFB->zeigeBetrag(Money());
  LEdiKinderU25->setText(QStringLiteral("0"));
  LEdiStFB->zeigeBetrag(Money());
  MenBesStTab->setChecked(false);
  MenPKVStatus->setChecked(false);
  MenAllgStTab->setChecked(true);
  LEdiStBrutto->zeigeBetrag(Money());
  LEdiSVBrutto->zeigeBetrag(Money());
  // The payment and severance are the month's; the employer's rates stay.
  LEdiEinmalzahlung->zeigeBetrag(Money());
  LEdiJahresbruttoBisher->clear();
  LEdiAbfindung->zeigeBetrag(Money());
  LEdiMehrjaehrig->zeigeBetrag(Money());
  ChkImVorjahr->setChecked(true);
  ZusatzLeeren();
  AlterLeeren();
  OruEdiBGR->setText(QStringLiteral("1111"));
  ChkPKV->setChecked(false);
  ChkPPV->setChecked(false);
  ChkBruttoUebernahme->setChecked(true);
  for (QWidget* w : std::initializer_list<QWidget*>{LEdiBrutto, LEdiNetto, LEdiStBrutto,
                                                    LEdiSVBrutto, ChkBruttoUebernahme})
    w->setEnabled(true);
  ActLoadINIExecute();
  LEdiBrutto->setFocus();
  FrmAbrechnung->SetzeZeilen(PlatzhalterAbrechnung());
  ErgebnisseAktuell();
}

}  // namespace salvaro
