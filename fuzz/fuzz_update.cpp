// The update information: any answer of the server gives one of the four readings.
#include <cstdint>
#include <string_view>

#include "abrechnung/UpdateInformationen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const auto a = salvaro::WerteUpdateInformationenAus(
      std::string_view(reinterpret_cast<const char*>(daten), laenge), "1.0.5.2");
  (void)a.Meldung();
  return 0;
}
