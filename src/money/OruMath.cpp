#include "money/OruMath.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace salvaro {

using namespace literale;

Money RundeStufe(int mode, Money x) {
  x = RundeCent(x);
  if (mode == 4) return AufrundenEuro(x);
  if (mode == 3) {
    const Ext w = Int(x);
    const std::int64_t cents = std::llabs(x.raw()) / 100 % 100;
    return Money::runde(cents > 50 ? w + 1 : w + 0.5_x);
  }
  return x;
}

namespace detail {
// Mode 1: the value as text with at most 15 significant digits, integer part read back.
Ext abschneidenText(Ext e) {
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.15Lg", e.wert());
  const long double gerundet = std::strtold(puffer, nullptr);
  return Ext::units(std::truncl(gerundet) * Money::kScale);
}
}  // namespace detail

}  // namespace salvaro
