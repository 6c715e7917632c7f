// Which options each subcommand of salvaro-cli takes, and the splitting of its arguments by that
// list: an option a subcommand does not use is refused, never taken silently.
//
// The options of rechne (RechneOptionen) are also those of stapel's columns and of the views
// jahr, verlauf and steuerklassen; a view refuses the ones it does not use, as the table
// kUngenutzt in Optionen.cpp names them with the reason. A new option of rechne is thus taken by
// every view unless a row of that table says otherwise.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace salvaro {

// What the arguments of one subcommand are: options as pairs of name (without "--") and value
// (a switch's value is empty), and the arguments that are no option, in their order.
struct Aufrufteile {
  std::vector<std::pair<std::string, std::string>> optionen;
  std::vector<std::string> argumente;
};

// Splits "--name wert", "--name=wert" and, for switches, "--name", of the subcommand ("rechne",
// "stapel", "jahr", "verlauf", "steuerklassen", "pap", "beispiel"). Throws OptionsFehler: for a
// name the subcommand does not take ("unbekannte Option --x", or for an option of rechne that a
// view does not use "--x gibt es hier nicht: <reason>"), a missing value ("--x braucht einen
// Wert"), and more than hoechstensArgumente arguments that are no option.
Aufrufteile TeileAufruf(const std::vector<std::string>& args, std::string_view befehl,
                        std::size_t hoechstensArgumente = 0);

// Why the view leaves the option of rechne (name without "--") unused; nothing when it uses it.
std::optional<std::string_view> UngenutztIn(std::string_view befehl, std::string_view option);
// The options of rechne the view leaves unused, each with "--", in the order of rechne.
std::vector<std::string> UngenutzteOptionen(std::string_view befehl);

// A file name given to an option: refused (OptionsFehler) when it is empty or names only a
// directory ("ausgabe/", "/", ".."), where a save would write a hidden file such as "/.txt".
void PruefeDateiname(std::string_view option, std::string_view pfad);

}  // namespace salvaro
