// Social insurance of 2024 to 2026 and what the payroll case hands the engines of those years.
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "Hilfe.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

struct Fall {
  int jahr;
  Money brutto, kvz;
  int kinderlos, kinder;
  const char* bgr;
};

TLohnGehalt rechne(const Fall& f, TLohnGehalt lg = TLohnGehalt()) {
  lg.SetRechtskreis(1);
  lg.SetJahr(f.jahr);
  lg.SetBGR(f.bgr);
  lg.SetMonat(1);
  lg.SetPVErhoeht(f.kinderlos);
  lg.SetKVZusBeitrag(f.kvz);
  lg.SetKVSatz(14.6_m);
  lg.SetStBrutto(f.brutto);
  lg.SetSVBrutto(f.brutto);
  lg.SetGebJahr(1980);
  lg.SetKinderUnter25(f.kinder);
  lg.Berechne();
  return lg;
}

TEST(Jahre2024bis2026, Shares) {
  const TLohnGehalt a = rechne({2025, 3000_m, 2.5_m, 1, 0, "1111"});
  EXPECT_EQ(a.KVAN, 256.50_m);
  EXPECT_EQ(a.PVAN, 72_m);
  EXPECT_EQ(a.RVAN, 279_m);
  EXPECT_EQ(a.AVAN, 39_m);
  const TLohnGehalt b = rechne({2026, 3000_m, 2.9_m, 0, 2, "1111"});
  EXPECT_EQ(b.KVAN, 262.50_m);
  EXPECT_EQ(b.PVAN, 46.50_m);
  // The transition zone of 2026: G 603, F 0.6619, the employee base rule.
  const TLohnGehalt c = rechne({2026, 1000_m, 2.9_m, 1, 0, "1111"});
  EXPECT_EQ(c.SVBemessung, 854.06_m);
  EXPECT_EQ(c.RVAN, 52.86_m);
  EXPECT_EQ(c.AVAN, 7.39_m);
  EXPECT_EQ(c.KVAN, 49.73_m);
  EXPECT_EQ(c.PVAN, 15.35_m);
  EXPECT_EQ(c.RVAG, 106_m);
  // One pension ceiling from 2025: East as West.
  for (const int jahr : {2025, 2026}) {
    TLohnGehalt west, ost;
    west.SetRechtskreis(1);
    west.SetJahr(jahr);
    ost.SetRechtskreis(0);
    ost.SetJahr(jahr);
    EXPECT_EQ(west.BBGRV, ost.BBGRV) << jahr;
  }
}

TEST(Jahre2024bis2026, InputsForTheEngines) {
  // Children from the second to the fifth, without the surcharge; no unemployment insurance for
  // digit 0; the employer's subsidies to a private premium.
  auto p = std::make_shared<FakeProtokoll>();
  TLohnGehalt lg = MitFakeEngine(p);
  rechne({2026, 3000_m, 2.9_m, 0, 7, "1111"}, std::move(lg));
  EXPECT_EQ(p->eingabe.PVA, 4);
  EXPECT_EQ(p->eingabe.ALV, 0);
  auto q = std::make_shared<FakeProtokoll>();
  rechne({2026, 3000_m, 2.9_m, 1, 3, "1101"}, MitFakeEngine(q));
  EXPECT_EQ(q->eingabe.PVA, 0) << "the surcharge excludes the reductions";
  EXPECT_EQ(q->eingabe.ALV, 1);

  auto r = std::make_shared<FakeProtokoll>();
  TLohnGehalt privat = MitFakeEngine(r);
  privat.SetRechtskreis(1);
  privat.SetJahr(2026);
  privat.SetBGR("0111");
  privat.SetMonat(1);
  privat.SetPKVBetrag(600_m);
  privat.SetPPVBetrag(100_m);
  privat.SetKVStatus(4);
  privat.SetPVStatus(4);
  privat.SetPKPV(700_m);
  privat.SetPKV(1);
  privat.SetStBrutto(6000_m);
  privat.SetSVBrutto(6000_m);
  privat.Berechne();
  EXPECT_EQ(r->eingabe.PKPVAGZ, privat.KVAG + privat.PVAG);
  EXPECT_EQ(r->eingabe.PKPVAGZ, 350_m);  // half of each premium, below the maximum subsidies
}

}  // namespace
}  // namespace salvaro
