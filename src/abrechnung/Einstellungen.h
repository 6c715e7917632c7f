// The user's personal defaults in the settings file "SalvaroOpt.ini": the year of birth, the tax
// data, the contribution group, private insurance and the social-insurance switches. Amounts of a
// case, the period, the tax table and the health rate are not kept.
#pragma once

#include <string>

#include "abrechnung/Datei.h"
#include "abrechnung/Eingaben.h"
#include "abrechnung/IniDatei.h"

namespace salvaro {

inline constexpr const char* kEinstellungsdatei = "SalvaroOpt.ini";

// Puts every stored value into the inputs, in the order of the file's tables; a missing key gives
// its default. Texts go in as they stand (the window's fields and checks judge them later).
void LadeEinstellungen(const IniDatei& datei, Eingaben& e);
// Writes every key in the tables' order into the file, keeping its other lines.
void SpeichereEinstellungen(IniDatei& datei, const Eingaben& e);

// Where the file lives: beside the program when that directory can be written, else in the
// user's configuration directory ($XDG_CONFIG_HOME/Salvaro or ~/.config/Salvaro). For loading,
// the file beside the program wins when it exists.
std::string EinstellungsdateiZumLesen(const std::string& programmVerzeichnis);
std::string EinstellungsdateiZumSchreiben(const std::string& programmVerzeichnis);

// Reads the file; nothing when it does not exist or cannot be read.
std::optional<IniDatei> LiesEinstellungsdatei(const std::string& pfad);
// Writes the file through a temporary file and a rename (creating its directory); "" on success,
// otherwise the German error message.
std::string SchreibeEinstellungsdatei(const std::string& pfad, const IniDatei& datei,
                                      Schreibschutz schutz = Schreibschutz::Verweigern);

}  // namespace salvaro
