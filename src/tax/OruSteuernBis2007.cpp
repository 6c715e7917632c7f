#include "tax/OruSteuernBis2007.h"

#include "money/OruMath.h"
#include "tax/Kirchensteuer.h"
#include "tax/Versorgung.h"

namespace salvaro {

using namespace literale;
using pap::cent;
using pap::euro;
using pap::Rundung;

namespace {

constexpr pap::Tarif kTarif2004{
    .zone2Ab = Money::euro(7665),
    .s1 = Money::euro(7664),
    .a1 = 793.10_x,
    .c1 = 1600_x,
    .zone3Ab = Money::euro(12740),
    .s2 = Money::euro(12739),
    .a2 = 265.78_x,
    .c2 = 2405_x,
    .k2 = 1016_x,
    .zone4Ab = Money::euro(52152),
    .satz4 = 0.45_x,
    .k3 = 8845_x,
    .zone5Ab = Money(),
    .k4 = 0_x,
    .W1STKL5 = Money::euro(9228),
    .W2STKL5 = Money::euro(26072),
    .W3STKL5 = Money(),
    .satz5_6 = 0.45_x,
    .mindestSatz = 0.16_x,
};

constexpr pap::Tarif kTarif2005{
    .zone2Ab = Money::euro(7665),
    .s1 = Money::euro(7664),
    .a1 = 883.74_x,
    .c1 = 1500_x,
    .zone3Ab = Money::euro(12740),
    .s2 = Money::euro(12739),
    .a2 = 228.74_x,
    .c2 = 2397_x,
    .k2 = 989_x,
    .zone4Ab = Money::euro(52152),
    .satz4 = 0.42_x,
    .k3 = 7914_x,
    .zone5Ab = Money(),
    .k4 = 0_x,
    .W1STKL5 = Money::euro(9144),
    .W2STKL5 = Money::euro(25812),
    .W3STKL5 = Money(),
    .satz5_6 = 0.42_x,
    .mindestSatz = 0.15_x,
};

// The engines of 2004 and 2005 store the argument of each rounding step.
constexpr pap::Tarif gespeichertGerundet(pap::Tarif t) {
  t.gespeichertRunden = true;
  return t;
}

// 2007 added the 45 % zone from 250,001 and with it the third class V/VI limit of 200,000.
constexpr pap::Tarif tarif2007() {
  pap::Tarif t = kTarif2005;
  t.zone5Ab = Money::euro(250001);
  t.k4 = 15414_x;
  t.W3STKL5 = Money::euro(200000);
  return t;
}

constexpr JahrBis2007 kJahre[] = {
    {
        .name = "OruSteuern2004",
        .jahr = 2004,
        .tarif = gespeichertGerundet(kTarif2004),
        .gespeichertRunden = true,
        .versorgung = Versorgungsfreibetrag::AusPeriodenbezug,
        .tabellen = false,
        .VBSatz = 0.4_x,
        .VBHoechst = Money::euro(3072),
        .VBZuschlag = Money(),
        .ALTESatz = 0.4_x,
        .ALTEHoechst = Money::euro(1908),
        .hoechstNachMonaten = false,
        .freibetragRundung = Rundung::AufrundenEuro,
        .anp = Arbeitnehmerpauschbetrag::Immer,
        .versorgungsPauschbetrag = Money(),
        .FVBZBeiNullVersorgung = false,
        .KFBVoll = Money::euro(5808),
        .KFBHalb = Money::euro(2904),
        .nullNachPeriodenbetrag = false,
        .BBGRV = Money(),
        .RVAnteil = 0_x,
        .RVSATZAN = 0_x,
        .VSP1Rundung = Rundung::Keine,
        .VSPNRundung = Rundung::Keine,
        .vorsorgeAlt = {.VSPO = Rundung::RundeCent,
                        .ergebnis = Rundung::AbEuro,
                        .kurz = Rundung::AbEuro,
                        .restHaelfte = Rundung::Keine},
        .mitEinmalbezug = false,
    },
    {
        .name = "OruSteuern2005",
        .jahr = 2005,
        .tarif = gespeichertGerundet(kTarif2005),
        .gespeichertRunden = true,
        .versorgung = Versorgungsfreibetrag::AusJahresbezug,
        .tabellen = false,
        .VBSatz = 0.4_x,
        .VBHoechst = Money::euro(3000),
        .VBZuschlag = Money::euro(900),
        .ALTESatz = 0.4_x,
        .ALTEHoechst = Money::euro(1900),
        .hoechstNachMonaten = false,
        .freibetragRundung = Rundung::AufrundenEuro,
        .anp = Arbeitnehmerpauschbetrag::WennLohn,
        .versorgungsPauschbetrag = Money::euro(102),
        .FVBZBeiNullVersorgung = false,
        .KFBVoll = Money::euro(5808),
        .KFBHalb = Money::euro(2904),
        .nullNachPeriodenbetrag = false,
        .BBGRV = Money::euro(62400),
        .RVAnteil = 0.20_x,
        .RVSATZAN = 0.0975_x,
        .VSP1Rundung = Rundung::Keine,
        .VSPNRundung = Rundung::AufrundenEuro,
        .vorsorgeAlt = {.VSPO = Rundung::AbCent,
                        .ergebnis = Rundung::AufrundenEuro,
                        .kurz = Rundung::AufrundenEuro,
                        .restHaelfte = Rundung::AufrundenCent},
        .mitEinmalbezug = true,
    },
    {
        .name = "OruSteuern2006",
        .jahr = 2006,
        .tarif = kTarif2005,
        .gespeichertRunden = false,
        .versorgung = Versorgungsfreibetrag::AusJahresbezug,
        .tabellen = true,
        .VBSatz = 0_x,
        .VBHoechst = Money(),
        .VBZuschlag = Money(),
        .ALTESatz = 0_x,
        .ALTEHoechst = Money(),
        .hoechstNachMonaten = true,
        .freibetragRundung = Rundung::AufEuro,
        .anp = Arbeitnehmerpauschbetrag::HoechstensLohn,
        .versorgungsPauschbetrag = Money::euro(102),
        .FVBZBeiNullVersorgung = false,
        .KFBVoll = Money::euro(5808),
        .KFBHalb = Money::euro(2904),
        .nullNachPeriodenbetrag = false,
        .BBGRV = Money::euro(63000),
        .RVAnteil = 0.24_x,
        .RVSATZAN = 0.0975_x,
        .VSP1Rundung = Rundung::AbCent,
        .VSPNRundung = Rundung::AufEuro,
        .vorsorgeAlt = {.VSPO = Rundung::Keine,
                        .ergebnis = Rundung::AufEuro,
                        .kurz = Rundung::AufCent,
                        .restHaelfte = Rundung::AufCent},
        .mitEinmalbezug = false,
    },
    {
        .name = "OruSteuern2007",
        .jahr = 2007,
        .tarif = tarif2007(),
        .gespeichertRunden = false,
        .versorgung = Versorgungsfreibetrag::AusJahresbezug,
        .tabellen = true,
        .VBSatz = 0_x,
        .VBHoechst = Money(),
        .VBZuschlag = Money(),
        .ALTESatz = 0_x,
        .ALTEHoechst = Money(),
        .hoechstNachMonaten = true,
        .freibetragRundung = Rundung::AufCent,
        .anp = Arbeitnehmerpauschbetrag::HoechstensLohn,
        .versorgungsPauschbetrag = Money::euro(102),
        .FVBZBeiNullVersorgung = true,
        .KFBVoll = Money::euro(5808),
        .KFBHalb = Money::euro(2904),
        .nullNachPeriodenbetrag = true,
        .BBGRV = Money::euro(63000),
        .RVAnteil = 0.28_x,
        .RVSATZAN = 0.0995_x,
        .VSP1Rundung = Rundung::AbCent,
        .VSPNRundung = Rundung::AufEuro,
        .vorsorgeAlt = {.VSPO = Rundung::Keine,
                        .ergebnis = Rundung::AbEuro,
                        .kurz = Rundung::AbEuro,
                        .restHaelfte = Rundung::AufCent},
        .mitEinmalbezug = false,
    },
};

constexpr bool tarifRundetWieDasJahr() {
  for (const JahrBis2007& j : kJahre)
    if (j.tarif.gespeichertRunden != j.gespeichertRunden) return false;
  return true;
}
static_assert(tarifRundetWieDasJahr(), "the tariff of a year rounds as the year's other steps");

}  // namespace

std::span<const JahrBis2007> JahreBis2007() {
  return kJahre;
}

const JahrBis2007* JahrBis2007NachName(std::string_view name) {
  for (const JahrBis2007& j : kJahre)
    if (j.name == name) return &j;
  return nullptr;
}

Money OruSteuernBis2007::ab(int stellen, Ext e) const {
  return pap::ab(stellen, e, w_->gespeichertRunden);
}
Money OruSteuernBis2007::auf(int stellen, Ext e) const {
  return pap::auf(stellen, e, w_->gespeichertRunden);
}
Money OruSteuernBis2007::Runde(Rundung r, Ext e) const {
  return pap::Runde(r, e, w_->gespeichertRunden);
}

Money OruSteuernBis2007::Tarifsteuer(Money zvE, int KZTAB) const {
  return pap::Tarifsteuer(w_->tarif, zvE, KZTAB);
}

bool OruSteuernBis2007::NimmtEingabe(std::string_view name) const {
  static constexpr std::string_view kImmer[] = {"ALTER1",   "HINZUR",   "KRV",    "LZZ",
                                                "LZZFREIB", "LZZHINZU", "R",      "RE4",
                                                "STKL",     "VBEZ",     "WFUNDF", "ZKF"};
  static constexpr std::string_view kJahresbezug[] = {"VBEZM", "VBEZS", "ZMVB"};
  static constexpr std::string_view kTabellen[] = {"AJAHR", "VJAHR"};
  static constexpr std::string_view kEinmalbezug[] = {"JFREIB", "JHINZU", "JRE4",
                                                      "JVBEZ",  "SONSTB", "VBS"};
  auto in = [name](const auto& liste) {
    for (std::string_view n : liste)
      if (n == name) return true;
    return false;
  };
  return in(kImmer) ||
         (w_->versorgung == Versorgungsfreibetrag::AusJahresbezug && in(kJahresbezug)) ||
         (w_->tabellen && in(kTabellen)) || (w_->mitEinmalbezug && in(kEinmalbezug));
}

Money OruSteuernBis2007::LohnsteuerLfd(const LohnsteuerEingabe& e) {
  *this = OruSteuernBis2007(*w_);
  STKL = e.STKL;
  if (STKL == 0) return Money();

  AJAHR = e.AJAHR;
  VJAHR = e.VJAHR;
  ZMVB = e.ZMVB;
  LZZ = e.LZZ;
  KRV = e.KRV;
  ALTER1 = e.ALTER1;
  ZKF = Money::runde(Ext::vonFloat(e.ZKF));
  RE4 = cent(e.RE4);
  if (e.FreibetragLzz >= 0)
    WFUNDF = cent(e.FreibetragLzz);
  else
    HINZUR = cent(-e.FreibetragLzz);
  if (e.FreibetragJahr >= 0)
    JFREIB = cent(e.FreibetragJahr);
  else
    JHINZU = cent(-e.FreibetragJahr);
  VBEZ = cent(e.VBEZ);
  VBEZM = cent(e.VBEZM);
  VBEZS = cent(e.VBEZS);
  JVBEZ = cent(e.JVBEZ);
  VBS = cent(e.VBS);

  Jahressteuer(true);
  LSTJAHR = ST;
  JW = Money::runde(LSTJAHR * 100);
  UPANTEIL();
  LSTLZZ = ANTEIL1;
  // Surcharge and church tax are levied on the tax after the child allowances.
  if (ZKF > 0) {
    ZTABFB = ZTABFB + KFB;
    MLSTJAHR();
    JBMG = ST;
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
  return euro(LSTLZZ);
}

void OruSteuernBis2007::Jahressteuer(bool mitTabellenfreibetraegen) {
  MRE4LZZ();
  RE4LZZ = RE4 - FVB - ALTE - WFUNDF + HINZUR;
  RE4LZZV = RE4 - FVB - ALTE;
  MRE4();
  if (mitTabellenfreibetraegen) MZTABFB();
  MLSTJAHR();
}

// Allowance for pension payments and age relief of the pay period, in cents; each is at most
// the period share of its annual maximum, rounded up.
void OruSteuernBis2007::MRE4LZZ() {
  const JahrBis2007& w = *w_;
  if (VBEZ == 0) {
    FVBZ = FVB = Money();
  } else if (w.versorgung == Versorgungsfreibetrag::AusPeriodenbezug) {
    FVB = Runde(w.freibetragRundung, VBEZ * w.VBSatz);
    JW = cent(w.VBHoechst);
    UPANTEIL();
    if (FVB > ANTEIL2) FVB = ANTEIL2;
    FVBZ = w.VBZuschlag;
  } else {
    const int J = TabIndex(VJAHR);
    const Ext satz = w.tabellen ? Ext(TAB(1, J)) : w.VBSatz;
    const Money hoechst = w.tabellen ? TAB(2, J) : w.VBHoechst;
    const Money zuschlag = w.tabellen ? TAB(3, J) : w.VBZuschlag;
    if (LZZ == 1) {
      VBEZB = Money::runde(VBEZM * ZMVB + VBEZS);
      HFVB = cent(w.hoechstNachMonaten ? Money::runde(hoechst / 12 * ZMVB) : hoechst);
      FVBZ = auf(0, zuschlag / 12 * ZMVB);
    } else {
      VBEZB = ab(2, VBEZM * 12 + VBEZS);
      HFVB = cent(hoechst);
      FVBZ = zuschlag;
    }
    FVB = Runde(w.freibetragRundung, VBEZB * satz);
    if (FVB > HFVB) FVB = HFVB;
    JW = FVB;
    UPANTEIL();
    FVB = ANTEIL2;
  }

  if (ALTER1 == 0) {
    ALTE = Money();
  } else {
    const int K = TabIndex(AJAHR);
    const Ext satz = w.tabellen ? Ext(TAB(4, K)) : w.ALTESatz;
    const Money hoechst = w.tabellen ? TAB(5, K) : w.ALTEHoechst;
    BMG = RE4 - VBEZ;
    ALTE = Runde(w.freibetragRundung, BMG * satz);
    JW = cent(hoechst);
    UPANTEIL();
    if (ALTE > ANTEIL2) ALTE = ANTEIL2;
  }
}

// Annual amounts in euros from the period amounts in cents, each with the rounding supplement of
// its pay period (0.67 cents a month, 0.89 a week, 0.56 a day).
void OruSteuernBis2007::MRE4() {
  auto jahr = [this](Money periode) -> Money {
    switch (LZZ) {
      case 1:
        return ab(2, periode / 100);
      case 2:
        return ab(2, (periode + 0.67_x) * 0.12_x);
      case 3:
        return ab(2, (periode + 0.89_x) * 3.6_x / 7);
      default:
        return ab(2, (periode + 0.56_x) * 3.6_x);
    }
  };
  ZRE4 = jahr(RE4LZZ);
  ZRE4VP = jahr(RE4LZZV);
  ZVBEZ = jahr(VBEZ - FVB);
  if (w_->nullNachPeriodenbetrag) {
    if (RE4LZZ < 0) ZRE4 = Money();
    if (RE4LZZV < 0) ZRE4VP = Money();
    if (VBEZ == 0 ? FVB == 0 : VBEZ - FVB < 0) ZVBEZ = Money();
  } else {
    if (ZRE4 < 0) ZRE4 = Money();
    if (ZVBEZ < 0) ZVBEZ = Money();
  }
}

// Table allowances: employee and pension lump sums, single-parent relief, special-expenses lump
// sum, child allowances and the supplement of the pension allowance.
void OruSteuernBis2007::MZTABFB() {
  const JahrBis2007& w = *w_;
  ANP = Money();
  if (w.anp == Arbeitnehmerpauschbetrag::HoechstensLohn) {
    if ((w.FVBZBeiNullVersorgung ? ZVBEZ >= 0 : ZVBEZ > 0) && ZVBEZ < FVBZ) FVBZ = ab(0, ZVBEZ);
    if (STKL < 6) {
      if (ZVBEZ > 0)
        ANP = ZVBEZ - FVBZ < w.versorgungsPauschbetrag ? ab(0, ZVBEZ - FVBZ)
                                                       : w.versorgungsPauschbetrag;
      if (ZRE4 > ZVBEZ)
        ANP = ZRE4 - ZVBEZ < 920 ? ab(0, ANP + ZRE4 - ZVBEZ) : ANP + Money::euro(920);
    }
  } else if (STKL < 6) {
    if (w.anp == Arbeitnehmerpauschbetrag::Immer || RE4 > VBEZ) ANP = Money::euro(920);
    if (VBEZ > 0) ANP = ANP + w.versorgungsPauschbetrag;
  }
  KZTAB = 1;
  switch (STKL) {
    case 1:
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w.KFBVoll);
      break;
    case 2:
      EFA = Money::euro(1308);
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w.KFBVoll);
      break;
    case 3:
      KZTAB = 2;
      SAP = Money::euro(72);
      KFB = ab(0, ZKF * w.KFBVoll);
      break;
    case 4:
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w.KFBHalb);
      break;
    default:
      KFB = Money();
      break;
  }
  ZTABFB = EFA + ANP + SAP + FVBZ;
}

// Annual tax; classes V and VI have no provision lump sum.
void OruSteuernBis2007::MLSTJAHR() {
  if (STKL < 5)
    UPEVP();
  else
    VSP = Money();
  ZVE = ab(0, ZRE4 - ZTABFB - VSP);
  if (ZVE < 1) {
    ZVE = Money();
    X = Money();
  } else {
    X = ab(0, ZVE / KZTAB);
  }
  if (STKL < 5)
    ST = Money::runde(pap::UPTAB(w_->tarif, X) * KZTAB);
  else
    ST = pap::MST5_6(w_->tarif, X);
}

// Provision lump sum: the older one or, from 2005, the newer one when that is higher.
void OruSteuernBis2007::UPEVP() {
  const JahrBis2007& w = *w_;
  VSPN = Money();
  if (w.BBGRV > 0) {
    if (KRV == 1) {
      VSP1 = Money();
    } else {
      if (ZRE4VP > w.BBGRV) ZRE4VP = w.BBGRV;
      VSP1 = Runde(w.VSP1Rundung, ZRE4VP * w.RVAnteil);
      VSP1 = Runde(w.VSP1Rundung, VSP1 * w.RVSATZAN);
    }
    VSP2 = Money::runde(ZRE4VP * 0.11_x);
    VHB = Money::euro(1500 * KZTAB);
    if (VSP2 > VHB) VSP2 = VHB;
    VSPN = Runde(w.VSPNRundung, VSP1 + VSP2);
  }
  VSP = pap::VorsorgepauschaleAlt(ZRE4VP, KZTAB, KRV == 1, w.vorsorgeAlt, w.gespeichertRunden);
  if (VSPN > VSP) VSP = VSPN;
}

// Solidarity surcharge of the year and its period share. The annual surcharge is taken in whole
// cents, which is the same as cutting the mitigated amount to cents first.
void OruSteuernBis2007::MSOLZ() {
  SOLZFREI = Money::euro(972 * KZTAB);
  if (JBMG > SOLZFREI) {
    SOLZJ = ab(2, JBMG * 5.5_x / 100);
    SOLZMIN = Money::runde((JBMG - SOLZFREI) * 20 / 100);
    if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
    JW = ab(0, SOLZJ * 100);
    UPANTEIL();
    SOLZLZZ = ANTEIL1;
  } else {
    SOLZLZZ = Money();
  }
}

// Period shares of the annual cent amount JW: ANTEIL1 cut to whole cents, ANTEIL2 rounded up
// (for the maxima of the allowances of the period).
void OruSteuernBis2007::UPANTEIL() {
  ANTEIL1 = pap::ANTEIL1(JW, LZZ, w_->gespeichertRunden);
  ANTEIL2 = pap::ANTEIL2(JW, LZZ, w_->gespeichertRunden);
}

Money OruSteuernBis2007::SolzLfd() {
  if (STKL == 0) return Money();
  return AbrundenCent(euro(SOLZLZZ));
}

Money OruSteuernBis2007::KirchensteuerLfd(int pflichtig, int land, int art, int anteil,
                                          Money kappungsBasis, Money sonderSatz) {
  if (STKL == 0) return Money();
  if (pflichtig == 0) {
    BK = Money();
    return Money();
  }
  JW = Money::runde(JBMG * 100);
  UPANTEIL();
  BK = ANTEIL1;
  return Kirchensteuer({pflichtig, land, art, anteil, kappungsBasis, sonderSatz}, BK, LZZ,
                       LSTLZZ > 0, true);
}

// One-time payment (2005): the difference between the annual tax with and without the payment.
Money OruSteuernBis2007::LohnsteuerEB(Money sonstb, Money jre4, Money jvbez, Money vbs) {
  if (!w_->mitEinmalbezug) return Money();
  LZZ = 1;
  SONSTB = cent(sonstb);
  JRE4 = cent(jre4);
  JVBEZ = cent(jvbez);
  VBS = cent(vbs);
  if (SONSTB == 0) {
    LSTSO = STS = SOLZS = Money();
    return Money();
  }
  // The year's pay with the annual allowance in place of the period's.
  RE4 = JRE4;
  VBEZ = JVBEZ;
  WFUNDF = JFREIB;
  HINZUR = JHINZU;
  Jahressteuer(true);
  LSTOSO = Money::runde(ST * 100);
  // The table allowances stay those of the pay without the payment.
  RE4 = JRE4 + SONSTB;
  VBEZ = JVBEZ + VBS;
  Jahressteuer(false);
  LSTSO = Money::runde(ST * 100);
  STS = LSTSO - LSTOSO;
  // The surcharge on the payment knows no exemption.
  SOLZS = ab(0, STS * 5.5_x / 100);
  return euro(STS);
}

Money OruSteuernBis2007::SolzEB() {
  return euro(SOLZS);
}

Money OruSteuernBis2007::KirchensteuerEB(int pflichtig, int land, int art, int anteil,
                                         int basisWahl, Money kappungsBasis, Money sonderSatz) {
  if (pflichtig == 0 || basisWahl == 1 || !w_->mitEinmalbezug) return Money();
  BKS = STS;
  return Kirchensteuer({pflichtig, land, art, anteil, kappungsBasis, sonderSatz}, BKS, LZZ,
                       BKS > 0, true);
}

}  // namespace salvaro
