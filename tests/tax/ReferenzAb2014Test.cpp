// The reference results of the official flowcharts 2014-2023, every row to the cent.
#include <gtest/gtest.h>

#include "Referenz.h"

namespace salvaro {
namespace {

struct Vektordatei {
  const char* datei;
  const char* engine;
};

const Vektordatei kDateien[] = {
    {"lst2014.csv", "OruSteuern2014"},    {"lst2015.csv", "OruSteuern2015"},
    {"lst2015dez.csv", "OruSteuern1215"}, {"lst2016.csv", "OruSteuern2016"},
    {"lst2017.csv", "OruSteuern2017"},    {"lst2018.csv", "OruSteuern2018"},
    {"lst2019.csv", "OruSteuern2019"},    {"lst2020.csv", "OruSteuern2020"},
    {"lst2021.csv", "OruSteuern2021"},    {"lst2022.csv", "OruSteuern2022"},
    {"lst2023.csv", "OruSteuern2023"},    {"lst2023abjuli.csv", "OruSteuern0723"},
    {"lst2024.csv", "OruSteuern2024"},    {"lst2024dez.csv", "OruSteuern1224"},
    {"lst2025.csv", "OruSteuern2025"},    {"lst2026.csv", "OruSteuern2026"},
};

class ReferenzAb2014 : public testing::TestWithParam<Vektordatei> {};

TEST_P(ReferenzAb2014, EveryRowMatchesToTheCent) {
  PruefeReferenz(GetParam().datei, GetParam().engine);
}

INSTANTIATE_TEST_SUITE_P(Flowcharts, ReferenzAb2014, testing::ValuesIn(kDateien),
                         [](const testing::TestParamInfo<Vektordatei>& i) {
                           return std::string(i.param.engine);
                         });

}  // namespace
}  // namespace salvaro
