// The pay components on the command line: the option table, rechne's JSON, stapel's columns and
// the help.
#include "cli/Bezugsoptionen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>

#include "Hilfe.h"
#include "cli/Aufruf.h"
#include "cli/Rechnen.h"

namespace salvaro {
namespace {

using W = Bezugsoption::Wert;

// Every option of the table sets an input of its kind's component, and a value out of range or
// unreadable is refused with the option named.
TEST(Bezugsoptionen, JedeOptionSetztIhrenBezug) {
  const auto gueltig = [](W w) -> const char* {
    switch (w) {
      case W::Betrag: return "12,34";
      case W::Listenpreis: return "45.000,00";
      case W::Stunden: return "7.5";
      case W::KWh: return "42,5";
      case W::Km: return "23";
      case W::Anzahl: return "11";
      case W::Arbeitstage: return "19";
      case W::Belegung: return "3";
      case W::Jahr: return "2004";
      case W::Monat: return "2019-03";
      case W::Antrieb: return "Elektro";
      case W::Schalter: return "ja";
    }
    return "";
  };
  const auto ungueltig = [](W w) -> const char* {
    switch (w) {
      case W::Betrag: case W::Listenpreis: case W::Stunden: case W::KWh: return "-1";
      case W::Km: return "1001";
      case W::Anzahl: return "32";
      case W::Arbeitstage: return "0";
      case W::Belegung: return "0";
      case W::Jahr: return "20x4";
      case W::Monat: return "2019-13";
      case W::Antrieb: return "diesel";
      case W::Schalter: return "vielleicht";
    }
    return "";
  };
  for (const Bezugsoption& o : Bezugsoptionen()) {
    Auftrag a;
    SetzeOption(a, o.name, gueltig(o.wert));
    ASSERT_EQ(a.eingaben.Bezuege.size(), 1u) << o.name;
    Bezug leer;
    leer.art = o.art;
    EXPECT_EQ(a.eingaben.Bezuege[0].art, o.art) << o.name;
    EXPECT_NE(a.eingaben.Bezuege[0], leer) << o.name;
    // A second option of the kind goes to the same component.
    SetzeOption(a, o.name, gueltig(o.wert));
    EXPECT_EQ(a.eingaben.Bezuege.size(), 1u) << o.name;
    try {
      SetzeOption(a, o.name, ungueltig(o.wert));
      ADD_FAILURE() << o.name << " takes " << ungueltig(o.wert);
    } catch (const OptionsFehler& f) {
      EXPECT_NE(std::string(f.what()).find("--" + std::string(o.name)), std::string::npos)
          << f.what();
    }
    // stapel's columns and the help come from the same table.
    EXPECT_NE(std::find(RechneOptionen().begin(), RechneOptionen().end(), o.name),
              RechneOptionen().end());
  }
  std::ostringstream hilfe;
  BefehlsHilfe(hilfe, "rechne");
  EXPECT_NE(hilfe.str().find("--dienstwagen-antrieb verbrenner|hybrid|elektro"), std::string::npos);
  EXPECT_LT(hilfe.str().find("--nettoabzug BETRAG"), hilfe.str().find("--heute JJJJ-MM-TT"));
}

nlohmann::json json(std::vector<std::string> args) {
  args.insert(args.end(), {"--json", "--heute", "2026-12-08"});
  std::ostringstream aus, fehler;
  EXPECT_EQ(RechneBefehl(args, aus, fehler, Datum{2026, 12, 8}), kErfolg) << fehler.str();
  return nlohmann::json::parse(aus.str());
}

// The keys of the components only with components; the cases of the pay slip.
TEST(Bezugsoptionen, JsonDerBezuege) {
  auto j = json({"--brutto", "3000", "--jahr", "2026", "--monat", "1"});
  for (const char* key : {"GeldwerterVorteil", "Auszahlungsbetrag", "Bezuege"})
    EXPECT_FALSE(j.contains(key)) << key;
  j = json({"--brutto", "6000", "--jahr", "2019", "--monat", "3", "--dienstwagen", "38750,01",
            "--dienstwagen-km", "20"});
  EXPECT_EQ(j["Steuerbrutto"], 6619.2);
  EXPECT_EQ(j["SVBrutto"], 6619.2);
  EXPECT_EQ(j["GeldwerterVorteil"], 619.2);
  EXPECT_EQ(j["Netto"], 3603.01);
  EXPECT_EQ(j["Auszahlungsbetrag"], 2983.81);
  ASSERT_EQ(j["Bezuege"].size(), 1u);
  EXPECT_EQ(j["Bezuege"][0]["Art"], "Dienstwagen");
  EXPECT_EQ(j["Bezuege"][0]["Steuerpflichtig"], 619.2);
  j = json({"--brutto", "4000", "--jahr", "2026", "--monat", "3", "--entgeltumwandlung", "200"});
  EXPECT_EQ(j["Steuerbrutto"], 3800.0);
  EXPECT_EQ(j["SVBrutto"], 3800.0);
  EXPECT_EQ(j["ArbeitgeberzuschussBAV"], 30.0);
  EXPECT_EQ(j["BeitragBAV"], 230.0);
  EXPECT_GT(j["NettoaufwandBAV"].get<double>(), 0.0);
  j = json({"--brutto", "3000", "--jahr", "2026", "--monat", "3", "--internetpauschale", "50",
            "--kirchensteuer", "Bayern"});
  EXPECT_EQ(j["PauschalsteuerArbeitgeber"], 14.05);  // 12.50 + 0.68 + 0.87
  EXPECT_EQ(std::lround((j["Auszahlungsbetrag"].get<double>() - j["Netto"].get<double>()) * 100),
            5000);
}

// stapel writes the component results only for input with one of their columns; a row with a
// bad component value gets its message.
TEST(Bezugsoptionen, StapelSpaltenNurMitIhrerEingabe) {
  const auto stapel = [](const std::string& text) {
    std::istringstream ein(text);
    std::ostringstream aus, fehler;
    Stapel(ein, aus, fehler, Datum{2026, 12, 7}, false);
    return aus.str();
  };
  EXPECT_EQ(stapel("brutto,jahr,monat\n4000,2026,11\n").find("Auszahlungsbetrag"),
            std::string::npos);
  std::istringstream zeilen(stapel(
      "brutto,jahr,monat,sachbezug,nettoabzug\n3000,2022,5,50.01,\n3000,2022,5,,10\n"
      "3000,2022,5,x,\n"));
  std::vector<std::vector<std::string>> z;
  for (std::string l; std::getline(zeilen, l);) z.push_back(TeileCsv(l, ','));
  ASSERT_EQ(z.size(), 4u);
  const std::size_t spalten = 5 + 11 + 2 + Bezugswerte({}).size() + 1;
  EXPECT_EQ(z[0].size(), spalten);
  EXPECT_EQ(z[3].size(), spalten);
  EXPECT_EQ(z[0][16], "Steuerbrutto");
  EXPECT_EQ(z[1][16], "3050.01");
  EXPECT_EQ(z[0][18], "GeldwerterVorteil");
  EXPECT_EQ(z[1][18], "50.01");
  EXPECT_EQ(z[0][20], "Nettoabzuege");
  EXPECT_EQ(z[2][20], "-10.00");
  EXPECT_NE(z[3].back().find("Spalte sachbezug"), std::string::npos);
}

}  // namespace
}  // namespace salvaro
