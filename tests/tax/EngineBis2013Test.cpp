// The engines of 2004 to 2013 where the reference rows do not reach: 2004 and 2005 (no official
// machine-readable flowchart), the class V/VI tax of 2007 across its third limit, December 2011,
// and the operations and inputs each year has.
#include <gtest/gtest.h>

#include "Hilfe.h"
#include "tax/EngineWahl.h"
#include "tax/OruSteuernBis2007.h"
#include "tax/PapBausteine.h"

namespace salvaro {
namespace {

using namespace literale;

std::unique_ptr<OruSteuern> engine(int jahr, int monat = 6) {
  auto e = EngineFuer(jahr, monat);
  EXPECT_TRUE(e) << jahr << "/" << monat;
  return e;
}

LohnsteuerEingabe lohn(Money brutto, int stkl, int lzz = 2) {
  LohnsteuerEingabe e;
  e.RE4 = brutto;
  e.STKL = stkl;
  e.LZZ = lzz;
  e.f = 1_m;
  return e;
}

const JahrBis2007& zeile(int jahr) {
  for (const JahrBis2007& j : JahreBis2007())
    if (j.jahr == jahr) return j;
  throw std::logic_error("no row");
}

TEST(EnginesBis2013, EachPeriodHasItsEngineAndOperations) {
  struct Fall {
    int jahr, monat;
    const char* name;
    bool einmalbezug, vmt;
  };
  for (const Fall& f : {Fall{2004, 1, "OruSteuern2004", false, false},
                        {2005, 7, "OruSteuern2005", true, false},
                        {2006, 12, "OruSteuern2006", false, false},
                        {2007, 3, "OruSteuern2007", false, false},
                        {2008, 5, "OruSteuern2008", true, true},
                        {2009, 9, "OruSteuern2009", true, true},
                        {2010, 2, "OruSteuern2010", true, true},
                        {2011, 11, "OruSteuern2011", true, true},
                        {2011, 12, "OruSteuern1211", true, true},
                        {2012, 12, "OruSteuern2012", true, true},
                        {2013, 1, "OruSteuern2013", true, true}}) {
    auto e = engine(f.jahr, f.monat);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Name(), f.name);
    EXPECT_EQ(e->HatEinmalbezug(), f.einmalbezug) << f.name;
    EXPECT_EQ(e->HatVMT(), f.vmt) << f.name;
    EXPECT_EQ(e->HatVMTOhneFuenftelung(), f.vmt) << f.name;
  }
}

TEST(EnginesBis2013, InputsOfEachFlowchart) {
  // A reference row with an input the engine lacks must be skipped, not computed without it.
  struct Fall {
    const char* engine;
    const char* eingabe;
    bool nimmt;
  };
  for (const Fall& f : {Fall{"OruSteuern2004", "VBEZM", false},
                        {"OruSteuern2004", "AJAHR", false},
                        {"OruSteuern2005", "VBEZM", true},
                        {"OruSteuern2005", "SONSTB", true},
                        {"OruSteuern2005", "VJAHR", false},
                        {"OruSteuern2006", "VJAHR", true},
                        {"OruSteuern2006", "WFUNDF", true},
                        {"OruSteuern2006", "SONSTB", false},
                        {"OruSteuern2007", "VMT", false},
                        {"OruSteuern2008", "VMT", true},
                        {"OruSteuern2008", "PKV", false},
                        {"OruSteuern2007", "STERBE", false},
                        {"OruSteuern2009", "STERBE", true},
                        {"OruSteuern2010", "PKV", true},
                        {"OruSteuern2010", "JRE4ENT", false},
                        {"OruSteuern2011", "JRE4ENT", true},
                        {"OruSteuern1211", "SONSTENT", true},
                        {"OruSteuern2013", "VKAPA", false},
                        {"OruSteuern2013", "KVZ", false}}) {
    auto e = EngineNachName(f.engine);
    ASSERT_TRUE(e) << f.engine;
    EXPECT_EQ(e->NimmtEingabe(f.eingabe), f.nimmt) << f.engine << " " << f.eingabe;
  }
}

TEST(EnginesBis2013, RoundingStepsOfTheYears) {
  // The flowcharts round up away from zero on the exact value; the older units' own operations
  // round up only from a whole hundredth (AufrundenEuro) or a tenth of a cent (AufrundenCent).
  using pap::Rundung;
  struct Fall {
    Rundung r;
    Ext wert;
    Money ergebnis;
  };
  for (const Fall& f : {Fall{Rundung::Keine, 1.23456_x, 1.2346_m},
                        {Rundung::RundeCent, 2.345_x, 2.35_m},
                        {Rundung::RundeCent, -1.236_x, -1.23_m},
                        {Rundung::AbCent, 2.3499_x, 2.34_m},
                        {Rundung::AbCent, -2.3499_x, -2.34_m},
                        {Rundung::AufCent, 2.34001_x, 2.35_m},
                        {Rundung::AufCent, -2.3401_x, -2.35_m},
                        {Rundung::AufCent, 2.34_x, 2.34_m},
                        {Rundung::AufrundenCent, 2.3401_x, 2.34_m},
                        {Rundung::AufrundenCent, 2.341_x, 2.35_m},
                        {Rundung::AbEuro, 12.99_x, 12_m},
                        {Rundung::AbEuro, -12.99_x, -12_m},
                        {Rundung::AufEuro, 12.0001_x, 13_m},
                        {Rundung::AufEuro, -12.5_x, -13_m},
                        {Rundung::AufEuro, 12_x, 12_m},
                        {Rundung::AufrundenEuro, 12.01_x, 13_m},
                        {Rundung::AufrundenEuro, 12.009_x, 12_m}}) {
    EXPECT_EQ(pap::Runde(f.r, f.wert), f.ergebnis)
        << static_cast<int>(f.r) << " " << static_cast<double>(f.wert.wert());
  }
}

TEST(EnginesBis2013, TariffZoneBorders2004And2005) {
  // 2004 taxes the third zone at 45 %; 2005 lowered the zones' factors and the top rate to 42 %.
  struct Fall {
    int jahr;
    Money X, ST;
  };
  for (const Fall& f : {Fall{2004, 7664_m, 0_m},
                        {2004, 7665_m, 0_m},
                        {2004, 12739_m, 1016_m},
                        {2004, 12740_m, 1016_m},
                        {2004, 52151_m, 14622_m},
                        {2004, 52152_m, 14623_m},
                        {2005, 7665_m, 0_m},
                        {2005, 12739_m, 988_m},
                        {2005, 12740_m, 989_m},
                        {2005, 52151_m, 13989_m},
                        {2005, 52152_m, 13989_m},
                        {2005, 300000_m, 118086_m}}) {
    EXPECT_EQ(pap::UPTAB(zeile(f.jahr).tarif, f.X), f.ST) << f.jahr << " X " << f.X.text4();
  }
}

TEST(EnginesBis2013, RoundingStepsOf2004And2005TakeTheStoredAmount) {
  // 2004 and 2005 store each rounding step's argument to four decimals before cutting it: in the
  // third zone of 2005, X 19,151 gives Y 0.6412 and RW x Y + 989 = 2,619.99997802..., stored
  // 2,620.0000, so the tax is 2,620. 2006 has the same tariff but cuts the exact value.
  struct Tarif {
    int jahr;
    Money X, ST;
  };
  for (const Tarif& f : {Tarif{2005, 19151_m, 2620_m},
                         {2005, 18707_m, 2501_m},   // 2,500.99998069...
                         {2005, 19150_m, 2619_m},   // 2,619.77... is cut as before
                         {2004, 44796_m, 11457_m},  // 11,456.99998959...
                         {2006, 19151_m, 2619_m}}) {
    EXPECT_EQ(pap::UPTAB(zeile(f.jahr).tarif, f.X), f.ST) << f.jahr << " X " << f.X.text4();
  }

  // Whole calculations whose taxable income lands on those X: class I, 22,108 a year or 1,842.33
  // a month (22,108.04 annualised) less 956 table allowances and the lump sum 2,001; class III
  // 43,296 a year less 992 and 4,002, split in two.
  struct Fall {
    const char* was;
    int jahr;
    LohnsteuerEingabe e;
    Money lst, solz, BK;
  };
  for (const Fall& f : {
           Fall{"annual class I", 2005, lohn(22108_m, 1, 1), 2620_m, 144.10_m, 262000_m},
           Fall{"monthly class I", 2005, lohn(1842.33_m, 1), 218.33_m, 12_m, 21833_m},
           Fall{"annual class III", 2005, lohn(43296_m, 3, 1), 5240_m, 288.20_m, 524000_m},
           Fall{"annual class I", 2004, lohn(47753_m, 1, 1), 11457_m, 630.13_m, 1145700_m},
       }) {
    auto e = engine(f.jahr);
    EXPECT_EQ(e->LohnsteuerLfd(f.e), f.lst) << f.was << " " << f.jahr;
    EXPECT_EQ(e->SolzLfd(), f.solz) << f.was << " " << f.jahr;
    e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 0_m);
    EXPECT_EQ(e->Ausgaben().BK, f.BK) << f.was << " " << f.jahr;
  }

  // The one-time payment of 2005: 20,000 a year plus 2,108 taxes 2,620 against 2,063.
  auto e = engine(2005);
  e->LohnsteuerLfd(lohn(1666.67_m, 1));
  EXPECT_EQ(e->LohnsteuerEB(2108_m, 20000_m, 0_m, 0_m), 557_m);
  EXPECT_EQ(e->SolzEB(), 30.63_m);
}

TEST(EnginesBis2013, OlderProvisionLumpSumWithTheRoundingsOfEachYear) {
  // 20 % of the pay; the base amount 3,068 less 16 % of the pay in full, the next 1,334 in full,
  // half of the rest up to 667; without statutory pension insurance at most 1,134.
  struct Fall {
    int jahr;
    Money ZRE4VP;
    int KZTAB;
    bool kurz;
    Money VSP;
  };
  for (const Fall& f : {
           Fall{2004, 8000.08_m, 1, false, 1600_m},   // covered by the base: 1,600.02 cut
           Fall{2005, 8000.08_m, 1, false, 1601_m},   // 1,600.01 rounded up
           Fall{2004, 10000.05_m, 1, false, 2000_m},  // base 1,467.99 plus the rest
           Fall{2005, 10000.05_m, 1, false, 2001_m},
           Fall{2006, 10000.05_m, 1, false, 2001_m},
           Fall{2007, 10000.05_m, 1, false, 2000_m},
           Fall{2004, 15000_m, 1, false, 2501_m},   // 668 + 1,334 + half of 998
           Fall{2005, 30000_m, 1, false, 2001_m},   // half of the rest capped at 667
           Fall{2004, 30000_m, 2, false, 5002_m},   // class III: base 1,336, parts doubled
           Fall{2004, 5000.10_m, 1, true, 1000_m},  // shortened: 1,000.02
           Fall{2005, 5000.10_m, 1, true, 1001_m},
           Fall{2006, 5000.10_m, 1, true, 1000.02_m},
           Fall{2005, 6000_m, 1, true, 1134_m},
           Fall{2005, 12000_m, 2, true, 2268_m},
       }) {
    EXPECT_EQ(pap::VorsorgepauschaleAlt(f.ZRE4VP, f.KZTAB, f.kurz, zeile(f.jahr).vorsorgeAlt),
              f.VSP)
        << f.jahr << " " << f.ZRE4VP.text4() << " KZTAB " << f.KZTAB << (f.kurz ? " kurz" : "");
  }
}

TEST(EnginesBis2013, WholeCalculations2004And2005) {
  struct Fall {
    const char* was;
    int jahr;
    LohnsteuerEingabe e;
    Money lst, solz;
  };
  LohnsteuerEingabe rentner2005 = lohn(2000_m, 1);
  rentner2005.VBEZ = 2000_m;
  rentner2005.VBEZM = 2000_m;
  rentner2005.ZMVB = 12;
  LohnsteuerEingabe alter2004 = lohn(3000_m, 1);
  alter2004.ALTER1 = 1;
  for (const Fall& f : {
           // Older lump sum 2,001 (2004) against the newer 2,280 (2005).
           Fall{"annual class I", 2004, lohn(40000_m, 1, 1), 8431_m, 463.70_m},
           Fall{"annual class I", 2005, lohn(40000_m, 1, 1), 8068_m, 443.74_m},
           // Monthly pay annualised with the supplement: 36,000.08 a year.
           Fall{"monthly class III", 2004, lohn(3000_m, 3), 275.50_m, 15.15_m},
           Fall{"monthly class V", 2004, lohn(2000_m, 5), 568.33_m, 31.25_m},
           Fall{"monthly class V", 2005, lohn(2000_m, 5), 552.00_m, 30.36_m},
           Fall{"annual class V above W2STKL5", 2004, lohn(30920_m, 5, 1), 9885_m, 543.67_m},
           // A week is annualised as (cents + 0.89) * 3.6 / 7, a day as (cents + 0.56) * 3.6.
           // The newer lump sum 2,202.0088 of 2005 stays 2,202: its rounding up to whole euros
           // needs at least a cent.
           Fall{"weekly class I", 2005, lohn(700_m, 1, 3), 130.90_m, 7.19_m},
           Fall{"daily class I", 2004, lohn(100_m, 1, 4), 19.43_m, 1.06_m},
           // Age relief: 40 %, at most 1,908 a year, 159.00 a month.
           Fall{"age relief", 2004, alter2004, 528.25_m, 29.05_m},
           // Pension allowance at its maximum 3,000 (250.00 a month), supplement 900, pension
           // lump sum 102 and no employee lump sum, as the pay is all pension.
           Fall{"pension", 2005, rentner2005, 191.91_m, 10.55_m},
       }) {
    auto e = engine(f.jahr);
    EXPECT_EQ(e->LohnsteuerLfd(f.e), f.lst) << f.was << " " << f.jahr;
    EXPECT_EQ(e->SolzLfd(), f.solz) << f.was << " " << f.jahr;
  }
}

TEST(EnginesBis2013, OneTimePayment2005) {
  // Annual pay 30,000 plus 5,000: annual tax 6,408 against 4,860. The surcharge has no
  // exemption; an annual allowance of 5,000 lowers the tax without the payment only.
  struct Fall {
    Money jahresfreibetrag, sts, solz, kist;
  };
  for (const Fall& f :
       {Fall{0_m, 1548_m, 85.14_m, 139.32_m}, {5000_m, 1437_m, 79.03_m, 129.33_m}}) {
    auto e = engine(2005);
    LohnsteuerEingabe ein = lohn(2500_m, 1);
    ein.FreibetragJahr = f.jahresfreibetrag;
    e->LohnsteuerLfd(ein);
    EXPECT_EQ(e->LohnsteuerEB(5000_m, 30000_m, 0_m, 0_m), f.sts);
    EXPECT_EQ(e->SolzEB(), f.solz);
    EXPECT_EQ(e->KirchensteuerEB(1, 12, 1, 0, 0, 0_m, 0_m), f.kist);
    EXPECT_EQ(e->Ausgaben().BKS, Money::runde(f.sts * 100));
  }
  auto e = engine(2005);
  e->LohnsteuerLfd(lohn(2500_m, 1));
  EXPECT_EQ(e->LohnsteuerEB(0_m, 30000_m, 0_m, 0_m), 0_m);
}

TEST(EnginesBis2013, ChurchTaxMinimumInBadenWuerttembergUntil2009) {
  for (int jahr : {2004, 2007, 2009, 2010}) {
    auto e = engine(jahr);
    // No wage tax, no minimum.
    EXPECT_EQ(e->LohnsteuerLfd(lohn(500_m, 1)), 0_m);
    EXPECT_EQ(e->KirchensteuerLfd(1, 1, 1, 0, 0_m, 99_m), 0_m) << jahr;
    EXPECT_EQ(e->KirchensteuerLfd(1, 10, 1, 0, 0_m, 99_m), 0_m) << jahr;
    // The first pay with wage tax: 8 % or 9 % of it is less than the minimum.
    Money brutto = 500_m;
    while (e->LohnsteuerLfd(lohn(brutto, 1)) == 0_m) brutto += 1_m;
    EXPECT_EQ(e->KirchensteuerLfd(1, 1, 1, 0, 0_m, 99_m), jahr < 2010 ? 0.30_m : 0_m) << jahr;
    EXPECT_EQ(e->KirchensteuerLfd(1, 10, 1, 0, 0_m, 99_m), jahr < 2010 ? 0.30_m : 0_m) << jahr;
  }
}

TEST(EnginesBis2013, ClassVAndVITaxRisesSteadilyAcrossTheThirdLimit) {
  // Classes V and VI have 920 of table allowances and no provision lump sum, so annual pay of
  // X + 920 is taxed at X. Above W3STKL5 the 42 % stretch up to the limit is added in full.
  for (int jahr : {2007, 2008, 2009}) {
    for (int stkl : {5, 6}) {
      auto e = engine(jahr);
      const Money anp = stkl == 5 ? 920_m : 0_m;
      const Money W3 = jahr == 2009 ? 200320_m : 200000_m;
      Money vorher = e->LohnsteuerLfd(lohn(W3 - 100_m + anp, stkl, 1));
      for (Money X = W3 - 99_m; X <= W3 + 100_m; X += 1_m) {
        const Money st = e->LohnsteuerLfd(lohn(X + anp, stkl, 1));
        EXPECT_GE(st, vorher) << jahr << " class " << stkl << " X " << X.text4();
        EXPECT_LE(st - vorher, 1_m) << jahr << " class " << stkl << " X " << X.text4();
        vorher = st;
      }
    }
  }
}

TEST(EnginesBis2013, December2011HasTheHigherEmployeeLumpSum) {
  // 2,000.00 a month in class I: 920 a year in November, 1,880 in December.
  auto november = engine(2011, 11);
  auto dezember = engine(2011, 12);
  EXPECT_EQ(november->LohnsteuerLfd(lohn(2000_m, 1)), 222.00_m);
  EXPECT_EQ(dezember->LohnsteuerLfd(lohn(2000_m, 1)), 200.66_m);
  // A one-time payment is annual pay: December takes 1,000 for it (1,880 would give 465.00).
  EXPECT_EQ(dezember->LohnsteuerEB(2000_m, 24000_m, 0_m, 0_m), 473.00_m);
}

TEST(EnginesBis2013, ANewCalculationForgetsTheLastOne) {
  // A one-time payment leaves the annual tax with it behind; the next calculation must neither
  // see it nor keep the annual pay period it switched to.
  for (int jahr : {2005, 2008, 2009, 2010, 2013}) {
    auto e = engine(jahr);
    LohnsteuerEingabe ein = lohn(4000_m, 1);
    ein.VMT = 10000_m;
    const Money lst = e->LohnsteuerLfd(ein);
    const Money solz = e->SolzLfd();
    const Money kist = e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m);
    e->LohnsteuerEB(6000_m, 48000_m, 0_m, 0_m);
    Money stv;
    if (e->HatVMT()) stv = e->LohnsteuerVMT(6000_m, 48000_m);
    EXPECT_EQ(e->LohnsteuerLfd(ein), lst) << jahr;
    EXPECT_EQ(e->SolzLfd(), solz) << jahr;
    EXPECT_EQ(e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m), kist) << jahr;
    EXPECT_EQ(e->Ausgaben().STS, 0_m) << jahr;
    if (!e->HatVMT()) continue;
    // The multi-year pay alone is measured against the tax without the payment.
    auto frisch = engine(jahr);
    frisch->LohnsteuerLfd(ein);
    const Money alleinFrisch = frisch->LohnsteuerVMT(0_m, 48000_m);
    EXPECT_EQ(e->LohnsteuerVMT(0_m, 48000_m), alleinFrisch) << jahr;
    EXPECT_GT(alleinFrisch, 0_m) << jahr;
    EXPECT_NE(stv, 0_m) << jahr;
  }
}

TEST(EnginesBis2013, TaxClassZeroGivesNothing) {
  for (int jahr : {2004, 2006, 2008, 2011}) {
    auto e = engine(jahr);
    EXPECT_EQ(e->LohnsteuerLfd(lohn(5000_m, 0)), 0_m) << jahr;
    EXPECT_EQ(e->SolzLfd(), 0_m) << jahr;
    EXPECT_EQ(e->KirchensteuerLfd(1, 7, 1, 0, 0_m, 99_m), 0_m) << jahr;
  }
}

TEST(EnginesBis2013, AgeReliefFrom2010IsRoundedUpToWholeEuros) {
  // Annual pay in class VI, retired in the year after turning 64 in 2009: 32 % of the pay, at
  // most 1,520, acts exactly like an annual allowance of that amount rounded up to whole euros.
  for (Money re4 = 4000_m; re4 < 4700_m; re4 += 7.37_m) {
    auto e = engine(2010);
    LohnsteuerEingabe mit = lohn(re4, 6, 1);
    mit.ALTER1 = 1;
    mit.AJAHR = 2010;
    LohnsteuerEingabe ohne = lohn(re4, 6, 1);
    ohne.FreibetragLzz = pap::auf(0, re4 * 0.32_m);
    EXPECT_EQ(e->LohnsteuerLfd(mit), e->LohnsteuerLfd(ohne)) << re4.text4();
  }
}

}  // namespace
}  // namespace salvaro
