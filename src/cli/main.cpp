// salvaro-cli: the command-line calculator. Subcommands:
//   pap --engine NAME [--input FILE] [--output FILE]   wage-tax engine over flowchart inputs
//   beispiel                                           a sample calculation
//   rechne --brutto X | --netto X [options]            the window's calculation
//   stapel EINGABE.csv                                 one calculation per row
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "abrechnung/Datei.h"
#include "abrechnung/Beispiel.h"
#include "cli/Fall.h"
#include "cli/Pap.h"
#include "cli/Rechnen.h"
#include "tax/EngineWahl.h"

namespace {

constexpr int kFehler = 2;

void hilfe(std::ostream& aus) {
  aus << "Aufruf:\n"
         "  salvaro-cli rechne (--brutto BETRAG | --netto BETRAG) [Optionen] [--json]\n"
         "                     [--speichern DATEI] [--pdf DATEI [--papier A4|Letter]]\n"
         "      rechnet wie das Programmfenster; Optionen (Vorgaben wie im Fenster):\n"
         "      --jahr JJJJ --monat NAME|NR --steuerklasse N --faktor F\n"
         "      --kinderfreibetrag N --kinder-unter-25 N --freibetrag BETRAG (negativ: Hinzurechnung)\n"
         "      --kirchensteuer LAND|keine --geburtsjahr JJJJ --beitragsgruppe NNNN\n"
         "      --kv-satz SATZ --kv-zusatz SATZ --pkv BETRAG --ppv BETRAG\n"
         "      --pkv-ohne-zuschuss --ost --besondere-tabelle --ohne-uebergangsbereich\n"
         "      --rv-verzicht --pv-nicht-erhoeht --pv-sachsen --frw-tats-brutto\n"
         "      --steuerbrutto BETRAG --sv-brutto BETRAG --heute JJJJ-MM-TT\n"
         "      Beträge deutsch (3.000,50) oder mit Dezimalpunkt (3000.50).\n"
         "  salvaro-cli stapel EINGABE.csv\n"
         "      eine Berechnung je Zeile; Spalten heißen wie die Optionen von rechne.\n"
         "  salvaro-cli fall --Jahr JJJJ [--Feld WERT ...]\n"
         "      der Abrechnungsfall selbst: jede Eingabe mit Setter als Option wie ihr Feld\n"
         "      (--Monat, --BGR, --StBrutto, --SVBrutto, --KVSatz ...), Beträge mit\n"
         "      Dezimalpunkt; Ausgabe: JSON aller Ergebnisse (ohne --Rechtskreis: West).\n"
         "  salvaro-cli beispiel\n"
         "      rechnet ein Beispiel.\n"
         "  salvaro-cli pap --engine NAME [--input DATEI] [--output DATEI]\n"
         "      rechnet eine Lohnsteuer-Engine über CSV-Zeilen mit den Eingaben des\n"
         "      Programmablaufplans (Beträge in Cent) und hängt die Ergebnisse an.\n"
         "      Engines:";
  for (const std::string& n : salvaro::EngineNamen()) aus << ' ' << n;
  aus << '\n';
}

int pap(const std::vector<std::string>& args) {
  std::string engine, eingabe, ausgabe;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--engine" || a == "--input" || a == "--output") && i + 1 < args.size()) {
      (a == "--engine" ? engine : a == "--input" ? eingabe : ausgabe) = args[++i];
    } else {
      std::cerr << "salvaro-cli pap: unbekannte oder unvollständige Option '" << a << "'\n";
      hilfe(std::cerr);
      return kFehler;
    }
  }
  if (engine.empty()) {
    std::cerr << "salvaro-cli pap: --engine fehlt\n";
    hilfe(std::cerr);
    return kFehler;
  }
  std::ifstream datei;
  if (!eingabe.empty()) {
    datei.open(eingabe, std::ios::binary);
    if (!datei) {
      std::cerr << "salvaro-cli pap: die Datei \"" << eingabe << "\" kann nicht gelesen werden\n";
      return kFehler;
    }
  }
  std::istream& ein = eingabe.empty() ? std::cin : datei;
  std::ostringstream puffer;
  salvaro::PapZusammenfassung summe;
  try {
    summe = salvaro::Pap(ein, ausgabe.empty() ? std::cout : puffer, engine);
  } catch (const salvaro::PapFehler& f) {
    std::cerr << "salvaro-cli pap: " << f.what() << '\n';
    return kFehler;
  }
  if (!ausgabe.empty()) {
    const std::string fehler = salvaro::SchreibeDateiAtomar(ausgabe, puffer.str());
    if (!fehler.empty()) {
      std::cerr << "salvaro-cli pap: " << fehler << '\n';
      return kFehler;
    }
  }
  std::cerr << summe.zeilen << " Zeilen gerechnet";
  if (summe.uebersprungen > 0) {
    std::cerr << ", " << summe.uebersprungen << " übersprungen (Eingaben, die " << engine
              << " nicht kennt:";
    for (const std::string& n : summe.fremdeEingaben) std::cerr << ' ' << n;
    std::cerr << ')';
  }
  std::cerr << '\n';
  return 0;
}

salvaro::Datum heute() {
  const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm lokal{};
  localtime_r(&t, &lokal);
  return {lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday};
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    hilfe(args.empty() ? std::cerr : std::cout);
    return args.empty() ? kFehler : 0;
  }
  const std::string befehl = args[0];
  args.erase(args.begin());
  try {
    if (befehl == "pap") return pap(args);
    if (befehl == "beispiel") {
      salvaro::Beispielrechnung(std::cout);
      return 0;
    }
    if (befehl == "fall") return salvaro::FallBefehl(args, std::cout, std::cerr);
    if (befehl == "rechne") return salvaro::RechneBefehl(args, std::cout, std::cerr, heute());
    if (befehl == "stapel")
      return salvaro::StapelBefehl(args, std::cout, std::cerr, heute(), ::isatty(2) == 1);
  } catch (const std::exception& e) {
    std::cerr << "salvaro-cli " << befehl << ": " << e.what() << '\n';
    return kFehler;
  }
  std::cerr << "salvaro-cli: unbekannter Befehl '" << befehl << "'\n";
  hilfe(std::cerr);
  return kFehler;
}
