// The rules of age: the retirement age by date of birth, the contribution group after it, the
// Aktivrente's free parts and the pension allowances of § 19 Abs. 2 EStG.
#include <gtest/gtest.h>

#include "alter/Aktivrente.h"
#include "alter/Regelaltersgrenze.h"
#include "alter/Versorgungsfreibetrag.h"
#include "tax/Versorgung.h"

namespace salvaro {
namespace {

using namespace literale;

TEST(Regelaltersgrenze, ReachedInTheMonthOfTheBirthdayByTheTableOfTheLaw) {
  struct Fall {
    int gebJahr, gebMonat;
    Kalendermonat erreicht;
  };
  // § 235 Abs. 2 SGB VI: 65 years before 1947, one month more a year to 66 (1958), then two more
  // a year to 67 (1964); an unknown month counts as December.
  for (const Fall& f : {Fall{1946, 5, {2011, 5}},
                        {1947, 1, {2012, 2}},
                        {1952, 12, {2018, 6}},
                        {1958, 7, {2024, 7}},
                        {1959, 1, {2025, 3}},
                        {1959, 0, {2026, 2}},
                        {1960, 3, {2026, 7}},
                        {1963, 12, {2030, 10}},
                        {1964, 1, {2031, 1}},
                        {1980, 6, {2047, 6}}}) {
    EXPECT_EQ(RegelaltersgrenzeErreicht(f.gebJahr, f.gebMonat), f.erreicht)
        << f.gebJahr << "/" << f.gebMonat;
  }
  // The rules of age apply from the month after it; not without a year of birth.
  EXPECT_FALSE(IstNachRegelaltersgrenze(1959, 1, 2025, 3));
  EXPECT_TRUE(IstNachRegelaltersgrenze(1959, 1, 2025, 4));
  EXPECT_FALSE(IstNachRegelaltersgrenze(0, 1, 2026, 1));
}

TEST(Regelaltersgrenze, ContributionGroupThatFollows) {
  struct Fall {
    const char* bgr;
    int jahr;
    const char* neu;
  };
  // Health 1 to 3, pension 1 to 3, unemployment to the employer's isolated share (2), which was
  // suspended 2017-2021 (0). Marginal employment and the other digits stay.
  for (const Fall& f : {Fall{"1111", 2026, "3321"},
                        {"1111", 2016, "3321"},
                        {"1111", 2017, "3301"},
                        {"1121", 2021, "3301"},
                        {"1111", 2022, "3321"},
                        {"3321", 2026, "3321"},
                        {"9111", 2026, "9321"},
                        {"0110", 2026, "0320"},
                        {"6500", 2026, "6500"},
                        {"6100", 2026, "6100"},
                        {"0500", 2026, "0500"},
                        {"12x1", 2026, "12x1"}}) {
    EXPECT_EQ(BeitragsgruppeNachRegelaltersgrenze(f.bgr, f.jahr), f.neu) << f.bgr << " " << f.jahr;
  }
}

TEST(Aktivrente, TwoThousandAMonthFromJanuary2026RegularPayFirst) {
  EXPECT_EQ(AktivrenteJeMonat(2025, 12), 0_m);
  EXPECT_EQ(AktivrenteJeMonat(2026, 1), 2000_m);
  struct Fall {
    Money hoechst, laufend, einmal;
    int monate;
    Money freiLaufend, freiEinmal;
  };
  for (const Fall& f : {Fall{2000_m, 3000_m, 0_m, 12, 2000_m, 0_m},
                        {2000_m, 3000_m, 3000_m, 12, 2000_m, 0_m},
                        {2000_m, 1500_m, 3000_m, 12, 1500_m, 500_m},
                        // Five of twelve months after the retirement age: 1,250 of 3,000.
                        {2000_m, 500_m, 3000_m, 5, 500_m, 1250_m},
                        {2000_m, 1000_m, 3000_m, 5, 1000_m, 1000_m},
                        {2000_m, 0_m, 100_m, 7, 0_m, 58.33_m},
                        {2000_m, 1000_m, 3000_m, 0, 1000_m, 0_m},
                        {0_m, 3000_m, 3000_m, 12, 0_m, 0_m}}) {
    const AktivrenteAnteile a = AktivrenteAnteileFuer(f.hoechst, f.laufend, f.einmal, f.monate);
    EXPECT_EQ(a.laufend, f.freiLaufend) << f.laufend.text4() << " " << f.einmal.text4();
    EXPECT_EQ(a.einmal, f.freiEinmal) << f.laufend.text4() << " " << f.einmal.text4();
  }
  EXPECT_EQ(MonateNachGrenzeImJahr({2025, 3}, 2026), 12);
  EXPECT_EQ(MonateNachGrenzeImJahr({2026, 7}, 2026), 5);
  EXPECT_EQ(MonateNachGrenzeImJahr({2027, 1}, 2026), 0);
}

// The table of the law and the flowcharts' tables (TAB1 to TAB3) give the same row for every year
// the pension can begin, before and after the Wachstumschancengesetz.
TEST(Versorgungsfreibetrag, TableOfTheLawAgreesWithTheFlowcharts) {
  for (const auto& [rechenjahr, tabelle] : {std::pair{2024, Versorgungstabelle::Bis2024},
                                           std::pair{2025, Versorgungstabelle::Ab2025}}) {
    for (int beginn = 2000; beginn <= 2062; ++beginn) {
      const VersorgungsfreibetragSatz s = VersorgungsfreibetragFuer(beginn, rechenjahr);
      const int j = TabIndex(beginn, tabelle);
      EXPECT_EQ(Money::runde(s.prozent / 100), TAB(1, j, tabelle)) << rechenjahr << " " << beginn;
      EXPECT_EQ(s.hoechstbetrag, TAB(2, j, tabelle)) << rechenjahr << " " << beginn;
      EXPECT_EQ(s.zuschlag, TAB(3, j, tabelle)) << rechenjahr << " " << beginn;
    }
  }
}

TEST(Versorgungsfreibetrag, AllowanceAndSupplementOfTheYear) {
  struct Fall {
    Money monatlich;
    int monate, beginn, rechenjahr;
    Money freibetrag, zuschlag;
  };
  for (const Fall& f :
       {// A company pension of 800 begun in 2023: 13.6 % of 9,600 is 1,305.60, at most 1,020
        // (the wage tax of 2023 and 2024); from 2025 14.0 %, at most 1,050, supplement 315.
        Fall{800_m, 12, 2023, 2023, 1020_m, 306_m},
        {800_m, 12, 2023, 2025, 1050_m, 315_m},
        // A civil-service pension begun in 2010: 32 %, at most 2,400, supplement 720.
        {2500_m, 12, 2010, 2026, 2400_m, 720_m},
        {500_m, 12, 2010, 2026, 1920_m, 720_m},
        // Begun in March: ten twelfths of the maximum and the supplement (rounded up).
        {800_m, 10, 2023, 2023, 850_m, 255_m},
        // Before 2005 the 2005 row; 2004 the old rule, 40 % up to 3,072 without supplement.
        {3000_m, 12, 1998, 2010, 3000_m, 900_m},
        {3000_m, 12, 1998, 2004, 3072_m, 0_m},
        // A small pension: the supplement only up to what the allowance leaves.
        {100_m, 12, 2005, 2026, 480_m, 720_m},
        {0_m, 12, 2005, 2026, 0_m, 0_m}}) {
    const Versorgungsfreibetraege v =
        VersorgungsfreibetraegeImJahr(f.monatlich, f.monate, f.beginn, f.rechenjahr);
    EXPECT_EQ(v.freibetrag, f.freibetrag) << f.monatlich.text4() << " " << f.beginn;
    EXPECT_EQ(v.zuschlag, f.zuschlag) << f.monatlich.text4() << " " << f.beginn;
  }
}

}  // namespace
}  // namespace salvaro
