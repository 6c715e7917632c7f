#include "cli/Pap.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <istream>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "abrechnung/Datei.h"
#include "cli/Aufruf.h"
#include "cli/Parallel.h"
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

std::string_view ohneZeilenende(std::string_view s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
  return s;
}

// A cent amount as the flowchart writes it: whole cents without decimals.
void haengeCentAn(std::string& aus, Money cent) {
  if (cent.raw() % Money::kScale != 0) {
    std::string t = cent.text4();
    while (t.back() == '0') t.pop_back();
    aus += t;
    return;
  }
  char puffer[24];
  const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, cent.raw() / Money::kScale);
  aus.append(puffer, ende);
}

std::string centText(Money cent) {
  std::string t;
  haengeCentAn(t, cent);
  return t;
}

// The input lines in blocks of 1 MiB, each handed out once (a line ending "\n", or the rest).
class Zeilenleser {
 public:
  explicit Zeilenleser(std::istream& ein) : quelle_(*ein.rdbuf()) {}
  bool Naechste(std::string_view& zeile) {
    while (true) {
      const std::size_t ende = puffer_.find('\n', anfang_);
      if (ende != std::string::npos) {
        zeile = std::string_view(puffer_).substr(anfang_, ende - anfang_);
        anfang_ = ende + 1;
        return true;
      }
      if (dateiende_) {
        if (anfang_ == puffer_.size()) return false;
        zeile = std::string_view(puffer_).substr(anfang_);
        anfang_ = puffer_.size();
        return true;
      }
      lies();
    }
  }

 private:
  void lies() {
    puffer_.erase(0, anfang_);
    anfang_ = 0;
    const std::size_t alt = puffer_.size();
    constexpr std::size_t kBlock = 1 << 20;
    puffer_.resize(alt + kBlock);
    const std::streamsize n = quelle_.sgetn(puffer_.data() + alt, kBlock);
    puffer_.resize(alt + static_cast<std::size_t>(n > 0 ? n : 0));
    dateiende_ = n <= 0;
  }
  std::streambuf& quelle_;
  std::string puffer_;
  std::size_t anfang_ = 0;
  bool dateiende_ = false;
};

constexpr std::size_t kAnzahlEingaben = std::size(kEingaben);

constexpr std::size_t index(std::string_view name) {
  for (std::size_t i = 0; i < kAnzahlEingaben; ++i)
    if (kEingaben[i] == name) return i;
  throw std::logic_error("keine Eingabe");
}

// What the header says, worked out once for the run: which field of a row holds which input,
// which inputs the engine takes, and the order in which the inputs of a row are checked.
struct Plan {
  std::size_t spalten = 0;
  std::array<int, kAnzahlEingaben> spalte{};  // the field of each input (-1: no column)
  std::vector<std::size_t> pruefreihenfolge;  // inputs with a column, by name
  std::array<bool, kAnzahlEingaben> bekannt{};
  std::array<Bereich, kAnzahlEingaben> bereich{};
};

Plan planeKopf(const std::vector<std::string_view>& spalten, const OruSteuern& engine) {
  Plan p;
  p.spalten = spalten.size();
  p.spalte.fill(-1);
  for (std::size_t i = 0; i < spalten.size(); ++i)
    if (istEingabe(spalten[i])) {
      const std::size_t e = index(spalten[i]);
      // A repeated column: the first one counts.
      if (p.spalte[e] < 0) {
        p.spalte[e] = static_cast<int>(i);
        p.pruefreihenfolge.push_back(e);
      }
    }
  std::sort(p.pruefreihenfolge.begin(), p.pruefreihenfolge.end(),
            [](std::size_t a, std::size_t b) { return kEingaben[a] < kEingaben[b]; });
  for (std::size_t e = 0; e < kAnzahlEingaben; ++e) {
    const std::string_view name = kEingaben[e];
    p.bekannt[e] = engine.NimmtEingabe(std::string(name)) ||
                   ((name == "WFUNDF" || name == "HINZUR") && engine.NimmtEingabe("LZZFREIB"));
    p.bereich[e] = bereichVon(name);
  }
  return p;
}

// One row's inputs, each field read once; amounts in cents as the flowchart takes them,
// integers or decimals.
class Zeile {
 public:
  Zeile(const Plan& plan, int nummer, const std::vector<std::string_view>& felder)
      : nummer_(nummer) {
    for (std::size_t e = 0; e < kAnzahlEingaben; ++e)
      text_[e] = plan.spalte[e] < 0 ? std::string_view() : felder[plan.spalte[e]];
  }

  // Reads the input as an amount (every input column must be a number) and checks it against
  // its range (a missing one is 0 and not checked).
  void lies(std::size_t e, const Bereich& b) {
    const std::string_view text = text_[e];
    if (text.empty()) return;
    try {
      wert_[e] = Money::parse(text);
    } catch (const std::invalid_argument&) {
      throw fehler(e);
    }
    ziffern_[e] = text.size() <= 9 &&
                  std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (wert_[e] >= b.min && wert_[e] <= b.max) return;
    const std::string ort = "Zeile " + std::to_string(nummer_) + ", Spalte " +
                            std::string(kEingaben[e]) + ": '" + std::string(text) + "' ";
    if (b.max == kGross) throw PapFehler(ort + "darf nicht negativ sein");
    throw PapFehler(ort + "liegt nicht zwischen " + centText(b.min) + " und " + centText(b.max));
  }

  Money betrag(std::size_t e) const { return wert_[e]; }
  // Whether the amount read is not 0 (a number has no other characters than these).
  bool nichtNull(std::size_t e) const { return wert_[e] != Money(); }
  // A cent amount of the flowchart as euros.
  Money euro(std::size_t e) const { return Money::runde(wert_[e] / 100); }
  int ganz(std::size_t e) const {
    const std::string_view text = text_[e];
    if (text.empty()) return 0;
    // Plain digits, the usual case, are the amount already read.
    if (ziffern_[e]) return static_cast<int>(wert_[e].raw() / Money::kScale);
    int wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size()) throw fehler(e);
    return wert;
  }
  float kommazahl(std::size_t e) const {
    const std::string_view text = text_[e];
    if (text.empty()) return 0;
    float wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size()) throw fehler(e);
    return wert;
  }
 private:
  PapFehler fehler(std::size_t e) const {
    return PapFehler("Zeile " + std::to_string(nummer_) + ", Spalte " + std::string(kEingaben[e]) +
                     ": '" + std::string(text_[e]) + "' ist keine Zahl");
  }
  int nummer_;
  std::array<std::string_view, kAnzahlEingaben> text_;
  std::array<Money, kAnzahlEingaben> wert_{};
  std::array<bool, kAnzahlEingaben> ziffern_{};  // plain digits that fit an int
};

using Ausgaben = std::array<std::optional<Money>, std::size(kPapAusgaben)>;

// Runs the engine's operations in the payroll case's calling order.
Ausgaben rechne(OruSteuern& engine, const Zeile& z) {
  static constexpr std::size_t AF = index("AF"), AJAHR = index("AJAHR"), ALTER1 = index("ALTER1"),
                               KRV = index("KRV"), LZZ = index("LZZ"), PKV = index("PKV"),
                               PVS = index("PVS"), PVZ = index("PVZ"), PVA = index("PVA"),
                               ALV = index("ALV"), PKPVAGZ = index("PKPVAGZ"),
                               STKL = index("STKL"), VJAHR = index("VJAHR"), ZMVB = index("ZMVB"),
                               ZKF = index("ZKF"), F = index("F"), KVZ = index("KVZ"),
                               RE4 = index("RE4"), LZZFREIB = index("LZZFREIB"),
                               WFUNDF = index("WFUNDF"), LZZHINZU = index("LZZHINZU"),
                               HINZUR = index("HINZUR"), JFREIB = index("JFREIB"),
                               JHINZU = index("JHINZU"), VMT = index("VMT"), VBEZ = index("VBEZ"),
                               VBS = index("VBS"), VBEZM = index("VBEZM"), VBEZS = index("VBEZS"),
                               JVBEZ = index("JVBEZ"), PKPV = index("PKPV"),
                               ENTSCH = index("ENTSCH"), JRE4ENT = index("JRE4ENT"),
                               SONSTENT = index("SONSTENT"), MBV = index("MBV"), R = index("R"),
                               SONSTB = index("SONSTB"), JRE4 = index("JRE4");
  LohnsteuerEingabe e;
  e.AF = z.ganz(AF);
  e.AJAHR = z.ganz(AJAHR);
  e.ALTER1 = z.ganz(ALTER1);
  e.KRV = z.ganz(KRV);
  e.LZZ = z.ganz(LZZ);
  e.PKV = z.ganz(PKV);
  e.PVS = z.ganz(PVS);
  e.PVZ = z.ganz(PVZ);
  e.PVA = z.ganz(PVA);
  e.ALV = z.ganz(ALV);
  e.PKPVAGZ = z.euro(PKPVAGZ);
  e.STKL = z.ganz(STKL);
  e.VJAHR = z.ganz(VJAHR);
  e.ZMVB = z.ganz(ZMVB);
  e.ZKF = z.kommazahl(ZKF);
  e.f = z.betrag(F);
  e.KVZ = z.betrag(KVZ);
  e.RE4 = z.euro(RE4);
  e.FreibetragLzz = z.euro(LZZFREIB) + z.euro(WFUNDF) - z.euro(LZZHINZU) - z.euro(HINZUR);
  e.FreibetragJahr = z.euro(JFREIB) - z.euro(JHINZU);
  e.VMT = z.euro(VMT);
  e.VBEZ = z.euro(VBEZ);
  e.VBS = z.euro(VBS);
  e.VBEZM = z.euro(VBEZM);
  e.VBEZS = z.euro(VBEZS);
  e.JVBEZ = z.euro(JVBEZ);
  e.PKPV = z.euro(PKPV);
  e.ENTSCH = z.euro(ENTSCH);
  e.JRE4ENT = z.euro(JRE4ENT);
  e.SONSTENT = z.euro(SONSTENT);
  e.MBV = z.euro(MBV);
  const int pflichtig = z.ganz(R) > 0 ? 1 : 0;
  const Money sonstb = z.euro(SONSTB);
  const Money jre4 = z.euro(JRE4);

  engine.LohnsteuerLfd(e);
  engine.SolzLfd();
  engine.KirchensteuerLfd(pflichtig, 12, 1, 0, Money(), Money::euro(99));
  if (engine.HatEinmalbezug() && (sonstb > 0 || (e.MBV > 0 && engine.NimmtEingabe("MBV")))) {
    engine.LohnsteuerEB(sonstb, jre4, e.JVBEZ, e.VBS);
    engine.SolzEB();
    engine.KirchensteuerEB(pflichtig, 12, 1, 0, 0, Money(), Money());
  }
  if (engine.HatVMT() && e.VMT > 0) {
    engine.LohnsteuerVMT(sonstb, jre4);
    engine.SolzVMT();
    engine.KirchensteuerEB(pflichtig, 12, 1, 0, 1, Money(), Money());
  }
  const FlowchartAusgaben a = engine.Ausgaben();
  Ausgaben werte = {a.LSTLZZ, a.SOLZLZZ, a.BK};
  if (engine.HatEinmalbezug()) {
    werte[3] = a.STS;
    werte[4] = a.SOLZS;
    werte[5] = a.BKS;
  }
  if (engine.HatVMT()) {
    werte[6] = a.STV;
    werte[7] = a.SOLZV;
    werte[8] = a.BKV;
  }
  return werte;
}

// The rows of one chunk of the input, as they were read.
struct Stueck {
  std::string text;  // the lines one after another, without their line ends
  std::vector<std::pair<int, std::size_t>> zeilen;  // line number and end in text
};

// What a chunk gave: its output up to the first bad row, and that row's message.
struct StueckErgebnis {
  std::string ausgabe;
  PapZusammenfassung summe;
  std::optional<std::string> fehler;
};

StueckErgebnis rechneStueck(const Plan& plan, OruSteuern& engine, const Stueck& stueck) {
  StueckErgebnis r;
  r.ausgabe.reserve(stueck.text.size() + stueck.zeilen.size() * 48);
  std::vector<std::string_view> felder;
  felder.reserve(plan.spalten);
  std::vector<std::string> fremd;
  std::size_t anfang = 0;
  for (const auto& [nummer, ende] : stueck.zeilen) {
    const std::string_view text = std::string_view(stueck.text).substr(anfang, ende - anfang);
    anfang = ende;
    felder.clear();
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (text[i] == ',') {
        felder.push_back(text.substr(start, i - start));
        start = i + 1;
      }
    felder.push_back(text.substr(start));
    try {
      if (felder.size() != plan.spalten)
        throw PapFehler("Zeile " + std::to_string(nummer) + ": " + std::to_string(felder.size()) +
                        " Spalten statt " + std::to_string(plan.spalten));
      Zeile z(plan, nummer, felder);
      fremd.clear();
      for (const std::size_t e : plan.pruefreihenfolge) {
        z.lies(e, plan.bereich[e]);
        if (!plan.bekannt[e] && z.nichtNull(e)) fremd.emplace_back(kEingaben[e]);
      }
      // The engines take one signed allowance per period and per year.
      static constexpr std::size_t LZZFREIB = index("LZZFREIB"), WFUNDF = index("WFUNDF"),
                                   LZZHINZU = index("LZZHINZU"), HINZUR = index("HINZUR"),
                                   JFREIB = index("JFREIB"), JHINZU = index("JHINZU");
      if ((z.nichtNull(LZZFREIB) || z.nichtNull(WFUNDF)) &&
          (z.nichtNull(LZZHINZU) || z.nichtNull(HINZUR)))
        fremd.emplace_back("LZZFREIB+LZZHINZU");
      if (z.nichtNull(JFREIB) && z.nichtNull(JHINZU)) fremd.emplace_back("JFREIB+JHINZU");

      ++r.summe.zeilen;
      if (!fremd.empty()) {
        ++r.summe.uebersprungen;
        r.summe.fremdeEingaben.insert(fremd.begin(), fremd.end());
        r.ausgabe += text;
        r.ausgabe.append(std::size(kPapAusgaben), ',');
        r.ausgabe += '\n';
        continue;
      }
      Ausgaben ausgaben;
      try {
        ausgaben = rechne(engine, z);
      } catch (const RechenFehler& f) {
        throw PapFehler("Zeile " + std::to_string(nummer) + ": Rechenfehler (" + f.what() + ")");
      }
      r.ausgabe += text;
      for (const std::optional<Money>& w : ausgaben) {
        r.ausgabe += ',';
        if (w) haengeCentAn(r.ausgabe, *w);
      }
      r.ausgabe += '\n';
    } catch (const PapFehler& f) {
      r.fehler = f.what();
      break;
    }
  }
  return r;
}

}  // namespace

PapZusammenfassung Pap(std::istream& ein, std::ostream& aus, std::string_view engineName,
                       unsigned threads) {
  if (!EngineNachName(engineName))
    throw PapFehler("Unbekannte Engine '" + std::string(engineName) + "'");

  PapZusammenfassung summe;
  Zeilenleser leser(ein);
  std::string_view kopfZeile;
  if (!leser.Naechste(kopfZeile)) throw PapFehler("Zeile 1: die Kopfzeile fehlt");
  const std::string kopfText(ohneZeilenende(kopfZeile));
  std::vector<std::string_view> spalten;
  for (std::size_t start = 0;;) {
    const std::size_t komma = kopfText.find(',', start);
    spalten.push_back(std::string_view(kopfText).substr(start, komma - start));
    if (komma == std::string::npos) break;
    start = komma + 1;
  }
  // A spreadsheet's ";" list would be one column of which nothing is read.
  if (spalten.size() == 1 && kopfText.find(';') != std::string::npos)
    throw PapFehler("Zeile 1: die Spalten der Kopfzeile sind nicht durch Kommas getrennt");
  aus << kopfText;
  for (std::string_view a : kPapAusgaben) aus << ",our_" << a;
  aus << '\n';

  // One engine per thread for the whole run: its operations leave nothing behind. The engines
  // and the plan outlive the threads that use them.
  std::vector<std::unique_ptr<OruSteuern>> engines;
  for (unsigned i = 0; i < std::max(threads, 1u); ++i) engines.push_back(EngineNachName(engineName));
  const Plan plan = planeKopf(spalten, *engines[0]);
  GeordneteArbeit<StueckErgebnis> arbeit(threads);

  std::optional<std::string> fehler;
  // Writes the oldest chunk's rows; false after a bad row or a failed write.
  const auto schreibeNaechstes = [&] {
    StueckErgebnis r = arbeit.Naechstes();
    aus.write(r.ausgabe.data(), static_cast<std::streamsize>(r.ausgabe.size()));
    summe.zeilen += r.summe.zeilen;
    summe.uebersprungen += r.summe.uebersprungen;
    summe.fremdeEingaben.merge(r.summe.fremdeEingaben);
    if (r.fehler) fehler = std::move(r.fehler);
    return !fehler && aus;
  };
  constexpr std::size_t kZeilenJeStueck = 2048;
  int nummer = 1;
  bool weiter = true;
  std::string_view zeile;
  while (weiter) {
    auto stueck = std::make_shared<Stueck>();
    stueck->text.reserve(kZeilenJeStueck * 192);
    while (stueck->zeilen.size() < kZeilenJeStueck && (weiter = leser.Naechste(zeile))) {
      ++nummer;
      const std::string_view text = ohneZeilenende(zeile);
      if (text.empty()) continue;
      stueck->text += text;
      stueck->zeilen.emplace_back(nummer, stueck->text.size());
    }
    if (!stueck->zeilen.empty())
      arbeit.Gib([&plan, &engines, stueck](unsigned i) {
        return rechneStueck(plan, *engines[i], *stueck);
      });
    while (arbeit.Voll() || (!weiter && !arbeit.Leer())) {
      if (!schreibeNaechstes()) {
        if (fehler) throw PapFehler(*fehler);
        return summe;
      }
    }
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
  unsigned threads = AlleKerne();
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--engine" || a == "--input" || a == "--output") && i + 1 < args.size()) {
      (a == "--engine" ? engine : a == "--input" ? eingabe : ausgabe) = args[++i];
      mitAusgabe = mitAusgabe || a == "--output";
    } else if (a == "--threads" && i + 1 < args.size()) {
      if (const std::string f = LiesThreads(args[++i], threads); !f.empty()) {
        fehler << "salvaro-cli pap: " << f << '\n';
        return kFalscheEingabe;
      }
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
    summe = Pap(eingabe.empty() ? ein : datei, ziel.Strom(), engine, threads);
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
