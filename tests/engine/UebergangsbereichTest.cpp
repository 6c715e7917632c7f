// The reduced base of the transition zone, the shares in the zone, and marginal employment with
// its flat employer rates and the pension opt-in.
#include <gtest/gtest.h>

#include <functional>

#include "FakeEngine.h"
#include "Hilfe.h"
#include "engine/Beitragsjahre.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

TLohnGehalt Rechne(int jahr, int monat, std::string_view bgr, Money brutto,
                   const std::function<void(TLohnGehalt&)>& mehr = {}) {
  TLohnGehalt lg = MitFakeEngine(std::make_shared<FakeProtokoll>());
  lg.SetRechtskreis(1);
  lg.SetJahr(jahr);
  lg.SetBGR(bgr);
  lg.SetMonat(monat);
  lg.SetKVZusBeitrag(1.6_m);
  lg.SetKVSatz(14.6_m);
  lg.SetStBrutto(brutto);
  lg.SetSVBrutto(brutto);
  if (mehr) mehr(lg);
  lg.Berechne();
  return lg;
}

TEST(Uebergangsbereich, ReducedBase) {
  struct Fall {
    int jahr, monat;
    Money brutto, bemessung;
  };
  for (const Fall& f : {
           Fall{2023, 5, 1000_m, 891.85_m},
           {2023, 5, 2000_m, 2000_m},   // the zone ends below the upper limit
           {2023, 5, 400_m, 276.88_m},  // at or below G: F × pay
           {2012, 5, 600_m, 549.82_m},
           {2019, 6, 1000_m, 1000_m},  // upper limit 850 until June 2019
           {2019, 7, 1000_m, 961.34_m},
           {2022, 9, 1000_m, 960.44_m},
           {2022, 10, 1000_m, 913.59_m},
           {2006, 6, 600_m, 519.34_m},  // factor 0.5967, from July 0.7160
           {2006, 7, 600_m, 543.20_m},
       }) {
    const TLohnGehalt lg = Rechne(f.jahr, f.monat, "1111", f.brutto);
    EXPECT_EQ(lg.SVBemessung, f.bemessung) << f.jahr << "/" << f.monat << " " << f.brutto.text4();
    EXPECT_EQ(lg.SVBrutto, f.brutto);
  }
  const TLohnGehalt ohne =
      Rechne(2023, 5, "1111", 1000_m, [](TLohnGehalt& lg) { lg.SetGleitzone(0); });
  EXPECT_EQ(ohne.SVBemessung, 1000_m);
}

TEST(Uebergangsbereich, SharesInTheZone) {
  // Until September 2022 the employee pays the whole contribution on the reduced base less the
  // employer's half on the actual pay; from October 2022 half the rate on the employee base
  // O / (O - G) x (AE - G), and the employer the whole contribution on the reduced base less that.
  // The childless surcharge is always charged on the reduced base. Saxony splits the care rate
  // one point in the employee's disfavour, in the zone as outside it.
  struct Fall {
    const char* name;
    int jahr, monat;
    Money brutto, kvz;
    int sachsen;
    Money KVAN, KVAG, RVAN, RVAG, AVAN, AVAG, PVAN, PVAG;
  };
  const Fall faelle[] = {
      {"old rule", 2022, 9, 1000_m, 1.6_m, 0,
       74.58_m, 81_m, 85.64_m, 93_m, 11.06_m, 12_m, 17.41_m, 15.25_m},
      {"old rule, Saxony", 2022, 9, 1000_m, 1.6_m, 1,
       74.58_m, 81_m, 85.64_m, 93_m, 11.06_m, 12_m, 22.41_m, 10.25_m},
      {"employee base", 2022, 10, 1100_m, 1.3_m, 0,
       68.32_m, 95.13_m, 79.91_m, 111.30_m, 10.31_m, 14.36_m, 16.70_m, 18.25_m},
      {"employee base", 2023, 5, 1000_m, 1.6_m, 0,
       52.54_m, 91.94_m, 60.32_m, 105.56_m, 8.43_m, 14.76_m, 13.01_m, 17.31_m},
      {"employee base, Saxony", 2023, 5, 1000_m, 1.6_m, 1,
       52.54_m, 91.94_m, 60.32_m, 105.56_m, 8.43_m, 14.76_m, 16.26_m, 14.06_m},
  };
  for (const Fall& f : faelle) {
    const TLohnGehalt lg = Rechne(f.jahr, f.monat, "1111", f.brutto, [&](TLohnGehalt& lg) {
      lg.SetKVZusBeitrag(f.kvz);
      lg.SetPVErhoeht(1);
      lg.SetPVSachsen(f.sachsen);
    });
    SCOPED_TRACE(std::string(f.name) + " " + std::to_string(f.jahr) + "/" +
                 std::to_string(f.monat));
    EXPECT_EQ(lg.KVAN, f.KVAN);
    EXPECT_EQ(lg.KVAG, f.KVAG);
    EXPECT_EQ(lg.RVAN, f.RVAN);
    EXPECT_EQ(lg.RVAG, f.RVAG);
    EXPECT_EQ(lg.AVAN, f.AVAN);
    EXPECT_EQ(lg.AVAG, f.AVAG);
    EXPECT_EQ(lg.PVAN, f.PVAN);
    EXPECT_EQ(lg.PVAG, f.PVAG);
  }
  // October 2022: the employer's four shares of the example add up as the law's tables show.
  const TLohnGehalt okt = Rechne(2022, 10, "1111", 1100_m, [](TLohnGehalt& lg) {
    lg.SetKVZusBeitrag(1.3_m);
    lg.SetPVErhoeht(1);
  });
  EXPECT_EQ(okt.SVBemessung, 1027.99_m);
  EXPECT_EQ(okt.KVAG + okt.RVAG + okt.AVAG + okt.PVAG, 239.04_m);

  const TLohnGehalt voll =
      Rechne(2023, 5, "1111", 1000_m, [](TLohnGehalt& lg) { lg.SetRVVolleBeitraege(1); });
  EXPECT_EQ(voll.RVAN, 93_m);
}

TEST(Uebergangsbereich, EmployerOfAnEmployeeFreeOfABranchPaysHalfOnTheActualPay) {
  // The reduced base serves the insured employee; where the group frees the employee only
  // (unemployment digit 2, pension digit 3) the employer pays half the rate on the actual pay, as
  // below and above the zone. The other branches keep the zone's split.
  struct Fall {
    int jahr, monat;
    const char* bgr;
    Money brutto, RVAN, RVAG, AVAN, AVAG;
  };
  for (const Fall& f : {
           Fall{2023, 1, "3121", 591.89_m, 9.03_m, 72.74_m, 0_m, 7.69_m},
           {2023, 1, "3311", 591.89_m, 0_m, 55.05_m, 1.26_m, 10.17_m},
           {2024, 6, "1321", 1000_m, 0_m, 93_m, 0_m, 13_m},
           {2022, 9, "1121", 1000_m, 85.64_m, 93_m, 0_m, 12_m},  // before October 2022
       }) {
    const TLohnGehalt lg = Rechne(f.jahr, f.monat, f.bgr, f.brutto, [](TLohnGehalt& lg) {
      lg.SetKVSatz(14.0_m);
      lg.SetPVErhoeht(0);
    });
    SCOPED_TRACE(std::string(f.bgr) + " " + std::to_string(f.jahr) + "/" + std::to_string(f.monat));
    EXPECT_EQ(lg.RVAN, f.RVAN);
    EXPECT_EQ(lg.RVAG, f.RVAG);
    EXPECT_EQ(lg.AVAN, f.AVAN);
    EXPECT_EQ(lg.AVAG, f.AVAG);
  }
}

TEST(Uebergangsbereich, SecondEmploymentSharesTheReducedBaseOfTheTotal) {
  // Set after the gross: the case applies it anyway.
  const TLohnGehalt lg = Rechne(2023, 5, "1111", 600_m, [](TLohnGehalt& lg) {
    lg.SetMehrfachbesch(1);
    lg.SetBruttoAndere(600_m);
  });
  EXPECT_EQ(lg.SVBemessung, 556.74_m);
}

TEST(Minijob, FlatEmployerRatesAndNoEmployeeShares) {
  // 13 % health and 15 % pension from July 2006; 11 % and 12 % before.
  struct Fall {
    int jahr, monat;
    Money KVAG, RVAG;
  };
  for (const Fall& f : {Fall{2023, 5, 52_m, 60_m}, {2004, 5, 44_m, 48_m}, {2005, 12, 44_m, 48_m},
                        {2006, 6, 44_m, 48_m}, {2006, 7, 52_m, 60_m}}) {
    const TLohnGehalt lg = Rechne(f.jahr, f.monat, "6500", 400_m);
    EXPECT_EQ(lg.Minijob, 1);
    EXPECT_EQ(lg.SVBemessung, 400_m) << "no reduction in marginal employment";
    for (Money an : {lg.KVAN, lg.RVAN, lg.AVAN, lg.PVAN}) EXPECT_EQ(an, 0_m);
    EXPECT_EQ(lg.KVAG, f.KVAG) << f.jahr << "/" << f.monat;
    EXPECT_EQ(lg.RVAG, f.RVAG) << f.jahr << "/" << f.monat;
    EXPECT_EQ(lg.AVAG, 0_m);
    EXPECT_EQ(lg.PVAG, 0_m);
  }
}

TEST(Minijob, PensionOptIn) {
  struct Fall {
    int jahr, monat, svTage;
    Money brutto, rvan, rvag;
  };
  for (const Fall& f : {
           Fall{2023, 5, 30, 300_m, 10.80_m, 45_m},
           {2023, 5, 30, 100_m, 17.55_m, 15_m},  // minimum base 175.00
           {2023, 5, 15, 50_m, 8.78_m, 7.50_m},  // minimum base 87.50 for half a month
           {2006, 3, 30, 300_m, 22.50_m, 36_m},  // employer 12 % until June 2006
           {2006, 7, 30, 300_m, 13.50_m, 45_m},
       }) {
    const TLohnGehalt lg = Rechne(f.jahr, f.monat, "6100", f.brutto, [&](TLohnGehalt& lg) {
      lg.SetSVTage(f.svTage);
      lg.SetVerzichtRVFreiheit(1);
    });
    EXPECT_EQ(lg.RVAN, f.rvan) << f.jahr << "/" << f.monat << " " << f.brutto.text4();
    EXPECT_EQ(lg.RVAG, f.rvag) << f.jahr << "/" << f.monat << " " << f.brutto.text4();
  }
  const TLohnGehalt kv =
      Rechne(2023, 5, "6100", 300_m, [](TLohnGehalt& lg) { lg.SetVerzichtRVFreiheit(1); });
  EXPECT_EQ(kv.KVAG, 39_m);
  EXPECT_EQ(kv.KVAN, 0_m);

  // The opt-in is a rule of marginal employment: a regular employee pays half as always.
  const TLohnGehalt regulaer =
      Rechne(2023, 5, "1111", 3000_m, [](TLohnGehalt& lg) { lg.SetVerzichtRVFreiheit(1); });
  EXPECT_EQ(regulaer.RVAN, 279_m);
  EXPECT_EQ(regulaer.RVAG, 279_m);
}

// Pension digit 1 in marginal employment is the opt-in whatever the window's switch says: before
// 2013 the employee's waiver, from 2013 the rule. The employer pays 15 % (12 % until June 2006),
// the employee the rest, at least up to the contribution on the minimum base (155.00, from 2013
// 175.00); a month without pay owes nothing.
TEST(Minijob, PensionDigitOneIsTheOptInWithOrWithoutTheSwitch) {
  struct Fall {
    int jahr, monat;
    Money brutto, rvan, rvag;
  };
  for (const Fall& f : {
           Fall{2024, 11, 500_m, 18_m, 75_m},
           {2024, 11, 100_m, 17.55_m, 15_m},
           {2012, 5, 300_m, 13.80_m, 45_m},     // 19.6 % - 15 %
           {2012, 5, 100_m, 15.38_m, 15_m},     // 30.38 on the minimum base 155.00 - 15.00
           {2006, 3, 300_m, 22.50_m, 36_m},     // 19.5 % - 12 %
           {2024, 11, 0_m, 0_m, 0_m},
       }) {
    for (int schalter : {0, 1}) {
      const TLohnGehalt lg = Rechne(f.jahr, f.monat, "6100", f.brutto, [&](TLohnGehalt& lg) {
        lg.SetVerzichtRVFreiheit(schalter);
      });
      const std::string wo = std::to_string(f.jahr) + "/" + std::to_string(f.monat) + " " +
                             f.brutto.text4() + " switch " + std::to_string(schalter);
      EXPECT_EQ(lg.RVAN, f.rvan) << wo;
      EXPECT_EQ(lg.RVAG, f.rvag) << wo;
    }
  }
}

// The employee's share in the transition zone is never negative, even where the cents of the two
// shares it is made of would make it so (1.00 in 2013 with the half care rate).
TEST(Uebergangsbereich, NoNegativeEmployeeShareAtTheSmallestPay) {
  for (int jahr : {2013, 2018, 2021}) {
    for (const char* bgr : {"1122", "1111", "3112"}) {
      for (Money brutto = 0.01_m; brutto <= 5_m; brutto += 0.01_m) {
        const TLohnGehalt lg = Rechne(jahr, 5, bgr, brutto);
        for (const Money an : {lg.KVAN, lg.RVAN, lg.AVAN, lg.PVAN})
          ASSERT_GE(an, 0_m) << jahr << " " << bgr << " " << brutto.text4();
      }
    }
  }
}

TEST(Minijob, LimitShownByTheMainWindow) {
  EXPECT_FALSE(Geringfuegigkeitsgrenze(2007, 12).has_value());
  EXPECT_EQ(Geringfuegigkeitsgrenze(2008, 1), 400_m);
  EXPECT_EQ(Geringfuegigkeitsgrenze(2013, 1), 450_m);
  EXPECT_EQ(Geringfuegigkeitsgrenze(2022, 9), 450_m);
  EXPECT_EQ(Geringfuegigkeitsgrenze(2022, 10), 520_m);
  EXPECT_EQ(Geringfuegigkeitsgrenze(2023, 1), 520_m);
  EXPECT_EQ(Geringfuegigkeitsgrenze(2024, 1), 538_m);
  EXPECT_EQ(Geringfuegigkeitsgrenze(2025, 6), 556_m);
  EXPECT_EQ(Geringfuegigkeitsgrenze(2026, 12), 603_m);
  EXPECT_FALSE(Geringfuegigkeitsgrenze(2027, 1).has_value());
}

}  // namespace
}  // namespace salvaro
