// The rules behind the main window's reactions and the sample calculation of the programs.
#include <gtest/gtest.h>

#include <sstream>

#include "abrechnung/Beispiel.h"
#include "abrechnung/Fensterregeln.h"

namespace salvaro {
namespace {

TEST(Fensterregeln, TypedYear) {
  EXPECT_EQ(RechenjahrAusText("2023"), 2023);
  EXPECT_EQ(RechenjahrAusText("2004"), 2004);
  const std::string neuestes = std::to_string(LetztesRechenjahr());
  EXPECT_EQ(RechenjahrAusText(neuestes), LetztesRechenjahr());
  // Still being typed, not a number, or a year without values.
  for (const char* text : {"", "2", "201", "20x3", "2023,5", "-", "2003"})
    EXPECT_EQ(RechenjahrAusText(text), std::nullopt) << text;
  EXPECT_EQ(RechenjahrAusText(std::to_string(LetztesRechenjahr() + 1)), std::nullopt);
}

TEST(Fensterregeln, ContributionGroup) {
  for (const char* gueltig : {"1111", "0000", "6100", "9111"})
    EXPECT_TRUE(BeitragsgruppeGueltig(gueltig)) << gueltig;
  // Short, long, and pasted past the key filter.
  for (const char* ungueltig : {"", "111", "11111", "11a1", "11 1", "-111"})
    EXPECT_FALSE(BeitragsgruppeGueltig(ungueltig)) << ungueltig;
  EXPECT_EQ(BeitragsgruppeVervollstaendigt("0"), "0000");
  EXPECT_EQ(BeitragsgruppeVervollstaendigt("00"), "00");
  EXPECT_EQ(BeitragsgruppeVervollstaendigt("1111"), "1111");
}

TEST(Fensterregeln, TaxClassWithinOneToSix) {
  struct Fall {
    const char *feld, *klasse;
  };
  for (const Fall f :
       {Fall{"1", "1"}, {"6", "6"}, {"7", "6"}, {"9", "6"}, {"0", "1"}, {"", ""}, {"x", "x"}})
    EXPECT_EQ(SteuerklasseBegrenzt(f.feld), f.klasse) << f.feld;
}

TEST(Fensterregeln, DisplaysByYearAndText) {
  EXPECT_TRUE(FaktorSichtbar(2010, "4"));
  EXPECT_FALSE(FaktorSichtbar(2009, "4"));
  EXPECT_FALSE(FaktorSichtbar(2023, "3"));

  for (const char* ohne : {"", "0", "0,0"}) EXPECT_TRUE(OhneKinderfreibetrag(ohne)) << ohne;
  for (const char* mit : {"0,5", "1", "1,0", "20"}) EXPECT_FALSE(OhneKinderfreibetrag(mit)) << mit;

  EXPECT_TRUE(PVKinderSichtbar(2005, false, false));
  EXPECT_FALSE(PVKinderSichtbar(2004, false, false));  // the surcharge began in 2005
  EXPECT_FALSE(PVKinderSichtbar(2023, true, false));
  EXPECT_FALSE(PVKinderSichtbar(2023, false, true));
}

TEST(Fensterregeln, StartMonthAndNewCaseYear) {
  const int neuestes = LetztesRechenjahr();
  EXPECT_EQ(StartMonat({neuestes, 7, 1}), 7);
  EXPECT_EQ(StartMonat({neuestes + 3, 12, 7}), 12);
  // The newest year still lies ahead: its January.
  EXPECT_EQ(StartMonat({neuestes - 1, 7, 1}), 1);

  struct Fall {
    int kalenderjahr, jahr;
  };
  for (const Fall f : {Fall{2010, 2010},
                       {ErstesRechenjahr(), ErstesRechenjahr()},
                       {neuestes, neuestes},
                       {neuestes + 3, neuestes},
                       {1999, ErstesRechenjahr()}})
    EXPECT_EQ(NeuesRechenjahr(f.kalenderjahr), f.jahr) << f.kalenderjahr;
}

TEST(Beispiel, PrintsTheSampleEmployee) {
  std::ostringstream aus;
  Beispielrechnung(aus);
  EXPECT_EQ(aus.str(),
            "Januar 2023, Steuerklasse I, Nordrhein-Westfalen\n"
            "Brutto               3.000,00 EUR\n"
            "Lohnsteuer           344,00 EUR\n"
            "Solidaritätszuschlag 0,00 EUR\n"
            "Kirchensteuer        30,96 EUR\n");
}

}  // namespace
}  // namespace salvaro
