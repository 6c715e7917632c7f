// The update information: any answer of the server gives one of its readings, and a version
// shown to the user is only digits and points, at most 32 of them, never text of the answer.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "abrechnung/UpdateInformationen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const auto a = salvaro::WerteUpdateInformationenAus(
      std::string_view(reinterpret_cast<const char*>(daten), laenge), "1.0.5.2");
  (void)a.Meldung();
  using Art = salvaro::UpdateAuswertung::Art;
  if ((a.art == Art::Update || a.art == Art::Aktuell) &&
      (a.version.empty() || a.version.size() > 32 ||
       a.version.find_first_not_of("0123456789.") != std::string::npos))
    std::abort();
  if (a.art != Art::Update && a.art != Art::Aktuell && !a.version.empty()) std::abort();
  return 0;
}
