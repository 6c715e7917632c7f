// The settings file: read any bytes, set a key, write, read again. The value written is read
// back and every other line survives in its order.
#include <cstdint>
#include <cstdlib>
#include <map>
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
  // Every old line is still there, except the one line that took the new value.
  const std::vector<std::string> a = zeilen(alt), n = zeilen(neu);
  std::map<std::string, long> zaehler;
  for (const std::string& z : n) ++zaehler[z];
  int fehlend = 0;
  for (const std::string& z : a)
    if (--zaehler[z] < 0) ++fehlend;
  if (fehlend > 1) std::abort();
  salvaro::SpeichereEinstellungen(d, e);
  return 0;
}
