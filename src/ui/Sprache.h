// German for Qt's own texts (the standard dialogs, their buttons, the context menus of text
// fields) and German number and date formats, whatever language the system is set to: the
// program speaks German throughout.
#pragma once

namespace salvaro {

// Installs Qt's German translations (Debian's qt6-translations-l10n, in Qt's translations
// directory) into the running application and makes German the default locale. Returns false
// when the translations are not installed; Qt's texts then stay English.
bool DeutschEinrichten();

}  // namespace salvaro
