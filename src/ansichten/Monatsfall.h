// One month of the window's inputs as a gross-to-net calculation, for the views that calculate
// many months or many amounts: the inputs of another month, the case filled from them, and the
// amounts of one calculation as typed values.
#pragma once

#include <vector>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Eingaben.h"
#include "money/Money.h"

namespace salvaro {

class TLohnGehalt;

// The inputs for a gross-to-net calculation of the gross field in another month of their year:
// the month, the health rate the window presets for that month where the inputs hold the preset
// of their own month (a typed rate stays), and the special gross fields set to the gross unless
// the inputs keep their own; the one-time payment, the severance and the one-time components
// (the inflation bonus) stay in the inputs' own month, and a company car acquired later is left
// out. Throws KonvertierungsFehler for a year or gross that is no number.
Eingaben EingabenFuerMonat(const Eingaben& e, int monat);

// The checks of a gross-to-net calculation of the inputs as the window runs it: the messages of
// a refusal (a missing year of birth, a year without values, a group that is not four digits, a
// field that is no number), empty when the inputs can be calculated.
std::vector<Meldung> AnsichtsPruefung(Eingaben e, const Datum& heute);

// The amounts of one calculation of the case with the gross brutto and the month's payment and
// severance of e, deductions positive.
struct Monatswerte {
  Money brutto, einmalzahlung;  // brutto: the gross with a pension paid with it
  Money LSt, SolZ, KiSt, KV, RV, AV, PV;
  Money abzuege;  // the statutory deductions as the net formula subtracts them
  Money netto;
  Money arbeitgeberkosten;  // the employer's total cost
  Money aktivrente;         // the pay the Aktivrente frees from wage tax (regular and payment)
  Money auszahlung;         // the amount paid out (net with the pay components)
};
// bezuege: what FuelleFall returned for the case (the pay components of e).
Monatswerte WerteDesFalls(const TLohnGehalt& fall, Money brutto, const Eingaben& e,
                          const Bezugsergebnis& bezuege = {});
// Sums, field by field.
Monatswerte& operator+=(Monatswerte& summe, const Monatswerte& m);

}  // namespace salvaro
