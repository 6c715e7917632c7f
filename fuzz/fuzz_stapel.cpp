// "salvaro-cli stapel": any CSV is calculated row by row; a bad row gets its message.
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/Rechnen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge > 1024) return 0;  // a few rows are enough; each may search up to 200 times
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  std::ostringstream aus, fehler;
  salvaro::Stapel(ein, aus, fehler, {2026, 12, 7}, false);
  return 0;
}
