#include "tax/EngineWahl.h"

#include "tax/OruSteuernAb2014.h"

namespace salvaro {

namespace {

// A family of engines of one flowchart design: a fresh engine by name, and its names.
struct Familie {
  std::unique_ptr<OruSteuern> (*nachName)(std::string_view);
  std::vector<std::string> (*namen)();
};

std::unique_ptr<OruSteuern> ab2014NachName(std::string_view name) {
  if (const JahrAb2014* j = JahrAb2014NachName(name)) return std::make_unique<OruSteuernAb2014>(*j);
  return nullptr;
}
std::vector<std::string> ab2014Namen() {
  std::vector<std::string> namen;
  for (const JahrAb2014& j : JahreAb2014()) namen.emplace_back(j.name);
  return namen;
}

// Oldest design first.
constexpr Familie kFamilien[] = {
    {ab2014NachName, ab2014Namen},
};

}  // namespace

std::string EngineName(int jahr, int monat) {
  if (monat == 12 && (jahr == 2011 || jahr == 2015))
    return "OruSteuern12" + std::to_string(jahr % 100);
  return "OruSteuern" + std::to_string(jahr);
}

std::unique_ptr<OruSteuern> EngineFuer(int jahr, int monat) {
  return EngineNachName(EngineName(jahr, monat));
}

std::unique_ptr<OruSteuern> EngineNachName(std::string_view name) {
  for (const Familie& f : kFamilien)
    if (auto engine = f.nachName(name)) return engine;
  return nullptr;
}

std::vector<std::string> EngineNamen() {
  std::vector<std::string> namen;
  for (const Familie& f : kFamilien)
    for (std::string& n : f.namen()) namen.push_back(std::move(n));
  return namen;
}

}  // namespace salvaro
