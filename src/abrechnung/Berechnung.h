// A calculation as the main window runs it, without the window: the checks before it, filling the
// payroll case from the window's inputs, the net pay, the net-to-gross search, the values to show,
// the statement, and the messages that follow. The Qt window and the command line both call these
// functions and show what they return.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "abrechnung/Altersangaben.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Eingaben.h"
#include "abrechnung/Einmalzahlung.h"
#include "bezuege/Bezuege.h"
#include "money/Money.h"

namespace salvaro {

class TLohnGehalt;

struct Datum {
  int jahr = 0, monat = 0, tag = 0;
  std::string Text() const;  // the short date form, 07.12.2026
};

struct Meldung {
  enum class Art { Hinweis, Fehler, Information };
  enum class Fokus { Keiner, Beitragsgruppe, Geburtsjahr };
  Art art = Art::Hinweis;
  std::string text;
  int hilfeKontext = 0;  // a Help button with this context (0: none)
  Fokus fokus = Fokus::Keiner;
};

enum class Feld { Brutto, Netto };

// Enter in the gross or net field: the checks and the driving-field mark. Nothing to do for an
// empty field; a refusal carries its message.
struct Start {
  bool rechnen = false;
  std::optional<Meldung> meldung;
};
Start StarteMitEnter(Eingaben& e, Feld feld);
// The recalculation button beside a field only marks that field as the driving one.
void StarteMitKnopf(Eingaben& e, Feld feld);

// The deductions as the window's value labels show them, positive.
struct Abzugsbetraege {
  Money LSt, KiSt, SolZ, KV, RV, AV, PV;
};

struct Ergebnis {
  bool gerechnet = false;  // false: refused, the reason in meldungen
  // The value labels: deductions negated, "#,##0.00".
  std::string LSt, KiSt, SolZ, KV, RV, AV, PV;
  std::string GesAbz;  // total of the statutory deductions, plain form
  // The amounts behind the labels (deductions positive) and the total, for callers that write
  // them as numbers.
  struct : Abzugsbetraege {
    Money GesAbz;
  } abzug;
  Money brutto, netto;  // the gross calculated with and its net
  int schritte = 0;     // calculations made
  bool ungeloest = false;  // the net-to-gross search ended without an exact net: the closest shown
  Satzanzeige saetze;
  // The one-time payment, the severance and the employer's side of the month (all 0 without a
  // payment, a severance and levy rates; the employer's amounts always).
  Einmalergebnis einmal;
  // The pay components of the month (empty without), the gross the wage tax was calculated on,
  // the amount paid out (the total net less the benefits in kind and the net deductions, plus
  // the tax-free and flat-taxed payments) and what a pension conversion costs in pay out.
  Bezugsergebnis bezuege;
  Money steuerbrutto, svbrutto;  // the grosses of the case (svbrutto: the pension base)
  Money auszahlung;
  Money nettoaufwandBAV;
  std::vector<std::string> abrechnung;  // the statement
  std::vector<Meldung> meldungen;       // to show after the results, in this order
  // After the retirement age: the contribution group that follows, which the window proposes
  // beside the results (not a message to confirm).
  std::optional<Beitragsgruppenvorschlag> vorschlag;
  Alterswerte alter;
};

// The calculation from the driving-field marks. The fields of e are updated as the window shows
// them afterwards; a field text that is not a number throws KonvertierungsFehler and ends the
// calculation where it was.
// Without mitAbrechnung the statement and the rates shown beside it are left out (a batch that
// writes neither).
Ergebnis Berechne(Eingaben& e, TLohnGehalt& fall, const Datum& heute, bool mitAbrechnung = true);

// Every input of the window into the payroll case, in the setters' order, then Berechne with the
// pay components of e (RechneMitBezuegen); returns their treatment.
Bezugsergebnis FuelleFall(TLohnGehalt& fall, const Eingaben& e);
// With the employer's flat tax of marginal employment (Eingaben::PauschsteuerAG) the employee's
// wage tax, surcharge and church tax of the computed case are 0; FuelleFall calls it.
void PauschalBesteuern(TLohnGehalt& fall, const Eingaben& e);
// The net pay of the amount x from the payroll case's results.
Money NettoFormel(const TLohnGehalt& fall, Money x);
// Total of the statutory deductions as the net formula subtracts them.
Money GesetzlicheAbzuege(const TLohnGehalt& fall);
// Health and care as the net formula subtracts them, each line of the total: a voluntary member
// pays the contribution less the employer's subsidy; a privately care-insured employee pays the
// premium outside the payroll, so that only a voluntary member's subsidy to it remains (paid
// out, negative).
Money KVAbzug(const TLohnGehalt& fall);
Money PVAbzug(const TLohnGehalt& fall);
// The deductions as the window's value labels show them, positive.
Abzugsbetraege AngezeigteAbzuege(const TLohnGehalt& fall);
// The statement of the last calculation; the lines of the payment, the severance and (with
// Eingaben::Arbeitgeberseite) the employer's side come from einmal, those of the pay components
// from r (its bezuege, auszahlung and nettoaufwandBAV).
std::vector<std::string> Detailabrechnung(Eingaben& e, const TLohnGehalt& fall,
                                          const Satzanzeige& saetze, const std::string& gesAbz,
                                          const Datum& heute, const Einmalergebnis& einmal = {},
                                          const Ergebnis* r = nullptr);
// A marginal employment whose base exceeds the limit of its period.
std::optional<Meldung> Geringfuegigkeitspruefung(const Eingaben& e, const TLohnGehalt& fall);

// The years the payroll case has values and wage-tax engines for.
int ErstesRechenjahr();
int LetztesRechenjahr();

}  // namespace salvaro
