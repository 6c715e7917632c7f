#include "tax/OruSteuern2010bis2013.h"

#include "tax/Kirchensteuer.h"
#include "tax/Versorgung.h"

namespace salvaro {

using namespace literale;
using pap::ab;
using pap::auf;
using pap::cent;
using pap::euro;

namespace {

constexpr pap::Tarif kTarif2010{
    .zone2Ab = Money::euro(8005),
    .s1 = Money::euro(8004),
    .a1 = 912.17_x,
    .c1 = 1400_x,
    .zone3Ab = Money::euro(13470),
    .s2 = Money::euro(13469),
    .a2 = 228.74_x,
    .c2 = 2397_x,
    .k2 = 1038_x,
    .zone4Ab = Money::euro(52882),
    .satz4 = 0.42_x,
    .k3 = 8172_x,
    .zone5Ab = Money::euro(250731),
    .k4 = 15694_x,
    .W1STKL5 = Money::euro(9429),
    .W2STKL5 = Money::euro(26441),
    .W3STKL5 = Money::euro(200584),
    .satz5_6 = 0.42_x,
    .mindestSatz = 0.14_x,
};

// 2013 raised the basic allowance to 8,130 and shifted the constants of the zones with it.
constexpr pap::Tarif kTarif2013{
    .zone2Ab = Money::euro(8131),
    .s1 = Money::euro(8130),
    .a1 = 933.70_x,
    .c1 = 1400_x,
    .zone3Ab = Money::euro(13470),
    .s2 = Money::euro(13469),
    .a2 = 228.74_x,
    .c2 = 2397_x,
    .k2 = 1014_x,
    .zone4Ab = Money::euro(52882),
    .satz4 = 0.42_x,
    .k3 = 8196_x,
    .zone5Ab = Money::euro(250731),
    .k4 = 15718_x,
    .W1STKL5 = Money::euro(9550),
    .W2STKL5 = Money::euro(26441),
    .W3STKL5 = Money::euro(200584),
    .satz5_6 = 0.42_x,
    .mindestSatz = 0.14_x,
};

constexpr Jahr2010bis2013 kJahr2011{
    .name = "OruSteuern2011",
    .jahr = 2011,
    .tarif = kTarif2010,
    .ANPMax = Money::euro(920),
    .ANPDezember2011 = false,
    .KFBVoll = Money::euro(7008),
    .KFBHalb = Money::euro(3504),
    .BBGRVWest = Money::euro(66000),
    .BBGRVOst = Money::euro(57600),
    .RVAnteil = 0.44_x,
    .RVSATZAN = 0.0995_x,
    .BBGKVPV = Money::euro(44550),
    .KVSATZAN = 0.079_x,
    .KVSATZAG = 0.07_x,
    .PVSATZAN = 0.00975_x,
    .PVSATZAG = 0.00975_x,
    .PVSATZANSachsen = 0.01475_x,
    .PVSATZAGSachsen = 0.00475_x,
    .mitEntschaedigung = true,
};

// December 2011 differs from the rest of 2011 only in the employee lump sum.
constexpr Jahr2010bis2013 dezember2011() {
  Jahr2010bis2013 j = kJahr2011;
  j.name = "OruSteuern1211";
  j.ANPDezember2011 = true;
  return j;
}

constexpr Jahr2010bis2013 kJahre[] = {
    {
        .name = "OruSteuern2010",
        .jahr = 2010,
        .tarif = kTarif2010,
        .ANPMax = Money::euro(920),
        .ANPDezember2011 = false,
        .KFBVoll = Money::euro(7008),
        .KFBHalb = Money::euro(3504),
        .BBGRVWest = Money::euro(66000),
        .BBGRVOst = Money::euro(55800),
        .RVAnteil = 0.40_x,
        .RVSATZAN = 0.0995_x,
        .BBGKVPV = Money::euro(45000),
        .KVSATZAN = 0.076_x,
        .KVSATZAG = 0.067_x,
        .PVSATZAN = 0.00975_x,
        .PVSATZAG = 0.00975_x,
        .PVSATZANSachsen = 0.01475_x,
        .PVSATZAGSachsen = 0.00475_x,
        .mitEntschaedigung = false,
    },
    kJahr2011,
    dezember2011(),
    {
        .name = "OruSteuern2012",
        .jahr = 2012,
        .tarif = kTarif2010,
        .ANPMax = Money::euro(1000),
        .ANPDezember2011 = false,
        .KFBVoll = Money::euro(7008),
        .KFBHalb = Money::euro(3504),
        .BBGRVWest = Money::euro(67200),
        .BBGRVOst = Money::euro(57600),
        .RVAnteil = 0.48_x,
        .RVSATZAN = 0.098_x,
        .BBGKVPV = Money::euro(45900),
        .KVSATZAN = 0.079_x,
        .KVSATZAG = 0.07_x,
        .PVSATZAN = 0.00975_x,
        .PVSATZAG = 0.00975_x,
        .PVSATZANSachsen = 0.01475_x,
        .PVSATZAGSachsen = 0.00475_x,
        .mitEntschaedigung = true,
    },
    {
        .name = "OruSteuern2013",
        .jahr = 2013,
        .tarif = kTarif2013,
        .ANPMax = Money::euro(1000),
        .ANPDezember2011 = false,
        .KFBVoll = Money::euro(7008),
        .KFBHalb = Money::euro(3504),
        .BBGRVWest = Money::euro(69600),
        .BBGRVOst = Money::euro(58800),
        .RVAnteil = 0.52_x,
        .RVSATZAN = 0.0945_x,
        .BBGKVPV = Money::euro(47250),
        .KVSATZAN = 0.079_x,
        .KVSATZAG = 0.07_x,
        .PVSATZAN = 0.01025_x,
        .PVSATZAG = 0.01025_x,
        .PVSATZANSachsen = 0.01525_x,
        .PVSATZAGSachsen = 0.00525_x,
        .mitEntschaedigung = true,
    },
};

// The childless employee's surcharge on the care rate.
constexpr Ext kPVZuschlag = 0.0025_x;

}  // namespace

std::span<const Jahr2010bis2013> Jahre2010bis2013() {
  return kJahre;
}

const Jahr2010bis2013* Jahr2010bis2013NachName(std::string_view name) {
  for (const Jahr2010bis2013& j : kJahre)
    if (j.name == name) return &j;
  return nullptr;
}

Money OruSteuern2010bis2013::Tarifsteuer(Money zvE, int KZTAB) const {
  return pap::Tarifsteuer(w_->tarif, zvE, KZTAB);
}

bool OruSteuern2010bis2013::NimmtEingabe(std::string_view name) const {
  static constexpr std::string_view kImmer[] = {
      "AF",    "AJAHR", "ALTER1", "ENTSCH",   "F",        "JFREIB", "JHINZU", "JRE4",
      "JVBEZ", "KRV",   "LZZ",    "LZZFREIB", "LZZHINZU", "PKPV",   "PKV",    "PVS",
      "PVZ",   "R",     "RE4",    "SONSTB",   "STKL",     "VBEZ",   "VBEZM",  "VBEZS",
      "VBS",   "VJAHR", "VMT",    "ZKF",      "ZMVB",     "STERBE"};
  for (std::string_view n : kImmer)
    if (n == name) return true;
  return (name == "JRE4ENT" || name == "SONSTENT") && w_->mitEntschaedigung;
}

Money OruSteuern2010bis2013::LohnsteuerLfd(const LohnsteuerEingabe& e) {
  *this = OruSteuern2010bis2013(*w_);
  STKL = e.STKL;
  if (STKL == 0) return Money();

  AJAHR = e.AJAHR;
  VJAHR = e.VJAHR;
  ZMVB = e.ZMVB;
  LZZ = e.LZZ;
  KRV = e.KRV;
  PKV = e.PKV;
  ALTER1 = e.ALTER1;
  AF = e.AF;
  PVS = e.PVS;
  PVZ = e.PVZ;
  ZKF = Money::runde(Ext::vonFloat(e.ZKF));
  f = e.f;
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
  PKPV = cent(e.PKPV);
  ENTSCH = cent(e.ENTSCH);
  if (w_->mitEntschaedigung) {
    JRE4ENT = cent(e.JRE4ENT);
    SONSTENT = cent(e.SONSTENT);
  }

  MRE4JL();
  VBEZBSO = Money();
  KENNVMT = 0;
  MRE4();
  MRE4ABZ();
  MZTABFB();
  MLSTJAHR();
  LSTJAHR = ab(0, ST * f);
  JW = Money::runde(LSTJAHR * 100);
  UPANTEIL();
  LSTLZZ = ANTEIL1;
  // Surcharge and church tax are levied on the tax after the child allowances.
  if (ZKF > 0) {
    ZTABFB = ab(2, ZTABFB + KFB);
    MRE4ABZ();
    MLSTJAHR();
    JBMG = ab(0, ST * f);
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
  return euro(LSTLZZ);
}

// Annual amounts from the pay of the period.
void OruSteuern2010bis2013::MRE4JL() {
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
  if (AF == 0) f = Money::euro(1);
}

// Allowance for pension payments and its supplement, with and without pension parts of a
// one-time payment (VBEZBSO: the death benefit; capital payments of pensions are not inputs).
void OruSteuern2010bis2013::MRE4() {
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
    FVBZSO = auf(0, FVBZ + VBEZBSO / 100);
    if (FVBZSO > HFVBZSO) FVBZSO = auf(0, HFVBZSO);
    if (FVBZSO > TAB(3, J)) FVBZSO = TAB(3, J);
    HFVBZ = ab(2, VBEZB / 100 - FVB);
    if (FVBZ > HFVBZ) FVBZ = auf(0, HFVBZ);
  }
  MRE4ALTE();
}

// Age relief, rounded up to whole euros.
void OruSteuern2010bis2013::MRE4ALTE() {
  if (ALTER1 == 0) {
    ALTE = Money();
    return;
  }
  const int K = TabIndex(AJAHR);
  ALTE = auf(0, (ZRE4J - ZVBEZJ) * TAB(4, K));
  if (ALTE > TAB(5, K)) ALTE = TAB(5, K);
}

void OruSteuern2010bis2013::MRE4ABZ() {
  ZRE4 = ab(2, ZRE4J - FVB - ALTE - JLFREIB + JLHINZU);
  if (ZRE4 < 0) ZRE4 = Money();
  ZRE4VP = ZRE4J;
  if (KENNVMT == 2) ZRE4VP = ab(2, ZRE4VP - ENTSCH / 100);
  ZVBEZ = ab(2, ZVBEZJ - FVB);
  if (ZVBEZ < 0) ZVBEZ = Money();
}

// Table allowances: pension and employee lump sums, single-parent relief, special-expenses lump
// sum, child allowances.
void OruSteuern2010bis2013::MZTABFB() {
  ANP = Money();
  if (ZVBEZ >= 0 && ZVBEZ < FVBZ) FVBZ = ab(0, ZVBEZ);
  if (STKL < 6) {
    if (ZVBEZ > 0) ANP = ZVBEZ - FVBZ < 102 ? auf(0, ZVBEZ - FVBZ) : Money::euro(102);
  } else {
    FVBZ = Money();
    FVBZSO = Money();
  }
  if (STKL < 6 && ZRE4 > ZVBEZ) {
    Money anp = w_->ANPMax;
    if (w_->ANPDezember2011) anp = LZZ == 1 ? Money::euro(1000) : Money::euro(1880);
    if (ZRE4 - ZVBEZ < anp)
      ANP = auf(0, ANP + ZRE4 - ZVBEZ);
    else
      ANP = ANP + anp;
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
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w_->KFBVoll);
      break;
    case 4:
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * w_->KFBHalb);
      break;
    case 5:
      SAP = Money::euro(36);
      KFB = Money();
      break;
    default:
      KFB = Money();
      break;
  }
  ZTABFB = ab(2, EFA + ANP + SAP + FVBZ);
}

// Annual tax, with the one-fifth rule for multi-year pay (KENNVMT 1).
void OruSteuern2010bis2013::MLSTJAHR() {
  UPEVP();
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

void OruSteuern2010bis2013::UPMLST() {
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

// Provision lump sum: pension part, minimum lump sum, health and care part.
void OruSteuern2010bis2013::UPEVP() {
  if (KRV > 1) {
    VSP1 = Money();
  } else {
    const Money BBGRV = KRV == 0 ? w_->BBGRVWest : w_->BBGRVOst;
    if (ZRE4VP > BBGRV) ZRE4VP = BBGRV;
    VSP1 = ab(2, ZRE4VP * w_->RVAnteil);
    VSP1 = ab(2, VSP1 * w_->RVSATZAN);
  }
  VSP2 = ab(2, ZRE4VP * 0.12_x);
  VHB = STKL == 3 ? Money::euro(3000) : Money::euro(1900);
  if (VSP2 > VHB) VSP2 = VHB;
  VSPN = auf(0, VSP1 + VSP2);
  MVSP();
  if (VSPN > VSP) VSP = ab(2, VSPN);
}

void OruSteuern2010bis2013::MVSP() {
  if (ZRE4VP > w_->BBGKVPV) ZRE4VP = w_->BBGKVPV;
  if (PKV > 0) {
    if (STKL == 6) {
      VSP3 = Money();
    } else {
      VSP3 = Money::runde(PKPV * 12 / 100);
      if (PKV == 2) {
        const Ext PVSATZAG = PVS == 1 ? w_->PVSATZAGSachsen : w_->PVSATZAG;
        VSP3 = ab(2, VSP3 - ZRE4VP * (w_->KVSATZAG + PVSATZAG));
      }
    }
  } else {
    Ext PVSATZAN = PVS == 1 ? w_->PVSATZANSachsen : w_->PVSATZAN;
    if (PVZ == 1) PVSATZAN = PVSATZAN + kPVZuschlag;
    VSP3 = ab(2, ZRE4VP * (w_->KVSATZAN + PVSATZAN));
  }
  VSP = auf(0, VSP3 + VSP1);
}

// Solidarity surcharge of the year and its period share.
void OruSteuern2010bis2013::MSOLZ() {
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
void OruSteuern2010bis2013::UPANTEIL() {
  ANTEIL1 = pap::ANTEIL1(JW, LZZ);
}

Money OruSteuern2010bis2013::SolzLfd() {
  if (STKL == 0) return Money();
  return euro(SOLZLZZ);
}

Money OruSteuern2010bis2013::KirchensteuerLfd(int pflichtig, int land, int art, int anteil,
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
                       LSTLZZ > 0);
}

// From here on the calculation is annual.
void OruSteuern2010bis2013::MSONSTVorspann() {
  LZZ = 1;
  if (ZMVB == 0) ZMVB = 12;
}

Money OruSteuern2010bis2013::LohnsteuerEB(Money sonstb, Money jre4, Money jvbez, Money vbs) {
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
  // The factor applies to the difference, cut to whole euros.
  STS = Money::runde(ab(0, (LSTSO - LSTOSO) * f / 100) * 100);
  if (STS < 0) STS = Money();
  SOLZS = ab(0, STS * 5.5_x / 100);
  return euro(STS);
}

// Annual tax without the one-time payment.
void OruSteuern2010bis2013::MOSONST() {
  ZRE4J = ab(2, JRE4 / 100);
  ZVBEZJ = ab(2, JVBEZ / 100);
  JLFREIB = ab(2, JFREIB / 100);
  JLHINZU = ab(2, JHINZU / 100);
  MRE4();
  MRE4ABZ();
  ZRE4VP = Money::runde(ZRE4VP - JRE4ENT / 100);
  MZTABFB();
  MLSTJAHR();
  LSTOSO = Money::runde(ST * 100);
}

// Deductions with the one-time payment.
void OruSteuern2010bis2013::MRE4SONST() {
  MRE4();
  FVB = FVBSO;
  MRE4ABZ();
  ZRE4VP = Money::runde(ZRE4VP - JRE4ENT / 100 - SONSTENT / 100);
  FVBZ = FVBZSO;
  MZTABFB();
}

Money OruSteuern2010bis2013::SolzEB() {
  return euro(SOLZS);
}

Money OruSteuern2010bis2013::KirchensteuerEB(int pflichtig, int land, int art, int anteil,
                                             int basisWahl, Money kappungsBasis, Money sonderSatz) {
  if (pflichtig == 0) return Money();
  const Money basis = basisWahl == 1 ? STV : STS;
  (basisWahl == 1 ? BKV : BKS) = basis;
  return Kirchensteuer({pflichtig, land, art, anteil, kappungsBasis, sonderSatz}, basis, LZZ,
                       basis > 0);
}

// Multi-year pay, taxed by the one-fifth rule unless full taxation is cheaper.
Money OruSteuern2010bis2013::LohnsteuerVMT(Money sonstb, Money jre4) {
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
  VBEZBSO = STERBE;
  ZRE4J = ab(2, (JRE4 + SONSTB + VMT) / 100);
  ZVBEZJ = ab(2, (JVBEZ + VBS) / 100);
  KENNVMT = 2;
  MRE4SONST();
  MLSTJAHR();
  LST3 = Money::runde(ST * 100);
  MRE4ABZ();
  ZRE4VP = Money::runde(ZRE4VP - JRE4ENT / 100 - SONSTENT / 100);
  KENNVMT = 1;
  MLSTJAHR();
  LST2 = Money::runde(ST * 100);
  STV = LST2 - LST1;
  LST3 = LST3 - LST1;
  if (LST3 < STV) {
    STV = LST3;
    VMTOhneFuenftelung_ = 1;
  }
  if (STV < 0)
    STV = Money();
  else
    STV = Money::runde(ab(0, STV * f / 100) * 100);
  SOLZV = ab(0, STV * 5.5_x / 100);
  return euro(STV);
}

Money OruSteuern2010bis2013::SolzVMT() {
  return euro(SOLZV);
}

}  // namespace salvaro
