// The update check's reading of the update-information file: one entry per line, the line of
// this program starts with the key "Salvaro", a separator and the version offered.
#pragma once

#include <string>
#include <string_view>

namespace salvaro {

struct UpdateAuswertung {
  enum class Art { Fehler, KeinEintrag, Aktuell, Update };
  Art art = Art::Fehler;
  std::string version;  // the version offered
  std::string Meldung() const;
};

// An empty file is an error; the first line is never examined; of the following lines (up to the
// 255th) the last that contains the key counts. Any version other than our own is an update.
UpdateAuswertung WerteUpdateInformationenAus(std::string_view inhalt,
                                            std::string_view eigeneVersion);

}  // namespace salvaro
