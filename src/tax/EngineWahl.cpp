#include "tax/EngineWahl.h"

#include <array>
#include <span>

#include "tax/OruSteuern2008bis2009.h"
#include "tax/OruSteuern2010bis2013.h"
#include "tax/OruSteuernAb2014.h"
#include "tax/OruSteuernBis2007.h"

namespace salvaro {

namespace {

// One engine of one family: its name and its year's row.
struct Eintrag {
  std::string_view name;
  std::unique_ptr<OruSteuern> (*neu)(const void* zeile);
  const void* zeile;
};

template <class Engine, class Zeile>
std::unique_ptr<OruSteuern> neueEngine(const void* zeile) {
  return std::make_unique<Engine>(*static_cast<const Zeile*>(zeile));
}

template <class Engine, class Zeile>
void fuegeHinzu(std::vector<Eintrag>& eintraege, std::span<const Zeile> zeilen) {
  for (const Zeile& z : zeilen) eintraege.push_back({z.name, neueEngine<Engine, Zeile>, &z});
}

// Every engine, oldest design first, collected once.
const std::vector<Eintrag>& Eintraege() {
  static const std::vector<Eintrag> eintraege = [] {
    std::vector<Eintrag> e;
    fuegeHinzu<OruSteuernBis2007>(e, JahreBis2007());
    fuegeHinzu<OruSteuern2008bis2009>(e, Jahre2008bis2009());
    fuegeHinzu<OruSteuern2010bis2013>(e, Jahre2010bis2013());
    fuegeHinzu<OruSteuernAb2014>(e, JahreAb2014());
    return e;
  }();
  return eintraege;
}

const Eintrag* EintragNachName(std::string_view name) {
  for (const Eintrag& e : Eintraege())
    if (e.name == name) return &e;
  return nullptr;
}

// The engine of every month of the years the program covers, so that choosing one per
// calculation costs no name to build and compare.
constexpr int kErstesJahr = 2004, kLetztesJahr = 2026;
using Monatstabelle = std::array<const Eintrag*, (kLetztesJahr - kErstesJahr + 1) * 12>;

const Monatstabelle& Monate() {
  static const Monatstabelle monate = [] {
    Monatstabelle t{};
    for (int jahr = kErstesJahr; jahr <= kLetztesJahr; ++jahr)
      for (int monat = 1; monat <= 12; ++monat)
        t[(jahr - kErstesJahr) * 12 + monat - 1] = EintragNachName(EngineName(jahr, monat));
    return t;
  }();
  return monate;
}

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
  if (jahr >= kErstesJahr && jahr <= kLetztesJahr && monat >= 1 && monat <= 12) {
    const Eintrag* e = Monate()[(jahr - kErstesJahr) * 12 + monat - 1];
    return e ? e->neu(e->zeile) : nullptr;
  }
  return EngineNachName(EngineName(jahr, monat));
}

std::unique_ptr<OruSteuern> EngineNachName(std::string_view name) {
  const Eintrag* e = EintragNachName(name);
  return e ? e->neu(e->zeile) : nullptr;
}

std::vector<std::string> EngineNamen() {
  std::vector<std::string> namen;
  for (const Eintrag& e : Eintraege()) namen.emplace_back(e.name);
  return namen;
}

}  // namespace salvaro
