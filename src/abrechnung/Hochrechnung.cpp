#include "abrechnung/Hochrechnung.h"

#include "money/OruMath.h"

namespace salvaro {

namespace {

Money naeherung(Money brutto, Money netto, Money ziel) {
  Money neu = brutto;
  if (ziel < netto) neu = RundeCent(Money::runde(brutto - (netto - ziel) / 2));
  if (netto < ziel) neu = RundeCent(Money::runde(brutto + (ziel - netto) / 2));
  // Half a cent rounds half up: a gross one cent too high would never move down again.
  if (neu == brutto && netto != ziel) neu = netto > ziel ? brutto - Money::cent(1) : brutto + Money::cent(1);
  return neu;
}

}  // namespace

Hochrechnung NettoZuBrutto(Money zielNetto, Money ersteRechnung, bool steuerklasse6,
                           const std::function<Money(Money)>& nettoFuer) {
  Hochrechnung h{zielNetto, ersteRechnung, 1};
  if (h.netto == zielNetto) return h;
  h.brutto = naeherung(h.brutto, h.netto, zielNetto);
  while (true) {
    h.netto = nettoFuer(h.brutto);
    ++h.schritte;
    if (h.schritte == kMaxBerechnungsschritte || h.netto == zielNetto) break;
    if (steuerklasse6 && h.schritte >= 101 && h.schritte <= 119)
      h.brutto += Money::cent(1);
    else
      h.brutto = naeherung(h.brutto, h.netto, zielNetto);
  }
  return h;
}

}  // namespace salvaro
