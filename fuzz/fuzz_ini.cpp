// The settings file: read any bytes, set a key, write, read again. The value written is read
// back and every other line survives in its order.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "abrechnung/Einstellungen.h"
#include "abrechnung/IniDatei.h"

namespace {
std::vector<std::string> zeilen(const std::string& bytes) {
  std::vector<std::string> z;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t ende = bytes.find('\n', start);
    if (ende == std::string::npos) ende = bytes.size();
    std::string zeile = bytes.substr(start, ende - start);
    if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    z.push_back(zeile);
    start = ende + 1;
  }
  return z;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const std::string alt(reinterpret_cast<const char*>(daten), laenge);
  salvaro::IniDatei d(alt);
  salvaro::Eingaben e;
  salvaro::LadeEinstellungen(d, e);
  const std::string wert = "Wert \xC3\xA4 1";  // with an umlaut in UTF-8
  d.Schreibe("Steuer", "Geburtsjahr", wert);
  const std::string neu = d.Bytes();
  const salvaro::IniDatei wieder(neu);
  if (wieder.Lies("Steuer", "Geburtsjahr") != wert) std::abort();
  // Every old line is still there, in order, except the one line that took the new value.
  const std::vector<std::string> a = zeilen(alt), n = zeilen(neu);
  std::size_t j = 0, ersetzt = 0;
  for (const std::string& z : a) {
    while (j < n.size() && n[j] != z) {
      ++j;
    }
    if (j == n.size()) {
      if (++ersetzt > 1) std::abort();
      j = 0;  // the replaced line: continue matching from the start of the rest
      continue;
    }
    ++j;
  }
  salvaro::SpeichereEinstellungen(d, e);
  return 0;
}
