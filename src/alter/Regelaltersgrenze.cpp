#include "alter/Regelaltersgrenze.h"

#include <iterator>

namespace salvaro {

namespace {

struct Altersgrenze {
  int bisGeburtsjahr;  // for those born in this year or before (and after the row above)
  int jahre, monate;
};

// clang-format off
// § 35 SGB VI (67 years) with the transition of § 235 Abs. 2 SGB VI: 65 years for births before
// 1947, then raised by one month a year of birth and from 1959 by two.
constexpr Altersgrenze kAltersgrenzen[] = {
    {1946, 65, 0},                                                         // § 235 Abs. 2 S. 1
    {1947, 65, 1},  {1948, 65, 2},  {1949, 65, 3},  {1950, 65, 4},         // § 235 Abs. 2 S. 2
    {1951, 65, 5},  {1952, 65, 6},  {1953, 65, 7},  {1954, 65, 8},
    {1955, 65, 9},  {1956, 65, 10}, {1957, 65, 11}, {1958, 66, 0},
    {1959, 66, 2},  {1960, 66, 4},  {1961, 66, 6},  {1962, 66, 8},
    {1963, 66, 10},
    {9999, 67, 0},                                                         // § 35 S. 2 SGB VI
};
// clang-format on

// § 346 Abs. 3 S. 3 SGB III (Flexirentengesetz): the employer's half for an employee past the
// retirement age was not charged from January 2017 to December 2021.
constexpr int kAVAussetzungVon = 2017, kAVAussetzungBis = 2021;

}  // namespace

int RegelaltersgrenzeInMonaten(int gebJahr) {
  for (const Altersgrenze& g : kAltersgrenzen)
    if (gebJahr <= g.bisGeburtsjahr) return g.jahre * 12 + g.monate;
  return 67 * 12;
}

Kalendermonat RegelaltersgrenzeErreicht(int gebJahr, int gebMonat) {
  const int monat = gebMonat >= 1 && gebMonat <= 12 ? gebMonat : 12;
  return Kalendermonat::AusNummer(Kalendermonat{gebJahr, monat}.Nummer() +
                                  RegelaltersgrenzeInMonaten(gebJahr));
}

bool IstNachRegelaltersgrenze(int gebJahr, int gebMonat, int jahr, int monat) {
  if (gebJahr <= 0) return false;
  return Kalendermonat{jahr, monat}.Nummer() >
         RegelaltersgrenzeErreicht(gebJahr, gebMonat).Nummer();
}

bool ArbeitgeberanteilAVNachAltersgrenze(int jahr) {
  return jahr < kAVAussetzungVon || jahr > kAVAussetzungBis;
}

std::string BeitragsgruppeNachRegelaltersgrenze(std::string_view bgr, int jahr) {
  std::string neu(bgr);
  if (neu.size() != 4 || neu.find_first_not_of("0123456789") != std::string::npos) return neu;
  const bool minijob = neu[0] == '6' || neu[1] == '5';
  if (minijob) return neu;
  if (neu[0] == '1') neu[0] = '3';
  if (neu[1] == '1') neu[1] = '3';
  if (neu[2] == '1' || neu[2] == '2')
    neu[2] = ArbeitgeberanteilAVNachAltersgrenze(jahr) ? '2' : '0';
  return neu;
}

}  // namespace salvaro
