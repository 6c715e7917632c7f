// salvaro: the desktop program. Without a display it says so and points to salvaro-cli instead of
// failing to open its window.
#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "abrechnung/Version.h"
#include "ui/Hilfe.h"
#include "ui/MainUnit.h"
#include "ui/QtPlattform.h"
#include "ui/Sprache.h"
#include "ui/Symbole.h"

namespace {

constexpr char kAufruf[] =
    "Aufruf: salvaro [OPTION]\n"
    "\n"
    "Brutto-Netto-Rechner: berechnet aus dem Monatsbrutto Lohnsteuer, Solidaritätszuschlag,\n"
    "Kirchensteuer, die Beiträge zur Kranken-, Renten-, Arbeitslosen- und Pflegeversicherung\n"
    "und das Netto, für jeden Monat von Januar 2004 bis Dezember 2026, und aus einem\n"
    "gewünschten Netto das nötige Brutto.\n"
    "\n"
    "Optionen:\n"
    "  -debug, /debug  protokolliert die Suche nach den Hilfeseiten auf der\n"
    "                  Standardfehlerausgabe und in Salvaro-Hilfe.log im temporären Ordner\n"
    "  --help          zeigt diese Hilfe und endet\n"
    "  --version       zeigt die Version und endet\n"
    "\n"
    "Ohne grafische Anzeige (weder DISPLAY noch WAYLAND_DISPLAY noch QT_QPA_PLATFORM gesetzt)\n"
    "sagt salvaro das und endet mit dem Status 1. Die Berechnung ohne Fenster bietet\n"
    "salvaro-cli (\"salvaro-cli --help\").\n";

constexpr char kOhneAnzeige[] =
    "salvaro: keine grafische Anzeige gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt),\n"
    "das Programmfenster kann nicht geöffnet werden. Ohne Fenster rechnet salvaro-cli,\n"
    "zum Beispiel: salvaro-cli rechne --brutto 3000 (mehr mit salvaro-cli --help)\n";

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
  // Answered before anything needs a display, so that they work in a terminal and for help2man.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << kAufruf;
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "salvaro " << salvaro::kVersion << '\n';
      return 0;
    }
  }
  if (!anzeigeVorhanden()) {
    std::cerr << kOhneAnzeige;
    return 1;
  }
  for (int i = 1; i < argc; ++i)
    if (salvaro::IstDebugArgument(argv[i])) salvaro::HilfeProtokollEinschalten(true);
  QApplication app(argc, argv);
  // No display name: the desktop would append it to every window title ("Salvaro 1.0.5.2 —
  // Salvaro"); message boxes take the application's name.
  QApplication::setApplicationName(QStringLiteral("Salvaro"));
  QApplication::setDesktopFileName(QStringLiteral("salvaro"));
  QApplication::setWindowIcon(salvaro::SymbolProgramm());
  salvaro::DeutschEinrichten();
  salvaro::QtPlattform plattform;
  salvaro::TForm1 fenster(plattform, QCoreApplication::applicationDirPath());
  fenster.show();
  return QApplication::exec();
}
