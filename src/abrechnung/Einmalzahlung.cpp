#include "abrechnung/Einmalzahlung.h"

#include <algorithm>

#include "abrechnung/Altersangaben.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Eingaben.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"
#include "money/OruMath.h"
#include "tax/EngineWahl.h"

namespace salvaro {

namespace {

// The employee's and the employer's amounts of a computed case, by insurance, as the net
// formula deducts them (a voluntary member pays the premium less the subsidy, a privately
// care-insured employee pays the care premium outside the payroll).
struct Anteile {
  Money kvAN, rvAN, avAN, pvAN, kvAG, rvAG, avAG, pvAG, inso;
};

Anteile anteileVon(const TLohnGehalt& f) {
  Anteile a;
  a.kvAN = (f.BGRKV == 9 ? f.KVAN - f.KVAG : f.KVAN) + f.KVANEB;
  a.pvAN = f.BGRKV == 9 ? f.PVAN - f.PVAG : f.PVAN;
  if (f.PVStatus == 3 || f.PVStatus == 4) a.pvAN -= f.PVAN;
  a.pvAN += f.PVANEB;
  a.rvAN = f.RVAN + f.RVANEB;
  a.avAN = f.AVAN + f.AVANEB;
  a.kvAG = f.KVAG + f.KVAGEB;
  a.rvAG = f.RVAG + f.RVAGEB;
  a.avAG = f.AVAG + f.AVAGEB;
  a.pvAG = f.PVAG + f.PVAGEB;
  a.inso = f.InsoUmlage;
  return a;
}

// What the case mit costs more than the case ohne.
Anteile mehr(const TLohnGehalt& mit, const TLohnGehalt& ohne) {
  const Anteile m = anteileVon(mit), o = anteileVon(ohne);
  return {m.kvAN - o.kvAN, m.rvAN - o.rvAN, m.avAN - o.avAN, m.pvAN - o.pvAN, m.kvAG - o.kvAG,
          m.rvAG - o.rvAG, m.avAG - o.avAG, m.pvAG - o.pvAG, m.inso - o.inso};
}

// The payment's bases of the earlier months and the pro-rated ceilings: the months before
// count 30 days each.
void setzeVormonate(TLohnGehalt& f, int vormonate, Money bemKV, Money bemRV) {
  f.EBVormonate = 0;
  f.VorTage = vormonate * 30;
  f.VorBemKV = std::min(bemKV, Money::runde(f.BBGKV * vormonate));
  f.VorBemRV = std::min(bemRV, Money::runde(f.BBGRV * vormonate));
}

// The reduced base of the transition zone applies to the case's pay.
bool mitReduzierterBasis(const TLohnGehalt& f) {
  return f.Minijob == 0 && f.Gleitzone == 1 && f.Versorgungsart == 0 &&
         f.GleitzoneObergrenze > f.SVBrutto;
}

// The part of the pro-rated ceiling the payment may still fill: health for the statutory
// health-insured, otherwise pension.
Money restDerGrenze(const TLohnGehalt& f) {
  const bool kv = (f.BGRKV == 1 || f.BGRKV == 3) && f.KVStatus == 0;
  return kv ? std::max(f.AntBBGKV - f.VorBemKV - f.BemKV, Money())
            : std::max(f.AntBBGRV - f.VorBemRV - f.BemRV, Money());
}

// A rate field, "1,60" or "1,60%"; empty is 0.
Money satzFeld(std::string text) {
  if (!text.empty() && text.back() == '%') text.pop_back();
  return text.empty() ? Money() : LiesFeld(text);
}

}  // namespace

Einmalvorgaben EinmalvorgabenAus(const Eingaben& e) {
  Einmalvorgaben v;
  v.Einmalzahlung = e.Einmalzahlung.empty() ? Money() : LiesFeld(e.Einmalzahlung);
  if (!e.JahresbruttoBisher.empty()) v.JahresbruttoBisher = LiesFeld(e.JahresbruttoBisher);
  v.ImVorjahrBeschaeftigt = e.ImVorjahrBeschaeftigt;
  v.Abfindung = e.Abfindung.empty() ? Money() : LiesFeld(e.Abfindung);
  v.PauschsteuerAG = e.PauschsteuerAG;
  return v;
}

Money UmlagesatzAus(const std::string& text) { return satzFeld(text); }

Einmalergebnis BerechneEinmalzahlung(const TLohnGehalt& a, Money brutto, const Eingaben& e,
                                     const Einmalvorgaben& v) {
  Einmalergebnis r;
  const int jahr = a.Jahr, monat = a.Monat;
  const Money eb = v.Einmalzahlung, abf = v.Abfindung;
  const Money svRegulaer = a.SVBrutto;
  const bool pauschal = v.PauschsteuerAG && a.Minijob == 1;

  if (eb < 0 || abf < 0 || (v.JahresbruttoBisher && *v.JahresbruttoBisher < 0)) {
    r.abgelehnt = true;
    r.meldungen.push_back("Einmalzahlung, Abfindung und Jahresbrutto bisher dürfen nicht negativ sein");
    return r;
  }
  // Without payment and severance only the employer's side remains: no engine, no second case.
  const bool mitZahlungen = eb > 0 || abf > 0;
  const std::unique_ptr<OruSteuern> engine = mitZahlungen ? EngineFuer(jahr, monat) : nullptr;
  const bool vmtOperation = engine && engine->HatVMT();
  const bool abfindungAlsEB = abf > 0 && !vmtOperation && jahr >= kOhneFuenftelungAb;
  if (eb > 0 && !(engine && engine->HatEinmalbezug())) {
    r.abgelehnt = true;
    r.meldungen.push_back("Die Lohnsteuer einer Einmalzahlung ist für " + std::to_string(jahr) +
                          " nicht berechenbar");
  }
  if (abf > 0 && !vmtOperation && !(abfindungAlsEB && engine && engine->HatEinmalbezug())) {
    r.abgelehnt = true;
    r.meldungen.push_back("Die Lohnsteuer einer Abfindung / mehrjährigen Vergütung ist für " +
                          std::to_string(jahr) + " nicht berechenbar");
  }
  if (r.abgelehnt) return r;

  const int vormonate = monat - 1;
  const Money bisherSt = v.JahresbruttoBisher.value_or(Money::runde(a.StBrutto * vormonate));
  const Money bisherSV = v.JahresbruttoBisher.value_or(Money::runde(svRegulaer * vormonate));
  r.JRE4 = bisherSt + Money::runde(a.StBrutto * (13 - monat));
  // The rules of age: the Aktivrente's free parts out, the pension payments of the year in.
  const JahreswerteEinmalzahlung jahreswerte = JahreswerteMitAlter(a, r.JRE4, bisherSt);
  r.JRE4 = jahreswerte.JRE4;

  // The month with the payment: its tax, and its contributions unless they move.
  const auto mitZahlung = [&](bool svHier) {
    TLohnGehalt c = a;
    c.JahresHochrechnung = 0;
    c.JRE4 = r.JRE4;
    c.JVBEZ = jahreswerte.JVBEZ;
    c.SetSonstBezug(eb);
    c.VMT = abf > 0 && vmtOperation ? abf : Money();
    c.SetEBSVBrutto(Money());
    setzeVormonate(c, vormonate, bisherSV, bisherSV);
    if (svHier && eb > 0) {
      if (mitReduzierterBasis(a) && a.GleitzoneObergrenze > svRegulaer + eb) {
        // Regular pay and payment together stay in the transition zone: the month's total
        // gets the reduced base.
        c.SetSVBrutto(svRegulaer + eb);
      } else {
        // Together at or above the zone's upper limit: the month pays in full.
        if (mitReduzierterBasis(a)) c.SetGleitzone(0);
        c.SetSVBrutto(svRegulaer);
        c.SetEBSVBrutto(eb);
      }
    }
    c.Berechne();
    return c;
  };
  TLohnGehalt c = mitZahlungen ? mitZahlung(true) : a;

  Anteile sv = mitZahlungen ? mehr(c, a) : Anteile{};
  // Not employed in the previous year, a payment stays here, limited by the pro-rated ceiling.
  if (v.ImVorjahrBeschaeftigt && eb > 0 && monat <= 3 && c.EBSVBrutto > 0 &&
      eb > restDerGrenze(c)) {
    if (jahr - 1 < ErstesRechenjahr()) {
      r.meldungen.push_back("Einmalzahlung im laufenden Monat verbeitragt: für " +
                            std::to_string(jahr - 1) + " liegen keine Beitragswerte vor");
    } else {
      // December of the previous year with its ceilings and rates.
      Eingaben d = e;
      d.Jahr = std::to_string(jahr - 1);
      d.MonatNr = 12;
      d.Monat = std::string(kMonatsnamen[11]);
      if (auto satz = KVSatzNachGruppe(jahr - 1, 12, a.BGRKV)) d.KV = *satz + "%";
      d.KVZus = KVZusEingebbar(jahr - 1) ? KVZusVorgabe(jahr - 1) : kKVZusVor2015;
      d.Bezuege.clear();  // the month's grosses with its components are set below
      TLohnGehalt ohne;
      FuelleFall(ohne, d);
      ohne.U1Satz = a.U1Satz;
      ohne.U2Satz = a.U2Satz;
      ohne.SetStBrutto(a.StBrutto);
      ohne.SetSVBrutto(svRegulaer);
      ohne.Berechne();
      TLohnGehalt dezember = ohne;
      setzeVormonate(dezember, 11, Money::runde(a.BemKV * 11), Money::runde(a.BemRV * 11));
      dezember.SetEBSVBrutto(eb);
      dezember.Berechne();
      c = mitZahlung(false);
      sv = mehr(dezember, ohne);
      r.EBBemKV = dezember.EBBemKV;
      r.EBBemRV = dezember.EBBemRV;
      r.Vorjahr = true;
      r.meldungen.push_back("Einmalzahlung dem Vorjahr zugeordnet");
    }
  }
  if (!r.Vorjahr) {
    r.EBBemKV = c.EBBemKV;
    r.EBBemRV = c.EBBemRV;
  }

  // Tax of the payment; none under the employer's flat tax.
  if (eb > 0 && !pauschal) {
    r.LStEinmal = c.LStEB;
    r.SolZEinmal = c.SolZEB;
    r.KiStEinmal = c.KiStEB1 + c.KiStEB2;
    r.AktivrenteEinmal = c.AktivrenteFreiEB;
  }
  r.KVANEinmal = sv.kvAN;
  r.RVANEinmal = sv.rvAN;
  r.AVANEinmal = sv.avAN;
  r.PVANEinmal = sv.pvAN;
  r.SVEinmalAN = sv.kvAN + sv.rvAN + sv.avAN + sv.pvAN;
  r.NettoEinmal = eb - r.LStEinmal - r.SolZEinmal - r.KiStEinmal - r.SVEinmalAN;

  // Severance: the one-fifth rule, or from 2025 a one-time payment on top of the payment.
  if (abf > 0) {
    if (vmtOperation) {
      r.LStAbfindung = c.LStVMT;
      r.SolZAbfindung = c.SolZVMT;
      r.KiStAbfindung = c.KiStVMT1 + c.KiStVMT2;
    } else {
      TLohnGehalt s = a;
      s.JahresHochrechnung = 0;
      s.JRE4 = r.JRE4 + eb - c.AktivrenteFreiEB;
      s.JVBEZ = jahreswerte.JVBEZ;
      // A severance is pay for the years before; the Aktivrente does not free it.
      s.SetAktivrente(0);
      s.SetSonstBezug(abf);
      s.SetEBSVBrutto(Money());
      s.Berechne();
      r.LStAbfindung = s.LStEB;
      r.SolZAbfindung = s.SolZEB;
      r.KiStAbfindung = s.KiStEB1 + s.KiStEB2;
      r.AbfindungAlsEinmalzahlung = true;
      r.meldungen.push_back("Abfindung als sonstiger Bezug versteuert: ab " +
                            std::to_string(kOhneFuenftelungAb) +
                            " keine Fünftelregelung im Lohnsteuerabzug");
    }
  }
  r.NettoAbfindung = abf - r.LStAbfindung - r.SolZAbfindung - r.KiStAbfindung;

  r.NettoRegulaer = NettoFormel(a, brutto + v.BezugsBrutto);
  r.NettoGesamt = r.NettoRegulaer + r.NettoEinmal + r.NettoAbfindung;

  // The employer's side.
  const Anteile ag = anteileVon(a);
  r.KVAGEinmal = sv.kvAG;
  r.RVAGEinmal = sv.rvAG;
  r.AVAGEinmal = sv.avAG;
  r.PVAGEinmal = sv.pvAG;
  r.KVAG = ag.kvAG + sv.kvAG;
  r.RVAG = ag.rvAG + sv.rvAG;
  r.AVAG = ag.avAG + sv.avAG;
  r.PVAG = ag.pvAG + sv.pvAG;
  if (pauschal) r.Pauschsteuer = RundeCent((svRegulaer + eb) * 2 / 100);
  r.InsoUmlage = ag.inso + sv.inso;
  // U1 and U2 are levied on the regular pay only.
  r.UmlageU1 = a.UmlageU1;
  r.UmlageU2 = a.UmlageU2;
  r.Umlagen = r.InsoUmlage + r.UmlageU1 + r.UmlageU2;
  r.Gesamtkosten = brutto + eb + abf + v.BezugsKosten + r.KVAG + r.RVAG + r.AVAG + r.PVAG +
                   r.Pauschsteuer + r.Umlagen;
  return r;
}

}  // namespace salvaro
