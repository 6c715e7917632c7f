// The net-to-gross search: the gross pay that gives a desired net pay, found by halving the
// remaining difference, at most 200 calculations.
#pragma once

#include <functional>
#include <optional>

#include "money/Money.h"

namespace salvaro {

inline constexpr int kMaxBerechnungsschritte = 200;

struct Hochrechnung {
  Money brutto;  // the gross whose net matched; unsolved: the tried gross whose net came closest
  Money netto;   // its net pay
  int schritte = 1;  // calculations made, the first one included
  bool geloest = false;       // the net matched exactly
  bool unerreichbar = false;  // even a gross of 0,00 gives more than the desired net
  bool zuHoch = false;        // even the highest gross allowed gives less than the desired net
  bool abgebrochen() const { return !geloest && schritte == kMaxBerechnungsschritte; }
};

// The gross is moved by half the remaining difference, rounded to cents, until the net equals
// the desired net exactly. A move that would round back to the same gross moves one cent toward
// the target instead, so a gross one cent away is still found. In tax class VI the trials after
// the 101st to the 119th calculation are raised by one cent each. No trial goes below 0,00: a
// search that would has to stop there when the net of 0,00 is still above the desired net.
// Likewise no trial goes above hoechstBrutto (the highest gross the gross field takes): a search
// stops there when the net of that gross is still below the desired net.
// ersteRechnung: the net of the first calculation, made with the desired net as gross.
// nettoFuer: computes the net of a gross trial (one calculation of the payroll case).
Hochrechnung NettoZuBrutto(Money zielNetto, Money ersteRechnung, bool steuerklasse6,
                           const std::function<Money(Money)>& nettoFuer,
                           std::optional<Money> hoechstBrutto = std::nullopt);

// Whether the net follows the gross evenly around this gross: from one euro below to one euro
// above, each euro more gross neither lowers the net nor raises it by more than that euro. Not
// so at the marginal-employment limit, at the edges of the transition zone and where a surcharge
// sets in; there some nets belong to no gross at all.
bool NettoGleichmaessigUm(Money brutto, const std::function<Money(Money)>& nettoFuer);

}  // namespace salvaro
