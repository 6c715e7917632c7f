// The rules and values of the pay components: one row per kind and period, and the official
// values of each year side by side. A new kind or a new year's value is a row here.
#pragma once

#include <optional>
#include <span>

#include "bezuege/Bezuege.h"
#include "money/Money.h"

namespace salvaro {

// How the wage tax treats a kind.
enum class Steuerregel {
  Pflichtig,   // taxable in full
  Frei,        // free of tax without limit
  Freigrenze,  // free while the month's sum of such benefits stays within the limit, else all taxable
  Freibetrag,  // free up to the limit, the rest taxable
  Pauschal,    // flat-taxed by the employer up to the limit, the rest taxable
  Eigene,      // its own rule (company car value, surcharges, pension conversion)
};

// What happens to the amount.
enum class Zahlungsart {
  Bar,         // paid out
  Sachbezug,   // a benefit in kind: not paid out
  Umwandlung,  // replaces pay and goes into a contract
  Abzug,       // taken from the payout
};

struct Bezugsregel {
  Bezugsart art;
  int von, bis;  // the months it applies in, JJJJMM, both included
  Steuerregel steuer;
  Money grenze;    // the monthly limit of Freigrenze, Freibetrag or Pauschal (0: none or its own)
  Money pauschsatz;  // percent, for Pauschal
  // Free of contributions as far as free of tax or flat-taxed (§ 1 Abs. 1 SvEV); otherwise the
  // contribution gross takes what the wage-tax gross takes.
  bool beitragsfreiWieSteuer;
  Zahlungsart zahlung;
};

// The row of a kind in a month, or none: the kind does not exist then.
const Bezugsregel* RegelFuer(Bezugsart art, int jahr, int monat);
// Every row, for the tests.
std::span<const Bezugsregel> AlleBezugsregeln();

// Meals and lodging at the official values, monthly (§ 2 SvEV; before 2007 §§ 1, 3, 4
// Sachbezugsverordnung).
struct Sachbezugswerte {
  int jahr;
  Money fruehstueck, mittagessen, abendessen;  // monthly values
  Money unterkunftWest, unterkunftOst;         // monthly values
};
const Sachbezugswerte* SachbezugswerteFuer(int jahr);
// The value of one meal on one day: a thirtieth of the monthly value, commercially rounded to
// cents (§ 1 Abs. 3 SachBezV, § 2 Abs. 6 SvEV).
Money Tageswert(Money monatswert);

// The share of the gross list price a company car is valued at: a half or a quarter for electric
// and hybrid cars (§ 6 Abs. 1 Nr. 4 Satz 2 Nr. 2 to 5 EStG), by the date of acquisition, the month
// calculated and the list price.
struct Dienstwagenanteil {
  Antrieb antrieb;
  int angeschafftVon, angeschafftBis;  // JJJJMM
  int giltVon, giltBis;                // the months calculated, JJJJMM
  Money hoechstpreis;                  // the list price may not exceed it (0: no limit)
  int teiler;                          // 2: half, 4: quarter
};
std::span<const Dienstwagenanteil> Dienstwagenanteile();
// The reduction of the list price of an electric or hybrid car acquired before 2023 for its
// battery (§ 6 Abs. 1 Nr. 4 Satz 2 Nr. 1 EStG): per kWh and at most, by the year of acquisition.
struct Batterieabschlag {
  int jahr;  // acquired in this year (2013: also before)
  Money jeKWh, hoechstens;
};
std::optional<Batterieabschlag> BatterieabschlagFuer(int anschaffungsjahr);

// The commuting lump sum per km and working day (§ 9 Abs. 1 Satz 3 Nr. 4 EStG): the first 20 km
// and each km from the 21st.
struct Entfernungspauschale {
  int von;  // first year
  Money bis20km, ab21km;
};
const Entfernungspauschale& EntfernungspauschaleFuer(int jahr);

// The surcharges of § 3b EStG: the tax-free percentages and the caps of the base hourly wage for
// the wage tax and for the contributions (§ 1 Abs. 1 Satz 1 Nr. 1 SvEV; before July 2006 the
// contributions followed the tax).
struct Zuschlagsregel {
  int von;  // first month, JJJJMM
  Money nacht, nacht0bis4, sonntag, feiertag, feiertag150;  // percent
  Money grundlohnSteuer, grundlohnBeitrag;                   // per hour
};
const Zuschlagsregel& ZuschlagsregelFuer(int jahr, int monat);

// The pension conversion: the tax-free share of the annual pension ceiling (West), the
// additional amount for commitments from 2005, the contribution-free share (§ 3 Nr. 63 EStG,
// § 1 Abs. 1 Satz 1 Nr. 9 SvEV), and the employer's subsidy (§ 1a Abs. 1a BetrAVG).
struct Umwandlungsregel {
  int von;                      // first year
  Money steuerfreiProzent;      // of the pension ceiling
  Money zusatzJahr;             // per year, for commitments from 2005
  Money beitragsfreiProzent;    // of the pension ceiling
  Money zuschussProzent;        // of the converted pay
  int zuschussAbschlussAb;      // agreements from this year get the subsidy (0: none)
};
const Umwandlungsregel& UmwandlungsregelFuer(int jahr);

// The church tax on flat taxes in the simplified procedure, percent of the flat wage tax, by the
// church-tax state of the window's list (1-18) and year.
Money PauschalKirchensteuersatz(int kiStLand, int jahr);
// The solidarity surcharge on flat wage tax, percent.
inline constexpr Money kPauschalSolZSatz = Money::parse("5.5");

}  // namespace salvaro
