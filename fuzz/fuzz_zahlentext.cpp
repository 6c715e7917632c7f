// German number texts: whatever a field holds, reading it either fails with the conversion error
// or gives an amount whose own texts read back to the same amount.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "abrechnung/Zahlentext.h"

namespace {

// An amount as the command line reads it: what it accepts formats, with thousands points or
// without, to a text it reads back as the same amount.
void befehlszeile(std::string_view text) {
  for (const int stellen : {2, 3}) {
    salvaro::Money m;
    try {
      m = salvaro::LiesZahlentext(text, stellen);
    } catch (const salvaro::KonvertierungsFehler&) {
      continue;
    }
    for (const bool gruppiert : {true, false}) {
      std::string bild = salvaro::FormatBild(m, stellen, gruppiert);
      if (salvaro::LiesZahlentext(bild, stellen) != m) std::abort();
      // With two decimals a decimal point is never taken for a thousands point.
      if (!gruppiert && stellen == 2) {
        bild[bild.find(',')] = '.';
        if (salvaro::LiesZahlentext(bild, stellen) != m) std::abort();
      }
    }
  }
}

// The window's fields and the options with their bounds: an amount within them, or refused.
void imBereich(std::string_view text) {
  const salvaro::Money min = -salvaro::Money::euro(1000000), max = salvaro::Money::euro(1000000);
  try {
    const salvaro::Money m = salvaro::LiesImBereich(text, 2, min, max);
    if (m < min || m > max || salvaro::LiesZahlentext(text, 2) != m) std::abort();
  } catch (const salvaro::KonvertierungsFehler&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const std::string_view text(reinterpret_cast<const char*>(daten), laenge);
  befehlszeile(text);
  imBereich(text);
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
