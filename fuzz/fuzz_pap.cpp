// "salvaro-cli pap": any CSV either gives a row per input row or a message naming the line. The
// engine keeps nothing from one row to the next: the same input gives the same output twice, and
// each row alone gives the line it gave among the others.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/Pap.h"

namespace {

// The output, or the message of the malformed row.
std::string lauf(const std::string& eingabe, const char* engine) {
  std::istringstream ein(eingabe);
  std::ostringstream aus;
  try {
    salvaro::Pap(ein, aus, engine);
  } catch (const salvaro::PapFehler& f) {
    return std::string("Fehler: ") + f.what();
  }
  return aus.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  const std::string eingabe(reinterpret_cast<const char*>(daten), laenge);
  const char* engine = laenge % 2 ? "OruSteuern2023" : "OruSteuern2006";
  const std::string aus = lauf(eingabe, engine);
  if (lauf(eingabe, engine) != aus) std::abort();
  if (aus.rfind("Fehler: ", 0) == 0) return 0;
  // Row by row, as far as the input lines and the output lines pair up (no blank lines).
  std::istringstream ein(eingabe), ergebnis(aus);
  std::string kopf, ausKopf, zeile, ausZeile;
  std::getline(ein, kopf);
  std::getline(ergebnis, ausKopf);
  for (int n = 0; n < 16 && std::getline(ein, zeile); ++n) {
    // A line of only line ends ("\r\r") is blank too.
    if (zeile.find_first_not_of('\r') == std::string::npos || !std::getline(ergebnis, ausZeile))
      return 0;
    if (lauf(kopf + "\n" + zeile + "\n", engine) != ausKopf + "\n" + ausZeile + "\n") std::abort();
  }
  return 0;
}
