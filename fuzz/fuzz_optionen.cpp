// The option parsers of "rechne" and "fall": one argument per line; any arguments give a result
// or a message, never a crash.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Fall.h"
#include "cli/Rechnen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge > 1024) return 0;
  std::vector<std::string> args;
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  // Saving the statement would write files wherever a mutated path points: "--speichern" is
  // fuzzed as "--json", which goes through the same parsing.
  for (std::string z; std::getline(ein, z);)
    args.push_back(z.rfind("--speichern", 0) == 0 ? "--json" : z);
  std::ostringstream aus, fehler;
  if (!args.empty() && args[0] == "fall") {
    args.erase(args.begin());
    salvaro::FallBefehl(args, aus, fehler);
  } else {
    salvaro::RechneBefehl(args, aus, fehler, {2026, 12, 7});
  }
  return 0;
}
