#include "cli/Pap.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <vector>

#include "abrechnung/Datei.h"
#include "cli/Aufruf.h"
#include "tax/EngineWahl.h"

namespace salvaro {

namespace {

// The flowchart inputs this command understands; every other column is passed through.
constexpr std::string_view kEingaben[] = {
    "AF",    "AJAHR",  "ALTER1", "ENTSCH", "F",        "JFREIB",   "JHINZU", "JRE4",
    "JVBEZ", "KRV",    "KVZ",    "LZZ",    "LZZFREIB", "LZZHINZU", "MBV",    "PKPV",
    "PKV",   "PVS",    "PVZ",    "R",      "RE4",      "SONSTB",   "STERBE", "STKL",
    "VBEZ",  "VBEZM",  "VBEZS",  "VBS",    "VJAHR",    "VKAPA",    "VMT",    "ZKF",
    "ZMVB",  "JRE4ENT", "SONSTENT", "WFUNDF", "HINZUR", "PVA", "ALV", "PKPVAGZ"};

bool istEingabe(std::string_view name) {
  for (std::string_view e : kEingaben)
    if (e == name) return true;
  return false;
}

// The ranges the flowcharts define for their inputs; amounts in cents are never negative.
struct Bereich {
  std::string_view name;
  Money min, max;
};
constexpr Money kGross = Money::euro(100000000000);  // no upper limit of its own
constexpr Bereich kBereiche[] = {
    {"AF", Money(), Money::euro(1)},         {"ALTER1", Money(), Money::euro(1)},
    {"ALV", Money(), Money::euro(1)},        {"F", Money(), Money::euro(1)},
    {"KRV", Money(), Money::euro(2)},        {"KVZ", Money(), Money::euro(100)},
    {"LZZ", Money::euro(1), Money::euro(4)}, {"PKV", Money(), Money::euro(2)},
    {"PVA", Money(), Money::euro(4)},        {"PVS", Money(), Money::euro(1)},
    {"PVZ", Money(), Money::euro(1)},        {"STKL", Money(), Money::euro(6)},
    {"ZMVB", Money(), Money::euro(12)},      {"AJAHR", Money(), Money::euro(9999)},
    {"VJAHR", Money(), Money::euro(9999)},
};

Bereich bereichVon(std::string_view name) {
  for (const Bereich& b : kBereiche)
    if (b.name == name) return b;
  return {name, Money(), kGross};
}

std::vector<std::string_view> teile(std::string_view zeile) {
  std::vector<std::string_view> felder;
  std::size_t start = 0;
  while (true) {
    const std::size_t komma = zeile.find(',', start);
    felder.push_back(zeile.substr(start, komma - start));
    if (komma == std::string_view::npos) break;
    start = komma + 1;
  }
  return felder;
}

std::string_view ohneZeilenende(std::string_view s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

std::string centText(Money cent) {
  if (cent.raw() % Money::kScale == 0) return std::to_string(cent.raw() / Money::kScale);
  std::string t = cent.text4();
  while (t.back() == '0') t.pop_back();
  return t;
}

// Amounts in cents as the flowchart takes them, integers or decimals.
class Zeile {
 public:
  Zeile(int nummer, const std::map<std::string, std::string_view>& werte)
      : nummer_(nummer), werte_(werte) {}

  Money betrag(const std::string& name) const {
    const std::string_view text = roh(name);
    if (text.empty()) return Money();
    try {
      return Money::parse(text);
    } catch (const std::invalid_argument&) {
      throw fehler(name, text);
    }
  }
  // A cent amount of the flowchart as euros.
  Money euro(const std::string& name) const { return Money::runde(betrag(name) / 100); }
  int ganz(const std::string& name) const {
    const std::string_view text = roh(name);
    if (text.empty()) return 0;
    int wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size()) throw fehler(name, text);
    return wert;
  }
  float kommazahl(const std::string& name) const {
    const std::string_view text = roh(name);
    if (text.empty()) return 0;
    float wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size()) throw fehler(name, text);
    return wert;
  }
  // A given value outside the input's defined range (a missing one is 0 and not checked).
  void pruefeBereich(const std::string& name) const {
    const std::string_view text = roh(name);
    if (text.empty()) return;
    const Bereich b = bereichVon(name);
    const Money wert = betrag(name);
    if (wert >= b.min && wert <= b.max) return;
    const std::string ort =
        "Zeile " + std::to_string(nummer_) + ", Spalte " + name + ": '" + std::string(text) + "' ";
    if (b.max == kGross) throw PapFehler(ort + "darf nicht negativ sein");
    throw PapFehler(ort + "liegt nicht zwischen " + centText(b.min) + " und " + centText(b.max));
  }
  bool nichtNull(const std::string& name) const {
    const std::string_view text = roh(name);
    if (text.empty()) return false;
    return text.find_first_not_of("0.+-") != std::string_view::npos;
  }

 private:
  std::string_view roh(const std::string& name) const {
    const auto it = werte_.find(name);
    return it == werte_.end() ? std::string_view() : it->second;
  }
  PapFehler fehler(const std::string& name, std::string_view text) const {
    return PapFehler("Zeile " + std::to_string(nummer_) + ", Spalte " + name + ": '" +
                     std::string(text) + "' ist keine Zahl");
  }
  int nummer_;
  const std::map<std::string, std::string_view>& werte_;
};

// Runs the engine's operations in the payroll case's calling order.
std::vector<std::optional<Money>> rechne(OruSteuern& engine, const Zeile& z) {
  LohnsteuerEingabe e;
  e.AF = z.ganz("AF");
  e.AJAHR = z.ganz("AJAHR");
  e.ALTER1 = z.ganz("ALTER1");
  e.KRV = z.ganz("KRV");
  e.LZZ = z.ganz("LZZ");
  e.PKV = z.ganz("PKV");
  e.PVS = z.ganz("PVS");
  e.PVZ = z.ganz("PVZ");
  e.PVA = z.ganz("PVA");
  e.ALV = z.ganz("ALV");
  e.PKPVAGZ = z.euro("PKPVAGZ");
  e.STKL = z.ganz("STKL");
  e.VJAHR = z.ganz("VJAHR");
  e.ZMVB = z.ganz("ZMVB");
  e.ZKF = z.kommazahl("ZKF");
  e.f = z.betrag("F");
  e.KVZ = z.betrag("KVZ");
  e.RE4 = z.euro("RE4");
  e.FreibetragLzz = z.euro("LZZFREIB") + z.euro("WFUNDF") - z.euro("LZZHINZU") - z.euro("HINZUR");
  e.FreibetragJahr = z.euro("JFREIB") - z.euro("JHINZU");
  e.VMT = z.euro("VMT");
  e.VBEZ = z.euro("VBEZ");
  e.VBS = z.euro("VBS");
  e.VBEZM = z.euro("VBEZM");
  e.VBEZS = z.euro("VBEZS");
  e.JVBEZ = z.euro("JVBEZ");
  e.PKPV = z.euro("PKPV");
  e.ENTSCH = z.euro("ENTSCH");
  e.JRE4ENT = z.euro("JRE4ENT");
  e.SONSTENT = z.euro("SONSTENT");
  e.MBV = z.euro("MBV");
  const int pflichtig = z.ganz("R") > 0 ? 1 : 0;
  const Money SONSTB = z.euro("SONSTB");
  const Money JRE4 = z.euro("JRE4");

  engine.LohnsteuerLfd(e);
  engine.SolzLfd();
  engine.KirchensteuerLfd(pflichtig, 12, 1, 0, Money(), Money::euro(99));
  if (engine.HatEinmalbezug() && (SONSTB > 0 || (e.MBV > 0 && engine.NimmtEingabe("MBV")))) {
    engine.LohnsteuerEB(SONSTB, JRE4, e.JVBEZ, e.VBS);
    engine.SolzEB();
    engine.KirchensteuerEB(pflichtig, 12, 1, 0, 0, Money(), Money());
  }
  if (engine.HatVMT() && e.VMT > 0) {
    engine.LohnsteuerVMT(SONSTB, JRE4);
    engine.SolzVMT();
    engine.KirchensteuerEB(pflichtig, 12, 1, 0, 1, Money(), Money());
  }
  const FlowchartAusgaben a = engine.Ausgaben();
  std::vector<std::optional<Money>> werte = {a.LSTLZZ, a.SOLZLZZ, a.BK};
  if (engine.HatEinmalbezug())
    werte.insert(werte.end(), {a.STS, a.SOLZS, a.BKS});
  else
    werte.insert(werte.end(), 3, std::nullopt);
  if (engine.HatVMT())
    werte.insert(werte.end(), {a.STV, a.SOLZV, a.BKV});
  else
    werte.insert(werte.end(), 3, std::nullopt);
  return werte;
}

}  // namespace

PapZusammenfassung Pap(std::istream& ein, std::ostream& aus, std::string_view engineName) {
  std::unique_ptr<OruSteuern> engine = EngineNachName(engineName);
  if (!engine) throw PapFehler("Unbekannte Engine '" + std::string(engineName) + "'");

  PapZusammenfassung summe;
  std::string kopf;
  if (!std::getline(ein, kopf)) throw PapFehler("Zeile 1: die Kopfzeile fehlt");
  const std::string_view kopfText = ohneZeilenende(kopf);
  const std::vector<std::string_view> spalten = teile(kopfText);
  // A spreadsheet's ";" list would be one column of which nothing is read.
  if (spalten.size() == 1 && kopfText.find(';') != std::string_view::npos)
    throw PapFehler("Zeile 1: die Spalten der Kopfzeile sind nicht durch Kommas getrennt");
  aus << kopfText;
  for (std::string_view a : kPapAusgaben) aus << ",our_" << a;
  aus << '\n';

  std::string zeile;
  int nummer = 1;
  while (aus && std::getline(ein, zeile)) {
    ++nummer;
    const std::string_view text = ohneZeilenende(zeile);
    if (text.empty()) continue;
    const std::vector<std::string_view> felder = teile(text);
    if (felder.size() != spalten.size())
      throw PapFehler("Zeile " + std::to_string(nummer) + ": " + std::to_string(felder.size()) +
                      " Spalten statt " + std::to_string(spalten.size()));
    std::map<std::string, std::string_view> werte;
    for (std::size_t i = 0; i < spalten.size(); ++i)
      if (istEingabe(spalten[i])) werte.emplace(std::string(spalten[i]), felder[i]);
    const Zeile z(nummer, werte);

    std::vector<std::string> fremd;
    for (const auto& [name, wert] : werte) {
      const bool bekannt = engine->NimmtEingabe(name) ||
                           ((name == "WFUNDF" || name == "HINZUR") && engine->NimmtEingabe("LZZFREIB"));
      if (!bekannt && z.nichtNull(name)) fremd.push_back(name);
      else z.betrag(name);  // every input column must be a number
      z.pruefeBereich(name);
    }
    // The engines take one signed allowance per period and per year.
    if ((z.nichtNull("LZZFREIB") || z.nichtNull("WFUNDF")) &&
        (z.nichtNull("LZZHINZU") || z.nichtNull("HINZUR")))
      fremd.push_back("LZZFREIB+LZZHINZU");
    if (z.nichtNull("JFREIB") && z.nichtNull("JHINZU")) fremd.push_back("JFREIB+JHINZU");

    ++summe.zeilen;
    aus << text;
    if (!fremd.empty()) {
      ++summe.uebersprungen;
      summe.fremdeEingaben.insert(fremd.begin(), fremd.end());
      aus << std::string(std::size(kPapAusgaben), ',') << '\n';
      continue;
    }
    engine = EngineNachName(engineName);
    std::vector<std::optional<Money>> ausgaben;
    try {
      ausgaben = rechne(*engine, z);
    } catch (const RechenFehler& f) {
      throw PapFehler("Zeile " + std::to_string(nummer) + ": Rechenfehler (" + f.what() + ")");
    }
    for (const std::optional<Money>& w : ausgaben) aus << ',' << (w ? centText(*w) : "");
    aus << '\n';
  }
  return summe;
}

int PapBefehl(const std::vector<std::string>& args, std::istream& ein, std::ostream& aus,
              std::ostream& fehler) {
  if (WillHilfe(args)) {
    BefehlsHilfe(aus, "pap");
    return kErfolg;
  }
  std::string engine, eingabe, ausgabe;
  bool mitAusgabe = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--engine" || a == "--input" || a == "--output") && i + 1 < args.size()) {
      (a == "--engine" ? engine : a == "--input" ? eingabe : ausgabe) = args[++i];
      mitAusgabe = mitAusgabe || a == "--output";
    } else {
      fehler << "salvaro-cli pap: unbekannte oder unvollständige Option '" << a << "'\n";
      BefehlsHilfe(fehler, "pap");
      return kFalscheEingabe;
    }
  }
  if (engine.empty()) {
    fehler << "salvaro-cli pap: --engine fehlt\n";
    BefehlsHilfe(fehler, "pap");
    return kFalscheEingabe;
  }
  if (mitAusgabe && ausgabe.empty()) {
    fehler << "salvaro-cli pap: --output braucht einen Dateinamen\n";
    return kFalscheEingabe;
  }
  std::ifstream datei;
  if (!eingabe.empty()) {
    if (const std::string f = OeffneEingabe(datei, eingabe); !f.empty()) {
      fehler << "salvaro-cli pap: " << f << '\n';
      return kFalscheEingabe;
    }
  }
  Ausgabe ziel(aus);
  if (const std::string f = ziel.Oeffne(ausgabe); !f.empty()) {
    fehler << "salvaro-cli pap: " << f << '\n';
    return kNichtGeschrieben;
  }
  PapZusammenfassung summe;
  try {
    summe = Pap(eingabe.empty() ? ein : datei, ziel.Strom(), engine);
  } catch (const PapFehler& f) {
    fehler << "salvaro-cli pap: " << f.what() << '\n';
    return kFalscheEingabe;  // an output file stays as it was
  }
  if (ziel.Schliesse(fehler, "pap") != kErfolg) return kNichtGeschrieben;
  fehler << summe.zeilen << " Zeilen gerechnet";
  if (summe.uebersprungen > 0) {
    fehler << ", " << summe.uebersprungen << " übersprungen (Eingaben, die " << engine
           << " nicht kennt:";
    for (const std::string& n : summe.fremdeEingaben) fehler << ' ' << n;
    fehler << ')';
  }
  fehler << '\n';
  return kErfolg;
}

}  // namespace salvaro
