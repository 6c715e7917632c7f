// salvaro-cli: the command-line calculator. Subcommands rechne, stapel, jahr, verlauf,
// steuerklassen, fall, pap, beispiel;
// "salvaro-cli --help" lists them, "salvaro-cli BEFEHL --help" explains one.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "abrechnung/Beispiel.h"
#include "abrechnung/Datei.h"
#include "cli/Ansichten.h"
#include "cli/Aufruf.h"
#include "cli/Fall.h"
#include "cli/Optionen.h"
#include "cli/Pap.h"
#include "cli/Rechnen.h"

namespace {

salvaro::Datum heute() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm lokal{};
  localtime_r(&t, &lokal);
  return {lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday};
}

int befehl(const std::string& name, const std::vector<std::string>& args, std::ostream& aus) {
  using namespace salvaro;
  if (name == "pap") return PapBefehl(args, std::cin, aus, std::cerr);
  if (name == "beispiel") {
    if (WillHilfe(args)) {
      BefehlsHilfe(aus, "beispiel");
      return kErfolg;
    }
    try {
      TeileAufruf(args, "beispiel");
    } catch (const OptionsFehler& f) {
      std::cerr << "salvaro-cli beispiel: " << f.what() << '\n';
      return kFalscheEingabe;
    }
    Beispielrechnung(aus);
    return kErfolg;
  }
  if (name == "fall") return FallBefehl(args, aus, std::cerr);
  if (name == "rechne") return RechneBefehl(args, aus, std::cerr, heute());
  if (name == "stapel") return StapelBefehl(args, aus, std::cerr, heute(), ::isatty(2) == 1);
  if (name == "jahr") return JahrBefehl(args, aus, std::cerr, heute());
  if (name == "verlauf") return VerlaufBefehl(args, aus, std::cerr, heute());
  if (name == "steuerklassen") return SteuerklassenBefehl(args, aus, std::cerr, heute());
  if (name.size() > 1 && name[0] == '-')
    std::cerr << "salvaro-cli: unbekannte Option " << name << '\n';
  else
    std::cerr << "salvaro-cli: unbekannter Befehl '" << name << "'\n";
  Hilfe(std::cerr);
  return kFalscheEingabe;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace salvaro;
  // A closed standard descriptor is taken by /dev/null, so that no file opened later (a
  // statement being saved) gets its number and receives what was meant for the output.
  bool geschlossen[3] = {};
  for (int fd = 0; fd < 3; ++fd) {
    geschlossen[fd] = ::fcntl(fd, F_GETFD) == -1;
    if (geschlossen[fd]) ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
  }
  // Standard output goes through a buffer of ours, so that a full disk or a closed output is
  // noticed with its reason instead of being lost at exit.
  DateiPuffer ausgabe(geschlossen[STDOUT_FILENO] ? -1 : STDOUT_FILENO);
  // An output FIFO whose reader starts later is waited for, as the shell's "> fifo" does.
  WarteAufFifoLeser(true);
  std::ostream aus(&ausgabe);
  std::vector<std::string> args(argv + 1, argv + argc);
  int code = kErfolg;
  if (args.empty()) {
    Hilfe(std::cerr);
    return kFalscheEingabe;
  }
  const std::string name = args[0];
  args.erase(args.begin());
  if (name == "--help" || name == "-h") {
    Hilfe(aus);
  } else if (name == "--version" || name == "-V") {
    aus << VersionsText() << '\n';
  } else {
    try {
      code = befehl(name, args, aus);
    } catch (const std::exception& e) {
      std::cerr << "salvaro-cli " << name << ": " << e.what() << '\n';
      code = kFalscheEingabe;
    }
  }
  aus.flush();
  int fehler = ausgabe.Fehlernummer();
  if (fehler == 0 && !aus) fehler = EIO;
  if (!geschlossen[STDOUT_FILENO] && ::close(STDOUT_FILENO) != 0 && fehler == 0) fehler = errno;
  if (fehler != 0) {
    std::cerr << "salvaro-cli: die Ausgabe kann nicht geschrieben werden: " << DateiGrund(fehler)
              << '\n';
    return kNichtGeschrieben;
  }
  return code;
}
