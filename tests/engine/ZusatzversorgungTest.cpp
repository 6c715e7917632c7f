// Supplementary public-service pension: the scheme amounts and what they add to the taxable and
// the contributory gross.
#include <gtest/gtest.h>

#include <functional>

#include "FakeEngine.h"
#include "Hilfe.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

TLohnGehalt Rechne(int jahr, int monat, const std::function<void(TLohnGehalt&)>& zv,
                   std::shared_ptr<FakeProtokoll> p = std::make_shared<FakeProtokoll>()) {
  TLohnGehalt lg = MitFakeEngine(p);
  lg.SetRechtskreis(1);
  lg.SetJahr(jahr);
  lg.SetBGR("1111");
  lg.SetMonat(monat);
  lg.SetStBrutto(3000_m);
  lg.SetSVBrutto(3000_m);
  zv(lg);
  lg.Berechne();
  return lg;
}

TEST(Zusatzversorgung, WithoutSchemeNothingChanges) {
  // "keine" computes nothing; the main window's empty scheme computes zeros.
  for (std::string_view art : {"keine", ""}) {
    auto p = std::make_shared<FakeProtokoll>();
    const TLohnGehalt lg = Rechne(
        2023, 5, [&](TLohnGehalt& lg) { lg.ZVArt = art; }, p);
    EXPECT_EQ(lg.ZVUmlage, 0_m) << art;
    EXPECT_EQ(lg.ZVSteuerpflichtig, 0_m) << art;
    EXPECT_EQ(lg.ZVSVpflichtig, 0_m) << art;
    EXPECT_EQ(lg.ZVANBeitrag, 0_m) << art;
    EXPECT_EQ(p->eingabe.RE4, 3000_m) << art;
    EXPECT_EQ(lg.SVBrutto, 3000_m) << art;
  }
}

TEST(Zusatzversorgung, SchemeRates) {
  const TLohnGehalt kvw = Rechne(2015, 5, [](TLohnGehalt& lg) {
    lg.ZVArt = "kvw";
    lg.ZVEntgelt = 3000_m;
  });
  EXPECT_EQ(kvw.ZVUmlage, 135_m);
  EXPECT_EQ(kvw.ZVZusatzbeitrag, 97.50_m);
  const TLohnGehalt rzvk = Rechne(2009, 5, [](TLohnGehalt& lg) {
    lg.ZVArt = "RZVK";
    lg.ZVEntgelt = 3000_m;
  });
  EXPECT_EQ(rzvk.ZVUmlage, 127.50_m);
  EXPECT_EQ(rzvk.ZVZusatzbeitrag, 75_m);
  const TLohnGehalt vbl = Rechne(2022, 5, [](TLohnGehalt& lg) {
    lg.ZVArt = "VBL";
    lg.ZVSatzIndividuell = 6.45_m;
    lg.ZVEntgelt = 9000_m;
    lg.ZVGrenzbeitragPflicht = 1;
    lg.ZVANSatz = 1.81_m;
  });
  EXPECT_EQ(vbl.ZVUmlage, 580.50_m);
  EXPECT_EQ(vbl.ZVGrenzbeitrag, 81.50_m) << "9 % above 8,094.46";
  EXPECT_EQ(vbl.ZVANBeitrag, 162.90_m);
}

TEST(Zusatzversorgung, SchemeWithoutRateChargesNothing) {
  const TLohnGehalt lg = Rechne(2023, 5, [](TLohnGehalt& lg) {
    lg.ZVArt = "individuell";
    lg.ZVSatzIndividuell = 0_m;
    lg.ZVEntgelt = 3000_m;
  });
  EXPECT_EQ(lg.ZVUmlage, 0_m);
  EXPECT_EQ(lg.ZVSVpflichtig, 0_m);
  EXPECT_EQ(lg.ZVSteuerpflichtig, 0_m);
  EXPECT_EQ(lg.SVBrutto, 3000_m);
}

TEST(Zusatzversorgung, PayLimitDoublesInNovemberAndInputIsKept) {
  for (int monat : {10, 11}) {
    const TLohnGehalt lg = Rechne(2023, monat, [](TLohnGehalt& lg) {
      lg.ZVArt = "RZVK";
      lg.ZVEntgelt = 20000_m;
    });
    EXPECT_EQ(lg.ZVUmlage, monat == 10 ? 775.63_m : 850_m) << monat;
    EXPECT_EQ(lg.ZVEntgelt, 20000_m) << "the limit does not overwrite the input";
  }
}

TEST(Zusatzversorgung, TaxableAndContributoryParts) {
  // kvw 2015 on 3000.00: contribution 135.00, tax-free 2 % of 6,050 = 121.00, so 14.00 taxable;
  // contributory: 2.5 % of 2,222.22 (the pay at 100.00) less 13.30, plus 21.00 above 100.00,
  // plus the taxable 14.00 = 77.26.
  auto p = std::make_shared<FakeProtokoll>();
  const TLohnGehalt lg = Rechne(
      2015, 5,
      [](TLohnGehalt& lg) {
        lg.ZVArt = "kvw";
        lg.ZVEntgelt = 3000_m;
      },
      p);
  EXPECT_EQ(lg.ZVSteuerpflichtig, 14_m);
  EXPECT_EQ(lg.ZVSVpflichtig, 77.26_m);
  EXPECT_EQ(p->eingabe.RE4, 3014_m);
  EXPECT_EQ(lg.SVBrutto, 3077.26_m);
  EXPECT_EQ(lg.BemRV, 3077.26_m);

  // Tax class 6 has no tax-free part: all of it is taxable and 135.00 - 13.30 contributory.
  const TLohnGehalt sechs = Rechne(2015, 5, [](TLohnGehalt& lg) {
    lg.ZVArt = "kvw";
    lg.ZVEntgelt = 3000_m;
    lg.SetStKl(6);
  });
  EXPECT_EQ(sechs.ZVSteuerpflichtig, 135_m);
  EXPECT_EQ(sechs.ZVPauschal, 0_m);
  EXPECT_EQ(sechs.ZVSVpflichtig, 121.70_m);
}

TEST(Zusatzversorgung, DailyPayGetsThePeriodsTaxablePartSplitToo) {
  auto p = std::make_shared<FakeProtokoll>();
  Rechne(
      2015, 5,
      [](TLohnGehalt& lg) {
        lg.ZVArt = "kvw";
        lg.ZVEntgelt = 3000_m;
        lg.SetStTage(10);
      },
      p);
  EXPECT_EQ(p->eingabe.RE4, 301.40_m);  // (3000.00 + 14.00) / 10
}

}  // namespace
}  // namespace salvaro
