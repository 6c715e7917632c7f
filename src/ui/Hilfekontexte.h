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
// The one-time payment, the severance and the employer's side.
inline constexpr int kHilfeEinmalzahlung = 4015;
inline constexpr int kHilfeJahresbruttoBisher = 4016;
inline constexpr int kHilfeAbfindung = 4017;
inline constexpr int kHilfeImVorjahr = 4018;
inline constexpr int kHilfeUmlagesaetze = 4019;
inline constexpr int kHilfePauschsteuer = 4020;
inline constexpr int kHilfeEinmalErgebnis = 4021;
inline constexpr int kHilfeArbeitgeber = 4022;
inline constexpr int kHilfeBezuege = 4026;
inline constexpr int kHilfeMehrjaehrig = 4027;
// The month of birth, the pension, the Aktivrente and their window's menu item.
inline constexpr int kHilfeGebMonat = 4023;
inline constexpr int kHilfeVersorgungsbezug = 4024;
inline constexpr int kHilfeAktivrente = 4025;
inline constexpr int kHilfeAlterFenster = 5020;
inline constexpr int kHilfeArbeitgeberseite = 5019;

inline void SetzeHilfeKontext(QObject* o, int kontext) {
  if (kontext != 0) o->setProperty("HelpContext", kontext);
}
inline int HilfeKontext(const QObject* o) {
  return o->property("HelpContext").toInt();
}

}  // namespace salvaro
