#include "abrechnung/Cp1252.h"

#include <gtest/gtest.h>

namespace salvaro {
namespace {

TEST(Cp1252, UmlautsAndTheUpperControlRange) {
  struct Fall {
    const char* utf8;
    const char* bytes;
  };
  for (const Fall& f : {Fall{"Übergangsbereich", "\xDC" "bergangsbereich"},
                        {"Zuschuß für Krankenversicherung", "Zuschu\xDF f\xFCr Krankenversicherung"},
                        {"Schließen", "Schlie\xDF" "en"},
                        {"500 €", "500 \x80"},
                        {"„Zitat“ – Ende…", "\x84Zitat\x93 \x96 Ende\x85"},
                        {"Ÿž", "\x9F\x9E"},
                        {"plain ASCII\r\n", "plain ASCII\r\n"}}) {
    EXPECT_EQ(NachCp1252(f.utf8), f.bytes) << f.utf8;
    EXPECT_EQ(AusCp1252(f.bytes), f.utf8) << f.utf8;
  }
}

TEST(Cp1252, CharactersItCannotHoldAndWellFormedUtf8) {
  using V = std::vector<std::string>;
  EXPECT_EQ(NichtInCp1252("500 € für „Müller“"), V{});
  EXPECT_EQ(NichtInCp1252("a→b😀c→Ω"), (V{"→", "😀", "Ω"}));
  EXPECT_EQ(NichtInCp1252("kaputt \xFF"), V{"\xEF\xBF\xBD"});
  for (const char* gut : {"", "März", "€", "😀", "\xEF\xBF\xBD"}) EXPECT_TRUE(IstUtf8(gut)) << gut;
  for (const char* schlecht :
       {"M\xE4rz", "\xC3", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80"})
    EXPECT_FALSE(IstUtf8(schlecht)) << schlecht;
}

TEST(Cp1252, WhatTheCodePageLacks) {
  EXPECT_EQ(NachCp1252("Ωx中"), "?x?");
  EXPECT_EQ(NachCp1252("bad \xFF byte"), "bad ? byte");
  EXPECT_EQ(NachCp1252("cut \xC3"), "cut ?");
  EXPECT_EQ(AusCp1252("\x81\x8D"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  // Every byte survives a round trip except the five unassigned ones.
  for (int b = 0; b < 256; ++b) {
    const std::string ein(1, static_cast<char>(b));
    const bool unbelegt = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    EXPECT_EQ(NachCp1252(AusCp1252(ein)) == ein, !unbelegt) << b;
  }
}

}  // namespace
}  // namespace salvaro
