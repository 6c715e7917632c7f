#include "cli/Pdf.h"

#include <QGuiApplication>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "druck/Drucken.h"

namespace salvaro {

namespace {

// Qt's GUI wants a runtime directory of the user's own (XDG_RUNTIME_DIR, mode 0700) and says in
// English when it has none, as under cron or sudo. Then a private one serves for the run and is
// removed after it.
class Laufzeitordner {
 public:
  Laufzeitordner() {
    const char* gesetzt = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (gesetzt && *gesetzt && ::stat(gesetzt, &st) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700)
      return;
    if (gesetzt) alt_ = gesetzt;
    std::string vorlage = (std::filesystem::temp_directory_path() / "salvaro-laufzeit-XXXXXX").string();
    if (!::mkdtemp(vorlage.data())) return;
    eigen_ = vorlage;
    ::setenv("XDG_RUNTIME_DIR", eigen_.c_str(), 1);
  }
  ~Laufzeitordner() {
    if (eigen_.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(eigen_, ec);
    if (alt_)
      ::setenv("XDG_RUNTIME_DIR", alt_->c_str(), 1);
    else
      ::unsetenv("XDG_RUNTIME_DIR");
  }
  Laufzeitordner(const Laufzeitordner&) = delete;
  Laufzeitordner& operator=(const Laufzeitordner&) = delete;

 private:
  std::string eigen_;
  std::optional<std::string> alt_;
};

}  // namespace

std::string SchreibePdf(const std::string& pfad, const std::vector<std::string>& zeilen,
                        const std::string& papier) {
  const std::optional<Papier> blatt = papier.empty() ? PapierDerUmgebung() : PapierAusText(papier);
  if (!blatt) return "--papier: '" + papier + "' ist weder A4 noch Letter";
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    return DruckeAlsPdf(pfad, zeilen, *blatt);
  if (QCoreApplication::instance())
    return "Eine PDF-Datei kann hier nicht geschrieben werden (keine grafische Anwendung)";

  // Fonts and the PDF need Qt's GUI; the offscreen platform serves without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt sets the process locale from the environment; the rest of the program keeps "C".
  const std::string gebietsschema = std::setlocale(LC_ALL, nullptr);
  std::string fehler;
  {
    const Laufzeitordner laufzeit;
    int argc = 1;
    char name[] = "salvaro-cli";
    char* argv[] = {name, nullptr};
    const QGuiApplication anwendung(argc, argv);
    fehler = DruckeAlsPdf(pfad, zeilen, *blatt);
  }
  std::setlocale(LC_ALL, gebietsschema.c_str());
  return fehler;
}

}  // namespace salvaro
