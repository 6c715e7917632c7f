// Readable Money and Ext values in test failure messages.
#pragma once

#include <ostream>

#include "money/Money.h"

namespace salvaro {
inline void PrintTo(const Money& m, std::ostream* os) { *os << m.text4(); }
inline void PrintTo(const Ext& e, std::ostream* os) { *os << static_cast<double>(e.wert()); }
}  // namespace salvaro
