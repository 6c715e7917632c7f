// jahr, verlauf and steuerklassen: their outputs against the views, and their exit codes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/Ansichten.h"
#include "cli/Aufruf.h"

namespace salvaro {
namespace {

const Datum kHeute{2026, 12, 8};

struct Lauf {
  int code;
  std::string aus, fehler;
};

Lauf lauf(int (*befehl)(const std::vector<std::string>&, std::ostream&, std::ostream&,
                        const Datum&),
          const std::vector<std::string>& args) {
  std::ostringstream aus, fehler;
  const int code = befehl(args, aus, fehler, kHeute);
  return {code, aus.str(), fehler.str()};
}

TEST(Ansichten, JahrJsonMitPflegeAbJuli) {
  const Lauf l = lauf(JahrBefehl, {"--brutto", "3000", "--jahr", "2023", "--json"});
  ASSERT_EQ(l.code, kErfolg) << l.fehler;
  const auto j = nlohmann::json::parse(l.aus);
  ASSERT_EQ(j["Monate"].size(), 12u);
  EXPECT_EQ(j["Monate"][5]["Pflegeversicherung"], -56.25);
  EXPECT_EQ(j["Monate"][6]["Pflegeversicherung"], -69.0);
  EXPECT_FALSE(j["Monate"][6]["Aenderungen"].empty());
  EXPECT_EQ(j["Summe"]["Netto"], 24079.74);
}

// The year names the changes of July 2005 (special health contribution) and July 2006 (flat rates
// of marginal employment).
TEST(Ansichten, JahrNenntDieAenderungenImJuli) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--brutto", "1000", "--jahr", "2005", "--monat", "1", "--json"},
        {"--brutto", "300", "--beitragsgruppe", "6500", "--jahr", "2006", "--monat", "1",
         "--json"}}) {
    const Lauf l = lauf(JahrBefehl, args);
    ASSERT_EQ(l.code, kErfolg) << l.fehler;
    const auto j = nlohmann::json::parse(l.aus);
    EXPECT_FALSE(j["Monate"][6]["Aenderungen"].empty()) << args[3];
  }
}

TEST(Ansichten, AusgabenUndFehler) {
  using B = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&, const Datum&);
  struct Fall {
    B befehl;
    std::vector<std::string> args;
    int code;
    const char* erwartet;  // in the output (code 0) or in the message
  } faelle[] = {
      {JahrBefehl,
       {"--brutto", "3000", "--jahr", "2023", "--csv"},
       kErfolg,
       "\xEF\xBB\xBFMonat;Brutto;"},
      {JahrBefehl, {"--brutto", "3000", "--jahr", "2023"}, kErfolg, "Juli *"},
      {JahrBefehl, {"--jahr", "2023"}, kFalscheEingabe, "--brutto oder --netto fehlt"},
      {JahrBefehl,
       {"--brutto", "3000", "--geburtsjahr", "19"},
       kFalscheEingabe,
       "nicht vierstellig"},
      {VerlaufBefehl,
       {"--bis", "100", "--schritt", "50", "--jahr", "2026", "--monat", "1"},
       kErfolg,
       "100,00;"},
      {VerlaufBefehl, {"--bis", "100", "--schritt", "0"}, kFalscheEingabe, "größer als 0,00"},
      {VerlaufBefehl, {"--bis", "100000", "--schritt", "0,5"}, kFalscheEingabe, "Punkte"},
      {VerlaufBefehl, {"--brutto", "100"}, kFalscheEingabe, "gibt es hier nicht"},
      {SteuerklassenBefehl,
       {"--brutto-1", "5000", "--brutto-2", "2000", "--jahr", "2026", "--monat", "1"},
       kErfolg,
       "IV/IV mit Faktor 0,931"},
      {SteuerklassenBefehl, {"--brutto-1", "5000"}, kFalscheEingabe, "--brutto-2"},
      {SteuerklassenBefehl,
       {"--brutto-1", "5000", "--brutto-2", "1", "--steuerklasse", "3"},
       kFalscheEingabe,
       "gibt es hier nicht"},
      {SteuerklassenBefehl,
       {"--brutto-1", "5000", "--brutto-2", "2000", "--jahr-2", "2025"},
       kFalscheEingabe,
       "selben Monat"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.args[0] + " " + f.args[1]);
    const Lauf l = lauf(f.befehl, f.args);
    EXPECT_EQ(l.code, f.code) << l.fehler;
    EXPECT_NE((f.code == kErfolg ? l.aus : l.fehler).find(f.erwartet), std::string::npos)
        << l.aus << l.fehler;
  }
}

TEST(Ansichten, SteuerklassenJsonVierWahlen) {
  const Lauf l =
      lauf(SteuerklassenBefehl, {"--brutto-1", "5000", "--brutto-2", "2000", "--jahr", "2026",
                                 "--monat", "1", "--kirchensteuer-2", "keine", "--json"});
  ASSERT_EQ(l.code, kErfolg) << l.fehler;
  const auto j = nlohmann::json::parse(l.aus);
  ASSERT_EQ(j["Wahlen"].size(), 4u);
  EXPECT_LT(j["Faktor"].get<double>(), 1.0);
  EXPECT_EQ(j["Wahlen"][3]["Faktor"], j["Faktor"]);
  for (const auto& w : j["Wahlen"]) EXPECT_TRUE(w.contains("Netto1") && w.contains("Netto2"));
}

}  // namespace
}  // namespace salvaro
