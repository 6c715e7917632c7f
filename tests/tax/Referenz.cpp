#include "Referenz.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Pap.h"

namespace salvaro {

namespace {
std::vector<std::string> teile(const std::string& zeile) {
  std::vector<std::string> felder;
  std::stringstream s(zeile);
  std::string feld;
  while (std::getline(s, feld, ',')) felder.push_back(feld);
  if (!zeile.empty() && zeile.back() == ',') felder.emplace_back();
  return felder;
}
}  // namespace

void PruefeReferenz(const char* datei, const char* engine) {
  std::ifstream ein(std::string(SALVARO_TESTDATA) + "/" + datei);
  ASSERT_TRUE(ein) << datei;
  std::stringstream aus;
  const PapZusammenfassung summe = Pap(ein, aus, engine);

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
      if (f[erwartet->second] != unser && ++abweichend <= 20) {
        ADD_FAILURE() << datei << " " << f[spalte.at("case_id")] << " ("
                      << f[spalte.at("category")] << "): " << name << " expected "
                      << f[erwartet->second] << ", got " << unser;
      }
    }
  }
  EXPECT_EQ(abweichend, 0) << datei;
  EXPECT_GT(verglichen, 1000) << datei << ": too few rows compared";
  std::cout << datei << ": " << verglichen << " rows compared, " << summe.uebersprungen
            << " skipped (inputs the engine does not take)\n";
}

}  // namespace salvaro
