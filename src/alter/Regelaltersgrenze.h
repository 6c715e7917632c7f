// The regular retirement age (Regelaltersgrenze) by date of birth and what follows from it for
// the contribution group: the pension and unemployment insurance of an employee past it.
#pragma once

#include <string>
#include <string_view>

namespace salvaro {

// A month of the calendar.
struct Kalendermonat {
  int jahr = 0, monat = 0;  // monat 1 to 12
  constexpr int Nummer() const { return jahr * 12 + monat - 1; }
  static constexpr Kalendermonat AusNummer(int n) { return {n / 12, n % 12 + 1}; }
  friend constexpr bool operator==(Kalendermonat, Kalendermonat) = default;
};

// The age at which the regular old-age pension starts, in months (65 years for those born before
// 1947, raised month by month to 67 years for those born from 1964).
int RegelaltersgrenzeInMonaten(int gebJahr);

// The month in which the retirement age is reached. Only the month of birth is known: the age is
// taken as completed in the month of the birthday (someone born on the first of a month completes
// it at the end of the month before). An unknown month of birth (0) counts as December, the
// latest month it can be, so that no rule of age applies too early.
Kalendermonat RegelaltersgrenzeErreicht(int gebJahr, int gebMonat);

// Whether the period lies after the month in which the retirement age is reached: from then on
// the employee is free of unemployment insurance and, drawing a full old-age pension, of pension
// insurance, and the Aktivrente can apply. False without a year of birth.
bool IstNachRegelaltersgrenze(int gebJahr, int gebMonat, int jahr, int monat);

// Whether the employer pays its isolated half of the unemployment contribution for an employee
// past the retirement age in the year (contribution-group digit 2); it was suspended 2017-2021.
bool ArbeitgeberanteilAVNachAltersgrenze(int jahr);

// The contribution group that follows the retirement age for an employee drawing a full old-age
// pension: health 1 becomes 3 (no sick pay), pension 1 becomes 3 (the employer's isolated share;
// keeping 1 is the employee's opt-in), unemployment 1 becomes 2 (0 while the employer's share was
// suspended). Marginal employment and the other digits stay. The key unchanged when nothing
// follows; a key that is not four digits is returned as it is.
std::string BeitragsgruppeNachRegelaltersgrenze(std::string_view bgr, int jahr);

}  // namespace salvaro
