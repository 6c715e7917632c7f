// The rounding operations of payroll and wage tax. Every rounding step of the payroll case and of
// the wage-tax engines is one of these; x is the argument's value in euros (or percent).
#pragma once

#include "money/Money.h"

namespace salvaro {

// Commercial rounding to whole cents: Int(x * 100 + 0.5) / 100.
Money RundeCent(Money x);
// Cuts to whole cents: Int(x * 100) / 100.
Money AbrundenCent(Money x);
// Up to the next cent when the third decimal is at least 1: t := x * 100 + 0.9 (stored),
// Int(t) / 100. The fourth decimal alone does not round up.
Money AufrundenCent(Money x);
// Cuts to whole euros: Int(x).
Money AbrundenEuro(Money x);
// Up to the next euro when at least one cent is present: Int(x + 0.99).
Money AufrundenEuro(Money x);
// Step rounding after RundeCent: mode 4 the euro at or above, mode 3 the half-euro step.
Money RundeStufe(int mode, Money x);
// Truncation toward zero: mode 1 to whole units after rounding to 15 significant digits,
// modes 2 to 7 to mode - 1 decimals; any other mode leaves the value unchanged.
Ext Abschneiden(int mode, Ext e);
// The flowcharts' rounding up (away from zero) to mode - 1 decimals, modes 1 to 7, on the
// unstored extended value: the counterpart of Abschneiden for their ROUND_UP steps.
Ext Aufrunden(int mode, Ext e);

// Convenience for expressions: the argument is stored into Money first, as a call would.
inline Money RundeCent(const Ext& e) { return RundeCent(Money::runde(e)); }
inline Money AbrundenCent(const Ext& e) { return AbrundenCent(Money::runde(e)); }
inline Money AufrundenCent(const Ext& e) { return AufrundenCent(Money::runde(e)); }
inline Money AbrundenEuro(const Ext& e) { return AbrundenEuro(Money::runde(e)); }
inline Money AufrundenEuro(const Ext& e) { return AufrundenEuro(Money::runde(e)); }
inline Money RundeStufe(int mode, const Ext& e) { return RundeStufe(mode, Money::runde(e)); }

}  // namespace salvaro
