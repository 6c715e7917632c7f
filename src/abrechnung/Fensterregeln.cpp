#include "abrechnung/Fensterregeln.h"

#include <algorithm>

#include "abrechnung/Zahlentext.h"

namespace salvaro {

namespace {
std::optional<int> ganzzahl(std::string_view text) {
  try {
    return LiesGanzzahl(text);
  } catch (const KonvertierungsFehler&) {
    return std::nullopt;
  }
}
}  // namespace

std::optional<int> RechenjahrAusText(std::string_view text) {
  const std::optional<int> jahr = ganzzahl(text);
  if (!jahr || *jahr < ErstesRechenjahr() || *jahr > LetztesRechenjahr()) return std::nullopt;
  return jahr;
}

bool BeitragsgruppeGueltig(std::string_view bgr) {
  return bgr.size() == 4 && bgr.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string BeitragsgruppeVervollstaendigt(std::string_view bgr) {
  return bgr == "0" ? std::string("0000") : std::string(bgr);
}

Money LiesZahlfeld(std::string_view text, Zahlfeldgrenzen grenzen) {
  return LiesImBereich(text, grenzen.kommastellen, Money::euro(grenzen.min),
                       Money::euro(grenzen.max));
}

bool ZahlfeldHaelt(std::string_view text, Zahlfeldgrenzen grenzen) {
  if (text.empty()) return true;
  try {
    LiesZahlfeld(text, grenzen);
  } catch (const KonvertierungsFehler&) {
    return false;
  }
  return true;
}

std::string SteuerklasseBegrenzt(std::string_view stkl) {
  const std::optional<int> klasse = ganzzahl(stkl);
  if (!klasse) return std::string(stkl);
  if (*klasse > 6) return "6";
  if (*klasse < 1) return "1";
  return std::string(stkl);
}

bool FaktorSichtbar(int jahr, std::string_view stkl) {
  return stkl == "4" && jahr >= 2010;
}

bool OhneKinderfreibetrag(std::string_view kifb) {
  return kifb.empty() || kifb == "0" || kifb == "0,0";
}

bool PVKinderSichtbar(int jahr, bool nichtErhoeht, bool privatePflege) {
  return PVZuschlagMoeglich(jahr) && !nichtErhoeht && !privatePflege;
}

int StartMonat(const Datum& heute) {
  return LetztesRechenjahr() > heute.jahr ? 1 : heute.monat;
}

int NeuesRechenjahr(int kalenderjahr) {
  return std::clamp(kalenderjahr, ErstesRechenjahr(), LetztesRechenjahr());
}

Zeitraum Vorgabezeitraum(const Datum& heute) {
  if (heute.jahr > LetztesRechenjahr()) return {LetztesRechenjahr(), 12};
  if (heute.jahr < ErstesRechenjahr()) return {ErstesRechenjahr(), 1};
  return {heute.jahr, heute.monat};
}

}  // namespace salvaro
