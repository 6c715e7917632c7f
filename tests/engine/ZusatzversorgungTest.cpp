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
  // 2.5 pension ceilings, twice that in the month of the annual bonus.
  struct Fall {
    int jahr, monat;
    Money entgelt, umlage;
  };
  for (const Fall& f : {
           Fall{2023, 10, 20000_m, 775.63_m},  // 18,250 = 2.5 x 7,300
           {2023, 11, 20000_m, 850_m},
           {2024, 10, 40000_m, 802.19_m},  // 18,875 = 2.5 x 7,550
           {2024, 11, 40000_m, 1604.38_m},
           {2025, 10, 40000_m, 855.31_m},  // 20,125 = 2.5 x 8,050
           {2026, 10, 40000_m, 897.81_m},  // 21,125 = 2.5 x 8,450
           {2026, 11, 40000_m, 1700_m},    // the whole pay, below 42,250
       }) {
    const TLohnGehalt lg = Rechne(f.jahr, f.monat, [&](TLohnGehalt& lg) {
      lg.ZVArt = "RZVK";
      lg.ZVEntgelt = f.entgelt;
    });
    EXPECT_EQ(lg.ZVUmlage, f.umlage) << f.jahr << "/" << f.monat;
    EXPECT_EQ(lg.ZVEntgelt, f.entgelt) << "the limit does not overwrite the input";
  }
}

TEST(Zusatzversorgung, ThresholdFollowsThePayRisesAndTheBonusMonth) {
  // 9 % of the pay above 1.133 times pay group 15, step 6, from the month of each pay rise; from
  // 2024 the month of the annual bonus (November) has a threshold of its own.
  struct Fall {
    int jahr, monat;
    Money entgelt, grenzbeitrag;
  };
  for (const Fall& f : {
           Fall{2016, 2, 9000_m, 179.50_m},  // 7,005.57
           {2016, 3, 9000_m, 164.37_m},      // 7,173.70
           {2023, 11, 9000_m, 81.50_m},      // 8,094.46 also in the bonus month
           {2024, 2, 9000_m, 81.50_m},       // 8,094.46
           {2024, 6, 9000_m, 19.92_m},       // 8,778.71
           {2024, 6, 8778.71_m, 0_m},
           {2024, 11, 15000_m, 150.81_m},  // 13,324.33
           {2025, 3, 9000_m, 19.92_m},
           {2025, 4, 10000_m, 86.21_m},    // 9,042.08
           {2025, 11, 15000_m, 114.83_m},  // 13,724.06
           {2026, 4, 10000_m, 86.21_m},
           {2026, 5, 10000_m, 63.43_m},    // 9,295.26
           {2026, 11, 20000_m, 252.34_m},  // 17,196.22
       }) {
    const TLohnGehalt lg = Rechne(f.jahr, f.monat, [&](TLohnGehalt& lg) {
      lg.ZVArt = "VBL";
      lg.ZVSatzIndividuell = 6.45_m;
      lg.ZVEntgelt = f.entgelt;
      lg.ZVGrenzbeitragPflicht = 1;
    });
    EXPECT_EQ(lg.ZVGrenzbeitrag, f.grenzbeitrag) << f.jahr << "/" << f.monat;
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
