// What a month of the payroll case costs the employer.
#pragma once

#include "money/Money.h"

namespace salvaro {

class TLohnGehalt;

// The employer's total cost of the month: the gross pay, the employer's shares of the four
// insurances (in marginal employment their flat rates; for the privately insured the subsidies),
// those of a one-time payment, the insolvency levy and the levies U1 and U2.
Money ArbeitgeberGesamtkosten(const TLohnGehalt& fall, Money brutto);

}  // namespace salvaro
