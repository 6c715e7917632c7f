// The allowances for pension payments (Versorgungsbezüge) of § 19 Abs. 2 EStG: a percentage of
// the pension up to a maximum, and a supplement, both fixed by the year the pension began and kept
// for life. The wage-tax engines apply them through the flowchart inputs VJAHR, VBEZ and VBEZM;
// this table names them for the statement and the results.
#pragma once

#include "money/Money.h"

namespace salvaro {

struct VersorgungsfreibetragSatz {
  int beginn;           // the year the pension began (2005: that year and every year before)
  Money prozent;        // percent of the pension payments of the year
  Money hoechstbetrag;  // euros a year
  Money zuschlag;       // euros a year
};

// The row the wage tax of the calculation year applies for a pension that began in beginn: the
// table as the flowchart of that year has it (from 2025 the slower fading of the
// Wachstumschancengesetz; 2004 the rule before the Alterseinkünftegesetz).
VersorgungsfreibetragSatz VersorgungsfreibetragFuer(int beginn, int rechenjahr);

// The year's allowance and supplement for a monthly pension paid in monate months of the year:
// the percentage of the pension rounded up to cents, at most the maximum; the supplement at most
// what the allowance leaves of the pension.
struct Versorgungsfreibetraege {
  Money freibetrag, zuschlag;
};
Versorgungsfreibetraege VersorgungsfreibetraegeImJahr(Money monatsbezug, int monate, int beginn,
                                                      int rechenjahr);

}  // namespace salvaro
