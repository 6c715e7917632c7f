#include "tax/EngineWahl.h"

#include "tax/OruSteuern2008bis2009.h"
#include "tax/OruSteuern2010bis2013.h"
#include "tax/OruSteuernAb2014.h"
#include "tax/OruSteuernBis2007.h"

namespace salvaro {

namespace {

// A family of engines of one flowchart design: a fresh engine by name, and its names.
struct Familie {
  std::unique_ptr<OruSteuern> (*nachName)(std::string_view);
  std::vector<std::string> (*namen)();
};

std::unique_ptr<OruSteuern> bis2007NachName(std::string_view name) {
  if (const JahrBis2007* j = JahrBis2007NachName(name))
    return std::make_unique<OruSteuernBis2007>(*j);
  return nullptr;
}
std::vector<std::string> bis2007Namen() {
  std::vector<std::string> namen;
  for (const JahrBis2007& j : JahreBis2007()) namen.emplace_back(j.name);
  return namen;
}

std::unique_ptr<OruSteuern> von2008NachName(std::string_view name) {
  if (const Jahr2008bis2009* j = Jahr2008bis2009NachName(name))
    return std::make_unique<OruSteuern2008bis2009>(*j);
  return nullptr;
}
std::vector<std::string> von2008Namen() {
  std::vector<std::string> namen;
  for (const Jahr2008bis2009& j : Jahre2008bis2009()) namen.emplace_back(j.name);
  return namen;
}

std::unique_ptr<OruSteuern> von2010NachName(std::string_view name) {
  if (const Jahr2010bis2013* j = Jahr2010bis2013NachName(name))
    return std::make_unique<OruSteuern2010bis2013>(*j);
  return nullptr;
}
std::vector<std::string> von2010Namen() {
  std::vector<std::string> namen;
  for (const Jahr2010bis2013& j : Jahre2010bis2013()) namen.emplace_back(j.name);
  return namen;
}

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
    {bis2007NachName, bis2007Namen},
    {von2008NachName, von2008Namen},
    {von2010NachName, von2010Namen},
    {ab2014NachName, ab2014Namen},
};

}  // namespace

std::string EngineName(int jahr, int monat) {
  // December settles a relief of the whole year (2011, 2015, 2024); from July 2023 the new care
  // rates apply.
  if (monat == 12 && (jahr == 2011 || jahr == 2015 || jahr == 2024))
    return "OruSteuern12" + std::to_string(jahr % 100);
  if (jahr == 2023 && monat >= 7) return "OruSteuern0723";
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
