#include "money/Money.h"

#include <gtest/gtest.h>

#include "Hilfe.h"

namespace salvaro {
namespace {

using namespace literale;

TEST(Money, StoreRoundsToNearestUnitTiesToEven) {
  struct Fall {
    long double units;
    std::int64_t erwartet;
  };
  for (const Fall& f : {Fall{2.5L, 2}, {3.5L, 4}, {-2.5L, -2}, {-3.5L, -4}, {2.4999L, 2},
                        {2.5001L, 3}, {0.0L, 0}, {-0.4L, 0}}) {
    EXPECT_EQ(Money::runde(Ext::units(f.units)).raw(), f.erwartet) << f.units;
  }
}

TEST(Money, ConstantsAreExact) {
  EXPECT_EQ((0.0935_m).raw(), 935);
  EXPECT_EQ((14.60_m).raw(), 146000);
  EXPECT_EQ((-12.5_m).raw(), -125000);
  EXPECT_EQ(Money::euro(10908).raw(), 109080000);
  EXPECT_EQ(Money::cent(1234), 12.34_m);
  EXPECT_EQ((0.01525_x).unitsWert(), 152.5L);
  EXPECT_EQ((979.18_x).unitsWert(), 9791800.0L);
  EXPECT_THROW(Money::parse("0.00001"), std::invalid_argument);
  EXPECT_THROW(Money::parse("1,5"), std::invalid_argument);
  EXPECT_THROW(Money::parse(""), std::invalid_argument);
  // The largest amounts that are read, and the first that are not.
  EXPECT_EQ(Money::parse("920000000000000").raw(), 9'200'000'000'000'000'000);
  EXPECT_EQ(Money::parse("-89999999999999.9999").raw(), -899'999'999'999'999'999);
  EXPECT_THROW(Money::parse("920000000000001"), std::invalid_argument);
  EXPECT_THROW(Money::parse("900000000000000000"), std::invalid_argument);
}

TEST(Money, ScaleIsHandledAsWritten) {
  // amount x amount / 10,000 and amount x rate / 100 / 10,000 on the stored integers.
  EXPECT_EQ(Money::runde(3000_m * 7.3_m / 100), 219_m);
  EXPECT_EQ(Money::runde(3333.33_m * 0.081_m), 269.9997_m);
  EXPECT_EQ(Money::runde(1289.10_m * 12 / 100), 154.692_m);
  EXPECT_EQ(Money::runde(Ext(7) / 2), 3.5_m);
}

TEST(Money, IntTruncatesTowardZero) {
  EXPECT_EQ(Money::runde(Int(-2.7_x)), -2_m);
  EXPECT_EQ(Money::runde(Int(2.9999_x)), 2_m);
  EXPECT_EQ(Money::runde(Int(12345.99_x)), 12345_m);
}

TEST(Money, FaultsAbortTheCalculation) {
  EXPECT_THROW(Ext(1) / Ext(0), RechenFehler);
  EXPECT_THROW(Ext(1) / 0, RechenFehler);
  EXPECT_THROW(Money::runde(Ext::units(1e30L)), RechenFehler);
  EXPECT_THROW(Money::runde(Ext::units(std::numeric_limits<long double>::quiet_NaN())),
               RechenFehler);
  EXPECT_THROW(Money::units(INT64_MAX) + Money::units(1), RechenFehler);
  EXPECT_THROW(Money::units(INT64_MIN) - Money::units(1), RechenFehler);
}

TEST(Money, PlainTextHasFourDecimals) {
  EXPECT_EQ((243_m).text4(), "243.0000");
  EXPECT_EQ((-0.5_m).text4(), "-0.5000");
  EXPECT_EQ((269.9997_m).text4(), "269.9997");
  EXPECT_EQ(Money::units(INT64_MIN).text4(), "-922337203685477.5808");
}

}  // namespace
}  // namespace salvaro
