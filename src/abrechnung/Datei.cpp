#include "abrechnung/Datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace salvaro {

std::string SchreibeDateiAtomar(const std::string& pfad, std::string_view inhalt) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(pfad, ec))
    return "Die Datei \"" + pfad + "\" kann nicht erstellt werden: es ist ein Verzeichnis.";
  std::string vorlage = pfad + ".tmpXXXXXX";
  const int fd = ::mkstemp(vorlage.data());
  if (fd < 0)
    return "Die Datei \"" + pfad + "\" kann nicht erstellt werden: " + std::strerror(errno) + ".";
  std::size_t geschrieben = 0;
  while (geschrieben < inhalt.size()) {
    const ssize_t n = ::write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
    if (n < 0) {
      if (errno == EINTR) continue;
      const std::string fehler = std::strerror(errno);
      ::close(fd);
      ::unlink(vorlage.c_str());
      return "Fehler beim Schreiben von \"" + pfad + "\": " + fehler + ".";
    }
    geschrieben += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const std::string fehler = std::strerror(errno);
    ::unlink(vorlage.c_str());
    return "Fehler beim Schreiben von \"" + pfad + "\": " + fehler + ".";
  }
  // mkstemp creates the file readable only by its owner; a saved document gets the usual rights.
  ::chmod(vorlage.c_str(), 0644 & ~[] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }());
  if (std::rename(vorlage.c_str(), pfad.c_str()) != 0) {
    const std::string fehler = std::strerror(errno);
    ::unlink(vorlage.c_str());
    return "Die Datei \"" + pfad + "\" kann nicht erstellt werden: " + fehler + ".";
  }
  return {};
}

}  // namespace salvaro
