#include "cli/Rechnen.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <fstream>
#include <ostream>
#include <sstream>

#include "abrechnung/Anzeige.h"
#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Zahlentext.h"
#include "cli/Pdf.h"
#include "engine/Gehalt.h"

namespace salvaro {

namespace {

std::string kleingeschrieben(std::string_view s) {
  std::string k(s);
  for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return k;
}

OptionsFehler fehlerIn(std::string_view name, const std::string& text) {
  return OptionsFehler("--" + std::string(name) + ": " + text);
}

Money betragIm(std::string_view name, std::string_view wert, Money min, Money max) {
  const Money m = LiesBetragOption(name, wert);
  if (m < min || m > max)
    throw fehlerIn(name, "'" + std::string(wert) + "' liegt nicht zwischen " + FormatDE(min) +
                             " und " + FormatDE(max));
  return m;
}

int ganzzahlIm(std::string_view name, std::string_view wert, int min, int max) {
  int zahl = 0;
  try {
    zahl = LiesGanzzahl(wert);
  } catch (const KonvertierungsFehler& f) {
    throw fehlerIn(name, f.what());
  }
  if (zahl < min || zahl > max)
    throw fehlerIn(name, "'" + std::string(wert) + "' liegt nicht zwischen " +
                             std::to_string(min) + " und " + std::to_string(max));
  return zahl;
}

std::string vierZiffern(std::string_view name, std::string_view wert) {
  if (wert.size() != 4 || wert.find_first_not_of("0123456789") != std::string_view::npos)
    throw fehlerIn(name, "'" + std::string(wert) + "' ist nicht vierstellig");
  return std::string(wert);
}

bool schalterWert(std::string_view name, std::string_view wert) {
  const std::string w = kleingeschrieben(wert);
  if (w.empty() || w == "1" || w == "ja" || w == "true" || w == "x") return true;
  if (w == "0" || w == "nein" || w == "false") return false;
  throw fehlerIn(name, "'" + std::string(wert) + "' ist weder ja noch nein");
}

const std::vector<std::string_view> kSchalter = {
    "pkv-ohne-zuschuss", "ost",        "besondere-tabelle", "ohne-uebergangsbereich",
    "rv-verzicht",       "pv-nicht-erhoeht", "pv-sachsen", "frw-tats-brutto"};

std::string jsonText(std::string_view s) {
  std::string j = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      j += '\\';
      j += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      j += "\\u00";
      j += kHex[(c >> 4) & 0xF];
      j += kHex[c & 0xF];
    } else {
      j += c;
    }
  }
  return j + "\"";
}

Datum liesDatum(std::string_view wert) {
  // JJJJ-MM-TT
  if (wert.size() != 10 || wert[4] != '-' || wert[7] != '-')
    throw fehlerIn("heute", "'" + std::string(wert) + "' ist kein Datum der Form JJJJ-MM-TT");
  Datum d;
  d.jahr = ganzzahlIm("heute", wert.substr(0, 4), 1900, 9999);
  d.monat = ganzzahlIm("heute", wert.substr(5, 2), 1, 12);
  d.tag = ganzzahlIm("heute", wert.substr(8, 2), 1, 31);
  return d;
}

}  // namespace

const std::vector<std::string_view>& RechneOptionen() {
  static const std::vector<std::string_view> optionen = {
      "brutto",      "netto",           "jahr",           "monat",
      "steuerklasse", "faktor",         "kinderfreibetrag", "kinder-unter-25", "freibetrag",
      "kirchensteuer", "geburtsjahr",   "beitragsgruppe", "kv-satz",
      "kv-zusatz",   "pkv",             "ppv",            "pkv-ohne-zuschuss",
      "ost",         "besondere-tabelle", "ohne-uebergangsbereich", "rv-verzicht",
      "pv-nicht-erhoeht", "pv-sachsen", "frw-tats-brutto", "steuerbrutto",
      "sv-brutto",   "heute"};
  return optionen;
}

bool IstSchalter(std::string_view name) {
  return std::find(kSchalter.begin(), kSchalter.end(), name) != kSchalter.end();
}

Money LiesBetragOption(std::string_view name, std::string_view wert) {
  std::string text(wert);
  // Without a comma a point is the decimal point, unless three digits follow it (thousands).
  if (text.find(',') == std::string::npos) {
    const std::size_t punkt = text.rfind('.');
    const bool tausender = punkt != std::string::npos && text.size() - punkt == 4;
    if (!tausender && punkt != std::string::npos) text[punkt] = ',';
  }
  try {
    return LiesFeld(text);
  } catch (const KonvertierungsFehler& f) {
    throw fehlerIn(name, f.what());
  }
}

void SetzeOption(Auftrag& a, std::string_view name, std::string_view wert) {
  Eingaben& e = a.eingaben;
  const Money kMax = Money::euro(1000000);
  const auto amount = [&](Money min, Money max) { return SchlichterText(betragIm(name, wert, min, max)); };
  if (IstSchalter(name)) {
    const bool an = schalterWert(name, wert);
    if (name == "pkv-ohne-zuschuss") e.PKVOhneZuschuss = an;
    if (name == "ost") e.Ost = an;
    if (name == "besondere-tabelle") e.BesondereTabelle = an;
    if (name == "ohne-uebergangsbereich") e.OhneUebergangsbereich = an;
    if (name == "rv-verzicht") e.RVVerzicht = an;
    if (name == "pv-nicht-erhoeht") e.PVNichtErhoeht = an;
    if (name == "pv-sachsen") e.PVSachsen = an;
    if (name == "frw-tats-brutto") e.FrwTatsBrutto = an;
  } else if (name == "brutto") {
    e.Brutto = amount(Money(), kMax);
    a.feld = Feld::Brutto;
  } else if (name == "netto") {
    e.Netto = amount(Money(), kMax);
    a.feld = Feld::Netto;
  } else if (name == "jahr") {
    e.Jahr = std::to_string(ganzzahlIm(name, wert, ErstesRechenjahr(), LetztesRechenjahr()));
  } else if (name == "monat") {
    int nr = 0;
    for (std::size_t i = 0; i < kMonatsnamen.size(); ++i)
      if (kleingeschrieben(kMonatsnamen[i]) == kleingeschrieben(wert)) nr = static_cast<int>(i) + 1;
    if (nr == 0) nr = ganzzahlIm(name, wert, 1, 12);
    e.MonatNr = nr;
    e.Monat = std::string(kMonatsnamen[nr - 1]);
    a.monatGesetzt = true;
  } else if (name == "steuerklasse") {
    e.StKl = std::to_string(ganzzahlIm(name, wert, 1, 6));
  } else if (name == "faktor") {
    e.Faktor = amount(Money(), Money::euro(1));
  } else if (name == "kinderfreibetrag") {
    e.KiFB = amount(Money(), Money::euro(20));
  } else if (name == "kinder-unter-25") {
    e.KinderUnter25 = std::to_string(ganzzahlIm(name, wert, 0, 9));
  } else if (name == "freibetrag") {
    e.StFB = amount(-kMax, kMax);
  } else if (name == "kirchensteuer") {
    const std::string w = kleingeschrieben(wert);
    std::string land;
    for (std::string_view l : kKiStLaender)
      if (kleingeschrieben(l) == w || (w == "keine" && l == kKiStLaender[0])) land = l;
    if (land.empty())
      throw fehlerIn(name, "'" + std::string(wert) + "' ist kein Bundesland der Liste (oder 'keine')");
    e.KiLand = land;
  } else if (name == "geburtsjahr") {
    e.GebJahr = vierZiffern(name, wert);
  } else if (name == "beitragsgruppe") {
    e.BGR = vierZiffern(name, wert);
  } else if (name == "kv-satz") {
    e.KV = FormatBild(betragIm(name, wert, Money(), Money::parse("99.99")), 2, false) + "%";
    a.kvSatzGesetzt = true;
  } else if (name == "kv-zusatz") {
    e.KVZus = "+ " + FormatBild(betragIm(name, wert, Money(), Money::parse("9.99")), 2, false) + "%";
    a.kvZusatzGesetzt = true;
  } else if (name == "pkv") {
    e.PKV = amount(Money(), Money::euro(9999));
    e.ChkPKV = true;
  } else if (name == "ppv") {
    e.PPV = amount(Money(), kMax);
    e.ChkPPV = true;
  } else if (name == "steuerbrutto") {
    e.StBrutto = amount(Money(), kMax);
    e.BruttoUebernahme = false;
  } else if (name == "sv-brutto") {
    e.SVBrutto = amount(Money(), kMax);
    e.BruttoUebernahme = false;
  } else if (name == "heute") {
    a.heute = liesDatum(wert);
  } else {
    throw OptionsFehler("unbekannte Option --" + std::string(name));
  }
}

void Vervollstaendige(Auftrag& a) {
  Eingaben& e = a.eingaben;
  const int jahr = LiesGanzzahl(e.Jahr);
  if (!a.monatGesetzt) {
    // The window opens on the current month.
    e.MonatNr = a.heute.monat;
    e.Monat = std::string(kMonatsnamen[a.heute.monat - 1]);
  }
  if (!a.kvSatzGesetzt) {
    if (auto satz = KVSatzNachGruppe(jahr, e.MonatNr, e.BGR[0] - '0')) e.KV = *satz + "%";
  }
  if (!a.kvZusatzGesetzt) e.KVZus = KVZusEingebbar(jahr) ? KVZusVorgabe(jahr) : kKVZusVor2015;
  if (!e.BruttoUebernahme) {
    // Only one of the two special gross amounts given: the other is the gross.
    const std::string brutto = a.feld == Feld::Brutto ? e.Brutto : e.Netto;
    if (e.StBrutto == "0,00") e.StBrutto = brutto;
    if (e.SVBrutto == "0,00") e.SVBrutto = brutto;
  }
}

std::string AlsJson(const Auftrag& a, const Ergebnis& r) {
  const Eingaben& e = a.eingaben;
  std::ostringstream j;
  j << "{\n";
  const auto feld = [&j](std::string_view n, std::string_view w) {
    j << "  " << jsonText(n) << ": " << jsonText(w) << ",\n";
  };
  feld("Abrechnungsmonat", e.Monat + " " + e.Jahr);
  feld("Brutto", e.Brutto);
  feld("Steuerbrutto", e.StBrutto);
  feld("SVBrutto", e.SVBrutto);
  feld("Lohnsteuer", r.LSt);
  feld("Kirchensteuer", r.KiSt);
  feld("Solidaritaetszuschlag", r.SolZ);
  feld("Krankenversicherung", r.KV);
  feld("Rentenversicherung", r.RV);
  feld("Arbeitslosenversicherung", r.AV);
  feld("Pflegeversicherung", r.PV);
  feld("SummeGesetzlicheAbzuege", FormatDE(LiesFeld(r.GesAbz)));
  feld("Netto", e.Netto);
  feld("RVSatz", r.saetze.RV);
  feld("AVSatz", r.saetze.AV);
  feld("PVSatz", r.saetze.PV);
  feld("KVSatz", e.KV);
  feld("KVZusatz", e.KVZus);
  j << "  \"Berechnungsschritte\": " << r.schritte << ",\n  \"Meldungen\": [";
  for (std::size_t i = 0; i < r.meldungen.size(); ++i)
    j << (i ? ", " : "") << jsonText(r.meldungen[i].text);
  j << "]\n}\n";
  return j.str();
}

namespace {

constexpr int kAbgelehnt = 2;

// One calculation; messages go to fehler. Returns the exit code.
int rechne(Auftrag& a, Ergebnis& r, std::ostream& fehler) {
  Vervollstaendige(a);
  TLohnGehalt fall;
  const Start s = StarteMitEnter(a.eingaben, a.feld);
  if (s.meldung) {
    fehler << s.meldung->text << '\n';
    return kAbgelehnt;
  }
  if (!s.rechnen) {
    fehler << "Bitte Brutto oder Netto eingeben\n";
    return kAbgelehnt;
  }
  try {
    r = Berechne(a.eingaben, fall, a.heute);
  } catch (const KonvertierungsFehler& f) {
    fehler << f.what() << '\n';
    return kAbgelehnt;
  } catch (const RechenFehler& f) {
    fehler << "Rechenfehler: " << f.what() << '\n';
    return kAbgelehnt;
  }
  for (const Meldung& m : r.meldungen) fehler << m.text << '\n';
  return r.gerechnet ? 0 : kAbgelehnt;
}

}  // namespace

int RechneBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute) {
  Auftrag a;
  a.heute = heute;
  bool json = false, betrag = false;
  std::string speichern, pdf, papier;
  try {
    for (std::size_t i = 0; i < args.size(); ++i) {
      std::string_view arg = args[i];
      if (arg.substr(0, 2) != "--") throw OptionsFehler("unerwartetes Argument '" + std::string(arg) + "'");
      arg.remove_prefix(2);
      std::string wert;
      if (const std::size_t gleich = arg.find('='); gleich != std::string_view::npos) {
        wert = std::string(arg.substr(gleich + 1));
        arg = arg.substr(0, gleich);
      } else if (arg != "json" && !IstSchalter(arg)) {
        if (i + 1 >= args.size()) throw OptionsFehler("--" + std::string(arg) + " braucht einen Wert");
        wert = args[++i];
      }
      if (arg == "json") {
        json = true;
      } else if (arg == "speichern") {
        speichern = wert;
      } else if (arg == "pdf") {
        pdf = wert;
      } else if (arg == "papier") {
        papier = wert;
      } else {
        SetzeOption(a, arg, wert);
        betrag = betrag || arg == "brutto" || arg == "netto";
      }
    }
    if (!betrag) throw OptionsFehler("--brutto oder --netto fehlt");
  } catch (const OptionsFehler& f) {
    fehler << "salvaro-cli rechne: " << f.what() << '\n';
    return kAbgelehnt;
  }
  Ergebnis r;
  const int code = rechne(a, r, fehler);
  if (!r.gerechnet) return code;
  if (json) {
    aus << AlsJson(a, r);
  } else if (speichern.empty() && pdf.empty()) {
    for (const std::string& z : r.abrechnung) aus << z << '\n';
  }
  if (!speichern.empty()) {
    // As the save dialog: a name without an extension gets ".txt".
    const std::size_t punkt = speichern.find_last_of("./");
    if (punkt == std::string::npos || speichern[punkt] == '/') speichern += ".txt";
    const std::string f = SpeichereAbrechnung(r.abrechnung, speichern);
    if (!f.empty()) {
      fehler << f << '\n';
      return kAbgelehnt;
    }
  }
  if (!pdf.empty()) {
    const std::string f = SchreibePdf(pdf, r.abrechnung, papier);
    if (!f.empty()) {
      fehler << f << '\n';
      return kAbgelehnt;
    }
  }
  return code;
}

namespace {

std::vector<std::string> teileCsv(const std::string& zeile, char trenner) {
  std::vector<std::string> felder(1);
  bool zitat = false;
  for (std::size_t i = 0; i < zeile.size(); ++i) {
    const char c = zeile[i];
    if (zitat) {
      if (c == '"' && i + 1 < zeile.size() && zeile[i + 1] == '"') {
        felder.back() += '"';
        ++i;
      } else if (c == '"') {
        zitat = false;
      } else {
        felder.back() += c;
      }
    } else if (c == '"') {
      zitat = true;
    } else if (c == trenner) {
      felder.emplace_back();
    } else if (c != '\r') {
      felder.back() += c;
    }
  }
  return felder;
}

std::string csvFeld(const std::string& s, char trenner) {
  if (s.find_first_of(std::string("\"\n") + trenner) == std::string::npos) return s;
  std::string z = "\"";
  for (const char c : s) z += c == '"' ? std::string("\"\"") : std::string(1, c);
  return z + "\"";
}

// Amounts in the output: German notation with ";", plain with a decimal point with ",".
std::string ausgabeBetrag(const std::string& angezeigt, char trenner) {
  const Money m = LiesFeld(angezeigt);
  return trenner == ';' ? FormatBild(m, 2, false) : [&] {
    std::string t = FormatBild(m, 2, false);
    t[t.find(',')] = '.';
    return t;
  }();
}

}  // namespace

int StapelBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute, bool fortschrittAnzeigen) {
  if (args.size() != 1) {
    fehler << "salvaro-cli stapel: Aufruf: salvaro-cli stapel EINGABE.csv\n";
    return kAbgelehnt;
  }
  std::ifstream datei(args[0], std::ios::binary);
  if (!datei) {
    fehler << "salvaro-cli stapel: die Datei \"" << args[0] << "\" kann nicht gelesen werden\n";
    return kAbgelehnt;
  }
  return Stapel(datei, aus, fehler, heute, fortschrittAnzeigen);
}

int Stapel(std::istream& ein, std::ostream& aus, std::ostream& fehler, const Datum& heute,
           bool fortschrittAnzeigen) {
  std::vector<std::string> zeilen;
  for (std::string z; std::getline(ein, z);)
    if (!z.empty() && z != "\r") zeilen.push_back(z);
  if (zeilen.empty()) {
    fehler << "salvaro-cli stapel: Zeile 1: die Kopfzeile fehlt\n";
    return kAbgelehnt;
  }
  const char trenner = zeilen[0].find(';') != std::string::npos ? ';' : ',';
  std::vector<std::string> kopf = teileCsv(zeilen[0], trenner);
  for (std::string& k : kopf) {
    while (!k.empty() && k.front() == ' ') k.erase(0, 1);
    while (!k.empty() && k.back() == ' ') k.pop_back();
    if (k.rfind("--", 0) == 0) k.erase(0, 2);
    const auto& optionen = RechneOptionen();
    if (std::find(optionen.begin(), optionen.end(), k) == optionen.end()) {
      fehler << "salvaro-cli stapel: Zeile 1: unbekannte Spalte '" << k << "'\n";
      return kAbgelehnt;
    }
  }
  static constexpr const char* kErgebnisse[] = {
      "Lohnsteuer",         "Kirchensteuer",        "Solidaritaetszuschlag",
      "Krankenversicherung", "Rentenversicherung", "Arbeitslosenversicherung",
      "Pflegeversicherung", "Abzuege",              "Netto",
      "Brutto",             "Berechnungsschritte",  "Meldung"};
  for (std::size_t i = 0; i < kopf.size(); ++i) aus << (i ? std::string(1, trenner) : "") << kopf[i];
  for (const char* e : kErgebnisse) aus << trenner << e;
  aus << '\n';

  int fehlerhaft = 0;
  const std::size_t anzahl = zeilen.size() - 1;
  const bool balken = fortschrittAnzeigen && anzahl > 1000;
  for (std::size_t n = 1; n < zeilen.size(); ++n) {
    const std::vector<std::string> felder = teileCsv(zeilen[n], trenner);
    const std::string ort = "Zeile " + std::to_string(n + 1);
    Auftrag a;
    a.heute = heute;
    Ergebnis r;
    std::string meldung;
    bool ok = true;
    if (felder.size() != kopf.size()) {
      meldung = ort + ": " + std::to_string(felder.size()) + " Spalten statt " +
                std::to_string(kopf.size());
      ok = false;
    }
    for (std::size_t i = 0; ok && i < kopf.size(); ++i) {
      if (felder[i].empty()) continue;
      try {
        SetzeOption(a, kopf[i], felder[i]);
      } catch (const OptionsFehler& f) {
        meldung = ort + ", Spalte " + kopf[i] + ": " + f.what();
        ok = false;
      }
    }
    if (ok) {
      std::ostringstream meldungen;
      ok = rechne(a, r, meldungen) == 0 || r.gerechnet;
      meldung = meldungen.str();
      while (!meldung.empty() && meldung.back() == '\n') meldung.pop_back();
      for (char& c : meldung)
        if (c == '\n') c = ' ';
      if (!ok) meldung = ort + ": " + meldung;
    }
    if (!ok) {
      ++fehlerhaft;
      fehler << "salvaro-cli stapel: " << meldung << '\n';
    }
    for (std::size_t i = 0; i < kopf.size(); ++i)
      aus << (i ? std::string(1, trenner) : "") << csvFeld(i < felder.size() ? felder[i] : "", trenner);
    if (ok) {
      for (const std::string* w : {&r.LSt, &r.KiSt, &r.SolZ, &r.KV, &r.RV, &r.AV, &r.PV})
        aus << trenner << ausgabeBetrag(*w, trenner);
      aus << trenner << ausgabeBetrag(r.GesAbz, trenner) << trenner
          << ausgabeBetrag(a.eingaben.Netto, trenner) << trenner
          << ausgabeBetrag(a.eingaben.Brutto, trenner) << trenner << r.schritte;
    } else {
      aus << std::string(10, trenner);
    }
    aus << trenner << csvFeld(meldung, trenner) << '\n';
    if (balken && (n % 100 == 0 || n == anzahl)) {
      const int prozent = static_cast<int>(n * 100 / anzahl);
      fehler << "\r[" << std::string(prozent / 5, '=') << std::string(20 - prozent / 5, ' ') << "] "
             << prozent << " % (" << n << " von " << anzahl << ")" << std::flush;
    }
  }
  if (balken) fehler << '\n';
  fehler << anzahl << " Zeilen gerechnet";
  if (fehlerhaft) fehler << ", " << fehlerhaft << " mit Fehler";
  fehler << '\n';
  return 0;
}

}  // namespace salvaro
