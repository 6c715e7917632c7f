// "salvaro-cli jahr", "verlauf" and "steuerklassen": the year, the curve of net pay and the
// tax-class choice of a couple, with the options of rechne.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "abrechnung/Berechnung.h"

namespace salvaro {

// Entry points; return the exit code (Ausgang).
int JahrBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
               const Datum& heute);
int VerlaufBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                  const Datum& heute);
int SteuerklassenBefehl(const std::vector<std::string>& args, std::ostream& aus,
                        std::ostream& fehler, const Datum& heute);

}  // namespace salvaro
