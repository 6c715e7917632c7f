#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "abrechnung/Datei.h"
#include "abrechnung/Detailabrechnung.h"
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

// What went wrong is said in German, naming the file and the cause.
TEST_F(SpeichernTest, GermanMessagesForTheCommonCauses) {
  const auto datei = (dir_ / "a.txt").string();
  ASSERT_EQ(SpeichereAbrechnung({"alt"}, datei), "");
  struct Fall {
    std::string pfad;
    std::string meldung;
  };
  const std::string fehlt = (dir_ / "fehlt").string();
  for (const Fall& f :
       {Fall{fehlt + "/a.txt", "Die Datei \"" + fehlt +
                                   "/a.txt\" kann nicht erstellt werden: das "
                                   "Verzeichnis \"" +
                                   fehlt + "\" existiert nicht."},
        {dir_.string(),
         "Die Datei \"" + dir_.string() + "\" kann nicht erstellt werden: es ist ein Verzeichnis."},
        {datei + "/b.txt", "Die Datei \"" + datei +
                               "/b.txt\" kann nicht erstellt werden: ein Teil "
                               "des Pfades ist kein Verzeichnis."}}) {
    EXPECT_EQ(SpeichereAbrechnung({"neu"}, f.pfad), f.meldung);
  }
  EXPECT_EQ(LeseFehler(fehlt + "/x.csv", ENOENT),
            "Die Datei \"" + fehlt + "/x.csv\" kann nicht gelesen werden: das Verzeichnis \"" +
                fehlt + "\" existiert nicht.");
  EXPECT_EQ(LeseFehler(datei + ".nicht", LeseFehlernummer(datei + ".nicht")),
            "Die Datei \"" + datei + ".nicht\" kann nicht gelesen werden: sie existiert nicht.");
  EXPECT_EQ(LeseFehlernummer(dir_.string()), EISDIR);
  EXPECT_EQ(LeseFehlernummer(datei), 0);
  struct Grund {
    int nummer;
    const char* text;
  };
  for (const Grund& g : {Grund{ENOSPC, "der Datenträger ist voll"},
                         {EDQUOT, "der Datenträger ist voll"},
                         {EACCES, "keine Berechtigung"},
                         {EPERM, "keine Berechtigung"},
                         {EROFS, "der Datenträger ist schreibgeschützt"},
                         {EISDIR, "es ist ein Verzeichnis"},
                         {ENOENT, "die Datei oder das Verzeichnis existiert nicht"},
                         {EBADF, "die Ausgabe ist geschlossen"}})
    EXPECT_EQ(DateiGrund(g.nummer), g.text) << g.nummer;
  EXPECT_EQ(lies(datei), "alt\r\n");
}

TEST_F(SpeichernTest, KeepsPermissionsAndWritesThroughALink) {
  const auto ziel = dir_ / "ziel.txt";
  const auto link = dir_ / "link.txt";
  ASSERT_EQ(SpeichereAbrechnung({"alt"}, ziel.string()), "");
  ::chmod(ziel.c_str(), 0600);
  std::filesystem::create_symlink("ziel.txt", link);
  ASSERT_EQ(SpeichereAbrechnung({"neu"}, link.string()), "");
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(lies(ziel), "neu\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(ziel.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  // A link to a file that does not exist yet creates it where the link points.
  std::filesystem::create_symlink("neu.txt", dir_ / "zu-neu.txt");
  ASSERT_EQ(SpeichereAbrechnung({"eins"}, (dir_ / "zu-neu.txt").string()), "");
  EXPECT_EQ(lies(dir_ / "neu.txt"), "eins\r\n");
}

TEST_F(SpeichernTest, AReadOnlyFileIsReplacedOnlyWhenAsked) {
  const auto pfad = (dir_ / "a.txt").string();
  ASSERT_EQ(SpeichereAbrechnung({"alt"}, pfad), "");
  ::chmod(pfad.c_str(), 0444);
  EXPECT_TRUE(IstSchreibgeschuetzt(pfad));
  EXPECT_EQ(SpeichereAbrechnung({"neu"}, pfad),
            "Die Datei \"" + pfad + "\" kann nicht ersetzt werden: sie ist schreibgeschützt.");
  EXPECT_EQ(lies(pfad), "alt\r\n");
  EXPECT_EQ(SpeichereAbrechnung({"neu"}, pfad, Schreibschutz::Ersetzen), "");
  EXPECT_EQ(lies(pfad), "neu\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(pfad.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_FALSE(IstSchreibgeschuetzt((dir_ / "gibt-es-nicht").string()));
}

TEST_F(SpeichernTest, LeftoversOfAnInterruptedSaveAreRemovedNotThoseOfARunningOne) {
  const auto pfad = (dir_ / "a.txt").string();
  const auto rest = dir_ / ".a.txt.salvaro-Ab12Cd";
  const auto laufend = dir_ / ".a.txt.salvaro-Xy34Zw";
  const auto fremd = dir_ / ".b.txt.salvaro-Ab12Cd";
  for (const auto& p : {rest, laufend, fremd}) std::ofstream(p) << "halb";
  const int fd = ::open(laufend.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  ASSERT_EQ(SpeichereAbrechnung({"neu"}, pfad), "");
  EXPECT_FALSE(std::filesystem::exists(rest));
  EXPECT_TRUE(std::filesystem::exists(laufend));
  EXPECT_TRUE(std::filesystem::exists(fremd));
  ::close(fd);
}

TEST_F(SpeichernTest, StreamsInChunksAndAnAbortLeavesTheOldFile) {
  const auto pfad = (dir_ / "gross.csv").string();
  ASSERT_EQ(SchreibeDateiAtomar(pfad, "alt"), "");
  {
    AtomareDatei d;
    ASSERT_EQ(d.Oeffne(pfad), "");
    for (int i = 0; i < 20000; ++i) d.Strom() << "Zeile " << i << '\n';
    d.Verwirf();
  }
  EXPECT_EQ(lies(pfad), "alt");
  std::string erwartet;
  {
    AtomareDatei d;
    ASSERT_EQ(d.Oeffne(pfad), "");
    for (int i = 0; i < 20000; ++i) {
      d.Strom() << "Zeile " << i << '\n';
      erwartet += "Zeile " + std::to_string(i) + "\n";
    }
    EXPECT_EQ(lies(pfad), "alt") << "nothing replaced before the commit";
    ASSERT_EQ(d.Uebernimm(), "");
  }
  EXPECT_EQ(lies(pfad), erwartet);
  {
    AtomareDatei d;  // destroyed without a commit
    ASSERT_EQ(d.Oeffne(pfad), "");
    d.Strom() << "x";
  }
  EXPECT_EQ(lies(pfad), erwartet);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1) << "no temporary left";
}

}  // namespace
}  // namespace salvaro
