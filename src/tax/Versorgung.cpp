#include "tax/Versorgung.h"

#include <algorithm>

namespace salvaro {

namespace {
int letzterIndex(Versorgungstabelle t) { return t == Versorgungstabelle::Ab2025 ? 54 : 36; }
}  // namespace

int TabIndex(int jahr, Versorgungstabelle t) {
  if (jahr < 2006) return 1;
  const int index = jahr - 2004;
  return index < letzterIndex(t) ? index : letzterIndex(t);
}

Money TAB(int art, int index, Versorgungstabelle t) {
  if (art < 1 || art > 5 || index < 1 || index >= letzterIndex(t)) return Money();
  // Value at index 1 and the yearly steps up to index 16, to index 18 and after it, in units of
  // 1/10,000. Until 2024 the middle step goes on to the end.
  struct Reihe {
    std::int64_t start, schritt1, schritt2, schritt3;
  };
  static constexpr Reihe kReihen[] = {
      {4000, 160, 80, 40},                                  // TAB1 rate 0.400
      {3000 * 10000, 120 * 10000, 60 * 10000, 30 * 10000},  // TAB2 maximum 3,000
      {900 * 10000, 36 * 10000, 18 * 10000, 9 * 10000},     // TAB3 supplement 900
      {4000, 160, 80, 40},                                  // TAB4 age-relief rate 0.400
      {1900 * 10000, 76 * 10000, 38 * 10000, 19 * 10000},   // TAB5 age-relief maximum 1,900
  };
  const Reihe& r = kReihen[art - 1];
  const int knick = t == Versorgungstabelle::Ab2025 ? 18 : letzterIndex(t);
  std::int64_t wert = r.start - r.schritt1 * (std::min(index, 16) - 1);
  if (index > 16) wert -= r.schritt2 * (std::min(index, knick) - 16);
  if (index > knick) wert -= r.schritt3 * (index - knick);
  return Money::units(wert);
}

}  // namespace salvaro
