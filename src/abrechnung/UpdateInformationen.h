// The update check's reading of the update-information file: one entry per line, the line of
// this program starts with the key "Salvaro", one separator (a blank, a tab or a punctuation
// mark) and the version offered: digits and points, at most 32 characters.
#pragma once

#include <string>
#include <string_view>

namespace salvaro {

struct UpdateAuswertung {
  enum class Art { Fehler, KeinEintrag, Aktuell, Update, Unvollstaendig };
  Art art = Art::Fehler;
  std::string version;  // the version offered
  std::string Meldung() const;
};

// An empty file is an error; the first line is never examined; of the following lines (up to the
// 255th) the last that starts with the key, its separator and a version counts. Any version other
// than our own is an update. A line with the key and something else than a version after it (and
// no line with one) makes the file incomplete; a file without a line that starts with the key (a
// web page that merely names the program) has no entry.
UpdateAuswertung WerteUpdateInformationenAus(std::string_view inhalt,
                                            std::string_view eigeneVersion);

}  // namespace salvaro
