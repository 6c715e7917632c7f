// The option parsers of "rechne" and "fall": one argument per line; any arguments give a result
// or a message, never a crash. A statement saved with --speichern goes into a temporary
// directory of this run, whatever path the input names, and is there when rechne says so.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Aufruf.h"
#include "cli/Fall.h"
#include "cli/Rechnen.h"

namespace {

const std::filesystem::path& ordner() {
  static const std::filesystem::path o = [] {
    std::string vorlage =
        (std::filesystem::temp_directory_path() / "fuzz-optionen-XXXXXX").string();
    if (!::mkdtemp(vorlage.data())) std::abort();
    std::atexit([] { std::filesystem::remove_all(ordner()); });
    return std::filesystem::path(vorlage);
  }();
  return o;
}

// A file name inside the directory: no separator, never "." or "..".
std::string imOrdner(std::string name) {
  if (name.empty()) return name;
  for (char& c : name)
    if (c == '/' || c == '\0') c = '_';
  return (ordner() / ("s" + name)).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge > 65536) return 0;
  std::vector<std::string> args;
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  bool speichern = false;
  for (std::string z; std::getline(ein, z);) {
    if (!args.empty() && args.back() == "--speichern") z = imOrdner(z);
    if (z.rfind("--speichern=", 0) == 0) z = "--speichern=" + imOrdner(z.substr(12));
    speichern = speichern || z.rfind("--speichern", 0) == 0;
    args.push_back(z);
  }
  std::ostringstream aus, fehler;
  if (!args.empty() && args[0] == "fall") {
    args.erase(args.begin());
    salvaro::FallBefehl(args, aus, fehler);
    return 0;
  }
  const int code = salvaro::RechneBefehl(args, aus, fehler, {2026, 12, 7});
  if (code < salvaro::kErfolg || code > salvaro::kNichtGeschrieben) std::abort();
  if (speichern) {
    const bool gespeichert = !std::filesystem::is_empty(ordner());
    if ((code == salvaro::kErfolg || code == salvaro::kUngeloest) && !salvaro::WillHilfe(args) &&
        !gespeichert)
      std::abort();
    for (const auto& e : std::filesystem::directory_iterator(ordner()))
      std::filesystem::remove_all(e.path());
  }
  return 0;
}
