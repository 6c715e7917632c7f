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

// A subsidy paid out beyond the pay: a gross of 0,00 already nets 300,00.
TEST(Hochrechnung, NoTrialBelowZeroAndANetNoGrossGivesIsRefused) {
  std::vector<Money> trials;
  const auto zuschuss = [&](Money b) {
    trials.push_back(b);
    return b + 300_m;
  };
  const Hochrechnung h = NettoZuBrutto(100_m, zuschuss(100_m), false, zuschuss);
  EXPECT_TRUE(h.unerreichbar);
  EXPECT_FALSE(h.geloest);
  EXPECT_EQ(trials.back(), Money());
  for (const Money t : trials) EXPECT_GE(t, Money());
  // 300,00 itself is reached at 0,00.
  const Hochrechnung n = NettoZuBrutto(300_m, zuschuss(300_m), false, zuschuss);
  EXPECT_TRUE(n.geloest);
  EXPECT_EQ(n.brutto, Money());
}

// The search stays within the gross the field takes: a net only a higher gross gives is refused,
// one the highest gross gives is found.
TEST(Hochrechnung, NoTrialAboveTheHighestGross) {
  const Money hoechst = 1000000_m;
  struct Fall {
    Money ziel;
    bool zuHoch;
  };
  for (const Fall& f : {Fall{flach(hoechst) + 0.01_m, true}, {1000000_m, true}, {flach(hoechst), false},
                        {flach(hoechst) - 0.01_m, false}}) {
    std::vector<Money> versuche;
    const Hochrechnung h = NettoZuBrutto(f.ziel, flach(f.ziel), false, [&](Money b) {
      versuche.push_back(b);
      return flach(b);
    }, hoechst);
    EXPECT_EQ(h.zuHoch, f.zuHoch) << f.ziel.text4();
    EXPECT_EQ(h.geloest, !f.zuHoch) << f.ziel.text4();
    for (const Money v : versuche) EXPECT_LE(v, hoechst);
    if (f.zuHoch) {
      EXPECT_EQ(versuche.back(), hoechst);
    }
  }
}

TEST(Hochrechnung, AnUnsolvedSearchGivesTheClosestTrialTheSmallerOnATie) {
  // Only even cents are reachable.
  const auto netz = [](Money b) { return Money::cent(b.raw() / 200 * 2); };
  std::vector<std::pair<Money, Money>> versuche;
  const Money ziel = 1000.01_m;
  const Hochrechnung h = NettoZuBrutto(ziel, netz(ziel), false, [&](Money b) {
    versuche.emplace_back(b, netz(b));
    return netz(b);
  });
  ASSERT_TRUE(h.abgebrochen());
  versuche.emplace_back(ziel, netz(ziel));
  const auto abstand = [&](Money n) { return n < ziel ? ziel - n : n - ziel; };
  for (const auto& [b, n] : versuche) {
    EXPECT_LE(abstand(h.netto), abstand(n));
    if (abstand(n) == abstand(h.netto)) {
      EXPECT_LE(h.brutto, b);
    }
  }
  EXPECT_EQ(netz(h.brutto), h.netto);
  EXPECT_EQ(h.netto, 1000_m);
  EXPECT_NE(h.brutto, versuche[versuche.size() - 2].first) << "not simply the last trial";
}

TEST(Hochrechnung, TheNetFollowsTheGrossEvenlyOrNot) {
  const auto flachNetz = [](Money b) { return b - AbrundenCent(Money::runde(b * 0.3_m)); };
  const auto fall = [](Money b) { return b > 520_m ? b - 60_m : b; };  // falls at the limit
  const auto sprung = [](Money b) {
    return b > 520_m ? b : Money::runde(b * 0.8_m);
  };  // jumps up there
  const auto gleich = [](Money b) { return b; };
  EXPECT_TRUE(NettoGleichmaessigUm(2000_m, flachNetz));
  EXPECT_TRUE(NettoGleichmaessigUm(0.5_m, flachNetz));
  EXPECT_TRUE(NettoGleichmaessigUm(300_m, gleich));
  EXPECT_FALSE(NettoGleichmaessigUm(520_m, fall));
  EXPECT_TRUE(NettoGleichmaessigUm(700_m, fall));
  EXPECT_FALSE(NettoGleichmaessigUm(520_m, sprung));
  EXPECT_FALSE(NettoGleichmaessigUm(521_m, sprung));
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
