#include "abrechnung/Datei.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace salvaro {

namespace fs = std::filesystem;

std::string DateiGrund(int fehlernummer) {
  switch (fehlernummer) {
    case ENOENT:
      return "die Datei oder das Verzeichnis existiert nicht";
    case ENOTDIR:
      return "ein Teil des Pfades ist kein Verzeichnis";
    case EACCES:
    case EPERM:
      return "keine Berechtigung";
    case ENOSPC:
    case EDQUOT:
      return "der Datenträger ist voll";
    case EROFS:
      return "der Datenträger ist schreibgeschützt";
    case EISDIR:
      return "es ist ein Verzeichnis";
    case ENAMETOOLONG:
      return "der Name ist zu lang";
    case ELOOP:
      return "zu viele symbolische Verknüpfungen";
    case EIO:
      return "Ein-/Ausgabefehler des Datenträgers";
    case EFBIG:
      return "die Datei wird zu groß";
    case EMFILE:
    case ENFILE:
      return "zu viele offene Dateien";
    case EBADF:
      return "die Ausgabe ist geschlossen";
    case EPIPE:
      return "der Empfänger hat die Ausgabe geschlossen";
    case EBUSY:
    case ETXTBSY:
      return "die Datei wird gerade benutzt";
    case 0:
      return "unbekannter Fehler";
    default:
      return std::strerror(fehlernummer);
  }
}

namespace {

std::string verzeichnisVon(const std::string& pfad) {
  const fs::path eltern = fs::path(pfad).parent_path();
  return eltern.empty() ? std::string(".") : eltern.string();
}

// A missing file is told apart from a missing directory on its way.
std::string grundFuer(const std::string& pfad, int fehlernummer, bool datei) {
  if (fehlernummer == ENOENT) {
    std::error_code ec;
    const std::string verzeichnis = verzeichnisVon(pfad);
    if (!fs::exists(verzeichnis, ec))
      return "das Verzeichnis \"" + verzeichnis + "\" existiert nicht";
    if (datei) return "sie existiert nicht";
  }
  return DateiGrund(fehlernummer);
}

mode_t aktuelleUmask() {
  const mode_t m = ::umask(0);
  ::umask(m);
  return m;
}

// Where a save ends up: the file a chain of symbolic links points to (the path itself otherwise).
std::string linkZiel(const std::string& pfad) {
  std::string p = pfad;
  for (int i = 0; i < 40; ++i) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::error_code ec;
    const fs::path link = fs::read_symlink(p, ec);
    if (ec) return p;
    p = link.is_absolute() ? link.string() : (fs::path(p).parent_path() / link).string();
  }
  return p;
}

// Temporary files of an interrupted save (a crash, a killed program) that no running save holds
// locked.
void entferneReste(const std::string& verzeichnis, const std::string& anfang) {
  DIR* d = ::opendir(verzeichnis.c_str());
  if (!d) return;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name.size() != anfang.size() + 6 || name.compare(0, anfang.size(), anfang) != 0) continue;
    const std::string voll = verzeichnis + "/" + name;
    const int fd = ::open(voll.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
      ::unlink(voll.c_str());
    ::close(fd);
  }
  ::closedir(d);
}

std::atomic<bool> fifoLeserAbwarten{false};

// A write that reports a reader who has gone as EPIPE without the signal that would end the
// program: SIGPIPE is blocked for the write, and one it raised is taken back.
ssize_t schreibeOhneSigpipe(int fd, const char* daten, std::size_t anzahl) {
  sigset_t pipe, alt, wartend;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  sigpending(&wartend);
  const bool schonDa = sigismember(&wartend, SIGPIPE) == 1;  // not ours to take
  pthread_sigmask(SIG_BLOCK, &pipe, &alt);
  const ssize_t n = ::write(fd, daten, anzahl);
  const int fehler = errno;
  // Raised also by a write that got part of its bytes through before the reader left.
  sigpending(&wartend);
  if (!schonDa && sigismember(&wartend, SIGPIPE) == 1) {
    const timespec sofort{0, 0};
    while (::sigtimedwait(&pipe, nullptr, &sofort) < 0 && errno == EINTR) {
    }
  }
  pthread_sigmask(SIG_SETMASK, &alt, nullptr);
  errno = fehler;
  return n;
}

// Connects to a listening local socket; the descriptor or -1 with errno set.
int verbindeSocket(const std::string& pfad) {
  sockaddr_un adresse{};
  adresse.sun_family = AF_UNIX;
  if (pfad.size() >= sizeof adresse.sun_path) {
    errno = ENAMETOOLONG;
    return -1;
  }
  std::memcpy(adresse.sun_path, pfad.c_str(), pfad.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  int r;
  do {
    r = ::connect(fd, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse);
  } while (r != 0 && errno == EINTR);
  if (r == 0) return fd;
  const int fehler = errno;
  ::close(fd);
  errno = fehler;
  return -1;
}

// Opens a character device or a FIFO for writing as it is, without truncating or replacing it.
// A FIFO without a reader: -1 with ENXIO unless the reader is awaited.
int oeffneGeraet(const std::string& pfad, bool fifo) {
  const int art = O_WRONLY | O_NOCTTY | O_CLOEXEC;
  // Not blocking on the open, so that a FIFO without a reader (or a line waiting for its
  // carrier) does not freeze the program; the writes themselves wait as usual.
  int fd = ::open(pfad.c_str(), art | O_NONBLOCK);
  if (fd < 0 && errno == ENXIO && fifo && fifoLeserAbwarten) fd = ::open(pfad.c_str(), art);
  if (fd < 0) return -1;
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

}  // namespace

void WarteAufFifoLeser(bool warten) {
  fifoLeserAbwarten = warten;
}

std::string LeseGrund(const std::string& pfad, int fehlernummer) {
  return grundFuer(pfad, fehlernummer, true);
}

std::string LeseFehler(const std::string& pfad, int fehlernummer) {
  return "Die Datei \"" + pfad + "\" kann nicht gelesen werden: " + LeseGrund(pfad, fehlernummer) +
         ".";
}

int LeseFehlernummer(const std::string& pfad) {
  const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno;
  struct stat st {};
  const bool verzeichnis = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
  ::close(fd);
  return verzeichnis ? EISDIR : 0;
}

DateiPuffer::DateiPuffer(int fd) {
  Beginne(fd);
}

void DateiPuffer::Beginne(int fd, bool vorausschreiben) {
  fd_ = fd;
  fehlernummer_ = 0;
  vorausschreiben_ = vorausschreiben;
  ohneSigpipe_ = false;
  geschrieben_ = angestossen_ = 0;
  setp(puffer_.data(), puffer_.data() + puffer_.size());
}

bool DateiPuffer::schreibe(const char* daten, std::size_t anzahl) {
  while (anzahl > 0) {
    const ssize_t n = fd_ < 0         ? (errno = EBADF, -1)
                      : ohneSigpipe_ ? schreibeOhneSigpipe(fd_, daten, anzahl)
                                     : ::write(fd_, daten, anzahl);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      fehlernummer_ = n < 0 ? errno : EIO;
      return false;
    }
    daten += n;
    anzahl -= static_cast<std::size_t>(n);
    geschrieben_ += static_cast<std::size_t>(n);
  }
#ifdef __linux__
  constexpr std::size_t kVoraus = std::size_t{2} << 20;
  if (vorausschreiben_ && geschrieben_ - angestossen_ >= kVoraus) {
    // Only a start of the write-back, not a wait for it; a failure shows at the fsync.
    ::sync_file_range(fd_, static_cast<off_t>(angestossen_),
                      static_cast<off_t>(geschrieben_ - angestossen_), SYNC_FILE_RANGE_WRITE);
    angestossen_ = geschrieben_;
  }
#endif
  return true;
}

bool DateiPuffer::leere() {
  const std::size_t n = static_cast<std::size_t>(pptr() - pbase());
  setp(puffer_.data(), puffer_.data() + puffer_.size());
  return fehlernummer_ == 0 && schreibe(puffer_.data(), n);
}

DateiPuffer::int_type DateiPuffer::overflow(int_type zeichen) {
  if (fehlernummer_ != 0 || !leere()) return traits_type::eof();
  if (traits_type::eq_int_type(zeichen, traits_type::eof())) return traits_type::not_eof(zeichen);
  *pptr() = traits_type::to_char_type(zeichen);
  pbump(1);
  return zeichen;
}

std::streamsize DateiPuffer::xsputn(const char* daten, std::streamsize anzahl) {
  // A block larger than the buffer goes out at once, without a copy.
  if (anzahl >= static_cast<std::streamsize>(puffer_.size())) {
    if (fehlernummer_ != 0 || !leere() || !schreibe(daten, static_cast<std::size_t>(anzahl)))
      return 0;
    return anzahl;
  }
  std::streamsize rest = anzahl;
  while (rest > 0 && fehlernummer_ == 0) {
    const std::streamsize platz = epptr() - pptr();
    if (platz == 0) {
      if (!leere()) break;
      continue;
    }
    const std::streamsize k = std::min(platz, rest);
    std::memcpy(pptr(), daten, static_cast<std::size_t>(k));
    pbump(static_cast<int>(k));
    daten += k;
    rest -= k;
  }
  return anzahl - rest;
}

int DateiPuffer::sync() {
  return leere() ? 0 : -1;
}

bool IstSchreibgeschuetzt(const std::string& pfad) {
  struct stat st {};
  if (::stat(pfad.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // Root may write anything; a file without any write bit is still meant to stay as it is.
  if (::geteuid() == 0) return (st.st_mode & 0222) == 0;
  return ::access(pfad.c_str(), W_OK) != 0 && errno == EACCES;
}

AtomareDatei::AtomareDatei() : strom_(&puffer_) {}

AtomareDatei::~AtomareDatei() {
  Verwirf();
}

std::string AtomareDatei::Oeffne(const std::string& pfad, Schreibschutz schutz) {
  Verwirf();
  pfad_ = pfad;
  direkt_ = false;
  const std::string kannNicht = "Die Datei \"" + pfad + "\" kann nicht erstellt werden: ";
  std::error_code ec;
  if (fs::is_directory(pfad, ec)) return kannNicht + "es ist ein Verzeichnis.";
  ziel_ = linkZiel(pfad);
  struct stat alt {};
  neu_ = ::stat(ziel_.c_str(), &alt) != 0;
  // Renaming over a link of the loop would cut it; there is no file to write.
  if (neu_ && errno == ELOOP)
    return kannNicht + "die symbolischen Verknüpfungen führen im Kreis.";
  if (!neu_ && !S_ISREG(alt.st_mode)) return oeffneDirekt(alt, kannNicht);
  if (!neu_ && schutz == Schreibschutz::Verweigern && IstSchreibgeschuetzt(ziel_))
    return "Die Datei \"" + pfad + "\" kann nicht ersetzt werden: sie ist schreibgeschützt.";

  const std::string verzeichnis = verzeichnisVon(ziel_);
  const std::string anfang = "." + fs::path(ziel_).filename().string().substr(0, 200) + ".salvaro-";
  entferneReste(verzeichnis, anfang);
  // Another save of the same file may take the new temporary file for a leftover and remove it
  // in the moment between its creation and its lock; then the file is made anew.
  for (int versuch = 0; fd_ < 0; ++versuch) {
    temp_ = verzeichnis + "/" + anfang + "XXXXXX";
    fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
    if (fd_ < 0) {
      const int fehler = errno;
      temp_.clear();
      return kannNicht + grundFuer(ziel_, fehler, false) + ".";
    }
    // Held until the rename, so that another save of the same file leaves it alone.
    ::flock(fd_, LOCK_EX);
    struct stat offen {}, unterDemNamen {};
    if (versuch >= 100 || (::fstat(fd_, &offen) == 0 && ::lstat(temp_.c_str(), &unterDemNamen) == 0 &&
                           offen.st_dev == unterDemNamen.st_dev &&
                           offen.st_ino == unterDemNamen.st_ino))
      break;
    ::close(fd_);
    fd_ = -1;
  }
  if (neu_) {
    // mkstemp creates the file readable only by its owner; a new document gets the usual rights.
    ::fchmod(fd_, 0644 & ~aktuelleUmask());
  } else {
    // The replaced file's owner (where allowed) and permissions carry over.
    const bool eigentuemer = ::fchown(fd_, alt.st_uid, alt.st_gid) == 0;
    static_cast<void>(eigentuemer);  // only root may give a file away; that is no failure
    ::fchmod(fd_, alt.st_mode & 07777);
  }
  puffer_.Beginne(fd_, true);
  strom_.clear();
  return {};
}

std::string AtomareDatei::oeffneDirekt(const struct stat& alt, const std::string& kannNicht) {
  if (S_ISBLK(alt.st_mode))
    // A statement written over a disk's first blocks would destroy what is on it.
    return kannNicht + "es ist ein Datenträger (Blockgerät).";
  const bool fifo = S_ISFIFO(alt.st_mode), socket = S_ISSOCK(alt.st_mode);
  if (!fifo && !socket && !S_ISCHR(alt.st_mode)) return kannNicht + "es ist keine Datei.";
  const int fd = socket ? verbindeSocket(ziel_) : oeffneGeraet(ziel_, fifo);
  if (fd < 0) {
    const int fehler = errno;
    if (fifo && fehler == ENXIO) return kannNicht + "niemand liest aus dieser FIFO.";
    if (socket && (fehler == ECONNREFUSED || fehler == EPROTOTYPE))
      return kannNicht + "an diesem Socket nimmt niemand Daten an.";
    return kannNicht + grundFuer(ziel_, fehler, false) + ".";
  }
  // The path may have become a regular file since it was looked at: that one is not written
  // into without its temporary file.
  struct stat offen {};
  if (::fstat(fd, &offen) != 0 || S_ISREG(offen.st_mode)) {
    ::close(fd);
    return kannNicht + "sie wurde beim Öffnen ersetzt.";
  }
  fd_ = fd;
  direkt_ = true;
  puffer_.Beginne(fd_);
  puffer_.OhneSigpipe();
  strom_.clear();
  return {};
}

std::string AtomareDatei::Uebernimm() {
  const std::string schreibfehler = "Fehler beim Schreiben von \"" + pfad_ + "\": ";
  if (fd_ < 0) return schreibfehler + DateiGrund(EBADF) + ".";
  strom_.flush();
  int fehler = puffer_.Fehlernummer();
  if (fehler == 0 && !strom_) fehler = EIO;
  // A device, a FIFO or a socket has nothing to sync and nothing to rename.
  if (fehler == 0 && !direkt_ && ::fsync(fd_) != 0) fehler = errno;
  const int fd = fd_;
  fd_ = -1;
  puffer_.Beginne(-1);
  if (direkt_) {
    direkt_ = false;
    if (::close(fd) != 0 && fehler == 0) fehler = errno;
    return fehler == 0 ? std::string() : schreibfehler + DateiGrund(fehler) + ".";
  }
  // Renamed before the descriptor is closed: its lock keeps another save of the same file from
  // taking the finished temporary file for a leftover until it has its name.
  if (fehler == 0 && std::rename(temp_.c_str(), ziel_.c_str()) != 0) {
    fehler = errno;
    ::close(fd);
    struct stat st {};
    // Gone although locked: something else than a save of ours removed it.
    const std::string grund =
        fehler == ENOENT && ::stat(verzeichnisVon(ziel_).c_str(), &st) == 0
            ? "die temporäre Datei \"" + temp_ + "\" wurde während des Speicherns entfernt"
            : grundFuer(ziel_, fehler, false);
    ::unlink(temp_.c_str());
    temp_.clear();
    return "Die Datei \"" + pfad_ + "\" kann nicht erstellt werden: " + grund + ".";
  }
  // Synced and renamed, the file loses nothing by a failing close.
  ::close(fd);
  if (fehler != 0) {
    ::unlink(temp_.c_str());
    temp_.clear();
    return schreibfehler + DateiGrund(fehler) + ".";
  }
  temp_.clear();
  // The rename itself is on disk only once the directory is.
  const int verzeichnis = ::open(verzeichnisVon(ziel_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (verzeichnis >= 0) {
    ::fsync(verzeichnis);
    ::close(verzeichnis);
  }
  return {};
}

void AtomareDatei::Verwirf() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  direkt_ = false;
  puffer_.Beginne(-1);
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

std::string SchreibeDateiAtomar(const std::string& pfad, std::string_view inhalt,
                                Schreibschutz schutz) {
  AtomareDatei datei;
  if (std::string fehler = datei.Oeffne(pfad, schutz); !fehler.empty()) return fehler;
  datei.Strom().write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
  return datei.Uebernimm();
}

}  // namespace salvaro
