// The year at a glance: the twelve months of the inputs' year with the inputs' gross, each with
// its deductions, net and employer's cost, the totals, and the months in which a rule changes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "abrechnung/Eingaben.h"
#include "ansichten/Monatsfall.h"

namespace salvaro {

struct Jahresmonat {
  int monat = 0;  // 1 to 12
  Monatswerte werte;
  // What changes against the previous month ("Pflegeversicherung 3,05% + 0,35 → 3,40% + 0,60"),
  // empty when nothing does; January is compared with December of the previous year (when the
  // program calculates it).
  std::vector<std::string> aenderungen;
};

struct Jahresuebersicht {
  int jahr = 0;
  std::array<Jahresmonat, 12> monate;
  Monatswerte summe;  // the sums of the twelve months
  bool mitBezuegen = false;  // the inputs hold pay components
};

// Calculates the twelve months. Throws KonvertierungsFehler for a text that is no number, and
// what the payroll case throws for a period it cannot calculate.
Jahresuebersicht BerechneJahr(const Eingaben& e);

}  // namespace salvaro
