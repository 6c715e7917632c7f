// What each subcommand takes: options it does not use, options that contradict each other or do
// nothing are refused with one message each; a calculation without a period takes today's.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "abrechnung/Eingaben.h"
#include "cli/Ansichten.h"
#include "cli/Aufruf.h"
#include "cli/Fall.h"
#include "cli/Pap.h"
#include "cli/Rechnen.h"

namespace salvaro {
namespace {

const Datum kHeute{2026, 12, 9};

struct Lauf {
  int code;
  std::string aus, fehler;
};

using Befehl = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

Befehl mitHeute(int (*befehl)(const std::vector<std::string>&, std::ostream&, std::ostream&,
                              const Datum&)) {
  return [befehl](const std::vector<std::string>& a, std::ostream& aus, std::ostream& fehler) {
    return befehl(a, aus, fehler, kHeute);
  };
}

Lauf lauf(const Befehl& befehl, const std::vector<std::string>& args) {
  std::ostringstream aus, fehler;
  const int code = befehl(args, aus, fehler);
  return {code, aus.str(), fehler.str()};
}

TEST(Optionen, RefusedWithOneMessageEach) {
  const Befehl rechne = mitHeute(RechneBefehl), jahr = mitHeute(JahrBefehl),
               verlauf = mitHeute(VerlaufBefehl), steuerklassen = mitHeute(SteuerklassenBefehl),
               stapel = [](const std::vector<std::string>& a, std::ostream& aus,
                           std::ostream& fehler) {
                 return StapelBefehl(a, aus, fehler, kHeute, false);
               },
               pap = [](const std::vector<std::string>& a, std::ostream& aus,
                        std::ostream& fehler) {
                 std::istringstream ein;
                 return PapBefehl(a, ein, aus, fehler);
               };
  struct Fall {
    const Befehl& befehl;
    std::vector<std::string> args;
    const char* meldung;
  };
  const std::vector<std::string> paar = {"--brutto-1", "5000", "--brutto-2", "2000"};
  const auto mitPaar = [&](std::vector<std::string> a) {
    a.insert(a.begin(), paar.begin(), paar.end());
    return a;
  };
  const Fall faelle[] = {
      // Contradicting or doing nothing.
      {rechne, {"--brutto", "3000", "--netto", "2000"}, "--brutto und --netto schließen sich aus"},
      {rechne, {"--netto", "2000", "--brutto", "3000"}, "--brutto und --netto schließen sich aus"},
      {jahr, {"--netto", "2000", "--brutto", "3000"}, "--brutto und --netto schließen sich aus"},
      {rechne, {"--brutto", "3000", "--speichern", "ordner/"}, "--speichern braucht einen Dateinamen"},
      {rechne, {"--brutto", "3000", "--speichern", "/"}, "--speichern braucht einen Dateinamen"},
      {rechne, {"--brutto", "3000", "--speichern="}, "--speichern braucht einen Dateinamen"},
      {rechne, {"--brutto", "3000", "--pdf", "a/.."}, "--pdf braucht einen Dateinamen"},
      {rechne, {"--brutto", "3000", "--papier", "A4"}, "--papier gilt nur mit --pdf"},
      {rechne, {"--brutto", "3000", "--steuerklasse", "4", "--faktor", "0"}, "'0' ist kein Faktor"},
      {rechne, {"--brutto", "3000", "--faktor", "0,9"}, "--faktor gilt nur in Steuerklasse 4"},
      {rechne,
       {"--brutto", "3000", "--steuerklasse", "4", "--faktor", "0,9", "--jahr", "2009"},
       "--faktor gilt nur in Steuerklasse 4, ab 2010"},
      // Unknown wherever it stands.
      {rechne, {"--brutto", "3000", "--version"}, "unbekannte Option --version"},
      {rechne, {"--version", "--brutto", "3000"}, "unbekannte Option --version"},
      {rechne, {"--brutto", "3000", "-x"}, "unbekannte Option -x"},
      {rechne, {"--brutto", "3000", "--bis", "5"}, "unbekannte Option --bis"},
      {jahr, {"--brutto", "3000", "--speichern", "x.txt"}, "unbekannte Option --speichern"},
      {stapel, {"--version"}, "unbekannte Option --version"},
      {stapel, {"a.csv", "--version"}, "unbekannte Option --version"},
      {stapel, {"a.csv", "b.csv"}, "unerwartetes Argument 'b.csv'"},
      {stapel, {"a.csv", "--ausgabe"}, "--ausgabe braucht einen Wert"},
      {pap, {"--engine", "OruSteuern2026", "--version"}, "unbekannte Option --version"},
      {pap, {"--version", "--engine", "OruSteuern2026"}, "unbekannte Option --version"},
      {FallBefehl, {"--Jahr", "2025", "--version"}, "unbekannte Option --version"},
      {FallBefehl, {"--version", "--Jahr", "2025"}, "unbekannte Option --version"},
      // Options of rechne a view does not use.
      {jahr, {"--brutto", "3000", "--arbeitgeber"}, "--arbeitgeber gibt es hier nicht"},
      {verlauf, {"--einmalzahlung", "3000"}, "--einmalzahlung gibt es hier nicht"},
      {verlauf, {"--u1-satz", "1"}, "--u1-satz gibt es hier nicht"},
      {steuerklassen,
       mitPaar({"--einmalzahlung-1", "3000", "--abfindung-2", "5000"}),
       "--einmalzahlung-1 gibt es hier nicht: die Steuerklassenwahl vergleicht das laufende "
       "Monatsgehalt"},
      {steuerklassen, mitPaar({"--abfindung-2", "5000"}), "--abfindung-2 gibt es hier nicht"},
      {steuerklassen, mitPaar({"--faktor", "0.9"}), "--faktor gibt es hier nicht"},
      {steuerklassen, mitPaar({"--json", "--version"}), "unbekannte Option --version"},
  };
  for (const Fall& f : faelle) {
    std::string aufruf;
    for (const std::string& a : f.args) aufruf += a + " ";
    SCOPED_TRACE(aufruf);
    const Lauf l = lauf(f.befehl, f.args);
    EXPECT_EQ(l.code, kFalscheEingabe);
    EXPECT_NE(l.fehler.find(f.meldung), std::string::npos) << l.fehler;
  }
}

// The help of a view names the options of rechne it refuses, from the same table.
TEST(Optionen, HelpNamesTheOptionsAViewDoesNotUse) {
  std::ostringstream hilfe;
  BefehlsHilfe(hilfe, "steuerklassen");
  EXPECT_NE(hilfe.str().find("Nicht verwendet (von rechne): --brutto, --netto, --steuerklasse"),
            std::string::npos)
      << hilfe.str();
  EXPECT_NE(hilfe.str().find("--abfindung"), std::string::npos);
}

std::string abrechnungsmonat(const std::vector<std::string>& args, const Datum& heute) {
  std::ostringstream aus, fehler;
  if (RechneBefehl(args, aus, fehler, heute) != kErfolg) return "Fehler: " + fehler.str();
  return nlohmann::json::parse(aus.str()).at("Abrechnungsmonat").get<std::string>();
}

// Without --jahr and --monat the current month counts, as in the window; a day beyond the last
// month the program covers takes that month.
TEST(Optionen, ThePeriodDefaultsToTodaysMonth) {
  struct Fall {
    Datum heute;
    std::vector<std::string> args;
    const char* monat;
  };
  for (const Fall& f :
       {Fall{{2026, 12, 9}, {}, "Dezember 2026"},
        {{2025, 5, 2}, {}, "Mai 2025"},
        {{2031, 3, 1}, {}, "Dezember 2026"},
        {{2031, 3, 1}, {"--monat", "4"}, "April 2026"},
        {{2026, 12, 9}, {"--jahr", "2019"}, "Dezember 2019"},
        {{2026, 12, 9}, {"--heute", "2024-07-15"}, "Juli 2024"},
        {{1999, 3, 1}, {}, "Januar 2004"}}) {
    std::vector<std::string> args = {"--brutto", "3000", "--json"};
    args.insert(args.end(), f.args.begin(), f.args.end());
    EXPECT_EQ(abrechnungsmonat(args, f.heute), f.monat) << f.heute.jahr;
  }
  // jahr and a stapel row without a year likewise.
  std::ostringstream aus, fehler;
  ASSERT_EQ(JahrBefehl({"--brutto", "3000"}, aus, fehler, {2025, 5, 2}), kErfolg) << fehler.str();
  EXPECT_EQ(aus.str().rfind("Jahresübersicht 2025", 0), 0u) << aus.str().substr(0, 80);
  std::istringstream ein("brutto,jahr\n3000,2023\n3000,\n");
  std::ostringstream zeilen, meldungen;
  Stapel(ein, zeilen, meldungen, {2025, 5, 2}, false);
  const auto lohnsteuer = [&](const char* jahr) {
    std::ostringstream j;
    RechneBefehl({"--brutto", "3000", "--jahr", jahr, "--monat", "5", "--json"}, j, fehler, kHeute);
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", nlohmann::json::parse(j.str()).at("Lohnsteuer").get<double>());
    return std::string(text);
  };
  ASSERT_NE(lohnsteuer("2023"), lohnsteuer("2025"));
  EXPECT_NE(zeilen.str().find("3000,2023," + lohnsteuer("2023")), std::string::npos) << zeilen.str();
  EXPECT_NE(zeilen.str().find("3000,," + lohnsteuer("2025")), std::string::npos) << zeilen.str();
}

// The program itself takes today's date.
TEST(Optionen, TheProgramCalculatesTheCurrentMonth) {
  const std::time_t t = std::time(nullptr);
  std::tm lokal{};
  localtime_r(&t, &lokal);
  const Datum heute{lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday};
  std::string aus;
  if (FILE* p = ::popen((std::string(SALVARO_CLI) + " rechne --brutto 3000 --json").c_str(), "r")) {
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, p)) > 0;) aus.append(puffer, n);
    ASSERT_EQ(::pclose(p), 0);
  }
  EXPECT_EQ(nlohmann::json::parse(aus).at("Abrechnungsmonat").get<std::string>(),
            abrechnungsmonat({"--brutto", "3000", "--json"}, heute));
}

// Net to gross stays within the gross --brutto takes.
TEST(Optionen, NetToGrossNeverAnswersAGrossAboveTheLimit) {
  std::ostringstream aus, fehler;
  const int code = RechneBefehl({"--netto", "1000000", "--jahr", "2026", "--monat", "5", "--json"},
                                aus, fehler, kHeute);
  EXPECT_EQ(code, kAbgelehnt);
  EXPECT_EQ(aus.str(), "");
  EXPECT_EQ(fehler.str(), "Dieses Netto ergibt sich aus keinem Brutto bis 1.000.000,00\n");
  std::ostringstream aus2, fehler2;
  ASSERT_EQ(RechneBefehl({"--netto", "400000", "--jahr", "2026", "--monat", "5", "--json"}, aus2,
                         fehler2, kHeute),
            kErfolg)
      << fehler2.str();
  EXPECT_LE(nlohmann::json::parse(aus2.str()).at("Brutto").get<double>(), 1000000.0);
}

// A stapel row with both amounts, or a factor outside class IV, is refused with its line.
TEST(Optionen, StapelRowsThatContradictThemselves) {
  std::istringstream ein(
      "brutto,netto,steuerklasse,faktor,jahr\n3000,,1,,2026\n3000,2000,1,,2026\n3000,,1,0.9,2026\n"
      "3000,,4,0,2026\n3000,,4,0.9,2026\n");
  std::ostringstream aus, fehler;
  const StapelSumme s = Stapel(ein, aus, fehler, kHeute, false);
  EXPECT_EQ(s.zeilen, 5u);
  EXPECT_EQ(s.fehlerhaft, 3u);
  EXPECT_NE(fehler.str().find("Zeile 3, Spalte netto: --brutto und --netto schließen sich aus"),
            std::string::npos)
      << fehler.str();
  EXPECT_NE(fehler.str().find("Zeile 4: --faktor gilt nur in Steuerklasse 4"), std::string::npos);
  EXPECT_NE(fehler.str().find("Zeile 5, Spalte faktor: --faktor: '0' ist kein Faktor"),
            std::string::npos);
}

}  // namespace
}  // namespace salvaro
