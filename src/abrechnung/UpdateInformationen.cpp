#include "abrechnung/UpdateInformationen.h"

#include <optional>

namespace salvaro {

namespace {
constexpr std::string_view kSchluessel = "Salvaro";
constexpr std::size_t kMaxZeilen = 255;
constexpr std::size_t kMaxVersion = 32;

// The one character between key and version: a blank, a tab or an ASCII punctuation mark.
bool istTrenner(char c) {
  return c == ' ' || c == '\t' ||
         (c != '.' && ((c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
                       (c >= '{' && c <= '~')));
}

// Digits in groups separated by single points: "1.0.5.3".
bool istVersion(std::string_view v) {
  if (v.empty() || v.size() > kMaxVersion || v.front() == '.' || v.back() == '.') return false;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] == '.' && v[i - 1] != '.') continue;
    if (v[i] < '0' || v[i] > '9') return false;
  }
  return true;
}
}  // namespace

std::string UpdateAuswertung::Meldung() const {
  switch (art) {
    case Art::Fehler: return "Fehler beim Prüfen der Update-Informationen";
    case Art::KeinEintrag: return "Die Update-Informationen enthalten keinen Eintrag für Salvaro";
    case Art::Unvollstaendig: return "Die Update-Informationen sind unvollständig";
    case Art::Aktuell: return "Aktuell ist kein Update verfügbar";
    case Art::Update: return "Im Internet liegt ein Update auf Version " + version + " vor";
  }
  return {};
}

UpdateAuswertung WerteUpdateInformationenAus(std::string_view inhalt,
                                            std::string_view eigeneVersion) {
  UpdateAuswertung a;
  if (inhalt.empty()) return a;
  std::optional<std::string_view> treffer;
  bool unvollstaendig = false;  // a line of the key without a version
  std::size_t start = 0;
  for (std::size_t nummer = 1; start < inhalt.size() && nummer <= kMaxZeilen; ++nummer) {
    std::size_t ende = inhalt.find('\n', start);
    if (ende == std::string_view::npos) ende = inhalt.size();
    std::string_view zeile = inhalt.substr(start, ende - start);
    start = ende + 1;
    while (!zeile.empty() && (zeile.back() == '\r' || zeile.back() == ' ' || zeile.back() == '\t'))
      zeile.remove_suffix(1);
    // The key, its separator and the version; "SalvaroPro 2.0" is another program's line.
    if (nummer == 1 || zeile.substr(0, kSchluessel.size()) != kSchluessel ||
        zeile.size() == kSchluessel.size() || !istTrenner(zeile[kSchluessel.size()]))
      continue;
    const std::string_view version = zeile.substr(kSchluessel.size() + 1);
    if (istVersion(version))
      treffer = version;
    else
      unvollstaendig = true;
  }
  if (!treffer) {
    a.art = unvollstaendig ? UpdateAuswertung::Art::Unvollstaendig : UpdateAuswertung::Art::KeinEintrag;
    return a;
  }
  a.version = std::string(*treffer);
  a.art = a.version == eigeneVersion ? UpdateAuswertung::Art::Aktuell : UpdateAuswertung::Art::Update;
  return a;
}

}  // namespace salvaro
