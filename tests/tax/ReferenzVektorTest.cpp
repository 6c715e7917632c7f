// Every row of the reference results of the official flowcharts, to the cent, in every output
// the engine has. The rows are run through the same code as "salvaro-cli pap".
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Pap.h"

namespace salvaro {
namespace {

struct Vektordatei {
  const char* datei;
  const char* engine;
};

// One file per flowchart; the December engines and the mid-year flowcharts have files of their own.
const Vektordatei kDateien[] = {
    {"lst2023.csv", "OruSteuern2023"},
};

std::vector<std::string> teile(const std::string& zeile) {
  std::vector<std::string> felder;
  std::stringstream s(zeile);
  std::string feld;
  while (std::getline(s, feld, ',')) felder.push_back(feld);
  if (!zeile.empty() && zeile.back() == ',') felder.emplace_back();
  return felder;
}

class ReferenzVektoren : public testing::TestWithParam<Vektordatei> {};

TEST_P(ReferenzVektoren, EveryRowMatchesToTheCent) {
  const Vektordatei& v = GetParam();
  std::ifstream ein(std::string(SALVARO_TESTDATA) + "/" + v.datei);
  ASSERT_TRUE(ein) << v.datei;
  std::stringstream aus;
  const PapZusammenfassung summe = Pap(ein, aus, v.engine);

  std::string zeile;
  std::getline(aus, zeile);
  const std::vector<std::string> kopf = teile(zeile);
  std::map<std::string, std::size_t> spalte;
  for (std::size_t i = 0; i < kopf.size(); ++i) spalte[kopf[i]] = i;

  int verglichen = 0, abweichend = 0;
  while (std::getline(aus, zeile)) {
    const std::vector<std::string> f = teile(zeile);
    ASSERT_EQ(f.size(), kopf.size());
    if (f[spalte.at("our_LSTLZZ")].empty()) continue;  // an input the engine does not take
    ++verglichen;
    for (std::string_view name : kPapAusgaben) {
      const auto erwartet = spalte.find(std::string(name));
      const std::string& unser = f[spalte.at("our_" + std::string(name))];
      if (erwartet == spalte.end() || unser.empty()) continue;
      if (f[erwartet->second] != unser) {
        ++abweichend;
        ADD_FAILURE() << v.datei << " " << f[spalte.at("case_id")] << " ("
                      << f[spalte.at("category")] << "): " << name << " expected "
                      << f[erwartet->second] << ", got " << unser;
      }
    }
  }
  EXPECT_EQ(abweichend, 0);
  EXPECT_GT(verglichen, 1000) << "too few rows compared";
  RecordProperty("skipped", summe.uebersprungen);
  std::cout << v.datei << ": " << verglichen << " rows compared, " << summe.uebersprungen
            << " skipped (inputs the engine does not take)\n";
}

INSTANTIATE_TEST_SUITE_P(Flowcharts, ReferenzVektoren, testing::ValuesIn(kDateien),
                         [](const testing::TestParamInfo<Vektordatei>& i) {
                           return std::string(i.param.engine);
                         });

}  // namespace
}  // namespace salvaro
