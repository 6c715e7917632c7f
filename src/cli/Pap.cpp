#include "cli/Pap.h"

#include <charconv>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <vector>

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

std::string centText(Money cent) {
  if (cent.raw() % Money::kScale == 0) return std::to_string(cent.raw() / Money::kScale);
  std::string t = cent.text4();
  while (t.back() == '0') t.pop_back();
  return t;
}

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
  aus << kopfText;
  for (std::string_view a : kPapAusgaben) aus << ",our_" << a;
  aus << '\n';

  std::string zeile;
  int nummer = 1;
  while (std::getline(ein, zeile)) {
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

}  // namespace salvaro
