#include "cli/Rechnen.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <fstream>
#include <functional>
#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <utility>

#include "abrechnung/Altersangaben.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Cp1252.h"
#include "abrechnung/Datei.h"
#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Zahlentext.h"
#include "cli/Aufruf.h"
#include "cli/Bezugsoptionen.h"
#include "cli/Optionen.h"
#include "cli/Parallel.h"
#include "cli/Pdf.h"
#include "engine/Gehalt.h"

namespace salvaro {

namespace {

std::string kleingeschrieben(std::string_view s) {
  std::string k(s);
  // ASCII only, as std::tolower in the "C" locale, without a call per character.
  for (char& c : k)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return k;
}

OptionsFehler fehlerIn(std::string_view name, const std::string& text) {
  return OptionsFehler("--" + std::string(name) + ": " + text);
}

Money betragIm(std::string_view name, std::string_view wert, Money min, Money max,
               int nachkommastellen = 2) {
  try {
    return LiesImBereich(wert, nachkommastellen, min, max);
  } catch (const KonvertierungsFehler& f) {
    throw fehlerIn(name, f.what());
  }
}

// An option whose field in the window has these bounds: the same rule, the same message.
Money betragWieFeld(std::string_view name, std::string_view wert, Zahlfeldgrenzen grenzen) {
  return betragIm(name, wert, Money::euro(grenzen.min), Money::euro(grenzen.max),
                  grenzen.kommastellen);
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
    "rv-verzicht",       "pv-nicht-erhoeht", "pv-sachsen", "frw-tats-brutto", "nicht-im-vorjahr",
    "pauschsteuer-ag",   "arbeitgeber"};

// The options of age and pension payments, one table for the options, the switches and the
// stapel columns: a switch takes no value.
struct AltersOption {
  std::string_view name;
  bool schalter;
};
constexpr AltersOption kAltersOptionen[] = {
    {"geburtsmonat", false},   {"versorgungsbezug", false}, {"versorgungsbeginn", false},
    {"betriebsrente", true},   {"beamtenpension", true},    {"aktivrente", true},
    {"ohne-aktivrente", true},
};

const AltersOption* altersOption(std::string_view name) {
  for (const AltersOption& o : kAltersOptionen)
    if (o.name == name) return &o;
  return nullptr;
}

// Applies an option of the table; false for a name that is not one of them.
bool setzeAltersOption(Eingaben& e, std::string_view name, std::string_view wert,
                       const std::function<bool()>& an) {
  if (name == "geburtsmonat") {
    const std::optional<int> m = GebMonatAus(std::string(wert));
    if (!m || *m == 0)
      throw fehlerIn(name, "'" + std::string(wert) + "' ist kein Monat (1 bis 12 oder Monatsname)");
    e.GebMonat = std::to_string(*m);
  } else if (name == "versorgungsbezug") {
    e.Versorgungsbezug = SchlichterText(betragIm(name, wert, Money(), Money::euro(1000000)));
  } else if (name == "versorgungsbeginn") {
    if (!VersorgungsbeginnAus(std::string(wert)))
      throw fehlerIn(name, "'" + std::string(wert) + "' ist kein Beginn der Form JJJJ oder JJJJ-MM");
    e.Versorgungsbeginn = std::string(wert);
  } else if (name == "betriebsrente") {
    if (an()) e.Beamtenpension = false;
  } else if (name == "beamtenpension") {
    e.Beamtenpension = an();
  } else if (name == "aktivrente") {
    // Named on purpose, it is also the employee's confirmation for class VI.
    e.Aktivrente = e.AktivrenteStKl6 = an();
  } else if (name == "ohne-aktivrente") {
    if (an()) e.Aktivrente = e.AktivrenteStKl6 = false;
  } else {
    return false;
  }
  return true;
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

Money LiesBetragIm(std::string_view name, std::string_view wert, Money min, Money max) {
  return betragIm(name, wert, min, max);
}
int LiesGanzzahlIm(std::string_view name, std::string_view wert, int min, int max) {
  return ganzzahlIm(name, wert, min, max);
}
bool LiesSchalterwert(std::string_view name, std::string_view wert) {
  return schalterWert(name, wert);
}

const std::vector<std::string_view>& RechneOptionen() {
  static const std::vector<std::string_view> optionen = [] {
    std::vector<std::string_view> o = {
      "brutto",      "netto",           "jahr",           "monat",
      "steuerklasse", "faktor",         "kinderfreibetrag", "kinder-unter-25", "freibetrag",
      "kirchensteuer", "geburtsjahr",   "beitragsgruppe", "kv-satz",
      "kv-zusatz",   "pkv",             "ppv",            "pkv-ohne-zuschuss",
      "ost",         "besondere-tabelle", "ohne-uebergangsbereich", "rv-verzicht",
      "pv-nicht-erhoeht", "pv-sachsen", "frw-tats-brutto", "steuerbrutto",
      "sv-brutto",   "einmalzahlung", "jahresbrutto-bisher", "nicht-im-vorjahr",
      "abfindung",   "mehrjaehrige-verguetung", "u1-satz",  "u2-satz",  "pauschsteuer-ag",
      "arbeitgeber", "heute"};
    // The options of age and pension payments follow as a block.
    for (const AltersOption& a : kAltersOptionen) o.push_back(a.name);
    // The pay components, as a block.
    for (const Bezugsoption& b : Bezugsoptionen()) o.push_back(b.name);
    return o;
  }();
  return optionen;
}

bool IstSchalter(std::string_view name) {
  if (const AltersOption* o = altersOption(name)) return o->schalter;
  if (const Bezugsoption* b = BezugsoptionFuer(name))
    return b->wert == Bezugsoption::Wert::Schalter;
  return std::find(kSchalter.begin(), kSchalter.end(), name) != kSchalter.end();
}

Money LiesBetragOption(std::string_view name, std::string_view wert, int nachkommastellen) {
  try {
    return LiesZahlentext(wert, nachkommastellen);
  } catch (const KonvertierungsFehler& f) {
    throw fehlerIn(name, f.what());
  }
}

void SetzeOption(Auftrag& a, std::string_view name, std::string_view wert) {
  Eingaben& e = a.eingaben;
  const auto amount = [&](Zahlfeldgrenzen grenzen) {
    return SchlichterText(betragWieFeld(name, wert, grenzen));
  };
  // The options of age and of the pay components come last: a stapel file sets the common
  // ones on every row, and their names are none of the others.
  if (std::find(kSchalter.begin(), kSchalter.end(), name) != kSchalter.end()) {
    const bool an = schalterWert(name, wert);
    if (name == "pkv-ohne-zuschuss") e.PKVOhneZuschuss = an;
    if (name == "ost") e.Ost = an;
    if (name == "besondere-tabelle") e.BesondereTabelle = an;
    if (name == "ohne-uebergangsbereich") e.OhneUebergangsbereich = an;
    if (name == "rv-verzicht") e.RVVerzicht = an;
    if (name == "pv-nicht-erhoeht") e.PVNichtErhoeht = an;
    if (name == "pv-sachsen") e.PVSachsen = an;
    if (name == "frw-tats-brutto") e.FrwTatsBrutto = an;
    if (name == "nicht-im-vorjahr") e.ImVorjahrBeschaeftigt = !an;
    if (name == "pauschsteuer-ag") e.PauschsteuerAG = an;
    if (name == "arbeitgeber") e.Arbeitgeberseite = an;
  } else if (name == "brutto" || name == "netto") {
    // Gross to net or net to gross: the one the last option named would be taken silently.
    if (name == "brutto" ? a.nettoGesetzt : a.bruttoGesetzt)
      throw OptionsFehler("--brutto und --netto schließen sich aus");
    (name == "brutto" ? e.Brutto : e.Netto) = amount(kGrenzenBetrag);
    (name == "brutto" ? a.bruttoGesetzt : a.nettoGesetzt) = true;
    a.feld = name == "brutto" ? Feld::Brutto : Feld::Netto;
  } else if (name == "jahr") {
    e.Jahr = std::to_string(ganzzahlIm(name, wert, ErstesRechenjahr(), LetztesRechenjahr()));
    a.jahrGesetzt = true;
  } else if (name == "monat") {
    int nr = MonatAusNameOhneGrossschreibung(wert);
    if (nr == 0) nr = ganzzahlIm(name, wert, 1, 12);
    e.MonatNr = nr;
    e.Monat = std::string(kMonatsnamen[nr - 1]);
    a.monatGesetzt = true;
  } else if (name == "steuerklasse") {
    e.StKl = std::to_string(ganzzahlIm(name, wert, 1, 6));
  } else if (name == "faktor") {
    // The factor of tax class IV has three decimals; 0 would mean none.
    const Money faktor = betragWieFeld(name, wert, kGrenzenFaktor);
    if (faktor == Money())
      throw fehlerIn(name, "'" + std::string(wert) + "' ist kein Faktor; ohne Faktor entfällt --faktor");
    e.Faktor = SchlichterText(faktor);
    a.faktorGesetzt = true;
  } else if (name == "kinderfreibetrag") {
    e.KiFB = amount(kGrenzenKinderfreibetrag);
  } else if (name == "kinder-unter-25") {
    e.KinderUnter25 = std::to_string(ganzzahlIm(name, wert, 0, 9));
  } else if (name == "freibetrag") {
    e.StFB = amount(kGrenzenSteuerfreibetrag);
  } else if (name == "kirchensteuer") {
    const bool keine = GleichOhneGrossschreibung(wert, "keine");
    std::string land;
    for (std::string_view l : kKiStLaender)
      if (GleichOhneGrossschreibung(l, wert) || (keine && l == kKiStLaender[0])) land = l;
    if (land.empty())
      throw fehlerIn(name, "'" + std::string(wert) + "' ist kein Bundesland der Liste (oder 'keine')");
    e.KiLand = land;
  } else if (name == "geburtsjahr") {
    e.GebJahr = vierZiffern(name, wert);
  } else if (name == "beitragsgruppe") {
    e.BGR = vierZiffern(name, wert);
    // As in the window: this group selects the switch of pension insurance in marginal
    // employment.
    if (e.BGR == kBGRMitRVVerzicht) e.RVVerzicht = true;
  } else if (name == "kv-satz") {
    e.KV = FormatBild(betragIm(name, wert, Money(), Money::parse("99.99")), 2, false) + "%";
    a.kvSatzGesetzt = true;
  } else if (name == "kv-zusatz") {
    e.KVZus = "+ " + FormatBild(betragIm(name, wert, Money(), Money::parse("9.99")), 2, false) + "%";
    a.kvZusatzGesetzt = true;
  } else if (name == "pkv") {
    e.PKV = amount(kGrenzenPKV);
    e.ChkPKV = true;
  } else if (name == "ppv") {
    e.PPV = amount(kGrenzenPPV);
    e.ChkPPV = true;
  } else if (name == "steuerbrutto") {
    e.StBrutto = amount(kGrenzenBetrag);
    e.BruttoUebernahme = false;
  } else if (name == "sv-brutto") {
    e.SVBrutto = amount(kGrenzenBetrag);
    e.BruttoUebernahme = false;
  } else if (name == "einmalzahlung") {
    e.Einmalzahlung = amount(kGrenzenBetrag);
  } else if (name == "jahresbrutto-bisher") {
    e.JahresbruttoBisher = amount(kGrenzenJahresbruttoBisher);
  } else if (name == "abfindung") {
    e.Abfindung = amount(kGrenzenAbfindung);
  } else if (name == "mehrjaehrige-verguetung") {
    e.MehrjaehrigeVerguetung = amount(kGrenzenAbfindung);
  } else if (name == "u1-satz") {
    e.U1Satz = amount(kGrenzenUmlagesatz);
  } else if (name == "u2-satz") {
    e.U2Satz = amount(kGrenzenUmlagesatz);
  } else if (name == "heute") {
    a.heute = liesDatum(wert);
  } else if (const Bezugsoption* b = BezugsoptionFuer(name)) {
    SetzeBezugsoption(e, *b, wert);
  } else if (!setzeAltersOption(e, name, wert, [&] { return schalterWert(name, wert); })) {
    throw OptionsFehler("unbekannte Option --" + std::string(name));
  }
}

void SetzeZeitraum(Auftrag& a) {
  Eingaben& e = a.eingaben;
  // As the window opens: the current month, when the program covers it.
  const Zeitraum z = Vorgabezeitraum(a.heute);
  if (!a.jahrGesetzt) e.Jahr = std::to_string(z.jahr);
  if (!a.monatGesetzt) {
    e.MonatNr = z.monat;
    e.Monat = std::string(kMonatsnamen[z.monat - 1]);
  }
}

void PruefeAuftrag(Auftrag& a) {
  SetzeZeitraum(a);
  if (a.faktorGesetzt && !FaktorSichtbar(LiesGanzzahl(a.eingaben.Jahr), a.eingaben.StKl))
    throw OptionsFehler("--faktor gilt nur in Steuerklasse 4, ab 2010");
}

void Vervollstaendige(Auftrag& a) {
  Eingaben& e = a.eingaben;
  SetzeZeitraum(a);
  const int jahr = LiesGanzzahl(e.Jahr);
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

double AlsJsonZahl(Money betrag) {
  return static_cast<double>(betrag.raw()) / static_cast<double>(Money::kScale);
}

namespace {

// A rate display ("18,60%", "+ 1,60%") as its number in percent.
double satz(std::string_view anzeige) {
  std::string zahl;
  for (const char c : anzeige)
    if (c != '%' && c != '+' && c != ' ') zahl += c;
  return AlsJsonZahl(LiesFeld(zahl));
}

// A result of payment, severance and employer with its JSON key and stapel column; mehrjaehrig:
// a result of several years' pay, written by stapel only for input that has its column.
struct Einmalwert {
  const char* name;
  Money wert;
  bool mehrjaehrig = false;
};

// The results of payment, severance and employer; deductions negative.
std::array<Einmalwert, 18> einmalWerte(const Einmalergebnis& z) {
  return {{{"LohnsteuerEinmalzahlung", -z.LStEinmal},
           {"SolidaritaetszuschlagEinmalzahlung", -z.SolZEinmal},
           {"KirchensteuerEinmalzahlung", -z.KiStEinmal},
           {"SVEinmalzahlung", -z.SVEinmalAN},
           {"NettoEinmalzahlung", z.NettoEinmal},
           {"LohnsteuerMehrjaehrigeVerguetung", -z.LStMehrjaehrig, true},
           {"SolidaritaetszuschlagMehrjaehrigeVerguetung", -z.SolZMehrjaehrig, true},
           {"KirchensteuerMehrjaehrigeVerguetung", -z.KiStMehrjaehrig, true},
           {"SVMehrjaehrigeVerguetung", -z.SVMehrjaehrigAN, true},
           {"NettoMehrjaehrigeVerguetung", z.NettoMehrjaehrig, true},
           {"LohnsteuerAbfindung", -z.LStAbfindung},
           {"NettoGesamt", z.NettoGesamt},
           {"ArbeitgeberKV", z.KVAG},
           {"ArbeitgeberRV", z.RVAG},
           {"ArbeitgeberAV", z.AVAG},
           {"ArbeitgeberPV", z.PVAG},
           {"Umlagen", z.Umlagen},
           {"ArbeitgeberGesamtkosten", z.Gesamtkosten}}};
}

// The results of age and pension payments with their JSON keys and stapel columns: the month the
// retirement age is reached and the contribution group proposed after it as texts, then the
// amounts (contributions negative).
constexpr const char* kRegelaltersgrenze = "Regelaltersgrenze";
constexpr const char* kBeitragsgruppenvorschlag = "Beitragsgruppenvorschlag";
std::array<std::pair<const char*, Money>, 6> alterBetraege(const Alterswerte& w) {
  return {{{"Aktivrente", w.aktivrente},
           {"AktivrenteEinmalzahlung", w.aktivrenteEinmal},
           {"Versorgungsfreibetrag", w.versorgungsfreibetrag},
           {"ZuschlagVersorgungsfreibetrag", w.zuschlagVersorgungsfreibetrag},
           {"KVVersorgung", -w.kvVersorgung},
           {"PVVersorgung", -w.pvVersorgung}}};
}

// The stapel columns of the pay components: the grosses of the case and the totals of Bezugswerte.
std::vector<std::pair<const char*, Money>> bezugsSpalten(const Ergebnis& r) {
  std::vector<std::pair<const char*, Money>> w = {{"Steuerbrutto", r.steuerbrutto},
                                                  {"SVBrutto", r.svbrutto}};
  for (const auto& p : Bezugswerte(r)) w.push_back(p);
  return w;
}

// The keys in their order; amounts are numbers in euros (deductions negative), rates numbers in
// percent. Further keys belong here, beside these.
nlohmann::ordered_json jsonErgebnis(const Auftrag& a, const Ergebnis& r) {
  const Eingaben& e = a.eingaben;
  const auto betrag = [](const std::string& text) { return AlsJsonZahl(LiesFeld(text)); };
  nlohmann::ordered_json j;
  j["Abrechnungsmonat"] = e.Monat + " " + e.Jahr;
  j["Brutto"] = betrag(e.Brutto);
  // With pay components the grosses of the case: the regular ones and what they add.
  j["Steuerbrutto"] = r.bezuege.leer() ? betrag(e.StBrutto) : AlsJsonZahl(r.steuerbrutto);
  j["SVBrutto"] = r.bezuege.leer() ? betrag(e.SVBrutto) : AlsJsonZahl(r.svbrutto);
  j["Lohnsteuer"] = betrag(r.LSt);
  j["Kirchensteuer"] = betrag(r.KiSt);
  j["Solidaritaetszuschlag"] = betrag(r.SolZ);
  j["Krankenversicherung"] = betrag(r.KV);
  j["Rentenversicherung"] = betrag(r.RV);
  j["Arbeitslosenversicherung"] = betrag(r.AV);
  j["Pflegeversicherung"] = betrag(r.PV);
  j["SummeGesetzlicheAbzuege"] = AlsJsonZahl(-LiesFeld(r.GesAbz));
  j["Netto"] = betrag(e.Netto);
  j["RVSatz"] = satz(r.saetze.RV);
  j["AVSatz"] = satz(r.saetze.AV);
  j["PVSatz"] = satz(r.saetze.PV);
  j["KVSatz"] = satz(e.KV);
  j["KVZusatz"] = satz(e.KVZus);
  for (const Einmalwert& w : einmalWerte(r.einmal)) j[w.name] = AlsJsonZahl(w.wert);
  if (r.alter.regelaltersgrenze.empty())
    j[kRegelaltersgrenze] = nullptr;
  else
    j[kRegelaltersgrenze] = r.alter.regelaltersgrenze;
  for (const auto& [name, wert] : alterBetraege(r.alter)) j[name] = AlsJsonZahl(wert);
  if (r.vorschlag)
    j[kBeitragsgruppenvorschlag] = r.vorschlag->bgr;
  else
    j[kBeitragsgruppenvorschlag] = nullptr;
  if (!r.bezuege.leer()) {
    for (const auto& [name, wert] : Bezugswerte(r)) j[name] = AlsJsonZahl(wert);
    j["Bezuege"] = nlohmann::ordered_json::array();
    for (const Bezugsteil& t : r.bezuege.teile) {
      nlohmann::ordered_json o;
      o["Art"] = std::string(Bezugsname(t.art));
      for (const auto& [name, wert] : Bezugsteilwerte(t)) o[name] = AlsJsonZahl(wert);
      j["Bezuege"].push_back(o);
    }
  }
  j["Berechnungsschritte"] = r.schritte;
  j["Meldungen"] = nlohmann::ordered_json::array();
  for (const Meldung& m : r.meldungen) j["Meldungen"].push_back(m.text);
  if (r.vorschlag) j["Meldungen"].push_back(r.vorschlag->text);
  return j;
}

}  // namespace

std::string AlsJson(const Auftrag& a, const Ergebnis& r) {
  return jsonErgebnis(a, r).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
         "\n";
}

namespace {

// What the window does not let one enter: from 2009 a general health rate other than the legal
// one (the field is locked), and in January a regular gross of earlier months.
void pruefeEingaben(const Auftrag& a) {
  const Eingaben& e = a.eingaben;
  const int kvZiffer = e.BGR.empty() ? 0 : e.BGR[0] - '0';
  const auto satz = KVSatzNachGruppe(LiesGanzzahl(e.Jahr), e.MonatNr, kvZiffer);
  if (a.kvSatzGesetzt && satz && *satz + "%" != e.KV)
    throw fehlerIn("kv-satz", "'" + e.KV + "' ist nicht möglich: ab 2009 gilt der gesetzliche " +
                                  "allgemeine Beitragssatz, im " + e.Monat + " " + e.Jahr + " " +
                                  *satz + "%");
  if (e.MonatNr == 1 && !e.JahresbruttoBisher.empty() && LiesFeld(e.JahresbruttoBisher) != 0)
    throw fehlerIn("jahresbrutto-bisher", std::string(kImJanuarKeineVormonate));
}

}  // namespace

int RechneAuftrag(Auftrag& a, Ergebnis& r, std::ostream& fehler, bool mitAbrechnung) {
  Vervollstaendige(a);
  try {
    pruefeEingaben(a);
  } catch (const OptionsFehler& f) {
    fehler << f.what() << '\n';
    return kFalscheEingabe;
  }
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
    r = Berechne(a.eingaben, fall, a.heute, mitAbrechnung);
  } catch (const KonvertierungsFehler& f) {
    fehler << f.what() << '\n';
    return kFalscheEingabe;
  } catch (const RechenFehler& f) {
    fehler << "Rechenfehler: " << f.what() << '\n';
    return kAbgelehnt;
  }
  for (const Meldung& m : r.meldungen) fehler << m.text << '\n';
  if (r.vorschlag) fehler << r.vorschlag->text << '\n';
  if (!r.gerechnet) return kAbgelehnt;
  return r.ungeloest ? kUngeloest : kErfolg;
}

int RechneBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute) {
  if (WillHilfe(args)) {
    BefehlsHilfe(aus, "rechne");
    return kErfolg;
  }
  Auftrag a;
  a.heute = heute;
  bool json = false, betrag = false;
  std::string speichern, pdf, papier;
  try {
    for (const auto& [name, wert] : TeileAufruf(args, "rechne").optionen) {
      const std::string_view arg = name;
      if (arg == "json") {
        json = true;
      } else if (arg == "speichern" || arg == "pdf") {
        PruefeDateiname(arg, wert);
        (arg == "pdf" ? pdf : speichern) = wert;
      } else if (arg == "papier") {
        const std::string w = kleingeschrieben(wert);
        if (w != "a4" && w != "letter")
          throw OptionsFehler("--papier: '" + wert + "' ist weder A4 noch Letter");
        papier = wert;
      } else {
        SetzeOption(a, arg, wert);
        betrag = betrag || arg == "brutto" || arg == "netto";
      }
    }
    if (!betrag) throw OptionsFehler("--brutto oder --netto fehlt");
    if (!papier.empty() && pdf.empty()) throw OptionsFehler("--papier gilt nur mit --pdf");
    PruefeAuftrag(a);
  } catch (const OptionsFehler& f) {
    fehler << "salvaro-cli rechne: " << f.what() << '\n';
    return kFalscheEingabe;
  }
  Ergebnis r;
  const int code = RechneAuftrag(a, r, fehler);
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
      fehler << "salvaro-cli rechne: " << f << '\n';
      return kNichtGeschrieben;
    }
  }
  if (!pdf.empty()) {
    const std::string f = SchreibePdf(pdf, r.abrechnung, papier);
    if (!f.empty()) {
      fehler << "salvaro-cli rechne: " << f << '\n';
      return kNichtGeschrieben;
    }
  }
  return code;
}

std::vector<std::string> TeileCsv(const std::string& zeile, char trenner) {
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

namespace {

void haengeCsvFeldAn(std::string& aus, std::string_view s, char trenner) {
  const char besondere[] = {'"', '\n', trenner};
  HaengeCsvFeldAn(aus, s, std::string_view(besondere, 3));
}

// Amounts in the output: German notation with ";", plain with a decimal point with ",".
void haengeBetragAn(std::string& aus, Money m, char trenner) {
  HaengeBildAn(aus, m, 2, false, trenner == ';' ? ',' : '.');
}

// A message shows a NUL byte of the input instead of ending at it.
std::string sichtbar(std::string text) {
  for (std::size_t p = text.find('\0'); p != std::string::npos; p = text.find('\0', p + 2))
    text.replace(p, 1, "\\0");
  return text;
}

// A row is held in memory only up to this length; beyond it the row is refused.
constexpr std::size_t kMaxZeile = 64 * 1024;

enum class Zeilenart { Zeile, ZuLang, Ende };

// One physical line without its "\n"; a line longer than kMaxZeile is read to its end but not
// kept. Text that is not UTF-8 is Windows-1252 (umlauts of a file saved by a spreadsheet).
Zeilenart liesZeile(std::streambuf& ein, std::string& zeile) {
  zeile.clear();
  using T = std::char_traits<char>;
  T::int_type c = ein.sbumpc();
  if (T::eq_int_type(c, T::eof())) return Zeilenart::Ende;
  bool zuLang = false;
  for (; !T::eq_int_type(c, T::eof()) && c != '\n'; c = ein.sbumpc()) {
    if (zeile.size() < kMaxZeile)
      zeile += T::to_char_type(c);
    else
      zuLang = true;
  }
  if (zuLang) return Zeilenart::ZuLang;
  if (!IstUtf8(zeile)) zeile = AusCp1252(zeile);
  return Zeilenart::Zeile;
}

bool leer(const std::string& zeile) {
  return zeile.empty() || zeile == "\r";
}

std::string mitPunkten(std::size_t n) {
  return FormatBild(Money::euro(static_cast<std::int64_t>(n)), 0, true);
}

// The rows still to come from here (lines that are not blank), when the stream can go back to
// where it is; 0 otherwise.
std::size_t zeilenBisZumEnde(std::istream& ein) {
  const std::istream::pos_type hier = ein.tellg();
  if (hier == std::istream::pos_type(-1)) return 0;
  std::size_t n = 0;
  bool inhalt = false;
  std::streambuf& sb = *ein.rdbuf();
  for (auto c = sb.sbumpc(); c != std::char_traits<char>::eof(); c = sb.sbumpc()) {
    if (c == '\n') {
      n += inhalt;
      inhalt = false;
    } else if (c != '\r') {
      inhalt = true;
    }
  }
  n += inhalt;
  ein.clear();
  ein.seekg(hier);
  return n;
}

// The progress line on a terminal: at most four updates a second, erased before a message.
class Fortschritt {
 public:
  Fortschritt(std::ostream& fehler, bool an, std::size_t gesamt)
      : fehler_(fehler), an_(an), gesamt_(gesamt), start_(Uhr::now()), zuletzt_(start_) {}
  void Zeile(std::size_t fertig) {
    if (!an_) return;
    const Uhr::time_point jetzt = Uhr::now();
    if (jetzt - zuletzt_ < std::chrono::milliseconds(250)) return;
    zuletzt_ = jetzt;
    fehler_ << "\r\033[K"
            << FortschrittsText(fertig, gesamt_,
                                std::chrono::duration<double>(jetzt - start_).count())
            << std::flush;
    sichtbar_ = true;
  }
  void Loesche() {
    if (!sichtbar_) return;
    fehler_ << "\r\033[K";
    sichtbar_ = false;
  }

 private:
  using Uhr = std::chrono::steady_clock;
  std::ostream& fehler_;
  bool an_;
  std::size_t gesamt_;
  Uhr::time_point start_, zuletzt_;
  bool sichtbar_ = false;
};

// The header of a batch, the same for every row.
struct StapelKopf {
  const std::vector<std::string>& spalten;
  char trenner;
  const Datum& heute;
  bool mitEinmal;  // the results of payment, severance and employer are written
  bool mitMehrjaehrig;  // and those of several years' pay
  bool mitAlter;        // the results of age and pension payments are written
  bool mitBezuegen;     // the results of the pay components are written
  // Per column, the pay component's option it sets, or nullptr: looked up once, not per row.
  std::vector<const Bezugsoption*> bezugsoption;
  // Whether a result of einmalWerte is a column of this batch.
  bool schreibt(const Einmalwert& w) const { return mitEinmal && (!w.mehrjaehrig || mitMehrjaehrig); }
};

struct StapelZeile {
  Zeilenart art;
  int nummer;  // physical line number
  std::string text;
};

// What a chunk of rows gave: the output lines, the messages for the error output, the counts.
struct StapelStueck {
  std::string ausgabe, meldungen;
  std::size_t zeilen = 0, fehlerhaft = 0, abgelehnt = 0, ungeloest = 0;
};

// meldungen: the chunk's stream for a row's messages, emptied here for each row.
void rechneZeile(const StapelKopf& k, const StapelZeile& z, StapelStueck& s,
                 std::ostringstream& meldungen) {
  const std::vector<std::string>& kopf = k.spalten;
  const char trenner = k.trenner;
  ++s.zeilen;
  const std::string ort = "Zeile " + std::to_string(z.nummer);
  std::vector<std::string> felder;
  Auftrag a;
  a.heute = k.heute;
  Ergebnis r;
  std::string meldung;
  bool ok = true, betrag = false;
  int code = kFalscheEingabe;
  if (z.art == Zeilenart::ZuLang) {
    meldung = ort + ": die Zeile ist länger als 64 KiB";
    ok = false;
  } else {
    felder = TeileCsv(z.text, trenner);
    if (felder.size() != kopf.size()) {
      meldung = ort + ": " + std::to_string(felder.size()) + " Spalten statt " +
                std::to_string(kopf.size());
      ok = false;
    }
  }
  for (std::size_t i = 0; ok && i < kopf.size(); ++i) {
    if (felder[i].empty()) continue;
    try {
      // A NUL byte makes no value valid; shown as "\0", it stays in the message.
      if (const Bezugsoption* b = k.bezugsoption[i])
        SetzeBezugsoption(a.eingaben, *b, sichtbar(felder[i]));
      else
        SetzeOption(a, kopf[i], sichtbar(felder[i]));
      betrag = betrag || kopf[i] == "brutto" || kopf[i] == "netto";
    } catch (const OptionsFehler& f) {
      meldung = ort + ", Spalte " + kopf[i] + ": " + f.what();
      ok = false;
    }
  }
  // As rechne refuses a calculation without an amount, a row without one is not taken as 0,00.
  if (ok && !betrag) {
    meldung = ort + ": brutto oder netto fehlt";
    ok = false;
  }
  if (ok) {
    try {
      PruefeAuftrag(a);
    } catch (const OptionsFehler& f) {
      meldung = ort + ": " + f.what();
      ok = false;
    }
  }
  if (ok) {
    meldungen.str({});
    meldungen.clear();
    // No output of a batch shows the statement.
    code = RechneAuftrag(a, r, meldungen, false);
    ok = r.gerechnet;
    meldung = meldungen.str();
    while (!meldung.empty() && meldung.back() == '\n') meldung.pop_back();
    for (char& c : meldung)
      if (c == '\n') c = ' ';
    if (!ok) meldung = ort + ": " + meldung;
  }
  meldung = sichtbar(meldung);
  if (!ok) {
    ++(code == kAbgelehnt ? s.abgelehnt : s.fehlerhaft);
  } else if (code == kUngeloest) {
    ++s.ungeloest;
  }
  if (!ok || code == kUngeloest)
    s.meldungen += "salvaro-cli stapel: " + (ok ? ort + ": " : "") + meldung + '\n';
  std::string& aus = s.ausgabe;
  for (std::size_t i = 0; i < kopf.size(); ++i) {
    if (i) aus += trenner;
    if (i < felder.size()) haengeCsvFeldAn(aus, felder[i], trenner);
  }
  if (ok) {
    for (const Money m : {r.abzug.LSt, r.abzug.KiSt, r.abzug.SolZ, r.abzug.KV, r.abzug.RV,
                          r.abzug.AV, r.abzug.PV}) {
      aus += trenner;
      haengeBetragAn(aus, -m, trenner);
    }
    for (const Money m : {r.abzug.GesAbz, r.netto, r.brutto}) {
      aus += trenner;
      haengeBetragAn(aus, m, trenner);
    }
    aus += trenner;
    aus += std::to_string(r.schritte);
    for (const Einmalwert& w : einmalWerte(r.einmal)) {
      if (!k.schreibt(w)) continue;
      aus += trenner;
      haengeBetragAn(aus, w.wert, trenner);
    }
    if (k.mitAlter) {
      aus += trenner;
      haengeCsvFeldAn(aus, r.alter.regelaltersgrenze, trenner);
      for (const auto& [name, wert] : alterBetraege(r.alter)) {
        aus += trenner;
        haengeBetragAn(aus, wert, trenner);
      }
      aus += trenner;
      if (r.vorschlag) aus += r.vorschlag->bgr;
    }
    if (k.mitBezuegen) {
      for (const auto& [name, wert] : bezugsSpalten(r)) {
        aus += trenner;
        haengeBetragAn(aus, wert, trenner);
      }
    }
  } else {
    // Empty result columns: the message stands under "Meldung" as in every row.
    std::size_t spalten = 11;
    for (const Einmalwert& w : einmalWerte({})) spalten += k.schreibt(w) ? 1 : 0;
    aus.append(spalten, trenner);
    if (k.mitAlter) aus.append(alterBetraege({}).size() + 2, trenner);
    if (k.mitBezuegen) aus.append(bezugsSpalten({}).size(), trenner);
  }
  aus += trenner;
  haengeCsvFeldAn(aus, meldung, trenner);
  aus += '\n';
}

StapelStueck rechneStapel(const StapelKopf& k, const std::vector<StapelZeile>& zeilen) {
  StapelStueck s;
  std::ostringstream meldungen;
  for (const StapelZeile& z : zeilen) rechneZeile(k, z, s, meldungen);
  return s;
}

}  // namespace

std::string FortschrittsText(std::size_t fertig, std::size_t gesamt, double sekunden) {
  std::string t = mitPunkten(fertig);
  if (gesamt > 0) t += " von " + mitPunkten(gesamt);
  t += " Zeilen";
  if (sekunden <= 0 || fertig == 0) return t;
  const double jeSekunde = static_cast<double>(fertig) / sekunden;
  t += ", " + mitPunkten(static_cast<std::size_t>(jeSekunde + 0.5)) + " Zeilen/s";
  if (gesamt > fertig) {
    const auto rest =
        static_cast<long long>(static_cast<double>(gesamt - fertig) / jeSekunde + 0.5);
    char dauer[32];
    if (rest >= 3600)
      std::snprintf(dauer, sizeof dauer, "%lld:%02lld:%02lld", rest / 3600, rest / 60 % 60,
                    rest % 60);
    else
      std::snprintf(dauer, sizeof dauer, "%lld:%02lld", rest / 60, rest % 60);
    t += std::string(", noch ") + dauer;
  }
  return t;
}

std::string StapelZusammenfassung(const StapelSumme& s) {
  std::string t = std::to_string(s.zeilen) + " Zeilen gerechnet";
  if (s.fehlerhaft) t += ", " + std::to_string(s.fehlerhaft) + " mit Fehler";
  if (s.abgelehnt) t += ", " + std::to_string(s.abgelehnt) + " abgelehnt";
  if (s.ungeloest)
    t += ", " + std::to_string(s.ungeloest) +
         (s.ungeloest == 1 ? " Hochrechnung" : " Hochrechnungen") + " ohne genaues Ergebnis";
  return t;
}

int StapelBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                 const Datum& heute, bool fortschrittAnzeigen) {
  if (WillHilfe(args)) {
    BefehlsHilfe(aus, "stapel");
    return kErfolg;
  }
  std::string eingabe, ausgabe;
  unsigned threads = AlleKerne();
  try {
    const Aufrufteile t = TeileAufruf(args, "stapel", 1);
    for (const auto& [name, wert] : t.optionen) {
      if (name == "threads") {
        if (const std::string f = LiesThreads(wert, threads); !f.empty()) throw OptionsFehler(f);
      } else {
        if (wert.empty()) throw OptionsFehler("--ausgabe braucht einen Dateinamen");
        ausgabe = wert;
      }
    }
    if (t.argumente.empty()) throw OptionsFehler("die Eingabedatei fehlt");
    eingabe = t.argumente.front();
  } catch (const OptionsFehler& f) {
    fehler << "salvaro-cli stapel: " << f.what() << '\n'
           << "Aufruf: salvaro-cli stapel EINGABE.csv [--ausgabe DATEI] [--threads N]\n";
    return kFalscheEingabe;
  }
  std::ifstream datei;
  if (const std::string f = OeffneEingabe(datei, eingabe); !f.empty()) {
    fehler << "salvaro-cli stapel: " << f << '\n';
    return kFalscheEingabe;
  }
  Ausgabe ziel(aus);
  if (const std::string f = ziel.Oeffne(ausgabe); !f.empty()) {
    fehler << "salvaro-cli stapel: " << f << '\n';
    return kNichtGeschrieben;
  }
  const StapelSumme summe =
      Stapel(datei, ziel.Strom(), fehler, heute, fortschrittAnzeigen, threads);
  if (summe.code == kFalscheEingabe) return summe.code;  // the old output file stays as it was
  if (ziel.Schliesse(fehler, "stapel") != kErfolg || summe.code == kNichtGeschrieben)
    return kNichtGeschrieben;
  fehler << StapelZusammenfassung(summe) << '\n';
  return summe.code;
}

StapelSumme Stapel(std::istream& ein, std::ostream& aus, std::ostream& fehler, const Datum& heute,
                   bool fortschrittAnzeigen, unsigned threads) {
  StapelSumme summe;
  std::streambuf& quelle = *ein.rdbuf();
  std::string zeile;
  int nummer = 0;  // physical line number, blank lines counted
  Zeilenart art = Zeilenart::Ende;
  do {
    art = liesZeile(quelle, zeile);
    // A byte-order mark (an editor's UTF-8 marker) is no part of the first column's name.
    if (++nummer == 1 && zeile.rfind("\xEF\xBB\xBF", 0) == 0) zeile.erase(0, 3);
  } while (art == Zeilenart::Zeile && leer(zeile));
  if (art != Zeilenart::Zeile || leer(zeile)) {
    fehler << "salvaro-cli stapel: Zeile " << nummer << ": "
           << (art == Zeilenart::ZuLang ? "die Zeile ist länger als 64 KiB" : "die Kopfzeile fehlt")
           << '\n';
    summe.code = kFalscheEingabe;
    return summe;
  }
  const char trenner = zeile.find(';') != std::string::npos ? ';' : ',';
  std::vector<std::string> kopf = TeileCsv(zeile, trenner);
  for (std::string& k : kopf) {
    while (!k.empty() && k.front() == ' ') k.erase(0, 1);
    while (!k.empty() && k.back() == ' ') k.pop_back();
    if (k.rfind("--", 0) == 0) k.erase(0, 2);
    const auto& optionen = RechneOptionen();
    if (std::find(optionen.begin(), optionen.end(), k) == optionen.end()) {
      fehler << "salvaro-cli stapel: Zeile " << nummer << ": unbekannte Spalte '" << sichtbar(k)
             << "'\n";
      summe.code = kFalscheEingabe;
      return summe;
    }
  }
  static constexpr const char* kErgebnisse[] = {
      "Lohnsteuer",         "Kirchensteuer",        "Solidaritaetszuschlag",
      "Krankenversicherung", "Rentenversicherung", "Arbeitslosenversicherung",
      "Pflegeversicherung", "Abzuege",              "Netto",
      "Brutto",             "Berechnungsschritte",  "Meldung"};
  // The results of payment, severance and employer only for input that has their columns, so
  // that older files give the same output.
  static constexpr const char* kNeueSpalten[] = {
      "einmalzahlung", "jahresbrutto-bisher", "nicht-im-vorjahr", "abfindung",
      "u1-satz",       "u2-satz",             "pauschsteuer-ag",  "arbeitgeber",
      "mehrjaehrige-verguetung"};
  const bool mitEinmal = std::any_of(kopf.begin(), kopf.end(), [](const std::string& k) {
    return std::find(std::begin(kNeueSpalten), std::end(kNeueSpalten), k) != std::end(kNeueSpalten);
  });
  // Likewise the results of age and pension payments.
  const bool mitAlter = std::any_of(kopf.begin(), kopf.end(), [](const std::string& k) {
    return altersOption(k) != nullptr;
  });
  // The results of the pay components only for input that has one of their columns.
  std::vector<const Bezugsoption*> bezugsoption;
  for (const std::string& spalte : kopf) bezugsoption.push_back(BezugsoptionFuer(spalte));
  const bool mitBezuegen = std::any_of(bezugsoption.begin(), bezugsoption.end(),
                                       [](const Bezugsoption* b) { return b != nullptr; });
  // The results of several years' pay only for input that has its column, so that files with
  // the other payment columns give the same output as before.
  const bool mitMehrjaehrig =
      std::find(kopf.begin(), kopf.end(), "mehrjaehrige-verguetung") != kopf.end();
  // Outlives the threads that read it.
  const StapelKopf k{kopf,     trenner,     heute,      mitEinmal, mitMehrjaehrig,
                     mitAlter, mitBezuegen, std::move(bezugsoption)};
  for (std::size_t i = 0; i < kopf.size(); ++i) aus << (i ? std::string(1, trenner) : "") << kopf[i];
  // "Meldung" stays the last column.
  for (std::size_t i = 0; i + 1 < std::size(kErgebnisse); ++i) aus << trenner << kErgebnisse[i];
  for (const Einmalwert& w : einmalWerte({}))
    if (k.schreibt(w)) aus << trenner << w.name;
  if (mitAlter) {
    aus << trenner << kRegelaltersgrenze;
    for (const auto& [name, wert] : alterBetraege({})) aus << trenner << name;
    aus << trenner << kBeitragsgruppenvorschlag;
  }
  if (mitBezuegen)
    for (const auto& [name, wert] : bezugsSpalten({})) aus << trenner << name;
  aus << trenner << kErgebnisse[std::size(kErgebnisse) - 1] << '\n';

  Fortschritt fortschritt(fehler, fortschrittAnzeigen,
                          fortschrittAnzeigen ? zeilenBisZumEnde(ein) : 0);
  GeordneteArbeit<StapelStueck> arbeit(threads);
  // Writes the oldest chunk: its rows, the messages of its rows in their order, the counts.
  const auto schreibeNaechstes = [&] {
    const StapelStueck r = arbeit.Naechstes();
    aus.write(r.ausgabe.data(), static_cast<std::streamsize>(r.ausgabe.size()));
    if (!r.meldungen.empty()) {
      fortschritt.Loesche();
      fehler << r.meldungen;
    }
    summe.zeilen += r.zeilen;
    summe.fehlerhaft += r.fehlerhaft;
    summe.abgelehnt += r.abgelehnt;
    summe.ungeloest += r.ungeloest;
    fortschritt.Zeile(summe.zeilen);
  };
  constexpr std::size_t kZeilenJeStueck = 512;
  bool weiter = true;
  while (weiter && aus) {
    auto stueck = std::make_shared<std::vector<StapelZeile>>();
    stueck->reserve(kZeilenJeStueck);
    while (stueck->size() < kZeilenJeStueck &&
           (weiter = (art = liesZeile(quelle, zeile)) != Zeilenart::Ende)) {
      ++nummer;
      if (art == Zeilenart::Zeile && leer(zeile)) continue;
      stueck->push_back({art, nummer, zeile});
    }
    if (!stueck->empty())
      arbeit.Gib([&k, stueck](unsigned) { return rechneStapel(k, *stueck); });
    while (aus && (arbeit.Voll() || (!weiter && !arbeit.Leer()))) schreibeNaechstes();
  }
  fortschritt.Loesche();
  if (!aus) {
    summe.code = kNichtGeschrieben;
  } else if (summe.fehlerhaft + summe.abgelehnt > 0) {
    summe.code = kAbgelehnt;
  } else if (summe.ungeloest > 0) {
    summe.code = kUngeloest;
  }
  return summe;
}

}  // namespace salvaro
