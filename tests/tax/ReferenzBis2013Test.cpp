// The reference results of the official flowcharts 2006-2013, every row to the cent.
#include <gtest/gtest.h>

#include "Referenz.h"

namespace salvaro {
namespace {

struct Vektordatei {
  const char* datei;
  const char* engine;
};

const Vektordatei kDateien[] = {
    {"lst2006.csv", "OruSteuern2006"},    {"lst2007.csv", "OruSteuern2007"},
    {"lst2008.csv", "OruSteuern2008"},    {"lst2009.csv", "OruSteuern2009"},
    {"lst2010.csv", "OruSteuern2010"},    {"lst2011.csv", "OruSteuern2011"},
    {"lst2011dez.csv", "OruSteuern1211"}, {"lst2012.csv", "OruSteuern2012"},
    {"lst2013.csv", "OruSteuern2013"},
};

class ReferenzBis2013 : public testing::TestWithParam<Vektordatei> {};

TEST_P(ReferenzBis2013, EveryRowMatchesToTheCent) {
  PruefeReferenz(GetParam().datei, GetParam().engine);
}

INSTANTIATE_TEST_SUITE_P(Flowcharts, ReferenzBis2013, testing::ValuesIn(kDateien),
                         [](const testing::TestParamInfo<Vektordatei>& i) {
                           return std::string(i.param.engine);
                         });

}  // namespace
}  // namespace salvaro
