// The net-to-gross search: the gross pay that gives a desired net pay, found by halving the
// remaining difference, at most 200 calculations.
#pragma once

#include <functional>

#include "money/Money.h"

namespace salvaro {

inline constexpr int kMaxBerechnungsschritte = 200;

struct Hochrechnung {
  Money brutto;     // the last gross trial
  Money netto;      // its net pay
  int schritte = 1;  // calculations made, the first one included
  bool abgebrochen() const { return schritte == kMaxBerechnungsschritte; }
};

// The gross is moved by half the remaining difference, rounded to cents, until the net equals
// the desired net exactly. A move that would round back to the same gross moves one cent toward
// the target instead, so a gross one cent away is still found. In tax class VI the trials after
// the 101st to the 119th calculation are raised by one cent each.
// ersteRechnung: the net of the first calculation, made with the desired net as gross.
// nettoFuer: computes the net of a gross trial (one calculation of the payroll case).
Hochrechnung NettoZuBrutto(Money zielNetto, Money ersteRechnung, bool steuerklasse6,
                           const std::function<Money(Money)>& nettoFuer);

}  // namespace salvaro
