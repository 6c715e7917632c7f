// The tax classes of a married couple: the monthly nets of both spouses for III/V, V/III, IV/IV
// and IV/IV with factor, the factor itself, and which choice leaves the most net each month.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "abrechnung/Eingaben.h"
#include "money/Money.h"

namespace salvaro {

// The factor of the factor method from the expected joint income tax under the splitting tariff
// (Y) and the sum of both spouses' annual wage taxes in class IV (X): Y / X cut to three
// decimals, and only when it is below 1 (no factor otherwise, nor for X = 0).
std::optional<Money> FaktorVerfahren(Money Y, Money X);

struct Klassenwahl {
  std::string name;  // "III/V", "V/III", "IV/IV", "IV/IV mit Faktor"
  int stkl1 = 0, stkl2 = 0;
  Money faktor;          // 0: none
  bool moeglich = true;  // false: the factor method is not possible (hinweis says why)
  Money LSt1, LSt2;      // the monthly wage taxes
  Money netto1, netto2, nettoGemeinsam;
};

struct Steuerklassenvergleich {
  // The annual taxable incomes of both in class IV, the expected joint income tax under the
  // splitting tariff and the sum of both annual wage taxes in class IV.
  Money zvE1, zvE2, splittingsteuer, summeLStIV;
  std::optional<Money> faktor;
  std::vector<Klassenwahl> wahlen;  // in the order above
  int beste = 0;                    // the choice with the highest joint monthly net
  std::string hinweis;              // why the factor method is missing, if it is
};

// The note that goes with every comparison.
extern const char* const kVeranlagungsHinweis;

// Both spouses' inputs of their month (the same period), each with its own gross, church tax and
// insurance; their tax classes and factors are set by the comparison. Throws
// KonvertierungsFehler for a text that is no number.
Steuerklassenvergleich VergleicheSteuerklassen(const Eingaben& ehegatte1,
                                               const Eingaben& ehegatte2);

}  // namespace salvaro
