#include "abrechnung/Hochrechnung.h"

#include "money/OruMath.h"

namespace salvaro {

namespace {

Money naeherung(Money brutto, Money netto, Money ziel, std::optional<Money> hoechst) {
  Money neu = brutto;
  if (ziel < netto) neu = RundeCent(Money::runde(brutto - (netto - ziel) / 2));
  if (netto < ziel) neu = RundeCent(Money::runde(brutto + (ziel - netto) / 2));
  // Half a cent rounds half up: a gross one cent too high would never move down again.
  if (neu == brutto && netto != ziel) neu = netto > ziel ? brutto - Money::cent(1) : brutto + Money::cent(1);
  if (hoechst && neu > *hoechst) return *hoechst;
  return neu < Money() ? Money() : neu;
}

Money abstand(Money a, Money b) {
  return a < b ? b - a : a - b;
}

}  // namespace

Hochrechnung NettoZuBrutto(Money zielNetto, Money ersteRechnung, bool steuerklasse6,
                           const std::function<Money(Money)>& nettoFuer,
                           std::optional<Money> hoechstBrutto) {
  Hochrechnung h{zielNetto, ersteRechnung, 1};
  Hochrechnung naechste = h;  // the trial closest to the target so far
  const auto merke = [&] {
    const Money neu = abstand(h.netto, zielNetto), bisher = abstand(naechste.netto, zielNetto);
    if (neu < bisher || (neu == bisher && h.brutto < naechste.brutto)) {
      naechste.brutto = h.brutto;
      naechste.netto = h.netto;
    }
  };
  if (h.netto == zielNetto) {
    h.geloest = true;
    return h;
  }
  h.brutto = naeherung(h.brutto, h.netto, zielNetto, hoechstBrutto);
  while (true) {
    h.netto = nettoFuer(h.brutto);
    ++h.schritte;
    merke();
    if (h.netto == zielNetto) {
      h.geloest = true;
      return h;
    }
    if (h.brutto == Money() && h.netto > zielNetto) {
      h.unerreichbar = true;
      break;
    }
    if (hoechstBrutto && h.brutto == *hoechstBrutto && h.netto < zielNetto) {
      h.zuHoch = true;
      break;
    }
    if (h.schritte == kMaxBerechnungsschritte) break;
    if (steuerklasse6 && h.schritte >= 101 && h.schritte <= 119)
      h.brutto += Money::cent(1);
    else
      h.brutto = naeherung(h.brutto, h.netto, zielNetto, hoechstBrutto);
  }
  naechste.schritte = h.schritte;
  naechste.unerreichbar = h.unerreichbar;
  naechste.zuHoch = h.zuHoch;
  return naechste;
}

bool NettoGleichmaessigUm(Money brutto, const std::function<Money(Money)>& nettoFuer) {
  const Money euro = Money::euro(1);
  const Money unten = brutto < euro ? Money() : brutto - euro;
  const Money a = nettoFuer(unten), b = nettoFuer(brutto), c = nettoFuer(brutto + euro);
  const auto gleichmaessig = [](Money von, Money bis, Money schritt) {
    return von <= bis && bis - von <= schritt;
  };
  return gleichmaessig(a, b, brutto - unten) && gleichmaessig(b, c, euro);
}

}  // namespace salvaro
