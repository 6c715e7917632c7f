// Every year and month with the contribution groups of the window and a range of pay: the real
// engines and the social insurance of the period calculate without a fault, and the results are
// plausible (no negative deduction, net not above gross).
#include <gtest/gtest.h>

#include "Hilfe.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

void setze(TLohnGehalt& lg, int jahr, int monat, const char* bgr, Money brutto) {
  lg.SetRechtskreis(1);
  lg.SetJahr(jahr);
  lg.SetBGR(bgr);
  lg.SetMonat(monat);
  lg.SetKVSatz(14.6_m);
  lg.SetKVZusBeitrag(jahr >= 2015 ? 1.6_m : 0.9_m);
  lg.SetStBrutto(brutto);
  lg.SetSVBrutto(brutto);
  lg.SetKiStLand(12);
  lg.SetKonfession(1);
}

TEST(AlleJahre, EveryPeriodKeyAndPayCalculates) {
  int faelle = 0;
  for (int jahr = 2004; jahr <= 2026; ++jahr) {
    for (int monat = 1; monat <= 12; ++monat) {
      for (const char* bgr : {"1111", "3111", "1112", "9111", "0110", "6500", "6100", "0500"}) {
        for (const Money brutto : {0_m, 300_m, 1000_m, 3000_m, 10000_m}) {
          TLohnGehalt lg;
          setze(lg, jahr, monat, bgr, brutto);
          lg.SetGebJahr(1980);
          ASSERT_NO_THROW(lg.Berechne()) << jahr << "/" << monat << " " << bgr << " " << brutto.text4();
          for (const Money m : {lg.LSt, lg.SolZ, lg.KiSt, lg.KVAN, lg.RVAN, lg.AVAN, lg.PVAN, lg.KVAG,
                                lg.RVAG, lg.AVAG, lg.PVAG})
            EXPECT_GE(m, 0_m) << jahr << "/" << monat << " " << bgr << " " << brutto.text4();
          EXPECT_LE(lg.LSt + lg.SolZ + lg.KiSt + lg.RVAN + lg.AVAN, brutto)
              << jahr << "/" << monat << " " << bgr << " " << brutto.text4();
          ++faelle;
        }
      }
    }
  }
  EXPECT_EQ(faelle, 23 * 12 * 8 * 5);
}

// A case keeps its engine from one calculation to the next of the same month: one case taken
// through the months where the flowchart changes, forth and back, taxes as a new case each time.
TEST(AlleJahre, AReusedCaseTaxesEveryMonthAsANewOne) {
  TLohnGehalt wieder;
  for (const auto& [jahr, monat] : {std::pair{2023, 6}, {2023, 7}, {2023, 6}, {2024, 12},
                                    {2024, 11}, {2011, 12}, {2011, 11}, {2015, 12}, {2004, 1},
                                    {2026, 12}}) {
    TLohnGehalt neu;
    setze(neu, jahr, monat, "1111", 4321_m);
    setze(wieder, jahr, monat, "1111", 4321_m);
    neu.Berechne();
    wieder.Berechne();
    EXPECT_EQ(wieder.LSt, neu.LSt) << jahr << "/" << monat;
    EXPECT_EQ(wieder.SolZ, neu.SolZ) << jahr << "/" << monat;
    EXPECT_EQ(wieder.KiSt, neu.KiSt) << jahr << "/" << monat;
  }
}

}  // namespace
}  // namespace salvaro
