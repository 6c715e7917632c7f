// The switches of the 2014-2023 family and the December 2015 settlement.
#include <gtest/gtest.h>

#include "Hilfe.h"
#include "money/OruMath.h"
#include "tax/EngineWahl.h"

namespace salvaro {
namespace {

using namespace literale;

LohnsteuerEingabe fall(Money brutto, int stkl, int lzz = 2, Money kvz = 0.9_m) {
  LohnsteuerEingabe e;
  e.RE4 = brutto;
  e.STKL = stkl;
  e.LZZ = lzz;
  e.KVZ = kvz;
  e.f = 1_m;
  return e;
}

Money lohnsteuer(const char* engine, const LohnsteuerEingabe& e) {
  auto t = EngineNachName(engine);
  EXPECT_TRUE(t) << engine;
  return t->LohnsteuerLfd(e);
}

TEST(Dezember2015, SettlesElevenMonthsOfReliefInDecember) {
  for (const int stkl : {1, 2, 3, 4, 5, 6}) {
    for (const Money monat : {1200_m, 2500_m, 4000_m, 7000_m}) {
      // The annual taxes with the old and the new values, in cents.
      const Ext alt = lohnsteuer("OruSteuern2015", fall(Money::runde(monat * 12), stkl, 1)) * 100;
      const Ext neu = lohnsteuer("OruSteuern1215", fall(Money::runde(monat * 12), stkl, 1)) * 100;
      const Ext dezember = neu - (alt - neu) * 11;
      const Money erwartet = dezember < 0 ? 0_m : AbrundenCent(Money::runde(dezember / 12 / 100));
      EXPECT_EQ(lohnsteuer("OruSteuern1215", fall(monat, stkl)), erwartet)
          << "class " << stkl << ", " << monat.text4();
    }
  }
}

TEST(Dezember2015, NeverRefunds) {
  // November still taxes 1.16 a month; the relief of eleven months exceeds December's tax.
  EXPECT_EQ(lohnsteuer("OruSteuern2015", fall(960_m, 1)), 1.16_m);
  EXPECT_EQ(lohnsteuer("OruSteuern1215", fall(960_m, 1)), 0_m);
}

TEST(Dezember2015, AnnualPayPeriodTakesTheNewValuesWithoutSettlement) {
  // An annual pay period gets the annual tax with the new values: the relief once, not the
  // eleven months' overpayment on top.
  const Money alt = lohnsteuer("OruSteuern2015", fall(36000_m, 1, 1));
  const Money jahr = lohnsteuer("OruSteuern1215", fall(36000_m, 1, 1));
  auto neu = EngineNachName("OruSteuern1215");
  EXPECT_LT(jahr, alt);
  EXPECT_GT(jahr, Money::runde(jahr - (alt - jahr) * 11));
  // The same wage paid monthly is settled in December.
  EXPECT_LT(neu->LohnsteuerLfd(fall(3000_m, 1)), AbrundenCent(Money::runde(jahr / 12)));
}

TEST(Dezember2015, SurchargeAndChurchTaxFollowTheSettledAmounts) {
  auto nov = EngineFuer(2015, 11);
  auto dez = EngineFuer(2015, 12);
  ASSERT_EQ(dez->Name(), "OruSteuern1215");
  const LohnsteuerEingabe e = fall(6000_m, 1);
  EXPECT_GT(nov->LohnsteuerLfd(e), dez->LohnsteuerLfd(e));
  EXPECT_GT(nov->SolzLfd(), dez->SolzLfd());
  EXPECT_GT(nov->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m),
            dez->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m));
  EXPECT_GT(dez->SolzLfd(), 0_m);
}

TEST(FamilieAb2014, SurchargeExemptionAndMitigationChangeIn2021) {
  // 2020: exemption 972 per share, 20 % mitigation; 2021: 16,956 and 11.9 %.
  auto e2020 = EngineNachName("OruSteuern2020");
  auto e2021 = EngineNachName("OruSteuern2021");
  e2020->LohnsteuerLfd(fall(3000_m, 1));
  e2021->LohnsteuerLfd(fall(3000_m, 1));
  EXPECT_GT(e2020->SolzLfd(), 0_m);
  EXPECT_EQ(e2021->SolzLfd(), 0_m);
  // A one-time payment carries 5.5 % in 2020 even below the exemption, from 2021 not.
  EXPECT_GT(e2020->LohnsteuerEB(3000_m, 36000_m, 0_m, 0_m), 0_m);
  EXPECT_EQ(e2020->SolzEB(), AbrundenCent(Money::runde(e2020->Ausgaben().STS * 5.5_m / 100 / 100)));
  EXPECT_GT(e2021->LohnsteuerEB(3000_m, 36000_m, 0_m, 0_m), 0_m);
  EXPECT_EQ(e2021->SolzEB(), 0_m);
}

TEST(FamilieAb2014, AdditionalHealthRateShare) {
  // 2018 counts the whole additional rate as the employee's, 2019 half of it; 2014 has none.
  struct Fall {
    const char* engine;
    bool kvzWirkt;
  };
  for (const Fall& f : {Fall{"OruSteuern2014", false}, {"OruSteuern2018", true},
                        {"OruSteuern2019", true}}) {
    const Money ohne = lohnsteuer(f.engine, fall(3000_m, 1, 2, 0_m));
    const Money mit = lohnsteuer(f.engine, fall(3000_m, 1, 2, 2_m));
    EXPECT_EQ(mit < ohne, f.kvzWirkt) << f.engine;
  }
  // Twice the rate in 2019 has the effect of the rate in 2018 (same wage, similar tariff).
  const Money a = lohnsteuer("OruSteuern2018", fall(3000_m, 1, 2, 1_m));
  const Money b = lohnsteuer("OruSteuern2018", fall(3000_m, 1, 2, 0_m));
  const Money c = lohnsteuer("OruSteuern2019", fall(3000_m, 1, 2, 2_m));
  const Money d = lohnsteuer("OruSteuern2019", fall(3000_m, 1, 2, 0_m));
  EXPECT_LE(abs((b - a).raw() - (d - c).raw()), Money::cent(100).raw());
}

TEST(FamilieAb2014, EveryEngineOfTheFamilyIsSelectable) {
  for (int jahr = 2014; jahr <= 2023; ++jahr) {
    for (int monat = 1; monat <= 12; ++monat) {
      auto e = EngineFuer(jahr, monat);
      ASSERT_TRUE(e) << jahr << "/" << monat;
      EXPECT_EQ(e->Name(), EngineName(jahr, monat));
      EXPECT_EQ(e->NimmtEingabe("KVZ"), jahr >= 2015);
      EXPECT_EQ(e->NimmtEingabe("MBV"), jahr >= 2022);
      // The pension parts of one-time payments: the death benefit, capital payments of pensions.
      EXPECT_TRUE(e->NimmtEingabe("STERBE"));
      EXPECT_TRUE(e->NimmtEingabe("VKAPA"));
    }
  }
}

}  // namespace
}  // namespace salvaro
