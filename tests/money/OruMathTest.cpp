#include "money/OruMath.h"

#include <gtest/gtest.h>

#include "Hilfe.h"

namespace salvaro {
namespace {

using namespace literale;

struct RundungsFall {
  const char* name;
  Money (*op)(Money);
  Money x, erwartet;
};

TEST(OruMath, RoundingOperations) {
  const RundungsFall faelle[] = {
      {"RundeCent", RundeCent, 2.345_m, 2.35_m},
      {"RundeCent", RundeCent, 2.3449_m, 2.34_m},
      {"RundeCent", RundeCent, 0_m, 0_m},
      {"RundeCent", RundeCent, -1.236_m, -1.23_m},  // Int truncates toward zero
      {"RundeCent", RundeCent, -2.345_m, -2.34_m},
      {"AbrundenCent", AbrundenCent, 2.3499_m, 2.34_m},
      {"AbrundenCent", AbrundenCent, -2.3499_m, -2.34_m},
      {"AufrundenCent", AufrundenCent, 2.3401_m, 2.34_m},
      {"AufrundenCent", AufrundenCent, 2.3410_m, 2.35_m},
      {"AufrundenCent", AufrundenCent, 12.3409_m, 12.34_m},
      {"AufrundenCent", AufrundenCent, 12.34_m, 12.34_m},
      {"AufrundenCent", AufrundenCent, -2.3410_m, -2.33_m},
      {"AbrundenEuro", AbrundenEuro, 99.99_m, 99_m},
      {"AbrundenEuro", AbrundenEuro, -99.99_m, -99_m},
      {"AufrundenEuro", AufrundenEuro, 100_m, 100_m},
      {"AufrundenEuro", AufrundenEuro, 100.01_m, 101_m},
      {"AufrundenEuro", AufrundenEuro, 12.009_m, 12_m},
      {"AufrundenEuro", AufrundenEuro, -12.5_m, -11_m},
  };
  for (const RundungsFall& f : faelle)
    EXPECT_EQ(f.op(f.x), f.erwartet) << f.name << "(" << f.x.text4() << ")";
}

TEST(OruMath, RundeStufe) {
  struct Fall {
    int mode;
    Money x, erwartet;
  };
  for (const Fall& f : {Fall{3, 12.00_m, 12.50_m}, {3, 12.50_m, 12.50_m}, {3, 12.51_m, 13.00_m},
                        {3, 12.70_m, 13.00_m}, {3, -12.34_m, -11.50_m}, {3, 12.504_m, 12.50_m},
                        {3, 12.505_m, 13.00_m}, {4, 12.004_m, 12_m}, {4, 12.005_m, 13_m},
                        {4, 12.01_m, 13_m}, {0, 12.345_m, 12.35_m}}) {
    EXPECT_EQ(RundeStufe(f.mode, f.x), f.erwartet) << f.mode << " " << f.x.text4();
  }
}

TEST(OruMath, Abschneiden) {
  EXPECT_EQ(Abschneiden(4, 1.23456_x), 1.234_x);
  EXPECT_EQ(Abschneiden(7, 0.12345678_x).unitsWert(), (0.123456_x).unitsWert());
  EXPECT_EQ(Abschneiden(0, 1.5_x), 1.5_x);
  EXPECT_EQ(Abschneiden(3, -1.239_x), -1.23_x);
  // Mode 1 reads the value back from 15 significant digits.
  EXPECT_EQ(Abschneiden(1, 12345.999999999999_x), 12346_x);
  EXPECT_EQ(Abschneiden(1, 12345.99_x), 12345_x);
  EXPECT_EQ(Abschneiden(1, -7.5_x), -7_x);
}

TEST(OruMath, AufrundenIsTheExactCeilingAwayFromZero) {
  EXPECT_EQ(Aufrunden(3, 187.65001_x), 187.66_x);
  EXPECT_EQ(Aufrunden(3, 187.65_x), 187.65_x);
  EXPECT_EQ(Aufrunden(1, 1876.00184_x), 1877_x);
  EXPECT_EQ(Aufrunden(1, -12.3_x), -13_x);
  EXPECT_EQ(Aufrunden(1, 12_x), 12_x);
}

}  // namespace
}  // namespace salvaro
