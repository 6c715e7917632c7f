// The rules behind the main window's reactions to its inputs: which displays a year, a tax class
// or a child allowance calls for, the year "Neue Abrechnung" shows, and the window's own
// messages. The window only shows what these decide.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "abrechnung/Berechnung.h"

namespace salvaro {

// The window's own messages (the calculation's come with its result).
inline constexpr std::string_view kHilfedateiNichtGefunden = "Hilfedatei nicht gefunden";
inline constexpr std::string_view kHilfedateiNichtVorhanden = "Hilfedatei nicht vorhanden";
inline constexpr std::string_view kHilfeNichtGeoeffnet =
    "Die Hilfedatei kann nicht geöffnet werden";
inline constexpr std::string_view kNichtsZuSpeichern = "Es gibt noch nichts zu speichern!";
inline constexpr std::string_view kEinstellungenGespeichert = "Die Einstellungen wurden gespeichert";
inline constexpr std::string_view kEinstellungenNichtLesbar =
    "Die Einstellungsdatei kann nicht gelesen werden; sie bleibt unverändert:";

// The year in the year box when the program can calculate it; nothing for any other text, such
// as a year still being typed.
std::optional<int> RechenjahrAusText(std::string_view text);

// A contribution group the payroll case takes: exactly four digits.
bool BeitragsgruppeGueltig(std::string_view bgr);
// The group as it stands once the field is left: "0" is short for "0000".
std::string BeitragsgruppeVervollstaendigt(std::string_view bgr);
// Marginal employment with pension insurance: this group and the waiver of the pension
// exemption go together.
inline constexpr std::string_view kBGRMitRVVerzicht = "6100";

// The bounds of the window's numeric fields: their decimals, lowest and highest value.
struct Zahlfeldgrenzen {
  int kommastellen;
  int min, max;
};
inline constexpr Zahlfeldgrenzen kGrenzenBetrag{2, 0, 1000000};  // gross, net, special gross
inline constexpr Zahlfeldgrenzen kGrenzenSteuerklasse{0, 1, 6};
inline constexpr Zahlfeldgrenzen kGrenzenFaktor{3, 0, 1};
inline constexpr Zahlfeldgrenzen kGrenzenKinderfreibetrag{1, 0, 20};
inline constexpr Zahlfeldgrenzen kGrenzenSteuerfreibetrag{2, -1000000, 1000000};
inline constexpr Zahlfeldgrenzen kGrenzenPKV{2, 0, 9999};
inline constexpr Zahlfeldgrenzen kGrenzenPPV{2, 0, 1000000};
inline constexpr Zahlfeldgrenzen kGrenzenKinderUnter25{0, 0, 9};
// The regular gross of the earlier months of a year, a severance, and the employer's levy rates
// (percent).
inline constexpr Zahlfeldgrenzen kGrenzenJahresbruttoBisher{2, 0, 12000000};
inline constexpr Zahlfeldgrenzen kGrenzenAbfindung{2, 0, 10000000};
inline constexpr Zahlfeldgrenzen kGrenzenUmlagesatz{2, 0, 10};
// A field's text, or an option's value on the command line, read by the one rule for number
// texts (LiesImBereich) within the field's decimals and bounds.
Money LiesZahlfeld(std::string_view text, Zahlfeldgrenzen grenzen);
// Whether a numeric field holds the text as it stands: a number as the calculation reads it,
// within the bounds and with no more decimals than the field has. An empty text counts as held.
bool ZahlfeldHaelt(std::string_view text, Zahlfeldgrenzen grenzen);

// The tax class as the calculation takes it: its field accepts any digit, so a class above 6 is
// class 6 and a class 0 is class 1. Any other text is left for the calculation to judge.
std::string SteuerklasseBegrenzt(std::string_view stkl);
// The factor of tax class IV exists from 2010.
bool FaktorSichtbar(int jahr, std::string_view stkl);
// No child allowance: the field holds "", "0" or "0,0".
bool OhneKinderfreibetrag(std::string_view kifb);
// The childless surcharge of care insurance applies from 2005, unless it is switched off or the
// employee is privately care-insured.
bool PVKinderSichtbar(int jahr, bool nichtErhoeht, bool privatePflege);

// The month preset at start-up: today's, or January while the newest year the program can
// calculate still lies ahead.
int StartMonat(const Datum& heute);
// The year "Neue Abrechnung" shows: the calendar year when the program can calculate it,
// otherwise the nearest year it can.
int NeuesRechenjahr(int kalenderjahr);
// The period of a calculation that names none (the command line): today's month, or the nearest
// month the program can calculate when today lies outside them (December of its last year).
struct Zeitraum {
  int jahr, monat;
};
Zeitraum Vorgabezeitraum(const Datum& heute);

}  // namespace salvaro
