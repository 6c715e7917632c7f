// The pay components of a pay slip beside the regular pay: the company car, benefits in kind,
// meals and lodging, the job ticket, the flat-taxed allowances, the pension conversion, the
// capital-forming payments, the surcharges for Sunday, holiday and night work, the inflation
// bonus and net deductions. BerechneBezuege values them for a month and splits each into what is
// taxable, what is liable to contributions, what is free of both and what the employer taxes at a
// flat rate, and says what the month adds to the wage-tax gross and the contribution gross and
// what is paid out beside the net pay.
//
// How each kind is treated, and the values of each year, are rows of the tables in
// Bezugsregeln.h; this header holds the typed inputs and results.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "money/Money.h"

namespace salvaro {

enum class Bezugsart {
  Dienstwagen,          // private use of a company car (§ 8 Abs. 2 Satz 2 to 5 EStG)
  Sachbezug,            // goods and vouchers (§ 8 Abs. 2 Satz 11 EStG)
  Jobticket,            // a ticket for public transport (§ 3 Nr. 15 EStG)
  Verpflegung,          // meals at the official values
  Unterkunft,           // lodging at the official value
  Fahrtkostenzuschuss,  // commuting allowance, flat tax 15 % (§ 40 Abs. 2 Satz 2 EStG)
  Internetpauschale,    // internet allowance, flat tax 25 % (§ 40 Abs. 2 Satz 1 Nr. 5 EStG)
  Entgeltumwandlung,    // pension conversion (§ 3 Nr. 63 EStG, § 1a BetrAVG)
  Vermoegensbildung,    // capital-forming payments (5. VermBG)
  Zuschlaege,           // Sunday, holiday and night surcharges (§ 3b EStG)
  Inflationspraemie,    // inflation compensation bonus (§ 3 Nr. 11c EStG)
  Nettoabzug,           // an amount taken from the payout only
};
inline constexpr int kBezugsarten = 12;

// The name of a kind as the window's list and the statement show it ("Dienstwagen").
std::string_view Bezugsname(Bezugsart art);
// The kinds in the order of the window's list.
const std::vector<Bezugsart>& AlleBezugsarten();

enum class Antrieb { Verbrenner, Hybrid, Elektro };

// A year and month; 0 for none.
struct Monatsdatum {
  int jahr = 0, monat = 0;
  constexpr int Schluessel() const { return jahr * 100 + monat; }  // JJJJMM
  friend constexpr bool operator==(Monatsdatum, Monatsdatum) = default;
};

// One component as the window's list or the command line gives it. Only the inputs of its kind
// count; the others keep their defaults.
struct Bezug {
  Bezugsart art = Bezugsart::Sachbezug;
  // The amount: the value of a benefit, the allowance, the converted pay, the employer's
  // capital-forming payment, the bonus, the deduction; the gross list price of a company car.
  Money betrag;

  // Company car.
  int km = 0;       // distance home to work, full km (also the commuting allowance's)
  int fahrten = 0;  // trips home to work this month: valued by trip (0: the monthly 0.03 %)
  Antrieb antrieb = Antrieb::Verbrenner;
  Monatsdatum anschaffung;  // none: acquired in the month calculated
  Money batterieKWh;        // battery capacity, for the reduction of older electric cars
  // What the employee pays for the car, the meals or the lodging.
  Money zuzahlung;

  // Meals: how many of each this month (30 or more: the monthly value).
  int fruehstuecke = 0, mittagessen = 0, abendessen = 0;

  // Lodging: the employees sharing it (4: more than three), in the employer's household or a
  // shared accommodation, and for a young employee (under 18) or trainee.
  int belegung = 1;
  bool haushalt = false;
  bool jugendlich = false;

  // Commuting allowance: working days of the month with trips (km above).
  int arbeitstage = 15;

  // Pension conversion: the year the conversion was agreed (0: in the year calculated), and an
  // employer's subsidy other than the rules give.
  int abschlussjahr = 0;
  std::optional<Money> arbeitgeberzuschuss;

  // Capital-forming payments: the whole saving amount (none: the employer's part alone).
  std::optional<Money> sparbetrag;

  // Surcharges: hours by kind of work; betrag is the base hourly wage (Grundlohn).
  Money stundenNacht;        // 20 to 6 o'clock
  Money stundenNacht0bis4;   // 0 to 4 o'clock, work begun before midnight
  Money stundenSonntag;
  Money stundenFeiertag;     // holidays, 31 December from 14 o'clock
  Money stundenFeiertag150;  // 24 December from 14 o'clock, 25 and 26 December, 1 May

  friend bool operator==(const Bezug&, const Bezug&) = default;
};

// The month the components are calculated for.
struct Bezugsmonat {
  int jahr = 0, monat = 0;
  int kiStLand = 0;  // church-tax state 1-18; 0: no church tax on flat taxes
  bool ost = false;  // legal area East (lodging had values of its own until 2007)
  // The employer's contributions saved when the contribution gross falls by the amount given;
  // measures the employer's subsidy to a pension conversion. None: the subsidy is not capped.
  std::function<Money(Money)> ersparnisArbeitgeber;
};

// One component's treatment in the month.
struct Bezugsteil {
  Bezugsart art = Bezugsart::Sachbezug;
  Money wert;             // its value: the benefit, the payment, the converted pay, the deduction
  Money steuerpflichtig;  // in the wage-tax gross
  Money svpflichtig;      // in the contribution gross
  Money steuerfrei;       // free of wage tax
  Money beitragsfrei;     // free of contributions
  Money pauschal;         // taxed by the employer at the flat rate
  Money pauschsatz;       // that rate, percent (15, 25)
  Money pauschsteuer;     // the flat wage tax, surcharge and church tax on it
  Money minderung;        // the pay it replaces (pension conversion)
  bool sachbezug = false;  // not paid out: a benefit in kind
  Money nettoabzug;        // taken from the payout
  Money arbeitgeberzuschuss;  // the employer's pension subsidy
  Money arbeitgeberkosten;    // what it costs the employer (flat taxes included)
};

struct Bezugsergebnis {
  bool abgelehnt = false;  // an input the month cannot take; see meldungen
  std::vector<Bezugsteil> teile;  // in the order of the inputs

  // Added to the regular gross for the wage tax and for the contributions (negative: the
  // pension conversion lowers them).
  Money StBruttoZusatz, SVBruttoZusatz;
  // The benefits in kind in the net pay (not paid out), the tax-free and flat-taxed payments
  // (paid out beside the net), the net deductions.
  Money GeldwerterVorteil, SteuerfreieZahlungen, Nettoabzuege;
  // The employer's flat taxes: wage tax, solidarity surcharge, church tax, and their sum.
  Money PauschalLSt, PauschalSolZ, PauschalKiSt, PauschalsteuerArbeitgeber;
  Money ArbeitgeberzuschussBAV;  // the employer's subsidy to the pension conversion
  Money BeitragBAV;              // what goes into the pension contract
  Money Arbeitgeberkosten;       // the components' cost to the employer, flat taxes included

  std::vector<std::string> meldungen;  // German
  bool leer() const { return teile.empty(); }
};

// Values the components for the month. Nothing is refused silently: an input that does not fit
// the month or its kind (a negative amount, a bonus outside its period, hours without an hourly
// wage) sets abgelehnt with the message.
Bezugsergebnis BerechneBezuege(const Bezugsmonat& m, const std::vector<Bezug>& bezuege);

// What the components change beside the net pay: net − benefits in kind − net deductions +
// tax-free and flat-taxed payments.
Money Auszahlungsbetrag(Money netto, const Bezugsergebnis& b);

}  // namespace salvaro
