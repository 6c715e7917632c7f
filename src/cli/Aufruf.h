// What every subcommand of salvaro-cli shares: the exit codes, the help texts (in the shape
// help2man reads: usage, description, options, exit status, examples) and the version.
#pragma once

#include <fstream>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "abrechnung/Datei.h"

namespace salvaro {

// The exit codes, the same for every subcommand.
enum Ausgang : int {
  kErfolg = 0,
  kAbgelehnt = 1,         // the calculation refused (its own message says why)
  kFalscheEingabe = 2,    // bad usage, a value out of range, an unreadable or malformed file
  kUngeloest = 3,         // the net-to-gross search ended without an exact result
  kNichtGeschrieben = 4,  // the output could not be written
};

// "salvaro-cli 1.0.5.2"
std::string VersionsText();

// The whole help of "salvaro-cli --help", and the help of one subcommand ("rechne", "stapel",
// "jahr", "verlauf", "steuerklassen", "fall", "pap", "beispiel"). An unknown name gives the whole
// help.
void Hilfe(std::ostream& aus);
void BefehlsHilfe(std::ostream& aus, std::string_view befehl);

// Whether the arguments ask for help ("--help" or "-h" anywhere).
bool WillHilfe(const std::vector<std::string>& args);

// Opens an input file: "" when it is open, otherwise the German message ("die Datei "P" kann
// nicht gelesen werden: sie existiert nicht").
std::string OeffneEingabe(std::ifstream& datei, const std::string& pfad);

// Where a subcommand writes its results: standard output, or a file that is written as a whole
// (a temporary file renamed at the end) so that an old one stays intact when the run fails.
class Ausgabe {
 public:
  explicit Ausgabe(std::ostream& standard) : standard_(standard) {}
  // Opens the file (an empty path: standard output); "" or the German message.
  std::string Oeffne(const std::string& pfad);
  std::ostream& Strom() { return datei_ ? ziel_.Strom() : standard_; }
  // Commits the file, or flushes standard output: kErfolg, or kNichtGeschrieben with the file's
  // message on fehler (standard output's reason is named by main).
  int Schliesse(std::ostream& fehler, std::string_view befehl);

 private:
  std::ostream& standard_;
  AtomareDatei ziel_;
  bool datei_ = false;
};

}  // namespace salvaro
