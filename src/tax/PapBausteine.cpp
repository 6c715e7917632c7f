#include "tax/PapBausteine.h"

#include "money/OruMath.h"

namespace salvaro::pap {

using namespace literale;

namespace {
// The period's share before rounding: a month is a twelfth, a week 7/360, a day 1/360 of a year.
Ext periodenteil(Money JW, int LZZ) {
  switch (LZZ) {
    case 2:
      return JW / 12;
    case 3:
      return JW * 7 / 360;
    default:
      return JW / 360;
  }
}
}  // namespace

Money ANTEIL1(Money JW, int LZZ, bool gespeichert) {
  return LZZ == 1 ? JW : ab(0, periodenteil(JW, LZZ), gespeichert);
}
Money ANTEIL2(Money JW, int LZZ, bool gespeichert) {
  return LZZ == 1 ? JW : auf(0, periodenteil(JW, LZZ), gespeichert);
}

Money Runde(Rundung r, Ext e, bool gespeichert) {
  e = Argument(gespeichert, e);
  switch (r) {
    case Rundung::Keine:
      return Money::runde(e);
    case Rundung::RundeCent:
      return RundeCent(e);
    case Rundung::AbCent:
      return ab(2, e);
    case Rundung::AufCent:
      return auf(2, e);
    case Rundung::AufrundenCent:
      return AufrundenCent(e);
    case Rundung::AbEuro:
      return ab(0, e);
    case Rundung::AufEuro:
      return auf(0, e);
    case Rundung::AufrundenEuro:
      return AufrundenEuro(e);
  }
  return Money::runde(e);
}

Money UPTAB(const Tarif& t, Money X) {
  const bool g = t.gespeichertRunden;
  if (X < t.zone2Ab) return Money();
  if (X < t.zone3Ab) {
    const Ext Y = Abschneiden(7, (X - t.s1) / 10000);
    const Ext RW = Y * t.a1 + t.c1;
    return ab(0, RW * Y, g);
  }
  if (X < t.zone4Ab) {
    const Ext Y = Abschneiden(7, (X - t.s2) / 10000);
    Ext RW = Y * t.a2 + t.c2;
    RW = RW * Y;
    return ab(0, RW + t.k2, g);
  }
  if (t.zone5Ab == 0 || X < t.zone5Ab) return ab(0, X * t.satz4 - t.k3, g);
  return ab(0, X * 0.45_x - t.k4, g);
}

Money Tarifsteuer(const Tarif& t, Money ZVE, int KZTAB) {
  const Money X = ZVE < 1 ? Money() : ab(0, ZVE / KZTAB);
  return Money::runde(UPTAB(t, X) * KZTAB);
}

namespace {
// Minimum tax of ZX in classes V and VI.
Money UP5_6(const Tarif& t, Money ZX) {
  const int stellen = t.x56GanzeEuro ? 0 : 2;
  const bool g = t.gespeichertRunden;
  const Money ST1 = UPTAB(t, ab(stellen, ZX * 1.25_x, g));
  const Money ST2 = UPTAB(t, ab(stellen, ZX * 0.75_x, g));
  const Money DIFF = Money::runde((ST1 - ST2) * 2);
  const Money MIST = ab(0, ZX * t.mindestSatz, g);
  return MIST > DIFF ? MIST : DIFF;
}
}  // namespace

Money MST5_6(const Tarif& t, Money X) {
  const Money ZZX = X;
  const bool g = t.gespeichertRunden;
  if (ZZX > t.W2STKL5) {
    Money ST = UP5_6(t, t.W2STKL5);
    if (t.W3STKL5 > 0 && ZZX > t.W3STKL5) {
      // The whole stretch between the second and third limit at the marginal rate, then 45 %.
      ST = ab(0, ST + (t.W3STKL5 - t.W2STKL5) * t.satz5_6, g);
      return ab(0, ST + (ZZX - t.W3STKL5) * 0.45_x, g);
    }
    return ab(0, ST + (ZZX - t.W2STKL5) * t.satz5_6, g);
  }
  const Money VERGL = UP5_6(t, ZZX);
  if (ZZX <= t.W1STKL5) return VERGL;
  const Money HOCH = ab(0, UP5_6(t, t.W1STKL5) + (ZZX - t.W1STKL5) * t.satz5_6, g);
  return HOCH < VERGL ? HOCH : VERGL;
}

Money VorsorgepauschaleAlt(Money ZRE4VP, int KZTAB, bool ohneRentenversicherung,
                           const VorsorgeAltRundung& r, bool gespeichert) {
  const auto runde = [gespeichert](Rundung art, Ext e) { return Runde(art, e, gespeichert); };
  const Money VSPO = runde(r.VSPO, ZRE4VP * 0.2_x);
  const Money VSPMAX1 = Money::euro(1334 * KZTAB);
  const Money VSPMAX2 = Money::euro(667 * KZTAB);
  const Money VSPKURZ = Money::euro(1134 * KZTAB);
  if (ohneRentenversicherung) return VSPO > VSPKURZ ? VSPKURZ : runde(r.kurz, VSPO);

  Money VSPVOR = runde(r.VSPO, Money::euro(3068 * KZTAB) - ZRE4VP * 0.16_x);
  if (VSPVOR < 0) VSPVOR = Money();
  if (VSPO <= VSPVOR) return runde(r.ergebnis, VSPO);
  const Money VSPREST = VSPO - VSPVOR;
  if (VSPREST <= VSPMAX1) return runde(r.ergebnis, VSPVOR + VSPREST);
  const Money haelfte = runde(r.restHaelfte, (VSPREST - VSPMAX1) / 2);
  return runde(r.ergebnis, VSPVOR + VSPMAX1 + (haelfte > VSPMAX2 ? VSPMAX2 : haelfte));
}

}  // namespace salvaro::pap
