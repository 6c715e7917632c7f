#include "ansichten/Monatsfall.h"

#include "abrechnung/Anzeige.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "abrechnung/Einmalzahlung.h"
#include "engine/Gehalt.h"

namespace salvaro {

Eingaben EingabenFuerMonat(const Eingaben& e, int monat) {
  Eingaben m = e;
  const int jahr = LiesGanzzahl(e.Jahr);
  const int kvZiffer = e.BGR.empty() ? 0 : e.BGR[0] - '0';
  const auto vorgabe = KVSatzNachGruppe(jahr, e.MonatNr, kvZiffer);
  if (vorgabe && *vorgabe + "%" == e.KV) {
    if (const auto neu = KVSatzNachGruppe(jahr, monat, kvZiffer)) m.KV = *neu + "%";
  }
  // The payments, the severance and the gross paid before them belong to the inputs' own month
  // only.
  if (monat != e.MonatNr) {
    m.Einmalzahlung = m.Abfindung = m.MehrjaehrigeVerguetung = "0,00";
    m.JahresbruttoBisher.clear();
  }
  std::erase_if(m.Bezuege, [&](const Bezug& b) {
    return (monat != e.MonatNr && b.art == Bezugsart::Inflationspraemie) ||
           (b.art == Bezugsart::Dienstwagen && b.anschaffung.Schluessel() > jahr * 100 + monat);
  });
  m.MonatNr = monat;
  m.Monat = std::string(kMonatsnamen[monat - 1]);
  if (m.BruttoUebernahme) m.StBrutto = m.SVBrutto = SchlichterText(LiesFeld(m.Brutto));
  return m;
}

std::vector<Meldung> AnsichtsPruefung(Eingaben e, const Datum& heute) {
  if (e.Brutto.empty()) e.Brutto = "0";
  const Start s = StarteMitEnter(e, Feld::Brutto);
  if (s.meldung) return {*s.meldung};
  try {
    TLohnGehalt fall;
    const Ergebnis r = Berechne(e, fall, heute);
    if (!r.gerechnet) return r.meldungen;
  } catch (const std::exception& f) {
    return {Meldung{Meldung::Art::Fehler, f.what()}};
  }
  return {};
}

Monatswerte WerteDesFalls(const TLohnGehalt& f, Money brutto, const Eingaben& e,
                          const Bezugsergebnis& bezuege) {
  Einmalvorgaben v = EinmalvorgabenAus(e);
  v.BezugsBrutto = bezuege.StBruttoZusatz;
  v.BezugsKosten = bezuege.Arbeitgeberkosten;
  Einmalergebnis z = BerechneEinmalzahlung(f, brutto, e, v);
  if (z.abgelehnt) {
    // A payment the year's engine cannot tax is left out of the overview, as in the window.
    v.Einmalzahlung = v.Abfindung = v.MehrjaehrigeVerguetung = Money();
    v.JahresbruttoBisher.reset();
    z = BerechneEinmalzahlung(f, brutto, e, v);
  }
  const Abzugsbetraege a = AngezeigteAbzuege(f);
  Monatswerte w;
  // A pension paid with the pay counts with it.
  w.brutto = brutto + f.Versorgungsbezug;
  w.einmalzahlung = v.Einmalzahlung + v.MehrjaehrigeVerguetung + v.Abfindung;
  w.LSt = a.LSt + z.LStEinmal + z.LStMehrjaehrig + z.LStAbfindung;
  w.SolZ = a.SolZ + z.SolZEinmal + z.SolZMehrjaehrig + z.SolZAbfindung;
  w.KiSt = a.KiSt + z.KiStEinmal + z.KiStMehrjaehrig + z.KiStAbfindung;
  w.KV = a.KV + z.KVANEinmal + z.KVANMehrjaehrig;
  w.RV = a.RV + z.RVANEinmal + z.RVANMehrjaehrig;
  w.AV = a.AV + z.AVANEinmal + z.AVANMehrjaehrig;
  w.PV = a.PV + z.PVANEinmal + z.PVANMehrjaehrig;
  w.abzuege = GesetzlicheAbzuege(f) + w.einmalzahlung + z.NettoRegulaer - z.NettoGesamt;
  w.netto = z.NettoGesamt;
  w.arbeitgeberkosten = z.Gesamtkosten;
  w.aktivrente = f.AktivrenteFrei + z.AktivrenteEinmal;
  w.auszahlung = Auszahlungsbetrag(z.NettoGesamt, bezuege);
  return w;
}

Monatswerte& operator+=(Monatswerte& s, const Monatswerte& m) {
  s.brutto += m.brutto;
  s.einmalzahlung += m.einmalzahlung;
  s.LSt += m.LSt;
  s.SolZ += m.SolZ;
  s.KiSt += m.KiSt;
  s.KV += m.KV;
  s.RV += m.RV;
  s.AV += m.AV;
  s.PV += m.PV;
  s.abzuege += m.abzuege;
  s.netto += m.netto;
  s.arbeitgeberkosten += m.arbeitgeberkosten;
  s.aktivrente += m.aktivrente;
  s.auszahlung += m.auszahlung;
  return s;
}

}  // namespace salvaro
