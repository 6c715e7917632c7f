// "salvaro-cli pap": any CSV either gives a row per input row or a message naming the line.
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/Pap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  std::ostringstream aus;
  try {
    salvaro::Pap(ein, aus, laenge % 2 ? "OruSteuern2023" : "OruSteuern2006");
  } catch (const salvaro::PapFehler&) {
  }
  return 0;
}
