// "salvaro-cli rechne" and "salvaro-cli stapel": the window's calculation on the command line,
// with options in German that mirror the window's inputs and default to its defaults.
#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Eingaben.h"

namespace salvaro {

// A bad option or option value; the message names it.
class OptionsFehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The option names without their leading "--", in the order of the window.
const std::vector<std::string_view>& RechneOptionen();
// Whether the option is a switch (takes no value; in a CSV column 1/0, ja/nein).
bool IstSchalter(std::string_view name);

// What the options of one calculation ask for.
struct Auftrag {
  Eingaben eingaben;
  Feld feld = Feld::Brutto;
  Datum heute;
  bool monatGesetzt = false, kvSatzGesetzt = false, kvZusatzGesetzt = false;
};

// Applies one option (name without "--") to the calculation; throws OptionsFehler.
void SetzeOption(Auftrag& a, std::string_view name, std::string_view wert);
// Completes what the window derives from the period (the month from today's date, the preset
// health rate, the additional-rate field) where the options left it open.
void Vervollstaendige(Auftrag& a);

// An amount in German ("3.000,50") or plain ("3000.50") notation; throws OptionsFehler.
Money LiesBetragOption(std::string_view name, std::string_view wert);

// The result as one JSON object.
std::string AlsJson(const Auftrag& a, const Ergebnis& r);

// Entry points of the subcommands; return the exit code.
int RechneBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute);
int StapelBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute, bool fortschrittAnzeigen);
// The same on the rows of a stream.
int Stapel(std::istream& ein, std::ostream& aus, std::ostream& fehler, const Datum& heute,
           bool fortschrittAnzeigen);

}  // namespace salvaro
