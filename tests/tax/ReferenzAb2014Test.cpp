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
    {"lst2023.csv", "OruSteuern2023"},
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
