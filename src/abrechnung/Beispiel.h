// The sample calculation the command-line programs print: the wage tax, solidarity surcharge
// and church tax of one employee in January 2023.
#pragma once

#include <iosfwd>

namespace salvaro {

void Beispielrechnung(std::ostream& aus);

}  // namespace salvaro
