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
  a.kvAN = KVAbzug(f) + f.KVANEB;
  a.pvAN = PVAbzug(f) + f.PVANEB;
  a.rvAN = f.RVAN + f.RVANEB;
  a.avAN = f.AVAN + f.AVANEB;
  a.kvAG = f.KVAG + f.KVAGEB;
  a.rvAG = f.RVAG + f.RVAGEB;
  a.avAG = f.AVAG + f.AVAGEB;
  a.pvAG = f.PVAG + f.PVAGEB;
  a.inso = f.InsoUmlage;
  return a;
}

Anteile operator-(const Anteile& m, const Anteile& o) {
  return {m.kvAN - o.kvAN, m.rvAN - o.rvAN, m.avAN - o.avAN, m.pvAN - o.pvAN, m.kvAG - o.kvAG,
          m.rvAG - o.rvAG, m.avAG - o.avAG, m.pvAG - o.pvAG, m.inso - o.inso};
}

// What the case mit costs more than the case ohne.
Anteile mehr(const TLohnGehalt& mit, const TLohnGehalt& ohne) {
  return anteileVon(mit) - anteileVon(ohne);
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
  return LiesFeldOderNull(text);
}

// The taxes of one kind of payment.
struct Steuern {
  Money LSt, SolZ, KiSt;
};

Steuern operator-(const Steuern& m, const Steuern& o) {
  return {m.LSt - o.LSt, m.SolZ - o.SolZ, m.KiSt - o.KiSt};
}

Steuern einmalSteuern(const TLohnGehalt& f) { return {f.LStEB, f.SolZEB, f.KiStEB1 + f.KiStEB2}; }
Steuern vmtSteuern(const TLohnGehalt& f) { return {f.LStVMT, f.SolZVMT, f.KiStVMT1 + f.KiStVMT2}; }

// The regular case with the taxed payments of the month set: the payment SONSTB with the annual
// wage JRE4 and its compensation part SONSTENT, the several years' pay VMT with its compensation
// part ENTSCH, and the year's pension payments JVBEZ. No one-time pay for social insurance yet.
TLohnGehalt mitSteuerbetraegen(const TLohnGehalt& a, Money jre4, Money jvbez, Money sonstb,
                               Money sonstent, Money vmt, Money entsch) {
  TLohnGehalt c = a;
  c.JahresHochrechnung = 0;
  c.JRE4 = jre4;
  c.JVBEZ = jvbez;
  c.SetSonstBezug(sonstb);
  c.SONSTENT = sonstent;
  c.VMT = vmt;
  c.ENTSCH = entsch;
  c.SetEBSVBrutto(Money());
  return c;
}

// The contributions on the month's one-time pay.
struct Beitraege {
  TLohnGehalt fall;  // the month computed with it (and with the taxed payments it was given)
  Anteile sv;        // what it costs more than the regular month
  Money EBBemKV, EBBemRV;
  bool vorjahr = false;    // they belong to December of the previous year
  bool ueberZone = false;  // it lifts the month above the transition zone
  std::vector<std::string> meldungen;
};

// c: the regular case a with the taxed payments set (mitSteuerbetraegen); zahlung: the one-time
// pay for social insurance; bisherSV: the regular gross of the earlier months.
Beitraege beitraege(const TLohnGehalt& a, TLohnGehalt c, const Eingaben& e, bool imVorjahr,
                    Money zahlung, Money bisherSV) {
  const int jahr = a.Jahr, monat = a.Monat;
  const Money svRegulaer = a.SVBrutto;
  setzeVormonate(c, monat - 1, bisherSV, bisherSV);
  const TLohnGehalt steuerfall = c;
  Beitraege b{std::move(c), {}, {}, {}, false, false, {}};
  TLohnGehalt& f = b.fall;
  if (zahlung > 0) {
    if (mitReduzierterBasis(a) && a.GleitzoneObergrenze > svRegulaer + zahlung) {
      // Regular pay and payment together stay in the transition zone: the month's total gets
      // the reduced base.
      f.SetSVBrutto(svRegulaer + zahlung);
    } else {
      // Together at or above the zone's upper limit: the month pays in full.
      if (mitReduzierterBasis(a)) {
        f.SetGleitzone(0);
        b.ueberZone = true;
      }
      f.SetSVBrutto(svRegulaer);
      f.SetEBSVBrutto(zahlung);
    }
  }
  f.Berechne();
  b.sv = mehr(f, a);
  b.EBBemKV = f.EBBemKV;
  b.EBBemRV = f.EBBemRV;
  // Not employed in the previous year, a payment stays here, limited by the pro-rated ceiling.
  if (!imVorjahr || zahlung <= 0 || monat > 3 || f.EBSVBrutto <= 0 || zahlung <= restDerGrenze(f))
    return b;
  if (jahr - 1 < ErstesRechenjahr()) {
    b.meldungen.push_back("Einmalzahlung im laufenden Monat verbeitragt: für " +
                          std::to_string(jahr - 1) + " liegen keine Beitragswerte vor");
    return b;
  }
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
  dezember.SetEBSVBrutto(zahlung);
  dezember.Berechne();
  // This month keeps the taxes only.
  f = steuerfall;
  f.Berechne();
  b.sv = mehr(dezember, ohne);
  b.EBBemKV = dezember.EBBemKV;
  b.EBBemRV = dezember.EBBemRV;
  b.vorjahr = true;
  b.ueberZone = false;
  b.meldungen.push_back("Einmalzahlung dem Vorjahr zugeordnet");
  return b;
}

void setzeSV(Money& kv, Money& rv, Money& av, Money& pv, Money& summe, const Anteile& sv) {
  kv = sv.kvAN;
  rv = sv.rvAN;
  av = sv.avAN;
  pv = sv.pvAN;
  summe = sv.kvAN + sv.rvAN + sv.avAN + sv.pvAN;
}

}  // namespace

Einmalvorgaben EinmalvorgabenAus(const Eingaben& e) {
  Einmalvorgaben v;
  v.Einmalzahlung = LiesFeldOderNull(e.Einmalzahlung);
  if (!e.JahresbruttoBisher.empty()) v.JahresbruttoBisher = LiesFeld(e.JahresbruttoBisher);
  v.ImVorjahrBeschaeftigt = e.ImVorjahrBeschaeftigt;
  v.Abfindung = LiesFeldOderNull(e.Abfindung);
  v.MehrjaehrigeVerguetung = LiesFeldOderNull(e.MehrjaehrigeVerguetung);
  v.PauschsteuerAG = e.PauschsteuerAG;
  return v;
}

Money UmlagesatzAus(const std::string& text) { return satzFeld(text); }

Einmalergebnis BerechneEinmalzahlung(const TLohnGehalt& a, Money brutto, const Eingaben& e,
                                     const Einmalvorgaben& v) {
  Einmalergebnis r;
  const int jahr = a.Jahr, monat = a.Monat;
  const Money eb = v.Einmalzahlung, mv = v.MehrjaehrigeVerguetung, abf = v.Abfindung;
  // Payment and several years' pay are the month's one-time pay for social insurance.
  const Money ebSV = eb + mv;
  const Money svRegulaer = a.SVBrutto;
  const bool pauschal = v.PauschsteuerAG && a.Minijob == 1;

  if (eb < 0 || mv < 0 || abf < 0 || (v.JahresbruttoBisher && *v.JahresbruttoBisher < 0)) {
    r.abgelehnt = true;
    r.meldungen.push_back(
        "Einmalzahlung, mehrjährige Vergütung, Abfindung und Jahresbrutto bisher dürfen nicht "
        "negativ sein");
    return r;
  }
  if (monat == 1 && v.JahresbruttoBisher && *v.JahresbruttoBisher != 0) {
    r.abgelehnt = true;
    r.meldungen.push_back("Jahresbrutto bisher: " + std::string(kImJanuarKeineVormonate));
    return r;
  }
  // Without payments only the employer's side remains: no engine, no second case.
  const bool mitZahlungen = eb > 0 || mv > 0 || abf > 0;
  const std::unique_ptr<OruSteuern> engine = mitZahlungen ? EngineFuer(jahr, monat) : nullptr;
  const bool einmalOperation = engine && engine->HatEinmalbezug();
  const bool vmtOperation = engine && engine->HatVMT();
  // From 2025 the flowchart taxes several years' pay and severance as one-time payments.
  const bool alsEinmalzahlung = !vmtOperation && jahr >= kOhneFuenftelungAb && einmalOperation;
  const auto nichtBerechenbar = [&](const char* was) {
    r.abgelehnt = true;
    r.meldungen.push_back(std::string("Die Lohnsteuer ") + was + " ist für " +
                          std::to_string(jahr) + " nicht berechenbar");
  };
  if (eb > 0 && !einmalOperation) nichtBerechenbar("einer Einmalzahlung");
  if (mv > 0 && !vmtOperation && !alsEinmalzahlung) nichtBerechenbar("einer mehrjährigen Vergütung");
  if (abf > 0 && !vmtOperation && !alsEinmalzahlung) nichtBerechenbar("einer Abfindung");
  if (r.abgelehnt) return r;

  const int vormonate = monat - 1;
  const Money bisherSt = v.JahresbruttoBisher.value_or(Money::runde(a.StBrutto * vormonate));
  const Money bisherSV = v.JahresbruttoBisher.value_or(Money::runde(svRegulaer * vormonate));
  r.JRE4 = bisherSt + Money::runde(a.StBrutto * (13 - monat));
  // The rules of age: the Aktivrente's free parts out, the pension payments of the year in.
  const JahreswerteEinmalzahlung jahreswerte = JahreswerteMitAlter(a, r.JRE4, bisherSt);
  r.JRE4 = jahreswerte.JRE4;

  // The month with its payments: the taxes of the payment and, where the flowchart has the
  // operation, of several years' pay and severance together; the contributions on the one-time
  // pay.
  const Money vmt = vmtOperation ? mv + abf : Money(), entsch = vmtOperation ? abf : Money();
  const Beitraege b =
      mitZahlungen ? beitraege(a, mitSteuerbetraegen(a, r.JRE4, jahreswerte.JVBEZ, eb, Money(), vmt, entsch), e,
                               v.ImVorjahrBeschaeftigt, ebSV, bisherSV)
                   : Beitraege{a, {}, {}, {}, false, false, {}};
  const TLohnGehalt& c = b.fall;
  for (const std::string& m : b.meldungen) r.meldungen.push_back(m);
  r.EBBemKV = b.EBBemKV;
  r.EBBemRV = b.EBBemRV;
  r.Vorjahr = b.vorjahr;

  // The contributions of several years' pay: what the month costs more than with the payment
  // alone.
  Anteile svEinmal = b.sv, svMehrjaehrig;
  if (mv > 0) {
    svEinmal = eb > 0 ? beitraege(a, a, e, v.ImVorjahrBeschaeftigt, eb, bisherSV).sv : Anteile{};
    svMehrjaehrig = b.sv - svEinmal;
  }

  // Tax of the payment; none under the employer's flat tax.
  if (eb > 0 && !pauschal) {
    const Steuern s = einmalSteuern(c);
    r.LStEinmal = s.LSt;
    r.SolZEinmal = s.SolZ;
    r.KiStEinmal = s.KiSt;
    r.AktivrenteEinmal = c.AktivrenteFreiEB;
  }
  setzeSV(r.KVANEinmal, r.RVANEinmal, r.AVANEinmal, r.PVANEinmal, r.SVEinmalAN, svEinmal);
  r.NettoEinmal = eb - r.LStEinmal - r.SolZEinmal - r.KiStEinmal - r.SVEinmalAN;

  // Several years' pay and severance: the one-fifth rule on both, the severance's part being
  // what it adds to the several years' pay; or from 2025 one-time payments on top of the payment,
  // several years' pay first.
  Steuern mehrjaehrig, abfindung;
  if (vmtOperation) {
    const Steuern beide = vmtSteuern(c);
    if (mv > 0 && abf > 0) {
      TLohnGehalt nurMv =
          mitSteuerbetraegen(a, r.JRE4, jahreswerte.JVBEZ, eb, Money(), mv, Money());
      nurMv.Berechne();
      mehrjaehrig = vmtSteuern(nurMv);
      abfindung = beide - mehrjaehrig;
    } else {
      (mv > 0 ? mehrjaehrig : abfindung) = beide;
    }
  } else if (mv > 0 || abf > 0) {
    const auto sonstigerBezug = [&](Money jre4, Money betrag, Money entschaedigung) {
      TLohnGehalt s =
          mitSteuerbetraegen(a, jre4, jahreswerte.JVBEZ, betrag, entschaedigung, Money(), Money());
      // Pay for the years before: the Aktivrente does not free it.
      s.SetAktivrente(0);
      s.Berechne();
      return einmalSteuern(s);
    };
    // The payment joins the annual wage with its taxable part.
    const Money jre4 = r.JRE4 + eb - c.AktivrenteFreiEB;
    if (mv > 0) mehrjaehrig = sonstigerBezug(jre4, mv, Money());
    if (abf > 0) abfindung = sonstigerBezug(jre4 + mv, abf, abf);
    r.AbfindungAlsEinmalzahlung = true;
    const std::string ohneFuenftel =
        " als sonstiger Bezug versteuert: ab " + std::to_string(kOhneFuenftelungAb) +
        " keine Fünftelregelung im Lohnsteuerabzug";
    if (mv > 0) r.meldungen.push_back("Mehrjährige Vergütung" + ohneFuenftel);
    if (abf > 0) r.meldungen.push_back("Abfindung" + ohneFuenftel);
  }
  // Under the employer's flat tax several years' pay carries no tax of the employee either.
  if (pauschal) mehrjaehrig = {};
  r.LStMehrjaehrig = mehrjaehrig.LSt;
  r.SolZMehrjaehrig = mehrjaehrig.SolZ;
  r.KiStMehrjaehrig = mehrjaehrig.KiSt;
  setzeSV(r.KVANMehrjaehrig, r.RVANMehrjaehrig, r.AVANMehrjaehrig, r.PVANMehrjaehrig,
          r.SVMehrjaehrigAN, svMehrjaehrig);
  r.NettoMehrjaehrig =
      mv - r.LStMehrjaehrig - r.SolZMehrjaehrig - r.KiStMehrjaehrig - r.SVMehrjaehrigAN;
  r.LStAbfindung = abfindung.LSt;
  r.SolZAbfindung = abfindung.SolZ;
  r.KiStAbfindung = abfindung.KiSt;
  r.NettoAbfindung = abf - r.LStAbfindung - r.SolZAbfindung - r.KiStAbfindung;

  r.NettoRegulaer = NettoFormel(a, brutto + v.BezugsBrutto);
  r.NettoGesamt = r.NettoRegulaer + r.NettoEinmal + r.NettoMehrjaehrig + r.NettoAbfindung;

  // The employer's side.
  const Anteile ag = anteileVon(a);
  const Anteile& sv = b.sv;
  r.KVAGEinmal = sv.kvAG;
  r.RVAGEinmal = sv.rvAG;
  r.AVAGEinmal = sv.avAG;
  r.PVAGEinmal = sv.pvAG;
  r.KVAG = ag.kvAG + sv.kvAG;
  r.RVAG = ag.rvAG + sv.rvAG;
  r.AVAG = ag.avAG + sv.avAG;
  r.PVAG = ag.pvAG + sv.pvAG;
  if (pauschal) r.Pauschsteuer = RundeCent((svRegulaer + ebSV) * 2 / 100);
  r.InsoUmlage = ag.inso + sv.inso;
  // U1 and U2 are levied on the regular pay only: on its reduced base in the transition zone, on
  // the actual pay in a month that the one-time pay lifts above the zone (joint circular on the
  // transition zone of 21.03.2019, 5.3.8).
  const TLohnGehalt& umlagen = b.ueberZone ? c : a;
  r.UmlageU1 = umlagen.UmlageU1;
  r.UmlageU2 = umlagen.UmlageU2;
  r.Umlagen = r.InsoUmlage + r.UmlageU1 + r.UmlageU2;
  r.Gesamtkosten = brutto + eb + mv + abf + v.BezugsKosten + r.KVAG + r.RVAG + r.AVAG + r.PVAG +
                   r.Pauschsteuer + r.Umlagen;
  return r;
}

}  // namespace salvaro
