// "salvaro-cli pap": runs a wage-tax engine over rows of flowchart inputs in CSV (amounts in
// cents, columns named as the flowchart names its inputs) and appends the engine's outputs.
#pragma once

#include <iosfwd>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace salvaro {

// A malformed input row: the message names the line and, where it applies, the column.
class PapFehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PapZusammenfassung {
  int zeilen = 0;
  int uebersprungen = 0;
  std::set<std::string> fremdeEingaben;  // non-zero inputs the engine does not take
  std::vector<std::string> fremdeSpalten;  // header columns that are no input of the engine
};

// The output columns, in order, each prefixed with "our_".
inline constexpr std::string_view kPapAusgaben[] = {"LSTLZZ", "SOLZLZZ", "BK",    "STS", "SOLZS",
                                                    "BKS",    "STV",     "SOLZV", "BKV"};

// Throws PapFehler for an unknown engine, a header without LZZ, STKL or RE4, or a malformed row
// (the rows before it are written), a line longer than 64 KiB among them.
// Stops at a row when aus has turned bad. The rows are shared out over the threads in chunks;
// the output is the same for any number of them.
PapZusammenfassung Pap(std::istream& ein, std::ostream& aus, std::string_view engineName,
                       unsigned threads = 1);

// "salvaro-cli pap --engine NAME [--input DATEI] [--output DATEI] [--threads N]": input from the file or from
// ein, output to the file (written only when every row was good) or to aus; the exit code.
int PapBefehl(const std::vector<std::string>& args, std::istream& ein, std::ostream& aus,
              std::ostream& fehler);

}  // namespace salvaro
