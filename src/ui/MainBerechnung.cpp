// The calculation from the window: the window's inputs go to the workflow as plain data, and
// the field texts, values, rates, statement and messages that come back are shown.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Zahlentext.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "ui/Bezuegeliste.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/Text.h"
#include "ui/UAbrechnung.h"
#include "ui/Zahlanzeige.h"

namespace salvaro {

namespace {

std::string text(const QLineEdit* f) {
  return StdText(f->text());
}

// A number field read once, here: "1234.56", "1.234,56" and "1234,56" all become "1234,56"; the
// workflow then reads plain texts only. A text the field refuses goes on as it stands, for the
// workflow to refuse as well.
std::string text(const TOruZahlEdit* f) {
  try {
    const std::optional<Money> betrag = f->betrag();
    if (!betrag) return {};
    if (f->kommastellen() == 0) return text(static_cast<const QLineEdit*>(f));
    return FormatBild(*betrag, f->kommastellen(), false);
  } catch (const KonvertierungsFehler&) {
    return text(static_cast<const QLineEdit*>(f));
  }
}

// Writes a text the workflow changed, as the field shows numbers; an unchanged field is left
// alone, so that its change reaction does not run for nothing.
void setze(TOruZahlEdit* f, const std::string& text) {
  f->setzeZahltext(QText(text));
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
  e.KV = SatzWert(MEdiKV->text());
  e.KVZus = SatzWert(MEdiKVZus->text());
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

// The fields a start or a calculation may change. nebenbei: leaves alone the field the user is
// typing in, and the net wanted in a search of the gross.
void TForm1::SchreibeEingaben(const Eingaben& e, bool nebenbei) {
  const QScopedValueRollback<bool> ruhe(rechnet_, true);
  const auto schreiben = [&](TOruZahlEdit* f, const std::string& text) {
    if (nebenbei && (f->hasFocus() || (f == LEdiNetto && richtung_ == Feld::Netto))) return;
    setze(f, text);
  };
  schreiben(LEdiBrutto, e.Brutto);
  schreiben(LEdiNetto, e.Netto);
  schreiben(LEdiStBrutto, e.StBrutto);
  schreiben(LEdiSVBrutto, e.SVBrutto);
  schreiben(LEdiStKl, e.StKl);
  schreiben(LEdiStFB, e.StFB);
  ChkBruttoUebernahme->setChecked(e.BruttoUebernahme);
  schreiben(LEdiEinmalzahlung, e.Einmalzahlung);
  schreiben(LEdiJahresbruttoBisher, e.JahresbruttoBisher);
  schreiben(LEdiAbfindung, e.Abfindung);
  schreiben(LEdiMehrjaehrig, e.MehrjaehrigeVerguetung);
  // Every other number field shows its number as the fields show numbers once left.
  for (TOruZahlEdit* f : Formular->findChildren<TOruZahlEdit*>())
    if (!(nebenbei && f->hasFocus()) && !f->eingabefehler()) f->setzeZahltext(f->text());
}

void TForm1::LEdiBruttoKeyDown(Feld feld) {
  if ((feld == Feld::Brutto ? LEdiBrutto : LEdiNetto)->text().isEmpty()) return;
  // The amount typed decides the direction, also when the inputs are refused: once they are
  // right, the window calculates in it.
  RichtungSetzen(feld);
  if (ZahlfehlerMelden()) return;
  Eingaben e = LiesEingaben();
  const Start start = StarteMitEnter(e, feld);
  SchreibeEingaben(e);
  if (start.meldung) {
    ErgebnisseMarkieren(QText(start.meldung->text));
    Zeige(*start.meldung);
    return;
  }
  if (!start.rechnen) return;
  bruttoMarke_ = e.BruttoMarke;
  nettoMarke_ = e.NettoMarke;
  ActBerechnenExecute();
}

// The mark is set with the click that calculates, so that a press released beside the button
// leaves no mark behind for a later calculation.
void TForm1::BtnBruttoNeuMouseDown(Feld feld) {
  RichtungSetzen(feld);
  if (ZahlfehlerMelden()) return;
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
    // ends here and the fields stay as they were; the results shown are marked.
    const QString meldung = QString::fromUtf8(fehler.what());
    ErgebnisseMarkieren(meldung);
    plattform_.Nachricht(this, Meldung::Art::Fehler, meldung);
    return;
  }
  // This calculation takes every input as it stands: a recalculation asked for before is done.
  nachrechnenTimer_->stop();
  SchreibeEingaben(e);
  if (r.gerechnet) {
    ZeigeErgebnis(r);
    ErgebnisseAktuell();
  } else if (!r.meldungen.empty()) {
    ErgebnisseMarkieren(QText(r.meldungen.front().text));
  }
  for (const Meldung& m : r.meldungen) Zeige(m);
  if (r.gerechnet) AnsichtenAktualisieren();
}

void TForm1::ZeigeErgebnis(const Ergebnis& r) {
  const auto zeige = [](QLabel* l, const std::string& wert) { ZeigeWert(l, MitEinheit(wert)); };
  zeige(LabLSt, r.LSt);
  zeige(LabKiSt, r.KiSt);
  zeige(LabSolZ, r.SolZ);
  zeige(LabKV, r.KV);
  zeige(LabRV, r.RV);
  zeige(LabAV, r.AV);
  zeige(LabPV, r.PV);
  LabGesAbz->setText(QText(r.GesAbz));
  // The rates the calculation used, which the statement names too.
  PnlRVSatz->setText(SatzAnzeige(r.saetze.RV));
  PnlAVSatz->setText(SatzAnzeige(r.saetze.AV));
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
