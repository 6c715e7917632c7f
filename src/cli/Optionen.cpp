#include "cli/Optionen.h"

#include <algorithm>
#include <filesystem>

#include "cli/Rechnen.h"

namespace salvaro {

namespace {

// The options of rechne that a view does not use, with the reason its refusal gives. A new option
// of rechne that a view leaves unused gets a row here.
struct Ungenutzt {
  std::string_view befehl;
  std::vector<std::string_view> optionen;
  std::string_view grund;
};

const std::vector<Ungenutzt>& ungenutzt() {
  static const std::vector<Ungenutzt> tabelle = {
      {"jahr", {"arbeitgeber"}, "die Kosten des Arbeitgebers stehen in jeder Jahresübersicht"},
      {"verlauf",
       {"brutto", "netto", "steuerbrutto", "sv-brutto"},
       "der Verlauf rechnet jedes Brutto von 0 bis --bis"},
      {"verlauf",
       {"einmalzahlung", "jahresbrutto-bisher", "nicht-im-vorjahr", "abfindung"},
       "der Verlauf zeigt das laufende Monatsgehalt ohne Einmalzahlung und Abfindung"},
      {"verlauf",
       {"u1-satz", "u2-satz", "arbeitgeber"},
       "der Verlauf zeigt Netto und Abzüge des Arbeitnehmers"},
      {"steuerklassen",
       {"brutto", "netto", "steuerbrutto", "sv-brutto"},
       "--brutto-1 und --brutto-2 geben die Bruttolöhne"},
      {"steuerklassen",
       {"steuerklasse", "faktor"},
       "die Steuerklassenwahl rechnet jede Steuerklasse und den Faktor selbst"},
      {"steuerklassen",
       {"einmalzahlung", "jahresbrutto-bisher", "nicht-im-vorjahr", "abfindung"},
       "die Steuerklassenwahl vergleicht das laufende Monatsgehalt ohne Einmalzahlung und "
       "Abfindung"},
      {"steuerklassen",
       {"u1-satz", "u2-satz", "arbeitgeber"},
       "die Steuerklassenwahl vergleicht die Lohnsteuer und das Netto der Ehegatten"},
  };
  return tabelle;
}

// The options of a subcommand beside those of rechne.
struct Eigene {
  std::string_view befehl;
  std::vector<std::string_view> mitWert, schalter;
  bool mitRechne;  // the options of rechne too (for steuerklassen also with "-1" and "-2")
};

const std::vector<Eigene>& eigene() {
  static const std::vector<Eigene> tabelle = {
      {"rechne", {"speichern", "pdf", "papier"}, {"json"}, true},
      {"jahr", {}, {"json", "csv"}, true},
      {"verlauf", {"bis", "schritt"}, {}, true},
      {"steuerklassen", {"brutto-1", "brutto-2"}, {"json"}, true},
      {"stapel", {"ausgabe", "threads"}, {}, false},
      {"pap", {"engine", "input", "output", "threads"}, {}, false},
      {"beispiel", {}, {}, false},
  };
  return tabelle;
}

bool enthaelt(const std::vector<std::string_view>& liste, std::string_view name) {
  return std::find(liste.begin(), liste.end(), name) != liste.end();
}

enum class Art { Unbekannt, MitWert, Schalter };

// What the subcommand takes under the name; grund receives why a view refuses an option of
// rechne.
Art artVon(std::string_view befehl, std::string_view name, std::optional<std::string_view>& grund) {
  const auto e = std::find_if(eigene().begin(), eigene().end(),
                              [&](const Eigene& x) { return x.befehl == befehl; });
  if (e == eigene().end()) return Art::Unbekannt;
  if (enthaelt(e->mitWert, name)) return Art::MitWert;
  if (enthaelt(e->schalter, name)) return Art::Schalter;
  if (!e->mitRechne) return Art::Unbekannt;
  std::string_view option = name;
  // One spouse's input: "--kirchensteuer-2 keine".
  if (befehl == "steuerklassen" && option.size() > 2 &&
      (option.ends_with("-1") || option.ends_with("-2")))
    option.remove_suffix(2);
  if (!enthaelt(RechneOptionen(), option)) return Art::Unbekannt;
  if ((grund = UngenutztIn(befehl, option))) return Art::Unbekannt;
  return IstSchalter(option) ? Art::Schalter : Art::MitWert;
}

}  // namespace

std::optional<std::string_view> UngenutztIn(std::string_view befehl, std::string_view option) {
  for (const Ungenutzt& u : ungenutzt())
    if (u.befehl == befehl && enthaelt(u.optionen, option)) return u.grund;
  return std::nullopt;
}

std::vector<std::string> UngenutzteOptionen(std::string_view befehl) {
  std::vector<std::string> namen;
  for (const std::string_view o : RechneOptionen())
    if (UngenutztIn(befehl, o)) namen.push_back("--" + std::string(o));
  return namen;
}

Aufrufteile TeileAufruf(const std::vector<std::string>& args, std::string_view befehl,
                        std::size_t hoechstensArgumente) {
  Aufrufteile t;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // A lone "-" is no option.
    if (arg.size() < 2 || arg[0] != '-') {
      if (t.argumente.size() >= hoechstensArgumente)
        throw OptionsFehler("unerwartetes Argument '" + arg + "'");
      t.argumente.push_back(arg);
      continue;
    }
    std::string_view name(arg);
    std::optional<std::string> wert;
    if (const std::size_t gleich = name.find('='); gleich != std::string_view::npos) {
      wert = std::string(name.substr(gleich + 1));
      name = name.substr(0, gleich);
    }
    const std::string geschrieben(name);  // as typed, for the messages
    std::optional<std::string_view> grund;
    const Art art = name.starts_with("--") ? artVon(befehl, name.substr(2), grund) : Art::Unbekannt;
    if (grund) throw OptionsFehler(geschrieben + " gibt es hier nicht: " + std::string(*grund));
    if (art == Art::Unbekannt) throw OptionsFehler("unbekannte Option " + geschrieben);
    if (!wert && art == Art::MitWert) {
      if (i + 1 >= args.size()) throw OptionsFehler(geschrieben + " braucht einen Wert");
      wert = args[++i];
    }
    t.optionen.emplace_back(std::string(name.substr(2)), wert.value_or(std::string()));
  }
  return t;
}

void PruefeDateiname(std::string_view option, std::string_view pfad) {
  const std::filesystem::path p(pfad);
  const std::string name = p.filename().string();
  if (pfad.empty() || name.empty() || name == "." || name == "..")
    throw OptionsFehler("--" + std::string(option) + " braucht einen Dateinamen" +
                        (pfad.empty() ? "" : ", nicht nur ein Verzeichnis ('" + std::string(pfad) + "')"));
}

}  // namespace salvaro
