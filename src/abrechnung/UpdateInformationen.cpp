#include "abrechnung/UpdateInformationen.h"

#include <optional>

namespace salvaro {

namespace {
constexpr std::string_view kSchluessel = "Salvaro";
constexpr std::size_t kMaxZeilen = 255;
}  // namespace

std::string UpdateAuswertung::Meldung() const {
  switch (art) {
    case Art::Fehler: return "Fehler beim Prüfen der Update-Informationen";
    case Art::KeinEintrag: return "Die Update-Informationen enthalten keinen Eintrag für Salvaro";
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
  std::size_t start = 0;
  for (std::size_t nummer = 1; start < inhalt.size() && nummer <= kMaxZeilen; ++nummer) {
    std::size_t ende = inhalt.find('\n', start);
    if (ende == std::string_view::npos) ende = inhalt.size();
    std::string_view zeile = inhalt.substr(start, ende - start);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    if (nummer > 1 && zeile.find(kSchluessel) != std::string_view::npos) treffer = zeile;
    start = ende + 1;
  }
  if (!treffer) {
    a.art = UpdateAuswertung::Art::KeinEintrag;
    return a;
  }
  // The key and its separator come first; the rest is the version.
  a.version = std::string(treffer->size() > kSchluessel.size() ? treffer->substr(kSchluessel.size() + 1)
                                                                : std::string_view());
  if (a.version.empty())
    a.art = UpdateAuswertung::Art::KeinEintrag;
  else
    a.art = a.version == eigeneVersion ? UpdateAuswertung::Art::Aktuell : UpdateAuswertung::Art::Update;
  return a;
}

}  // namespace salvaro
