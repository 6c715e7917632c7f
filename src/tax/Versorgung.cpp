#include "tax/Versorgung.h"

namespace salvaro {

int TabIndex(int jahr) {
  if (jahr < 2006) return 1;
  if (jahr < 2040) return jahr - 2004;
  return 36;
}

Money TAB(int art, int index) {
  if (index < 1 || index >= 36) return Money();
  // Value at index 1 and the yearly step before and after the kink, in units of 1/10,000.
  struct Reihe {
    std::int64_t start, schritt1, schritt2;
  };
  static constexpr Reihe kReihen[] = {
      {4000, 160, 80},                      // TAB1 rate 0.400
      {3000 * 10000, 120 * 10000, 60 * 10000},  // TAB2 maximum 3,000
      {900 * 10000, 36 * 10000, 18 * 10000},    // TAB3 supplement 900
      {4000, 160, 80},                      // TAB4 age-relief rate 0.400
      {1900 * 10000, 76 * 10000, 38 * 10000},   // TAB5 age-relief maximum 1,900
  };
  if (art < 1 || art > 5) return Money();
  const Reihe& r = kReihen[art - 1];
  const std::int64_t wert = index <= 16 ? r.start - r.schritt1 * (index - 1)
                                        : r.start - r.schritt1 * 15 - r.schritt2 * (index - 16);
  return Money::units(wert);
}

}  // namespace salvaro
