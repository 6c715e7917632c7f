#include "ui/Sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace salvaro {

bool DeutschEinrichten() {
  const QLocale deutsch(QLocale::German, QLocale::Germany);
  QLocale::setDefault(deutsch);
  const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  // "qt" gathers the catalogues of every Qt module installed; "qtbase" alone holds the dialogs,
  // buttons and context menus this program shows.
  for (const char* katalog : {"qt", "qtbase"}) {
    auto* uebersetzung = new QTranslator(QCoreApplication::instance());
    if (uebersetzung->load(deutsch, QLatin1String(katalog), QStringLiteral("_"), ordner) &&
        QCoreApplication::installTranslator(uebersetzung))
      return true;
    delete uebersetzung;
  }
  return false;
}

}  // namespace salvaro
