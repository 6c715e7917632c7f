// Help contexts of the help file, and where the windows keep them: every control, menu item and
// button carries its context in the property "HelpContext" (the numeric edit fields declare it).
#pragma once

#include <QObject>
#include <QVariant>

namespace salvaro {

inline constexpr int kHilfeHauptfenster = 1001;
inline constexpr int kHilfeAbrechnungsfenster = 3001;
inline constexpr int kHilfeAnzeigen = 5012;
inline constexpr int kHilfeDrucken = 5013;
inline constexpr int kHilfeSpeichern = 5014;

inline void SetzeHilfeKontext(QObject* o, int kontext) {
  if (kontext != 0) o->setProperty("HelpContext", kontext);
}
inline int HilfeKontext(const QObject* o) {
  return o->property("HelpContext").toInt();
}

}  // namespace salvaro
