// Pieces that the wage-tax engines of 2004 to 2013 have in common although their flowcharts
// differ otherwise: the flowcharts' rounding steps, the income-tax tariff with its rule for
// classes V and VI, and the provision lump sum of the older law that 2005 to 2009 still compare
// with the newer one.
#pragma once

#include "money/OruMath.h"

namespace salvaro::pap {

// The value a rounding step works on. The flowcharts from 2006 round the exact value; the engines
// of 2004 and 2005 hand it to their rounding operations as an amount, so it is stored first (to
// 1/10,000, nearest, ties to even) and a value a hair below a whole euro lands on it.
inline Ext Argument(bool gespeichert, Ext e) {
  return gespeichert ? Ext(Money::runde(e)) : e;
}

// The flowcharts' setScale(n, ROUND_DOWN) and setScale(n, ROUND_UP), on the unstored value unless
// `gespeichert`.
inline Money ab(int stellen, Ext e, bool gespeichert = false) {
  e = Argument(gespeichert, e);
  if (stellen >= 0 && stellen <= 4) return detail::abschneidenGespeichert(stellen, e);
  return Money::runde(Abschneiden(stellen + 1, e));
}
inline Money auf(int stellen, Ext e, bool gespeichert = false) {
  e = Argument(gespeichert, e);
  if (stellen >= 0 && stellen <= 4) return detail::aufrundenGespeichert(stellen, e);
  return Money::runde(Aufrunden(stellen + 1, e));
}

// The pay period's share of the annual cent amount JW (the flowcharts' UPANTEIL): ANTEIL1 cut to
// whole cents, ANTEIL2 rounded up (the older flowcharts use it for the maxima of allowances).
// LZZ 1 year, 2 month, 3 week, 4 day.
Money ANTEIL1(Money JW, int LZZ, bool gespeichert = false);
Money ANTEIL2(Money JW, int LZZ, bool gespeichert = false);

// Amounts enter the engines in euros and are held in cents. Both are exact integer operations: a
// product under 2^56 units times 100 is exact, and the extended quotient of any int64 by 100 lies
// nearer to the exact one than to a half, so storing it rounds the exact quotient half to even.
inline Money cent(Money euro) {
  constexpr std::int64_t kGrenze = std::int64_t{1} << 56;
  if (euro.raw() > -kGrenze && euro.raw() < kGrenze) [[likely]]
    return Money::units(euro.raw() * 100);
  return Money::runde(euro * 100);
}
inline Money euro(Money cent) {
  std::int64_t q = cent.raw() / 100;
  const std::int64_t r = cent.raw() % 100;
  if (r > 50 || (r == 50 && (q & 1) != 0))
    ++q;
  else if (r < -50 || (r == -50 && (q & 1) != 0))
    --q;
  return Money::units(q);
}

// A rounding step whose kind differs from year to year.
enum class Rundung {
  Keine,          // kept to four decimals
  RundeCent,      // half up to cents
  AbCent,         // cut to cents
  AufCent,        // up to the next cent (the flowcharts' ROUND_UP)
  AufrundenCent,  // up to cents when the third decimal is at least 1 (the fourth alone does not)
  AbEuro,         // cut to whole units
  AufEuro,        // up to the next whole unit (the flowcharts' ROUND_UP)
  AufrundenEuro,  // up to the next whole unit when at least one hundredth is present
};
Money Runde(Rundung r, Ext e, bool gespeichert = false);

// Income-tax tariff of one year. Zone 2 from zone2Ab: Y = (X - s1) / 10,000 cut to six decimals,
// ST = (Y * a1 + c1) * Y; zone 3 from zone3Ab: Y = (X - s2) / 10,000, ST = (Y * a2 + c2) * Y + k2;
// zone 4 from zone4Ab: X * satz4 - k3; zone 5 from zone5Ab (0: no fifth zone): X * 0.45 - k4.
// Each zone's tax is cut to whole euros.
struct Tarif {
  Money zone2Ab, s1;
  Ext a1, c1;
  Money zone3Ab, s2;
  Ext a2, c2, k2;
  Money zone4Ab;
  Ext satz4, k3;
  Money zone5Ab;
  Ext k4;
  // Classes V and VI: the limits (W3STKL5 0: none), the marginal rate above W1STKL5 and above
  // W2STKL5 up to W3STKL5, and the rate of the minimum tax.
  Money W1STKL5, W2STKL5, W3STKL5;
  Ext satz5_6, mindestSatz;
  // From 2026 the scaled wages of the minimum tax (1.25 X and 0.75 X) are whole euros.
  bool x56GanzeEuro = false;
  // 2004 and 2005: every rounding step stores its argument first (see Argument).
  bool gespeichertRunden = false;
};

// Income tax of the income X of one tariff share (whole euros, before the splitting factor).
Money UPTAB(const Tarif& t, Money X);
// Income tax of the taxable income ZVE (euros) by the tariff: ZVE cut to whole euros per KZTAB
// share, that share's tax times KZTAB (the flowcharts' UPMLST for classes I to IV).
Money Tarifsteuer(const Tarif& t, Money ZVE, int KZTAB);
// Income tax of X in classes V and VI: twice the tax difference between 1.25 X and 0.75 X, at
// least the minimum rate of X, and the marginal rate of the limits above W1STKL5.
Money MST5_6(const Tarif& t, Money X);

// The older provision lump sum: 20 % of the pay, of which the base amount of 3,068 (less 16 % of
// the pay) counts in full, the next 1,334 in full and what remains half, up to 667; each amount
// per KZTAB share. Without statutory pension insurance it is 20 % of the pay, at most 1,134.
struct VorsorgeAltRundung {
  Rundung VSPO;         // 20 % of the pay and the reduced base amount
  Rundung ergebnis;     // the lump sum
  Rundung kurz;         // the lump sum without statutory pension insurance
  Rundung restHaelfte;  // half of what exceeds the second part
};
Money VorsorgepauschaleAlt(Money ZRE4VP, int KZTAB, bool ohneRentenversicherung,
                           const VorsorgeAltRundung& r, bool gespeichert = false);

}  // namespace salvaro::pap
