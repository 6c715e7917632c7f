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
  const std::string aus = pap("RE4,STKL,ALV,LZZ\n300000,1,1,2\n300000,1,0,2\n", &s);
  EXPECT_EQ(s.zeilen, 2);
  EXPECT_EQ(s.uebersprungen, 1);
  EXPECT_EQ(s.fremdeEingaben, std::set<std::string>{"ALV"});
  EXPECT_NE(aus.find("300000,1,1,2,,,,,,,,,\n"), std::string::npos);
}

TEST(Pap, MalformedRowsNameLineAndColumn) {
  try {
    pap("case_id,RE4,STKL,LZZ\n1,300000,1,2\n2,30a00,1,2\n");
    FAIL();
  } catch (const PapFehler& f) {
    EXPECT_STREQ(f.what(), "Zeile 3, Spalte RE4: '30a00' ist keine Zahl");
  }
  try {
    pap("case_id,RE4,STKL,LZZ\n1,300000\n");
    FAIL();
  } catch (const PapFehler& f) {
    EXPECT_STREQ(f.what(), "Zeile 2: 2 Spalten statt 4");
  }
  EXPECT_THROW(pap(""), PapFehler);
  std::istringstream ein("RE4,STKL,LZZ\n1,1,2\n");
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
        {"RE4,F,AF,STKL,LZZ\n300000,1.5,1,4,2\n",
         "Zeile 2, Spalte F: '1.5' liegt nicht zwischen 0 und 1"},
        {"RE4,PVA,STKL,LZZ\n300000,5,1,2\n",
         "Zeile 2, Spalte PVA: '5' liegt nicht zwischen 0 und 4"},
        {"RE4,KVZ,STKL,LZZ\n300000,101,1,2\n",
         "Zeile 2, Spalte KVZ: '101' liegt nicht zwischen 0 und 100"},
        {"RE4,ZMVB,STKL,LZZ\n300000,13,1,2\n",
         "Zeile 2, Spalte ZMVB: '13' liegt nicht zwischen 0 und 12"},
        {"RE4,VKAPA,STKL,LZZ\n300000,-5,1,2\n",
         "Zeile 2, Spalte VKAPA: '-5' darf nicht negativ sein"}}) {
    try {
      pap(f.csv);
      ADD_FAILURE() << f.csv;
    } catch (const PapFehler& e) {
      EXPECT_STREQ(e.what(), f.meldung);
    }
  }
  EXPECT_NO_THROW(pap("RE4,STKL,LZZ,F,AF,KRV,PVA\n300000,0,4,0.875,1,2,4\n"));
}

// A header the engine cannot read is refused before any row: without the pay period, the tax
// class or the wage there is nothing meaningful to compute. Values too large say so.
TEST(Pap, HeadersWithoutTheNeededInputsAndValuesTooLargeAreRefused) {
  struct Fall {
    std::string csv;
    const char* meldung;
  };
  const std::string zuLang(70000, '1');
  for (const Fall& f :
       {Fall{"RE4,STKL\n500000,1\n", "Zeile 1: die Spalte LZZ fehlt"},
        {"id,RE4\n1,500000\n", "Zeile 1: die Spalten LZZ und STKL fehlen"},
        {"lzz,stkl,re4\n2,1,500000\n",
         "Zeile 1: die Spalten LZZ, STKL und RE4 fehlen ('lzz', 'stkl' und 're4' werden nicht "
         "gelesen: die Spalten heißen wie die Eingaben des Programmablaufplans, in Großbuchstaben "
         "und ohne Anführungszeichen)"},
        {"\"LZZ\",STKL,RE4\n2,1,500000\n",
         "Zeile 1: die Spalte LZZ fehlt ('\"LZZ\"' wird nicht gelesen: die Spalten heißen wie "
         "die Eingaben des Programmablaufplans, in Großbuchstaben und ohne Anführungszeichen)"},
        {"LZZ,STKL,RE4\n2,1,99999999999999999999\n",
         "Zeile 2, Spalte RE4: '99999999999999999999' ist zu groß"},
        {"LZZ,STKL,RE4\n2,1,100000000001\n",
         "Zeile 2, Spalte RE4: '100000000001' ist zu groß (höchstens 100000000000)"},
        {"LZZ,STKL,RE4,R\n2,1,500000,99999999999\n", "Zeile 2, Spalte R: '99999999999' ist zu groß"},
        {"LZZ,STKL,RE4\n2,1,-99999999999999999999\n",
         "Zeile 2, Spalte RE4: '-99999999999999999999' darf nicht negativ sein"},
        {"LZZ,STKL,RE4\n2,1,1.23456\n", "Zeile 2, Spalte RE4: '1.23456' hat mehr als vier Nachkommastellen"},
        // A line is held only up to 64 KiB, whole (the header too) or where it ends the input.
        {"LZZ,STKL,RE4," + zuLang + "\n", "Zeile 1: die Zeile ist länger als 64 KiB"},
        {"LZZ,STKL,RE4\n2,1,500000\n2,1," + zuLang + "\n2,1,1\n",
         "Zeile 3: die Zeile ist länger als 64 KiB"},
        {"LZZ,STKL,RE4\n2,1,500000\n\n2,1," + zuLang + zuLang + zuLang,
         "Zeile 4: die Zeile ist länger als 64 KiB"},
        {std::string(300000, 'x'), "Zeile 1: die Zeile ist länger als 64 KiB"}}) {
    try {
      pap(f.csv);
      ADD_FAILURE() << f.csv.substr(0, 60);
    } catch (const PapFehler& e) {
      EXPECT_EQ(e.what(), std::string(f.meldung));
    }
  }
  // Columns the engine does not take are named; the rows are computed.
  PapZusammenfassung s;
  pap("case_id,LZZ,STKL,RE4,PVA,LSTLZZ\nA,2,1,300000,0,34400\n", &s);
  EXPECT_EQ(s.fremdeSpalten, (std::vector<std::string>{"case_id", "PVA", "LSTLZZ"}));
  EXPECT_EQ(s.zeilen, 1);
}

// An input without line ends is refused at its first 64 KiB and never held whole.
TEST(Pap, AnEndlessLineIsRefusedWithFlatMemory) {
  class Nullen : public std::streambuf {
   public:
    std::size_t gelesen = 0;

   protected:
    int_type underflow() override {
      if (gelesen > (std::size_t{1} << 30)) return traits_type::eof();  // 1 GiB: not refused
      setg(block_, block_, block_ + sizeof block_);
      gelesen += sizeof block_;
      return traits_type::to_int_type(block_[0]);
    }

   private:
    char block_[1 << 16] = {};
  } nullen;
  std::istream ein(&nullen);
  std::ostringstream aus;
  EXPECT_THROW(Pap(ein, aus, "OruSteuern2026"), PapFehler);
  EXPECT_LT(nullen.gelesen, std::size_t{1} << 20);
}

}  // namespace
}  // namespace salvaro
