// salvaro: the desktop program. Without a display it prints the sample calculation of the
// command line instead of failing to open its window.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <iostream>

#include "abrechnung/Beispiel.h"
#include "ui/Hilfe.h"
#include "ui/MainUnit.h"
#include "ui/QtPlattform.h"
#include "ui/Symbole.h"

namespace {

bool gesetzt(const char* name) {
  const char* wert = std::getenv(name);
  return wert != nullptr && *wert != '\0';
}

// Decided before the application object exists: Qt would abort without a display.
bool anzeigeVorhanden() {
  return gesetzt("DISPLAY") || gesetzt("WAYLAND_DISPLAY") || gesetzt("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!anzeigeVorhanden()) {
    salvaro::Beispielrechnung(std::cout);
    return 0;
  }
  for (int i = 1; i < argc; ++i)
    if (salvaro::IstDebugArgument(argv[i])) salvaro::HilfeProtokollEinschalten(true);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Salvaro"));
  QApplication::setApplicationDisplayName(QStringLiteral("Salvaro"));
  QApplication::setDesktopFileName(QStringLiteral("salvaro"));
  QApplication::setWindowIcon(salvaro::SymbolProgramm());
  // Qt's own dialogs in German where the system has Qt's translations.
  QTranslator qtTexte;
  if (qtTexte.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexte);
  salvaro::QtPlattform plattform;
  salvaro::TForm1 fenster(plattform, QCoreApplication::applicationDirPath());
  fenster.show();
  return QApplication::exec();
}
