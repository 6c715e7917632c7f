// ADAPTER until the workflow returns them itself: the values of the one-time payment, the
// severance and the employer's side, taken from the payroll case after a calculation. The window
// shows these and nothing else, so that the workflow's own results replace this file whole.
#pragma once

#include "abrechnung/Berechnung.h"
#include "money/Money.h"

namespace salvaro {

class TLohnGehalt;

struct Zusatzwerte {
  // The payment and the severance together: shown only when one of them is entered.
  bool einmal = false;
  Money LSt, SolZ, KiSt, SV;  // deductions on them, positive; SV: the employee's contributions
  Money Netto;                // what is left of them
  Money NettoGesamt;          // the regular net plus that
  // The employer's side.
  bool pauschal = false;  // marginal employment: flat-rate health and pension contributions
  Money Brutto, Einmal;   // the regular gross, the payment and severance
  Money KV, RV, AV, PV, Pauschsteuer, Insolvenz, U1, U2;
  Money Gesamt;  // the sum of every line above
};

Zusatzwerte ZusatzwerteAus(const Eingaben& e, const TLohnGehalt& fall, const Ergebnis& r);

}  // namespace salvaro
