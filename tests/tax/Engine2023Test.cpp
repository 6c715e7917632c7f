// Special paths of the 2023 engine that the reference rows do not pin down on their own: the
// church-tax rules, the calling order and the engine state between calculations.
#include <gtest/gtest.h>

#include "money/OruMath.h"
#include "tax/EngineWahl.h"
#include "tax/Kirchensteuer.h"
#include "Hilfe.h"

namespace salvaro {
namespace {

using namespace literale;

LohnsteuerEingabe monat(Money brutto, int stkl = 1) {
  LohnsteuerEingabe e;
  e.RE4 = brutto;
  e.STKL = stkl;
  e.LZZ = 2;
  e.KVZ = 1.6_m;
  e.f = 1_m;
  return e;
}

std::unique_ptr<OruSteuern> engine2023() {
  auto e = EngineFuer(2023, 5);
  EXPECT_TRUE(e);
  return e;
}

TEST(Engine2023, TaxClassZeroGivesNothing) {
  auto e = engine2023();
  EXPECT_EQ(e->LohnsteuerLfd(monat(5000_m, 0)), 0_m);
  EXPECT_EQ(e->SolzLfd(), 0_m);
  EXPECT_EQ(e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m), 0_m);
}

TEST(Engine2023, KnownMonthlyTaxes) {
  // Class I, 3,000.00 a month, statutory insurance with 1.6 % additional rate, no children.
  struct Fall {
    Money brutto;
    int stkl;
    Money lst;
  };
  for (const Fall& f : {Fall{3000_m, 1, 344.00_m}, {3000_m, 3, 88.16_m}, {3000_m, 5, 668.00_m},
                        {3000_m, 6, 710.16_m}, {1000_m, 1, 0_m}}) {
    auto e = engine2023();
    EXPECT_EQ(e->LohnsteuerLfd(monat(f.brutto, f.stkl)), f.lst) << f.brutto.text4() << " " << f.stkl;
  }
}

TEST(Engine2023, FactorAppliesOnlyWithItsFlag) {
  auto e = engine2023();
  LohnsteuerEingabe ein = monat(4000_m, 4);
  const Money ohne = e->LohnsteuerLfd(ein);
  ein.f = 0.9_m;
  EXPECT_EQ(e->LohnsteuerLfd(ein), ohne) << "AF 0: the factor is 1 whatever f holds";
  ein.AF = 1;
  const Money mit = e->LohnsteuerLfd(ein);
  // The annual tax times the factor is cut to whole euros before the period share.
  EXPECT_EQ(mit, AbrundenCent(Int(ohne * 12 * 0.9_m) / 12));
}

TEST(Engine2023, ChildrenLowerSurchargeAndChurchTaxButNotWageTax) {
  auto e = engine2023();
  LohnsteuerEingabe ein = monat(9000_m);
  const Money lst = e->LohnsteuerLfd(ein);
  const Money solz = e->SolzLfd();
  const Money kist = e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m);
  ein.ZKF = 2;
  EXPECT_EQ(e->LohnsteuerLfd(ein), lst);
  EXPECT_LT(e->SolzLfd(), solz);
  EXPECT_LT(e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m), kist);
}

TEST(Engine2023, SurchargeStartsInTheMitigationZone) {
  // Just above the exemption the surcharge is 11.9 % of the excess, far below 5.5 % of the tax.
  auto e = engine2023();
  e->LohnsteuerLfd(monat(8000_m));
  const FlowchartAusgaben a = e->Ausgaben();
  EXPECT_GT(a.SOLZLZZ, 0_m);
  EXPECT_LT(a.SOLZLZZ, Money::runde(a.LSTLZZ * 5.5_m / 100));
  e->LohnsteuerLfd(monat(3000_m));
  EXPECT_EQ(e->SolzLfd(), 0_m);
}

TEST(Engine2023, ChurchTaxRatesMinimumsAndSplits) {
  auto e = engine2023();
  e->LohnsteuerLfd(monat(3000_m));  // 344.00 wage tax, no children
  EXPECT_EQ(e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m), 30.96_m);  // 9 %
  EXPECT_EQ(e->KirchensteuerLfd(1, 2, 1, 0, 0_m, 99_m), 27.52_m);   // Bayern 8 %
  EXPECT_EQ(e->KirchensteuerLfd(0, 12, 1, 0, 0_m, 99_m), 0_m);
  EXPECT_EQ(e->Ausgaben().BK, 0_m);
  // A split between two denominations: Bayern gives the first 30 %.
  EXPECT_EQ(e->KirchensteuerLfd(1, 2, 2, 1, 0_m, 0_m), 8.26_m);
  EXPECT_EQ(e->KirchensteuerLfd(1, 2, 2, 0, 0_m, 0_m), 19.26_m);
  // Kind 1 has no first share.
  EXPECT_EQ(e->KirchensteuerLfd(1, 12, 1, 1, 0_m, 0_m), 0_m);
  // A special rate replaces the state's rate.
  EXPECT_EQ(e->KirchensteuerLfd(1, 12, 1, 0, 0_m, 4_m), 13.76_m);

  // The minimums apply where wage tax is withheld, monthly or annual, and only there.
  ASSERT_GT(e->LohnsteuerLfd(monat(1300_m)), 0_m);
  EXPECT_EQ(e->KirchensteuerLfd(1, 7, 1, 0, 0_m, 99_m), 0.30_m);   // Hamburg
  EXPECT_EQ(e->KirchensteuerLfd(1, 8, 1, 0, 0_m, 99_m), 0.15_m);   // Hessen
  EXPECT_EQ(e->KirchensteuerLfd(1, 15, 1, 0, 0_m, 99_m), 0.10_m);  // Sachsen: split minimum only
  LohnsteuerEingabe jahr = monat(15600_m);
  jahr.LZZ = 1;
  ASSERT_GT(e->LohnsteuerLfd(jahr), 0_m);
  EXPECT_EQ(e->KirchensteuerLfd(1, 17, 1, 0, 0_m, 99_m), 3.60_m);  // Schleswig-Holstein
  EXPECT_EQ(e->LohnsteuerLfd(monat(1000_m)), 0_m);
  for (int land : {7, 8, 9, 17}) EXPECT_EQ(e->KirchensteuerLfd(1, land, 1, 0, 0_m, 99_m), 0_m);
}

TEST(Kirchensteuer, SplitMinimumNeedsWageTaxDue) {
  // A base of 1.00 euro (100 cents) gives 0.09; with wage tax due the split minimum 0.30 applies,
  // of which the first denomination in Saxony carries 85 %.
  const KiStAufruf sachsen{1, 15, 2, 0, 0_m, 0_m};
  EXPECT_EQ(Kirchensteuer(sachsen, 100_m, 2, true), 0.04_m);
  EXPECT_EQ(Kirchensteuer(sachsen, 100_m, 2, false), 0.01_m);
  EXPECT_EQ(KiStTabelle(1).mindestA, 0_m);
  EXPECT_EQ(KiStTabelle(1, true).mindestA, 0.30_m);
  EXPECT_EQ(KiStTabelle(99).satz, 9_m);
}

TEST(Kirchensteuer, CappingBaseLimitsTheTax) {
  const KiStAufruf berlin{1, 3, 1, 0, 1000_m, 0_m};  // capping at 3 % of 1,000.00
  EXPECT_EQ(Kirchensteuer(berlin, 100000_m, 2, true), 30_m);  // base 1,000.00 euros in cents
  EXPECT_EQ(Kirchensteuer({1, 3, 1, 0, 0_m, 0_m}, 100000_m, 2, true), 90_m);
}

TEST(Engine2023, OneTimePaymentWithoutExtraTaxCarriesNoSurcharge) {
  auto e = engine2023();
  e->LohnsteuerLfd(monat(500_m));
  EXPECT_EQ(e->LohnsteuerEB(100_m, 6000_m, 0_m, 0_m), 0_m);
  EXPECT_EQ(e->SolzEB(), 0_m);
  EXPECT_EQ(e->KirchensteuerEB(1, 12, 1, 0, 0, 0_m, 0_m), 0_m);
  // Hamburg: no minimum without wage tax on the payment; with a little, the annual minimum, as
  // the pay period is a year after the one-time payment.
  EXPECT_EQ(e->KirchensteuerEB(1, 7, 1, 0, 0, 0_m, 0_m), 0_m);
  e->LohnsteuerLfd(monat(1300_m));
  const Money sts = e->LohnsteuerEB(100_m, 15600_m, 0_m, 0_m);
  ASSERT_GT(sts, 0_m);
  ASSERT_LT(sts, 40_m);
  EXPECT_EQ(e->KirchensteuerEB(1, 7, 1, 0, 0, 0_m, 0_m), 3.60_m);
}

TEST(Engine2023, OneTimePaymentIsTheDifferenceOfTwoAnnualTaxes) {
  auto e = engine2023();
  e->LohnsteuerLfd(monat(4000_m));
  const Money sts = e->LohnsteuerEB(5000_m, 48000_m, 0_m, 0_m);
  EXPECT_GT(sts, 0_m);
  EXPECT_EQ(sts.raw() % Money::euro(1).raw(), 0) << "whole euros without a factor";
  EXPECT_EQ(e->SolzEB(), 0_m) << "annual tax below the exemption";
}

TEST(Engine2023, MultiYearPayAndItsFlag) {
  auto e = engine2023();
  LohnsteuerEingabe ein = monat(1500_m);
  ein.VMT = 20000_m;
  e->LohnsteuerLfd(ein);
  const Money stv = e->LohnsteuerVMT(0_m, 18000_m);
  EXPECT_GT(stv, 0_m);
  EXPECT_EQ(e->VMTOhneFuenftelung(), 0);

  // A calculation with the same inputs gives the same results: nothing leaks between them.
  e->LohnsteuerLfd(ein);
  EXPECT_EQ(e->LohnsteuerVMT(0_m, 18000_m), stv);

  // Here the truncations of the one-fifth rule make full taxation the cheaper one.
  ein.RE4 = 4500_m;
  ein.VMT = 1000_m;
  e->LohnsteuerLfd(ein);
  e->LohnsteuerVMT(0_m, 54000_m);
  EXPECT_EQ(e->VMTOhneFuenftelung(), 1);
  ein.RE4 = 1500_m;
  e->LohnsteuerLfd(ein);
  EXPECT_EQ(e->VMTOhneFuenftelung(), 0) << "the flag is cleared with the engine state";
}

TEST(EngineWahl, NamesByYearAndMonth) {
  EXPECT_EQ(EngineName(2023, 1), "OruSteuern2023");
  EXPECT_EQ(EngineName(2015, 12), "OruSteuern1215");
  EXPECT_EQ(EngineName(2015, 11), "OruSteuern2015");
  EXPECT_EQ(EngineName(2011, 12), "OruSteuern1211");
  EXPECT_EQ(EngineFuer(1999, 1), nullptr);
  EXPECT_EQ(EngineNachName("OruSteuern2023")->Name(), "OruSteuern2023");
}

}  // namespace
}  // namespace salvaro
