// The window's reactions to its inputs: the period with its rate displays, the contribution
// group, tax class, child allowances, private care insurance and the menu switches.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "abrechnung/Anzeige.h"
#include "abrechnung/Fensterregeln.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "engine/Gehalt.h"
#include "ui/MainUnit.h"
#include "ui/Text.h"
#include "ui/Zahlanzeige.h"

namespace salvaro {

namespace {
const QString kGfEGruppe = QText(kBGRMitRVVerzicht);
}  // namespace

std::optional<int> TForm1::Jahr() const {
  return RechenjahrAusText(StdText(ComboJahr->currentText()));
}

int TForm1::Monat() const {
  return MonatAusName(StdText(ComboMonat->currentText()));
}

std::optional<int> TForm1::PeriodeLaden() {
  const std::optional<int> jahr = Jahr();
  if (!jahr || Monat() == 0) return std::nullopt;
  fall_->SetRechtskreis(MenSVWest->isChecked() ? 1 : 0);
  fall_->SetJahr(*jahr);
  const std::string bgr = StdText(OruEdiBGR->text());
  if (BeitragsgruppeGueltig(bgr)) fall_->SetBGR(bgr);
  fall_->SetMonat(Monat());
  return jahr;
}

// Runs at start-up and whenever the year or the month changes. While the boxes hold a text that
// is no period the program can calculate (a year or month being typed), the displays stay as
// they are; the calculation reports such a text.
void TForm1::ActLoadINIExecute() {
  const std::optional<int> jahr = PeriodeLaden();
  if (!jahr) return;
  const int monat = Monat();
  KVZusVorgeben(*jahr);
  KVSatzVorgeben(*jahr, monat, true);
  const Satzanzeige a = SatzanzeigeFuer(*fall_);
  PnlRVSatz->setText(SatzAnzeige(a.RV));
  PnlAVSatz->setText(SatzAnzeige(a.AV));
  ZeigePVSatz(a);
  MEdiKVZus->setVisible(KVZusSichtbar(*jahr, monat));
  MenPflegeKinderlos->setEnabled(PVZuschlagMoeglich(*jahr));
  PVKinderAnzeigen();
  LEdiStKlChange();
}

// The additional health rate: before 2015 the fixed special contribution; from 2015 the average
// additional rate of the year, unless the field holds a rate of the user's own (typed or loaded
// from the settings), which stays through changes of the year and comes back after a year with
// the fixed rate.
void TForm1::KVZusVorgeben(int jahr) {
  if (!KVZusEingebbar(jahr)) {
    if (MEdiKVZus->isEnabled() && MEdiKVZus->text() != kvZusVorgabe_)
      kvZusEigen_ = MEdiKVZus->text();
    MEdiKVZus->setEnabled(false);
    MEdiKVZus->setText(SatzAnzeige(kKVZusVor2015));
    kvZusVorgabe_.clear();
    return;
  }
  const QString vorgabe = SatzAnzeige(KVZusVorgabe(jahr));
  if (!MEdiKVZus->isEnabled()) {
    MEdiKVZus->setText(kvZusEigen_.value_or(vorgabe));
    MEdiKVZus->setEnabled(true);
    kvZusEigen_.reset();
  } else if (MEdiKVZus->text() != kvZusVorgabe_) {
    return;
  } else {
    MEdiKVZus->setText(vorgabe);
  }
  kvZusVorgabe_ = vorgabe;
}

// From 2009 the general health rate is set by law and follows the health digit of the group;
// before, the typed rate counts. sperren: the year decides, so the field is locked or opened.
void TForm1::KVSatzVorgeben(int jahr, int monat, bool sperren) {
  const std::string bgr = StdText(OruEdiBGR->text());
  const int kvZiffer = BeitragsgruppeGueltig(bgr) ? bgr[0] - '0' : 0;
  const std::optional<std::string> satz = KVSatzNachGruppe(jahr, monat, kvZiffer);
  if (!satz) {
    if (sperren) MEdiKV->setEnabled(true);
    return;
  }
  if (!BeitragsgruppeGueltig(bgr)) return;
  if (sperren) MEdiKV->setEnabled(false);
  MEdiKV->setText(SatzAnzeige(*satz + "%"));
}

void TForm1::ZeigePVSatz(const Satzanzeige& a) {
  PnlPVSatz->setText(SatzAnzeige(a.PV));
  QFont schrift = PnlPVSatz->font();
  schrift.setPointSize(a.PVKleineSchrift ? 9 : 10);
  PnlPVSatz->setFont(schrift);
  PnlPVKinder->setText(QText(a.PVKinder));
}

// The childless surcharge is shown where it applies: not with children (allowances or children
// under 25, which check "Pflegeversicherung nicht erhöht" or count themselves), not with private
// care insurance, and not before 2005.
void TForm1::PVKinderAnzeigen() {
  const std::optional<int> jahr = Jahr();
  if (!jahr) return;
  const bool kinderU25 = !OhneKinderfreibetrag(StdText(LEdiKinderU25->text()));
  PnlPVKinder->setVisible(
      PVKinderSichtbar(*jahr, MenPflegeKinderlos->isChecked() || kinderU25, ChkPPV->isChecked()));
}

void TForm1::OruEdiBGRChange() {
  const std::string bgr = StdText(OruEdiBGR->text());
  if (!BeitragsgruppeGueltig(bgr)) return;
  if (const std::optional<int> jahr = PeriodeLaden()) {
    KVSatzVorgeben(*jahr, Monat(), false);
    ZeigePVSatz(SatzanzeigeFuer(*fall_));
  }
  if (OruEdiBGR->text() == kGfEGruppe) MenSVRVGfE->setChecked(true);
}

void TForm1::OruEdiBGRExit() {
  const QString vollstaendig = QText(BeitragsgruppeVervollstaendigt(StdText(OruEdiBGR->text())));
  if (vollstaendig != OruEdiBGR->text()) OruEdiBGR->setText(vollstaendig);
}

// The contribution group and the year of birth take digits only; Backspace still deletes.
void TForm1::LEdiGebJahrKeyPress(QChar& zeichen) {
  if (!(zeichen >= u'0' && zeichen <= u'9') && zeichen != u'\b') zeichen = QChar();
}

void TForm1::LEdiStKlChange() {
  const std::optional<int> jahr = Jahr();
  const bool sichtbar = jahr && FaktorSichtbar(*jahr, StdText(LEdiStKl->text()));
  LEdiFaktor->setVisible(sichtbar);
  LabFaktor->setVisible(sichtbar);
}

// With children there is no childless surcharge.
void TForm1::LEdiKiFBChange() {
  MenPflegeKinderlos->setChecked(!OhneKinderfreibetrag(StdText(LEdiKiFB->text())));
  PVKinderAnzeigen();
}

void TForm1::ChkPPVClick() {
  PVKinderAnzeigen();
}

// The general and the special table exclude each other: a click on either swaps both marks.
// The menu item has already toggled its own mark.
void TForm1::Steuertabelle(QAction* punkt) {
  if (punkt == MenAllgStTab) MenBesStTab->setChecked(!MenBesStTab->isChecked());
  if (punkt == MenBesStTab) MenAllgStTab->setChecked(!MenAllgStTab->isChecked());
}

void TForm1::Rechtskreis(QAction* punkt) {
  MenSVWest->setChecked(punkt == MenSVWest);
  MenSVOst->setChecked(punkt == MenSVOst);
}

void TForm1::MenuSV(QAction* punkt) {
  if (punkt == MenPflegeKinderlos) PVKinderAnzeigen();
  // The waiver belongs to the group of marginal employment with pension insurance; setting the
  // group checks the item again.
  if (punkt == MenSVRVGfE && OruEdiBGR->text() != kGfEGruppe) OruEdiBGR->setText(kGfEGruppe);
}

}  // namespace salvaro
