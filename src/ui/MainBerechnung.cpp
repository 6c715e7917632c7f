// The calculation from the window: the window's inputs go to the workflow as plain data, and
// the field texts, values, rates, statement and messages that come back are shown.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <exception>

#include "abrechnung/Fensterregeln.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "ui/Bezuegeliste.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/Text.h"
#include "ui/UAbrechnung.h"

namespace salvaro {

namespace {

std::string text(const QLineEdit* f) {
  return StdText(f->text());
}

// Writes a text the workflow changed; an unchanged field is left alone, so that its change
// reaction does not run for nothing.
void setze(QLineEdit* f, const std::string& text) {
  const QString neu = QText(text);
  if (f->text() != neu) f->setText(neu);
}

}  // namespace

Eingaben TForm1::LiesEingaben() const {
  Eingaben e;
  e.Monat = StdText(ComboMonat->currentText());
  e.MonatNr = MonatAusName(e.Monat);
  e.Jahr = StdText(ComboJahr->currentText());
  e.GebJahr = text(LEdiGebJahr);
  e.StKl = text(LEdiStKl);
  e.Faktor = text(LEdiFaktor);
  e.KiFB = text(LEdiKiFB);
  e.KinderUnter25 = text(LEdiKinderU25);
  e.StFB = text(LEdiStFB);
  e.KiLand = StdText(ComboKiLand->currentText());
  e.BGR = text(OruEdiBGR);
  e.PKV = text(LabEdiPKV);
  e.ChkPKV = ChkPKV->isChecked();
  e.PPV = text(LEdiPPV);
  e.ChkPPV = ChkPPV->isChecked();
  e.KV = text(MEdiKV);
  e.KVZus = text(MEdiKVZus);
  e.Brutto = text(LEdiBrutto);
  e.Netto = text(LEdiNetto);
  e.StBrutto = text(LEdiStBrutto);
  e.SVBrutto = text(LEdiSVBrutto);
  e.BruttoUebernahme = ChkBruttoUebernahme->isChecked();
  e.Einmalzahlung = text(LEdiEinmalzahlung);
  e.JahresbruttoBisher = text(LEdiJahresbruttoBisher);
  e.ImVorjahrBeschaeftigt = ChkImVorjahr->isChecked();
  e.Abfindung = text(LEdiAbfindung);
  e.MehrjaehrigeVerguetung = text(LEdiMehrjaehrig);
  e.U1Satz = text(LEdiU1Satz);
  e.U2Satz = text(LEdiU2Satz);
  e.PauschsteuerAG = ChkPauschsteuerAG->isChecked();
  e.Arbeitgeberseite = MenArbeitgeberseite->isChecked();
  e.Bezuege = PnlBezuege->Bezuege();
  e.BesondereTabelle = MenBesStTab->isChecked();
  e.PKVOhneZuschuss = MenPKVStatus->isChecked();
  e.Ost = MenSVOst->isChecked();
  e.OhneUebergangsbereich = MenSVGleitzone->isChecked();
  e.RVVerzicht = MenSVRVGfE->isChecked();
  e.PVNichtErhoeht = MenPflegeKinderlos->isChecked();
  e.FrwTatsBrutto = MenFrwTatsBr->isChecked();
  e.PVSachsen = MenPVSachsen->isChecked();
  e.BruttoMarke = bruttoMarke_;
  e.NettoMarke = nettoMarke_;
  AlterLesen(e);
  return e;
}

// The fields a start or a calculation may change.
void TForm1::SchreibeEingaben(const Eingaben& e) {
  setze(LEdiBrutto, e.Brutto);
  setze(LEdiNetto, e.Netto);
  setze(LEdiStBrutto, e.StBrutto);
  setze(LEdiSVBrutto, e.SVBrutto);
  setze(LEdiStKl, e.StKl);
  setze(LEdiStFB, e.StFB);
  ChkBruttoUebernahme->setChecked(e.BruttoUebernahme);
  setze(LEdiEinmalzahlung, e.Einmalzahlung);
  setze(LEdiJahresbruttoBisher, e.JahresbruttoBisher);
  setze(LEdiAbfindung, e.Abfindung);
  setze(LEdiMehrjaehrig, e.MehrjaehrigeVerguetung);
}

void TForm1::LEdiBruttoKeyDown(Feld feld) {
  Eingaben e = LiesEingaben();
  const Start start = StarteMitEnter(e, feld);
  SchreibeEingaben(e);
  if (start.meldung) {
    Zeige(*start.meldung);
    return;
  }
  if (!start.rechnen) return;
  bruttoMarke_ = e.BruttoMarke;
  nettoMarke_ = e.NettoMarke;
  // The button beside the field that drove the calculation repeats it after other changes.
  BtnBruttoNeu->setVisible(feld == Feld::Brutto);
  BtnNettoNeu->setVisible(feld == Feld::Netto);
  ActBerechnenExecute();
}

// The mark is set with the click that calculates, so that a press released beside the button
// leaves no mark behind for a later calculation.
void TForm1::BtnBruttoNeuMouseDown(Feld feld) {
  Eingaben e;
  StarteMitKnopf(e, feld);
  bruttoMarke_ = e.BruttoMarke;
  nettoMarke_ = e.NettoMarke;
  ActBerechnenExecute();
}

void TForm1::ActBerechnenExecute() {
  Eingaben e = LiesEingaben();
  bruttoMarke_ = nettoMarke_ = 0;
  // The class field takes any digit; the class calculated is the one it shows afterwards.
  e.StKl = SteuerklasseBegrenzt(e.StKl);
  Ergebnis r;
  try {
    r = Berechne(e, *fall_, plattform_.Heute());
  } catch (const std::exception& fehler) {
    // A field text that is not a number (a typed year, an edited combo box): the calculation
    // ends here and the fields stay as they were.
    plattform_.Nachricht(this, Meldung::Art::Fehler, QString::fromUtf8(fehler.what()));
    return;
  }
  SchreibeEingaben(e);
  if (r.gerechnet) ZeigeErgebnis(r);
  for (const Meldung& m : r.meldungen) Zeige(m);
  if (r.gerechnet) AnsichtenAktualisieren();
}

void TForm1::ZeigeErgebnis(const Ergebnis& r) {
  const auto zeige = [](QLabel* l, const std::string& wert) { l->setText(QText(wert)); };
  zeige(LabLSt, r.LSt);
  zeige(LabKiSt, r.KiSt);
  zeige(LabSolZ, r.SolZ);
  zeige(LabKV, r.KV);
  zeige(LabRV, r.RV);
  zeige(LabAV, r.AV);
  zeige(LabPV, r.PV);
  zeige(LabGesAbz, r.GesAbz);
  // The rates the calculation used, which the statement names too.
  zeige(PnlRVSatz, r.saetze.RV);
  zeige(PnlAVSatz, r.saetze.AV);
  ZeigePVSatz(r.saetze);
  ZeigeZusatz(r);
  AlterZeigen(r);
  FrmAbrechnung->SetzeZeilen(r.abrechnung);
}

void TForm1::Zeige(const Meldung& m) {
  Meldung::Art art = m.art;
  int hilfe = m.hilfeKontext;
  // Without the help file a Help button would lead nowhere: the message stands alone.
  if (hilfe != 0 && hilfeFehlt_) {
    art = Meldung::Art::Hinweis;
    hilfe = 0;
  }
  plattform_.Nachricht(this, art, QText(m.text), hilfe);
  switch (m.fokus) {
    case Meldung::Fokus::Beitragsgruppe:
      OruEdiBGR->setFocus();
      break;
    case Meldung::Fokus::Geburtsjahr:
      LEdiGebJahr->setFocus();
      break;
    case Meldung::Fokus::Keiner:
      break;
  }
}

}  // namespace salvaro
