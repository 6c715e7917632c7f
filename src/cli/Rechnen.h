// "salvaro-cli rechne" and "salvaro-cli stapel": the window's calculation on the command line,
// with options in German that mirror the window's inputs and default to its defaults.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Eingaben.h"

namespace salvaro {

// A bad option or option value; the message names it.
class OptionsFehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The option names without their leading "--", in the order of the window.
const std::vector<std::string_view>& RechneOptionen();
// Whether the option is a switch (takes no value; in a CSV column 1/0, ja/nein).
bool IstSchalter(std::string_view name);

// What the options of one calculation ask for.
struct Auftrag {
  Eingaben eingaben;
  Feld feld = Feld::Brutto;
  Datum heute;
  bool monatGesetzt = false, kvSatzGesetzt = false, kvZusatzGesetzt = false;
  bool jahrGesetzt = false, bruttoGesetzt = false, nettoGesetzt = false, faktorGesetzt = false;
};

// Applies one option (name without "--") to the calculation; throws OptionsFehler.
void SetzeOption(Auftrag& a, std::string_view name, std::string_view wert);
// The period where the options left it open: the current month (of a.heute), or the nearest month
// the program can calculate.
void SetzeZeitraum(Auftrag& a);
// The checks across options once all are read (the period completed first): a factor is one of
// tax class IV from 2010. Throws OptionsFehler.
void PruefeAuftrag(Auftrag& a);
// Completes what the window derives from the period (the period from today's date, the preset
// health rate, the additional-rate field) where the options left it open.
void Vervollstaendige(Auftrag& a);

// An amount in German ("3.000,50") or plain ("3000.50") notation with at most the given
// decimals (LiesZahlentext); throws OptionsFehler.
Money LiesBetragOption(std::string_view name, std::string_view wert, int nachkommastellen = 2);

// A value of an option within a range, for the option tables: an amount (LiesBetragOption), a
// whole number, a switch (1/0, ja/nein; empty: on). Throw OptionsFehler naming the option.
Money LiesBetragIm(std::string_view name, std::string_view wert, Money min, Money max);
int LiesGanzzahlIm(std::string_view name, std::string_view wert, int min, int max);
bool LiesSchalterwert(std::string_view name, std::string_view wert);

// Completes the calculation and runs it as rechne does; the window's messages go to fehler.
// Returns the exit code; r.gerechnet tells whether there is a result. Without mitAbrechnung no
// statement is built (a batch row that writes none).
int RechneAuftrag(Auftrag& a, Ergebnis& r, std::ostream& fehler, bool mitAbrechnung = true);

// An amount as a JSON number in euros: the double nearest to it, whose shortest text is the
// amount's own decimal text for every amount below 10^13 euros.
double AlsJsonZahl(Money betrag);
// The result as one JSON object (the keys are listed in the README).
std::string AlsJson(const Auftrag& a, const Ergebnis& r);

// Entry points of the subcommands; return the exit code (Ausgang).
int RechneBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute);
int StapelBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute, bool fortschrittAnzeigen);

// What a run of stapel did: the exit code and the rows by outcome.
struct StapelSumme {
  int code = 0;
  std::size_t zeilen = 0;      // data rows
  std::size_t fehlerhaft = 0;  // rows with input that cannot be read
  std::size_t abgelehnt = 0;   // rows whose calculation was refused
  std::size_t ungeloest = 0;   // net-to-gross searches without an exact net
};
// The rows of a stream; the messages of bad rows go to fehler, the summary does not. The rows
// are shared out over the threads in chunks; output and messages keep the order of the rows.
StapelSumme Stapel(std::istream& ein, std::ostream& aus, std::ostream& fehler, const Datum& heute,
                   bool fortschrittAnzeigen, unsigned threads = 1);
// "1.234 Zeilen gerechnet, 2 mit Fehler, ..."
std::string StapelZusammenfassung(const StapelSumme& s);
// The progress line of stapel: rows done of all, rows per second, time left (total 0: unknown).
std::string FortschrittsText(std::size_t fertig, std::size_t gesamt, double sekunden);

// One CSV line split at the separator; quoted fields may hold it and doubled quotes.
std::vector<std::string> TeileCsv(const std::string& zeile, char trenner);

}  // namespace salvaro
