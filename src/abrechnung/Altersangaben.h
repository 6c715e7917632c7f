// The window's inputs of age and pension payments: the month of birth, a pension paid with the pay
// or alone and the Aktivrente's switches. Their checks, how they fill the payroll case, the
// contribution group proposed after the retirement age, the expected annual wage of a one-time
// payment under these rules, and their lines of the statement. The rules themselves live in
// src/alter and the payroll case.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "abrechnung/Eingaben.h"
#include "alter/Regelaltersgrenze.h"
#include "money/Money.h"

namespace salvaro {

class TLohnGehalt;

// The month of birth: "3", "03" or a month name; 0 for an empty text, nullopt for anything else.
std::optional<int> GebMonatAus(const std::string& text);
// The year a pension began, with its month where given: "2023", "2023-03", "03/2023" or
// "03.2023" (month 0 without one); nullopt for anything else.
std::optional<Kalendermonat> VersorgungsbeginnAus(const std::string& text);
// "März 2025"; a month 0 gives the year alone.
std::string MonatText(Kalendermonat m);

// The German message for inputs of age and pension that cannot be calculated (a month of birth
// or a beginning that cannot be read, a beginning missing or after the calculation month, a
// pension that is no amount); nothing when they can.
std::optional<std::string> PruefeAltersangaben(const Eingaben& e, int jahr, int monat);

// Puts the month of birth, the pension and the Aktivrente's switch into the payroll case; call
// after the other setters (the inputs are checked).
void FuelleAltersangaben(TLohnGehalt& fall, const Eingaben& e);

// After the retirement age: the contribution group that follows, when it differs from the one
// calculated with, and a short message that proposes it.
struct Beitragsgruppenvorschlag {
  std::string bgr;
  std::string text;
};
std::optional<Beitragsgruppenvorschlag> VorschlagNachAltersgrenze(const TLohnGehalt& fall);

// The expected annual wage of a one-time payment and the pension payments in it: the regular pay
// (jre4: the earlier months' gross, bisher, plus the rest of the year at this month's) less the
// Aktivrente's free parts (the earlier months after the retirement age free like this one, at
// most their average pay), plus the pension of the months it is paid in the year.
struct JahreswerteEinmalzahlung {
  Money JRE4, JVBEZ;
};
JahreswerteEinmalzahlung JahreswerteMitAlter(const TLohnGehalt& fall, Money jre4, Money bisher);

// The lines of the statement: the pension below the gross, its contributions below the care
// insurance, and the rules of age among the bases after the year of birth.
void ZeilenVersorgungsbezug(std::vector<std::string>& links, const TLohnGehalt& f);
void ZeilenVersorgungsbeitraege(std::vector<std::string>& links, const TLohnGehalt& f);
// aktivrenteEinmal: the free part of the month's one-time payment.
void ZeilenAlter(std::vector<std::string>& rechts, const Eingaben& e, const TLohnGehalt& f,
                 Money aktivrenteEinmal);

// The Aktivrente's state: the amount it frees ("2.000,00 € steuerfrei"), or why it frees none.
std::string AktivrenteZustand(const TLohnGehalt& f, Money aktivrenteEinmal);

// The results of age and pension payments of a calculation, for the command line's JSON and the
// columns of a batch.
struct Alterswerte {
  std::string regelaltersgrenze;  // "März 2025"; empty without a year of birth
  Money aktivrente;               // the free part of the regular pay
  Money aktivrenteEinmal;         // of the one-time payment
  Money versorgungsfreibetrag, zuschlagVersorgungsfreibetrag;  // of the year
  Money kvVersorgung, pvVersorgung;
  std::string aktivrenteZustand;  // AktivrenteZustand
};
Alterswerte AlterswerteVon(const TLohnGehalt& f, Money aktivrenteEinmal);

}  // namespace salvaro
