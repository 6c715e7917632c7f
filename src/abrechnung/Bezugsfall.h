// The pay components in the payroll case of a month: the case is calculated with the wage-tax
// and contribution grosses that the components give, and the amount paid out follows.
#pragma once

#include <string>
#include <vector>

#include "bezuege/Bezuege.h"
#include "money/Money.h"

namespace salvaro {

class TLohnGehalt;
struct Eingaben;

// The case filled from e (FuelleFall) calculated for the regular grosses stBrutto and svBrutto
// plus what the components of e add, with the employer's flat tax of marginal employment. The
// employer's pension subsidy is measured on the case itself. Without components the case is
// calculated with the grosses alone. A refused component (abgelehnt) leaves the case calculated
// without the components; so does a month without pay whose components would make a gross
// negative (not refused: it has no components).
Bezugsergebnis RechneMitBezuegen(TLohnGehalt& fall, const Eingaben& e, Money stBrutto,
                                 Money svBrutto);

// What a pension conversion of e costs the employee in pay out: the amount paid out without the
// conversion and its subsidy less the amount paid out with them, for the same regular grosses.
// brutto: the gross the net is formed of. The case is not changed.
Money NettoaufwandEntgeltumwandlung(const TLohnGehalt& fall, const Eingaben& e, Money brutto,
                                    Money stBrutto, Money svBrutto);

// The statement's lines of the components (left list): each component with its value and
// treatment, then the way from the net pay to the amount paid out. Empty without components.
// nettoGesamt: the month's net with payment and severance; nettoaufwandBAV: as above.
std::vector<std::string> Bezugszeilen(const Bezugsergebnis& b, Money nettoGesamt,
                                      Money auszahlung, Money nettoaufwandBAV);
// The employer's lines of the components: their cost and the flat taxes.
std::vector<std::string> BezugszeilenArbeitgeber(const Bezugsergebnis& b);

}  // namespace salvaro
