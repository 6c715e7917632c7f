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
