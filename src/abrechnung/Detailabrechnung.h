// The detailed statement ("Detailabrechnung"): a fixed-width text of the calculation with the
// deductions and the net pay on the left and the bases of the calculation on the right.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "abrechnung/Datei.h"

namespace salvaro {

// The maker's copyright notice of the status bar, the placeholder and the footer.
inline constexpr std::string_view kCopyright = "© 2004-2026 Salvaro";
// The statement's title: "Brutto-Netto-Rechner - Salvaro" and the version.
std::string Titel();
inline constexpr int kSpaltenbreite = 44;
// The whole width: the two lists and the 7 blanks between them.
inline constexpr int kAbrechnungsbreite = 2 * kSpaltenbreite + 7;

// One line: label, then blanks so that the value ends in column 44. With betrag the value is an
// amount text (thousands points allowed), shown as "#,##0.00", negated with negieren; an empty
// value counts as 0. Label and value of 44 characters or more are joined without blanks.
std::string AbrZeile(std::string_view label, std::string_view wert, bool betrag, bool negieren);

// The statement before the first calculation and after "Neue Abrechnung".
std::vector<std::string> PlatzhalterAbrechnung();
// A statement of 4 lines or fewer has not been built yet and is not saved.
bool IstErstellt(const std::vector<std::string>& zeilen);

// Title, the two lists side by side (left padded to 44, then 7 blanks), footer with the date.
std::vector<std::string> FuegeZusammen(const std::vector<std::string>& links,
                                       const std::vector<std::string>& rechts,
                                       std::string_view datum);

// The statement as the saved file holds it: each line in Windows-1252 followed by CR LF.
std::string AlsDatei(const std::vector<std::string>& zeilen);
// Writes the file through a temporary file and a rename. Returns an empty string on success,
// otherwise the German error message; an existing file is then left as it was, and so is one
// marked read-only unless schutz says to replace it.
std::string SpeichereAbrechnung(const std::vector<std::string>& zeilen, const std::string& pfad,
                                Schreibschutz schutz = Schreibschutz::Verweigern);

}  // namespace salvaro
