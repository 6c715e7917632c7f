#include "abrechnung/Datei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

}  // namespace

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
  geschrieben_ = angestossen_ = 0;
  setp(puffer_.data(), puffer_.data() + puffer_.size());
}

bool DateiPuffer::schreibe(const char* daten, std::size_t anzahl) {
  while (anzahl > 0) {
    const ssize_t n = fd_ < 0 ? (errno = EBADF, -1) : ::write(fd_, daten, anzahl);
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
  if (::stat(pfad.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
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
  const std::string kannNicht = "Die Datei \"" + pfad + "\" kann nicht erstellt werden: ";
  std::error_code ec;
  if (fs::is_directory(pfad, ec)) return kannNicht + "es ist ein Verzeichnis.";
  ziel_ = linkZiel(pfad);
  struct stat alt {};
  neu_ = ::stat(ziel_.c_str(), &alt) != 0;
  if (!neu_ && schutz == Schreibschutz::Verweigern && IstSchreibgeschuetzt(ziel_))
    return "Die Datei \"" + pfad + "\" kann nicht ersetzt werden: sie ist schreibgeschützt.";

  const std::string verzeichnis = verzeichnisVon(ziel_);
  const std::string anfang = "." + fs::path(ziel_).filename().string().substr(0, 200) + ".salvaro-";
  entferneReste(verzeichnis, anfang);
  temp_ = verzeichnis + "/" + anfang + "XXXXXX";
  fd_ = ::mkostemp(temp_.data(), O_CLOEXEC);
  if (fd_ < 0) {
    const int fehler = errno;
    temp_.clear();
    return kannNicht + grundFuer(ziel_, fehler, false) + ".";
  }
  // Held until the rename, so that another save of the same file does not take it for a leftover.
  ::flock(fd_, LOCK_EX);
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

std::string AtomareDatei::Uebernimm() {
  const std::string schreibfehler = "Fehler beim Schreiben von \"" + pfad_ + "\": ";
  if (fd_ < 0) return schreibfehler + DateiGrund(EBADF) + ".";
  strom_.flush();
  int fehler = puffer_.Fehlernummer();
  if (fehler == 0 && !strom_) fehler = EIO;
  if (fehler == 0 && ::fsync(fd_) != 0) fehler = errno;
  const int fd = fd_;
  fd_ = -1;
  puffer_.Beginne(-1);
  if (::close(fd) != 0 && fehler == 0) fehler = errno;
  if (fehler != 0) {
    ::unlink(temp_.c_str());
    temp_.clear();
    return schreibfehler + DateiGrund(fehler) + ".";
  }
  if (std::rename(temp_.c_str(), ziel_.c_str()) != 0) {
    fehler = errno;
    ::unlink(temp_.c_str());
    temp_.clear();
    return "Die Datei \"" + pfad_ + "\" kann nicht erstellt werden: " + DateiGrund(fehler) + ".";
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
