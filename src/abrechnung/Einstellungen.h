// The user's personal defaults in the settings file "SalvaroOpt.ini": the year of birth, the tax
// data, the contribution group, private insurance and the social-insurance switches. Amounts of a
// case, the period, the tax table and the health rate are not kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "abrechnung/Datei.h"
#include "abrechnung/Eingaben.h"
#include "abrechnung/IniDatei.h"

namespace salvaro {

inline constexpr const char* kEinstellungsdatei = "SalvaroOpt.ini";

// What loading found: the keys whose stored value could not be read, in the order of the file's
// tables, and whether the file holds an additional health rate of the user's own.
struct GeladeneEinstellungen {
  std::vector<std::string> ersetzt;
  bool kvZusGespeichert = false;
};

// Puts every stored value into the inputs, in the order of the file's tables. A missing key
// gives its default; so does a value its field would not hold as it stands (letters in an amount,
// a state not in the list, a tax class outside 1 to 6, a group that is not four digits, a rate
// that does not fit the mask), and its key is named in ersetzt. A missing or unreadable
// additional health rate is the default of the year in e.Jahr, as at a fresh start.
GeladeneEinstellungen LadeEinstellungen(const IniDatei& datei, Eingaben& e);
// The message after loading that names the replaced keys; nothing when every value was read.
std::optional<std::string> ErsetzteEinstellungenMeldung(const GeladeneEinstellungen& geladen);
// Writes every key in the tables' order into the file, keeping its other lines.
void SpeichereEinstellungen(IniDatei& datei, const Eingaben& e);

// Where the file lives: beside the program when it was started from a folder of the user's own
// (owned by the user, writable, and no folder of the system such as /usr/bin or /opt, also for
// root), else in the user's configuration directory ($XDG_CONFIG_HOME/Salvaro or
// ~/.config/Salvaro). Loading reads the file where it is written, or, while there is none, the
// one at the other place (kept there by an earlier version).
bool EinstellungenBeimProgramm(const std::string& programmVerzeichnis);
std::string EinstellungsdateiZumLesen(const std::string& programmVerzeichnis);
std::string EinstellungsdateiZumSchreiben(const std::string& programmVerzeichnis);

// Reads the file; nothing when it does not exist or cannot be read.
std::optional<IniDatei> LiesEinstellungsdatei(const std::string& pfad);
// Writes the file through a temporary file and a rename (creating its directory); "" on success,
// otherwise the German error message.
std::string SchreibeEinstellungsdatei(const std::string& pfad, const IniDatei& datei,
                                      Schreibschutz schutz = Schreibschutz::Verweigern);

}  // namespace salvaro
