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

// A directory for one input that saves, made on first use and removed when the input is done
// (libFuzzer may end without atexit).
class Ordner {
 public:
  Ordner() = default;
  ~Ordner() {
    if (!pfad_.empty()) std::filesystem::remove_all(pfad_);
  }
  Ordner(const Ordner&) = delete;
  Ordner& operator=(const Ordner&) = delete;
  bool leer() const { return pfad_.empty() || std::filesystem::is_empty(pfad_); }
  // A file name inside it: no separator, never "." or "..".
  std::string darin(std::string name) {
    if (name.empty()) return name;
    if (pfad_.empty()) {
      std::string vorlage =
          (std::filesystem::temp_directory_path() / "fuzz-optionen-XXXXXX").string();
      if (!::mkdtemp(vorlage.data())) std::abort();
      pfad_ = vorlage;
    }
    for (char& c : name)
      if (c == '/' || c == '\0') c = '_';
    return (pfad_ / ("s" + name)).string();
  }

 private:
  std::filesystem::path pfad_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge > 65536) return 0;
  std::vector<std::string> args;
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  bool speichern = false;
  Ordner ordner;
  for (std::string z; std::getline(ein, z);) {
    if (!args.empty() && args.back() == "--speichern") z = ordner.darin(z);
    if (z.rfind("--speichern=", 0) == 0) z = "--speichern=" + ordner.darin(z.substr(12));
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
  if (speichern && (code == salvaro::kErfolg || code == salvaro::kUngeloest) &&
      !salvaro::WillHilfe(args) && ordner.leer())
    std::abort();
  return 0;
}
