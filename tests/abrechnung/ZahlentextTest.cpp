#include "abrechnung/Zahlentext.h"

#include <gtest/gtest.h>

#include <clocale>

#include "Hilfe.h"

namespace salvaro {
namespace {

using namespace literale;

TEST(Zahlentext, ReadsFieldTexts) {
  struct Fall {
    const char* text;
    Money wert;
  };
  // The rule of the command line: a single point that is no thousands grouping is the
  // decimal point.
  for (const Fall& f : {Fall{"3.000,00", 3000_m}, {"3000", 3000_m}, {"1.234.567,8", 1234567.8_m},
                        {"-0,5", -0.5_m}, {",25", 0.25_m}, {"7,", 7_m}, {" 12,3456 ", 12.3456_m},
                        {"+4", 4_m}, {"0", 0_m}, {"1234.56", 1234.56_m}, {"1.5", 1.5_m},
                        {"1.500", 1500_m}, {"000000000000000012", 12_m}}) {
    EXPECT_EQ(LiesFeld(f.text), f.wert) << f.text;
  }
}

TEST(Zahlentext, RejectsWhatIsNotANumber) {
  for (const char* text : {"", "-", ",", "abc", "1,2,3", "1.2.3.4", "1,23456", "1e5", "12 34",
                           "--1", "99999999999999999"}) {
    EXPECT_THROW(LiesFeld(text), KonvertierungsFehler) << text;
  }
  try {
    LiesFeld("abc");
  } catch (const KonvertierungsFehler& f) {
    EXPECT_STREQ(f.what(), "'abc' ist kein gültiger Gleitkommawert");
  }
  // Only two thousands points are removed before reading.
  EXPECT_EQ(OhneTausenderPunkt("1.234.567.890"), "1234567.890");
  EXPECT_EQ(OhneTausenderPunkt("1.2.3.4.5", 4), "12345");
}

TEST(Zahlentext, PlainFormAndTwoDecimals) {
  EXPECT_EQ(SchlichterText(1234.5_m), "1234,5");
  EXPECT_EQ(SchlichterText(400_m), "400");
  EXPECT_EQ(SchlichterText(-0.25_m), "-0,25");
  EXPECT_EQ(SchlichterText(0.0001_m), "0,0001");
  EXPECT_EQ(ZweiNachkommastellen("400"), "400,00");
  EXPECT_EQ(ZweiNachkommastellen("1234,5"), "1234,50");
  EXPECT_EQ(ZweiNachkommastellen("1234,56"), "1234,56");
  EXPECT_EQ(ZweiNachkommastellen(SchlichterText(269.9997_m)), "269,9997");
}

TEST(Zahlentext, PictureFormats) {
  struct Fall {
    Money wert;
    int nachkomma;
    bool gruppiert;
    const char* text;
  };
  for (const Fall& f : {Fall{3000_m, 2, true, "3.000,00"}, {-1234.567_m, 2, true, "-1.234,57"},
                        {-245.5_m, 2, true, "-245,50"}, {0.004_m, 2, true, "0,00"},
                        {-0.004_m, 2, true, "0,00"}, {0.005_m, 2, true, "0,01"},
                        {-0.005_m, 2, true, "-0,01"}, {1000000_m, 2, true, "1.000.000,00"},
                        {1234.5_m, 2, false, "1234,50"}, {2.375_m, 3, true, "2,375"},
                        {18.6_m, 2, true, "18,60"}, {12.25_m, 1, false, "12,3"},
                        {999.999_m, 2, true, "1.000,00"}, {7_m, 0, true, "7"}}) {
    EXPECT_EQ(FormatBild(f.wert, f.nachkomma, f.gruppiert), f.text) << f.wert.text4();
  }
  EXPECT_EQ(FormatDE(Money::units(INT64_MIN)), "-922.337.203.685.477,58");
}

// Amounts typed on the command line: a point is a thousands point only in a proper grouping.
TEST(Zahlentext, CommandLineAmounts) {
  struct Fall {
    const char* text;
    int nachkomma;
    const char* wert;  // nullptr: not a number; "" : too many decimals
  };
  for (const Fall& f : {Fall{"3.000,50", 2, "3000.5"},
                        {"3000.50", 2, "3000.5"},
                        {"3.000", 2, "3000"},
                        {"12.345.678", 2, "12345678"},
                        {"1.5", 2, "1.5"},
                        {"0.12", 2, "0.12"},
                        {"-1.000", 2, "-1000"},
                        {"1234.5", 2, "1234.5"},
                        {",5", 2, "0.5"},
                        {" 7 ", 2, "7"},
                        {"0.125", 2, ""},
                        {"3000,999", 2, ""},
                        {"1234.567", 2, ""},
                        {"0.875", 3, "0.875"},
                        {"0.8751", 3, ""},
                        {"1.000", 3, "1000"},
                        {"30.00,5", 2, nullptr},
                        {"1.2.3", 2, nullptr},
                        {"1.000.5", 2, nullptr},
                        {"0.125.000", 2, nullptr},
                        {".", 2, nullptr},
                        {"", 2, nullptr},
                        {"3x", 2, nullptr},
                        {"1,2,3", 2, nullptr},
                        {"1.,5", 2, nullptr}}) {
    if (f.wert == nullptr) {
      EXPECT_THROW(LiesZahlentext(f.text, f.nachkomma), KonvertierungsFehler) << f.text;
    } else if (*f.wert == '\0') {
      EXPECT_THROW(LiesZahlentext(f.text, f.nachkomma), NachkommaFehler) << f.text;
    } else {
      EXPECT_EQ(LiesZahlentext(f.text, f.nachkomma), Money::parse(f.wert)) << f.text;
    }
  }
  try {
    LiesZahlentext("0.125", 2);
  } catch (const KonvertierungsFehler& f) {
    EXPECT_STREQ(f.what(), "'0.125' hat mehr als zwei Nachkommastellen");
  }
}

// The one rule of the window's fields and the command line's options, with the field's bounds:
// every text is read as meant or refused with its message, never read otherwise.
TEST(Zahlentext, WithinBounds) {
  struct Fall {
    const char* text;
    int nachkomma;
    const char* wert;     // nullptr: refused
    const char* meldung;  // the message of a refusal
  };
  const Money min = 0_m, max = 1000000_m;
  for (const Fall& f :
       {Fall{"1234.56", 2, "1234.56", ""},
        {"1.234,56", 2, "1234.56", ""},
        {"1.5", 2, "1.5", ""},
        {"1000000", 2, "1000000", ""},
        {"1.000.000,01", 2, nullptr, "'1.000.000,01' liegt nicht zwischen 0,00 und 1.000.000,00"},
        {"9999999999", 2, nullptr, "'9999999999' liegt nicht zwischen 0,00 und 1.000.000,00"},
        {"12345678901234567890", 2, nullptr,
         "'12345678901234567890' liegt nicht zwischen 0,00 und 1.000.000,00"},
        {"-1", 2, nullptr, "'-1' liegt nicht zwischen 0,00 und 1.000.000,00"},
        {"1234.567", 2, nullptr, "'1234.567' hat mehr als zwei Nachkommastellen"},
        {"1.2.3", 2, nullptr, "'1.2.3' ist kein gültiger Gleitkommawert"},
        {"12.34,5", 2, nullptr, "'12.34,5' ist kein gültiger Gleitkommawert"},
        {"abc", 2, nullptr, "'abc' ist kein gültiger Gleitkommawert"}}) {
    if (f.wert) {
      EXPECT_EQ(LiesImBereich(f.text, f.nachkomma, min, max), Money::parse(f.wert)) << f.text;
      continue;
    }
    try {
      LiesImBereich(f.text, f.nachkomma, min, max);
      ADD_FAILURE() << f.text;
    } catch (const KonvertierungsFehler& fehler) {
      EXPECT_STREQ(fehler.what(), f.meldung);
    }
  }
  for (const auto& [text, tausender] :
       {std::pair{"1.234", true}, {"1.234,5", true}, {"-12.345.678", true}, {"1234", true},
        {"1234.5", false}, {"1.5", false}, {"0.125", false}}) {
    EXPECT_EQ(PunkteSindTausender(text), tausender) << text;
  }
}

TEST(Zahlentext, IndependentOfTheProcessLocale) {
  const char* vorher = std::setlocale(LC_ALL, nullptr);
  const std::string gespeichert = vorher ? vorher : "C";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "C.UTF-8")) {
    EXPECT_EQ(FormatDE(1234.5_m), "1.234,50");
    EXPECT_EQ(LiesFeld("1.234,5"), 1234.5_m);
  }
  std::setlocale(LC_ALL, gespeichert.c_str());
}

}  // namespace
}  // namespace salvaro
