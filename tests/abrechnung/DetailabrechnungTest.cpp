#include "abrechnung/Detailabrechnung.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "abrechnung/Zahlentext.h"

namespace salvaro {
namespace {

// Width in characters of a UTF-8 text.
std::size_t breite(const std::string& s) {
  std::size_t n = 0;
  for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

TEST(AbrZeile, ValuesEndInColumn44) {
  struct Fall {
    const char* label;
    const char* wert;
    bool betrag, negieren;
    const char* gezeigt;
  };
  const Fall faelle[] = {
      {"Brutto                        ", "2500", true, false, "2.500,00"},
      {"Lohnsteuer", "245,5", true, true, "-245,50"},
      {"Hinzurechnungsbetrag", "-100", true, true, "100,00"},
      {"Kinderfreibetrag", "0,5", false, false, "0,5"},
      {"Freibetrag", "", true, false, "0,00"},
      {"Abrechnungsmonat", "März 2023", false, false, "März 2023"},
      {"Solidaritätszuschlag", "1.234,5", true, true, "-1.234,50"},
  };
  for (const Fall& f : faelle) {
    const std::string z = AbrZeile(f.label, f.wert, f.betrag, f.negieren);
    EXPECT_EQ(breite(z), 44u) << z;
    EXPECT_EQ(z.rfind(f.label, 0), 0u) << z;
    EXPECT_EQ(z.substr(z.size() - std::string(f.gezeigt).size()), f.gezeigt) << z;
  }
  EXPECT_EQ(AbrZeile("Brutto                        ", "2500", true, false),
            "Brutto" + std::string(30, ' ') + "2.500,00");
  // Label and value of 44 characters or more are joined without blanks.
  EXPECT_EQ(AbrZeile(std::string(33, 'x'), "1.234.567,89", true, false),
            std::string(33, 'x') + "1.234.567,89");
  EXPECT_THROW(AbrZeile("Brutto", "abc", true, false), KonvertierungsFehler);
}

TEST(Detailabrechnung, JoinsTheListsUnderTitleAndAboveFooter) {
  const std::string links44(44, 'L');
  const auto z = FuegeZusammen({links44}, {"R1", "R2"}, "07.12.2026");
  ASSERT_EQ(z.size(), 7u);
  EXPECT_EQ(z[0], "Brutto-Netto-Rechner - Salvaro 1.0.5.2");
  EXPECT_EQ(z[1], std::string(95, '_'));
  EXPECT_EQ(z[2], std::string(44, ' '));
  EXPECT_EQ(z[3], links44 + "       R1");
  EXPECT_EQ(z[4], std::string(51, ' ') + "R2");
  EXPECT_EQ(z[5], std::string(95, '_'));
  EXPECT_EQ(z[6].rfind("Erstellt am 07.12.2026", 0), 0u);
  EXPECT_TRUE(IstErstellt(z));
  EXPECT_FALSE(IstErstellt(PlatzhalterAbrechnung()));
}

TEST(Detailabrechnung, SavedAsWindows1252WithCrLf) {
  const std::string bytes = AlsDatei({"Übergangsbereich", "für"});
  EXPECT_EQ(bytes, "\xDC" "bergangsbereich\r\nf\xFCr\r\n");
}

class SpeichernTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("salvaro-test-" + std::to_string(::getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir_);
  }
  static std::string lies(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  std::filesystem::path dir_;
};

TEST_F(SpeichernTest, WritesAndReplaces) {
  const auto pfad = (dir_ / "a.txt").string();
  EXPECT_EQ(SpeichereAbrechnung({"eins"}, pfad), "");
  EXPECT_EQ(SpeichereAbrechnung({"zwei", "drei"}, pfad), "");
  EXPECT_EQ(lies(pfad), "zwei\r\ndrei\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1) << "no temporary left";
}

TEST_F(SpeichernTest, FailureLeavesTheOldFileAndSaysWhy) {
  const auto pfad = (dir_ / "a.txt").string();
  ASSERT_EQ(SpeichereAbrechnung({"alt"}, pfad), "");
  if (::geteuid() != 0) {  // root may write anywhere
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_exec);
    EXPECT_NE(SpeichereAbrechnung({"neu"}, pfad), "");
    EXPECT_EQ(lies(pfad), "alt\r\n");
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
  }
  EXPECT_NE(SpeichereAbrechnung({"neu"}, (dir_ / "fehlt" / "a.txt").string()), "");
  EXPECT_NE(SpeichereAbrechnung({"neu"}, pfad + "/unter-einer-datei.txt"), "");
  EXPECT_NE(SpeichereAbrechnung({"neu"}, "/proc/salvaro-nicht-beschreibbar.txt"), "")
      << "a directory nobody may write to, root included";
  EXPECT_NE(SpeichereAbrechnung({"neu"}, dir_.string()), "");
  EXPECT_EQ(lies(pfad), "alt\r\n");
}

}  // namespace
}  // namespace salvaro
