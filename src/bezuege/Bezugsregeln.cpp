#include "bezuege/Bezugsregeln.h"

#include <array>
#include <iterator>

#include "money/OruMath.h"

namespace salvaro {

using namespace literale;

namespace {

using enum Bezugsart;
using S = Steuerregel;
using Z = Zahlungsart;

// clang-format off
constexpr Bezugsregel kRegeln[] = {
  // kind                 from    to      tax            limit    flat   free of SV  paid
  // § 8 Abs. 2 Satz 2, 3, 5 EStG: 1 % of the list price a month plus the commute.
  {Dienstwagen,           200401, 299912, S::Eigene,     0_m,     0_m,   false, Z::Sachbezug},
  // § 8 Abs. 2 Satz 11 EStG: an exemption limit of 44 € a month (HBeglG 2004), 50 € from 2022
  // (JStG 2020); free benefits are free of contributions (§ 1 Abs. 1 Satz 1 Nr. 1 SvEV).
  {Sachbezug,             200401, 202112, S::Freigrenze, 44_m,    0_m,   true,  Z::Sachbezug},
  {Sachbezug,             202201, 299912, S::Freigrenze, 50_m,    0_m,   true,  Z::Sachbezug},
  // Before 2019 a job ticket counts toward the same limit; from 2019 free (§ 3 Nr. 15 EStG,
  // Gesetz vom 11.12.2018).
  {Jobticket,             200401, 201812, S::Freigrenze, 44_m,    0_m,   true,  Z::Sachbezug},
  {Jobticket,             201901, 299912, S::Frei,       0_m,     0_m,   true,  Z::Sachbezug},
  // Meals and lodging at the official values (§ 8 Abs. 2 Satz 6 EStG, § 2 SvEV).
  {Verpflegung,           200401, 299912, S::Pflichtig,  0_m,     0_m,   false, Z::Sachbezug},
  {Unterkunft,            200401, 299912, S::Pflichtig,  0_m,     0_m,   false, Z::Sachbezug},
  // § 40 Abs. 2 Satz 2 EStG: 15 % up to the commuting lump sum (the limit is the month's lump
  // sum, worked out from km and days); free of contributions (§ 1 Abs. 1 Satz 1 Nr. 3 SvEV).
  {Fahrtkostenzuschuss,   200401, 299912, S::Pauschal,   0_m,     15_m,  true,  Z::Bar},
  // § 40 Abs. 2 Satz 1 Nr. 5 EStG: 25 %; without proof of the costs up to 50 € a month
  // (R 40.2 Abs. 5 Satz 7 LStR).
  {Internetpauschale,     200401, 299912, S::Pauschal,   50_m,    25_m,  true,  Z::Bar},
  // § 3 Nr. 63 EStG, § 1 Abs. 1 Satz 1 Nr. 9 SvEV: limits in UmwandlungsregelFuer.
  {Entgeltumwandlung,     200401, 299912, S::Eigene,     0_m,     0_m,   false, Z::Umwandlung},
  // 5. VermBG § 2 Abs. 6: the employer's capital-forming payments are pay.
  {Vermoegensbildung,     200401, 299912, S::Pflichtig,  0_m,     0_m,   false, Z::Bar},
  // § 3b EStG: percentages and caps in ZuschlagsregelFuer.
  {Zuschlaege,            200401, 299912, S::Eigene,     0_m,     0_m,   true,  Z::Bar},
  // § 3 Nr. 11c EStG: 26 October 2022 to 31 December 2024, up to 3,000 € in all.
  {Inflationspraemie,     202210, 202412, S::Freibetrag, 3000_m,  0_m,   true,  Z::Bar},
  {Nettoabzug,            200401, 299912, S::Frei,       0_m,     0_m,   true,  Z::Abzug},
};

constexpr Sachbezugswerte kSachbezugswerte[] = {
  // year  breakfast lunch     dinner    lodging W  lodging O
  // § 1 Abs. 1, § 3 Abs. 1 and § 7 SachBezV as of 2004 and 2005 (the amending ordinance of 2004
  // raised meals from 197.75 to 200.30 €, lodging West from 191.70 to 194.20 €, East from 174 to
  // 178 €); the day values the cabinet published (breakfast 1.44 / 1.46, lunch or dinner 2.58 /
  // 2.61, lodging 6.39 / 6.47 West, 5.80 / 5.93 East) are a thirtieth of them.
  {2004,   43.25_m,  77.25_m,  77.25_m,  191.70_m,  174.00_m},
  {2005,   43.80_m,  78.25_m,  78.25_m,  194.20_m,  178.00_m},
  // § 1 Abs. 1, § 3 Abs. 1 SachBezV as of 2006.
  {2006,   44.30_m,  79.20_m,  79.20_m,  196.50_m,  182.00_m},
  // § 2 SvEV 2007; lodging East 192.06 € in 2007, one value from 2008.
  {2007,   45_m,     80_m,     80_m,     198_m,     192.06_m},
  {2008,   45_m,     80_m,     80_m,     198_m,     198_m},
  {2009,   46_m,     82_m,     82_m,     204_m,     204_m},
  {2010,   47_m,     84_m,     84_m,     204_m,     204_m},
  {2011,   47_m,     85_m,     85_m,     206_m,     206_m},
  {2012,   47_m,     86_m,     86_m,     212_m,     212_m},
  {2013,   48_m,     88_m,     88_m,     216_m,     216_m},
  {2014,   49_m,     90_m,     90_m,     221_m,     221_m},
  {2015,   49_m,     90_m,     90_m,     223_m,     223_m},
  {2016,   50_m,     93_m,     93_m,     223_m,     223_m},
  {2017,   51_m,     95_m,     95_m,     223_m,     223_m},
  {2018,   52_m,     97_m,     97_m,     226_m,     226_m},
  {2019,   53_m,     99_m,     99_m,     231_m,     231_m},
  {2020,   54_m,     102_m,    102_m,    235_m,     235_m},
  {2021,   55_m,     104_m,    104_m,    237_m,     237_m},
  {2022,   56_m,     107_m,    107_m,    241_m,     241_m},
  {2023,   60_m,     114_m,    114_m,    265_m,     265_m},
  {2024,   65_m,     124_m,    124_m,    278_m,     278_m},
  {2025,   69_m,     132_m,    132_m,    282_m,     282_m},
  {2026,   71_m,     137_m,    137_m,    285_m,     285_m},
};

// First matching row wins. § 6 Abs. 1 Nr. 4 Satz 2 EStG as amended by the laws of 11.12.2018
// (half for electric and hybrid cars acquired 2019-2021), 12.12.2019 (quarter for electric cars
// from 2020, halves extended to 2030), 29.6.2020 (quarter up to 60,000 €), the
// Wachstumschancengesetz of 27.3.2024 (70,000 € for acquisitions from 2024) and the law of
// 14.7.2025 (100,000 € for acquisitions after 30 June 2025); BMF 5.11.2021. A hybrid is taken to
// meet the emission or range the law asks of its year of acquisition.
constexpr Dienstwagenanteil kDienstwagenanteile[] = {
  // drive              acquired from  to      months from  to      max. list price  share
  {Antrieb::Elektro,    201901,        201912, 201901,      201912, 0_m,             2},
  {Antrieb::Elektro,    201901,        202312, 202001,      299912, 60000_m,         4},
  {Antrieb::Elektro,    202401,        202506, 202401,      299912, 70000_m,         4},
  {Antrieb::Elektro,    202507,        203012, 202507,      299912, 100000_m,        4},
  {Antrieb::Elektro,    201901,        203012, 201901,      299912, 0_m,             2},
  {Antrieb::Hybrid,     201901,        203012, 201901,      299912, 0_m,             2},
};

// § 6 Abs. 1 Nr. 4 Satz 2 Nr. 1 EStG (AmtshilfeRLUmsG 2013), BMF 5.11.2021 Rz. 7.
constexpr Batterieabschlag kBatterieabschlaege[] = {
  {2013, 500_m, 10000_m}, {2014, 450_m, 9500_m}, {2015, 400_m, 9000_m}, {2016, 350_m, 8500_m},
  {2017, 300_m, 8000_m},  {2018, 250_m, 7500_m}, {2019, 200_m, 7000_m}, {2020, 150_m, 6500_m},
  {2021, 100_m, 6000_m},  {2022, 50_m, 5500_m},
};

// § 9 Abs. 1 Satz 3 Nr. 4 EStG: 0.30 € (2007 and 2008 as restored by the law of 20.4.2009);
// from the 21st km 0.35 € in 2021 and 0.38 € from 2022 (Steuerentlastungsgesetz 2022);
// 0.38 € from the first km from 2026 (Steueränderungsgesetz 2025).
constexpr Entfernungspauschale kEntfernungspauschalen[] = {
  {2004, 0.30_m, 0.30_m},
  {2021, 0.30_m, 0.35_m},
  {2022, 0.30_m, 0.38_m},
  {2026, 0.38_m, 0.38_m},
};

// § 3b EStG (base capped at 50 € from 2004, HBeglG 2004); contributions only up to a base of
// 25 € from July 2006 (§ 1 ArEV as amended by HBeglG 2006, then § 1 Abs. 1 Satz 1 Nr. 1 SvEV).
constexpr Zuschlagsregel kZuschlagsregeln[] = {
  // from     night  0-4    Sunday holiday  150 %   base tax  base SV
  {200401,    25_m,  40_m,  50_m,  125_m,   150_m,  50_m,     50_m},
  {200607,    25_m,  40_m,  50_m,  125_m,   150_m,  50_m,     25_m},
};

// § 3 Nr. 63 EStG: 4 % of the pension ceiling (West); from 2005 plus 1,800 € a year for
// commitments made from 2005 (Alterseinkünftegesetz); from 2018 8 % without it
// (Betriebsrentenstärkungsgesetz). § 1 Abs. 1 Satz 1 Nr. 9 SvEV: 4 % free of contributions.
// § 1a Abs. 1a BetrAVG: the employer adds 15 % as far as he saves contributions, for agreements
// from 2019, from 2022 for all (§ 26a BetrAVG).
constexpr Umwandlungsregel kUmwandlungsregeln[] = {
  // from  tax-free  addition  SV-free  subsidy  agreements from
  {2004,   4_m,      0_m,      4_m,     0_m,     0},
  {2005,   4_m,      1800_m,   4_m,     0_m,     0},
  {2018,   8_m,      0_m,      4_m,     0_m,     0},
  {2019,   8_m,      0_m,      4_m,     15_m,    2019},
  {2022,   8_m,      0_m,      4_m,     15_m,    1},
};
// clang-format on

// Church tax on flat wage tax, simplified procedure, percent: the states' announcements of their
// church-tax decisions (BStBl I) as summarised for 2014 and 2018; Baden-Württemberg lowered its
// rate over the years (FinMin Baden-Württemberg: 6.5 % in 2009 and 2010, 6 % in 2011, 5.5 % in
// 2018).
struct Kirchensteuerpauschsatz {
  int von;  // first year
  std::array<Money, 19> satz;  // by the church-tax state index; 0 unused
};
// index:      -     BW      BY    BE    BB    HB    HB-haven HH   HE    MV    NI    brem.Ev NW    RP    SL    SN    ST    SH    TH
constexpr Kirchensteuerpauschsatz kKirchensteuerpauschsaetze[] = {
  {2004, {0_m, 7_m,    7_m,  5_m,  5_m,  7_m,  7_m,  4_m,  7_m,  5_m,  6_m,  7_m,  7_m,  7_m,  7_m,  5_m,  5_m,  6_m,  5_m}},
  {2007, {0_m, 6.5_m,  7_m,  5_m,  5_m,  7_m,  7_m,  4_m,  7_m,  5_m,  6_m,  7_m,  7_m,  7_m,  7_m,  5_m,  5_m,  6_m,  5_m}},
  {2011, {0_m, 6_m,    7_m,  5_m,  5_m,  7_m,  7_m,  4_m,  7_m,  5_m,  6_m,  7_m,  7_m,  7_m,  7_m,  5_m,  5_m,  6_m,  5_m}},
  {2018, {0_m, 5.5_m,  7_m,  5_m,  5_m,  7_m,  7_m,  4_m,  7_m,  5_m,  6_m,  7_m,  7_m,  7_m,  7_m,  5_m,  5_m,  6_m,  5_m}},
};

// The last row whose start is not after the key.
template <class Row, class Key>
const Row& letzteAb(std::span<const Row> rows, Key key, Key (*von)(const Row&)) {
  const Row* r = &rows.front();
  for (const Row& z : rows)
    if (von(z) <= key) r = &z;
  return *r;
}

}  // namespace

const Bezugsregel* RegelFuer(Bezugsart art, int jahr, int monat) {
  const int schluessel = jahr * 100 + monat;
  for (const Bezugsregel& r : kRegeln)
    if (r.art == art && r.von <= schluessel && schluessel <= r.bis) return &r;
  return nullptr;
}

std::span<const Bezugsregel> AlleBezugsregeln() { return kRegeln; }

const Sachbezugswerte* SachbezugswerteFuer(int jahr) {
  for (const Sachbezugswerte& w : kSachbezugswerte)
    if (w.jahr == jahr) return &w;
  return nullptr;
}

Money Tageswert(Money monatswert) { return RundeCent(Ext(monatswert) / 30); }

std::span<const Dienstwagenanteil> Dienstwagenanteile() { return kDienstwagenanteile; }

std::optional<Batterieabschlag> BatterieabschlagFuer(int anschaffungsjahr) {
  if (anschaffungsjahr > 2022) return std::nullopt;
  const std::span<const Batterieabschlag> zeilen = kBatterieabschlaege;
  return letzteAb<Batterieabschlag, int>(zeilen, anschaffungsjahr < 2013 ? 2013 : anschaffungsjahr,
                                         [](const Batterieabschlag& b) { return b.jahr; });
}

const Entfernungspauschale& EntfernungspauschaleFuer(int jahr) {
  return letzteAb<Entfernungspauschale, int>(kEntfernungspauschalen, jahr,
                                             [](const Entfernungspauschale& e) { return e.von; });
}

const Zuschlagsregel& ZuschlagsregelFuer(int jahr, int monat) {
  return letzteAb<Zuschlagsregel, int>(kZuschlagsregeln, jahr * 100 + monat,
                                       [](const Zuschlagsregel& z) { return z.von; });
}

const Umwandlungsregel& UmwandlungsregelFuer(int jahr) {
  return letzteAb<Umwandlungsregel, int>(kUmwandlungsregeln, jahr,
                                         [](const Umwandlungsregel& u) { return u.von; });
}

Money PauschalKirchensteuersatz(int kiStLand, int jahr) {
  if (kiStLand < 1 || kiStLand > 18) return Money();
  const Kirchensteuerpauschsatz& z = letzteAb<Kirchensteuerpauschsatz, int>(
      kKirchensteuerpauschsaetze, jahr, [](const Kirchensteuerpauschsatz& k) { return k.von; });
  return z.satz[static_cast<std::size_t>(kiStLand)];
}

}  // namespace salvaro
