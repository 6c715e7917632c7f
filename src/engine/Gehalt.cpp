#include "engine/Gehalt.h"

#include <algorithm>
#include <utility>

#include "money/OruMath.h"
#include "tax/EngineWahl.h"

namespace salvaro {

using namespace literale;

namespace {

// How the payroll case feeds the engines of a year: the flowcharts' inputs changed over time.
struct Eingabeform {
  bool mitAltersjahr;        // ALTER1 and AJAHR from 2006; before, the age relief stays off
  bool jre4MitPeriode;       // 2005: a one-time payment sees JRE4 plus the pay of the period
  bool ebJahresfreibetrag;   // 2005: the one-time payment's annual allowance is its own input
  bool solzInCent;           // before 2008 the surcharge is cut to whole cents
  bool pkpvNachZuschuessen;  // before 2012 the private premium less the employer's subsidies
};

constexpr Eingabeform EingabeformFuer(int jahr) {
  return {
      .mitAltersjahr = jahr >= 2006,
      .jre4MitPeriode = jahr == 2005,
      .ebJahresfreibetrag = jahr == 2005,
      .solzInCent = jahr < 2008,
      .pkpvNachZuschuessen = jahr < 2012,
  };
}

int Ziffer(char c) {
  if (c < '0' || c > '9')
    throw std::invalid_argument("Beitragsgruppe muss aus vier Ziffern bestehen");
  return c - '0';
}

}  // namespace

TLohnGehalt::TLohnGehalt() : TLohnGehalt(EngineFuer) {}

TLohnGehalt::TLohnGehalt(EngineQuelle engineQuelle) : engineQuelle_(std::move(engineQuelle)) {}

void TLohnGehalt::SetRechtskreis(int rechtskreis) {
  Rechtskreis = rechtskreis;
  // The pension ceiling follows the legal area even when the year was set first.
  if (werte_ != nullptr) BBGRV = Rechtskreis == 1 ? werte_->BBGRVWest : werte_->BBGRVOst;
}

void TLohnGehalt::SetJahr(int jahr) {
  Jahr = jahr;
  Monat = 1;
  SetBGR("1111");
  KVStatus = RVStatus = AVStatus = PVStatus = 0;
  // A whole month for tax as for social insurance: 0 days would divide the pay by zero.
  StTage = SVTage = 30;
  StKl = 1;
  LZZ = 2;
  Gleitzone = 1;
  PVErhoeht = 1;
  VerzichtRVFreiheit = FrwTatsBrutto = 0;
  KiStLand = 12;
  ALTER1 = KRV = 0;
  KiFB = 0;
  StFB = Money();
  KVSatz = 13_m;
  VBEZ = VBS = Money();
  SetVersorgungsbezug(Money(), Versorgungsbezugsart::Keine, 0, 0);
  Geringverdienergrenze = 325_m;
  LadePeriode();
}

void TLohnGehalt::SetBGR(std::string_view bgr) {
  if (bgr.size() != 4) throw std::invalid_argument("Beitragsgruppe muss aus vier Ziffern bestehen");
  const int kv = Ziffer(bgr[0]), rv = Ziffer(bgr[1]), av = Ziffer(bgr[2]), pv = Ziffer(bgr[3]);
  BGR = bgr;
  BGRKV = kv;
  BGRRV = rv;
  BGRAV = av;
  BGRPV = pv;
}

void TLohnGehalt::SetMonat(int monat) {
  Monat = monat;
  LadePeriode();
  if (werte_ == nullptr) return;
  if (werte_->KVSatzVorgabe > 0)
    KVSatz = BGRKV == 3 ? werte_->KVSatzVorgabeErmaessigt : werte_->KVSatzVorgabe;
}

// The parameters of Jahr and Monat. A year without values clears them, so that nothing of
// another year is used; Berechne then refuses the period.
void TLohnGehalt::LadePeriode() {
  werte_ = BeitragsjahrFuer(Jahr);
  if (werte_ == nullptr) {
    BBGKV = BBGRV = RVSatz = AVSatz = PVSatz = Money();
    KVSatzZuschuss = PKVHoechstzuschuss = PPVHoechstzuschuss = Money();
    GleitzoneObergrenze = GleitzoneFaktor = GleitzoneUntergrenze = Money();
    InsoUmlageSatz = ZwanzigstelBezugsgroesse = Money();
    return;
  }
  const Beitragsjahr& w = *werte_;
  BBGKV = w.BBGKV;
  BBGRV = Rechtskreis == 1 ? w.BBGRVWest : w.BBGRVOst;
  RVSatz = w.RVSatz;
  AVSatz = w.AVSatz;
  PVSatz = w.PVSatz.in(Monat);
  // Half the care contribution for the care digit 2.
  if (BGRPV == 2) PVSatz = Money::runde(PVSatz / 2);
  KVSatzZuschuss = w.KVSatzZuschuss.in(Monat);
  PKVHoechstzuschuss = w.PKVHoechstzuschuss.in(Monat);
  PPVHoechstzuschuss = w.PPVHoechstzuschuss.in(Monat);
  GleitzoneObergrenze = w.GleitzoneObergrenze.in(Monat);
  GleitzoneFaktor = w.GleitzoneFaktor.in(Monat);
  GleitzoneUntergrenze = w.GleitzoneUntergrenze.in(Monat);
  InsoUmlageSatz = w.InsoUmlageSatz;
  ZwanzigstelBezugsgroesse = w.ZwanzigstelBezugsgroesse;
}

void TLohnGehalt::SetPVErhoeht(int erhoeht) {
  // The surcharge for the childless exists from 2005.
  PVErhoeht = Jahr < 2005 ? 0 : erhoeht;
}

void TLohnGehalt::SetSVBrutto(Money betrag) {
  svBruttoGesetzt_ = betrag;
  SVBrutto = betrag;
  SVBemessung = SVBemessungFuer(betrag);
}

Money TLohnGehalt::SVBemessungFuer(Money AE) const {
  // Marginal employment has flat rates on the actual pay.
  if (BGRRV == 5 || BGRKV == 6) return AE;
  if (Gleitzone == 1 && Versorgungsart == 0 && GleitzoneObergrenze > AE)
    return BerechneGleitzonenBemessung(AE);
  return AE;
}

void TLohnGehalt::SetFaktor(Money faktor) {
  if (StKl == 4) {
    Faktor = faktor;
    AF = faktor > 0 ? 1 : 0;
  } else {
    Faktor = Money();
    AF = 0;
  }
}

void TLohnGehalt::SetStFB(Money betrag) {
  StFB = Money::runde(betrag * 100);
}

void TLohnGehalt::Berechne() {
  werte_ = BeitragsjahrFuer(Jahr);
  if (werte_ == nullptr)
    throw ZeitraumFehler("Für das Jahr " + std::to_string(Jahr) +
                         " sind keine Beitragswerte hinterlegt");
  if (Monat < 1 || Monat > 12)
    throw ZeitraumFehler("Ungültiger Abrechnungsmonat " + std::to_string(Monat));
  if (!engine_.engine || engine_.jahr != Jahr || engine_.monat != Monat) {
    engine_.engine = engineQuelle_ ? engineQuelle_(Jahr, Monat) : nullptr;
    engine_.jahr = Jahr;
    engine_.monat = Monat;
  }
  OruSteuern* const engine = engine_.engine.get();
  if (!engine)
    throw ZeitraumFehler("Für " + std::to_string(Monat) + "/" + std::to_string(Jahr) +
                         " gibt es keine Lohnsteuerberechnung");

  // Working values start from the inputs on every calculation, so nothing accumulates.
  SVBrutto = svBruttoGesetzt_;
  SVBemessung = SVBemessungFuer(svBruttoGesetzt_);
  Minijob = BGRKV == 6 || BGRRV == 5 ? 1 : 0;

  // The supplementary pension adds to the pay of the period; a daily split comes after it.
  BerechneZusatzversorgung();
  stBruttoPeriode_ = StBrutto + ZVSteuerpflichtig;
  LZZ = StTage < 30 ? 4 : 2;
  // The engine taxes the pay less the Aktivrente's free part, and a pension paid with it.
  BerechneAlter();
  const Money re4Periode = stBruttoPeriode_ - AktivrenteFrei + Versorgungsbezug;
  RE4 = LZZ == 4 ? RundeCent(re4Periode / StTage) : re4Periode;

  BerechneBemessung();
  const Money pkpv = PKPVFuerSteuer();

  // 2009: the health rate was fixed by law.
  if (werte_->KVSatzFest.in(Monat) > 0)
    KVSatz = BGRKV == 3 ? werte_->KVSatzFestErmaessigt.in(Monat) : werte_->KVSatzFest.in(Monat);

  if (JahresHochrechnung == 1 && (SonstBezug != 0 || VMT != 0)) {
    JRE4 = Money::runde(stBruttoPeriode_ * 12);
    JVBEZ = Money::runde(VBEZ * 12);
  }

  if (EBSVBrutto != 0) {
    BerechneEinmalbezugSV();
  } else {
    EBBemKV = EBBemRV = Money();
    KVANEB = RVANEB = AVANEB = PVANEB = KVAGEB = RVAGEB = AVAGEB = PVAGEB = Money();
  }

  const Eingabeform form = EingabeformFuer(Jahr);
  // Without a year of birth there is no age relief (a 0 would make everyone old enough).
  const bool gebJahrBekannt = GebJahr > 0;
  ALTER1 = form.mitAltersjahr && gebJahrBekannt && GebJahr <= Jahr - 65 ? 1 : 0;
  AJAHR = form.mitAltersjahr && gebJahrBekannt ? GebJahr + 65 : 0;

  BerechneSteuern(*engine, pkpv);

  KVAN = BerechneKVAN();
  KVAG = BerechneKVAG();
  RVAN = BerechneRVAN();
  RVAG = BerechneRVAG();
  AVAN = BerechneAVAN();
  AVAG = BerechneAVAG();
  PVAN = BerechnePVAN();
  PVAG = BerechnePVAG();
  BerechneVersorgungsbeitraege();
  BerechneUmlagen();
  BerechneAufstockung();
  BerechneKammerbeitrag();
}

// The private health and care premium the wage tax deducts. Before 2012 the flowchart wanted it
// less the employer's subsidies.
Money TLohnGehalt::PKPVFuerSteuer() const {
  if (KVStatus != 3 && KVStatus != 4 && KVStatus != 5) return Money();
  Money p = PKPV;
  if (EingabeformFuer(Jahr).pkpvNachZuschuessen && p > 0 && (KVStatus == 3 || KVStatus == 4))
    p = p - BerechneKVAG() - BerechnePVAG();
  return p;
}

void TLohnGehalt::BerechneSteuern(OruSteuern& engine, Money pkpv) {
  const Eingabeform form = EingabeformFuer(Jahr);
  LSt = SolZ = KiSt = KiStAnteil1 = KiStAnteil2 = ZVE = Money();
  LStEB = SolZEB = KiStEB1 = KiStEB2 = Money();
  LStVMT = SolZVMT = KiStVMT1 = KiStVMT2 = Money();

  LohnsteuerEingabe e;
  e.AJAHR = AJAHR;
  e.ALTER1 = ALTER1;
  // A pension typed with the case gives the flowchart's pension inputs; the first full month's
  // pension is taken as the one of the period.
  const bool mitBezug = Versorgungsbezug > 0;
  const Money bezugPeriode =
      LZZ == 4 && mitBezug ? RundeCent(Versorgungsbezug / StTage) : Versorgungsbezug;
  e.VJAHR = mitBezug ? VersorgungsbeginnJahr : VJAHR;
  e.ZMVB = mitBezug ? VersorgungsmonateImJahr() : ZMVB;
  e.RE4 = RE4;
  e.FreibetragLzz = Money::runde(StFB / 100);
  e.FreibetragJahr = form.ebJahresfreibetrag ? EBJahresfreibetrag : Money::runde(StFB * 12 / 100);
  e.VMT = VMT;
  e.ENTSCH = ENTSCH;
  e.JRE4ENT = JRE4ENT;
  e.SONSTENT = SONSTENT;
  e.VBEZ = VBEZ + bezugPeriode;
  e.VBS = VBS;
  e.VBEZM = mitBezug ? Versorgungsbezug : VBEZM;
  e.VBEZS = VBEZS;
  e.JVBEZ = JVBEZ;
  e.PKPV = pkpv;
  e.f = Faktor;
  e.AF = AF;
  e.KVZ = KVZusBeitrag;
  e.ZKF = KiFB;
  e.STKL = StKl;
  e.LZZ = LZZ;
  KRVSteuer = KRVFuerSteuer();
  e.KRV = KRVSteuer;
  e.PKV = PKV;
  e.PVS = PVSachsen;
  e.PVZ = PVErhoeht;
  // From 2024 the engines take the care reductions for children, from 2026 the unemployment
  // insurance and the employer's subsidy to a private premium.
  e.PVA = PVErhoeht == 1 ? 0 : std::clamp(KinderUnter25 - 1, 0, 4);
  e.ALV = BGRAV == 0 ? 1 : 0;
  if (KVStatus == 3 || KVStatus == 4) e.PKPVAGZ += BerechneKVAG();
  if (PVStatus == 3 || PVStatus == 4) e.PKPVAGZ += BerechnePVAG();

  LSt = engine.LohnsteuerLfd(e);
  ZVE = engine.ZuVersteuerndesEinkommen();
  SolZ = engine.SolzLfd();
  // The older engines give the surcharge in cents with fractions; whole cents count.
  if (form.solzInCent) SolZ = Money::runde(AbrundenEuro(engine.Ausgaben().SOLZLZZ) / 100);

  // "keine Kirchensteuer" (state 0) is never liable, whatever the kind says.
  const int pflichtig = Konfession != 4 && KiStLand != 0 ? 1 : 0;
  const Money landesSatz = KiStLand != 0 ? 99_m : Money();
  KiSt = engine.KirchensteuerLfd(pflichtig, KiStLand, 1, 0, Money(), landesSatz);
  KiStAnteil1 = engine.KirchensteuerLfd(pflichtig, KiStLand, Konfession, 1, Money(), Money());
  KiStAnteil2 = engine.KirchensteuerLfd(pflichtig, KiStLand, Konfession, 0, Money(), Money());

  if (SonstBezug > 0 && engine.HatEinmalbezug()) {
    const Money jre4 = form.jre4MitPeriode ? JRE4 + stBruttoPeriode_ : JRE4;
    LStEB = engine.LohnsteuerEB(SonstBezug - AktivrenteFreiEB, jre4, JVBEZ, VBS);
    SolZEB = engine.SolzEB();
    KiStEB1 = engine.KirchensteuerEB(pflichtig, KiStLand, Konfession, 1, 0, Money(), Money());
    KiStEB2 = engine.KirchensteuerEB(pflichtig, KiStLand, Konfession, 0, 0, Money(), Money());
  }
  if (VMT > 0 && engine.HatVMT()) {
    LStVMT = engine.LohnsteuerVMT(SonstBezug - AktivrenteFreiEB, JRE4);
    SolZVMT = engine.SolzVMT();
    KiStVMT1 = engine.KirchensteuerEB(pflichtig, KiStLand, Konfession, 1, 1, Money(), Money());
    KiStVMT2 = engine.KirchensteuerEB(pflichtig, KiStLand, Konfession, 0, 1, Money(), Money());
  }

  // A daily wage was taxed per day; the period has StTage of them.
  if (LZZ == 4) {
    for (Money* m : {&LSt, &SolZ, &KiSt, &KiStAnteil1, &KiStAnteil2}) *m = RundeCent(*m * StTage);
  }
}

}  // namespace salvaro
