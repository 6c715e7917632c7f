// Allowance tables for pension payments and the age relief, by the year the pension began or the
// year after the employee turned 64: TAB1/TAB4 rate (fraction), TAB2 maximum, TAB3 supplement,
// TAB5 age-relief maximum (euros). The rates fall by 1.6 points a year until 2020 and by 0.8
// points a year after that, so one rule with a kink at index 16 gives every row.
#pragma once

#include "money/Money.h"

namespace salvaro {

// Index 1 for a year before 2006, year - 2004 up to 2039, 36 from 2040 on.
int TabIndex(int jahr);
// kind 1..5 reads TAB1..TAB5 at index 1..36.
Money TAB(int art, int index);

}  // namespace salvaro
