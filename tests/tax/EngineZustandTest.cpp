// Nothing stays behind in an engine between calculations: one engine object run over every
// reference row gives what a fresh engine gives for each row, in every engine family. And the
// engines' integer conversions between euros and cents match the extended definition.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Referenzarithmetik.h"
#include "tax/EngineWahl.h"
#include "tax/PapBausteine.h"

namespace salvaro {
namespace {

TEST(PapBausteine, CentAndEuroMatchTheExtendedDefinition) {
  referenz::Zufallswerte zufall;
  int abweichend = 0;
  auto pruefe = [&](std::int64_t n) {
    const Money x = Money::units(n);
    const std::string cent = referenz::ergebnis([&] { return pap::cent(x); });
    const std::string euro = referenz::ergebnis([&] { return pap::euro(x); });
    if ((cent != referenz::ergebnis([&] { return referenz::cent(x); }) ||
         euro != referenz::ergebnis([&] { return referenz::euro(x); })) &&
        ++abweichend <= 5)
      ADD_FAILURE() << n << " units: cent " << cent << ", euro " << euro;
  };
  for (std::int64_t n = -200000; n <= 200000; ++n) pruefe(n);
  for (int i = 0; i < 200000; ++i) pruefe(zufall.betrag());
}

// The reference file of an engine; the engines of 2004 and 2005 take the rows of 2006.
std::string Datei(std::string_view engine) {
  const std::string jahr(engine.substr(engine.size() - 4));
  if (jahr == "2004" || jahr == "2005") return "lst2006.csv";
  if (jahr == "0723") return "lst2023abjuli.csv";
  if (jahr.starts_with("12")) return "lst20" + jahr.substr(2) + "dez.csv";
  return "lst" + jahr + ".csv";
}

// One row of flowchart inputs: amounts in cents, read as the euros the engines take.
struct Zeile {
  LohnsteuerEingabe e;
  int R = 0;
  Money SONSTB, JRE4;
};

std::vector<Zeile> LiesZeilen(const std::string& datei) {
  std::ifstream ein(std::string(SALVARO_TESTDATA) + "/" + datei);
  std::string text;
  std::getline(ein, text);
  std::map<std::string, std::size_t> spalte;
  std::stringstream kopf(text);
  for (std::string name; std::getline(kopf, name, ',');) spalte.emplace(name, spalte.size());

  std::vector<Zeile> zeilen;
  while (std::getline(ein, text)) {
    std::vector<std::string> f;
    std::stringstream s(text);
    for (std::string feld; std::getline(s, feld, ',');) f.push_back(feld);
    auto roh = [&](const char* name) -> std::string {
      const auto it = spalte.find(name);
      return it == spalte.end() || it->second >= f.size() ? "" : f[it->second];
    };
    auto zahl = [&](const char* name) { return roh(name).empty() ? 0 : std::stoi(roh(name)); };
    auto betrag = [&](const char* name) {
      return roh(name).empty() ? Money() : Money::runde(Money::parse(roh(name)) / 100);
    };
    Zeile z;
    LohnsteuerEingabe& e = z.e;
    e.AF = zahl("AF");
    e.AJAHR = zahl("AJAHR");
    e.ALTER1 = zahl("ALTER1");
    e.KRV = zahl("KRV");
    e.LZZ = zahl("LZZ");
    e.PKV = zahl("PKV");
    e.PVS = zahl("PVS");
    e.PVZ = zahl("PVZ");
    e.PVA = zahl("PVA");
    e.ALV = zahl("ALV");
    e.STKL = zahl("STKL");
    e.VJAHR = zahl("VJAHR");
    e.ZMVB = zahl("ZMVB");
    e.ZKF = roh("ZKF").empty() ? 0 : std::stof(roh("ZKF"));
    e.f = roh("F").empty() ? Money() : Money::parse(roh("F"));
    e.KVZ = roh("KVZ").empty() ? Money() : Money::parse(roh("KVZ"));
    e.RE4 = betrag("RE4");
    e.FreibetragLzz = betrag("LZZFREIB") + betrag("WFUNDF") - betrag("LZZHINZU") - betrag("HINZUR");
    e.FreibetragJahr = betrag("JFREIB") - betrag("JHINZU");
    e.VMT = betrag("VMT");
    e.VBEZ = betrag("VBEZ");
    e.VBS = betrag("VBS");
    e.VBEZM = betrag("VBEZM");
    e.VBEZS = betrag("VBEZS");
    e.JVBEZ = betrag("JVBEZ");
    e.PKPV = betrag("PKPV");
    e.PKPVAGZ = betrag("PKPVAGZ");
    e.ENTSCH = betrag("ENTSCH");
    e.JRE4ENT = betrag("JRE4ENT");
    e.SONSTENT = betrag("SONSTENT");
    e.MBV = betrag("MBV");
    z.R = zahl("R");
    z.SONSTB = betrag("SONSTB");
    z.JRE4 = betrag("JRE4");
    zeilen.push_back(z);
  }
  return zeilen;
}

// Every operation the engine has, with every church-tax kind, and the flowchart's outputs.
std::vector<std::int64_t> Rechne(OruSteuern& t, const Zeile& z) {
  std::vector<std::int64_t> w;
  const int pflichtig = z.R > 0 ? 1 : 0;
  try {
    w.push_back(t.LohnsteuerLfd(z.e).raw());
    w.push_back(t.SolzLfd().raw());
    for (int art = 0; art <= 3; ++art)
      w.push_back(t.KirchensteuerLfd(pflichtig, 3 + art, art, art % 2, Money(), Money()).raw());
    w.push_back(t.KirchensteuerLfd(pflichtig, 12, 1, 0, Money(), Money::euro(99)).raw());
    if (t.HatEinmalbezug()) {
      w.push_back(t.LohnsteuerEB(z.SONSTB, z.JRE4, z.e.JVBEZ, z.e.VBS).raw());
      w.push_back(t.SolzEB().raw());
      w.push_back(t.KirchensteuerEB(pflichtig, 12, 1, 0, 0, Money(), Money()).raw());
    }
    if (t.HatVMT()) {
      w.push_back(t.LohnsteuerVMT(z.SONSTB, z.JRE4).raw());
      w.push_back(t.SolzVMT().raw());
      w.push_back(t.KirchensteuerEB(pflichtig, 12, 1, 0, 1, Money(), Money()).raw());
    }
    if (t.HatVMTOhneFuenftelung()) w.push_back(t.VMTOhneFuenftelung());
    const FlowchartAusgaben a = t.Ausgaben();
    for (Money m : {a.LSTLZZ, a.SOLZLZZ, a.BK, a.STS, a.SOLZS, a.BKS, a.STV, a.SOLZV, a.BKV})
      w.push_back(m.raw());
  } catch (const RechenFehler&) {
    w.push_back(-1);
  }
  return w;
}

TEST(EngineZustand, OneEngineOverAllRowsGivesTheResultsOfFreshEngines) {
  for (const std::string& name : EngineNamen()) {
    const std::vector<Zeile> zeilen = LiesZeilen(Datei(name));
    ASSERT_GT(zeilen.size(), 1000u) << name;
    const std::unique_ptr<OruSteuern> eine = EngineNachName(name);
    int abweichend = 0;
    for (std::size_t i = 0; i < zeilen.size() && abweichend < 3; ++i) {
      if (Rechne(*eine, zeilen[i]) != Rechne(*EngineNachName(name), zeilen[i]) && ++abweichend)
        ADD_FAILURE() << name << ", row " << i + 2 << " of " << Datei(name);
    }
  }
}

}  // namespace
}  // namespace salvaro
