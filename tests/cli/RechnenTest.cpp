#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "Hilfe.h"
#include "cli/Rechnen.h"

namespace salvaro {
namespace {

const Datum kHeute{2026, 12, 7};

struct Lauf {
  int code;
  std::string aus, fehler;
};

Lauf rechne(std::vector<std::string> args) {
  std::ostringstream aus, fehler;
  const int code = RechneBefehl(args, aus, fehler, kHeute);
  return {code, aus.str(), fehler.str()};
}

TEST(Rechne, PrintsTheStatementLaidOutInColumns) {
  const Lauf l = rechne({"--brutto", "2500", "--jahr", "2023", "--monat", "1", "--heute",
                         "2026-12-07"});
  ASSERT_EQ(l.code, 0) << l.fehler;
  std::istringstream s(l.aus);
  std::vector<std::string> z;
  for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
  ASSERT_GT(z.size(), 10u);
  EXPECT_EQ(z[0], "Brutto-Netto-Rechner - Salvaro 1.0.5.2");
  EXPECT_EQ(z[1], std::string(95, '_'));
  EXPECT_EQ(z[2], std::string(44, ' '));
  EXPECT_EQ(z[5].substr(0, 44), "Brutto" + std::string(30, ' ') + "2.500,00");
  EXPECT_EQ(z[5].substr(44, 7), std::string(7, ' '));
  EXPECT_EQ(z[5].substr(51), "Abrechnungsmonat                 Januar 2023");
  EXPECT_EQ(z[z.size() - 2], std::string(95, '_'));
  EXPECT_EQ(z.back().rfind("Erstellt am 07.12.2026", 0), 0u);
}

TEST(Rechne, NetToGrossInJson) {
  const Lauf l = rechne({"--netto", "2.000,00", "--jahr", "2023", "--monat", "Januar", "--json"});
  ASSERT_EQ(l.code, 0) << l.fehler;
  EXPECT_NE(l.aus.find("\"Netto\": \"2000,00\""), std::string::npos) << l.aus;
  EXPECT_NE(l.aus.find("\"Berechnungsschritte\": "), std::string::npos);
}

TEST(Rechne, AmountsInGermanOrPlainNotation) {
  EXPECT_EQ(LiesBetragOption("brutto", "3.000,50"), Money::parse("3000.5"));
  EXPECT_EQ(LiesBetragOption("brutto", "3000.50"), Money::parse("3000.5"));
  EXPECT_EQ(LiesBetragOption("brutto", "3.000"), Money::euro(3000));
  EXPECT_EQ(LiesBetragOption("brutto", "3000"), Money::euro(3000));
  EXPECT_THROW(LiesBetragOption("brutto", "3x"), OptionsFehler);
}

TEST(Rechne, RefusalsExitWith2AndSayWhy) {
  struct Fall {
    std::vector<std::string> args;
    const char* meldung;
  };
  const Fall faelle[] = {
      {{"--jahr", "2023"}, "--brutto oder --netto fehlt"},
      {{"--brutto", "3000", "--geburtsjahr", "198"}, "ist nicht vierstellig"},
      {{"--brutto", "abc"}, "'abc' ist kein gültiger Gleitkommawert"},
      {{"--brutto", "3000", "--jahr", "1999"}, "liegt nicht zwischen"},
      {{"--brutto", "3000", "--steuerklasse", "7"}, "liegt nicht zwischen 1 und 6"},
      {{"--brutto", "3000", "--kirchensteuer", "Atlantis"}, "kein Bundesland"},
      {{"--brutto", "3000", "--gibtsnicht", "1"}, "unbekannte Option --gibtsnicht"},
      {{"--brutto"}, "braucht einen Wert"},
      {{"--brutto", "3000", "--heute", "7.12.2026"}, "JJJJ-MM-TT"},
  };
  for (const Fall& f : faelle) {
    const Lauf l = rechne(f.args);
    EXPECT_EQ(l.code, 2) << f.meldung;
    EXPECT_NE(l.fehler.find(f.meldung), std::string::npos) << l.fehler;
    EXPECT_EQ(l.aus, "");
  }
}

TEST(Rechne, MarginalEmploymentMessageOnStderr) {
  const Lauf l = rechne({"--brutto", "600", "--beitragsgruppe", "6500", "--jahr", "2023",
                         "--monat", "3"});
  EXPECT_EQ(l.code, 0);
  EXPECT_EQ(l.fehler, "Die Geringfügigkeitsgrenze beträgt 520 Euro\n");
}

TEST(Rechne, SavesAsTheWindowWould) {
  const auto pfad = std::filesystem::temp_directory_path() /
                    ("salvaro-rechne-" + std::to_string(::getpid()));
  const Lauf l = rechne({"--brutto", "2500", "--jahr", "2023", "--speichern", pfad.string()});
  ASSERT_EQ(l.code, 0) << l.fehler;
  std::ifstream f(pfad.string() + ".txt", std::ios::binary);
  std::stringstream inhalt;
  inhalt << f.rdbuf();
  EXPECT_NE(inhalt.str().find("Solidarit\xE4tszuschlag"), std::string::npos);
  EXPECT_NE(inhalt.str().find("\r\n"), std::string::npos);
  std::filesystem::remove(pfad.string() + ".txt");
}

// The output of a command.
std::string ausgabe(const std::string& befehl) {
  std::string text;
  if (FILE* p = ::popen(befehl.c_str(), "r")) {
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, p)) > 0;) text.append(puffer, n);
    ::pclose(p);
  }
  return text;
}

// The print as a PDF from the program itself: one page whose every word lies at least 10 mm
// (28.3 pt) inside each edge, on A4 (the default of the C locale) and on Letter. A build without
// Qt says that it cannot and fails.
TEST(Rechne, PdfInsideTheMarginsOfA4AndLetter) {
  const std::string pdf = (std::filesystem::temp_directory_path() /
                           ("salvaro-rechne-" + std::to_string(::getpid()) + ".pdf"))
                              .string();
  const std::string aufruf = std::string("LC_ALL=C ") + SALVARO_CLI +
                             " rechne --brutto 2500 --jahr 2026 --monat 1 --pdf " + pdf;
#ifndef SALVARO_MIT_PDF
  EXPECT_NE(ausgabe(aufruf + " 2>&1").find("keine PDF-Datei"), std::string::npos);
  EXPECT_NE(std::system(aufruf.c_str()), 0);
#else
  if (std::system("pdftotext -v >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext fehlt";
  struct Fall {
    const char* option;
    double breite, hoehe;
  };
  for (const Fall& f : {Fall{"", 595.28, 841.89}, Fall{" --papier Letter", 612, 792}}) {
    ASSERT_EQ(std::system((aufruf + f.option).c_str()), 0) << f.option;
    const std::string bbox = ausgabe("pdftotext -bbox " + pdf + " -");
    const std::regex seite(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    const std::regex wort(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(bbox, m, seite)) << bbox;
    EXPECT_NEAR(std::stod(m[1]), f.breite, 0.5) << f.option;
    EXPECT_NEAR(std::stod(m[2]), f.hoehe, 0.5) << f.option;
    EXPECT_EQ(std::distance(std::sregex_iterator(bbox.begin(), bbox.end(), seite),
                            std::sregex_iterator()),
              1)
        << f.option;
    const double rand = 28.3;
    double rechts = 0;
    int woerter = 0;
    for (auto i = std::sregex_iterator(bbox.begin(), bbox.end(), wort); i != std::sregex_iterator();
         ++i, ++woerter) {
      const double x0 = std::stod((*i)[1]), y0 = std::stod((*i)[2]), x1 = std::stod((*i)[3]),
                   y1 = std::stod((*i)[4]);
      EXPECT_TRUE(x0 >= rand && y0 >= rand && x1 <= f.breite - rand && y1 <= f.hoehe - rand)
          << f.option << ": " << (*i)[0];
      rechts = std::max(rechts, x1);
    }
    EXPECT_GT(woerter, 60) << f.option;
    // The right column is not cut short: it ends near the right margin.
    EXPECT_GT(rechts, f.breite - 3 * rand) << f.option;
  }
  std::filesystem::remove(pdf);
#endif
}

TEST(Stapel, OneCalculationPerRowAndErrorsPerRow) {
  const auto pfad = std::filesystem::temp_directory_path() /
                    ("salvaro-stapel-" + std::to_string(::getpid()) + ".csv");
  {
    std::ofstream f(pfad);
    f << "brutto,jahr,monat,steuerklasse,ost\n"
         "3000,2023,1,1,0\n"
         "3000,2023,1,9,0\n"
         "2500,2018,5,3,1\n";
  }
  std::ostringstream aus, fehler;
  EXPECT_EQ(StapelBefehl({pfad.string()}, aus, fehler, kHeute, true), 0);
  std::istringstream s(aus.str());
  std::vector<std::string> z;
  for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
  ASSERT_EQ(z.size(), 4u);
  EXPECT_EQ(z[0],
            "brutto,jahr,monat,steuerklasse,ost,Lohnsteuer,Kirchensteuer,Solidaritaetszuschlag,"
            "Krankenversicherung,Rentenversicherung,Arbeitslosenversicherung,Pflegeversicherung,"
            "Abzuege,Netto,Brutto,Berechnungsschritte,Meldung");
  EXPECT_EQ(z[1].rfind("3000,2023,1,1,0,-341.00,-30.69,0.00,-243.00,-279.00,-39.00,-56.25,", 0), 0u)
      << z[1];
  EXPECT_NE(z[2].find("Zeile 3, Spalte steuerklasse"), std::string::npos) << z[2];
  EXPECT_EQ(z[3].rfind("2500,2018,5,3,1,", 0), 0u);
  EXPECT_NE(fehler.str().find("Zeile 3, Spalte steuerklasse"), std::string::npos);
  EXPECT_NE(fehler.str().find("3 Zeilen gerechnet, 1 mit Fehler"), std::string::npos);
  EXPECT_EQ(fehler.str().find('['), std::string::npos) << "no progress bar for 3 rows";
  std::filesystem::remove(pfad);
}

}  // namespace
}  // namespace salvaro
