#include "tax/OruSteuern2008bis2009.h"

#include "tax/Kirchensteuer.h"
#include "tax/Versorgung.h"

namespace salvaro {

using namespace literale;
using pap::ab;
using pap::auf;
using pap::cent;
using pap::euro;
using pap::Rundung;

namespace {

constexpr Jahr2008bis2009 kJahre[] = {
    {
        .name = "OruSteuern2008",
        .jahr = 2008,
        .tarif =
            {
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
                .zone5Ab = Money::euro(250001),
                .k4 = 15414_x,
                .W1STKL5 = Money::euro(9144),
                .W2STKL5 = Money::euro(25812),
                .W3STKL5 = Money::euro(200000),
                .satz5_6 = 0.42_x,
                .mindestSatz = 0.15_x,
            },
        .KFBVoll = Money::euro(5808),
        .KFBHalb = Money::euro(2904),
        .BBGRV = Money::euro(63600),
        .RVAnteil = 0.32_x,
        .RVSATZAN = 0.0995_x,
        .ANPAufrunden = false,
        .FVBZSOVergleichZeile3 = true,
        .fuenftelung = Fuenftelung::ZuschlagEinesFuenftels,
    },
    {
        .name = "OruSteuern2009",
        .jahr = 2009,
        .tarif =
            {
                .zone2Ab = Money::euro(7835),
                .s1 = Money::euro(7834),
                .a1 = 939.68_x,
                .c1 = 1400_x,
                .zone3Ab = Money::euro(13140),
                .s2 = Money::euro(13139),
                .a2 = 228.74_x,
                .c2 = 2397_x,
                .k2 = 1007_x,
                .zone4Ab = Money::euro(52552),
                .satz4 = 0.42_x,
                .k3 = 8064_x,
                .zone5Ab = Money::euro(250401),
                .k4 = 15576_x,
                .W1STKL5 = Money::euro(9225),
                .W2STKL5 = Money::euro(26276),
                .W3STKL5 = Money::euro(200320),
                .satz5_6 = 0.42_x,
                .mindestSatz = 0.14_x,
            },
        .KFBVoll = Money::euro(6024),
        .KFBHalb = Money::euro(3012),
        .BBGRV = Money::euro(64800),
        .RVAnteil = 0.36_x,
        .RVSATZAN = 0.0995_x,
        .ANPAufrunden = true,
        .FVBZSOVergleichZeile3 = false,
        .fuenftelung = Fuenftelung::WieAb2010,
    },
};

// The older lump sum as these two years round it.
constexpr pap::VorsorgeAltRundung kVorsorgeAlt{
    .VSPO = Rundung::AbCent,
    .ergebnis = Rundung::AbEuro,
    .kurz = Rundung::AbEuro,
    .restHaelfte = Rundung::AufCent,
};

}  // namespace

std::span<const Jahr2008bis2009> Jahre2008bis2009() {
  return kJahre;
}

const Jahr2008bis2009* Jahr2008bis2009NachName(std::string_view name) {
  for (const Jahr2008bis2009& j : kJahre)
    if (j.name == name) return &j;
  return nullptr;
}

Money OruSteuern2008bis2009::Tarifsteuer(Money zvE, int KZTAB) const {
  return pap::Tarifsteuer(w_->tarif, zvE, KZTAB);
}

bool OruSteuern2008bis2009::NimmtEingabe(std::string_view name) const {
  static constexpr std::string_view kEingaben[] = {
      "AJAHR",    "ALTER1",   "JFREIB", "JHINZU", "JRE4",   "JVBEZ", "KRV",  "LZZ",
      "LZZFREIB", "LZZHINZU", "R",      "RE4",    "SONSTB", "STKL",  "VBEZ", "VBEZM",
      "VBEZS",    "VBS",      "VJAHR",  "VMT",    "ZKF",    "ZMVB",   "STERBE"};
  for (std::string_view n : kEingaben)
    if (n == name) return true;
  return false;
}

Money OruSteuern2008bis2009::LohnsteuerLfd(const LohnsteuerEingabe& e) {
  *this = OruSteuern2008bis2009(*w_);
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
    LZZFREIB = cent(e.FreibetragLzz);
  else
    LZZHINZU = cent(-e.FreibetragLzz);
  if (e.FreibetragJahr >= 0)
    JFREIB = cent(e.FreibetragJahr);
  else
    JHINZU = cent(-e.FreibetragJahr);
  VMT = cent(e.VMT);
  VBEZ = cent(e.VBEZ);
  VBS = cent(e.VBS);
  VBEZM = cent(e.VBEZM);
  VBEZS = cent(e.VBEZS);
  JVBEZ = cent(e.JVBEZ);
  STERBE = cent(e.STERBE);
  VBEZBSO = Money();

  MRE4JL();
  MRE4();
  MRE4ABZ();
  MZTABFB();
  KENNVMT = 0;
  MLSTJAHR();
  LSTJAHR = ST;
  JW = Money::runde(LSTJAHR * 100);
  UPANTEIL();
  LSTLZZ = ANTEIL1;
  // Surcharge and church tax are levied on the tax after the child allowances.
  if (ZKF > 0) {
    ZTABFB = ab(2, ZTABFB + KFB);
    MLSTJAHR();
    JBMG = ST;
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
  return euro(LSTLZZ);
}

// Annual amounts from the pay of the period.
void OruSteuern2008bis2009::MRE4JL() {
  auto jahr = [this](Money betrag) -> Money {
    switch (LZZ) {
      case 1:
        return ab(2, betrag / 100);
      case 2:
        return ab(2, betrag * 12 / 100);
      case 3:
        return ab(2, betrag * 360 / 700);
      default:
        return ab(2, betrag * 360 / 100);
    }
  };
  ZRE4J = jahr(RE4);
  ZVBEZJ = jahr(VBEZ);
  JLFREIB = jahr(LZZFREIB);
  JLHINZU = jahr(LZZHINZU);
}

// Allowance for pension payments and its supplement, also for the pay with a one-time payment
// and its pension parts (VBEZBSO: the death benefit; capital payments of pensions are not
// inputs).
void OruSteuern2008bis2009::MRE4() {
  if (ZVBEZJ == 0) {
    FVBZ = FVB = FVBZSO = FVBSO = Money();
  } else {
    const int J = TabIndex(VJAHR);
    if (LZZ == 1) {
      VBEZB = Money::runde(VBEZM * ZMVB + VBEZS);
      HFVB = Money::runde(TAB(2, J) / 12 * ZMVB);
      FVBZ = auf(0, TAB(3, J) / 12 * ZMVB);
    } else {
      VBEZB = ab(2, VBEZM * 12 + VBEZS);
      HFVB = TAB(2, J);
      FVBZ = TAB(3, J);
    }
    FVB = auf(2, VBEZB * TAB(1, J) / 100);
    if (FVB > HFVB) FVB = HFVB;
    FVBSO = auf(2, FVB + VBEZBSO * TAB(1, J) / 100);
    if (FVBSO > TAB(2, J)) FVBSO = TAB(2, J);
    HFVBZSO = ab(2, (VBEZB + VBEZBSO) / 100 - FVBSO);
    if (w_->FVBZSOVergleichZeile3) {
      FVBZSO = TAB(3, 3) > HFVBZSO ? auf(0, HFVBZSO) : TAB(3, J);
    } else {
      FVBZSO = auf(0, FVBZ + VBEZBSO / 100);
      if (FVBZSO > HFVBZSO) FVBZSO = auf(0, HFVBZSO);
      if (FVBZSO > TAB(3, J)) FVBZSO = TAB(3, J);
    }
    HFVBZ = ab(2, VBEZB / 100 - FVB);
    if (FVBZ > HFVBZ) FVBZ = auf(0, HFVBZ);
  }
  MRE4ALTE();
}

// Age relief, rounded up to cents.
void OruSteuern2008bis2009::MRE4ALTE() {
  if (ALTER1 == 0) {
    ALTE = Money();
    return;
  }
  const int K = TabIndex(AJAHR);
  ALTE = auf(2, (ZRE4J - ZVBEZJ) * TAB(4, K));
  if (ALTE > TAB(5, K)) ALTE = TAB(5, K);
}

void OruSteuern2008bis2009::MRE4ABZ() {
  ZRE4 = ab(2, ZRE4J - FVB - ALTE - JLFREIB + JLHINZU);
  if (ZRE4 < 0) ZRE4 = Money();
  ZRE4VP = ab(2, ZRE4J - FVB - ALTE);
  if (ZRE4VP < 0) ZRE4VP = Money();
  ZVBEZ = ab(2, ZVBEZJ - FVB);
  if (ZVBEZ < 0) ZVBEZ = Money();
}

// Table allowances: pension and employee lump sums, single-parent relief, special-expenses lump
// sum, child allowances.
void OruSteuern2008bis2009::MZTABFB() {
  ANP = Money();
  if (ZVBEZ >= 0 && ZVBEZ < FVBZ) FVBZ = ab(0, ZVBEZ);
  if (STKL < 6) {
    if (ZVBEZ > 0) ANP = ZVBEZ - FVBZ < 102 ? ab(0, ZVBEZ - FVBZ) : Money::euro(102);
  } else {
    FVBZ = Money();
    FVBZSO = Money();
  }
  if (STKL < 6 && ZRE4 > ZVBEZ) {
    if (ZRE4 - ZVBEZ < 920)
      ANP = w_->ANPAufrunden ? auf(0, ANP + ZRE4 - ZVBEZ) : ab(0, ANP + ZRE4 - ZVBEZ);
    else
      ANP = ANP + Money::euro(920);
  }
  KZTAB = 1;
  switch (STKL) {
    case 1:
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w_->KFBVoll);
      break;
    case 2:
      EFA = Money::euro(1308);
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w_->KFBVoll);
      break;
    case 3:
      KZTAB = 2;
      SAP = Money::euro(72);
      KFB = ab(0, ZKF * w_->KFBVoll);
      break;
    case 4:
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w_->KFBHalb);
      break;
    default:
      KFB = Money();
      break;
  }
  ZTABFB = ab(2, EFA + ANP + SAP + FVBZ);
}

// Annual tax. Classes V and VI have no provision lump sum. KENNVMT 1 (and 2 in 2008) computes the
// tax on the income with a fifth of the multi-year pay.
void OruSteuern2008bis2009::MLSTJAHR() {
  if (STKL < 5)
    UPEVP();
  else
    VSP = Money();
  if (w_->fuenftelung == Fuenftelung::ZuschlagEinesFuenftels) {
    if (KENNVMT == 0)
      ZVE = ab(2, ZRE4 - ZTABFB - VSP);
    else if (KENNVMT == 1)
      ZVE = ab(2, ZRE4OSO - ZTABFBOSO + ZRE4VMT - VSP);
    else
      ZVE = ab(2, (ZRE4 - ZTABFB) / 5 - VSP);
    UPMLST();
    return;
  }
  if (KENNVMT != 1) {
    ZVE = ab(2, ZRE4 - ZTABFB - VSP);
    UPMLST();
    return;
  }
  ZVE = ab(2, ZRE4 - ZTABFB - VSP - VMT / 100);
  if (ZVE < 0) {
    ZVE = ab(2, (ZVE + VMT / 100) / 5);
    UPMLST();
    ST = ab(0, ST * 5);
  } else {
    UPMLST();
    STOVMT = ST;
    ZVE = ab(2, ZVE + VMT / 500);
    UPMLST();
    ST = ab(0, (ST - STOVMT) * 5 + STOVMT);
  }
}

void OruSteuern2008bis2009::UPMLST() {
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

// Provision lump sum: the newer one (pension part and 11 % of the pay for health and care, at
// most 1,500 per KZTAB share) or the older one, whichever is higher.
void OruSteuern2008bis2009::UPEVP() {
  if (KRV > 0) {
    VSP1 = Money();
  } else {
    if (ZRE4VP > w_->BBGRV) ZRE4VP = w_->BBGRV;
    VSP1 = ab(2, ZRE4VP * w_->RVAnteil);
    VSP1 = ab(2, VSP1 * w_->RVSATZAN);
  }
  VSP2 = ab(2, ZRE4VP * 0.11_x);
  VHB = Money::euro(1500 * KZTAB);
  if (VSP2 > VHB) VSP2 = VHB;
  VSPN = auf(0, VSP1 + VSP2);
  VSP = pap::VorsorgepauschaleAlt(ZRE4VP, KZTAB, KRV == 1, kVorsorgeAlt);
  if (VSPN > VSP) VSP = VSPN;
}

// Solidarity surcharge of the year and its period share.
void OruSteuern2008bis2009::MSOLZ() {
  SOLZFREI = Money::euro(972 * KZTAB);
  if (JBMG > SOLZFREI) {
    SOLZJ = ab(2, JBMG * 5.5_x / 100);
    SOLZMIN = ab(2, (JBMG - SOLZFREI) * 20 / 100);
    if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
    JW = ab(0, SOLZJ * 100);
    UPANTEIL();
    SOLZLZZ = ANTEIL1;
  } else {
    SOLZLZZ = Money();
  }
}

// Period share of the annual cent amount JW.
void OruSteuern2008bis2009::UPANTEIL() {
  ANTEIL1 = pap::ANTEIL1(JW, LZZ);
}

Money OruSteuern2008bis2009::SolzLfd() {
  if (STKL == 0) return Money();
  return euro(SOLZLZZ);
}

Money OruSteuern2008bis2009::KirchensteuerLfd(int pflichtig, int land, int art, int anteil,
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

// From here on the calculation is annual.
void OruSteuern2008bis2009::MSONSTVorspann() {
  LZZ = 1;
  if (ZMVB == 0) ZMVB = 12;
}

Money OruSteuern2008bis2009::LohnsteuerEB(Money sonstb, Money jre4, Money jvbez, Money vbs) {
  MSONSTVorspann();
  SONSTB = cent(sonstb);
  JRE4 = cent(jre4);
  JVBEZ = cent(jvbez);
  VBS = cent(vbs);
  if (SONSTB == 0) {
    LSTSO = STS = SOLZS = Money();
    return Money();
  }
  MOSONST();
  ZRE4J = ab(2, (JRE4 + SONSTB) / 100);
  ZVBEZJ = ab(2, (JVBEZ + VBS) / 100);
  VBEZBSO = STERBE;
  MRE4SONST();
  MLSTJAHR();
  LSTSO = Money::runde(ST * 100);
  STS = LSTSO - LSTOSO;
  if (STS < 0) STS = Money();
  SOLZS = ab(0, STS * 5.5_x / 100);
  return euro(STS);
}

// Annual tax without the one-time payment.
void OruSteuern2008bis2009::MOSONST() {
  ZRE4J = ab(2, JRE4 / 100);
  ZVBEZJ = ab(2, JVBEZ / 100);
  JLFREIB = ab(2, JFREIB / 100);
  JLHINZU = ab(2, JHINZU / 100);
  MRE4();
  MRE4ABZ();
  MZTABFB();
  MLSTJAHR();
  LSTOSO = Money::runde(ST * 100);
}

// Deductions with the one-time payment.
void OruSteuern2008bis2009::MRE4SONST() {
  MRE4();
  FVB = FVBSO;
  MRE4ABZ();
  FVBZ = FVBZSO;
  MZTABFB();
}

Money OruSteuern2008bis2009::SolzEB() {
  return euro(SOLZS);
}

Money OruSteuern2008bis2009::KirchensteuerEB(int pflichtig, int land, int art, int anteil,
                                             int basisWahl, Money kappungsBasis, Money sonderSatz) {
  if (pflichtig == 0) return Money();
  const Money basis = basisWahl == 1 ? STV : STS;
  (basisWahl == 1 ? BKV : BKS) = basis;
  return Kirchensteuer({pflichtig, land, art, anteil, kappungsBasis, sonderSatz}, basis, LZZ,
                       basis > 0, true);
}

// Multi-year pay, taxed by the one-fifth rule unless full taxation is cheaper.
Money OruSteuern2008bis2009::LohnsteuerVMT(Money sonstb, Money jre4) {
  MSONSTVorspann();
  SONSTB = cent(sonstb);
  JRE4 = cent(jre4);
  if (VMT <= 0) {
    STV = SOLZV = Money();
    return Money();
  }
  if (LSTSO == 0) {
    MOSONST();
    LST1 = LSTOSO;
  } else {
    LST1 = LSTSO;
  }
  const bool zuschlag = w_->fuenftelung == Fuenftelung::ZuschlagEinesFuenftels;
  if (zuschlag) {
    ZRE4OSO = ZRE4;
    ZTABFBOSO = ZTABFB;
    FVBZOSO = FVBZ;
  }
  ZRE4J = ab(2, (JRE4 + SONSTB + VMT) / 100);
  ZVBEZJ = ab(2, (JVBEZ + VBS) / 100);
  VBEZBSO = STERBE;
  MRE4SONST();
  MLSTJAHR();
  LST3 = Money::runde(ST * 100);
  if (zuschlag) {
    // The supplement of the pension allowance stays as it was without the multi-year pay.
    ZTABFB = ab(2, ZTABFB - FVBZ + FVBZOSO);
    KENNVMT = 1;
    if (JRE4 + SONSTB - JFREIB + JHINZU < 0) {
      KENNVMT = 2;
      MLSTJAHR();
      LST2 = Money::runde(ST * 100);
      STV = Money::runde(LST2 * 5);
    } else {
      ZRE4VMT = ab(2, (VMT / 100 - ZTABFB + ZTABFBOSO) / 5);
      MLSTJAHR();
      LST2 = Money::runde(ST * 100);
      STV = Money::runde((LST2 - LST1) * 5);
    }
  } else {
    KENNVMT = 1;
    MLSTJAHR();
    LST2 = Money::runde(ST * 100);
    STV = LST2 - LST1;
  }
  LST3 = LST3 - LST1;
  if (LST3 < STV) {
    STV = LST3;
    VMTOhneFuenftelung_ = 1;
  }
  if (STV < 0) STV = Money();
  SOLZV = ab(0, STV * 5.5_x / 100);
  return euro(STV);
}

Money OruSteuern2008bis2009::SolzVMT() {
  return euro(SOLZV);
}

}  // namespace salvaro
