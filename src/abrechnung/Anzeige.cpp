#include "abrechnung/Anzeige.h"

#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"

namespace salvaro {

std::optional<std::string> KVSatzNachGruppe(int jahr, int monat, int kvZiffer) {
  const bool ermaessigt = kvZiffer == 3;
  if (jahr < 2009) return std::nullopt;
  // 2009 brought the uniform rate set by law, lowered from July 2009 and again in 2010 by
  // 0.6 points; 2011 restored the rate of January 2009.
  if ((jahr == 2009 && monat >= 7) || jahr == 2010) return ermaessigt ? "13,40" : "14,00";
  return ermaessigt ? "14,00" : "14,60";
}

bool KVZusSichtbar(int jahr, int monat) { return jahr > 2005 || (jahr == 2005 && monat >= 7); }

bool KVZusEingebbar(int jahr) { return jahr >= 2015; }

std::string KVZusVorgabe(int jahr) {
  if (jahr >= 2026) return "+ 2,90%";
  if (jahr == 2025) return "+ 2,50%";
  if (jahr == 2024) return "+ 1,70%";
  return kKVZusVorgabe;
}

std::string PVKinderText(int jahr, int monat) {
  if (jahr > 2023 || (jahr == 2023 && monat >= 7)) return "+ 0,60";
  return jahr >= 2022 ? "+ 0,35" : "+ 0,25";
}

bool PVZuschlagMoeglich(int jahr) { return jahr >= 2005; }

Satzanzeige SatzanzeigeFuer(const TLohnGehalt& fall) {
  Satzanzeige a;
  a.RV = FormatBild(fall.RVSatz, 2, true) + "%";
  a.AV = FormatBild(fall.AVSatz, 2, true) + "%";
  a.PVKleineSchrift = fall.BGRPV == 2;
  a.PV = FormatBild(fall.PVSatz, a.PVKleineSchrift ? 3 : 2, true) + "%";
  a.PVKinder = PVKinderText(fall.Jahr, fall.Monat);
  return a;
}

}  // namespace salvaro
