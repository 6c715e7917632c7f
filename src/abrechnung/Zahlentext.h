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

 protected:
  struct Meldungstext {
    std::string text;
  };
  explicit KonvertierungsFehler(const Meldungstext& m) : std::runtime_error(m.text) {}
};

// An amount with more decimals than it may have ("3000,999").
class NachkommaFehler : public KonvertierungsFehler {
 public:
  NachkommaFehler(std::string_view text, int nachkommastellen);
};

// A number whose digits are right but too many for an amount of the program (more than 14
// before the decimal sign).
class ZuGrosseZahl : public KonvertierungsFehler {
 public:
  explicit ZuGrosseZahl(std::string_view text) : KonvertierungsFehler(text) {}
};

// A number outside the range of its field or option: "'2000000' liegt nicht zwischen 0,00 und
// 1.000.000,00".
class BereichsFehler : public KonvertierungsFehler {
 public:
  BereichsFehler(std::string_view text, Money min, Money max);
};

// Deletes the first "." up to maxPunkte times (thousands points of a typed amount).
std::string OhneTausenderPunkt(std::string_view text, int maxPunkte = 2);

// Reads "[-]digits[,digits]" with at most four decimals (blanks around are allowed) as Money.
// Throws KonvertierungsFehler for anything else (ZuGrosseZahl for too many digits).
Money LiesBetrag(std::string_view text);
// A field text as the program reads amounts, by the rule of LiesZahlentext with up to four
// decimals: "1.234,56", "1234,56" and "1234.56" are the same amount.
Money LiesFeld(std::string_view text);
// A field that may stay empty: empty is 0, anything else is read by LiesFeld.
Money LiesFeldOderNull(std::string_view text);
// An amount as typed on the command line or in a CSV file, German ("3.000,50") or plain
// ("3000.50"). A point is a thousands point only after a first group of one to three digits that
// does not start with 0, followed by groups of exactly three digits ("1.000", "12.345.678");
// otherwise a single point is the decimal point ("0.125", "1234.5"). Beside a comma, points must
// be thousands points. More decimals than nachkommastellen throw NachkommaFehler; anything else
// that is not a number throws KonvertierungsFehler.
Money LiesZahlentext(std::string_view text, int nachkommastellen);
// The one rule for the number texts of the window's fields and of the command line's options:
// LiesZahlentext, and the amount within min and max. Throws NachkommaFehler for too many
// decimals, BereichsFehler for an amount outside (a number too long to be held included) and
// KonvertierungsFehler for anything else.
Money LiesImBereich(std::string_view text, int nachkommastellen, Money min, Money max);
// Whether the points of a number text are thousands points ("1.234,5", "1.234", "12.345.678");
// otherwise a single point is the decimal point ("1234.5", "1.5").
bool PunkteSindTausender(std::string_view text);
// A whole number ("2023"); throws KonvertierungsFehler for anything else.
int LiesGanzzahl(std::string_view text);

// The plain shortest decimal form with decimal comma, no grouping: 1234,5; 400; -0,25.
std::string SchlichterText(Money betrag);
// Completes a plain amount text to two decimals: "400" gives "400,00", "1234,5" "1234,50".
std::string ZweiNachkommastellen(std::string_view text);

// The picture formats "#,##0.00" (nachkomma 2, gruppiert), "#0.0", "#,###0.000" and the like:
// rounded half away from zero to the given decimals (0 to 4), thousands point when grouped.
std::string FormatBild(Money betrag, int nachkomma, bool gruppiert);
// The same appended to text, with another decimal sign where wanted (a batch's "1234.56").
void HaengeBildAn(std::string& text, Money betrag, int nachkomma, bool gruppiert, char komma);
// A field of a CSV output appended as it is, or in double quotes with its quotes doubled when it
// holds one of the characters besondere (its separator, the quote, line ends).
void HaengeCsvFeldAn(std::string& aus, std::string_view feld, std::string_view besondere);
// "#,##0.00": 3.000,00; -1.234,57.
inline std::string FormatDE(Money betrag) { return FormatBild(betrag, 2, true); }

}  // namespace salvaro
