// Church tax: the table of the federal states and church areas and the one algorithm that every
// wage-tax engine uses for the period, the one-time payment and the multi-year pay.
#pragma once

#include "money/Money.h"

namespace salvaro {

struct KiStLandWerte {
  Money satz;          // percent
  Money mindestA;      // monthly minimum where wage tax is withheld
  Money mindestB;      // monthly minimum for a split kind with wage tax due
  Money kappungsSatz;  // percent of the capping base
  Money anteil;        // share of the first denomination in a split, percent
};

// The rows of the state list (0 "keine Kirchensteuer" ... 18 "Thüringen"). Before 2010
// Baden-Württemberg and Niedersachsen also had the first minimum of 0.30 a month.
KiStLandWerte KiStTabelle(int land, bool mindestBisher = false);

struct KiStAufruf {
  int pflichtig = 0;  // 0: no church tax
  int land = 0;
  int art = 1;     // 1 one denomination, 2 and 3 a split between two, 0 none
  int anteil = 0;  // 1 the first denomination's share, 0 the rest
  Money kappungsBasis;
  Money sonderSatz;  // strictly between 0 and 99 replaces the rate; 99 the plain total
};

// Church tax in euros from the base in cents. LZZ 1 makes the monthly minimums annual; both
// minimums need wage tax to be withheld (lohnsteuerFaellig: of the period, or of the payment
// whose church tax this is).
Money Kirchensteuer(const KiStAufruf& a, Money basisCent, int LZZ, bool lohnsteuerFaellig,
                    bool mindestBisher = false);

}  // namespace salvaro
