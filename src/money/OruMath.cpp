#include "money/OruMath.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace salvaro {

using namespace literale;

Money RundeCent(Money x) { return Money::runde(Int(x * 100 + 0.5_x) / 100); }

Money AbrundenCent(Money x) { return Money::runde(Int(x * 100) / 100); }

Money AufrundenCent(Money x) {
  const Money t = Money::runde(x * 100 + 0.9_x);
  return Money::runde(Int(t) / 100);
}

Money AbrundenEuro(Money x) { return Money::runde(Int(x)); }

Money AufrundenEuro(Money x) { return Money::runde(Int(x + 0.99_x)); }

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

namespace {
long double zehnHoch(int n) {
  long double p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// Mode 1: the value as text with at most 15 significant digits, integer part read back.
Ext abschneidenText(Ext e) {
  char puffer[64];
  std::snprintf(puffer, sizeof puffer, "%.15Lg", e.wert());
  const long double gerundet = std::strtold(puffer, nullptr);
  return Ext::units(std::truncl(gerundet) * Money::kScale);
}
}  // namespace

Ext Abschneiden(int mode, Ext e) {
  if (mode == 1) return abschneidenText(e);
  if (mode < 2 || mode > 7) return e;
  const long double schritt = zehnHoch(mode - 1);
  return Int(e * static_cast<std::int64_t>(schritt)) / static_cast<std::int64_t>(schritt);
}

Ext Aufrunden(int mode, Ext e) {
  if (mode < 1 || mode > 7) return e;
  const auto schritt = static_cast<std::int64_t>(zehnHoch(mode - 1));
  const Ext skaliert = e * schritt;
  Ext ganz = Int(skaliert);
  if (ganz != skaliert) ganz = ganz + (skaliert < 0 ? -1 : 1);
  return ganz / schritt;
}

}  // namespace salvaro
