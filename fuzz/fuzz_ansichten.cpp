// "salvaro-cli jahr", "verlauf" and "steuerklassen" with any options: the first line names the
// view, each further line is one argument. Any arguments give a result or a message, never a
// crash, and a result keeps its invariants:
// - jahr: the sums are the sums of the months, each month's net is its gross and payment less
//   its deductions, and the month of the inputs is what rechne gives for them;
// - verlauf: a point's net is what rechne gives for its gross with the same options;
// - steuerklassen: each choice's joint net is the sum of both, the best is the highest possible
//   one, a factor lies between 0 and 1, and IV/IV is what rechne gives each spouse in class IV.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "abrechnung/Eingaben.h"
#include "abrechnung/Zahlentext.h"
#include "cli/Ansichten.h"
#include "cli/Aufruf.h"
#include "cli/Rechnen.h"

namespace {

using salvaro::Money;
using Args = std::vector<std::string>;

const salvaro::Datum kHeute{2026, 12, 7};

Money cent(const nlohmann::json& wert) {
  return Money::cent(std::llround(wert.get<double>() * 100));
}

void pruefe(bool gilt) {
  if (!gilt) std::abort();
}

// rechne --json with the arguments; nothing when it refuses them.
std::optional<nlohmann::json> rechne(Args args) {
  args.push_back("--json");
  std::ostringstream aus, fehler;
  const int code = salvaro::RechneBefehl(args, aus, fehler, kHeute);
  if (code != salvaro::kErfolg && code != salvaro::kUngeloest) return std::nullopt;
  return nlohmann::json::parse(aus.str());
}

void jahr(const Args& args, const std::string& aus) {
  const nlohmann::json j = nlohmann::json::parse(aus);
  const nlohmann::json& monate = j.at("Monate");
  pruefe(monate.size() == 12);
  for (const auto& [name, summe] : j.at("Summe").items()) {
    Money s;
    for (const nlohmann::json& m : monate) s += cent(m.at(name));
    pruefe(s == cent(summe));
  }
  for (const nlohmann::json& m : monate)
    pruefe(cent(m.at("Brutto")) + cent(m.at("Einmalzahlung")) +
               cent(m.at("SummeGesetzlicheAbzuege")) ==
           cent(m.at("Netto")));
  // The month of the inputs: the net of month, payment and severance as rechne has it (rechne
  // refuses a payment the year cannot tax, which the year leaves out).
  const std::optional<nlohmann::json> r = rechne(args);
  if (!r) return;
  const std::string monat = r->at("Abrechnungsmonat").get<std::string>();
  for (const nlohmann::json& m : monate)
    if (monat.rfind(m.at("Monat").get<std::string>() + " ", 0) == 0) {
      pruefe(cent(m.at("Brutto")) == cent(r->at("Brutto")));
      pruefe(cent(m.at("Netto")) == cent(r->at("NettoGesamt")));
    }
}

// The arguments without --bis and --schritt and their values.
Args ohneGrenzen(const Args& args) {
  Args rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--bis" || args[i] == "--schritt") {
      ++i;
      continue;
    }
    if (args[i].rfind("--bis=", 0) == 0 || args[i].rfind("--schritt=", 0) == 0) continue;
    rest.push_back(args[i]);
  }
  return rest;
}

void verlauf(const Args& args, const std::string& aus) {
  std::istringstream zeilen(aus);
  std::string zeile;
  std::getline(zeilen, zeile);
  std::vector<std::vector<std::string>> punkte;
  while (std::getline(zeilen, zeile)) punkte.push_back(salvaro::TeileCsv(zeile, ';'));
  pruefe(!punkte.empty());
  // The first, the middle and the last point.
  for (const std::size_t i : {std::size_t{0}, punkte.size() / 2, punkte.size() - 1}) {
    const std::vector<std::string>& p = punkte[i];
    pruefe(p.size() == 6);
    const Money brutto = salvaro::LiesZahlentext(p[0], 2), netto = salvaro::LiesZahlentext(p[1], 2);
    pruefe(brutto - netto == salvaro::LiesZahlentext(p[2], 2));
    Args einzeln = ohneGrenzen(args);
    einzeln.push_back("--brutto=" + p[0]);
    const std::optional<nlohmann::json> r = rechne(einzeln);
    if (!r) std::abort();
    pruefe(cent(r->at("Netto")) == netto);
  }
}

// One spouse's arguments for rechne: "--x-1" and "--x" as "--x", the other's left out.
Args ehegatte(const Args& args, char wer) {
  Args eigene;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i], wert;
    const std::size_t gleich = name.find('=');
    if (gleich != std::string::npos) {
      wert = name.substr(gleich);
      name.erase(gleich);
    }
    char fuer = 0;
    if (name.size() > 4 && name[name.size() - 2] == '-' &&
        (name.back() == '1' || name.back() == '2')) {
      fuer = name.back();
      name.resize(name.size() - 2);
    }
    const bool mitWert = gleich == std::string::npos && name.size() > 2 && name != "--json" &&
                         !salvaro::IstSchalter(std::string_view(name).substr(2));
    if (fuer == 0 || fuer == wer) eigene.push_back(name + wert);
    if (mitWert && i + 1 < args.size()) {
      if (fuer == 0 || fuer == wer) eigene.push_back(args[i + 1]);
      ++i;
    }
  }
  return eigene;
}

void steuerklassen(const Args& args, const std::string& aus) {
  const nlohmann::json j = nlohmann::json::parse(aus);
  const nlohmann::json& wahlen = j.at("Wahlen");
  pruefe(wahlen.size() == 4);
  Money hoechstes;
  bool eines = false;
  for (const nlohmann::json& w : wahlen) {
    pruefe(cent(w.at("Netto1")) + cent(w.at("Netto2")) == cent(w.at("NettoGemeinsam")));
    if (w.at("Moeglich").get<bool>() && (!eines || cent(w.at("NettoGemeinsam")) > hoechstes)) {
      hoechstes = cent(w.at("NettoGemeinsam"));
      eines = true;
    }
    if (w.contains("Faktor"))
      pruefe(cent(w.at("Faktor")) > Money() && cent(w.at("Faktor")) < Money::euro(1));
  }
  for (const nlohmann::json& w : wahlen)
    if (w.at("Steuerklassen") == j.at("Beste")) pruefe(cent(w.at("NettoGemeinsam")) == hoechstes);
  // IV/IV: each spouse alone in class IV.
  for (const char wer : {'1', '2'}) {
    Args einzeln = ehegatte(args, wer);
    einzeln.push_back("--steuerklasse=4");
    const std::optional<nlohmann::json> r = rechne(einzeln);
    if (!r) std::abort();
    pruefe(cent(r->at("Netto")) == cent(wahlen.at(2).at(wer == '1' ? "Netto1" : "Netto2")));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge > 4096) return 0;
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  std::string ansicht;
  std::getline(ein, ansicht);
  Args args;
  for (std::string z; std::getline(ein, z);) args.push_back(z);
  if (ansicht == "verlauf") {
    // A curve of more than 200 points takes too long for a fuzz input.
    Money bis = Money::euro(10000), schritt = Money::euro(10);
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
      try {
        if (args[i] == "--bis") bis = salvaro::LiesZahlentext(args[i + 1], 2);
        if (args[i] == "--schritt") schritt = salvaro::LiesZahlentext(args[i + 1], 2);
      } catch (const std::exception&) {
      }
    }
    for (const std::string& a : args)
      if (a.rfind("--bis=", 0) == 0 || a.rfind("--schritt=", 0) == 0) return 0;
    if (schritt <= Money() || bis.raw() / schritt.raw() > 200) return 0;
  }
  std::ostringstream aus, fehler;
  int code;
  if (ansicht == "verlauf") {
    code = salvaro::VerlaufBefehl(args, aus, fehler, kHeute);
  } else if (ansicht == "steuerklassen") {
    args.push_back("--json");
    code = salvaro::SteuerklassenBefehl(args, aus, fehler, kHeute);
  } else {
    args.push_back("--json");
    code = salvaro::JahrBefehl(args, aus, fehler, kHeute);
  }
  if (code < salvaro::kErfolg || code > salvaro::kNichtGeschrieben) std::abort();
  if (code != salvaro::kErfolg || salvaro::WillHilfe(args)) return 0;
  if (ansicht == "verlauf")
    verlauf(args, aus.str());
  else if (ansicht == "steuerklassen")
    steuerklassen(args, aus.str());
  else
    jahr(args, aus.str());
  return 0;
}
