#include "tax/EngineWahl.h"

#include "tax/OruSteuernAb2014.h"

namespace salvaro {

std::string EngineName(int jahr, int monat) {
  if (monat == 12 && (jahr == 2011 || jahr == 2015)) return "OruSteuern12" + std::to_string(jahr % 100);
  return "OruSteuern" + std::to_string(jahr);
}

std::unique_ptr<OruSteuern> EngineFuer(int jahr, int monat) {
  return EngineNachName(EngineName(jahr, monat));
}

std::unique_ptr<OruSteuern> EngineNachName(std::string_view name) {
  if (const JahrAb2014* j = JahrAb2014NachName(name)) return std::make_unique<OruSteuernAb2014>(*j);
  return nullptr;
}

std::vector<std::string> EngineNamen() {
  std::vector<std::string> namen;
  for (const JahrAb2014& j : JahreAb2014()) namen.emplace_back(j.name);
  return namen;
}

}  // namespace salvaro
