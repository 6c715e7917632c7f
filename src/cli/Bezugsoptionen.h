// The pay components on the command line: one table gives the options of rechne (and of the
// other subcommands that take its options), the columns of stapel (the same names without "--"),
// their help, and the JSON keys and stapel columns of the results.
#pragma once

#include <string>
#include <string_view>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Eingaben.h"
#include "bezuege/Bezuege.h"

namespace salvaro {

struct Bezugsoption {
  std::string_view name;    // without "--"
  std::string_view aufruf;  // as the help shows it: "--dienstwagen LISTENPREIS"
  std::string_view hilfe;   // German, one line
  Bezugsart art;
  // What the value is, which decides how it is read and its range.
  enum class Wert {
    Betrag, Listenpreis, Stunden, KWh,  // amounts
    Km, Anzahl, Arbeitstage, Belegung, Jahr,  // whole numbers
    Monat, Antrieb, Schalter,
  } wert;
  // The input of the component it sets.
  std::variant<Money Bezug::*, std::optional<Money> Bezug::*, int Bezug::*, bool Bezug::*,
               Monatsdatum Bezug::*, Antrieb Bezug::*>
      feld;
};

// The options in the order of the help.
const std::vector<Bezugsoption>& Bezugsoptionen();
// The option of that name (without "--"), or nullptr.
const Bezugsoption* BezugsoptionFuer(std::string_view name);
// Sets the option on the component of its kind in e.Bezuege (the first of that kind; a new one
// when there is none). Throws OptionsFehler for a value that cannot be read or is out of range.
void SetzeBezugsoption(Eingaben& e, const Bezugsoption& o, std::string_view wert);

// The results of the components with their JSON keys and stapel columns (the month's totals),
// deductions negative.
std::vector<std::pair<const char*, Money>> Bezugswerte(const Ergebnis& r);
// One component's parts with their JSON keys.
std::vector<std::pair<const char*, Money>> Bezugsteilwerte(const Bezugsteil& t);

}  // namespace salvaro
