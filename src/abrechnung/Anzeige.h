// What the window shows beside its inputs, derived from the period and the contribution group:
// the preset health rate, the additional-rate field, and the rate panels of pension,
// unemployment and care insurance.
#pragma once

#include <optional>
#include <string>

namespace salvaro {

class TLohnGehalt;

// The general health rate the window presets for the health digit of the group ("14,60"), or
// nothing before 2009, when the typed rate counts.
std::optional<std::string> KVSatzNachGruppe(int jahr, int monat, int kvZiffer);

// The additional health rate: a field of its own from July 2005; before 2015 the fixed special
// contribution of 0.9 %, afterwards the typed rate with the average rate as default.
bool KVZusSichtbar(int jahr, int monat);
bool KVZusEingebbar(int jahr);
inline constexpr const char* kKVZusVor2015 = "+ 0,90%";
inline constexpr const char* kKVZusVorgabe = "+ 1,60%";
// The field's default: the average additional rate of the year ("+ 1,60%" until 2023).
std::string KVZusVorgabe(int jahr);

// The childless surcharge of care insurance as the panel shows it, and whether there is one.
std::string PVKinderText(int jahr, int monat);
bool PVZuschlagMoeglich(int jahr);

struct Satzanzeige {
  std::string RV;        // "18,60%"
  std::string AV;        // "2,60%"
  std::string PV;        // "3,05%", with a half contribution "1,525%"
  bool PVKleineSchrift = false;  // three decimals need the smaller font
  std::string PVKinder;  // "+ 0,35"
};
// The panels for the period and group the payroll case has loaded.
Satzanzeige SatzanzeigeFuer(const TLohnGehalt& fall);

}  // namespace salvaro
