// The one-time payment, the severance and the employer's side on the month's payroll case.
#include "abrechnung/Einmalzahlung.h"

#include <gtest/gtest.h>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"
#include "money/OruMath.h"

namespace salvaro {
namespace {

using namespace literale;

struct Monat {
  const char* jahr;
  int monat;
  const char* brutto;
  const char* bgr = "1111";
  const char* kvZus = "+ 2,90%";
};

Eingaben eingaben(const Monat& m) {
  Eingaben e;
  e.Jahr = m.jahr;
  e.MonatNr = m.monat;
  e.Monat = std::string(kMonatsnamen[m.monat - 1]);
  e.KV = "14,60%";
  e.KVZus = m.kvZus;
  e.BGR = m.bgr;
  e.Brutto = e.StBrutto = e.SVBrutto = m.brutto;
  return e;
}

// The month's case filled as the window fills it, svTage days of social insurance.
Einmalergebnis rechne(Eingaben& e, int svTage = 30) {
  TLohnGehalt fall;
  FuelleFall(fall, e);
  if (svTage != 30) {
    fall.SetSVTage(svTage);
    fall.Berechne();
  }
  return BerechneEinmalzahlung(fall, LiesFeld(e.Brutto), e, EinmalvorgabenAus(e));
}

// The employee's contributions of a month without a payment.
Money svAN(Eingaben e) {
  TLohnGehalt fall;
  FuelleFall(fall, e);
  return GesetzlicheAbzuege(fall) - fall.LSt - fall.SolZ - fall.KiSt;
}

// The tax of the payment is the flowchart's STS and SOLZS for JRE4 = 12 × the month's pay (the
// expected values are the reference flowchart's, class I, childless).
TEST(Einmalzahlung, TaxIsTheFlowchartsOneTimePaymentTax) {
  struct Fall {
    Monat m;
    const char* zahlung;
    Money lst, solz;
  };
  const Fall faelle[] = {
      {{"2026", 11, "4000"}, "3000", 744.00_m, 0_m},
      {{"2023", 6, "3000", "1111", "+ 1,60%"}, "2500", 586.00_m, 0_m},
      {{"2020", 4, "2000", "1111", "+ 1,10%"}, "1500", 326.00_m, 17.93_m},
      {{"2015", 7, "2500", "1111", "+ 0,90%"}, "1000", 249.00_m, 13.69_m},
      {{"2012", 3, "5000"}, "10000", 4055.00_m, 223.02_m},
  };
  for (const Fall& f : faelle) {
    Eingaben e = eingaben(f.m);
    e.Einmalzahlung = f.zahlung;
    const Einmalergebnis r = rechne(e);
    EXPECT_EQ(r.JRE4, Money::runde(LiesFeld(f.m.brutto) * 12)) << f.m.jahr;
    EXPECT_EQ(r.LStEinmal, f.lst) << f.m.jahr;
    EXPECT_EQ(r.SolZEinmal, f.solz) << f.m.jahr;
    EXPECT_EQ(r.NettoEinmal, LiesFeld(f.zahlung) - r.LStEinmal - r.SolZEinmal - r.KiStEinmal -
                                 r.SVEinmalAN)
        << f.m.jahr;
    EXPECT_EQ(r.NettoGesamt, r.NettoRegulaer + r.NettoEinmal) << f.m.jahr;
  }
  // The regular pay of the earlier months given: it replaces the month's pay times them.
  Eingaben e = eingaben({"2026", 11, "4000"});
  e.Einmalzahlung = "3000";
  e.JahresbruttoBisher = "20000";
  EXPECT_EQ(rechne(e).JRE4, 28000_m);
}

// 2026: monthly ceilings 5,812.50 (health) and 8,450.00 (pension); December 2025 5,512.50 and
// 8,050.00.
TEST(Einmalzahlung, ProRatedCeilingsAndThePreviousYearsDecember) {
  struct Fall {
    int monat;
    const char* brutto;
    const char* zahlung;
    const char* bisher;
    bool imVorjahr;
    int svTage;
    Money bemKV, bemRV;
    bool vorjahr;
  };
  const Fall faelle[] = {
      // November: 11 months' ceiling less 10 months of 4,000 and this month's.
      {11, "4000", "3000", "", true, 30, 3000_m, 3000_m, false},
      {11, "4000", "19937,50", "", true, 30, 19937.50_m, 19937.50_m, false},
      {11, "4000", "30000", "", true, 30, 19937.50_m, 30000_m, false},
      // Fifteen days of November: 315 days of ceiling.
      {11, "3000", "50000", "30000", true, 15, 28125_m, 50000_m, false},
      // February above the rest of the health ceiling: December 2025, or this year without it.
      {2, "8000", "20000", "", true, 30, 0_m, 600_m, true},
      {2, "8000", "20000", "", false, 30, 0_m, 900_m, false},
      {2, "3000", "1000", "", true, 30, 1000_m, 1000_m, false},
      // A January of 15 days has half a month's ceiling.
      {1, "2000", "500", "", true, 15, 500_m, 500_m, false},
      {1, "2000", "1000", "", false, 15, 906.25_m, 1000_m, false},
  };
  for (const Fall& f : faelle) {
    Eingaben e = eingaben({"2026", f.monat, f.brutto});
    e.Einmalzahlung = f.zahlung;
    e.JahresbruttoBisher = f.bisher;
    e.ImVorjahrBeschaeftigt = f.imVorjahr;
    const Einmalergebnis r = rechne(e, f.svTage);
    const std::string wo = std::to_string(f.monat) + "/" + f.zahlung;
    EXPECT_EQ(r.EBBemKV, f.bemKV) << wo;
    EXPECT_EQ(r.EBBemRV, f.bemRV) << wo;
    EXPECT_EQ(r.Vorjahr, f.vorjahr) << wo;
    EXPECT_EQ(!r.meldungen.empty() && r.meldungen[0] == "Einmalzahlung dem Vorjahr zugeordnet",
              f.vorjahr)
        << wo;
    // Pension and unemployment on the pension base: 9.3 % and 1.3 % for the employee.
    if (f.bemKV == 0) {
      EXPECT_EQ(r.SVEinmalAN, RundeCent(f.bemRV * 10.6_x / 100)) << wo;
    }
  }
}

// In the transition zone the month's total decides: below the upper limit of 2,000.00 it gets
// the reduced base, at or above it the month pays in full.
TEST(Einmalzahlung, TransitionZoneTakesPayAndPaymentTogether) {
  Eingaben e = eingaben({"2026", 6, "1000"});
  e.Einmalzahlung = "500";
  Einmalergebnis r = rechne(e);
  Eingaben summe = eingaben({"2026", 6, "1500"});
  EXPECT_EQ(r.EBBemKV, 0_m);
  EXPECT_EQ(r.SVEinmalAN, svAN(summe) - svAN(e));

  e = eingaben({"2026", 6, "1800"});
  e.Einmalzahlung = "500";
  r = rechne(e);
  summe = eingaben({"2026", 6, "2300"});
  EXPECT_EQ(r.EBBemKV, 500_m);
  // Full contributions on 2,300.00 less the reduced ones on 1,800.00, but for the roundings of
  // two bases instead of one.
  EXPECT_LE((r.SVEinmalAN - (svAN(summe) - svAN(e))).raw(), 400);
  EXPECT_GE((r.SVEinmalAN - (svAN(summe) - svAN(e))).raw(), -400);
}

// Marginal employment: no employee share, the employer's flat 13 % and 15 % on the payment, and
// with the employer's flat tax 2 % of pay and payment instead of the employee's wage tax.
TEST(Einmalzahlung, MarginalEmploymentWithPayment) {
  Eingaben e = eingaben({"2026", 6, "500", "6500"});
  e.StKl = "6";
  e.Einmalzahlung = "300";
  Einmalergebnis r = rechne(e);
  EXPECT_EQ(r.SVEinmalAN, 0_m);
  EXPECT_EQ(r.KVAGEinmal, 39_m);
  EXPECT_EQ(r.RVAGEinmal, 45_m);
  EXPECT_GT(r.LStEinmal, 0_m);
  EXPECT_EQ(r.Pauschsteuer, 0_m);
  e.PauschsteuerAG = true;
  r = rechne(e);
  EXPECT_EQ(r.LStEinmal + r.SolZEinmal + r.KiStEinmal, 0_m);
  EXPECT_EQ(r.Pauschsteuer, 16_m);
  EXPECT_EQ(r.NettoEinmal, 300_m);
  TLohnGehalt fall;
  FuelleFall(fall, e);
  EXPECT_EQ(fall.LSt + fall.SolZ + fall.KiSt, 0_m);
}

// Gross, payment and severance plus every employer amount; U1 and U2 on the regular pay only.
TEST(Einmalzahlung, EmployersTotalIsTheSumOfItsParts) {
  struct Fall {
    Monat m;
    const char* zahlung;
    bool pauschsteuer;
  };
  const Fall faelle[] = {
      {{"2026", 11, "4000"}, "3000", false},
      {{"2026", 6, "500", "6500"}, "300", true},
      {{"2026", 6, "1200"}, "400", false},
  };
  for (const Fall& f : faelle) {
    Eingaben e = eingaben(f.m);
    e.Einmalzahlung = f.zahlung;
    e.Abfindung = "1000";
    e.U1Satz = "1,60";
    e.U2Satz = "0,44%";
    e.PauschsteuerAG = f.pauschsteuer;
    const Einmalergebnis r = rechne(e);
    TLohnGehalt ohne;
    FuelleFall(ohne, e);
    const Money brutto = LiesFeld(f.m.brutto);
    // The levies of the regular pay, untouched by payment and severance.
    EXPECT_GT(ohne.UmlageU1, 0_m) << f.m.bgr;
    EXPECT_EQ(r.UmlageU1, ohne.UmlageU1) << f.m.bgr;
    EXPECT_EQ(r.UmlageU2, ohne.UmlageU2) << f.m.bgr;
    EXPECT_EQ(r.KVAG, ohne.KVAG + r.KVAGEinmal) << f.m.bgr;
    EXPECT_EQ(r.RVAG, ohne.RVAG + r.RVAGEinmal) << f.m.bgr;
    EXPECT_EQ(r.AVAG, ohne.AVAG + r.AVAGEinmal) << f.m.bgr;
    EXPECT_EQ(r.PVAG, ohne.PVAG + r.PVAGEinmal) << f.m.bgr;
    EXPECT_GT(r.KVAGEinmal, 0_m) << f.m.bgr;
    EXPECT_EQ(r.Umlagen, r.InsoUmlage + r.UmlageU1 + r.UmlageU2) << f.m.bgr;
    EXPECT_EQ(r.Gesamtkosten, brutto + LiesFeld(f.zahlung) + 1000_m + r.KVAG + r.RVAG + r.AVAG +
                                  r.PVAG + r.Pauschsteuer + r.Umlagen)
        << f.m.bgr;
  }
}

// Severance: the one-fifth rule where the year has it, from 2025 a one-time payment with a
// message; years without the operations refuse. Several years' pay by the one-fifth rule is
// cheaper than a one-time payment; a severance, without the provision lump sum, costs more.
TEST(Einmalzahlung, SeveranceByTheYearsFlowchart) {
  Eingaben e = eingaben({"2024", 5, "3000", "1111", "+ 1,70%"});
  e.Abfindung = "30000";
  Einmalergebnis r = rechne(e);
  EXPECT_FALSE(r.AbfindungAlsEinmalzahlung);
  EXPECT_GT(r.LStAbfindung, 0_m);
  EXPECT_EQ(r.SVEinmalAN, 0_m);
  e.Abfindung = "0";
  e.MehrjaehrigeVerguetung = "30000";
  const Money mehrjaehrig = rechne(e).LStMehrjaehrig;
  EXPECT_LT(mehrjaehrig, r.LStAbfindung);
  e.MehrjaehrigeVerguetung = "0";
  e.Einmalzahlung = "30000";
  EXPECT_LT(mehrjaehrig, rechne(e).LStEinmal);

  e = eingaben({"2026", 5, "3000"});
  e.Abfindung = "30000";
  r = rechne(e);
  EXPECT_TRUE(r.AbfindungAlsEinmalzahlung);
  ASSERT_EQ(r.meldungen.size(), 1u);
  EXPECT_NE(r.meldungen[0].find("Fünftelregelung"), std::string::npos);
  // A compensation has no provision lump sum (SONSTENT): more tax than a payment of the amount.
  e.Abfindung = "0";
  e.Einmalzahlung = "30000";
  EXPECT_GT(r.LStAbfindung, rechne(e).LStEinmal);
  EXPECT_EQ(r.NettoAbfindung, 30000_m - r.LStAbfindung - r.SolZAbfindung - r.KiStAbfindung);

  for (const char* jahr : {"2004", "2006", "2007"}) {
    e = eingaben({jahr, 5, "3000", "1111", "+ 0,00%"});
    e.Einmalzahlung = "1000";
    EXPECT_TRUE(rechne(e).abgelehnt) << jahr;
    e.Einmalzahlung = "0";
    e.Abfindung = "1000";
    EXPECT_TRUE(rechne(e).abgelehnt) << jahr;
  }
}

// A severance is a compensation without contributions: the provision lump sum leaves it out
// (ENTSCH in the several-years operation, from 2025 SONSTENT in the one-time payment's). Pay for
// several years' work is one-time pay with contributions (§ 23a SGB IV), together with the
// payment, and taxed by the one-fifth rule (from 2025 as a one-time payment); the severance comes
// on top of it.
TEST(Einmalzahlung, SeveranceAndSeveralYearsPayEachByItsOwnRule) {
  struct Fall {
    Monat m;
    const char* stkl;
    const char* zahlung;
    const char* mehrjaehrig;
    const char* abfindung;
    Money lstAbfindung;  // the flowchart's tax of the severance; -1: not given
  };
  const Monat juni2025{"2025", 6, "5000", "1111", "+ 2,50%"};
  const Monat oktober2023{"2023", 10, "2500", "1111", "+ 1,60%"};
  const Fall faelle[] = {
      {juni2025, "1", "2000", "0", "20000", 7685_m},  // STS with SONSTENT = SONSTB
      {oktober2023, "3", "0", "0", "15000", 2480_m},  // STV with ENTSCH = VMT
      {oktober2023, "3", "0", "15000", "0", -1_m},
      {oktober2023, "3", "1000", "15000", "15000", -1_m},
      {juni2025, "1", "2000", "20000", "20000", -1_m},
      {{"2012", 3, "3000", "1111", "+ 0,90%"}, "1", "500", "8000", "8000", -1_m},
  };
  for (const Fall& f : faelle) {
    const std::string wo = std::string(f.m.jahr) + " " + f.zahlung + "/" + f.mehrjaehrig + "/" +
                           f.abfindung;
    Eingaben e = eingaben(f.m);
    e.StKl = f.stkl;
    e.Einmalzahlung = f.zahlung;
    e.MehrjaehrigeVerguetung = f.mehrjaehrig;
    e.Abfindung = f.abfindung;
    const Einmalergebnis r = rechne(e);
    ASSERT_FALSE(r.abgelehnt) << wo;
    if (f.lstAbfindung >= 0_m) {
      EXPECT_EQ(r.LStAbfindung, f.lstAbfindung) << wo;
    }

    // The contributions: payment and several years' pay as one one-time pay, none on the
    // severance.
    Eingaben einmal = e;
    einmal.Einmalzahlung = SchlichterText(LiesFeld(f.zahlung) + LiesFeld(f.mehrjaehrig));
    einmal.MehrjaehrigeVerguetung = einmal.Abfindung = "0";
    Eingaben nurZahlung = einmal;
    nurZahlung.Einmalzahlung = f.zahlung;
    EXPECT_EQ(r.SVEinmalAN + r.SVMehrjaehrigAN, rechne(einmal).SVEinmalAN) << wo;
    EXPECT_EQ(r.SVEinmalAN, rechne(nurZahlung).SVEinmalAN) << wo;
    EXPECT_EQ(r.SVMehrjaehrigAN, r.KVANMehrjaehrig + r.RVANMehrjaehrig + r.AVANMehrjaehrig +
                                     r.PVANMehrjaehrig)
        << wo;
    if (LiesFeld(f.mehrjaehrig) > 0_m) {
      EXPECT_GT(r.SVMehrjaehrigAN, 0_m) << wo;
    }

    // The severance on top of several years' pay; without a severance the same tax of it.
    Eingaben ohneAbfindung = e;
    ohneAbfindung.Abfindung = "0";
    EXPECT_EQ(r.LStMehrjaehrig, rechne(ohneAbfindung).LStMehrjaehrig) << wo;
    EXPECT_EQ(r.AbfindungAlsEinmalzahlung, LiesGanzzahl(f.m.jahr) >= 2025) << wo;

    EXPECT_EQ(r.NettoGesamt, r.NettoRegulaer + r.NettoEinmal + r.NettoMehrjaehrig +
                                 r.NettoAbfindung)
        << wo;
    EXPECT_EQ(r.NettoMehrjaehrig, LiesFeld(f.mehrjaehrig) - r.LStMehrjaehrig -
                                      r.SolZMehrjaehrig - r.KiStMehrjaehrig - r.SVMehrjaehrigAN)
        << wo;
  }
}

// U1 and U2 are levied on the regular pay: on its reduced base inside the transition zone, on
// the actual pay in a month that a payment lifts to or above the zone's upper limit.
TEST(Einmalzahlung, LeviesOnTheActualPayAboveTheZone) {
  struct Fall {
    const char* brutto;
    const char* zahlung;
    const char* mehrjaehrig;
    Money u1;
  };
  for (const Fall& f : {Fall{"1500", "800", "0", 15_m}, {"1500", "0", "800", 15_m},
                        {"1500", "300", "0", 0_m}, {"1999", "1", "0", 19.99_m}}) {
    Eingaben e = eingaben({"2024", 11, f.brutto, "1111", "+ 1,70%"});
    e.Einmalzahlung = f.zahlung;
    e.MehrjaehrigeVerguetung = f.mehrjaehrig;
    e.U1Satz = e.U2Satz = "1,00";
    const Einmalergebnis r = rechne(e);
    TLohnGehalt ohne;
    FuelleFall(ohne, e);
    // Inside the zone the levies of the regular month.
    const Money u1 = f.u1 > 0_m ? f.u1 : ohne.UmlageU1;
    EXPECT_EQ(r.UmlageU1, u1) << f.brutto << "+" << f.zahlung;
    EXPECT_EQ(r.UmlageU2, u1) << f.brutto << "+" << f.zahlung;
    EXPECT_EQ(r.Umlagen, r.InsoUmlage + r.UmlageU1 + r.UmlageU2);
  }
}

// The states' minimum church tax only where wage tax is withheld: in the month and on a payment.
TEST(Einmalzahlung, ChurchTaxMinimumOnlyWithWageTax) {
  struct Fall {
    const char* jahr;
    const char* land;
    const char* brutto;
    const char* zahlung;
    Money kist, kistEinmal;
  };
  for (const Fall& f : {
           Fall{"2024", "Hamburg", "0,10", "0", 0_m, 0_m},
           {"2024", "Hessen", "0,10", "0", 0_m, 0_m},
           {"2024", "Mecklenburg-Vorpommern", "0,10", "0", 0_m, 0_m},
           {"2024", "Schleswig-Holstein", "0,10", "0", 0_m, 0_m},
           {"2008", "Baden-Württemberg", "0,10", "0", 0_m, 0_m},
           {"2009", "Niedersachsen", "0,10", "0", 0_m, 0_m},
           {"2024", "Hamburg", "759", "300", 0_m, 0_m},  // class IV, December: no tax at all
       }) {
    Eingaben e = eingaben({f.jahr, 12, f.brutto, "1111", "+ 1,70%"});
    e.StKl = "4";
    e.KiLand = f.land;
    e.Einmalzahlung = f.zahlung;
    TLohnGehalt fall;
    FuelleFall(fall, e);
    const Einmalergebnis r = BerechneEinmalzahlung(fall, LiesFeld(e.Brutto), e, EinmalvorgabenAus(e));
    EXPECT_EQ(fall.LSt + r.LStEinmal, 0_m) << f.land;
    EXPECT_EQ(fall.KiSt, f.kist) << f.jahr << " " << f.land;
    EXPECT_EQ(r.KiStEinmal, f.kistEinmal) << f.jahr << " " << f.land;
    EXPECT_GE(r.NettoGesamt, 0_m) << f.land;
  }
}

// Pension digit 1 in marginal employment: the month with the payment owes the employee's rest of
// the full rate on pay and payment, but at least on the minimum base; the regular share already
// holds the top-up, the payment's share is the rest (negative where the payment only lowers the
// top-up).
TEST(Einmalzahlung, PensionOptInTopsUpOnce) {
  struct Fall {
    const char* jahr;
    int monat;
    const char* brutto;
    const char* zahlung;
    Money rvan, rvanEinmal;
  };
  for (const Fall& f : {
           Fall{"2018", 3, "128,94", "1668,19", 13.21_m, 51.48_m},
           {"2024", 5, "100", "20", 17.55_m, -3.00_m},   // 32.55 - 18.00 = 14.55 in the month
           {"2024", 5, "300", "100", 10.80_m, 3.60_m},   // above the minimum base: 3.6 %
       }) {
    Eingaben e = eingaben({f.jahr, f.monat, f.brutto, "6100", "+ 1,00%"});
    e.Einmalzahlung = f.zahlung;
    TLohnGehalt fall;
    FuelleFall(fall, e);
    const Einmalergebnis r = BerechneEinmalzahlung(fall, LiesFeld(e.Brutto), e, EinmalvorgabenAus(e));
    EXPECT_EQ(fall.RVAN, f.rvan) << f.jahr << " " << f.brutto;
    EXPECT_EQ(r.RVANEinmal, f.rvanEinmal) << f.jahr << " " << f.brutto;
    EXPECT_EQ(r.SVEinmalAN, f.rvanEinmal) << "no other branch in marginal employment";
  }
}

// A privately care-insured employee pays no statutory care contribution on a payment, as on the
// regular pay (August 2023: 9.3 % pension and 1.3 % unemployment, plus health where statutory).
TEST(Einmalzahlung, PrivateCarePaysNoCareOnAPayment) {
  struct Fall {
    bool pkv, ppv;
    Money sv;
  };
  for (const Fall& f : {Fall{true, true, 106_m}, {false, true, 187_m}, {false, false, 210_m}}) {
    Eingaben e = eingaben({"2023", 8, "3000", "1111", "+ 1,60%"});
    e.Einmalzahlung = "1000";
    e.PKV = "400";
    e.PPV = "80";
    e.ChkPKV = f.pkv;
    e.ChkPPV = f.ppv;
    const Einmalergebnis r = rechne(e);
    EXPECT_EQ(r.SVEinmalAN, f.sv) << f.pkv << f.ppv;
    if (f.ppv) {
      EXPECT_EQ(r.PVANEinmal, 0_m);
    }
  }
}

// "Jahresbrutto bisher" in January: there are no earlier months; 0 and empty are no input.
TEST(Einmalzahlung, EarlierGrossRefusedInJanuary) {
  struct Fall {
    int monat;
    const char* bisher;
    bool abgelehnt;
  };
  for (const Fall& f : {Fall{1, "5000", true}, {1, "0", false}, {1, "", false}, {2, "5000", false}}) {
    Eingaben e = eingaben({"2024", f.monat, "3000", "1111", "+ 1,70%"});
    e.Einmalzahlung = "500";
    e.JahresbruttoBisher = f.bisher;
    const Einmalergebnis r = rechne(e);
    EXPECT_EQ(r.abgelehnt, f.abgelehnt) << f.monat << " " << f.bisher;
    if (f.abgelehnt) {
      ASSERT_EQ(r.meldungen.size(), 1u);
      EXPECT_NE(r.meldungen[0].find("im Januar"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace salvaro
