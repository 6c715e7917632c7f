#include "abrechnung/Hochrechnung.h"

#include <gtest/gtest.h>

#include "Hilfe.h"
#include "money/OruMath.h"

namespace salvaro {
namespace {

using namespace literale;

// A stand-in for the payroll case: a flat 30 % deduction, cut to cents.
Money flach(Money brutto) { return brutto - AbrundenCent(Money::runde(brutto * 0.3_m)); }

TEST(Hochrechnung, FindsTheExactGross) {
  const Hochrechnung h = NettoZuBrutto(2000_m, flach(2000_m), false, flach);
  EXPECT_EQ(h.netto, 2000_m);
  EXPECT_EQ(flach(h.brutto), 2000_m);
  EXPECT_FALSE(h.abgebrochen());
  EXPECT_LT(h.schritte, 30);
}

TEST(Hochrechnung, NoIterationWhenTheFirstCalculationMatches) {
  int aufrufe = 0;
  const Hochrechnung h = NettoZuBrutto(500_m, 500_m, false, [&](Money b) {
    ++aufrufe;
    return b;
  });
  EXPECT_EQ(h.schritte, 1);
  EXPECT_EQ(h.brutto, 500_m);
  EXPECT_EQ(aufrufe, 0);
}

TEST(Hochrechnung, AGrossOneCentTooHighStillMovesDown) {
  // The net is one cent above the gross. The first calculation (gross 2,500.00) stands one cent
  // above the desired net; half the difference is half a cent, which rounds back up to the same
  // gross. The search must still step down to the exact gross instead of stalling for 200 steps.
  const auto eineCentMehr = [](Money b) { return b + 0.01_m; };
  const Hochrechnung h = NettoZuBrutto(2500_m, eineCentMehr(2500_m), false, eineCentMehr);
  EXPECT_EQ(h.brutto, 2499.99_m);
  EXPECT_EQ(h.netto, 2500_m);
  EXPECT_EQ(h.schritte, 2);
}

TEST(Hochrechnung, StopsAfter200CalculationsWhenNoGrossHitsTheNet) {
  // Only even cents are reachable: an odd desired net is never met.
  const auto gerade = [](Money b) { return Money::cent(b.raw() / 200 * 2); };
  int aufrufe = 0;
  const Hochrechnung h = NettoZuBrutto(1000.01_m, gerade(1000.01_m), false, [&](Money b) {
    ++aufrufe;
    return gerade(b);
  });
  EXPECT_TRUE(h.abgebrochen());
  EXPECT_EQ(h.schritte, 200);
  EXPECT_EQ(aufrufe, 199);
}

TEST(Hochrechnung, TaxClassSixRaisesTheTrialByACentFrom101To119) {
  const auto gerade = [](Money b) { return Money::cent(b.raw() / 200 * 2); };
  std::vector<Money> trials;
  NettoZuBrutto(1000.01_m, gerade(1000.01_m), true, [&](Money b) {
    trials.push_back(b);
    return gerade(b);
  });
  ASSERT_EQ(trials.size(), 199u);
  // trials[k] is the gross of calculation k + 2.
  for (int schritt = 102; schritt <= 120; ++schritt)
    EXPECT_EQ(trials[schritt - 2], trials[schritt - 3] + 0.01_m) << schritt;
}

}  // namespace
}  // namespace salvaro
