#include "cli/Pap.h"

#include <gtest/gtest.h>

#include <sstream>

namespace salvaro {
namespace {

std::string pap(const std::string& eingabe, PapZusammenfassung* summe = nullptr) {
  std::istringstream ein(eingabe);
  std::ostringstream aus;
  const PapZusammenfassung s = Pap(ein, aus, "OruSteuern2023");
  if (summe) *summe = s;
  return aus.str();
}

TEST(Pap, AppendsOutputsInCentsAndPassesOtherColumnsThrough) {
  const std::string aus = pap("case_id,STKL,RE4,LZZ,KVZ,R,note\nA,1,300000,2,1.60,1,x y\n");
  EXPECT_EQ(aus,
            "case_id,STKL,RE4,LZZ,KVZ,R,note,our_LSTLZZ,our_SOLZLZZ,our_BK,our_STS,our_SOLZS,"
            "our_BKS,our_STV,our_SOLZV,our_BKV\n"
            "A,1,300000,2,1.60,1,x y,34400,0,34400,0,0,0,0,0,0\n");
}

// The outputs appended to the first data row.
std::string ausgaben(const std::string& csv) {
  const std::string zeile = csv.substr(csv.find('\n') + 1);
  std::size_t pos = zeile.size() - 1;
  for (int i = 0; i < 9; ++i) pos = zeile.rfind(',', pos - 1);
  return zeile.substr(pos + 1);
}

TEST(Pap, MissingColumnsAreZeroAndOrderIsFree) {
  EXPECT_EQ(ausgaben(pap("RE4,STKL,LZZ,KVZ\n300000,1,2,0\n")),
            ausgaben(pap("LZZ,STKL,RE4\n2,1,300000\n")));
  EXPECT_EQ(ausgaben(pap("KVZ,LZZ,STKL,RE4\n1.60,2,1,300000\n")), "34400,0,0,0,0,0,0,0,0\n");
}

// Commas are looked for eight bytes at a time: the same row with its fields shifted over every
// byte of a word, with empty fields beside each other, reads the same.
TEST(Pap, FieldsAreFoundWhereverTheCommasFall) {
  const std::string erwartet = ausgaben(pap("id,x,STKL,RE4,LZZ,y,KVZ\nA,,1,300000,2,,1.60\n"));
  EXPECT_EQ(erwartet, "34400,0,0,0,0,0,0,0,0\n");
  for (std::size_t k = 1; k <= 16; ++k)
    EXPECT_EQ(ausgaben(pap("id,x,STKL,RE4,LZZ,y,KVZ\n" + std::string(k, 'A') +
                           ",,1,300000,2,,1.60\n")),
              erwartet)
        << k;
}

TEST(Pap, RowsWithInputsTheEngineDoesNotTakeAreSkipped) {
  PapZusammenfassung s;
  // The 2023 flowchart has no unemployment switch (2026).
  const std::string aus = pap("RE4,STKL,ALV\n300000,1,1\n300000,1,0\n", &s);
  EXPECT_EQ(s.zeilen, 2);
  EXPECT_EQ(s.uebersprungen, 1);
  EXPECT_EQ(s.fremdeEingaben, std::set<std::string>{"ALV"});
  EXPECT_NE(aus.find("300000,1,1,,,,,,,,,\n"), std::string::npos);
}

TEST(Pap, MalformedRowsNameLineAndColumn) {
  try {
    pap("case_id,RE4,STKL\n1,300000,1\n2,30a00,1\n");
    FAIL();
  } catch (const PapFehler& f) {
    EXPECT_STREQ(f.what(), "Zeile 3, Spalte RE4: '30a00' ist keine Zahl");
  }
  try {
    pap("case_id,RE4,STKL\n1,300000\n");
    FAIL();
  } catch (const PapFehler& f) {
    EXPECT_STREQ(f.what(), "Zeile 2: 2 Spalten statt 3");
  }
  EXPECT_THROW(pap(""), PapFehler);
  std::istringstream ein("RE4\n1\n");
  std::ostringstream aus;
  EXPECT_THROW(Pap(ein, aus, "OruSteuern1999"), PapFehler);
}

// Inputs outside the ranges the flowchart defines, and a header of another separator.
TEST(Pap, InputsOutOfRangeNameLineAndColumn) {
  struct Fall {
    const char* csv;
    const char* meldung;
  };
  for (const Fall& f :
       {Fall{"RE4;STKL;LZZ\n300000;1;2\n",
             "Zeile 1: die Spalten der Kopfzeile sind nicht durch Kommas getrennt"},
        {"RE4,STKL,LZZ\n300000,7,2\n", "Zeile 2, Spalte STKL: '7' liegt nicht zwischen 0 und 6"},
        {"RE4,STKL,LZZ\n300000,1,0\n", "Zeile 2, Spalte LZZ: '0' liegt nicht zwischen 1 und 4"},
        {"RE4,STKL,LZZ\n300000,1,2\n-1,1,2\n", "Zeile 3, Spalte RE4: '-1' darf nicht negativ sein"},
        {"RE4,F,AF,STKL\n300000,1.5,1,4\n",
         "Zeile 2, Spalte F: '1.5' liegt nicht zwischen 0 und 1"},
        {"RE4,PVA\n300000,5\n", "Zeile 2, Spalte PVA: '5' liegt nicht zwischen 0 und 4"},
        {"RE4,KVZ\n300000,101\n", "Zeile 2, Spalte KVZ: '101' liegt nicht zwischen 0 und 100"},
        {"RE4,ZMVB\n300000,13\n", "Zeile 2, Spalte ZMVB: '13' liegt nicht zwischen 0 und 12"},
        {"RE4,VKAPA\n300000,-5\n", "Zeile 2, Spalte VKAPA: '-5' darf nicht negativ sein"}}) {
    try {
      pap(f.csv);
      ADD_FAILURE() << f.csv;
    } catch (const PapFehler& e) {
      EXPECT_STREQ(e.what(), f.meldung);
    }
  }
  EXPECT_NO_THROW(pap("RE4,STKL,LZZ,F,AF,KRV,PVA\n300000,0,4,0.875,1,2,4\n"));
}

}  // namespace
}  // namespace salvaro
