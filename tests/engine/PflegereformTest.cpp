// The care-insurance reform of 1 July 2023: rate 3.4 %, childless surcharge 0.6 %, the employee's
// reduction of 0.25 points for each child under 25 from the second to the fifth, the new maximum
// subsidy to private care, and the wage-tax engine of the July flowchart.
#include <gtest/gtest.h>

#include "Hilfe.h"
#include "engine/Gehalt.h"
#include "tax/EngineWahl.h"

namespace salvaro {
namespace {

using namespace literale;

TLohnGehalt rechne(int monat, Money brutto, int kinder, int kinderlos, int sachsen = 0) {
  TLohnGehalt lg;
  lg.SetRechtskreis(1);
  lg.SetJahr(2023);
  lg.SetBGR("1111");
  lg.SetMonat(monat);
  lg.SetPVErhoeht(kinderlos);
  lg.SetPVSachsen(sachsen);
  lg.SetKVZusBeitrag(1.6_m);
  lg.SetKVSatz(14.6_m);
  lg.SetStBrutto(brutto);
  lg.SetSVBrutto(brutto);
  lg.SetGebJahr(1980);
  lg.SetKinderUnter25(kinder);
  lg.Berechne();
  return lg;
}

TEST(Pflegereform2023, EmployeeAndEmployerCareShares) {
  struct Fall {
    int monat;
    Money brutto;
    int kinder, kinderlos, sachsen;
    Money PVAN, PVAG;
  };
  for (const Fall& f : {
           Fall{7, 3000_m, 2, 0, 0, 43.50_m, 51_m},
           {7, 4000_m, 5, 0, 0, 28_m, 68_m},
           {7, 4000_m, 9, 0, 0, 28_m, 68_m},  // at most four reductions
           {7, 4000_m, 1, 0, 0, 68_m, 68_m},  // one child: no reduction
           {7, 4000_m, 0, 1, 0, 92_m, 68_m},
           {7, 4000_m, 3, 1, 0, 92_m, 68_m},  // the surcharge excludes the reduction
           {7, 3000_m, 0, 0, 1, 66_m, 36_m},  // Saxony: 2.2 % and 1.2 %
           {6, 3000_m, 2, 0, 0, 45.75_m, 45.75_m},  // June: the old rates, no reduction
           {7, 1000_m, 1, 0, 0, 11.03_m, 19.29_m},  // transition zone
           {7, 1000_m, 0, 1, 0, 16.38_m, 19.29_m},
       }) {
    const TLohnGehalt lg = rechne(f.monat, f.brutto, f.kinder, f.kinderlos, f.sachsen);
    EXPECT_EQ(lg.PVAN, f.PVAN) << f.monat << " " << f.brutto.text4() << " " << f.kinder;
    EXPECT_EQ(lg.PVAG, f.PVAG) << f.monat << " " << f.brutto.text4() << " " << f.kinder;
  }
}

TEST(Pflegereform2023, HalfContributionHalvesTheReductionAndNeverGoesNegative) {
  // Care digit 2: half the rate (1.70 % of 3,000.00 = 51.00, the employee's half 25.50) and half
  // the reductions (four children: 0.50 points instead of 1.00).
  TLohnGehalt lg;
  lg.SetRechtskreis(1);
  lg.SetJahr(2023);
  lg.SetBGR("1112");
  lg.SetMonat(7);
  lg.SetPVErhoeht(0);
  lg.SetStBrutto(3000_m);
  lg.SetSVBrutto(3000_m);
  lg.SetKinderUnter25(5);
  lg.Berechne();
  EXPECT_EQ(lg.PVAN, 10.50_m);
  EXPECT_GE(lg.PVAN, 0_m);
}

TEST(Pflegereform2023, PrivateCareSubsidyCap) {
  for (const auto& [monat, zuschuss] : {std::pair{6, 76.06_m}, std::pair{7, 84.79_m}}) {
    TLohnGehalt lg;
    lg.SetRechtskreis(1);
    lg.SetJahr(2023);
    lg.SetBGR("1111");
    lg.SetMonat(monat);
    lg.SetPPVBetrag(200_m);
    lg.SetPVStatus(4);
    lg.SetStBrutto(6000_m);
    lg.SetSVBrutto(6000_m);
    lg.SetGebJahr(1980);
    lg.Berechne();
    EXPECT_EQ(lg.PVAG, zuschuss) << monat;
  }
}

TEST(Pflegereform2023, TheJulyEngineTaxesFromJuly) {
  for (int monat = 1; monat <= 12; ++monat)
    EXPECT_EQ(EngineName(2023, monat), monat >= 7 ? "OruSteuern0723" : "OruSteuern2023");
  // A higher care rate in the provision lump sum lowers the wage tax.
  EXPECT_LT(rechne(7, 4000_m, 0, 1).LSt, rechne(6, 4000_m, 0, 1).LSt);
}

}  // namespace
}  // namespace salvaro
