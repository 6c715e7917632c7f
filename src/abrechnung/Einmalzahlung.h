// A one-time payment of the month (Christmas bonus, holiday pay, a bonus), a severance or pay for
// several years' work, and what the employer pays on top of the pay: computed on the payroll case
// of the month's regular pay, with typed amounts. The window and the command line show what
// BerechneEinmalzahlung returns; the regular results of the month are not changed by it.
//
// The rules:
// - Tax of the payment: the year's one-time-payment operation with the expected regular annual
//   wage JRE4 = regular gross of the earlier months + this month's taxable gross × (13 − month).
// - Social insurance of the payment: the pro-rated annual ceilings (earlier months + this month,
//   in days of 30), less the bases of the earlier months (the regular gross paid so far, at most
//   the earlier months' ceilings) and this month's base.
// - A payment in January to March that exceeds what is left of the pro-rated ceiling (health for
//   the health-insured, otherwise pension) belongs, with all its contributions, to December of the
//   previous year when the employee was employed then: ceilings and rates of that December, and
//   as the bases of its earlier months 11 × this month's regular base (an assumption: the pay of
//   the previous year is not asked for). The tax stays in this month.
// - Transition zone: regular pay and payment together decide it; below the upper limit the
//   month's total gets the reduced base, at or above it the month pays in full (and so do U1 and
//   U2, on the regular pay only). The payment's contributions are what the month costs more than
//   without it.
// - Pay for several years' work is one-time pay for social insurance (§ 23a SGB IV): payment and
//   it together are charged as above; its part is what the month costs more than with the
//   payment alone. Its tax: the several-years operation (one-fifth rule) where the year's
//   flowchart has one; from 2025 a one-time payment on top of the payment.
// - A severance for the loss of the job is no pay for social insurance, and for the tax a
//   compensation (Entschädigung, § 24 Nr. 1 EStG) that the provision lump sum leaves out: in the
//   several-years operation as ENTSCH, on top of the several years' pay; from 2025 a one-time
//   payment on top of the others with SONSTENT, its whole amount.
// - Marginal employment with the flat tax paid by the employer (PauschsteuerAG): 2 % of the pay
//   and payment, which then carry no wage tax, surcharge or church tax of the employee.
// - U1 and U2 on the regular pay only; the insolvency levy on the regular pay and the payment.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "money/Money.h"

namespace salvaro {

class TLohnGehalt;
struct Eingaben;

// The typed inputs of the payment, the severance and the employer's side.
struct Einmalvorgaben {
  Money Einmalzahlung;                      // for tax and social insurance
  std::optional<Money> JahresbruttoBisher;  // none: this month's gross × (month − 1)
  bool ImVorjahrBeschaeftigt = true;
  Money Abfindung;  // severance for the loss of the job: tax only
  Money MehrjaehrigeVerguetung;  // pay for several years' work: tax and social insurance
  bool PauschsteuerAG = false;
  // The month's pay components: what they add to the gross the net is formed of, and their cost
  // to the employer (Bezugsergebnis).
  Money BezugsBrutto, BezugsKosten;
};

struct Einmalergebnis {
  bool abgelehnt = false;  // the year cannot tax the payment or severance; see meldungen

  // The one-time payment.
  Money JRE4;  // the annual wage its tax was computed with
  Money LStEinmal, SolZEinmal, KiStEinmal;
  // The employee's contributions on it, by insurance, and their sum.
  Money KVANEinmal, RVANEinmal, AVANEinmal, PVANEinmal, SVEinmalAN;
  // The contribution bases of the one-time pay, payment and several years' pay together (0 in the
  // transition zone's total).
  Money EBBemKV, EBBemRV;
  Money NettoEinmal;
  bool Vorjahr = false;  // its contributions belong to December of the previous year
  Money AktivrenteEinmal;  // the part of it the Aktivrente frees from wage tax

  // Severance.
  Money LStAbfindung, SolZAbfindung, KiStAbfindung, NettoAbfindung;
  bool AbfindungAlsEinmalzahlung = false;  // no one-fifth rule that year (for both)

  // Pay for several years' work: its taxes, the employee's contributions on it by insurance and
  // their sum, and what is left.
  Money LStMehrjaehrig, SolZMehrjaehrig, KiStMehrjaehrig;
  Money KVANMehrjaehrig, RVANMehrjaehrig, AVANMehrjaehrig, PVANMehrjaehrig, SVMehrjaehrigAN;
  Money NettoMehrjaehrig;

  // The month's regular net; with payment, several years' pay and severance.
  Money NettoRegulaer, NettoGesamt;

  // The employer: regular pay and payment together (KVAG and PVAG are the subsidies of a
  // voluntary or private member, the flat rates of marginal employment included).
  Money KVAG, RVAG, AVAG, PVAG;
  Money KVAGEinmal, RVAGEinmal, AVAGEinmal, PVAGEinmal;  // the parts on the one-time pay
  Money Pauschsteuer;                                    // 2 % flat tax of marginal employment
  Money InsoUmlage, UmlageU1, UmlageU2;
  Money Umlagen;        // the three levies together
  Money Gesamtkosten;   // gross + payments + severance + the components + every employer amount

  std::vector<std::string> meldungen;  // German, to show after the results
};

// The calculation's texts as typed amounts; a text that is not a number throws
// KonvertierungsFehler.
Einmalvorgaben EinmalvorgabenAus(const Eingaben& e);

// A levy rate field ("1,60" or "1,60%"; empty: 0) as percent; throws KonvertierungsFehler.
Money UmlagesatzAus(const std::string& text);

// regulaer: the payroll case filled and computed for the regular pay of the month (FuelleFall,
// or the last trial of a net-to-gross search); it is not changed. brutto: the regular gross;
// e: the inputs it was filled from (for the previous year's December). The case's U1Satz and
// U2Satz are the levy rates.
Einmalergebnis BerechneEinmalzahlung(const TLohnGehalt& regulaer, Money brutto, const Eingaben& e,
                                     const Einmalvorgaben& v);

// Why "Jahresbrutto bisher" other than 0 is refused in January.
inline constexpr std::string_view kImJanuarKeineVormonate =
    "im Januar gibt es keine früheren Monate des Jahres";

// The first year whose flowchart taxes several years' pay like a one-time payment.
inline constexpr int kOhneFuenftelungAb = 2025;

}  // namespace salvaro
