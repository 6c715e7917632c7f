#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "Hilfe.h"
#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Zahlentext.h"
#include "cli/Aufruf.h"
#include "cli/Fall.h"
#include "cli/Pap.h"
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

// Amounts are numbers in euros, deductions negative, rates numbers in percent; the deductions
// add up to the difference between gross and net, to the cent.
TEST(Rechne, JsonTypesAndSigns) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--netto", "2.000,00", "--jahr", "2023", "--monat", "Januar"},
        {"--brutto", "4500", "--jahr", "2026", "--monat", "1"},
        {"--brutto", "7000", "--jahr", "2010", "--monat", "7", "--kirchensteuer", "Bayern"}}) {
    std::vector<std::string> mitJson = args;
    mitJson.push_back("--json");
    const Lauf l = rechne(mitJson);
    ASSERT_EQ(l.code, 0) << l.fehler;
    const nlohmann::json j = nlohmann::json::parse(l.aus);
    const auto cent = [&](const char* k) { return std::llround(j.at(k).get<double>() * 100); };
    long long abzuege = 0;
    for (const char* k :
         {"Lohnsteuer", "Kirchensteuer", "Solidaritaetszuschlag", "Krankenversicherung",
          "Rentenversicherung", "Arbeitslosenversicherung", "Pflegeversicherung"}) {
      ASSERT_TRUE(j.at(k).is_number()) << k;
      EXPECT_LE(j.at(k).get<double>(), 0) << k;
      abzuege += cent(k);
    }
    for (const char* k : {"Brutto", "Steuerbrutto", "SVBrutto", "Netto", "SummeGesetzlicheAbzuege",
                          "RVSatz", "AVSatz", "PVSatz", "KVSatz", "KVZusatz"})
      ASSERT_TRUE(j.at(k).is_number()) << k;
    EXPECT_EQ(cent("SummeGesetzlicheAbzuege"), abzuege);
    EXPECT_EQ(cent("Brutto") + abzuege, cent("Netto")) << l.aus;
    EXPECT_TRUE(j.at("Abrechnungsmonat").is_string());
    EXPECT_TRUE(j.at("Berechnungsschritte").is_number_integer());
    EXPECT_TRUE(j.at("Meldungen").is_array());
  }
  const nlohmann::json j = nlohmann::json::parse(
      rechne({"--brutto", "4500", "--jahr", "2026", "--monat", "1", "--json"}).aus);
  EXPECT_EQ(j.at("RVSatz"), 18.6);
  EXPECT_EQ(j.at("KVSatz"), 14.6);
  EXPECT_EQ(j.at("Netto"), 2812.58);
}

// Money becomes a double only at this edge: its shortest text is the amount's own decimal text,
// and it reads back to the same cents.
TEST(Rechne, JsonAmountsReadBackToTheCent) {
  for (std::int64_t c = -300000; c <= 300000; c += 7) {
    for (const std::int64_t skala : {std::int64_t{1}, std::int64_t{1000003}}) {
      const Money m = Money::cent(c * skala);
      const std::string text = nlohmann::json(AlsJsonZahl(m)).dump();
      EXPECT_EQ(std::llround(nlohmann::json::parse(text).get<double>() * 100), c * skala) << text;
      std::string erwartet = FormatBild(m, 2, false);
      erwartet[erwartet.find(',')] = '.';
      while (erwartet.back() == '0' && erwartet[erwartet.size() - 2] != '.') erwartet.pop_back();
      ASSERT_EQ(text, erwartet);
    }
  }
}

TEST(Rechne, AmountsInGermanOrPlainNotation) {
  EXPECT_EQ(LiesBetragOption("brutto", "3.000,50"), Money::parse("3000.5"));
  EXPECT_EQ(LiesBetragOption("brutto", "3000.50"), Money::parse("3000.5"));
  EXPECT_EQ(LiesBetragOption("brutto", "3.000"), Money::euro(3000));
  EXPECT_EQ(LiesBetragOption("brutto", "3000"), Money::euro(3000));
  EXPECT_THROW(LiesBetragOption("brutto", "3x"), OptionsFehler);
}

// Every option with a field in the window takes what the field takes, within the same bounds,
// and refuses the rest with the field's message.
TEST(Rechne, OptionsBoundedAsTheirFields) {
  const struct {
    const char* option;
    Zahlfeldgrenzen grenzen;
  } faelle[] = {{"brutto", kGrenzenBetrag},
                {"netto", kGrenzenBetrag},
                {"steuerbrutto", kGrenzenBetrag},
                {"sv-brutto", kGrenzenBetrag},
                {"einmalzahlung", kGrenzenBetrag},
                {"faktor", kGrenzenFaktor},
                {"kinderfreibetrag", kGrenzenKinderfreibetrag},
                {"freibetrag", kGrenzenSteuerfreibetrag},
                {"pkv", kGrenzenPKV},
                {"ppv", kGrenzenPPV},
                {"jahresbrutto-bisher", kGrenzenJahresbruttoBisher},
                {"abfindung", kGrenzenAbfindung},
                {"u1-satz", kGrenzenUmlagesatz},
                {"u2-satz", kGrenzenUmlagesatz}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.option);
    const Money max = Money::euro(f.grenzen.max);
    const auto setze = [&](const std::string& wert) {
      Auftrag a;
      SetzeOption(a, f.option, wert);
    };
    EXPECT_NO_THROW(setze(FormatBild(max, f.grenzen.kommastellen, true)));
    std::string zuViel = FormatBild(max, 4, false);
    zuViel.back() = '1';  // max plus 0,0001: more decimals than the field has
    for (const std::string& wert : {SchlichterText(max + Money::euro(1)), zuViel,
                                    std::string("1.2.3")}) {
      std::string fenster;
      try {
        LiesZahlfeld(wert, f.grenzen);
      } catch (const KonvertierungsFehler& e) {
        fenster = e.what();
      }
      ASSERT_FALSE(fenster.empty()) << wert;
      try {
        setze(wert);
        ADD_FAILURE() << wert;
      } catch (const OptionsFehler& e) {
        EXPECT_EQ(e.what(), "--" + std::string(f.option) + ": " + fenster);
      }
    }
  }
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
  // A row with bad input makes the run's exit code 1; the other rows are still written.
  EXPECT_EQ(StapelBefehl({pfad.string()}, aus, fehler, kHeute, true), 1);
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

// One scheme of exit codes: 0 done, 1 refused, 2 bad input, 3 unsolved search, 4 not written.
TEST(Rechne, ExitCodes) {
  const std::string fehlt = (std::filesystem::temp_directory_path() /
                             ("salvaro-fehlt-" + std::to_string(::getpid())) / "a.txt")
                                .string();
  struct Fall {
    std::vector<std::string> args;
    int code;
    std::string meldung;  // on stderr
  };
  const Fall faelle[] = {
      {{"--brutto", "3000", "--faktor", "0.875", "--steuerklasse", "4"}, 0, ""},
      {{"--brutto", "0.125"}, 2, "'0.125' hat mehr als zwei Nachkommastellen"},
      {{"--brutto", "3000,999"}, 2, "mehr als zwei Nachkommastellen"},
      {{"--faktor", "0.8755", "--brutto", "3000"}, 2, "mehr als drei Nachkommastellen"},
      {{"--netto", "159,77", "--jahr", "2010", "--monat", "7", "--beitragsgruppe", "9111", "--pkv",
        "676,60", "--ppv", "137,94"},
       1,
       "Dieses Netto ergibt sich aus keinem Brutto ab 0,00"},
      {{"--netto", "1508,14", "--jahr", "2023", "--monat", "1"},
       3,
       "Hochrechnung nach 200 Schritten abgebrochen"},
      {{"--brutto", "3000", "--speichern", fehlt},
       4,
       "das Verzeichnis \"" + std::filesystem::path(fehlt).parent_path().string() +
           "\" existiert nicht"},
      {{"--brutto", "3000", "--speichern="}, 2, "--speichern braucht einen Dateinamen"},
  };
  for (const Fall& f : faelle) {
    const Lauf l = rechne(f.args);
    EXPECT_EQ(l.code, f.code) << f.args[1] << l.fehler;
    EXPECT_NE(l.fehler.find(f.meldung), std::string::npos) << l.fehler;
  }
  // An unsolved search shows the closest result it tried.
  const Lauf l = rechne({"--netto", "1508,14", "--jahr", "2023", "--monat", "1", "--json"});
  const nlohmann::json j = nlohmann::json::parse(l.aus);
  EXPECT_NEAR(j.at("Netto").get<double>(), 1508.14, 0.05);
  EXPECT_GE(j.at("Brutto").get<double>(), 0);
}

// --help on every subcommand: usage, options, exit status and examples on stdout, exit 0.
TEST(Befehle, HelpInTheShapeHelp2manReads) {
  std::istringstream nichts;
  for (const char* befehl : {"rechne", "stapel", "fall", "pap", "beispiel"}) {
    std::ostringstream aus, fehler;
    const std::vector<std::string> args = {"--help"};
    const std::string b = befehl;
    const int code = b == "rechne"   ? RechneBefehl(args, aus, fehler, kHeute)
                     : b == "stapel" ? StapelBefehl(args, aus, fehler, kHeute, false)
                     : b == "fall"   ? FallBefehl(args, aus, fehler)
                     : b == "pap"    ? PapBefehl(args, nichts, aus, fehler)
                                     : (BefehlsHilfe(aus, b), 0);
    EXPECT_EQ(code, 0) << befehl;
    EXPECT_EQ(fehler.str(), "") << befehl;
    const std::string h = aus.str();
    EXPECT_EQ(h.rfind("Aufruf: salvaro-cli " + b, 0), 0u) << h;
    for (const char* teil : {"\nOptionen:\n  ", "\n  -h, --help  ", "\nExit-Status:\n  0  ",
                             "\n  4  ", "\nBeispiele:\n  salvaro-cli "})
      EXPECT_NE(h.find(teil), std::string::npos) << befehl << ": " << teil;
  }
  std::ostringstream alles;
  Hilfe(alles);
  for (const char* teil : {"-V, --version", "Exit-Status:", "Beispiele:", "--ausgabe DATEI",
                           "--Feld WERT", "OruSteuern2026"})
    EXPECT_NE(alles.str().find(teil), std::string::npos) << teil;
  EXPECT_EQ(VersionsText(), "salvaro-cli 1.0.5.2");
}

TEST(Stapel, ProgressLine) {
  struct Fall {
    std::size_t fertig, gesamt;
    double sekunden;
    const char* text;
  };
  for (const Fall& f : {Fall{0, 100000, 0, "0 von 100.000 Zeilen"},
                        {1500, 100000, 2, "1.500 von 100.000 Zeilen, 750 Zeilen/s, noch 2:11"},
                        {100000, 100000, 50, "100.000 von 100.000 Zeilen, 2.000 Zeilen/s"},
                        {10, 100000, 10, "10 von 100.000 Zeilen, 1 Zeilen/s, noch 27:46:30"},
                        {300, 0, 1.5, "300 Zeilen, 200 Zeilen/s"}})
    EXPECT_EQ(FortschrittsText(f.fertig, f.gesamt, f.sekunden), f.text);
}

// The input as files come: a byte-order mark, blank lines, Windows-1252, overlong lines, NUL
// bytes; line numbers are those of the file.
TEST(Stapel, InputFilesAndExitCodes) {
  struct Fall {
    std::string name;
    std::string csv;
    int code;
    std::vector<std::string> fehler;  // parts of stderr
    std::string ausgabe;              // a part of stdout
  };
  const std::string kopf = "brutto;jahr;monat;kirchensteuer\n";
  const Fall faelle[] = {
      {"BOM, blank lines, bad row on line 5",
       "\xEF\xBB\xBF" + kopf + "\n3000;2023;1;keine\n\n3000;2023;1;Atlantis\n",
       1,
       {"Zeile 5, Spalte kirchensteuer", "2 Zeilen gerechnet, 1 mit Fehler"},
       "brutto;jahr;monat;kirchensteuer;Lohnsteuer"},
      {"Windows-1252",
       kopf + "3000;2023;M\xE4rz;Th\xFCringen\n",
       0,
       {"1 Zeilen gerechnet"},
       "3000;2023;März;Thüringen;-341,00"},
      {"every row fails",
       kopf + "x;2023;1;keine\n3000;1999;1;keine\n",
       1,
       {"Zeile 2, Spalte brutto", "Zeile 3, Spalte jahr", "2 Zeilen gerechnet, 2 mit Fehler"},
       ""},
      {"refused",
       "netto,jahr,monat,beitragsgruppe,pkv,ppv\n159.77,2010,7,9111,676.60,137.94\n",
       1,
       {"Zeile 2: Dieses Netto ergibt sich aus keinem Brutto ab 0,00", "1 abgelehnt"},
       ""},
      {"unsolved only",
       "netto,jahr,monat\n1508.14,2023,1\n2000,2023,1\n",
       3,
       {"Zeile 2: Hochrechnung nach 200 Schritten abgebrochen",
        "2 Zeilen gerechnet, 1 Hochrechnung ohne genaues Ergebnis"},
       "\n2000,2023,1,"},
      {"NUL byte",
       kopf + std::string("30\0"
                          "00;2023;1;keine\n",
                          17),
       1,
       {"'30\\000'"},
       ""},
      {"line over 64 KiB",
       kopf + std::string(70000, ';') + "\n3000;2023;1;keine\n",
       1,
       {"Zeile 2: die Zeile ist länger als 64 KiB", "2 Zeilen gerechnet, 1 mit Fehler"},
       "\n3000;2023;1;keine;-341,00"},
      {"header over 64 KiB",
       std::string(70000, 'x') + "\n",
       2,
       {"Zeile 1: die Zeile ist länger"},
       ""},
      {"no header", "\n\n", 2, {"Zeile 3: die Kopfzeile fehlt"}, ""},
      {"no amount", "brutto,jahr\n,2023\n", 1, {"Zeile 2: brutto oder netto fehlt"}, ""},
  };
  const auto pfad = std::filesystem::temp_directory_path() /
                    ("salvaro-stapel-ein-" + std::to_string(::getpid()) + ".csv");
  for (const Fall& f : faelle) {
    std::ofstream(pfad, std::ios::binary) << f.csv;
    std::ostringstream aus, fehler;
    EXPECT_EQ(StapelBefehl({pfad.string()}, aus, fehler, kHeute, false), f.code) << f.name;
    for (const std::string& teil : f.fehler)
      EXPECT_NE(fehler.str().find(teil), std::string::npos) << f.name << ": " << fehler.str();
    EXPECT_NE(aus.str().find(f.ausgabe), std::string::npos) << f.name << ": " << aus.str();
    // Every row has the header's columns, a refused one too: its message is under "Meldung".
    std::istringstream zeilen(aus.str());
    std::string zeile;
    std::getline(zeilen, zeile);
    const char trenner = zeile.find(';') != std::string::npos ? ';' : ',';
    const std::size_t spalten = TeileCsv(zeile, trenner).size();
    while (std::getline(zeilen, zeile))
      EXPECT_EQ(TeileCsv(zeile, trenner).size(), spalten) << f.name << ": " << zeile;
  }
  std::filesystem::remove(pfad);
  std::ostringstream aus, fehler;
  const std::string verzeichnis = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(StapelBefehl({verzeichnis}, aus, fehler, kHeute, false), 2);
  EXPECT_EQ(fehler.str(), "salvaro-cli stapel: die Datei \"" + verzeichnis +
                              "\" kann nicht gelesen werden: es ist ein Verzeichnis\n");
}

// --ausgabe writes the file as a whole: a run that ends on a file-level problem keeps the old one.
TEST(Stapel, OutputFile) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("salvaro-stapel-aus-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto ein = dir / "ein.csv", aus = dir / "aus.csv", schlecht = dir / "schlecht.csv";
  std::ofstream(ein) << "brutto,jahr,monat\n3000,2023,1\n";
  std::ofstream(schlecht) << "unbekannt\n1\n";
  std::ofstream(aus) << "alt";
  const auto lauf = [&](const std::filesystem::path& eingabe, const std::string& ziel) {
    std::ostringstream o, f;
    const int code = StapelBefehl({eingabe.string(), "--ausgabe", ziel}, o, f, kHeute, false);
    EXPECT_EQ(o.str(), "");
    return std::make_pair(code, f.str());
  };
  EXPECT_EQ(lauf(schlecht, aus.string()).first, 2);
  std::stringstream inhalt;
  inhalt << std::ifstream(aus).rdbuf();
  EXPECT_EQ(inhalt.str(), "alt");
  EXPECT_EQ(lauf(ein, aus.string()), std::make_pair(0, std::string("1 Zeilen gerechnet\n")));
  inhalt.str("");
  inhalt << std::ifstream(aus).rdbuf();
  EXPECT_EQ(inhalt.str().rfind("brutto,jahr,monat,Lohnsteuer", 0), 0u);
  const auto [code, meldung] = lauf(ein, (dir / "fehlt" / "x.csv").string());
  EXPECT_EQ(code, 4);
  EXPECT_NE(meldung.find("existiert nicht"), std::string::npos) << meldung;
  EXPECT_EQ(meldung.find("Zeilen gerechnet"), std::string::npos) << "no summary as success";
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace salvaro

namespace salvaro {
namespace {

// Without payment, severance and the employer's side the statement is the same, byte for byte,
// as before they existed; with them it gains their lines.
TEST(Rechne, StatementWithoutPaymentUnchanged) {
  struct Fall {
    const char* datei;
    std::vector<std::string> args;
  };
  const Fall faelle[] = {
      {"ohne_einmalzahlung_1111.txt", {"--brutto", "4000", "--jahr", "2026", "--monat", "11"}},
      {"ohne_einmalzahlung_6500.txt",
       {"--brutto", "520", "--beitragsgruppe", "6500", "--jahr", "2025", "--monat", "3"}},
      {"ohne_einmalzahlung_uebergang.txt",
       {"--brutto", "1500", "--steuerklasse", "3", "--kirchensteuer", "Bayern", "--jahr", "2026",
        "--monat", "6"}},
      {"ohne_einmalzahlung_pkv_netto.txt",
       {"--netto", "2500", "--pkv", "400", "--ppv", "60", "--jahr", "2023", "--monat", "2"}},
  };
  for (const Fall& f : faelle) {
    std::vector<std::string> args = f.args;
    args.insert(args.end(), {"--heute", "2026-12-08"});
    const Lauf ohne = rechne(args);
    std::ifstream datei(std::string(SALVARO_TESTDATA) + "/abrechnung/" + f.datei,
                        std::ios::binary);
    std::ostringstream erwartet;
    erwartet << datei.rdbuf();
    EXPECT_EQ(ohne.aus, erwartet.str()) << f.datei;
    args.insert(args.end(), {"--einmalzahlung", "1000", "--abfindung", "500", "--arbeitgeber"});
    const Lauf mit = rechne(args);
    for (const char* zeile : {"Netto Einmalzahlung", "Netto Abfindung", "Netto gesamt",
                              "ARBEITGEBER:", "Gesamtkosten Arbeitgeber"})
      EXPECT_NE(mit.aus.find(zeile), std::string::npos) << f.datei << ": " << zeile;
  }
}

// The keys of the payment and the employer, the payment's tax as the flowchart's STS, the
// previous year's December for a large payment in February.
TEST(Rechne, JsonOfPaymentAndEmployer) {
  const auto json = [](std::vector<std::string> args) {
    args.insert(args.end(), {"--json", "--heute", "2026-12-08", "--jahr", "2026"});
    const Lauf l = rechne(args);
    EXPECT_EQ(l.code, 0) << l.fehler;
    return nlohmann::json::parse(l.aus);
  };
  auto j = json({"--brutto", "4000", "--einmalzahlung", "3000", "--monat", "11"});
  EXPECT_EQ(j["LohnsteuerEinmalzahlung"], -744.0);
  EXPECT_EQ(j["SVEinmalzahlung"], -652.5);
  EXPECT_EQ(j["NettoGesamt"], j["Netto"].get<double>() + j["NettoEinmalzahlung"].get<double>());
  j = json({"--brutto", "8000", "--einmalzahlung", "20000", "--monat", "2"});
  EXPECT_EQ(j["SVEinmalzahlung"], -63.6);
  EXPECT_EQ(j["Meldungen"][0], "Einmalzahlung dem Vorjahr zugeordnet");
  j = json({"--brutto", "8000", "--einmalzahlung", "20000", "--monat", "2", "--nicht-im-vorjahr"});
  EXPECT_EQ(j["SVEinmalzahlung"], -95.4);
  EXPECT_TRUE(j["Meldungen"].empty());
  for (const char* key : {"SolidaritaetszuschlagEinmalzahlung", "KirchensteuerEinmalzahlung",
                          "LohnsteuerAbfindung", "ArbeitgeberKV", "ArbeitgeberRV",
                          "ArbeitgeberAV", "ArbeitgeberPV", "Umlagen",
                          "ArbeitgeberGesamtkosten"})
    EXPECT_TRUE(j.contains(key)) << key;
  // A year whose engine cannot tax a payment refuses.
  const Lauf l = rechne({"--brutto", "3000", "--einmalzahlung", "1000", "--jahr", "2006",
                         "--monat", "5"});
  EXPECT_EQ(l.code, kAbgelehnt);
  EXPECT_NE(l.fehler.find("nicht berechenbar"), std::string::npos);
}

// stapel writes the results of payment and employer only when the input has their columns.
TEST(Stapel, PaymentColumnsOnlyWithTheirInput) {
  const auto stapel = [](const std::string& text) {
    std::istringstream ein(text);
    std::ostringstream aus, fehler;
    Stapel(ein, aus, fehler, kHeute, false);
    return aus.str();
  };
  const std::string alt = stapel("brutto,jahr,monat\n4000,2026,11\n");
  EXPECT_EQ(alt.find("Einmalzahlung"), std::string::npos);
  const std::string neu = stapel(
      "brutto,jahr,monat,einmalzahlung\n4000,2026,11,3000\n4000,2026,11,x\n");
  std::istringstream zeilen(neu);
  std::vector<std::vector<std::string>> z;
  for (std::string l; std::getline(zeilen, l);) z.push_back(TeileCsv(l, ','));
  ASSERT_EQ(z.size(), 3u);
  EXPECT_EQ(z[0].size(), 4u + 12 + 13);
  EXPECT_EQ(z[1].size(), z[0].size());
  EXPECT_EQ(z[2].size(), z[0].size());
  EXPECT_EQ(z[0][15], "LohnsteuerEinmalzahlung");
  EXPECT_EQ(z[1][15], "-744.00");
  EXPECT_EQ(z[0].back(), "Meldung");
}

// The options of age and pension payments and their JSON keys; without them the amounts of a
// calculation are those of the earlier builds.
TEST(Rechne, AgeAndPensionOptionsAndKeys) {
  const auto json = [](std::vector<std::string> args) {
    args.insert(args.end(), {"--json", "--heute", "2026-12-08"});
    const Lauf l = rechne(args);
    EXPECT_EQ(l.code, 0) << l.fehler;
    return nlohmann::json::parse(l.aus);
  };
  auto j = json({"--brutto", "3000", "--jahr", "2026", "--monat", "1"});
  const std::pair<const char*, double> bisher[] = {
      {"Lohnsteuer", -293.08},         {"Kirchensteuer", -26.37},
      {"Krankenversicherung", -262.5}, {"Rentenversicherung", -279.0},
      {"Pflegeversicherung", -72.0},   {"Netto", 2028.05},
      {"ArbeitgeberGesamtkosten", 3639.0}};
  for (const auto& [key, wert] : bisher) EXPECT_EQ(j[key], wert) << key;
  EXPECT_EQ(j["Regelaltersgrenze"], "Dezember 2047");
  EXPECT_EQ(j["Aktivrente"], 0.0);
  EXPECT_TRUE(j["Beitragsgruppenvorschlag"].is_null());

  // Born in January 1959, March 2026, key 1111: the Aktivrente and the proposal of 3321.
  j = json({"--brutto", "3000", "--jahr", "2026", "--monat", "3", "--geburtsjahr", "1959",
            "--geburtsmonat", "Januar"});
  EXPECT_EQ(j["Regelaltersgrenze"], "März 2025");
  EXPECT_EQ(j["Aktivrente"], 2000.0);
  EXPECT_EQ(j["Beitragsgruppenvorschlag"], "3321");
  EXPECT_EQ(j["Meldungen"].back(),
            "Regelaltersgrenze im März 2025 erreicht: Beitragsgruppe 3321 vorgeschlagen");
  const double mit = j["Lohnsteuer"];
  j = json({"--brutto", "3000", "--jahr", "2026", "--monat", "3", "--geburtsjahr", "1959",
            "--geburtsmonat", "1", "--ohne-aktivrente"});
  EXPECT_EQ(j["Aktivrente"], 0.0);
  EXPECT_LT(j["Lohnsteuer"].get<double>(), mit);
  // Class VI: only with --aktivrente.
  j = json({"--brutto", "3000", "--jahr", "2026", "--monat", "3", "--geburtsjahr", "1959",
            "--geburtsmonat", "1", "--steuerklasse", "6"});
  EXPECT_EQ(j["Aktivrente"], 0.0);
  j = json({"--brutto", "3000", "--jahr", "2026", "--monat", "3", "--geburtsjahr", "1959",
            "--geburtsmonat", "1", "--steuerklasse", "6", "--aktivrente"});
  EXPECT_EQ(j["Aktivrente"], 2000.0);

  // A company pension of 800 in 2023 alone, and a civil-service pension begun in 2010.
  j = json({"--brutto", "0", "--jahr", "2023", "--monat", "7", "--versorgungsbezug", "800",
            "--versorgungsbeginn", "2023-01", "--betriebsrente", "--geburtsjahr", "1958"});
  EXPECT_EQ(j["KVVersorgung"], -102.1);
  EXPECT_EQ(j["PVVersorgung"], -32.0);
  EXPECT_EQ(j["Versorgungsfreibetrag"], 1020.0);
  EXPECT_EQ(j["ZuschlagVersorgungsfreibetrag"], 306.0);
  EXPECT_EQ(j["Netto"], 800 - 102.1 - 32.0 + j["Lohnsteuer"].get<double>() +
                            j["Solidaritaetszuschlag"].get<double>() +
                            j["Kirchensteuer"].get<double>());
  j = json({"--brutto", "0", "--jahr", "2026", "--monat", "1", "--versorgungsbezug", "3000",
            "--versorgungsbeginn", "2010", "--beamtenpension", "--geburtsjahr", "1945"});
  EXPECT_EQ(j["KVVersorgung"], 0.0);
  EXPECT_EQ(j["Versorgungsfreibetrag"], 2400.0);
  EXPECT_EQ(j["ZuschlagVersorgungsfreibetrag"], 720.0);
  EXPECT_LT(j["Lohnsteuer"].get<double>(), 0.0);

  struct Falsch {
    std::vector<std::string> args;
    const char* meldung;
  };
  for (const Falsch& f : {Falsch{{"--geburtsmonat", "13"}, "--geburtsmonat: '13' ist kein Monat"},
                          {{"--versorgungsbeginn", "2023-3x"}, "--versorgungsbeginn: '2023-3x'"},
                          {{"--versorgungsbezug", "-5"}, "--versorgungsbezug"},
                          {{"--aktivrente=vielleicht"}, "--aktivrente: 'vielleicht'"}}) {
    std::vector<std::string> args = {"--brutto", "3000"};
    args.insert(args.end(), f.args.begin(), f.args.end());
    const Lauf l = rechne(args);
    EXPECT_EQ(l.code, kFalscheEingabe) << f.meldung;
    EXPECT_NE(l.fehler.find(f.meldung), std::string::npos) << l.fehler;
  }
  // A pension beginning after the month is refused by the workflow.
  const Lauf l = rechne({"--brutto", "3000", "--jahr", "2026", "--monat", "3",
                         "--versorgungsbezug", "800", "--versorgungsbeginn", "2026-04"});
  EXPECT_EQ(l.code, kAbgelehnt);
  EXPECT_NE(l.fehler.find("Der Versorgungsbeginn liegt nach dem Abrechnungsmonat"),
            std::string::npos);
}

// stapel takes the same columns and writes the results of age and pension only with them.
TEST(Stapel, AgeColumnsOnlyWithTheirInput) {
  std::istringstream ein(
      "brutto,jahr,monat,geburtsjahr,geburtsmonat,versorgungsbezug,versorgungsbeginn\n"
      "3000,2026,3,1959,1,,\n0,2023,7,1958,,800,2023\n3000,2026,3,1959,x,,\n");
  std::ostringstream aus, fehler;
  Stapel(ein, aus, fehler, kHeute, false);
  std::istringstream zeilen(aus.str());
  std::vector<std::vector<std::string>> z;
  for (std::string l; std::getline(zeilen, l);) z.push_back(TeileCsv(l, ','));
  ASSERT_EQ(z.size(), 4u);
  ASSERT_EQ(z[0].size(), 7u + 11 + 8 + 1);
  for (const auto& zeile : z) EXPECT_EQ(zeile.size(), z[0].size());
  EXPECT_EQ(z[0][18], "Regelaltersgrenze");
  EXPECT_EQ(z[1][18], "März 2025");
  EXPECT_EQ(z[0][19], "Aktivrente");
  EXPECT_EQ(z[1][19], "2000.00");
  EXPECT_EQ(z[1][25], "3321");
  EXPECT_EQ(z[0][23], "KVVersorgung");
  EXPECT_EQ(z[2][23], "-102.10");
  EXPECT_NE(z[3].back().find("geburtsmonat"), std::string::npos);
}

// Severance and pay for several years' work each by its rule, the pension opt-in by the pension
// digit, no church-tax minimum without wage tax: the JSON keys as rechne writes them.
TEST(Rechne, JsonOfSeveranceOptInAndChurchTax) {
  struct Fall {
    std::vector<std::string> args;
    std::vector<std::pair<const char*, double>> werte;
  };
  for (const Fall& f : {
           Fall{{"--brutto", "5000", "--jahr", "2025", "--monat", "6", "--kv-zusatz", "2.5",
                 "--einmalzahlung", "2000", "--abfindung", "20000"},
                {{"LohnsteuerAbfindung", -7685.0}}},
           {{"--brutto", "2500", "--jahr", "2023", "--monat", "10", "--steuerklasse", "3",
             "--abfindung", "15000"},
            {{"LohnsteuerAbfindung", -2480.0}, {"LohnsteuerMehrjaehrigeVerguetung", 0.0}}},
           {{"--brutto", "2500", "--jahr", "2023", "--monat", "10", "--steuerklasse", "3",
             "--mehrjaehrige-verguetung", "15000"},
            {{"LohnsteuerMehrjaehrigeVerguetung", -702.0}, {"LohnsteuerAbfindung", 0.0}}},
           {{"--brutto", "500", "--jahr", "2024", "--monat", "11", "--beitragsgruppe", "6100"},
            {{"Rentenversicherung", -18.0}, {"ArbeitgeberRV", 75.0}}},
           {{"--brutto", "759", "--jahr", "2024", "--monat", "12", "--steuerklasse", "4",
             "--kirchensteuer", "Hamburg", "--einmalzahlung", "300"},
            {{"Kirchensteuer", 0.0}, {"KirchensteuerEinmalzahlung", 0.0}}},
       }) {
    std::vector<std::string> args = f.args;
    args.push_back("--json");
    const Lauf l = rechne(args);
    ASSERT_EQ(l.code, 0) << l.fehler;
    const auto j = nlohmann::json::parse(l.aus);
    for (const auto& [key, wert] : f.werte) EXPECT_EQ(j[key], wert) << key;
    // The lines add up to the total.
    double summe = 0;
    for (const char* key : {"Lohnsteuer", "Kirchensteuer", "Solidaritaetszuschlag",
                            "Krankenversicherung", "Rentenversicherung",
                            "Arbeitslosenversicherung", "Pflegeversicherung"})
      summe += j[key].get<double>();
    EXPECT_NEAR(summe, j["SummeGesetzlicheAbzuege"].get<double>(), 0.001);
  }
}

// What the window does not let one enter is refused with exit code 2: from 2009 a general health
// rate other than the legal one (the field is locked), a gross of earlier months in January. A
// rate before 2009 is taken and applied.
TEST(Rechne, InputsTheWindowDoesNotTake) {
  struct Fall {
    std::vector<std::string> args;
    int code;
    const char* meldung;  // in the error output; nullptr: none
    double kvSatz, kv;    // the rate shown and the health share (code 0)
  };
  for (const Fall& f : {
           Fall{{"--jahr", "2009", "--monat", "7", "--kv-satz", "5.28"}, 2,
                "--kv-satz: '5,28%' ist nicht möglich", 0, 0},
           {{"--jahr", "2009", "--monat", "7", "--kv-satz", "14"}, 0, nullptr, 14.0, -290.33},
           {{"--jahr", "2009", "--monat", "1", "--kv-satz", "14.6"}, 0, nullptr, 14.6, -301.35},
           {{"--jahr", "2026", "--monat", "3", "--kv-satz", "15"}, 2, "--kv-satz", 0, 0},
           {{"--jahr", "2008", "--monat", "7", "--kv-satz", "5.28"}, 0, nullptr, 5.28, -127.44},
           {{"--jahr", "2024", "--monat", "1", "--einmalzahlung", "500", "--jahresbrutto-bisher",
             "5000"},
            2, "--jahresbrutto-bisher: im Januar gibt es keine früheren Monate", 0, 0},
           {{"--jahr", "2024", "--monat", "2", "--einmalzahlung", "500", "--jahresbrutto-bisher",
             "5000"},
            0, nullptr, 14.6, -376.92},
       }) {
    std::vector<std::string> args = f.args;
    args.insert(args.end(), {"--brutto", "4624.76", "--json"});
    const Lauf l = rechne(args);
    EXPECT_EQ(l.code, f.code) << l.fehler;
    if (f.meldung) {
      EXPECT_NE(l.fehler.find(f.meldung), std::string::npos) << l.fehler;
      continue;
    }
    const auto j = nlohmann::json::parse(l.aus);
    EXPECT_EQ(j["KVSatz"], f.kvSatz);
    EXPECT_EQ(j["Krankenversicherung"], f.kv) << f.args[1] << "/" << f.args[3];
  }
}

// Several years' pay has columns of its own, written only when the input has its column; a file
// with the other payment columns keeps its thirteen.
TEST(Stapel, SeveralYearsPayColumnsOnlyWithTheirInput) {
  const auto kopf = [](const std::string& text) {
    std::istringstream ein(text);
    std::ostringstream aus, fehler;
    Stapel(ein, aus, fehler, kHeute, false);
    std::istringstream zeilen(aus.str());
    std::vector<std::vector<std::string>> z;
    for (std::string l; std::getline(zeilen, l);) z.push_back(TeileCsv(l, ','));
    return z;
  };
  const auto mit = kopf("brutto,jahr,monat,mehrjaehrige-verguetung\n4000,2023,11,10000\n4000,x,11,1\n");
  ASSERT_EQ(mit.size(), 3u);
  EXPECT_EQ(mit[0].size(), 4u + 12 + 18);
  EXPECT_EQ(mit[1].size(), mit[0].size());
  EXPECT_EQ(mit[2].size(), mit[0].size());
  const auto spalte = std::find(mit[0].begin(), mit[0].end(), "LohnsteuerMehrjaehrigeVerguetung");
  ASSERT_NE(spalte, mit[0].end());
  EXPECT_NE(mit[1][spalte - mit[0].begin()], "0.00");
  const auto ohne = kopf("brutto,jahr,monat,abfindung\n4000,2023,11,10000\n");
  EXPECT_EQ(ohne[0].size(), 4u + 12 + 13);
}

}  // namespace
}  // namespace salvaro
