// The common interface of the wage-tax engines: one engine object per calculation and tax year,
// the nine operations of the yearly flowchart, and a capability query for the operations that a
// year does not have. Amounts go in and come out in euros; inside, the engines work in cents.
#pragma once

#include <memory>
#include <string_view>

#include "money/Money.h"

namespace salvaro {

// The inputs of the main operation, the superset of every year's flowchart inputs. Amounts in
// euros. A year's engine ignores what its flowchart does not have.
struct LohnsteuerEingabe {
  int AJAHR = 0;  // year after the one in which the employee turned 64
  int VJAHR = 0;  // year in which the pension began
  int ZMVB = 0;   // number of pension months
  Money RE4;      // regular pay of the period
  // Signed allowance of the period and of the year: positive or zero is a tax allowance
  // (LZZFREIB, JFREIB), negative an addition amount (LZZHINZU, JHINZU).
  Money FreibetragLzz;
  Money FreibetragJahr;
  Money VMT, VBEZ, VBS, VBEZM, VBEZS, JVBEZ;
  // Pension parts of the one-time payments: the death benefit (and capital payments of pensions
  // that are not pay for several years) in SONSTB, and capital payments of pensions for several
  // years (besides VMT).
  Money STERBE, VKAPA;
  Money PKPV;  // monthly private health and care premium
  Money ENTSCH, JRE4ENT, SONSTENT;
  Money f;    // factor of class IV, a fraction (0.877)
  Money KVZ;  // additional health contribution rate in percent
  Money MBV;
  float ZKF = 0;  // number of child allowances
  int STKL = 0;
  int LZZ = 2;  // 1 year, 2 month, 3 week, 4 day
  int KRV = 0;
  int PKV = 0;
  int ALTER1 = 0;
  int AF = 0;
  int PVS = 0;
  int PVZ = 0;
  int PVA = 0;    // care-insurance reductions for children (from 2024), 0 to 4
  int ALV = 0;    // 1: not insured in unemployment insurance (from 2026)
  Money PKPVAGZ;  // the employer's monthly subsidy to private health and care (from 2026)
};

// The flowchart's outputs as the engine holds them after a calculation, in cents: wage tax,
// surcharge and church-tax base of the period, of the one-time payment and of the multi-year pay.
struct FlowchartAusgaben {
  Money LSTLZZ, SOLZLZZ, BK, STS, SOLZS, BKS, STV, SOLZV, BKV;
};

class OruSteuern {
 public:
  virtual ~OruSteuern() = default;

  virtual std::string_view Name() const = 0;
  // Which optional operations this engine has.
  virtual bool HatEinmalbezug() const { return true; }
  virtual bool HatVMT() const { return true; }
  virtual bool HatVMTOhneFuenftelung() const { return true; }

  // Wage tax of the regular pay of the period.
  virtual Money LohnsteuerLfd(const LohnsteuerEingabe& e) = 0;
  virtual Money SolzLfd() = 0;
  // liable 0 = no church tax; kind 1 one denomination, 2/3 a split; share 1 the first
  // denomination's share, 0 the rest; a special rate strictly between 0 and 99 replaces the
  // state's rate, exactly 99 selects the plain total.
  virtual Money KirchensteuerLfd(int pflichtig, int land, int art, int anteil, Money kappungsBasis,
                                 Money sonderSatz) = 0;

  virtual Money LohnsteuerEB(Money SONSTB, Money JRE4, Money JVBEZ, Money VBS) = 0;
  virtual Money SolzEB() = 0;
  // basisWahl 0: the one-time payment's tax STS, 1: the multi-year tax STV.
  virtual Money KirchensteuerEB(int pflichtig, int land, int art, int anteil, int basisWahl,
                                Money kappungsBasis, Money sonderSatz) = 0;

  virtual Money LohnsteuerVMT(Money SONSTB, Money JRE4) = 0;
  virtual Money SolzVMT() = 0;
  virtual int VMTOhneFuenftelung() const = 0;

  virtual FlowchartAusgaben Ausgaben() const = 0;
  // The annual taxable income ZVE of the last main operation, in euros (with child allowances
  // taken off where the flowchart computes the surcharge's base with them).
  virtual Money ZuVersteuerndesEinkommen() const = 0;
  // The income tax of the annual taxable income zvE (euros) by this year's tariff, in whole euros:
  // KZTAB 1 the basic tariff, 2 the splitting tariff (twice the tax of half the income).
  virtual Money Tarifsteuer(Money zvE, int KZTAB) const = 0;
  // Whether the flowchart of this engine has the input of that (upper-case flowchart) name.
  virtual bool NimmtEingabe(std::string_view name) const = 0;
};

}  // namespace salvaro
