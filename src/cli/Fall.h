// "salvaro-cli fall": the payroll case as it is, for experts and for checking. Every input that
// has a setter is an option named like its field; the setters run in their documented order,
// whatever the order of the options; the result is one JSON object of every result and derived
// field, amounts with four decimals.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace salvaro {

int FallBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);

}  // namespace salvaro
