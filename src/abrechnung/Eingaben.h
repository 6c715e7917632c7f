// The main window's inputs as plain data: the texts of its fields and combo boxes and the check
// marks of its menu switches, with the defaults the window starts with. The window and the
// command line fill this struct; everything the calculation does works on it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bezuege/Bezuege.h"

namespace salvaro {

inline constexpr std::array<std::string_view, 12> kMonatsnamen = {
    "Januar", "Februar", "März",     "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// The church-tax list; the position is the state index of the payroll case.
inline constexpr std::array<std::string_view, 19> kKiStLaender = {
    "keine Kirchensteuer",     "Baden-Württemberg", "Bayern",
    "Berlin",                  "Brandenburg",       "Bremen",
    "Bremerhaven",             "Hamburg",           "Hessen",
    "Mecklenburg-Vorpommern",  "Niedersachsen",     "bremische Evang. Kirche",
    "Nordrhein-Westfalen",     "Rheinland-Pfalz",   "Saarland",
    "Sachsen",                 "Sachsen-Anhalt",    "Schleswig-Holstein",
    "Thüringen"};

// "Januar" gives 1 ... "Dezember" 12; any other text 0.
int MonatAusName(std::string_view name);
// The same with the case of ASCII letters aside ("januar"), as the command line reads a month.
int MonatAusNameOhneGrossschreibung(std::string_view name);
// The state names give 1 to 18; anything else, "keine Kirchensteuer" included, 0.
int KiStLandNummer(std::string_view name);
// Whether two names are the same regardless of the case of their ASCII letters, as a list of the
// window finds a typed name.
bool GleichOhneGrossschreibung(std::string_view a, std::string_view b);

struct Eingaben {
  // Period.
  std::string Monat = "Januar";  // text of the month box
  int MonatNr = 1;               // position of the selected month + 1
  std::string Jahr = "2023";
  // Tax.
  std::string GebJahr = "1980";
  std::string StKl = "1";
  std::string Faktor = "0";
  std::string KiFB = "0,0";
  std::string KinderUnter25 = "0";  // children under 25, for the care insurance from July 2023
  std::string StFB = "0,00";
  std::string KiLand = "Nordrhein-Westfalen";
  // Social insurance.
  std::string BGR = "1111";
  std::string PKV = "350,00";
  bool ChkPKV = false;
  std::string PPV = "50,00";
  bool ChkPPV = false;
  std::string KV = "14,40%";      // general health rate, with its "%"
  std::string KVZus = "+ 1,60%";  // additional health rate, "+ x,xx%"
  // Amounts.
  std::string Brutto = "0,00";
  std::string Netto = "0,00";
  std::string StBrutto = "0,00";
  std::string SVBrutto = "0,00";
  bool BruttoUebernahme = true;  // "Werte aus Feld Brutto übernehmen"
  // One-time payment of the month ("Einmalzahlung") and the regular gross paid in the earlier
  // months of the year ("Jahresbrutto bisher"; empty: this month's gross times those months).
  std::string Einmalzahlung = "0,00";
  std::string JahresbruttoBisher;
  bool ImVorjahrBeschaeftigt = true;  // "im Vorjahr beschäftigt": a payment may move to December
  std::string Abfindung = "0,00";     // "Abfindung": severance for the loss of the job
  std::string MehrjaehrigeVerguetung = "0,00";  // "Mehrjährige Vergütung": several years' pay
  // The employer's side.
  std::string U1Satz = "0,00";  // levy rates, percent
  std::string U2Satz = "0,00";
  bool PauschsteuerAG = false;  // "Pauschsteuer trägt Arbeitgeber" (marginal employment, 2 %)
  bool Arbeitgeberseite = false;  // the employer's side in the window and the statement
  // Age and pension payments: the month of birth ("3" or "März"; empty: not known), a pension
  // paid with the pay or alone ("Versorgungsbezug", monthly), the year it began and, where it
  // matters, the month ("Beginn": "2023" or "2023-03"), its kind (a civil servant's pension, else
  // a company pension), the Aktivrente where it applies, and the employee's confirmation that
  // lets it apply in class VI.
  std::string GebMonat;
  std::string Versorgungsbezug = "0,00";
  std::string Versorgungsbeginn;
  bool Beamtenpension = false;
  bool Aktivrente = true;
  bool AktivrenteStKl6 = false;
  // The list "Bezüge und Abzüge": the pay components of the month, typed where they are entered.
  std::vector<Bezug> Bezuege;
  // Menu switches.
  bool BesondereTabelle = false;       // "Besondere Steuertabelle" (else the general table)
  bool PKVOhneZuschuss = false;        // "Privat krankenvers. ohne AG-Zuschuß"
  bool Ost = false;                    // legal area East (else West)
  bool OhneUebergangsbereich = false;  // "ohne Übergangsbereich"
  bool RVVerzicht = false;             // "Verzicht auf RV-Freiheit bei GfE"
  bool PVNichtErhoeht = false;         // "Pflegeversicherung nicht erhöht"
  bool FrwTatsBrutto = false;          // "SV bei Frw./PKV nach tatsächlichem Brutto"
  bool PVSachsen = false;              // "Pflegeversicherung in Sachsen"
  // Which field drives the next calculation: gross-to-net or net-to-gross.
  int BruttoMarke = 0;
  int NettoMarke = 0;
};

}  // namespace salvaro
