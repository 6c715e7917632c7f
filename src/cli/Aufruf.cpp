#include "cli/Aufruf.h"

#include <algorithm>
#include <cerrno>
#include <ostream>

#include "abrechnung/Version.h"
#include "cli/Bezugsoptionen.h"
#include "cli/Optionen.h"
#include "tax/EngineWahl.h"

namespace salvaro {

namespace {

struct Option {
  std::string_view name;
  std::string_view text;
};

struct Befehl {
  std::string_view name;
  std::string_view kurz;  // one line for the list of subcommands
  std::string_view aufruf;
  std::string_view beschreibung;
  std::vector<Option> optionen;
  std::vector<std::string_view> beispiele;
};

// The options of the pay components join rechne's before --heute.
std::vector<Befehl> mitBezugsoptionen(std::vector<Befehl> befehle) {
  for (Befehl& b : befehle) {
    if (b.name != "rechne") continue;
    auto stelle = std::find_if(b.optionen.begin(), b.optionen.end(),
                               [](const Option& o) { return o.name.starts_with("--heute"); });
    for (const Bezugsoption& o : Bezugsoptionen())
      stelle = std::next(b.optionen.insert(stelle, Option{o.aufruf, o.hilfe}));
  }
  return befehle;
}

const std::vector<Befehl>& befehle() {
  static const std::vector<Befehl> b = mitBezugsoptionen({
      {"rechne",
       "eine Berechnung wie im Programmfenster",
       "salvaro-cli rechne (--brutto BETRAG | --netto BETRAG) [OPTION...]",
       "Rechnet einen Monat wie das Programmfenster: vom Brutto zum Netto, oder mit --netto vom\n"
       "gewünschten Netto zum Brutto (Hochrechnung in höchstens 200 Schritten). Ausgabe: die\n"
       "Detailabrechnung, mit --json die Ergebnisse als JSON; mit --speichern wird die\n"
       "Abrechnung wie im Fenster gespeichert (Windows-1252, CR LF). Die Meldungen des Fensters\n"
       "stehen auf der Fehlerausgabe. Beträge deutsch (3.000,50) oder mit Dezimalpunkt\n"
       "(3000.50), höchstens zwei Nachkommastellen; ein Punkt ist nur Tausenderpunkt vor genau\n"
       "drei Ziffern nach einer ersten Gruppe aus einer bis drei Ziffern, die nicht mit 0\n"
       "beginnt.",
       {{"--brutto BETRAG", "Bruttolohn des Monats (Brutto zu Netto)"},
        {"--netto BETRAG", "gewünschtes Netto (Netto zu Brutto)"},
        {"--jahr JJJJ", "Abrechnungsjahr (Vorgabe: das laufende; danach das letzte berechenbare)"},
        {"--monat NAME|NR",
         "Abrechnungsmonat, Name oder Nummer (Vorgabe: der laufende; nach dem letzten\n"
         "berechenbaren Jahr Dezember)"},
        {"--steuerklasse N", "Steuerklasse 1 bis 6 (Vorgabe 1)"},
        {"--faktor F",
         "Faktor bei Steuerklasse 4 ab 2010, über 0 bis 1, bis zu drei Nachkommastellen (0.875)"},
        {"--kinderfreibetrag N", "Zahl der Kinderfreibeträge (0,5 je Elternteil)"},
        {"--kinder-unter-25 N", "Kinder unter 25 Jahren (Pflegeversicherung ab Juli 2023)"},
        {"--freibetrag BETRAG", "monatlicher Freibetrag; negativ: Hinzurechnungsbetrag"},
        {"--kirchensteuer LAND|keine", "Bundesland der Kirchensteuer wie im Fenster, oder keine"},
        {"--geburtsjahr JJJJ", "Geburtsjahr (Vorgabe 1980)"},
        {"--beitragsgruppe NNNN", "Beitragsgruppe KV, RV, AV, PV (Vorgabe 1111)"},
        {"--kv-satz SATZ", "allgemeiner Beitragssatz der Krankenversicherung in Prozent"},
        {"--kv-zusatz SATZ", "Zusatzbeitragssatz der Krankenversicherung in Prozent"},
        {"--pkv BETRAG", "Beitrag der privaten Krankenversicherung"},
        {"--ppv BETRAG", "Beitrag der privaten Pflegeversicherung"},
        {"--pkv-ohne-zuschuss", "privat krankenversichert ohne Arbeitgeberzuschuss"},
        {"--ost", "Rechtskreis Ost"},
        {"--besondere-tabelle", "besondere Steuertabelle"},
        {"--ohne-uebergangsbereich", "ohne Übergangsbereich"},
        {"--rv-verzicht", "Verzicht auf die RV-Freiheit bei geringfügiger Beschäftigung"},
        {"--pv-nicht-erhoeht", "Pflegeversicherung ohne Zuschlag für Kinderlose"},
        {"--pv-sachsen", "Pflegeversicherung in Sachsen"},
        {"--frw-tats-brutto", "SV bei Freiwilligen und PKV nach dem tatsächlichen Brutto"},
        {"--steuerbrutto BETRAG", "eigenes Steuerbrutto (sonst das Brutto)"},
        {"--sv-brutto BETRAG", "eigenes SV-Brutto (sonst das Brutto)"},
        {"--einmalzahlung BETRAG", "Einmalzahlung des Monats (Weihnachts-, Urlaubsgeld)"},
        {"--jahresbrutto-bisher BETRAG",
         "laufendes Brutto der Vormonate des Jahres (sonst Brutto × Vormonate)"},
        {"--nicht-im-vorjahr", "im Vorjahr nicht beschäftigt (Einmalzahlung bleibt im Jahr)"},
        {"--abfindung BETRAG", "Abfindung für den Verlust der Stelle (ohne Sozialversicherung)"},
        {"--mehrjaehrige-verguetung BETRAG",
         "Vergütung für mehrjährige Tätigkeit (mit Sozialversicherung wie eine Einmalzahlung)"},
        {"--u1-satz SATZ", "Umlagesatz U1 in Prozent (Vorgabe 0)"},
        {"--u2-satz SATZ", "Umlagesatz U2 in Prozent (Vorgabe 0)"},
        {"--pauschsteuer-ag", "Pauschsteuer 2 % trägt der Arbeitgeber (Minijob)"},
        {"--arbeitgeber", "die Arbeitgeberseite in der Abrechnung"},
        {"--geburtsmonat NAME|NR", "Geburtsmonat (für die Regelaltersgrenze; sonst Dezember)"},
        {"--versorgungsbezug BETRAG", "monatlicher Versorgungsbezug (Betriebsrente, Pension)"},
        {"--versorgungsbeginn JJJJ[-MM]", "Jahr und Monat des Versorgungsbeginns"},
        {"--betriebsrente", "der Versorgungsbezug ist eine Betriebsrente (Vorgabe)"},
        {"--beamtenpension", "der Versorgungsbezug ist eine Beamtenpension (ohne KV/PV)"},
        {"--aktivrente", "Aktivrente anwenden, auch in Steuerklasse 6 (Vorgabe: wo möglich)"},
        {"--ohne-aktivrente", "Aktivrente nicht anwenden"},
        {"--heute JJJJ-MM-TT", "das Datum der Abrechnung (für gleichbleibende Ausgaben)"},
        {"--json", "die Ergebnisse als JSON statt der Abrechnung (Schlüssel: siehe README)"},
        {"--speichern DATEI", "die Abrechnung in DATEI speichern (ohne Endung: .txt)"},
        {"--pdf DATEI", "die Abrechnung gedruckt als PDF-Datei schreiben"},
        {"--papier A4|Letter",
         "Papierformat der PDF-Datei zu --pdf (Vorgabe: nach LC_PAPER, sonst A4)"},
        {"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli rechne --brutto 4500 --jahr 2026 --monat 1 --json",
        "salvaro-cli rechne --netto 2.000,00 --jahr 2025 --monat Mai --steuerklasse 3"}},
      {"stapel",
       "eine Berechnung je Zeile einer CSV-Datei",
       "salvaro-cli stapel EINGABE.csv [--ausgabe DATEI] [--threads N]",
       "Rechnet eine Zeile nach der anderen wie rechne. Die Spalten der Kopfzeile heißen wie die\n"
       "Optionen von rechne (ohne --), getrennt durch \",\" (Beträge mit Dezimalpunkt) oder \";\"\n"
       "(Beträge deutsch); Schalter als 1/0 oder ja/nein; ein leeres Feld behält die Vorgabe.\n"
       "Die Eingabe ist UTF-8 (mit oder ohne Byte-Order-Mark) oder Windows-1252. Jede Zeile\n"
       "wird mit den Ergebnissen ausgegeben; eine fehlerhafte Zeile bekommt ihre Meldung (Zeile,\n"
       "Spalte) und die anderen werden weiter gerechnet. Zeilen über 64 KiB werden abgelehnt.\n"
       "Am Ende steht die Zusammenfassung auf der Fehlerausgabe, ist diese ein Terminal, auch\n"
       "eine Fortschrittszeile.",
       {{"--ausgabe DATEI", "die Ergebnisse in DATEI statt auf die Standardausgabe schreiben"},
        {"--threads N", "auf N Kernen rechnen (sonst auf allen); die Ausgabe bleibt dieselbe"},
        {"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli stapel faelle.csv --ausgabe ergebnisse.csv"}},
      {"jahr",
       "die zwölf Monate eines Jahres als Tabelle",
       "salvaro-cli jahr (--brutto BETRAG | --netto BETRAG) [OPTION...] [--csv | --json]",
       "Rechnet jeden Monat des Jahres mit den Eingaben wie rechne: Brutto, Einmalzahlung,\n"
       "Lohnsteuer, Solidaritätszuschlag, Kirchensteuer, die vier Beiträge, Netto und die Kosten\n"
       "des Arbeitgebers, dazu die Summe. Ein Monat, in dem sich eine Rechengrundlage gegenüber\n"
       "dem Vormonat ändert (Engine, Beitragssatz, Grenze), ist mit * markiert; die Änderungen\n"
       "stehen unter der Tabelle. Abzüge stehen in Tabelle und CSV positiv, im JSON negativ wie\n"
       "bei rechne. --netto rechnet mit dem Brutto, das dieses Netto im gewählten Monat ergibt.",
       {{"OPTION", "die Optionen von rechne (salvaro-cli rechne --help) außer den oben genannten"},
        {"--csv", "die Tabelle als CSV (UTF-8 mit Byte-Order-Mark, \";\", deutsche Beträge)"},
        {"--json", "die Tabelle als JSON"},
        {"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli jahr --brutto 3000 --jahr 2023 --json"}},
      {"verlauf",
       "Netto und Abzüge über dem Brutto von 0 bis zu einer Grenze als CSV",
       "salvaro-cli verlauf [--bis BETRAG] [--schritt BETRAG] [OPTION...]",
       "Rechnet das Brutto 0, SCHRITT, 2 SCHRITT ... bis BIS (und BIS selbst) im gewählten Monat\n"
       "mit den übrigen Eingaben wie rechne und schreibt je Punkt eine CSV-Zeile (\";\", deutsche\n"
       "Beträge): Brutto, Netto, Abzüge, was von den nächsten 100 Euro Brutto netto bleibt, die\n"
       "Grenzbelastung in Prozent (100 minus dieser Betrag) und die Grenzen, die der Punkt\n"
       "erreicht (Geringfügigkeitsgrenze, Übergangsbereich, Beitragsbemessungsgrenzen).\n"
       "Höchstens 100.001 Punkte.",
       {{"--bis BETRAG", "das höchste Brutto (Vorgabe 10.000,00)"},
        {"--schritt BETRAG", "die Schrittweite (Vorgabe 10,00)"},
        {"OPTION", "die Optionen von rechne außer den oben genannten"},
        {"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli verlauf --bis 10000 --schritt 10 --jahr 2026 --monat 1"}},
      {"steuerklassen",
       "die Steuerklassenwahl eines Ehepaars",
       "salvaro-cli steuerklassen --brutto-1 BETRAG --brutto-2 BETRAG [OPTION...] [--json]",
       "Rechnet das Monatsnetto beider Ehegatten in III/V, V/III, IV/IV und IV/IV mit Faktor und\n"
       "nennt die Wahl mit dem höchsten gemeinsamen Netto. Der Faktor ist die voraussichtliche\n"
       "Einkommensteuer nach dem Splittingtarif geteilt durch die Summe der Jahreslohnsteuer\n"
       "beider in Steuerklasse IV, nach drei Stellen abgeschnitten, und gilt nur unter 1 (ab\n"
       "2010). Eine Option von rechne gilt für beide; mit angehängtem -1 oder -2 nur für einen\n"
       "(--kirchensteuer-2 keine, --beitragsgruppe-1 0111). Die Veranlagung nach Ablauf des\n"
       "Jahres setzt die Steuer des Jahres fest.",
       {{"--brutto-1 BETRAG", "Bruttolohn des ersten Ehegatten"},
        {"--brutto-2 BETRAG", "Bruttolohn des zweiten Ehegatten"},
        {"OPTION[-1|-2]", "die Optionen von rechne außer den oben genannten"},
        {"--json", "das Ergebnis als JSON"},
        {"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli steuerklassen --brutto-1 5000 --brutto-2 2000 --jahr 2026 --monat 1"}},
      {"fall",
       "der Abrechnungsfall selbst, alle Ergebnisse als JSON",
       "salvaro-cli fall --Jahr JJJJ [--Feld WERT...]",
       "Jede Eingabe des Abrechnungsfalls mit Setter ist eine Option wie ihr Feld (--Monat,\n"
       "--BGR, --StBrutto, --SVBrutto, --KVSatz ...), Beträge mit Dezimalpunkt; die Setter\n"
       "laufen in ihrer Reihenfolge, ohne --Monat mit Monat 1, ohne --Rechtskreis für West.\n"
       "Ausgabe: ein JSON-Objekt aller Ergebnisse, Beträge mit vier Nachkommastellen.",
       {{"--Feld WERT", "eine Eingabe des Abrechnungsfalls (auch --Feld=WERT)"},
        {"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli fall --Jahr 2025 --StBrutto 3000 --SVBrutto 3000"}},
      {"pap",
       "eine Lohnsteuer-Engine über Eingaben des Programmablaufplans",
       "salvaro-cli pap --engine NAME [--input DATEI] [--output DATEI] [--threads N]",
       "Rechnet eine Lohnsteuer-Engine über CSV-Zeilen (durch Kommas getrennt) mit den Eingaben\n"
       "des Programmablaufplans (Spalten wie im Plan benannt, Beträge in Cent) und hängt\n"
       "our_LSTLZZ ... our_BKV in Cent an. Eine fehlerhafte Zeile beendet den Lauf mit Zeile\n"
       "und Spalte.",
       {{"--engine NAME", "die Engine (Liste unten)"},
        {"--input DATEI", "die Eingabe (sonst die Standardeingabe)"},
        {"--output DATEI", "die Ausgabe (sonst die Standardausgabe)"},
        {"--threads N", "auf N Kernen rechnen (sonst auf allen); die Ausgabe bleibt dieselbe"},
        {"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli pap --engine OruSteuern2026 --input faelle.csv --output ergebnisse.csv"}},
      {"beispiel",
       "eine Beispielrechnung",
       "salvaro-cli beispiel",
       "Rechnet Lohnsteuer, Solidaritätszuschlag und Kirchensteuer eines Beispiels.",
       {{"-h, --help", "diese Hilfe anzeigen und beenden"}},
       {"salvaro-cli beispiel"}},
  });
  return b;
}

void optionen(std::ostream& aus, const std::vector<Option>& liste) {
  std::size_t breite = 0;
  for (const Option& o : liste) breite = std::max(breite, o.name.size());
  for (const Option& o : liste)
    aus << "  " << o.name << std::string(breite - o.name.size() + 2, ' ') << o.text << '\n';
}

// Words after a blank each, in lines of at most 96 characters that go on indented by one;
// spalte is where the first word starts.
void umbrochen(std::ostream& aus, const std::vector<std::string>& woerter, std::size_t spalte) {
  for (const std::string& w : woerter) {
    if (spalte + w.size() + 1 > 96) {
      aus << "\n ";
      spalte = 1;
    }
    aus << ' ' << w;
    spalte += w.size() + 1;
  }
  aus << '\n';
}

void engines(std::ostream& aus) {
  aus << "Engines:\n ";
  umbrochen(aus, EngineNamen(), 1);
}

void ausgangUndBeispiele(std::ostream& aus, const std::vector<std::string_view>& beispiele) {
  aus << "\nExit-Status:\n"
         "  0  Erfolg\n"
         "  1  die Berechnung wurde abgelehnt (die Meldung sagt, warum); stapel: eine Zeile\n"
         "     wurde abgelehnt oder hatte eine fehlerhafte Eingabe\n"
         "  2  falscher Aufruf oder fehlerhafte Eingabe: unbekannte Option, ein Wert, der nicht\n"
         "     gelesen werden kann oder außerhalb seines Bereichs liegt, eine unlesbare oder\n"
         "     fehlerhafte Eingabedatei\n"
         "  3  die Hochrechnung vom Netto zum Brutto endete ohne genaues Ergebnis; das nächste\n"
         "     Ergebnis wird ausgegeben (stapel: nur solche Zeilen)\n"
         "  4  die Ausgabe konnte nicht geschrieben werden (Standardausgabe voll oder\n"
         "     geschlossen, --ausgabe, --output oder --speichern gescheitert)\n"
         "\nBeispiele:\n";
  // One paragraph each, so that a man page keeps them apart.
  for (std::size_t i = 0; i < beispiele.size(); ++i)
    aus << (i ? "\n  " : "  ") << beispiele[i] << '\n';
}

void befehlsteil(std::ostream& aus, const Befehl& b) {
  aus << b.beschreibung << "\n\n";
  if (b.name == "pap") {
    engines(aus);
    aus << '\n';
  }
  // The options of rechne a view refuses, from the table the refusal uses.
  if (std::vector<std::string> ohne = UngenutzteOptionen(b.name); !ohne.empty()) {
    const std::string_view titel = "Nicht verwendet (von rechne):";
    for (std::size_t i = 0; i + 1 < ohne.size(); ++i) ohne[i] += ',';
    aus << titel;
    umbrochen(aus, ohne, titel.size());
    aus << '\n';
  }
}

}  // namespace

std::string VersionsText() {
  return "salvaro-cli " + std::string(kVersion);
}

bool WillHilfe(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(),
                     [](const std::string& a) { return a == "--help" || a == "-h"; });
}

std::string OeffneEingabe(std::ifstream& datei, const std::string& pfad) {
  int nr = LeseFehlernummer(pfad);
  if (nr == 0) {
    datei.open(pfad, std::ios::binary);
    if (datei) return {};
    nr = errno;
  }
  return "die Datei \"" + pfad + "\" kann nicht gelesen werden: " + LeseGrund(pfad, nr);
}

std::string Ausgabe::Oeffne(const std::string& pfad) {
  datei_ = !pfad.empty();
  return datei_ ? ziel_.Oeffne(pfad) : std::string();
}

int Ausgabe::Schliesse(std::ostream& fehler, std::string_view befehl) {
  if (!datei_) return standard_.flush() ? kErfolg : kNichtGeschrieben;
  const std::string f = ziel_.Uebernimm();
  if (f.empty()) return kErfolg;
  fehler << "salvaro-cli " << befehl << ": " << f << '\n';
  return kNichtGeschrieben;
}

void BefehlsHilfe(std::ostream& aus, std::string_view befehl) {
  for (const Befehl& b : befehle()) {
    if (b.name != befehl) continue;
    aus << "Aufruf: " << b.aufruf << "\n\n";
    befehlsteil(aus, b);
    aus << "Optionen:\n";
    optionen(aus, b.optionen);
    ausgangUndBeispiele(aus, b.beispiele);
    return;
  }
  Hilfe(aus);
}

void Hilfe(std::ostream& aus) {
  aus << "Aufruf: salvaro-cli BEFEHL [OPTION...]\n"
         "  oder: salvaro-cli (--help | --version)\n\n"
         "Salvaro rechnet Lohnsteuer, Solidaritätszuschlag, Kirchensteuer, die Beiträge zur\n"
         "Sozialversicherung und das Netto eines Monats von 2004 bis 2026, wie das\n"
         "Programmfenster; \"salvaro-cli BEFEHL --help\" zeigt die Hilfe eines Befehls.\n\n"
         "Befehle:\n";
  std::vector<Option> liste;
  std::vector<std::string_view> beispiele;
  for (const Befehl& b : befehle()) {
    liste.push_back({b.name, b.kurz});
    beispiele.push_back(b.beispiele.front());
  }
  optionen(aus, liste);
  aus << "\nOptionen:\n";
  optionen(aus, {{"-h, --help", "diese Hilfe anzeigen und beenden"},
                 {"-V, --version", "die Version anzeigen und beenden"}});
  for (const Befehl& b : befehle()) {
    aus << "\nBefehl " << b.name << ":\n  " << b.aufruf << "\n\n";
    befehlsteil(aus, b);
    optionen(aus, b.optionen);
  }
  ausgangUndBeispiele(aus, beispiele);
}

}  // namespace salvaro
