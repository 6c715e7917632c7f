// The three views as text: fixed-width tables for the terminal and the print, CSV for
// spreadsheet programs. Amounts in German notation; deductions as positive amounts in their
// columns.
#pragma once

#include <string>
#include <vector>

#include "ansichten/Jahresuebersicht.h"
#include "ansichten/Steuerklassenwahl.h"
#include "ansichten/Verlauf.h"

namespace salvaro {

// The year as a table: a title, one line a month (a month with a rule change marked "*"), the
// totals, and the changes below.
std::vector<std::string> JahrTabelle(const Jahresuebersicht& j, const std::string& titel);
// The year as CSV: UTF-8 with a byte-order mark, ";" between the fields, CR LF, German numbers;
// a last column with the month's rule changes.
std::string JahrCsv(const Jahresuebersicht& j);
// The column names of the year, in the order of the table and the CSV.
const std::vector<std::string>& JahrSpalten();
// The amounts of a row in that order.
std::vector<Money> JahrWerte(const Monatswerte& w);
// Whether the year has the column of the Aktivrente after these (a year in which it frees pay).
bool MitAktivrente(const Jahresuebersicht& j);

// The points as CSV (";", German numbers, CR LF, no byte-order mark): Brutto, Netto, Abzüge, the
// net of the next 100 euros, the marginal burden in percent, and the marks at the first point at
// or above them.
std::string VerlaufCsv(const Verlauf& v);

// The comparison as a table with the factor's derivation and the note on the annual assessment.
std::vector<std::string> SteuerklassenTabelle(const Steuerklassenvergleich& v,
                                              const std::string& titel);

}  // namespace salvaro
