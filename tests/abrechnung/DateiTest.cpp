// Saving to targets that are no regular file, and two saves of the same file at once.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "abrechnung/Datei.h"

namespace salvaro {
namespace {

namespace fs = std::filesystem;

class ZielTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("salvaro-ziel-" + std::to_string(::getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    WarteAufFifoLeser(false);
    fs::remove_all(dir_);
  }
  fs::path dir_;
};

// Everything a reader gets from a descriptor until its end.
std::string liesAlles(int fd) {
  std::string inhalt;
  char puffer[4096];
  for (ssize_t n; (n = ::read(fd, puffer, sizeof puffer)) > 0;) inhalt.append(puffer, n);
  return inhalt;
}

mode_t art(const fs::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

// A device, a FIFO or a socket is written into and stays what it is; a link to one likewise.
TEST_F(ZielTest, DevicesFifosAndSocketsAreWrittenIntoNotReplaced) {
  WarteAufFifoLeser(true);
  const std::string inhalt(300000, 'x');  // more than a pipe holds at once
  struct Fall {
    const char* name;
    mode_t art;
    bool ueberLink;
  };
  for (const Fall& f : {Fall{"fifo", S_IFIFO, false}, {"fifo-link", S_IFIFO, true},
                        {"socket", S_IFSOCK, false}, {"geraet", S_IFCHR, true}}) {
    SCOPED_TRACE(f.name);
    const fs::path ziel = dir_ / (std::string(f.name) + ".ziel");
    std::string gelesen;
    std::thread leser;
    if (f.art == S_IFIFO) {
      ASSERT_EQ(::mkfifo(ziel.c_str(), 0600), 0);
      leser = std::thread([&] {
        const int fd = ::open(ziel.c_str(), O_RDONLY);
        gelesen = liesAlles(fd);
        ::close(fd);
      });
    } else if (f.art == S_IFSOCK) {
      const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un a{};
      a.sun_family = AF_UNIX;
      std::strncpy(a.sun_path, ziel.c_str(), sizeof a.sun_path - 1);
      ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
      ASSERT_EQ(::listen(s, 1), 0);
      leser = std::thread([&gelesen, s] {
        const int c = ::accept(s, nullptr, nullptr);
        gelesen = liesAlles(c);
        ::close(c);
        ::close(s);
      });
    } else {
      // The null device, made here: only root may.
      if (::mknod(ziel.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) continue;
      gelesen = inhalt;  // what the device takes is gone
    }
    fs::path pfad = ziel;
    if (f.ueberLink) {
      pfad = dir_ / (std::string(f.name) + ".link");
      fs::create_symlink(ziel.filename(), pfad);
    }
    EXPECT_EQ(SchreibeDateiAtomar(pfad.string(), inhalt), "");
    if (leser.joinable()) leser.join();
    EXPECT_EQ(art(ziel), f.art);
    EXPECT_EQ(gelesen.size(), inhalt.size());
    EXPECT_EQ(gelesen, inhalt);
  }
  // Nothing else was made beside them: no temporary file, no replacement.
  for (const auto& e : fs::directory_iterator(dir_))
    EXPECT_EQ(e.path().filename().string().find(".salvaro-"), std::string::npos) << e.path();
}

// What cannot be written into is refused with its reason, the target left as it was.
TEST_F(ZielTest, TargetsThatCannotBeWrittenAreRefused) {
  const fs::path fifo = dir_ / "fifo", schleife = dir_ / "a", zu = dir_ / "socket";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("b", schleife);
  fs::create_symlink("a", dir_ / "b");
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  std::strncpy(a.sun_path, zu.c_str(), sizeof a.sun_path - 1);
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  ::close(s);  // bound, but nobody listens
  struct Fall {
    fs::path pfad;
    const char* grund;
  };
  for (const Fall& f : {Fall{fifo, "niemand liest aus dieser FIFO."},
                        {schleife, "die symbolischen Verknüpfungen führen im Kreis."},
                        {zu, "an diesem Socket nimmt niemand Daten an."}}) {
    // The window does not wait for a reader: it says so at once.
    EXPECT_EQ(SchreibeDateiAtomar(f.pfad.string(), "x"),
              "Die Datei \"" + f.pfad.string() + "\" kann nicht erstellt werden: " + f.grund);
    EXPECT_FALSE(IstSchreibgeschuetzt(f.pfad.string()));
  }
  EXPECT_EQ(art(fifo), static_cast<mode_t>(S_IFIFO));
  EXPECT_TRUE(fs::is_symlink(schleife));
  EXPECT_TRUE(fs::is_symlink(dir_ / "b"));
  // A reader who leaves early: the write fails with its reason, the program goes on.
  WarteAufFifoLeser(true);
  std::thread leser([&] {
    const int fd = ::open(fifo.c_str(), O_RDONLY);
    char c;
    static_cast<void>(::read(fd, &c, 1));
    ::close(fd);
  });
  const std::string f = SchreibeDateiAtomar(fifo.string(), std::string(1 << 20, 'x'));
  leser.join();
  EXPECT_EQ(f, "Fehler beim Schreiben von \"" + fifo.string() +
                   "\": der Empfänger hat die Ausgabe geschlossen.");
}

// Two programs saving the same file at the same time: neither takes the other's temporary file
// for a leftover, each save succeeds, and the file holds one of the two contents whole.
TEST_F(ZielTest, TwoSavesOfTheSameFileAtOnceBothSucceed) {
  const std::string pfad = (dir_ / "a.txt").string();
  const std::string eins(2000, '1'), zwei(3000, '2');
  std::string fehler[2];
  const auto speichere = [&](int wer) {
    for (int i = 0; i < 400 && fehler[wer].empty(); ++i)
      fehler[wer] = SchreibeDateiAtomar(pfad, wer == 0 ? eins : zwei);
  };
  std::thread a(speichere, 0), b(speichere, 1);
  a.join();
  b.join();
  EXPECT_EQ(fehler[0], "");
  EXPECT_EQ(fehler[1], "");
  std::ifstream f(pfad, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  EXPECT_TRUE(s.str() == eins || s.str() == zwei);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1) << "no temporary left";
}

}  // namespace
}  // namespace salvaro
