// The curve of net pay: the net and the deductions of the inputs' month for gross amounts from 0
// up to a bound, with the marginal burden at each point and the limits where the rules change.
#pragma once

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

#include "abrechnung/Eingaben.h"
#include "money/Money.h"

namespace salvaro {

// The gross added for the marginal burden.
inline constexpr Money kGrenzschritt = Money::euro(100);
// The most points one curve has.
inline constexpr int kMaxVerlaufspunkte = 100001;

struct Verlaufspunkt {
  Money brutto, netto;
  // The statutory deductions: brutto - netto, or more where pay components or a pension add to
  // the pay the net is formed of.
  Money abzuege;
  // Of the next 100 euros of gross, what is left as net: netto(brutto + 100) - netto(brutto).
  Money vomNaechstenHundert;
  // The marginal burden in percent: the share of those 100 euros that the deductions take.
  Money grenzbelastung;
};

// The marginal burden at the gross brutto from the nets at brutto and at brutto + 100; abzuege:
// the statutory deductions at brutto.
Verlaufspunkt Punkt(Money brutto, Money netto, Money nettoPlus100, Money abzuege);

struct Verlaufsmarke {
  Money brutto;
  std::string text;  // "Geringfügigkeitsgrenze", "Übergangsbereich Beginn", ...
};

struct Verlauf {
  std::vector<Verlaufspunkt> punkte;
  std::vector<Verlaufsmarke> marken;  // within 0 to the bound, by amount
  bool abgebrochen = false;           // stopped by the caller's flag; the points so far
};

// A step or bound the curve cannot take; the message is German.
class VerlaufsFehler : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The points 0, schritt, 2 schritt, ... up to bis (and bis itself when it is not on the grid),
// for the inputs' month, gross and special gross fields alike set to each amount. A set flag
// abbrechen stops the loop between two points. Throws VerlaufsFehler for a step of 0 or less, a
// negative bound or more than kMaxVerlaufspunkte points, KonvertierungsFehler for a text that is
// no number.
Verlauf BerechneVerlauf(const Eingaben& e, Money bis, Money schritt,
                        const std::atomic<bool>* abbrechen = nullptr);

}  // namespace salvaro
