// German number texts: whatever a field holds, reading it either fails with the conversion error
// or gives an amount whose own texts read back to the same amount.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "abrechnung/Zahlentext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const std::string_view text(reinterpret_cast<const char*>(daten), laenge);
  salvaro::Money m;
  try {
    m = salvaro::LiesFeld(text);
  } catch (const salvaro::KonvertierungsFehler&) {
    return 0;
  }
  if (salvaro::LiesFeld(salvaro::SchlichterText(m)) != m) std::abort();
  if (salvaro::LiesFeld(salvaro::ZweiNachkommastellen(salvaro::SchlichterText(m))) != m) std::abort();
  for (int stellen = 0; stellen <= 4; ++stellen) {
    const std::string bild = salvaro::FormatBild(m, stellen, true);
    if (stellen == 4 && salvaro::LiesBetrag(salvaro::OhneTausenderPunkt(bild, 10)) != m) std::abort();
  }
  return 0;
}
