// "salvaro-cli fall": the payroll case's figures through its command line.
#include "cli/Fall.h"

#include <gtest/gtest.h>

#include <sstream>

namespace salvaro {
namespace {

struct Lauf {
  int code;
  std::string aus, fehler;
};

Lauf fall(const std::vector<std::string>& args) {
  std::ostringstream aus, fehler;
  const int code = FallBefehl(args, aus, fehler);
  return {code, aus.str(), fehler.str()};
}

TEST(Fall, FiguresOfThePayrollCase) {
  struct Fall {
    std::vector<std::string> args;
    std::vector<std::string> erwartet;  // "Feld": "Wert" pairs of the JSON
  };
  const std::vector<std::string> basis = {"--BGR", "1111", "--KVSatz", "14.6", "--Monat", "1"};
  // A later option overrides an earlier one of the same name.
  const auto mit = [&](std::vector<std::string> mehr) {
    mehr.insert(mehr.begin(), basis.begin(), basis.end());
    return mehr;
  };
  const Fall faelle[] = {
      {mit({"--Jahr", "2023", "--StBrutto", "3000", "--SVBrutto", "3000", "--KVZusBeitrag", "1.6",
            "--PVErhoeht", "0"}),
       {R"("KVAN": "243.0000")", R"("RVAN": "279.0000")", R"("AVAN": "39.0000")",
        R"("PVAN": "45.7500")", R"("LSt": "344.0000")"}},
      {mit({"--Jahr", "2023", "--SVBrutto", "1000"}), {R"("SVBemessung": "891.8500")"}},
      {mit({"--Jahr", "2012", "--SVBrutto", "600"}), {R"("SVBemessung": "549.8200")"}},
      {{"--Jahr", "2023", "--BGR", "6100", "--VerzichtRVFreiheit", "1", "--SVBrutto", "300"},
       {R"("RVAN": "10.8000")", R"("RVAG": "45.0000")", R"("KVAG": "39.0000")"}},
      // The transition zone from October 2022: the employee base rule.
      {mit({"--Jahr", "2022", "--Monat", "10", "--SVBrutto", "1100", "--KVZusBeitrag", "1.3",
            "--PVErhoeht", "1"}),
       {R"("SVBemessung": "1027.9900")", R"("KVAN": "68.3200")", R"("RVAN": "79.9100")",
        R"("AVAN": "10.3100")", R"("PVAN": "16.7000")", R"("RVAG": "111.3000")",
        R"("AVAG": "14.3600")", R"("PVAG": "18.2500")", R"("KVAG": "95.1300")"}},
      // From 2019 the health share is two contributions in whole cents.
      {mit({"--Jahr", "2019", "--SVBrutto", "3333.33", "--KVZusBeitrag", "1.6"}),
       {R"("KVAN": "270.0000")"}},
      // After the retirement age (March 2025 for January 1959) the Aktivrente; a company pension.
      {mit({"--Jahr", "2026", "--Monat", "3", "--BGR", "3321", "--StBrutto", "3000",
            "--SVBrutto", "3000", "--GebJahr", "1959", "--GebMonat", "1", "--Aktivrente", "1"}),
       {R"("AktivrenteFrei": "2000.0000")", R"("RE4": "1000.0000")", R"("KRVSteuer": 1)",
        R"("RegelaltersgrenzeJahr": 2025)", R"("RegelaltersgrenzeMonat": 3)"}},
      {mit({"--Jahr", "2023", "--Monat", "7", "--KVZusBeitrag", "1.6", "--PVErhoeht", "0",
            "--Versorgungsbezug", "800", "--VersorgungsbezugArt", "1",
            "--VersorgungsbeginnJahr", "2023"}),
       {R"("KVVersorgung": "102.1000")", R"("PVVersorgung": "27.2000")",
        R"("Versorgungsfreibetrag": "1020.0000")"}},
      // Setters run in their order whatever the order of the options.
      {{"--StKl", "4", "--Faktor", "0.9", "--Jahr", "2023", "--StBrutto", "4000"},
       {R"("AF": 1)", R"("StKl": 4)"}},
  };
  for (const Fall& f : faelle) {
    const Lauf l = fall(f.args);
    ASSERT_EQ(l.code, 0) << l.fehler;
    for (const std::string& e : f.erwartet) EXPECT_NE(l.aus.find(e), std::string::npos) << e;
  }
}

TEST(Fall, TaxResultsForTheYearsOfTheFamily) {
  for (const char* jahr : {"2016", "2019", "2022"}) {
    const Lauf l = fall({"--Jahr", jahr, "--StBrutto", "3000", "--SVBrutto", "3000"});
    ASSERT_EQ(l.code, 0) << l.fehler;
    EXPECT_EQ(l.aus.find(R"("LSt": "0.0000")"), std::string::npos) << jahr;
  }
}

// Without --Monat the case is January's with January's rates, not the bare year defaults.
TEST(Fall, WithoutAMonthTheMonthsRatesApply) {
  const Lauf ohne = fall({"--Jahr", "2025", "--StBrutto", "3000", "--SVBrutto", "3000"});
  ASSERT_EQ(ohne.code, 0) << ohne.fehler;
  EXPECT_NE(ohne.aus.find(R"("KVSatz": "14.6000")"), std::string::npos) << ohne.aus;
  EXPECT_EQ(
      ohne.aus,
      fall({"--Jahr", "2025", "--StBrutto", "3000", "--SVBrutto", "3000", "--Monat", "1"}).aus);
}

// Every value a field of the case defines is taken: multiple employment for health and care
// only (2), no shares at all (status 9); a status the case does not define is refused.
TEST(Fall, TakesEveryValueTheCaseDefines) {
  struct Fall {
    std::vector<std::string> args;
    int code;
    const char* ausgabe;  // in the output (0) or the error (2)
  };
  const std::vector<std::string> basis = {"--Jahr", "2024", "--StBrutto", "3000", "--SVBrutto",
                                          "3000"};
  for (const Fall& f : {
           Fall{{"--Mehrfachbesch", "2", "--BruttoAndere", "3000"}, 0, "\"BemKV\": \"2587.5000\""},
           {{"--Mehrfachbesch", "2", "--BruttoAndere", "3000"}, 0, "\"BemRV\": \"3000.0000\""},
           {{"--KVStatus", "9", "--PVStatus", "9"}, 0, "\"KVAG\": \"0.0000\""},
           {{"--KVStatus", "2"}, 0, "\"KVAN\""},
           {{"--KVStatus", "7"}, 2, "--KVStatus: '7' ist keiner der Werte 0, 2, 3, 4, 5, 9"},
           {{"--PVStatus", "1"}, 2, "--PVStatus: '1' ist keiner der Werte 0, 2, 3, 4, 5, 9"},
           {{"--Mehrfachbesch", "3"}, 2, "--Mehrfachbesch: '3' liegt nicht zwischen 0 und 2"},
       }) {
    std::vector<std::string> args = basis;
    args.insert(args.end(), f.args.begin(), f.args.end());
    const Lauf l = fall(args);
    EXPECT_EQ(l.code, f.code) << f.ausgabe << l.fehler;
    EXPECT_NE((f.code == 0 ? l.aus : l.fehler).find(f.ausgabe), std::string::npos)
        << l.aus << l.fehler;
  }
}

TEST(Fall, RefusesWhatItCannotRead) {
  struct Fall {
    std::vector<std::string> args;
    const char* meldung;
  };
  for (const Fall& f :
       {Fall{{"--StBrutto", "3000"}, "--Jahr fehlt"},
        {{"--Jahr", "2023", "--Gibtsnicht", "1"}, "unbekannte Option --Gibtsnicht"},
        {{"--Jahr", "2023", "--StBrutto", "3.000,00"}, "ist keine Zahl"},
        {{"--Jahr", "20x3"}, "ist keine ganze Zahl"},
        {{"--Jahr", "2023", "--BGR", "111"}, "Beitragsgruppe"},
        {{"--Jahr", "1999"}, "1999"},
        {{"--Jahr", "2023", "--StBrutto", "-1"}, "--StBrutto: '-1' darf nicht negativ sein"},
        {{"--Jahr", "2023", "--KVSatz", "100.5"},
         "--KVSatz: '100.5' liegt nicht zwischen 0 und 100"},
        {{"--Jahr", "2023", "--StTage", "31"}, "--StTage: '31' liegt nicht zwischen 1 und 30"},
        {{"--Jahr", "2023", "--SVTage", "0"}, "--SVTage: '0' liegt nicht zwischen 1 und 30"},
        {{"--Jahr", "2023", "--Monat", "13"}, "--Monat: '13' liegt nicht zwischen 1 und 12"},
        {{"--Jahr", "2023", "--Faktor", "1.2"}, "--Faktor: '1.2' liegt nicht zwischen 0 und 1"},
        {{"--Jahr"}, "braucht einen Wert"}}) {
    const Lauf l = fall(f.args);
    EXPECT_EQ(l.code, 2) << f.meldung;
    EXPECT_NE(l.fehler.find(f.meldung), std::string::npos) << l.fehler;
  }
}

}  // namespace
}  // namespace salvaro
