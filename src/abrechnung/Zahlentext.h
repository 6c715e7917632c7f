// German number texts: amounts with thousands point and decimal comma, read and written exactly
// from the integer of Money, independent of the process locale.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "money/Money.h"

namespace salvaro {

// A field text that is not a number; the message is the one the user sees.
class KonvertierungsFehler : public std::runtime_error {
 public:
  explicit KonvertierungsFehler(std::string_view text, bool ganzzahl = false);
};

// Deletes the first "." up to maxPunkte times (thousands points of a typed amount).
std::string OhneTausenderPunkt(std::string_view text, int maxPunkte = 2);

// Reads "[-]digits[,digits]" with at most four decimals (blanks around are allowed) as Money.
// Throws KonvertierungsFehler for anything else.
Money LiesBetrag(std::string_view text);
// A field text as the program reads amounts: thousands points removed, then LiesBetrag.
Money LiesFeld(std::string_view text);
// A whole number ("2023"); throws KonvertierungsFehler for anything else.
int LiesGanzzahl(std::string_view text);

// The plain shortest decimal form with decimal comma, no grouping: 1234,5; 400; -0,25.
std::string SchlichterText(Money betrag);
// Completes a plain amount text to two decimals: "400" gives "400,00", "1234,5" "1234,50".
std::string ZweiNachkommastellen(std::string_view text);

// The picture formats "#,##0.00" (nachkomma 2, gruppiert), "#0.0", "#,###0.000" and the like:
// rounded half away from zero to the given decimals (0 to 4), thousands point when grouped.
std::string FormatBild(Money betrag, int nachkomma, bool gruppiert);
// "#,##0.00": 3.000,00; -1.234,57.
inline std::string FormatDE(Money betrag) { return FormatBild(betrag, 2, true); }

}  // namespace salvaro
