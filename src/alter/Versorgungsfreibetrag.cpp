#include "alter/Versorgungsfreibetrag.h"

#include <algorithm>
#include <iterator>

#include "money/OruMath.h"

namespace salvaro {

using namespace literale;

namespace {

// clang-format off
// § 19 Abs. 2 Satz 3 EStG as the Alterseinkünftegesetz enacted it: the rows of the years the
// pension began up to 2022, 2005 for every year before.
constexpr VersorgungsfreibetragSatz kBis2022[] = {
    {2005, 40.0_m, 3000_m, 900_m}, {2006, 38.4_m, 2880_m, 864_m}, {2007, 36.8_m, 2760_m, 828_m},
    {2008, 35.2_m, 2640_m, 792_m}, {2009, 33.6_m, 2520_m, 756_m}, {2010, 32.0_m, 2400_m, 720_m},
    {2011, 30.4_m, 2280_m, 684_m}, {2012, 28.8_m, 2160_m, 648_m}, {2013, 27.2_m, 2040_m, 612_m},
    {2014, 25.6_m, 1920_m, 576_m}, {2015, 24.0_m, 1800_m, 540_m}, {2016, 22.4_m, 1680_m, 504_m},
    {2017, 20.8_m, 1560_m, 468_m}, {2018, 19.2_m, 1440_m, 432_m}, {2019, 17.6_m, 1320_m, 396_m},
    {2020, 16.0_m, 1200_m, 360_m}, {2021, 15.2_m, 1140_m, 342_m}, {2022, 14.4_m, 1080_m, 324_m},
};

// From 2023 as enacted (the wage tax until 2024): falling by 0.8 points, 60 and 18 euros a year
// to nothing in 2040.
constexpr VersorgungsfreibetragSatz kAb2023Bis2024[] = {
    {2023, 13.6_m, 1020_m, 306_m}, {2024, 12.8_m,  960_m, 288_m}, {2025, 12.0_m,  900_m, 270_m},
    {2026, 11.2_m,  840_m, 252_m}, {2027, 10.4_m,  780_m, 234_m}, {2028,  9.6_m,  720_m, 216_m},
    {2029,  8.8_m,  660_m, 198_m}, {2030,  8.0_m,  600_m, 180_m}, {2031,  7.2_m,  540_m, 162_m},
    {2032,  6.4_m,  480_m, 144_m}, {2033,  5.6_m,  420_m, 126_m}, {2034,  4.8_m,  360_m, 108_m},
    {2035,  4.0_m,  300_m,  90_m}, {2036,  3.2_m,  240_m,  72_m}, {2037,  2.4_m,  180_m,  54_m},
    {2038,  1.6_m,  120_m,  36_m}, {2039,  0.8_m,   60_m,  18_m}, {2040,  0.0_m,    0_m,   0_m},
};

// From 2023 as the Wachstumschancengesetz changed it (the wage tax from 2025): falling by 0.4
// points, 30 and 9 euros a year to nothing in 2058.
constexpr VersorgungsfreibetragSatz kAb2023Ab2025[] = {
    {2023, 14.0_m, 1050_m, 315_m}, {2024, 13.6_m, 1020_m, 306_m}, {2025, 13.2_m,  990_m, 297_m},
    {2026, 12.8_m,  960_m, 288_m}, {2027, 12.4_m,  930_m, 279_m}, {2028, 12.0_m,  900_m, 270_m},
    {2029, 11.6_m,  870_m, 261_m}, {2030, 11.2_m,  840_m, 252_m}, {2031, 10.8_m,  810_m, 243_m},
    {2032, 10.4_m,  780_m, 234_m}, {2033, 10.0_m,  750_m, 225_m}, {2034,  9.6_m,  720_m, 216_m},
    {2035,  9.2_m,  690_m, 207_m}, {2036,  8.8_m,  660_m, 198_m}, {2037,  8.4_m,  630_m, 189_m},
    {2038,  8.0_m,  600_m, 180_m}, {2039,  7.6_m,  570_m, 171_m}, {2040,  7.2_m,  540_m, 162_m},
    {2041,  6.8_m,  510_m, 153_m}, {2042,  6.4_m,  480_m, 144_m}, {2043,  6.0_m,  450_m, 135_m},
    {2044,  5.6_m,  420_m, 126_m}, {2045,  5.2_m,  390_m, 117_m}, {2046,  4.8_m,  360_m, 108_m},
    {2047,  4.4_m,  330_m,  99_m}, {2048,  4.0_m,  300_m,  90_m}, {2049,  3.6_m,  270_m,  81_m},
    {2050,  3.2_m,  240_m,  72_m}, {2051,  2.8_m,  210_m,  63_m}, {2052,  2.4_m,  180_m,  54_m},
    {2053,  2.0_m,  150_m,  45_m}, {2054,  1.6_m,  120_m,  36_m}, {2055,  1.2_m,   90_m,  27_m},
    {2056,  0.8_m,   60_m,  18_m}, {2057,  0.4_m,   30_m,   9_m}, {2058,  0.0_m,    0_m,   0_m},
};
// clang-format on

// § 19 Abs. 2 EStG before the Alterseinkünftegesetz (2004): 40 percent, at most 3,072 euros, no
// supplement (the employee's lump sum applied instead).
constexpr VersorgungsfreibetragSatz k2004{2005, 40.0_m, 3072_m, 0_m};
// The wage tax takes the slower fading from 2025 (Wachstumschancengesetz of 27 March 2024, BGBl.
// 2024 I Nr. 108; the flowcharts of 2023 and 2024 keep the old table).
constexpr int kNeueTabelleAb = 2025;

template <std::size_t N>
constexpr bool lueckenlos(const VersorgungsfreibetragSatz (&tabelle)[N]) {
  for (std::size_t i = 0; i < N; ++i)
    if (tabelle[i].beginn != tabelle[0].beginn + static_cast<int>(i)) return false;
  return true;
}
static_assert(lueckenlos(kBis2022) && lueckenlos(kAb2023Bis2024) && lueckenlos(kAb2023Ab2025) &&
                  kBis2022[std::size(kBis2022) - 1].beginn + 1 == kAb2023Bis2024[0].beginn &&
                  kAb2023Bis2024[0].beginn == kAb2023Ab2025[0].beginn,
              "one row for each year the pension began");

template <std::size_t N>
VersorgungsfreibetragSatz zeile(const VersorgungsfreibetragSatz (&tabelle)[N], int beginn) {
  if (beginn <= tabelle[0].beginn) return tabelle[0];
  if (beginn >= tabelle[N - 1].beginn) return tabelle[N - 1];
  return tabelle[beginn - tabelle[0].beginn];
}

}  // namespace

VersorgungsfreibetragSatz VersorgungsfreibetragFuer(int beginn, int rechenjahr) {
  if (rechenjahr < 2005) return k2004;
  if (beginn < kAb2023Bis2024[0].beginn) return zeile(kBis2022, beginn);
  return rechenjahr >= kNeueTabelleAb ? zeile(kAb2023Ab2025, beginn)
                                      : zeile(kAb2023Bis2024, beginn);
}

Versorgungsfreibetraege VersorgungsfreibetraegeImJahr(Money monatsbezug, int monate, int beginn,
                                                      int rechenjahr) {
  Versorgungsfreibetraege f;
  if (monatsbezug <= Money() || monate <= 0) return f;
  const VersorgungsfreibetragSatz s = VersorgungsfreibetragFuer(beginn, rechenjahr);
  const Money jahresbezug = Money::runde(monatsbezug * monate);
  // In the year the pension began the maximum and supplement are a twelfth for each month paid
  // (§ 19 Abs. 2 Satz 12 EStG).
  const Money hoechst =
      monate >= 12 ? s.hoechstbetrag : Money::runde(s.hoechstbetrag * monate / 12);
  const Money zuschlag = monate >= 12 ? s.zuschlag : AufrundenEuro(s.zuschlag * monate / 12);
  f.freibetrag = std::min({AufrundenCent(jahresbezug * s.prozent / 100), hoechst, jahresbezug});
  f.zuschlag = std::min(zuschlag, jahresbezug - f.freibetrag);
  return f;
}

}  // namespace salvaro
