// The rules of age in the payroll case: what the wage-tax engine is fed after the retirement age
// (the Aktivrente's free part, the table without pension insurance for pension digit 3), the
// pension payments' inputs, and the health and care contributions on a company pension.
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "Hilfe.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

struct Fall {
  int jahr = 2026, monat = 3;
  std::string_view bgr = "3321";
  Money brutto = 3000_m;
  int gebJahr = 1959, gebMonat = 1;
  int aktivrente = 1, stkl = 1;
  Money kvSatz = 14.0_m, kvZus = 2.9_m;
  int pvErhoeht = 1;
};

bool Enthaelt(const std::vector<std::string>& aufrufe, std::string_view text) {
  for (const std::string& a : aufrufe)
    if (a.rfind(text, 0) == 0) return true;
  return false;
}

void Fuellen(TLohnGehalt& lg, const Fall& f) {
  lg.SetRechtskreis(1);
  lg.SetJahr(f.jahr);
  lg.SetBGR(f.bgr);
  lg.SetMonat(f.monat);
  lg.SetPVErhoeht(f.pvErhoeht);
  lg.SetKVZusBeitrag(f.kvZus);
  lg.SetKVSatz(f.kvSatz);
  lg.SetStBrutto(f.brutto);
  lg.SetSVBrutto(f.brutto);
  lg.SetStKl(f.stkl);
  lg.SetKiStLand(0);
  lg.SetGebJahr(f.gebJahr);
  lg.SetGebMonat(f.gebMonat);
  lg.SetAktivrente(f.aktivrente);
}

// Born in January 1959, the retirement age of 66 years and 2 months is reached in March 2025:
// from January 2026 (the Aktivrente's start) up to 2,000 euros of the pay are free of wage tax;
// the contributions stay on the full pay.
TEST(Aktivrente, FreePartOfThePayForTheEngineContributionsOnTheFullPay) {
  struct Zeile {
    Fall fall;
    Money frei, re4;
  };
  const Fall basis;
  auto mit = [&](auto aendern) {
    Fall f = basis;
    aendern(f);
    return f;
  };
  for (const Zeile& z : {
           Zeile{basis, 2000_m, 1000_m},
           // December 2025: no Aktivrente yet.
           {mit([](Fall& f) {
              f.jahr = 2025;
              f.monat = 12;
              f.kvZus = 2.5_m;
            }),
            0_m, 3000_m},
           // The month the age is reached: not yet; the month after it: free.
           {mit([](Fall& f) {
              f.gebJahr = 1960;
              f.gebMonat = 3;
              f.monat = 7;
            }),
            0_m, 3000_m},
           {mit([](Fall& f) {
              f.gebJahr = 1960;
              f.gebMonat = 3;
              f.monat = 8;
            }),
            2000_m, 1000_m},
           {mit([](Fall& f) { f.brutto = 1500_m; }), 1500_m, 0_m},
           // The full employee share (pension 1: the opt-in) counts too; none without pension
           // insurance, in marginal employment or when switched off.
           {mit([](Fall& f) { f.bgr = "1111"; }), 2000_m, 1000_m},
           {mit([](Fall& f) { f.bgr = "3021"; }), 0_m, 3000_m},
           {mit([](Fall& f) {
              f.bgr = "6500";
              f.brutto = 556_m;
            }),
            0_m, 556_m},
           {mit([](Fall& f) { f.aktivrente = 0; }), 0_m, 3000_m},
           // Class VI only with the employee's confirmation.
           {mit([](Fall& f) { f.stkl = 6; }), 0_m, 3000_m},
           {mit([](Fall& f) {
              f.stkl = 6;
              f.aktivrente = 2;
            }),
            2000_m, 1000_m},
       }) {
    TLohnGehalt lg;
    Fuellen(lg, z.fall);
    lg.Berechne();
    const std::string was = std::string(z.fall.bgr) + " " + std::to_string(z.fall.monat) + "/" +
                            std::to_string(z.fall.jahr) + " " + z.fall.brutto.text4();
    EXPECT_EQ(lg.AktivrenteFrei, z.frei) << was;
    EXPECT_EQ(lg.RE4, z.re4) << was;
  }
  // The example in full: wage tax as on 1,000 euros in the table without pension insurance,
  // contributions on 3,000 (reduced health rate 14.0 + 2.9, care 3.6 + 0.6 for the childless,
  // the employer's isolated pension and unemployment shares).
  TLohnGehalt lg;
  Fuellen(lg, basis);
  lg.Berechne();
  EXPECT_EQ(lg.LSt, 0_m);
  EXPECT_EQ(lg.KVAN, 253.50_m);
  EXPECT_EQ(lg.PVAN, 72.00_m);
  EXPECT_EQ(lg.RVAN, 0_m);
  EXPECT_EQ(lg.RVAG, 279.00_m);
  EXPECT_EQ(lg.AVAN, 0_m);
  EXPECT_EQ(lg.AVAG, 39.00_m);
  // 4,500 euros: the tax of 2,500 euros without the free part.
  TLohnGehalt hoch, ohne;
  Fuellen(hoch, mit([](Fall& f) { f.brutto = 4500_m; }));
  hoch.Berechne();
  Fuellen(ohne, mit([](Fall& f) {
            f.brutto = 2500_m;
            f.aktivrente = 0;
          }));
  ohne.Berechne();
  EXPECT_GT(hoch.LSt, 0_m);
  EXPECT_EQ(hoch.LSt, ohne.LSt);
}

TEST(Aktivrente, OneTimePaymentWithinWhatTheMonthLeaves) {
  auto p = std::make_shared<FakeProtokoll>();
  TLohnGehalt lg = MitFakeEngine(p);
  Fall f;
  f.monat = 11;
  f.brutto = 1500_m;
  Fuellen(lg, f);
  lg.SetSonstBezug(3000_m);
  lg.JRE4 = 20000_m;
  lg.Berechne();
  EXPECT_EQ(lg.AktivrenteFreiEB, 500_m);
  EXPECT_TRUE(Enthaelt(p->aufrufe, "LStEB 2500.0000 20000.0000"));
}

TEST(Vorsorgepauschale, NoPensionPartForPensionDigit3) {
  struct Zeile {
    int jahr;
    std::string_view bgr;
    int krv, krvSteuer;
    Money brutto, versorgung;
  };
  // § 39b Abs. 2 Satz 5 Nr. 3 Buchst. a EStG: the table without statutory pension insurance is
  // KRV 2 from 2010 to 2024 and KRV 1 from 2025; before 2010 the table stays as chosen.
  for (const Zeile& z : {Zeile{2024, "3321", 0, 2, 4200.50_m, 0_m},
                         {2024, "3321", 1, 2, 4200.50_m, 0_m},
                         {2025, "3321", 0, 1, 4200.50_m, 0_m},
                         {2024, "1111", 0, 0, 4200.50_m, 0_m},
                         {2024, "1111", 1, 1, 4200.50_m, 0_m},
                         {2009, "3321", 0, 0, 4200.50_m, 0_m},
                         // A pension without pay: no pension part either.
                         {2023, "1111", 0, 2, 0_m, 800_m},
                         {2026, "1111", 0, 1, 0_m, 800_m},
                         {2026, "1111", 0, 0, 3000_m, 800_m}}) {
    auto p = std::make_shared<FakeProtokoll>();
    TLohnGehalt lg = MitFakeEngine(p);
    Fall f;
    f.jahr = z.jahr;
    f.bgr = z.bgr;
    f.brutto = z.brutto;
    Fuellen(lg, f);
    lg.SetKRV(z.krv);
    lg.SetVersorgungsbezug(z.versorgung, Versorgungsbezugsart::Betriebsrente, 2020, 0);
    lg.Berechne();
    EXPECT_EQ(p->eingabe.KRV, z.krvSteuer) << z.jahr << " " << z.bgr << " KRV " << z.krv;
    EXPECT_EQ(lg.KRV, z.krv);
  }
  // June 2024, 4,200.50 in class III, born 1959, childless in Saxony with an additional rate of
  // 1.30 %: 362.16 by the flowchart's table without pension insurance (263.66 with the pension
  // part the key 3321 used to keep).
  TLohnGehalt lg;
  Fall f;
  f.jahr = 2024;
  f.monat = 6;
  f.brutto = 4200.50_m;
  f.stkl = 3;
  f.kvZus = 1.30_m;
  Fuellen(lg, f);
  lg.SetPVSachsen(1);
  lg.Berechne();
  EXPECT_EQ(lg.LSt, 362.16_m);
}

TEST(Versorgungsbezug, TheFlowchartsPensionInputs) {
  struct Zeile {
    int jahr, monat, beginnJahr, beginnMonat;
    Money brutto, bezug;
    int vjahr, zmvb;
    Money re4;
  };
  for (const Zeile& z : {Zeile{2023, 6, 2023, 3, 3000_m, 800_m, 2023, 10, 3800_m},
                         {2026, 1, 2010, 0, 0_m, 2500_m, 2010, 12, 2500_m},
                         {2023, 6, 2020, 5, 0_m, 800_m, 2020, 12, 800_m},
                         // 2006: the year the pension began is passed as it is.
                         {2006, 6, 2006, 1, 0_m, 1000_m, 2006, 12, 1000_m}}) {
    auto p = std::make_shared<FakeProtokoll>();
    TLohnGehalt lg = MitFakeEngine(p);
    Fall f;
    f.jahr = z.jahr;
    f.monat = z.monat;
    f.brutto = z.brutto;
    f.bgr = "1111";
    f.gebJahr = 1980;
    Fuellen(lg, f);
    lg.SetVersorgungsbezug(z.bezug, Versorgungsbezugsart::Beamtenpension, z.beginnJahr,
                           z.beginnMonat);
    lg.Berechne();
    EXPECT_EQ(p->eingabe.VBEZ, z.bezug) << z.jahr;
    EXPECT_EQ(p->eingabe.VBEZM, z.bezug) << z.jahr;
    EXPECT_EQ(p->eingabe.VJAHR, z.vjahr) << z.jahr;
    EXPECT_EQ(p->eingabe.ZMVB, z.zmvb) << z.jahr;
    EXPECT_EQ(p->eingabe.RE4, z.re4) << z.jahr;
    EXPECT_EQ(lg.KVVersorgung, 0_m);
    EXPECT_EQ(lg.PVVersorgung, 0_m);
  }
}

// A company pension of a compulsorily insured pensioner: the whole general and additional health
// rates above the allowance of a twentieth of the reference amount (from 2020; before it an
// exemption limit), the whole care rate above the exemption limit.
TEST(Versorgungsbezug, HealthAndCareContributionsOnACompanyPension) {
  struct Zeile {
    int jahr, monat;
    std::string_view bgr;
    Money bezug, brutto, kvZus;
    int pvErhoeht;
    Money kv, pv;
  };
  for (const Zeile& z : {
           // 2023: health 16.2 % on 800 - 169.75 = 630.25: 92.02 + 10.08; care on 800.
           Zeile{2023, 6, "1111", 800_m, 0_m, 1.6_m, 1, 102.10_m, 27.20_m},
           {2023, 7, "1111", 800_m, 0_m, 1.6_m, 1, 102.10_m, 32.00_m},
           {2023, 7, "1111", 800_m, 0_m, 1.6_m, 0, 102.10_m, 27.20_m},
           // The reduced-rate digit changes nothing: the general rate applies.
           {2023, 7, "3111", 800_m, 0_m, 1.6_m, 0, 102.10_m, 27.20_m},
           // At the limit nothing; one cent above it care on all of it.
           {2023, 7, "1111", 169.75_m, 0_m, 1.6_m, 0, 0_m, 0_m},
           {2023, 7, "1111", 169.76_m, 0_m, 1.6_m, 0, 0_m, 5.77_m},
           // 2019: an exemption limit only (155.75): health 14.6 + 0.9 on all 800.
           {2019, 5, "1111", 800_m, 0_m, 0.9_m, 0, 124.00_m, 24.40_m},
           {2019, 5, "1111", 155.75_m, 0_m, 0.9_m, 0, 0_m, 0_m},
           // With pay the pension fills the ceiling (5,175 in 2024) only as far as the pay leaves.
           {2024, 5, "1111", 800_m, 5000_m, 1.7_m, 0, 28.53_m, 5.95_m},
           {2024, 5, "1111", 800_m, 6000_m, 1.7_m, 0, 0_m, 0_m},
           // Privately insured (health digit 0) or a voluntary member (9): none here.
           {2024, 5, "0111", 800_m, 0_m, 1.7_m, 0, 0_m, 0_m},
           {2024, 5, "9111", 800_m, 0_m, 1.7_m, 0, 0_m, 0_m},
       }) {
    TLohnGehalt lg;
    Fall f;
    f.jahr = z.jahr;
    f.monat = z.monat;
    f.bgr = z.bgr;
    f.brutto = z.brutto;
    f.kvSatz = z.bgr[0] == '3' ? 14.0_m : 14.6_m;
    f.kvZus = z.kvZus;
    f.pvErhoeht = z.pvErhoeht;
    f.gebJahr = 1958;
    Fuellen(lg, f);
    lg.SetVersorgungsbezug(z.bezug, Versorgungsbezugsart::Betriebsrente, 2020, 0);
    lg.Berechne();
    const std::string was = std::to_string(z.monat) + "/" + std::to_string(z.jahr) + " " +
                            std::string(z.bgr) + " " + z.bezug.text4() + " " + z.brutto.text4();
    EXPECT_EQ(lg.KVVersorgung, z.kv) << was;
    EXPECT_EQ(lg.PVVersorgung, z.pv) << was;
  }
}

}  // namespace
}  // namespace salvaro
