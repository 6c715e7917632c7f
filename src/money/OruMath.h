// The rounding operations of payroll and wage tax. Every rounding step of the payroll case and of
// the wage-tax engines is one of these; x is the argument's value in euros (or percent).
#pragma once

#include "money/Money.h"

namespace salvaro {

namespace detail {
// 10^0 ... 10^6: the steps of the truncation modes.
inline constexpr std::int64_t kZehnHoch[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
// Abschneiden's mode 1, through text; rare, so out of line.
Ext abschneidenText(Ext e);

// Below 2^56 units (7.2 trillion euros) a Money times 100 plus the rounding constant stays an
// exact integer under 2^63, every extended step of the operations on Money below is exact, and
// the truncation of the quotient by 10,000 is the integer division (the quotient's rounding error
// is smaller than its distance to the next integer). So they are computed in int64.
inline bool ganzzahligExakt(Money x) {
  constexpr std::int64_t kGrenze = std::int64_t{1} << 56;
  return x.raw() > -kGrenze && x.raw() < kGrenze;
}
}  // namespace detail

// Commercial rounding to whole cents: Int(x * 100 + 0.5) / 100.
inline Money RundeCent(Money x) {
  using namespace literale;
  if (detail::ganzzahligExakt(x)) [[likely]]
    return Money::units((x.raw() * 100 + 5000) / 10000 * 100);
  return Money::runde(Int(x * 100 + 0.5_x) / 100);
}
// Cuts to whole cents: Int(x * 100) / 100.
inline Money AbrundenCent(Money x) {
  if (detail::ganzzahligExakt(x)) [[likely]]
    return Money::units(x.raw() / 100 * 100);
  return Money::runde(Int(x * 100) / 100);
}
// Up to the next cent when the third decimal is at least 1: t := x * 100 + 0.9 (stored),
// Int(t) / 100. The fourth decimal alone does not round up.
inline Money AufrundenCent(Money x) {
  using namespace literale;
  if (detail::ganzzahligExakt(x)) [[likely]]
    return Money::units((x.raw() * 100 + 9000) / 10000 * 100);
  const Money t = Money::runde(x * 100 + 0.9_x);
  return Money::runde(Int(t) / 100);
}
// Cuts to whole euros: Int(x).
inline Money AbrundenEuro(Money x) {
  if (detail::ganzzahligExakt(x)) [[likely]]
    return Money::units(x.raw() / 10000 * 10000);
  return Money::runde(Int(x));
}
// Up to the next euro when at least one cent is present: Int(x + 0.99).
inline Money AufrundenEuro(Money x) {
  using namespace literale;
  if (detail::ganzzahligExakt(x)) [[likely]]
    return Money::units((x.raw() + 9900) / 10000 * 10000);
  return Money::runde(Int(x + 0.99_x));
}
// Step rounding after RundeCent: mode 4 the euro at or above, mode 3 the half-euro step.
Money RundeStufe(int mode, Money x);
// Truncation toward zero: mode 1 to whole units after rounding to 15 significant digits,
// modes 2 to 7 to mode - 1 decimals; any other mode leaves the value unchanged.
inline Ext Abschneiden(int mode, Ext e) {
  if (mode == 1) return detail::abschneidenText(e);
  if (mode < 2 || mode > 7) return e;
  const std::int64_t schritt = detail::kZehnHoch[mode - 1];
  return Int(e * schritt) / schritt;
}
// The flowcharts' rounding up (away from zero) to mode - 1 decimals, modes 1 to 7, on the
// unstored extended value: the counterpart of Abschneiden for their ROUND_UP steps.
inline Ext Aufrunden(int mode, Ext e) {
  if (mode < 1 || mode > 7) return e;
  const std::int64_t schritt = detail::kZehnHoch[mode - 1];
  const Ext skaliert = e * schritt;
  Ext ganz = Int(skaliert);
  if (ganz != skaliert) ganz = ganz + (skaliert < 0 ? -1 : 1);
  return ganz / schritt;
}

namespace detail {
// The truncation and the rounding up to k = 0 ... 4 decimals, stored: Money::runde(Int(e * 10^k)
// / 10^k) and Money::runde(Aufrunden(k + 1, e)). Below 2^48 units the scaled value stays under
// 2^62 and every step after the quotient by 10,000 is exact: the result is the truncated (or
// raised) quotient times 10^(4 - k).
// An integral scaled value needs no extended quotient: its truncation is the integer division.
inline Money abschneidenGespeichert(int k, Ext e) {
  const long double u = e.unitsWert();
  if (std::fabs(u) < 0x1p48L) [[likely]] {
    const long double skaliert = u * kZehnHoch[k];
    const std::int64_t ganz = naechsteGanzzahl(skaliert);
    const std::int64_t t = static_cast<long double>(ganz) == skaliert
                               ? ganz / Money::kScale
                               : ganzAbgeschnitten(skaliert / Money::kScale);
    return Money::units(t * kZehnHoch[4 - k]);
  }
  return Money::runde(Int(e * kZehnHoch[k]) / kZehnHoch[k]);
}
inline Money aufrundenGespeichert(int k, Ext e) {
  const long double u = e.unitsWert();
  if (std::fabs(u) < 0x1p48L) [[likely]] {
    const long double skaliert = u * kZehnHoch[k];
    const std::int64_t ganz = naechsteGanzzahl(skaliert);
    std::int64_t t;
    if (static_cast<long double>(ganz) == skaliert) {
      t = ganz / Money::kScale;
      if (ganz % Money::kScale != 0) t += ganz < 0 ? -1 : 1;
    } else {
      t = ganzAbgeschnitten(skaliert / Money::kScale);
      if (static_cast<long double>(t * Money::kScale) != skaliert) t += skaliert < 0 ? -1 : 1;
    }
    return Money::units(t * kZehnHoch[4 - k]);
  }
  return Money::runde(Aufrunden(k + 1, e));
}
}  // namespace detail

// Convenience for expressions: the argument is stored into Money first, as a call would.
inline Money RundeCent(const Ext& e) { return RundeCent(Money::runde(e)); }
inline Money AbrundenCent(const Ext& e) { return AbrundenCent(Money::runde(e)); }
inline Money AufrundenCent(const Ext& e) { return AufrundenCent(Money::runde(e)); }
inline Money AbrundenEuro(const Ext& e) { return AbrundenEuro(Money::runde(e)); }
inline Money AufrundenEuro(const Ext& e) { return AufrundenEuro(Money::runde(e)); }
inline Money RundeStufe(int mode, const Ext& e) { return RundeStufe(mode, Money::runde(e)); }

}  // namespace salvaro
