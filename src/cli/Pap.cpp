#include "cli/Pap.h"

#include <cerrno>
#include <cstring>
#include <charconv>
#include <fstream>
#include <istream>
#include <algorithm>
#include <bit>
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "abrechnung/Datei.h"
#include "cli/Aufruf.h"
#include "cli/Optionen.h"
#include "cli/Parallel.h"
#include "cli/Rechnen.h"
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

// A line is held in memory only up to this length; a longer one ends the run.
constexpr std::size_t kMaxZeile = 64 * 1024;

std::string zuLangeZeile(int nummer) {
  return "Zeile " + std::to_string(nummer) + ": die Zeile ist länger als 64 KiB";
}

// The input in blocks of whole lines, about 128 KiB each: read straight into the block, only the
// start of its last, unfinished line carried over to the next. The last block may lack its "\n".
// An unfinished line longer than kMaxZeile stops the reading, so that no input decides the
// memory: the block before it is still returned, and then ZuLang() is true.
class Blockleser {
 public:
  explicit Blockleser(std::istream& ein) : quelle_(*ein.rdbuf()) {}
  bool Naechster(std::string& block) {
    block = std::move(rest_);
    rest_.clear();
    while (!dateiende_ && !zuLang_) {
      const std::size_t alt = block.size();
      constexpr std::size_t kBlock = 1 << 17;
      block.resize(alt + kBlock);
      const std::streamsize n = quelle_.sgetn(block.data() + alt, kBlock);
      block.resize(alt + static_cast<std::size_t>(n > 0 ? n : 0));
      if (n <= 0) {
        dateiende_ = true;
        break;
      }
      // Only the new part is searched, so that a very long line costs no more than its reading.
      const std::size_t letzte = std::string_view(block).substr(alt).rfind('\n');
      if (letzte != std::string_view::npos) {
        rest_.assign(block, alt + letzte + 1);
        block.resize(alt + letzte + 1);
        zuLang_ = rest_.size() > kMaxZeile;
        break;
      }
      // The whole block is one unfinished line.
      if (block.size() > kMaxZeile) {
        block.clear();
        zuLang_ = true;
      }
    }
    if (zuLang_) rest_ = std::string();
    return !block.empty();
  }
  // Whether the reading stopped at a line longer than kMaxZeile.
  bool ZuLang() const { return zuLang_; }

 private:
  std::streambuf& quelle_;
  std::string rest_;
  bool dateiende_ = false;
  bool zuLang_ = false;
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

// A line's fields: where each one ends. The commas are found eight bytes at a time; the fields
// beyond the number expected share the last slot.
class Felder {
 public:
  explicit Felder(std::size_t erwartet) : erwartet_(erwartet), ende_(erwartet + 1) {}

  // Takes a line; returns the number of its fields.
  std::size_t Teile(std::string_view text) {
    text_ = text;
    std::size_t n = 0;
    const auto komma = [&](std::size_t i) {
      ende_[std::min(n, erwartet_)] = i;
      ++n;
    };
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
      constexpr std::uint64_t k7F = 0x7F7F7F7F7F7F7F7F, kKommas = 0x2C2C2C2C2C2C2C2C;
      for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        const std::uint64_t x = w ^ kKommas;  // a zero byte where the text has a comma
        // The high bit of every zero byte of x, exactly: no carry crosses a byte.
        std::uint64_t treffer = ~(((x & k7F) + k7F) | x | k7F);
        for (; treffer != 0; treffer &= treffer - 1) komma(i + (std::countr_zero(treffer) >> 3));
      }
    }
    for (; i < text.size(); ++i)
      if (text[i] == ',') komma(i);
    ende_[std::min(n, erwartet_)] = text.size();
    return n + 1;
  }

  // A field of a line with the number of fields expected.
  std::string_view Text(std::size_t j) const {
    const std::size_t anfang = j == 0 ? 0 : ende_[j - 1] + 1;
    return text_.substr(anfang, ende_[j] - anfang);
  }

 private:
  std::size_t erwartet_;
  std::string_view text_;
  std::vector<std::size_t> ende_;
};

// One row's inputs, each field read once; amounts in cents as the flowchart takes them,
// integers or decimals.
class Zeile {
 public:
  Zeile(const Plan& plan, int nummer, const Felder& felder)
      : plan_(plan), felder_(felder), nummer_(nummer) {}

  // Reads the input as an amount (every input column must be a number) and checks it against
  // its range (a missing one is 0 and not checked).
  void lies(std::size_t e, const Bereich& b) {
    const std::string_view text = this->text(e);
    if (text.empty()) return;
    // Plain digits, the usual case, are read here; everything else out of line.
    std::int64_t ganz = 0;
    bool ziffern = text.size() <= 9;
    for (std::size_t i = 0; ziffern && i < text.size(); ++i) {
      const unsigned ziffer = static_cast<unsigned char>(text[i]) - unsigned{'0'};
      ziffern = ziffer <= 9;
      ganz = ganz * 10 + ziffer;
    }
    ziffern_[e] = ziffern;
    wert_[e] = Money::euro(ganz);
    if (!ziffern || wert_[e] < b.min || wert_[e] > b.max) liesAndere(e, b);
  }

  Money betrag(std::size_t e) const { return wert_[e]; }
  // Whether the amount read is not 0 (a number has no other characters than these).
  bool nichtNull(std::size_t e) const { return wert_[e] != Money(); }
  // A cent amount of the flowchart as euros.
  // The same as Money::runde(wert / 100), nearest unit with ties to even, in integers.
  Money euro(std::size_t e) const {
    const std::int64_t u = wert_[e].raw();
    std::int64_t q = u / 100;
    const std::int64_t rest = u % 100;
    if (rest > 50 || (rest == 50 && (q & 1) != 0)) ++q;
    if (rest < -50 || (rest == -50 && (q & 1) != 0)) --q;
    return Money::units(q);
  }
  int ganz(std::size_t e) const {
    const std::string_view text = this->text(e);
    if (text.empty()) return 0;
    // Plain digits, the usual case, are the amount already read.
    if (ziffern_[e]) return static_cast<int>(wert_[e].raw() / Money::kScale);
    int wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size()) throw fehler(e);
    return wert;
  }
  float kommazahl(std::size_t e) const {
    const std::string_view text = this->text(e);
    if (text.empty()) return 0;
    float wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size()) throw fehler(e);
    return wert;
  }
 private:
  // Signs and decimals, read by Money::parse, and the range check's message.
  [[gnu::noinline, gnu::cold]] void liesAndere(std::size_t e, const Bereich& b) {
    const std::string_view text = this->text(e);
    if (!ziffern_[e]) {
      try {
        wert_[e] = Money::parse(text);
      } catch (const std::invalid_argument&) {
        throw fehler(e);
      }
    }
    if (wert_[e] >= b.min && wert_[e] <= b.max) return;
    if (b.max == kGross) {
      if (wert_[e] < b.min) throw PapFehler(ort(e) + "darf nicht negativ sein");
      throw PapFehler(ort(e) + "ist zu groß (höchstens " + centText(b.max) + ")");
    }
    throw PapFehler(ort(e) + "liegt nicht zwischen " + centText(b.min) + " und " + centText(b.max));
  }
  std::string ort(std::size_t e) const {
    return "Zeile " + std::to_string(nummer_) + ", Spalte " + std::string(kEingaben[e]) + ": '" +
           std::string(text(e)) + "' ";
  }
  // A text that is a number but none that can be held: too large, negative, too many decimals.
  [[gnu::cold]] PapFehler fehler(std::size_t e) const {
    std::string_view t = text(e);
    const bool negativ = !t.empty() && t.front() == '-';
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) t.remove_prefix(1);
    const std::size_t punkt = t.find('.');
    const std::string_view ganz = t.substr(0, punkt);
    const std::string_view dezimalen = punkt == t.npos ? std::string_view() : t.substr(punkt + 1);
    const auto ziffern = [](std::string_view z) {
      return z.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!ganz.empty() && ziffern(ganz) && ziffern(dezimalen) && (punkt == t.npos || !dezimalen.empty())) {
      if (negativ) return PapFehler(ort(e) + "darf nicht negativ sein");
      if (dezimalen.size() > 4) return PapFehler(ort(e) + "hat mehr als vier Nachkommastellen");
      return PapFehler(ort(e) + "ist zu groß");
    }
    return PapFehler(ort(e) + "ist keine Zahl");
  }
  std::string_view text(std::size_t e) const {
    return plan_.spalte[e] < 0 ? std::string_view()
                               : felder_.Text(static_cast<std::size_t>(plan_.spalte[e]));
  }
  const Plan& plan_;
  const Felder& felder_;
  int nummer_;
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
                               SONSTB = index("SONSTB"), JRE4 = index("JRE4"),
                               STERBE = index("STERBE"), VKAPA = index("VKAPA");
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
  e.STERBE = z.euro(STERBE);
  e.VKAPA = z.euro(VKAPA);
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
  if (engine.HatVMT() && (e.VMT > 0 || (e.VKAPA > 0 && engine.NimmtEingabe("VKAPA")))) {
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

// ",LSTLZZ,...,BKV\n" of a row: whole cents through a buffer on the stack, appended at once.
void schreibeAusgaben(std::string& aus, const Ausgaben& ausgaben) {
  char puffer[std::size(kPapAusgaben) * 24 + 1];
  char* p = puffer;
  for (const std::optional<Money>& w : ausgaben) {
    *p++ = ',';
    if (!w) continue;
    if (w->raw() % Money::kScale != 0) [[unlikely]] {
      aus.append(puffer, p);
      haengeCentAn(aus, *w);
      p = puffer;
      continue;
    }
    p = std::to_chars(p, puffer + sizeof puffer, w->raw() / Money::kScale).ptr;
  }
  *p++ = '\n';
  aus.append(puffer, p);
}

// A block of whole input lines and the number of its first line.
struct Stueck {
  std::string text;
  int ersteZeile = 0;
  bool zuLang = false;  // no lines: the line ersteZeile is longer than kMaxZeile
};

// What a chunk gave: its output up to the first bad row, and that row's message.
struct StueckErgebnis {
  std::string ausgabe;
  PapZusammenfassung summe;
  std::optional<std::string> fehler;
};

StueckErgebnis rechneStueck(const Plan& plan, OruSteuern& engine, const Stueck& stueck) {
  StueckErgebnis r;
  r.ausgabe.reserve(stueck.text.size() + stueck.text.size() / 3);
  Felder felder(plan.spalten);
  std::vector<std::string> fremd;
  const std::string_view block(stueck.text);
  int nummer = stueck.ersteZeile - 1;
  if (stueck.zuLang) r.fehler = zuLangeZeile(stueck.ersteZeile);
  for (std::size_t anfang = 0; anfang < block.size();) {
    std::size_t ende = block.find('\n', anfang);
    if (ende == std::string_view::npos) ende = block.size();
    const std::string_view text = ohneZeilenende(block.substr(anfang, ende - anfang));
    const std::size_t laenge = ende - anfang;
    anfang = ende + 1;
    ++nummer;
    if (text.empty()) continue;
    const std::size_t anzahl = felder.Teile(text);
    try {
      if (laenge > kMaxZeile) throw PapFehler(zuLangeZeile(nummer));
      if (anzahl != plan.spalten)
        throw PapFehler("Zeile " + std::to_string(nummer) + ": " + std::to_string(anzahl) +
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
      schreibeAusgaben(r.ausgabe, ausgaben);
    } catch (const PapFehler& f) {
      r.fehler = f.what();
      break;
    }
  }
  return r;
}

// The inputs without which no row means anything: the pay period, the tax class, the wage.
constexpr std::string_view kPflichtEingaben[] = {"LZZ", "STKL", "RE4"};

bool nimmt(const OruSteuern& engine, std::string_view name) {
  return istEingabe(name) &&
         (engine.NimmtEingabe(std::string(name)) ||
          ((name == "WFUNDF" || name == "HINZUR") && engine.NimmtEingabe("LZZFREIB")));
}

// A column name as it may have been meant: without quotes and blanks, in capitals.
std::string gemeint(std::string_view name) {
  std::string g;
  for (const char c : name)
    if (c != '"' && c != '\'' && c != ' ' && c != '\t')
      g += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  return g;
}

std::string aufzaehlung(const std::vector<std::string>& namen) {
  std::string t;
  for (std::size_t i = 0; i < namen.size(); ++i)
    t += (i == 0 ? "" : i + 1 == namen.size() ? " und " : ", ") + namen[i];
  return t;
}

// Refuses a header without an input every row needs, naming it (and a column that was probably
// meant as it); notes the columns that are no input of the engine.
void pruefeKopf(const std::vector<std::string_view>& spalten, const OruSteuern& engine,
                PapZusammenfassung& summe) {
  std::vector<std::string> fehlend, verschrieben;
  for (const std::string_view p : kPflichtEingaben)
    if (std::find(spalten.begin(), spalten.end(), p) == spalten.end()) fehlend.emplace_back(p);
  for (const std::string_view s : spalten) {
    if (!istEingabe(s) && istEingabe(gemeint(s))) verschrieben.push_back("'" + std::string(s) + "'");
    if (!nimmt(engine, s) &&
        std::find(summe.fremdeSpalten.begin(), summe.fremdeSpalten.end(), s) ==
            summe.fremdeSpalten.end())
      summe.fremdeSpalten.emplace_back(s);
  }
  if (fehlend.empty()) return;
  std::string t = "Zeile 1: " + std::string(fehlend.size() == 1 ? "die Spalte " : "die Spalten ") +
                  aufzaehlung(fehlend) + (fehlend.size() == 1 ? " fehlt" : " fehlen");
  if (!verschrieben.empty())
    t += " (" + aufzaehlung(verschrieben) +
         (verschrieben.size() == 1 ? " wird" : " werden") +
         " nicht gelesen: die Spalten heißen wie die Eingaben des Programmablaufplans, in "
         "Großbuchstaben und ohne Anführungszeichen)";
  throw PapFehler(t);
}

}  // namespace

PapZusammenfassung Pap(std::istream& ein, std::ostream& aus, std::string_view engineName,
                       unsigned threads) {
  if (!EngineNachName(engineName))
    throw PapFehler("Unbekannte Engine '" + std::string(engineName) + "'");

  PapZusammenfassung summe;
  Blockleser leser(ein);
  // The first block: the header, and the first rows after it.
  std::optional<std::string> erster(std::in_place);
  if (!leser.Naechster(*erster))
    throw PapFehler(leser.ZuLang() ? zuLangeZeile(1) : "Zeile 1: die Kopfzeile fehlt");
  const std::size_t kopfEnde = std::min(erster->find('\n'), erster->size());
  const std::string kopfText(ohneZeilenende(std::string_view(*erster).substr(0, kopfEnde)));
  erster->erase(0, std::min(kopfEnde + 1, erster->size()));
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
  if (kopfText.size() > kMaxZeile) throw PapFehler(zuLangeZeile(1));
  pruefeKopf(spalten, *EngineNachName(engineName), summe);
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
  // The lines after the header, block by block; a block's first line number is counted here.
  int naechsteZeile = 2;
  bool weiter = true;
  while (weiter) {
    auto stueck = std::make_shared<Stueck>();
    if (erster) {
      stueck->text = std::move(*erster);
      erster.reset();
    } else {
      weiter = leser.Naechster(stueck->text);
      // The line after the last block is too long: its message comes after the rows before it.
      if (!weiter && leser.ZuLang()) weiter = stueck->zuLang = true;
    }
    if (weiter) {
      stueck->ersteZeile = naechsteZeile;
      const char* const ende = stueck->text.data() + stueck->text.size();
      for (const char* p = stueck->text.data();
           (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(ende - p))));
           ++p)
        ++naechsteZeile;
      arbeit.Gib([&plan, &engines, stueck](unsigned i) {
        return rechneStueck(plan, *engines[i], *stueck);
      });
      if (stueck->zuLang) weiter = false;
    }
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
  try {
    for (const auto& [name, wert] : TeileAufruf(args, "pap").optionen) {
      if (name == "threads") {
        if (const std::string f = LiesThreads(wert, threads); !f.empty()) throw OptionsFehler(f);
      } else {
        (name == "engine" ? engine : name == "input" ? eingabe : ausgabe) = wert;
        mitAusgabe = mitAusgabe || name == "output";
      }
    }
  } catch (const OptionsFehler& f) {
    fehler << "salvaro-cli pap: " << f.what() << '\n';
    BefehlsHilfe(fehler, "pap");
    return kFalscheEingabe;
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
  if (!summe.fremdeSpalten.empty()) {
    fehler << "Spalten ohne Eingabe von " << engine << " (unverändert ausgegeben):";
    for (std::size_t i = 0; i < summe.fremdeSpalten.size(); ++i)
      fehler << (i ? ", " : " ") << summe.fremdeSpalten[i];
    fehler << '\n';
  }
  return kErfolg;
}

}  // namespace salvaro
