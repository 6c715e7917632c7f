// The payroll case as a driver: setter rules, what reaches the wage-tax engine in which year,
// the daily pay period, and that a calculation never leaves stale or drifting values behind.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeEngine.h"
#include "Hilfe.h"
#include "engine/Gehalt.h"
#include "money/OruMath.h"
#include "tax/EngineWahl.h"

namespace salvaro {
namespace {

using namespace literale;

// The main window's filling of a case, for a monthly gross in West Germany.
void Fuellen(TLohnGehalt& lg, int jahr, int monat, Money brutto, std::string_view bgr = "1111") {
  lg.SetRechtskreis(1);
  lg.SetJahr(jahr);
  lg.SetBGR(bgr);
  lg.SetMonat(monat);
  lg.SetStTage(30);
  lg.SetSVTage(30);
  lg.SetGleitzone(1);
  lg.SetPVErhoeht(0);
  lg.SetKVZusBeitrag(1.6_m);
  lg.SetKVSatz(14.6_m);
  lg.SetStBrutto(brutto);
  lg.SetSVBrutto(brutto);
  lg.SetStKl(1);
  lg.SetKiStLand(12);
  lg.SetKonfession(1);
  lg.SetGebJahr(1980);
}

bool Enthaelt(const std::vector<std::string>& aufrufe, std::string_view text) {
  return std::any_of(aufrufe.begin(), aufrufe.end(),
                     [&](const std::string& a) { return a.rfind(text, 0) == 0; });
}

TEST(Gehalt, SetJahrResetsInputsAndLoadsTheYear) {
  TLohnGehalt lg;
  lg.SetRechtskreis(0);
  lg.SetJahr(2022);
  lg.SetStKl(3);
  lg.SetKiStLand(2);
  lg.SetBGR("9111");
  lg.SetMonat(11);
  lg.SetJahr(2023);
  EXPECT_EQ(lg.Monat, 1);
  EXPECT_EQ(lg.BGR, "1111");
  EXPECT_EQ(lg.StKl, 1);
  EXPECT_EQ(lg.KiStLand, 12);
  EXPECT_EQ(lg.StTage, 30) << "a fresh year never divides the pay by 0 days";
  EXPECT_EQ(lg.BBGKV, 4987.50_m);
  EXPECT_EQ(lg.BBGRV, 7100_m) << "East";
  lg.SetRechtskreis(1);
  EXPECT_EQ(lg.BBGRV, 7300_m) << "the legal area reloads the pension ceiling";
}

TEST(Gehalt, MonthPresetsHealthRateAndHalvesCareRate) {
  struct Fall {
    int jahr, monat;
    std::string_view bgr;
    Money kvSatz, pvSatz;
  };
  for (const Fall& f : {
           Fall{2023, 5, "1111", 14.6_m, 3.05_m},
           Fall{2023, 5, "3111", 14.0_m, 3.05_m},
           Fall{2023, 5, "1112", 14.6_m, 1.525_m},
           Fall{2010, 5, "1111", 14.0_m, 1.95_m},
           Fall{2010, 5, "3111", 13.4_m, 1.95_m},
           Fall{2009, 5, "1111", 13_m, 1.95_m},  // 2009 leaves the rate to Berechne
           Fall{2008, 6, "1111", 13_m, 1.70_m},
           Fall{2008, 7, "1111", 13_m, 1.95_m},
       }) {
    TLohnGehalt lg;
    lg.SetRechtskreis(1);
    lg.SetJahr(f.jahr);
    lg.SetBGR(f.bgr);
    lg.SetMonat(f.monat);
    EXPECT_EQ(lg.KVSatz, f.kvSatz) << f.jahr << "/" << f.monat << " " << f.bgr;
    EXPECT_EQ(lg.PVSatz, f.pvSatz) << f.jahr << "/" << f.monat << " " << f.bgr;
  }
}

TEST(Gehalt, BadContributionGroupIsRefused) {
  TLohnGehalt lg;
  lg.SetJahr(2023);
  for (std::string_view bgr : {"111", "11111", "11a1", " 111", ""})
    EXPECT_THROW(lg.SetBGR(bgr), std::invalid_argument) << bgr;
  EXPECT_EQ(lg.BGR, "1111") << "a refused key changes nothing";
}

TEST(Gehalt, FactorOnlyForClassFourAndSurchargeOnlyFrom2005) {
  TLohnGehalt lg;
  lg.SetJahr(2023);
  lg.SetStKl(3);
  lg.SetFaktor(0.9_m);
  EXPECT_EQ(lg.Faktor, 0_m);
  EXPECT_EQ(lg.AF, 0);
  lg.SetStKl(4);
  lg.SetFaktor(0.9_m);
  EXPECT_EQ(lg.Faktor, 0.9_m);
  EXPECT_EQ(lg.AF, 1);
  lg.SetFaktor(0_m);
  EXPECT_EQ(lg.AF, 0);

  lg.SetJahr(2004);
  lg.SetPVErhoeht(1);
  EXPECT_EQ(lg.PVErhoeht, 0);
}

TEST(Gehalt, AllowanceIsHeldTimesHundredAndPassedPerPeriodAndYear) {
  auto p = std::make_shared<FakeProtokoll>();
  TLohnGehalt lg = MitFakeEngine(p);
  Fuellen(lg, 2023, 3, 3000_m);
  lg.SetStFB(150.25_m);
  EXPECT_EQ(lg.StFB, 15025_m);
  lg.Berechne();
  EXPECT_EQ(p->eingabe.FreibetragLzz, 150.25_m);
  EXPECT_EQ(p->eingabe.FreibetragJahr, 1803_m);
  lg.SetStFB(-40_m);
  lg.Berechne();
  EXPECT_EQ(p->eingabe.FreibetragLzz, -40_m);
  EXPECT_EQ(p->eingabe.FreibetragJahr, -480_m);
}

TEST(Gehalt, AgeReliefAndTheYearsThatPassIt) {
  struct Fall {
    int jahr, gebJahr, alter1, ajahr;
  };
  for (const Fall& f : {Fall{2023, 1958, 1, 2023},
                        {2023, 1959, 0, 2024},
                        {2007, 1942, 1, 2007},
                        {2007, 1943, 0, 2008},
                        {2005, 1900, 0, 0},
                        {2004, 1900, 0, 0}}) {
    auto p = std::make_shared<FakeProtokoll>();
    TLohnGehalt lg = MitFakeEngine(p);
    Fuellen(lg, f.jahr, 1, 3000_m);
    lg.SetGebJahr(f.gebJahr);
    lg.Berechne();
    EXPECT_EQ(p->eingabe.ALTER1, f.alter1) << f.jahr << " " << f.gebJahr;
    EXPECT_EQ(p->eingabe.AJAHR, f.ajahr) << f.jahr << " " << f.gebJahr;
    EXPECT_EQ(lg.GebJahr, f.gebJahr);
  }
}

TEST(Gehalt, DailyPayIsTaxedPerDayAndMultiplied) {
  auto p = std::make_shared<FakeProtokoll>();
  p->lst = 10.005_m;
  p->solz = 0.55_m;
  p->kist = 0.90_m;
  p->lstEB = 50_m;
  TLohnGehalt lg = MitFakeEngine(p);
  Fuellen(lg, 2023, 4, 1500_m);
  lg.SetStTage(15);
  lg.SetSonstBezug(1000_m);
  lg.Berechne();
  EXPECT_EQ(p->eingabe.RE4, 100_m);
  EXPECT_EQ(p->eingabe.LZZ, 4);
  EXPECT_EQ(lg.LSt, 150.08_m);  // 10.005 × 15 = 150.075, half up
  EXPECT_EQ(lg.SolZ, 8.25_m);
  EXPECT_EQ(lg.KiSt, 13.50_m);
  EXPECT_EQ(lg.LStEB, 50_m) << "a one-time payment is annual, never multiplied";
  EXPECT_EQ(lg.StBrutto, 1500_m) << "the input stays the period's pay";

  lg.SetStTage(30);
  lg.Berechne();
  EXPECT_EQ(p->eingabe.LZZ, 2) << "back to a month";
  EXPECT_EQ(p->eingabe.RE4, 1500_m);

  lg.SetStTage(0);
  EXPECT_THROW(lg.Berechne(), RechenFehler);
}

TEST(Gehalt, SurchargeBefore2008IsCutToWholeCents) {
  for (int jahr : {2007, 2008}) {
    auto p = std::make_shared<FakeProtokoll>();
    p->solz = 12.35_m;
    p->solzCent = 1234.9999_m;
    TLohnGehalt lg = MitFakeEngine(p);
    Fuellen(lg, jahr, 1, 5000_m);
    lg.Berechne();
    EXPECT_EQ(lg.SolZ, jahr == 2007 ? 12.34_m : 12.35_m) << jahr;
  }
}

TEST(Gehalt, ChurchTaxCallsAndLiability) {
  struct Fall {
    int land, konfession;
    std::string_view gesamt, anteil1;
  };
  for (const Fall& f : {
           Fall{12, 1, "KiSt 1,12,1,0 0.0000 99.0000", "KiSt 1,12,1,1 0.0000 0.0000"},
           Fall{2, 2, "KiSt 1,2,1,0 0.0000 99.0000", "KiSt 1,2,2,1 0.0000 0.0000"},
           Fall{12, 4, "KiSt 0,12,1,0 0.0000 99.0000", "KiSt 0,12,4,1 0.0000 0.0000"},
           // "keine Kirchensteuer" is never liable, whatever the kind.
           Fall{0, 1, "KiSt 0,0,1,0 0.0000 0.0000", "KiSt 0,0,1,1 0.0000 0.0000"},
       }) {
    auto p = std::make_shared<FakeProtokoll>();
    TLohnGehalt lg = MitFakeEngine(p);
    Fuellen(lg, 2023, 1, 4000_m);
    lg.SetKiStLand(f.land);
    lg.SetKonfession(f.konfession);
    lg.Berechne();
    ASSERT_GE(p->aufrufe.size(), 5u);
    EXPECT_EQ(p->aufrufe[2], f.gesamt);
    EXPECT_EQ(p->aufrufe[3], f.anteil1);
  }
}

TEST(Gehalt, OneTimeAndMultiYearPayOnlyWhenPresentAndOffered) {
  auto p = std::make_shared<FakeProtokoll>();
  p->lstEB = 77_m;
  TLohnGehalt lg = MitFakeEngine(p);
  Fuellen(lg, 2023, 6, 3000_m);
  lg.Berechne();
  EXPECT_FALSE(Enthaelt(p->aufrufe, "LStEB"));
  EXPECT_FALSE(Enthaelt(p->aufrufe, "LStVMT"));

  lg.SetSonstBezug(2000_m);
  lg.VMT = 5000_m;
  lg.JRE4 = 36000_m;
  lg.JVBEZ = 1200_m;
  lg.Berechne();
  EXPECT_TRUE(Enthaelt(p->aufrufe, "LStEB 2000.0000 36000.0000 1200.0000 0.0000"));
  EXPECT_TRUE(Enthaelt(p->aufrufe, "KiStEB 1,12,1,1,0"));
  EXPECT_TRUE(Enthaelt(p->aufrufe, "LStVMT 2000.0000 36000.0000"));
  EXPECT_TRUE(Enthaelt(p->aufrufe, "KiStEB 1,12,1,0,1"));
  EXPECT_EQ(lg.LStEB, 77_m);

  // An engine without the operation is not asked, and no old result survives.
  p->aufrufe.clear();
  p->hatEinmalbezug = false;
  lg.Berechne();
  EXPECT_FALSE(Enthaelt(p->aufrufe, "LStEB"));
  EXPECT_EQ(lg.LStEB, 0_m);
  p->hatEinmalbezug = true;
  lg.SetSonstBezug(0_m);
  lg.Berechne();
  EXPECT_EQ(lg.LStEB, 0_m);
}

TEST(Gehalt, AnnualPayForOneTimePayments) {
  // 2005 adds the pay of the period to the expected annual pay.
  auto p = std::make_shared<FakeProtokoll>();
  TLohnGehalt lg = MitFakeEngine(p);
  Fuellen(lg, 2005, 3, 2500_m);
  lg.SetSonstBezug(1000_m);
  lg.JRE4 = 30000_m;
  lg.Berechne();
  EXPECT_TRUE(Enthaelt(p->aufrufe, "LStEB 1000.0000 32500.0000"));

  // The projection takes twelve months of the period's pay, also for a daily wage.
  p->aufrufe.clear();
  Fuellen(lg, 2023, 3, 2600_m);
  lg.SetStTage(10);
  lg.SetSonstBezug(1000_m);
  lg.JahresHochrechnung = 1;
  lg.VBEZ = 100_m;
  lg.Berechne();
  EXPECT_EQ(lg.JRE4, 31200_m);
  EXPECT_EQ(lg.JVBEZ, 1200_m);
}

TEST(Gehalt, PrivatePremiumForTheTax) {
  struct Fall {
    int jahr, kvStatus, pvStatus;
    Money pkpv;
  };
  // 2023: 600.00 health + 100.00 care. 2010: less the subsidies 262.50 (max.) and 36.56 (max.).
  for (const Fall& f : {Fall{2023, 0, 0, 0_m},
                        {2023, 4, 4, 700_m},
                        {2023, 5, 5, 700_m},
                        {2010, 4, 4, 400.94_m},
                        {2010, 5, 5, 700_m}}) {
    auto p = std::make_shared<FakeProtokoll>();
    TLohnGehalt lg = MitFakeEngine(p);
    Fuellen(lg, f.jahr, 1, 5000_m, "0110");
    lg.SetPKVBetrag(600_m);
    lg.SetPPVBetrag(100_m);
    lg.SetKVStatus(f.kvStatus);
    lg.SetPVStatus(f.pvStatus);
    lg.SetPKPV(700_m);
    lg.Berechne();
    EXPECT_EQ(p->eingabe.PKPV, f.pkpv) << f.jahr << " " << f.kvStatus;
    EXPECT_EQ(lg.PKPV, 700_m) << "the stored premium is not changed";
  }
}

TEST(Gehalt, HealthRateFixedIn2009) {
  struct Fall {
    int jahr, monat;
    std::string_view bgr;
    Money kvSatz;
  };
  for (const Fall& f : {Fall{2009, 6, "1111", 14.6_m},
                        {2009, 7, "1111", 14.0_m},
                        {2009, 6, "3111", 14.0_m},
                        {2009, 7, "3111", 13.4_m},
                        {2010, 7, "1111", 15.5_m}}) {
    auto p = std::make_shared<FakeProtokoll>();
    TLohnGehalt lg = MitFakeEngine(p);
    Fuellen(lg, f.jahr, f.monat, 3000_m, f.bgr);
    lg.SetKVSatz(15.5_m);
    lg.SetKVZusBeitrag(0_m);
    lg.Berechne();
    EXPECT_EQ(lg.KVSatz, f.kvSatz) << f.jahr << "/" << f.monat << " " << f.bgr;
    EXPECT_EQ(lg.KVAN, RundeCent(3000_m * f.kvSatz / 200)) << f.jahr << "/" << f.monat;
  }
}

TEST(Gehalt, PeriodWithoutValuesOrEngineIsRefused) {
  TLohnGehalt lg;
  Fuellen(lg, 2027, 1, 3000_m);
  EXPECT_EQ(lg.BBGKV, 0_m) << "no parameters of another year stay loaded";
  EXPECT_THROW(lg.Berechne(), ZeitraumFehler);

  TLohnGehalt ohneEngine([](int, int) { return std::unique_ptr<OruSteuern>(); });
  Fuellen(ohneEngine, 2012, 1, 3000_m);
  EXPECT_THROW(ohneEngine.Berechne(), ZeitraumFehler);

  auto p = std::make_shared<FakeProtokoll>();
  TLohnGehalt mitFake = MitFakeEngine(p);
  Fuellen(mitFake, 2015, 12, 3000_m);
  mitFake.Berechne();
  EXPECT_EQ(p->jahr, 2015);
  EXPECT_EQ(p->monat, 12);
}

// With the real 2023 engine: the case gives what the engine gives for the same inputs, and a
// second calculation with the amounts set again gives the same results.
TEST(Gehalt, Real2023EngineAndRepeatedCalculation) {
  TLohnGehalt lg;
  Fuellen(lg, 2023, 5, 3000_m);
  lg.Berechne();

  LohnsteuerEingabe e;
  e.RE4 = 3000_m;
  e.STKL = 1;
  e.LZZ = 2;
  e.KVZ = 1.6_m;
  e.AJAHR = 2045;
  auto engine = EngineFuer(2023, 5);
  ASSERT_TRUE(engine);
  EXPECT_EQ(lg.LSt, engine->LohnsteuerLfd(e));
  EXPECT_EQ(lg.LSt, 344_m);
  EXPECT_EQ(lg.SolZ, engine->SolzLfd());
  EXPECT_EQ(lg.KiSt, engine->KirchensteuerLfd(1, 12, 1, 0, 0_m, 99_m));
  EXPECT_EQ(lg.KiStAnteil1, 0_m);
  EXPECT_EQ(lg.KiStAnteil2, lg.KiSt);

  const Money lst = lg.LSt, kvan = lg.KVAN, rvan = lg.RVAN, pvag = lg.PVAG;
  for (int i = 0; i < 3; ++i) {
    lg.SetStBrutto(3000_m);
    lg.SetSVBrutto(3000_m);
    lg.Berechne();
  }
  EXPECT_EQ(lg.LSt, lst);
  EXPECT_EQ(lg.KVAN, kvan);
  EXPECT_EQ(lg.RVAN, rvan);
  EXPECT_EQ(lg.PVAG, pvag);
  EXPECT_EQ(lg.GebJahr, 1980);
}

TEST(Gehalt, RepeatedCalculationWithoutSettingAgainDoesNotDrift) {
  auto p = std::make_shared<FakeProtokoll>();
  TLohnGehalt lg = MitFakeEngine(p);
  Fuellen(lg, 2015, 10, 3000_m);
  lg.ZVArt = "kvw";
  lg.ZVEntgelt = 3000_m;
  lg.SetStTage(15);
  lg.Berechne();
  const Money re4 = lg.RE4, sv = lg.SVBrutto, kvan = lg.KVAN;
  lg.Berechne();
  lg.Berechne();
  EXPECT_EQ(lg.RE4, re4);
  EXPECT_EQ(p->eingabe.RE4, re4);
  EXPECT_EQ(lg.SVBrutto, sv);
  EXPECT_EQ(lg.KVAN, kvan);
  EXPECT_EQ(lg.StBrutto, 3000_m);
  EXPECT_EQ(lg.ZVEntgelt, 3000_m);
}

}  // namespace
}  // namespace salvaro
