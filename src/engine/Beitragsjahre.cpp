#include "engine/Beitragsjahre.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace salvaro {

using namespace literale;

namespace {

constexpr int kErstesJahr = 2004;
constexpr int kLetztesJahr = 2026;
constexpr std::size_t kJahre = kLetztesJahr - kErstesJahr + 1;

struct GrenzenSaetze {
  int jahr;
  Money BBGKV, BBGRVWest, BBGRVOst, RVSatz, AVSatz;
  Jahreswert<Money> PVSatz;
  Money InsoUmlageSatz;
};

// clang-format off
// Monthly ceilings and rates in percent.
constexpr GrenzenSaetze kGrenzenSaetze[] = {
  // jahr   BBGKV      BBGRV West  BBGRV Ost  RVSatz  AVSatz  PVSatz                 insolvency
    {2004, 3487.50_m, 5150_m,     4350_m,    19.5_m, 6.5_m,  1.70_m,                0.10_m},
    {2005, 3525.00_m, 5200_m,     4400_m,    19.5_m, 6.5_m,  1.70_m,                0.10_m},
    {2006, 3562.50_m, 5250_m,     4400_m,    19.5_m, 6.5_m,  1.70_m,                0.10_m},
    {2007, 3562.50_m, 5250_m,     4550_m,    19.9_m, 4.2_m,  1.70_m,                0.10_m},
    {2008, 3600.00_m, 5300_m,     4500_m,    19.9_m, 3.3_m,  {1.70_m, 1.95_m, 7},   0.10_m},
    {2009, 3675.00_m, 5400_m,     4550_m,    19.9_m, 2.8_m,  1.95_m,                0.10_m},
    {2010, 3750.00_m, 5500_m,     4650_m,    19.9_m, 2.8_m,  1.95_m,                0.41_m},
    {2011, 3712.50_m, 5500_m,     4800_m,    19.9_m, 3.0_m,  1.95_m,                0.00_m},
    {2012, 3825.00_m, 5600_m,     4800_m,    19.6_m, 3.0_m,  1.95_m,                0.04_m},
    {2013, 3937.50_m, 5800_m,     4900_m,    18.9_m, 3.0_m,  2.05_m,                0.15_m},
    {2014, 4050.00_m, 5950_m,     5000_m,    18.9_m, 3.0_m,  2.05_m,                0.15_m},
    {2015, 4125.00_m, 6050_m,     5200_m,    18.7_m, 3.0_m,  2.35_m,                0.15_m},
    {2016, 4237.50_m, 6200_m,     5400_m,    18.7_m, 3.0_m,  2.35_m,                0.12_m},
    {2017, 4350.00_m, 6350_m,     5700_m,    18.7_m, 3.0_m,  2.55_m,                0.09_m},
    {2018, 4425.00_m, 6500_m,     5800_m,    18.6_m, 3.0_m,  2.55_m,                0.06_m},
    {2019, 4537.50_m, 6700_m,     6150_m,    18.6_m, 2.5_m,  3.05_m,                0.06_m},
    {2020, 4687.50_m, 6900_m,     6450_m,    18.6_m, 2.4_m,  3.05_m,                0.06_m},
    {2021, 4837.50_m, 7100_m,     6700_m,    18.6_m, 2.4_m,  3.05_m,                0.12_m},
    {2022, 4837.50_m, 7050_m,     6750_m,    18.6_m, 2.4_m,  3.05_m,                0.09_m},
    {2023, 4987.50_m, 7300_m,     7100_m,    18.6_m, 2.6_m,  {3.05_m, 3.40_m, 7},   0.06_m},
    {2024, 5175.00_m, 7550_m,     7450_m,    18.6_m, 2.6_m,  3.40_m,                0.06_m},
    {2025, 5512.50_m, 8050_m,     8050_m,    18.6_m, 2.6_m,  3.60_m,                0.15_m},
    {2026, 5812.50_m, 8450_m,     8450_m,    18.6_m, 2.6_m,  3.60_m,                0.15_m},
};
// clang-format on

struct Zuschuesse {
  int jahr;
  Jahreswert<Money> KVSatzZuschuss, PKVHoechstzuschuss, PPVHoechstzuschuss;
};

// clang-format off
// The maximum health subsidy is half the subsidy rate on the health ceiling. In 2004 and 2005
// that rate (14.3 %, from July 2005 13.4 % without the special contribution) is the one the
// maximum subsidies of those years are measured with.
constexpr Zuschuesse kZuschuesse[] = {
  // jahr   KVSatzZuschuss         PKVHoechstzuschuss         PPVHoechstzuschuss
    {2004, 14.3_m,                249.36_m,                  29.64_m},
    {2005, {14.3_m, 13.4_m, 7},   {252.04_m, 236.18_m, 7},   29.96_m},
    {2006, 13.3_m,                236.91_m,                  30.28_m},
    {2007, 13.3_m,                236.91_m,                  30.28_m},
    {2008, 13.9_m,                250.20_m,                  {30.60_m, 35.10_m, 7}},
    {2009, {14.6_m, 14.0_m, 7},   {268.28_m, 257.25_m, 7},   35.83_m},
    {2010, 14.0_m,                262.50_m,                  36.56_m},
    {2011, 14.6_m,                271.01_m,                  36.20_m},
    {2012, 14.6_m,                279.23_m,                  37.29_m},
    {2013, 14.6_m,                287.44_m,                  40.36_m},
    {2014, 14.6_m,                295.65_m,                  41.51_m},
    {2015, 14.6_m,                301.13_m,                  48.47_m},
    {2016, 14.6_m,                309.34_m,                  49.79_m},
    {2017, 14.6_m,                317.55_m,                  55.46_m},
    {2018, 14.6_m,                323.03_m,                  56.42_m},
    {2019, 15.5_m,                351.66_m,                  69.20_m},
    {2020, 15.7_m,                367.97_m,                  71.48_m},
    {2021, 15.9_m,                384.58_m,                  73.77_m},
    {2022, 15.9_m,                384.58_m,                  73.77_m},
    {2023, 16.2_m,                403.99_m,                  {76.06_m, 84.79_m, 7}},
    {2024, 16.3_m,                421.76_m,                  87.98_m},
    {2025, 17.1_m,                471.32_m,                  99.23_m},
    {2026, 17.5_m,                508.59_m,                  104.63_m},
};
// clang-format on

struct Uebergangsbereich {
  int jahr;
  Jahreswert<Money> untergrenze, obergrenze, faktor;
  Jahreswert<bool> arbeitnehmerbasis;
};

// clang-format off
// The lower limit is the marginal-employment limit: 400 euros since April 2003, so also for
// 2004-2007, the years the main window shows no limit for. From October 2022 the employee pays
// half the rate on an employee base of its own instead of the difference to the employer's share.
constexpr Uebergangsbereich kUebergangsbereich[] = {
  // jahr   lower limit G          upper limit              factor F   employee base
    {2004, 400_m,                 800_m,                   0.5952_m, false},
    {2005, 400_m,                 800_m,                   0.5952_m, false},
    {2006, 400_m,                 800_m,                   {0.5967_m, 0.7160_m, 7}, false},
    {2007, 400_m,                 800_m,                   0.7673_m, false},
    {2008, 400_m,                 800_m,                   0.7732_m, false},
    {2009, 400_m,                 800_m,                   0.7472_m, false},
    {2010, 400_m,                 800_m,                   0.7585_m, false},
    {2011, 400_m,                 800_m,                   0.7435_m, false},
    {2012, 400_m,                 800_m,                   0.7491_m, false},
    {2013, 450_m,                 850_m,                   0.7605_m, false},
    {2014, 450_m,                 850_m,                   0.7605_m, false},
    {2015, 450_m,                 850_m,                   0.7585_m, false},
    {2016, 450_m,                 850_m,                   0.7547_m, false},
    {2017, 450_m,                 850_m,                   0.7509_m, false},
    {2018, 450_m,                 850_m,                   0.7547_m, false},
    {2019, 450_m,                 {850_m, 1300_m, 7},      0.7566_m, false},
    {2020, 450_m,                 1300_m,                  0.7547_m, false},
    {2021, 450_m,                 1300_m,                  0.7509_m, false},
    {2022, {450_m, 520_m, 10},    {1300_m, 1600_m, 10},    {0.7509_m, 0.7009_m, 10}, {false, true, 10}},
    {2023, 520_m,                 2000_m,                  0.6922_m, true},
    {2024, 538_m,                 2000_m,                  0.6846_m, true},
    {2025, 556_m,                 2000_m,                  0.6683_m, true},
    {2026, 603_m,                 2000_m,                  0.6619_m, true},
};
// clang-format on

struct Zusatzversorgung {
  int jahr;
  Money kvw, rzvk, steuerfreiProzent;
};

// clang-format off
constexpr Zusatzversorgung kZusatzversorgung[] = {
  // jahr   kvw rate  RZVK rate  tax-free % of the pension ceiling
    {2004, 1.00_m,   2.50_m,    1_m},
    {2005, 1.00_m,   2.50_m,    1_m},
    {2006, 1.00_m,   2.50_m,    1_m},
    {2007, 1.00_m,   2.50_m,    1_m},
    {2008, 1.00_m,   2.50_m,    1_m},
    {2009, 3.00_m,   2.50_m,    1_m},
    {2010, 3.00_m,   3.50_m,    1_m},
    {2011, 3.00_m,   3.50_m,    1_m},
    {2012, 3.00_m,   3.50_m,    1_m},
    {2013, 3.00_m,   3.50_m,    1_m},
    {2014, 3.00_m,   3.50_m,    2_m},
    {2015, 3.25_m,   3.50_m,    2_m},
    {2016, 3.25_m,   3.50_m,    2_m},
    {2017, 3.25_m,   3.50_m,    2_m},
    {2018, 3.25_m,   3.50_m,    2_m},
    {2019, 3.25_m,   3.50_m,    2_m},
    {2020, 3.25_m,   3.50_m,    3_m},
    {2021, 3.25_m,   3.50_m,    3_m},
    {2022, 3.25_m,   3.50_m,    3_m},
    {2023, 3.25_m,   3.50_m,    3_m},
    {2024, 3.25_m,   3.50_m,    3_m},
    {2025, 3.25_m,   3.50_m,    3_m},
    {2026, 3.25_m,   3.50_m,    3_m},
};
// clang-format on

struct ZVGrenze {
  int jahr, monat;  // in force from this month until the next row
  Money grenze;
  Money imSonderzahlungsmonat;  // 0: the month's threshold applies in the bonus month too
};

// clang-format off
// The threshold of the additional contribution changes with the public-service pay rises. Before
// 2008 the 2008 value is used; 2023 had no pay rise. From March 2024 the bonus month has its own
// threshold: the amount before rounding times 1 plus the bonus share of pay group 15 (51.78 %;
// 85 % from 2026).
constexpr ZVGrenze kZVGrenzen[] = {
  // jahr  month  threshold     in the bonus month
    {2004, 1,     6100.22_m,    0_m},
    {2010, 1,     6173.42_m,    0_m},
    {2011, 1,     6210.46_m,    0_m},
    {2011, 8,     6241.52_m,    0_m},
    {2012, 1,     6210.46_m,    0_m},
    {2012, 3,     6459.97_m,    0_m},
    {2013, 1,     6550.41_m,    0_m},
    {2013, 8,     6642.11_m,    0_m},
    {2014, 1,     6841.37_m,    0_m},
    {2015, 3,     7005.57_m,    0_m},
    {2016, 3,     7173.70_m,    0_m},
    {2017, 2,     7342.28_m,    0_m},
    {2018, 3,     7554.47_m,    0_m},
    {2019, 4,     7766.66_m,    0_m},
    {2020, 3,     7841.56_m,    0_m},
    {2021, 4,     7951.34_m,    0_m},
    {2022, 4,     8094.46_m,    0_m},
    {2024, 3,     8778.71_m,    13324.33_m},  // 1.133 x 7,748.20
    {2025, 4,     9042.08_m,    13724.06_m},  // 1.133 x 7,980.65
    {2026, 5,     9295.26_m,    17196.22_m},  // 1.133 x 8,204.11
};
// clang-format on

constexpr bool zvGrenzenAufsteigend() {
  for (std::size_t i = 1; i < std::size(kZVGrenzen); ++i) {
    const ZVGrenze &a = kZVGrenzen[i - 1], &b = kZVGrenzen[i];
    if (a.jahr * 12 + a.monat >= b.jahr * 12 + b.monat) return false;
  }
  return true;
}
static_assert(zvGrenzenAufsteigend(), "the thresholds follow one another by start month");

struct Krankenversicherung {
  int jahr;
  Jahreswert<KvZusatz> kvZusatz;
  Money KVSatzVorgabe, KVSatzVorgabeErmaessigt;
  Jahreswert<Money> KVSatzFest, KVSatzFestErmaessigt;
};

using enum KvZusatz;

// clang-format off
// The health rate the month setter presets (general / reduced) and the rates fixed in 2009.
constexpr Krankenversicherung kKrankenversicherung[] = {
  // jahr  additional contribution    preset  reduced  fixed in 2009         reduced
    {2004, Keiner,                     0_m,    0_m,     0_m,                  0_m},
    {2005, {Keiner, Sonderbeitrag, 7}, 0_m,    0_m,     0_m,                  0_m},
    {2006, ImSatz,                     0_m,    0_m,     0_m,                  0_m},
    {2007, ImSatz,                     0_m,    0_m,     0_m,                  0_m},
    {2008, ImSatz,                     0_m,    0_m,     0_m,                  0_m},
    {2009, ImSatz,                     0_m,    0_m,     {14.6_m, 14.0_m, 7},  {14.0_m, 13.4_m, 7}},
    {2010, ImSatz,                     14.0_m, 13.4_m,  0_m,                  0_m},
    {2011, ImSatz,                     14.6_m, 14.0_m,  0_m,                  0_m},
    {2012, ImSatz,                     14.6_m, 14.0_m,  0_m,                  0_m},
    {2013, ImSatz,                     14.6_m, 14.0_m,  0_m,                  0_m},
    {2014, ImSatz,                     14.6_m, 14.0_m,  0_m,                  0_m},
    {2015, Getrennt,                   14.6_m, 14.0_m,  0_m,                  0_m},
    {2016, Getrennt,                   14.6_m, 14.0_m,  0_m,                  0_m},
    {2017, Getrennt,                   14.6_m, 14.0_m,  0_m,                  0_m},
    {2018, Getrennt,                   14.6_m, 14.0_m,  0_m,                  0_m},
    {2019, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
    {2020, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
    {2021, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
    {2022, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
    {2023, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
    {2024, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
    {2025, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
    {2026, Paritaetisch,               14.6_m, 14.0_m,  0_m,                  0_m},
};
// clang-format on

struct PflegeRente {
  int jahr;
  Jahreswert<Money> PVZuschlagKinderlos, PVAbschlagJeKind;
  Jahreswert<Money> KVPauschalsatz, RVPauschalsatz;
  Money RVMindestbemessung, ZwanzigstelBezugsgroesse;
};

// clang-format off
// The care surcharge for the childless and, from July 2023, the employee's reduction for each
// child under 25 from the second to the fifth; the employer's flat health and pension rates in
// marginal employment (11 % and 12 % until June 2006), which are also the employer's part of a
// pension opt-in; the opt-in's minimum base; a twentieth of the monthly reference amount (§ 18
// SGB IV, West, which health and care insurance take everywhere: 2,415 euros in 2004 and 2005,
// 2,450 in 2006 and 2007).
constexpr PflegeRente kPflegeRente[] = {
  // jahr   childless             per child             flat KV            flat RV             minimum base  twentieth
    {2004, 0_m,                  0_m,                  11_m,              12_m,               155_m,        120.75_m},
    {2005, 0.25_m,               0_m,                  11_m,              12_m,               155_m,        120.75_m},
    {2006, 0.25_m,               0_m,                  {11_m, 13_m, 7},   {12_m, 15_m, 7},    155_m,        122.50_m},
    {2007, 0.25_m,               0_m,                  13_m,              15_m,               155_m,        122.50_m},
    {2008, 0.25_m,               0_m,                  13_m,              15_m,               155_m,        124.25_m},
    {2009, 0.25_m,               0_m,                  13_m,              15_m,               155_m,        126.00_m},
    {2010, 0.25_m,               0_m,                  13_m,              15_m,               155_m,        127.75_m},
    {2011, 0.25_m,               0_m,                  13_m,              15_m,               155_m,        127.75_m},
    {2012, 0.25_m,               0_m,                  13_m,              15_m,               155_m,        131.25_m},
    {2013, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        134.75_m},
    {2014, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        138.25_m},
    {2015, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        141.75_m},
    {2016, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        145.25_m},
    {2017, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        148.75_m},
    {2018, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        152.25_m},
    {2019, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        155.75_m},
    {2020, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        159.25_m},
    {2021, 0.25_m,               0_m,                  13_m,              15_m,               175_m,        164.50_m},
    {2022, 0.35_m,               0_m,                  13_m,              15_m,               175_m,        164.50_m},
    {2023, {0.35_m, 0.6_m, 7},   {0_m, 0.25_m, 7},     13_m,              15_m,               175_m,        169.75_m},
    {2024, 0.6_m,                0.25_m,               13_m,              15_m,               175_m,        176.75_m},
    {2025, 0.6_m,                0.25_m,               13_m,              15_m,               175_m,        187.25_m},
    {2026, 0.6_m,                0.25_m,               13_m,              15_m,               175_m,        197.75_m},
};
// clang-format on

// Rules that changed once, by the first year they apply.
constexpr int kInsoUmlageAb = 2009;
constexpr int kOhneInsoUmlage = 2011;  // the levy was suspended for the year
constexpr int kMehrfachbeschaeftigungAb = 2012;
constexpr int kGleitzoneFormelAb = 2013;
constexpr int kGeringfuegigkeitsgrenzeAb = 2008;
constexpr int kVersorgungsFreibetragAb = 2020;

template <class Zeile>
constexpr bool lueckenlos(const Zeile (&tabelle)[kJahre]) {
  for (std::size_t i = 0; i < kJahre; ++i)
    if (tabelle[i].jahr != kErstesJahr + static_cast<int>(i)) return false;
  return true;
}
static_assert(lueckenlos(kGrenzenSaetze) && lueckenlos(kZuschuesse) &&
                  lueckenlos(kUebergangsbereich) && lueckenlos(kZusatzversorgung) &&
                  lueckenlos(kKrankenversicherung) && lueckenlos(kPflegeRente),
              "every table has one row per year, oldest first");

constexpr std::array<Beitragsjahr, kJahre> zusammensetzen() {
  std::array<Beitragsjahr, kJahre> jahre{};
  for (std::size_t i = 0; i < kJahre; ++i) {
    const GrenzenSaetze& g = kGrenzenSaetze[i];
    const Zuschuesse& z = kZuschuesse[i];
    const Uebergangsbereich& u = kUebergangsbereich[i];
    const Zusatzversorgung& v = kZusatzversorgung[i];
    const Krankenversicherung& k = kKrankenversicherung[i];
    const PflegeRente& r = kPflegeRente[i];
    const int j = g.jahr;
    jahre[i] = Beitragsjahr{
        .jahr = j,
        .BBGKV = g.BBGKV,
        .BBGRVWest = g.BBGRVWest,
        .BBGRVOst = g.BBGRVOst,
        .RVSatz = g.RVSatz,
        .AVSatz = g.AVSatz,
        .PVSatz = g.PVSatz,
        .InsoUmlageSatz = g.InsoUmlageSatz,
        .mitInsoUmlage = j >= kInsoUmlageAb && j != kOhneInsoUmlage,
        .KVSatzVorgabe = k.KVSatzVorgabe,
        .KVSatzVorgabeErmaessigt = k.KVSatzVorgabeErmaessigt,
        .KVSatzFest = k.KVSatzFest,
        .KVSatzFestErmaessigt = k.KVSatzFestErmaessigt,
        .kvZusatz = k.kvZusatz,
        .PVZuschlagKinderlos = r.PVZuschlagKinderlos,
        .PVAbschlagJeKind = r.PVAbschlagJeKind,
        .KVSatzZuschuss = z.KVSatzZuschuss,
        .PKVHoechstzuschuss = z.PKVHoechstzuschuss,
        .PPVHoechstzuschuss = z.PPVHoechstzuschuss,
        .GleitzoneUntergrenze = u.untergrenze,
        .GleitzoneObergrenze = u.obergrenze,
        .GleitzoneFaktor = u.faktor,
        .gleitzoneFormelAb2013 = j >= kGleitzoneFormelAb,
        .gleitzoneArbeitnehmerbasis = u.arbeitnehmerbasis,
        .geringfuegigkeitsgrenzeAnzeigen = j >= kGeringfuegigkeitsgrenzeAb,
        .KVPauschalsatz = r.KVPauschalsatz,
        .RVPauschalsatz = r.RVPauschalsatz,
        .RVMindestbemessung = r.RVMindestbemessung,
        .mehrfachbeschaeftigungAb2012 = j >= kMehrfachbeschaeftigungAb,
        .ZwanzigstelBezugsgroesse = r.ZwanzigstelBezugsgroesse,
        .versorgungsFreibetrag = j >= kVersorgungsFreibetragAb,
        .ZVZusatzSatzKvw = v.kvw,
        .ZVZusatzSatzRzvk = v.rzvk,
        .ZVSteuerfreiProzent = v.steuerfreiProzent,
    };
  }
  return jahre;
}

constexpr std::array<Beitragsjahr, kJahre> kBeitragsjahre = zusammensetzen();

}  // namespace

const Beitragsjahr* BeitragsjahrFuer(int jahr) {
  if (jahr < kErstesJahr || jahr > kLetztesJahr) return nullptr;
  return &kBeitragsjahre[static_cast<std::size_t>(jahr - kErstesJahr)];
}

Money ZVGrenzbetrag(int jahr, int monat) {
  const ZVGrenze* gilt = &kZVGrenzen[0];
  for (const ZVGrenze& g : kZVGrenzen)
    if (g.jahr * 12 + g.monat <= jahr * 12 + monat) gilt = &g;
  const bool sonderzahlung = monat == kMonatJahressonderzahlung && gilt->imSonderzahlungsmonat > 0;
  return sonderzahlung ? gilt->imSonderzahlungsmonat : gilt->grenze;
}

std::optional<Money> Geringfuegigkeitsgrenze(int jahr, int monat) {
  const Beitragsjahr* j = BeitragsjahrFuer(jahr);
  if (j == nullptr || !j->geringfuegigkeitsgrenzeAnzeigen) return std::nullopt;
  return j->GleitzoneUntergrenze.in(monat);
}

}  // namespace salvaro
