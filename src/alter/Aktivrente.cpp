#include "alter/Aktivrente.h"

#include <algorithm>

#include "money/OruMath.h"

namespace salvaro {

namespace {
// § 3 Nr. 21 EStG: "bis zu 2 000 Euro im Monat", in force from 1 January 2026.
constexpr Kalendermonat kAktivrenteAb{2026, 1};
constexpr Money kAktivrenteBetrag = Money::euro(2000);
}  // namespace

Money AktivrenteJeMonat(int jahr, int monat) {
  return Kalendermonat{jahr, monat}.Nummer() >= kAktivrenteAb.Nummer() ? kAktivrenteBetrag
                                                                       : Money();
}

AktivrenteAnteile AktivrenteAnteileFuer(Money hoechstbetrag, Money laufend, Money einmal,
                                        int monateNachGrenze) {
  AktivrenteAnteile a;
  a.laufend = std::clamp(laufend, Money(), std::max(hoechstbetrag, Money()));
  const Money rest = hoechstbetrag - a.laufend;
  if (einmal <= Money() || rest <= Money()) return a;
  const int monate = std::clamp(monateNachGrenze, 0, 12);
  // The share of a payment earned after the retirement age, cut to whole cents.
  const Money nachGrenze = monate == 12 ? einmal : AbrundenCent(einmal * monate / 12);
  a.einmal = std::min(nachGrenze, rest);
  return a;
}

int MonateNachGrenzeImJahr(Kalendermonat erreicht, int jahr) {
  if (erreicht.jahr < jahr) return 12;
  if (erreicht.jahr > jahr) return 0;
  return 12 - erreicht.monat;
}

}  // namespace salvaro
