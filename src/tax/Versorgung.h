// Allowance tables for pension payments and the age relief, by the year the pension began or the
// year after the employee turned 64: TAB1/TAB4 rate (fraction), TAB2 maximum, TAB3 supplement,
// TAB5 age-relief maximum (euros). The rates fall by 1.6 points a year until 2020 and by 0.8
// points a year after that, so one rule with a kink at index 16 gives every row; the tables of
// 2025 on fall by 0.4 points a year from 2023 (a second kink at index 18).
#pragma once

#include "money/Money.h"

namespace salvaro {

// From 2025 the allowances fade out more slowly after 2022, until 2058 instead of 2040.
enum class Versorgungstabelle { Bis2024, Ab2025 };

// Index 1 for a year before 2006, year - 2004 up to the last year of the table, then its end
// (36 from 2040 on; from 2025 54 from 2058 on).
int TabIndex(int jahr, Versorgungstabelle t = Versorgungstabelle::Bis2024);
// kind 1..5 reads TAB1..TAB5 at the index.
Money TAB(int art, int index, Versorgungstabelle t = Versorgungstabelle::Bis2024);

}  // namespace salvaro
