// German number texts: amounts with thousands point and decimal comma, made exactly from the
// integer of Money, independent of the process locale.
#pragma once

#include <string>

#include "money/Money.h"

namespace salvaro {

// "#,##0.00" in German notation: 3.000,00; -1.234,57. Half a cent rounds away from zero.
std::string FormatDE(Money betrag);

}  // namespace salvaro
