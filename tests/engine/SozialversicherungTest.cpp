// Contribution bases and shares, checked against amounts worked out by hand from the rates of
// the year (base × rate / 100, cut after the third decimal, half up to cents).
#include <gtest/gtest.h>

#include <functional>

#include "FakeEngine.h"
#include "Hilfe.h"
#include "engine/Beitragsjahre.h"
#include "engine/Gehalt.h"
#include "money/OruMath.h"

namespace salvaro {
namespace {

using namespace literale;

struct Eingaben {
  int jahr = 2023, monat = 5;
  std::string_view bgr = "1111";
  Money brutto = 3000_m;
  Money kvSatz = 14.6_m, kvZus = 1.6_m;
  int pvErhoeht = 0, pvSachsen = 0, gleitzone = 1, svTage = 30, rechtskreis = 1;
};

TLohnGehalt Rechne(const Eingaben& e, const std::function<void(TLohnGehalt&)>& mehr = {}) {
  TLohnGehalt lg = MitFakeEngine(std::make_shared<FakeProtokoll>());
  lg.SetRechtskreis(e.rechtskreis);
  lg.SetJahr(e.jahr);
  lg.SetBGR(e.bgr);
  lg.SetMonat(e.monat);
  lg.SetSVTage(e.svTage);
  lg.SetGleitzone(e.gleitzone);
  lg.SetPVErhoeht(e.pvErhoeht);
  lg.SetPVSachsen(e.pvSachsen);
  lg.SetKVZusBeitrag(e.kvZus);
  lg.SetKVSatz(e.kvSatz);
  lg.SetStBrutto(e.brutto);
  lg.SetSVBrutto(e.brutto);
  lg.SetKiStLand(0);
  lg.SetGebJahr(1980);
  if (mehr) mehr(lg);
  lg.Berechne();
  return lg;
}

struct Anteile {
  Money KVAN, KVAG, RVAN, RVAG, AVAN, AVAG, PVAN, PVAG;
};

void Pruefe(const TLohnGehalt& lg, const Anteile& a, const std::string& was) {
  EXPECT_EQ(lg.KVAN, a.KVAN) << was;
  EXPECT_EQ(lg.KVAG, a.KVAG) << was;
  EXPECT_EQ(lg.RVAN, a.RVAN) << was;
  EXPECT_EQ(lg.RVAG, a.RVAG) << was;
  EXPECT_EQ(lg.AVAN, a.AVAN) << was;
  EXPECT_EQ(lg.AVAG, a.AVAG) << was;
  EXPECT_EQ(lg.PVAN, a.PVAN) << was;
  EXPECT_EQ(lg.PVAG, a.PVAG) << was;
}

TEST(Sozialversicherung, SharesOfTypicalCases) {
  struct Fall {
    std::string was;
    Eingaben e;
    Anteile a;
  };
  const Fall faelle[] = {
      {"2023 3000", {}, {243_m, 243_m, 279_m, 279_m, 39_m, 39_m, 45.75_m, 45.75_m}},
      // From 2019 the employee's health share is two contributions in whole cents:
      // 243.33 + 26.67 (the unrounded 269.9997 would leave the net in fractions of a cent).
      {"2023 3333.33",
       {.brutto = 3333.33_m},
       {270_m, 270_m, 310_m, 310_m, 43.33_m, 43.33_m, 50.83_m, 50.83_m}},
      {"Saxony", {.pvSachsen = 1}, {243_m, 243_m, 279_m, 279_m, 39_m, 39_m, 60.75_m, 30.75_m}},
      {"childless 2021",
       {.jahr = 2021, .kvZus = 1.3_m, .pvErhoeht = 1},
       {238.50_m, 238.50_m, 279_m, 279_m, 36_m, 36_m, 53.25_m, 45.75_m}},
      {"childless 2022",
       {.jahr = 2022, .kvZus = 1.3_m, .pvErhoeht = 1},
       {238.50_m, 238.50_m, 279_m, 279_m, 36_m, 36_m, 56.25_m, 45.75_m}},
      {"half care rate",
       {.bgr = "1112"},
       {243_m, 243_m, 279_m, 279_m, 39_m, 39_m, 22.88_m, 22.88_m}},
      // Above both ceilings; the employer's pension share is on the pension base.
      {"8000 West",
       {.brutto = 8000_m},
       {403.99_m, 403.99_m, 678.90_m, 678.90_m, 94.90_m, 94.90_m, 76.06_m, 76.06_m}},
      {"8000 East",
       {.brutto = 8000_m, .rechtskreis = 0},
       {403.99_m, 403.99_m, 660.30_m, 660.30_m, 92.30_m, 92.30_m, 76.06_m, 76.06_m}},
      // Employee free of pension (3) and of unemployment (2): the employer still pays.
      {"1321", {.bgr = "1321"}, {243_m, 243_m, 0_m, 279_m, 0_m, 39_m, 45.75_m, 45.75_m}},
      {"0000", {.bgr = "0000"}, {}},
      // The cut after the third decimal: 1005.43 × 9.3 % = 93.50499 gives 93.50, not 93.51.
      {"cut",
       {.brutto = 1005.43_m, .gleitzone = 0},
       {81.44_m, 81.44_m, 93.50_m, 93.50_m, 13.07_m, 13.07_m, 15.33_m, 15.33_m}},
      // 2005: the special contribution from July; 2010: one share; 2016: separate shares.
      {"2005 June",
       {.jahr = 2005, .monat = 6, .kvSatz = 14_m, .kvZus = 0.9_m},
       {210_m, 210_m, 292.50_m, 292.50_m, 97.50_m, 97.50_m, 25.50_m, 25.50_m}},
      {"2005 July",
       {.jahr = 2005, .monat = 7, .kvSatz = 14_m, .kvZus = 0.9_m},
       {237_m, 210_m, 292.50_m, 292.50_m, 97.50_m, 97.50_m, 25.50_m, 25.50_m}},
      {"2010",
       {.jahr = 2010, .kvSatz = 14_m, .kvZus = 0.9_m},
       {237_m, 210_m, 298.50_m, 298.50_m, 42_m, 42_m, 29.25_m, 29.25_m}},
      {"2016",
       {.jahr = 2016, .kvSatz = 14.6_m, .kvZus = 1.1_m},
       {252_m, 219_m, 280.50_m, 280.50_m, 45_m, 45_m, 35.25_m, 35.25_m}},
      // Fewer days: the health ceiling is 4987.50 / 30 × 15 = 2493.75.
      {"15 days",
       {.svTage = 15},
       {201.99_m, 201.99_m, 279_m, 279_m, 39_m, 39_m, 38.03_m, 38.03_m}},
  };
  for (const Fall& f : faelle) Pruefe(Rechne(f.e), f.a, f.was);
}

// The employer pays on the actual pay below the zone's upper limit, but not beyond the ceiling
// of a short period: 1800.00 in 10 days against a health ceiling of 1662.50.
TEST(Sozialversicherung, EmployerShareNeverAboveTheCeilingOfThePeriod) {
  const TLohnGehalt lg = Rechne({.brutto = 1800_m, .gleitzone = 0, .svTage = 10});
  EXPECT_EQ(lg.BemKV, 1662.50_m);
  EXPECT_EQ(lg.KVAG, 134.66_m);
  EXPECT_EQ(lg.KVAN, 134.66_m);
}

TEST(Sozialversicherung, VoluntaryMemberPaysTheWholeContribution) {
  const TLohnGehalt lg = Rechne({.bgr = "9111", .brutto = 6000_m});
  EXPECT_EQ(lg.KVAN, 807.98_m);
  EXPECT_EQ(lg.KVAG, 403.99_m);
  EXPECT_EQ(lg.PVAN, 152.12_m);
  EXPECT_EQ(lg.PVAG, 76.06_m);

  // On the actual pay when chosen.
  const TLohnGehalt tats =
      Rechne({.bgr = "9111", .brutto = 4000_m}, [](TLohnGehalt& lg) { lg.SetFrwTatsBrutto(1); });
  EXPECT_EQ(tats.KVAN, 648_m);
  EXPECT_EQ(tats.KVAG, 324_m);
}

TEST(Sozialversicherung, PrivateInsuranceSubsidies) {
  struct Fall {
    Money praemie, kvag;
  };
  for (const Fall& f : {Fall{500_m, 250_m}, {900_m, 403.99_m}, {500.01_m, 250.01_m}}) {
    const TLohnGehalt lg = Rechne({.bgr = "0110", .brutto = 6000_m}, [&](TLohnGehalt& lg) {
      lg.SetKVStatus(4);
      lg.SetPVStatus(4);
      lg.SetPKVBetrag(f.praemie);
      lg.SetPPVBetrag(180_m);
    });
    EXPECT_EQ(lg.KVAN, 0_m) << f.praemie.text4();
    EXPECT_EQ(lg.KVAG, f.kvag) << f.praemie.text4();
    EXPECT_EQ(lg.PVAG, 76.06_m) << "half the premium, at most the maximum subsidy";
  }

  // Status 3: the employee's share is the premium less the subsidy.
  const TLohnGehalt drei = Rechne({.bgr = "0111", .brutto = 6000_m}, [](TLohnGehalt& lg) {
    lg.SetKVStatus(3);
    lg.SetPKVBetrag(500_m);
  });
  EXPECT_EQ(drei.KVAN, 250_m);
  EXPECT_EQ(drei.KVAG, 250_m);
}

TEST(Sozialversicherung, MultipleEmploymentSharesTheCeiling) {
  const auto zweiter = [](TLohnGehalt& lg) {
    lg.SetMehrfachbesch(1);
    lg.SetBruttoAndere(2000_m);
  };
  // From 2012 both pays are first limited to the ceiling: 3825 × 3825 / 5825.
  EXPECT_EQ(Rechne({.jahr = 2012, .brutto = 5000_m, .kvZus = 0_m}, zweiter).BemKV, 2511.70_m);
  // Before 2012 they are not: 3712.50 × 5000 / 7000.
  EXPECT_EQ(Rechne({.jahr = 2011, .brutto = 5000_m, .kvZus = 0_m}, zweiter).BemKV, 2651.79_m);
  // Below the ceiling together: nothing shared.
  EXPECT_EQ(Rechne({.brutto = 2000_m, .gleitzone = 0}, zweiter).BemKV, 2000_m);
}

TEST(Sozialversicherung, OneTimePayment) {
  const auto eb = [](TLohnGehalt& lg) { lg.SetEBSVBrutto(1000_m); };
  const TLohnGehalt lg = Rechne({}, eb);
  EXPECT_EQ(lg.EBBemKV, 1000_m);
  EXPECT_EQ(lg.KVANEB, 81_m);
  EXPECT_EQ(lg.KVAGEB, 81_m);
  EXPECT_EQ(lg.RVANEB, 93_m);
  EXPECT_EQ(lg.RVAGEB, 93_m);
  EXPECT_EQ(lg.AVANEB, 13_m);
  EXPECT_EQ(lg.PVANEB, 15.25_m);
  EXPECT_EQ(lg.InsoUmlage, 2.40_m) << "the levy includes the payment's pension base";

  // Only what the month's pay leaves below the ceilings.
  const TLohnGehalt gross =
      Rechne({.brutto = 4000_m}, [](TLohnGehalt& lg) { lg.SetEBSVBrutto(5000_m); });
  EXPECT_EQ(gross.EBBemKV, 987.50_m);
  EXPECT_EQ(gross.EBBemRV, 3300_m);

  // The bases of the earlier months of the year count against the year's share of the ceilings.
  const TLohnGehalt maerz = Rechne({.monat = 3}, [](TLohnGehalt& lg) {
    lg.SetEBSVBrutto(9000_m);
    lg.EBVormonate = 1;
    lg.VorTage = 60;
  });
  EXPECT_EQ(maerz.VorBemKV, 6000_m);
  EXPECT_EQ(maerz.AntBBGKV, 14962.50_m);
  EXPECT_EQ(maerz.EBBemKV, 5962.50_m);
  EXPECT_EQ(maerz.EBBemRV, 9000_m);

  // The contribution group frees the same side as on the regular pay.
  const TLohnGehalt frei = Rechne({.bgr = "1321"}, eb);
  EXPECT_EQ(frei.RVANEB, 0_m);
  EXPECT_EQ(frei.RVAGEB, 93_m);
  EXPECT_EQ(frei.AVANEB, 0_m);
  EXPECT_EQ(frei.AVAGEB, 13_m);

  // Without a one-time payment nothing is left from the one before.
  TLohnGehalt wieder = Rechne({}, eb);
  wieder.SetEBSVBrutto(0_m);
  wieder.Berechne();
  EXPECT_EQ(wieder.KVANEB, 0_m);
  EXPECT_EQ(wieder.EBBemRV, 0_m);
}

TEST(Sozialversicherung, OneTimePaymentOfMarginalAndHealthFreeEmployment) {
  // As on the regular pay: no employee health or care share in marginal employment or without
  // health insurance; the employer's flat rates of marginal employment (13 % and 15 %, 11 % and
  // 12 % until June 2006); with the pension opt-in the employee pays the rest of the full rate.
  struct Fall {
    const char* bgr;
    int jahr, monat, verzicht;
    Money brutto;
    Anteile eb;
  };
  for (const Fall& f : {
           Fall{"6500", 2023, 5, 0, 300_m, {0_m, 26_m, 0_m, 30_m, 0_m, 0_m, 0_m, 0_m}},
           {"6500", 2006, 3, 0, 300_m, {0_m, 22_m, 0_m, 24_m, 0_m, 0_m, 0_m, 0_m}},
           {"0500", 2023, 5, 0, 300_m, {0_m, 0_m, 0_m, 30_m, 0_m, 0_m, 0_m, 0_m}},
           {"6100", 2023, 5, 1, 300_m, {0_m, 26_m, 7.20_m, 30_m, 0_m, 0_m, 0_m, 0_m}},
           {"0111", 2023, 5, 0, 3000_m, {0_m, 0_m, 18.60_m, 18.60_m, 2.60_m, 2.60_m, 0_m, 0_m}},
       }) {
    const TLohnGehalt lg = Rechne(
        {.jahr = f.jahr, .monat = f.monat, .bgr = f.bgr, .brutto = f.brutto}, [&](TLohnGehalt& lg) {
          lg.SetVerzichtRVFreiheit(f.verzicht);
          lg.SetEBSVBrutto(200_m);
        });
    const std::string was = std::string(f.bgr) + " " + std::to_string(f.jahr);
    EXPECT_EQ(lg.KVANEB, f.eb.KVAN) << was;
    EXPECT_EQ(lg.KVAGEB, f.eb.KVAG) << was;
    EXPECT_EQ(lg.RVANEB, f.eb.RVAN) << was;
    EXPECT_EQ(lg.RVAGEB, f.eb.RVAG) << was;
    EXPECT_EQ(lg.AVANEB, f.eb.AVAN) << was;
    EXPECT_EQ(lg.AVAGEB, f.eb.AVAG) << was;
    EXPECT_EQ(lg.PVANEB, f.eb.PVAN) << was;
    EXPECT_EQ(lg.PVAGEB, f.eb.PVAG) << was;
  }
}

TEST(Sozialversicherung, LeviesChamberAndTopUp) {
  EXPECT_EQ(Rechne({}).InsoUmlage, 1.80_m);
  EXPECT_EQ(Rechne({.jahr = 2011, .kvZus = 0.9_m}).InsoUmlage, 0_m);
  EXPECT_EQ(Rechne({.jahr = 2008, .kvZus = 0.9_m}).InsoUmlage, 0_m);
  EXPECT_EQ(Rechne({.jahr = 2010, .kvZus = 0.9_m}).InsoUmlage, 12.30_m);

  const auto bremen = [](TLohnGehalt& lg) { lg.SetKiStLand(5); };
  EXPECT_EQ(Rechne({}, bremen).Kammerbeitrag, 4.50_m);
  EXPECT_EQ(Rechne({.brutto = 250_m}, bremen).Kammerbeitrag, 0_m);
  const auto saar = [](TLohnGehalt& lg) { lg.SetKiStLand(14); };
  EXPECT_EQ(Rechne({.brutto = 8000_m}, saar).Kammerbeitrag, 8.21_m);
  EXPECT_EQ(Rechne({.bgr = "6500", .brutto = 400_m}, saar).Kammerbeitrag, 0_m);

  const auto aufstockung = [](Money basis) {
    return Rechne({}, nullptr).AufstockungBetrag == 0_m &&
           basis > 0_m;  // no top-up without the switch
  };
  EXPECT_TRUE(aufstockung(2000_m));
  const TLohnGehalt auf = Rechne({.brutto = 2000_m, .gleitzone = 0}, [](TLohnGehalt& lg) {
    lg.SetAufstockung(1);
    lg.AufstockungBasis = 2000_m;
    lg.AufstockungSatz = 20_m;
    lg.AufstockungRVSatz = 80_m;
  });
  EXPECT_EQ(auf.AufstockungBetrag, 400_m);
  EXPECT_EQ(auf.AufstockungRVBemessung, 1600_m);
  EXPECT_EQ(auf.AufstockungRVBeitrag, 297.60_m);
  // Above 90 % of the ceiling there is nothing left to fill, and no negative base.
  const TLohnGehalt voll = Rechne({.brutto = 7000_m}, [](TLohnGehalt& lg) {
    lg.SetAufstockung(1);
    lg.AufstockungBasis = 7000_m;
    lg.AufstockungRVSatz = 80_m;
  });
  EXPECT_EQ(voll.AufstockungRVBemessung, 0_m);
  EXPECT_EQ(voll.AufstockungRVBeitrag, 0_m);
}

TEST(Sozialversicherung, PensionPaymentsPayTheWholeRate) {
  // Versorgungsart 2 from 2020: the twentieth of the reference amount (169.75) is deducted.
  const TLohnGehalt lg =
      Rechne({.brutto = 1000_m, .gleitzone = 0}, [](TLohnGehalt& lg) { lg.Versorgungsart = 2; });
  EXPECT_EQ(lg.KVAN, 134.50_m);  // 121.22 + 13.28 on 830.25
  EXPECT_EQ(lg.KVAG, 0_m);
  EXPECT_EQ(lg.PVAN, 30.50_m);
  EXPECT_EQ(lg.PVAG, 0_m);
  // Before 2020 it is an exemption limit.
  const TLohnGehalt klein = Rechne({.jahr = 2019, .brutto = 150_m, .kvZus = 0.9_m, .gleitzone = 0},
                                   [](TLohnGehalt& lg) { lg.Versorgungsart = 2; });
  EXPECT_EQ(klein.KVAN, 0_m);
  EXPECT_EQ(klein.PVAN, 0_m);
}

// The maximum subsidies of the table are half the subsidy rate, and half the care rate, on the
// health ceiling: a typo in any row shows here.
TEST(Beitragsjahre, MaximumSubsidiesMatchCeilingsAndRates) {
  for (int jahr = 2004; jahr <= 2026; ++jahr) {
    const Beitragsjahr* w = BeitragsjahrFuer(jahr);
    ASSERT_NE(w, nullptr) << jahr;
    for (int monat : {1, 12}) {
      EXPECT_EQ(RundeCent(w->BBGKV * w->KVSatzZuschuss.in(monat) / 200),
                w->PKVHoechstzuschuss.in(monat))
          << jahr << "/" << monat;
      EXPECT_EQ(RundeCent(w->BBGKV * w->PVSatz.in(monat) / 200), w->PPVHoechstzuschuss.in(monat))
          << jahr << "/" << monat;
    }
    EXPECT_LT(w->GleitzoneUntergrenze.in(12), w->GleitzoneObergrenze.in(12)) << jahr;
  }
  EXPECT_EQ(BeitragsjahrFuer(2003), nullptr);
  EXPECT_EQ(BeitragsjahrFuer(2027), nullptr);
}

}  // namespace
}  // namespace salvaro
