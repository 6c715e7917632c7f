// The Aktivrente: pay for work after the regular retirement age is free of wage tax up to a
// monthly amount, from January 2026 (§ 3 Nr. 21 EStG, Aktivrentengesetz of December 2025).
//
// Who gets it is decided by the payroll case: the month lies after the one in which the
// retirement age is reached, the employer pays pension contributions for the employee (the full
// or the isolated share; not in marginal employment, which has flat contributions), and it is
// this employment the employee has chosen for it (class VI only with the employee's confirmation,
// as the ministry's FAQ asks). Contributions stay on the full pay.
#pragma once

#include "alter/Regelaltersgrenze.h"
#include "money/Money.h"

namespace salvaro {

// The free amount of a month: 2,000 euros from January 2026, nothing before.
Money AktivrenteJeMonat(int jahr, int monat);

// The free parts of a month's pay.
struct AktivrenteAnteile {
  Money laufend;  // of the regular pay
  Money einmal;   // of a one-time payment
};

// The month's free amount is taken by the regular pay first. A one-time payment is free only
// within what that leaves, and only for its share of the periods after the retirement age (the
// finance ministry's FAQ on the Aktivrente of 6 February 2026): it is taken as earned evenly over
// the twelve months of its calendar year, of which monateNachGrenze lie after the month the age
// was reached (12 when that was in an earlier year).
AktivrenteAnteile AktivrenteAnteileFuer(Money hoechstbetrag, Money laufend, Money einmal,
                                        int monateNachGrenze);

// Of the months of the year jahr, how many lie after the month in which the age is reached.
int MonateNachGrenzeImJahr(Kalendermonat erreicht, int jahr);

}  // namespace salvaro
