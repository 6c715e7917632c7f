#include "cli/Pdf.h"

#include <QGuiApplication>
#include <clocale>

#include "druck/Drucken.h"

namespace salvaro {

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
