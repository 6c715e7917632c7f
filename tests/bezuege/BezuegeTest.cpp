// The pay components of a month: one table of cases per kind, over the years where its rule or
// value changes; the expected amounts are worked out by hand from the law and the published
// official values.
#include "bezuege/Bezuege.h"

#include <gtest/gtest.h>

#include "Hilfe.h"
#include "bezuege/Bezugsregeln.h"

namespace salvaro {
namespace {

using namespace literale;

Bezugsergebnis rechne(int jahr, int monat, std::vector<Bezug> b, int kiStLand = 12) {
  Bezugsmonat m;
  m.jahr = jahr;
  m.monat = monat;
  m.kiStLand = kiStLand;
  return BerechneBezuege(m, b);
}

Bezug bezug(Bezugsart art, Money betrag) {
  Bezug b;
  b.art = art;
  b.betrag = betrag;
  return b;
}

// § 8 Abs. 2 Satz 2, 3, 5 and § 6 Abs. 1 Nr. 4 Satz 2 EStG; the first two rows are the cases of
// the issue (March 2019).
TEST(Bezuege, DienstwagenNachListenpreisAntriebUndAnschaffung) {
  struct Fall {
    int jahr, monat;
    Money preis;
    int km, fahrten;
    Antrieb antrieb;
    Monatsdatum anschaffung;
    Money zuzahlung, kwh, wert;
  };
  using A = Antrieb;
  const Fall faelle[] = {
      {2019, 3, 38750.01_m, 20, 0, A::Verbrenner, {}, 0_m, 0_m, 619.20_m},   // 387 + 232.20
      {2019, 3, 39650_m, 20, 0, A::Hybrid, {2019, 1}, 0_m, 0_m, 316.80_m},   // 198 + 118.80
      {2018, 12, 39650_m, 20, 0, A::Hybrid, {2018, 6}, 0_m, 0_m, 633.60_m},  // before 2019: full
      {2019, 6, 50000_m, 20, 0, A::Elektro, {2019, 1}, 0_m, 0_m, 400_m},     // 2019: half
      {2020, 1, 59999_m, 20, 0, A::Elektro, {2019, 5}, 0_m, 0_m, 238.40_m},  // quarter: 14,900
      {2020, 1, 60000.01_m, 20, 0, A::Elektro, {2019, 5}, 0_m, 0_m, 480_m},  // above 60,000: half
      {2024, 3, 65000_m, 20, 0, A::Elektro, {2024, 2}, 0_m, 0_m, 259.20_m},  // 70,000 from 2024
      {2024, 3, 65000_m, 20, 0, A::Elektro, {2023, 12}, 0_m, 0_m, 520_m},    // acquired 2023
      {2025, 8, 95000_m, 20, 0, A::Elektro, {2025, 7}, 0_m, 0_m, 379.20_m},  // 100,000 from 7/2025
      {2025, 8, 95000_m, 20, 0, A::Elektro, {2025, 6}, 0_m, 0_m, 760_m},
      {2019, 3, 38700_m, 20, 10, A::Verbrenner, {}, 0_m, 0_m, 541.80_m},     // 10 trips, 0.002 %
      {2019, 3, 38750_m, 20, 0, A::Verbrenner, {}, 100_m, 0_m, 519.20_m},    // employee pays 100
      {2019, 3, 38750_m, 20, 0, A::Verbrenner, {}, 700_m, 0_m, 0_m},         // not below 0
      {2015, 5, 40000_m, 20, 0, A::Elektro, {2014, 3}, 0_m, 20_m, 496_m},    // battery 20 × 450
      {2015, 5, 40000_m, 20, 0, A::Elektro, {2012, 3}, 0_m, 30_m, 480_m},    // at most 10,000
      {2004, 1, 30000_m, 10, 0, A::Verbrenner, {}, 0_m, 0_m, 390_m},
  };
  for (const Fall& f : faelle) {
    Bezug b = bezug(Bezugsart::Dienstwagen, f.preis);
    b.km = f.km;
    b.fahrten = f.fahrten;
    b.antrieb = f.antrieb;
    b.anschaffung = f.anschaffung;
    b.zuzahlung = f.zuzahlung;
    b.batterieKWh = f.kwh;
    const Bezugsergebnis e = rechne(f.jahr, f.monat, {b});
    ASSERT_FALSE(e.abgelehnt) << f.jahr << " " << f.preis.raw();
    EXPECT_EQ(e.teile[0].wert, f.wert) << f.jahr << "-" << f.monat << " " << f.preis.raw();
    EXPECT_EQ(e.StBruttoZusatz, f.wert);
    EXPECT_EQ(e.SVBruttoZusatz, f.wert);
    EXPECT_EQ(e.GeldwerterVorteil, f.wert);  // in the net, not paid out
  }
}

// § 8 Abs. 2 Satz 11 EStG: one cent above the limit makes all of it taxable; a job ticket counts
// toward the limit until 2018 and is free from 2019 (§ 3 Nr. 15 EStG).
TEST(Bezuege, SachbezugUndJobticketInDerFreigrenze) {
  struct Fall {
    int jahr;
    Money sachbezug, jobticket, steuerpflichtig;
  };
  const Fall faelle[] = {
      {2004, 44_m, 0_m, 0_m},         {2021, 44_m, 0_m, 0_m},
      {2021, 44.01_m, 0_m, 44.01_m},  {2022, 50_m, 0_m, 0_m},
      {2022, 50.01_m, 0_m, 50.01_m},  {2026, 50_m, 0_m, 0_m},
      {2018, 30_m, 14_m, 0_m},        {2018, 30_m, 14.01_m, 44.01_m},
      {2019, 44_m, 100_m, 0_m},       {2019, 44.01_m, 100_m, 44.01_m},
  };
  for (const Fall& f : faelle) {
    std::vector<Bezug> b = {bezug(Bezugsart::Sachbezug, f.sachbezug)};
    if (f.jobticket != 0) b.push_back(bezug(Bezugsart::Jobticket, f.jobticket));
    const Bezugsergebnis e = rechne(f.jahr, 6, b);
    ASSERT_FALSE(e.abgelehnt);
    EXPECT_EQ(e.StBruttoZusatz, f.steuerpflichtig) << f.jahr << " " << f.sachbezug.raw();
    EXPECT_EQ(e.SVBruttoZusatz, f.steuerpflichtig);
    EXPECT_EQ(e.GeldwerterVorteil, f.steuerpflichtig);
    EXPECT_EQ(e.teile[0].steuerfrei + e.teile[0].steuerpflichtig, f.sachbezug);
  }
}

// Meals by count at the day value (a thirtieth of the monthly value, rounded) or a full month at
// the monthly value; lodging with the reductions of § 2 Abs. 3 SvEV. Day values as published:
// 2022 breakfast 1.87, lunch 3.57; 2024 lunch 4.13; 2016 lunch 3.10; 2006 breakfast 1.48; 2004
// lunch 2.58; 2005 breakfast 1.46. Lodging 2024 as the carriers' tables (278 €: 236.30, 194.60,
// 166.80, 125.10, 139, 111.20, 27.80).
TEST(Bezuege, VerpflegungUndUnterkunftZuAmtlichenWerten) {
  struct Fall {
    int jahr;
    int fruehstuecke, mittagessen;
    Money zuzahlung, wert;
  };
  const Fall mahlzeiten[] = {
      {2022, 1, 0, 0_m, 1.87_m},  {2022, 0, 1, 0_m, 3.57_m},   {2024, 0, 20, 0_m, 82.60_m},
      {2024, 30, 0, 0_m, 65_m},   {2024, 31, 0, 0_m, 65_m},    {2024, 0, 20, 30_m, 52.60_m},
      {2016, 0, 1, 0_m, 3.10_m},  {2006, 1, 0, 0_m, 1.48_m},   {2004, 0, 1, 0_m, 2.58_m},
      {2005, 1, 0, 0_m, 1.46_m},  {2026, 0, 30, 0_m, 137_m},   {2026, 1, 0, 0_m, 2.37_m},
  };
  for (const Fall& f : mahlzeiten) {
    Bezug b = bezug(Bezugsart::Verpflegung, 0_m);
    b.fruehstuecke = f.fruehstuecke;
    b.mittagessen = f.mittagessen;
    b.zuzahlung = f.zuzahlung;
    const Bezugsergebnis e = rechne(f.jahr, 6, {b});
    EXPECT_EQ(e.teile[0].wert, f.wert) << f.jahr << " " << f.fruehstuecke << " " << f.mittagessen;
    EXPECT_EQ(e.StBruttoZusatz, f.wert);
  }
  struct Unterkunft {
    int jahr;
    bool ost;
    int belegung;
    bool haushalt, jugendlich;
    Money wert;
  };
  const Unterkunft unterkuenfte[] = {
      {2024, false, 1, false, false, 278_m},   {2024, false, 1, false, true, 236.30_m},
      {2024, false, 1, true, true, 194.60_m},  {2024, false, 2, false, false, 166.80_m},
      {2024, false, 2, false, true, 125.10_m}, {2024, false, 3, false, false, 139_m},
      {2024, false, 4, false, false, 111.20_m}, {2024, false, 5, true, true, 27.80_m},
      {2006, false, 1, false, false, 196.50_m}, {2006, true, 1, false, false, 182_m},
      {2007, true, 1, false, false, 192.06_m}, {2008, true, 1, false, false, 198_m},
      {2026, false, 1, false, false, 285_m},
  };
  for (const Unterkunft& u : unterkuenfte) {
    Bezug b = bezug(Bezugsart::Unterkunft, 0_m);
    b.belegung = u.belegung;
    b.haushalt = u.haushalt;
    b.jugendlich = u.jugendlich;
    Bezugsmonat m;
    m.jahr = u.jahr;
    m.monat = 6;
    m.ost = u.ost;
    EXPECT_EQ(BerechneBezuege(m, {b}).teile[0].wert, u.wert) << u.jahr << " " << u.belegung;
  }
}

// § 40 Abs. 2 EStG: the employer's flat tax up to the limit (the commuting lump sum of the month,
// 50 € for the internet), the rest taxable; surcharge 5.5 % and church tax at the state's rate
// for flat taxes, each cut to cents; no church tax without one.
TEST(Bezuege, PauschalBesteuerteZuschuesse) {
  struct Fall {
    Bezugsart art;
    int jahr, km, land;
    Money betrag, pauschal, lst, solz, kist;
  };
  using enum Bezugsart;
  const Fall faelle[] = {
      {Internetpauschale, 2026, 0, 12, 50_m, 50_m, 12.50_m, 0.68_m, 0.87_m},  // NRW 7 %
      {Internetpauschale, 2026, 0, 12, 60_m, 50_m, 12.50_m, 0.68_m, 0.87_m},
      {Internetpauschale, 2026, 0, 0, 50_m, 50_m, 12.50_m, 0.68_m, 0_m},      // no church tax
      {Internetpauschale, 2026, 0, 7, 50_m, 50_m, 12.50_m, 0.68_m, 0.50_m},   // Hamburg 4 %
      {Internetpauschale, 2010, 0, 1, 40_m, 40_m, 10_m, 0.55_m, 0.65_m},      // BW 6.5 %
      {Internetpauschale, 2018, 0, 1, 40_m, 40_m, 10_m, 0.55_m, 0.55_m},      // BW 5.5 %
      // 15 days × 20 km × 0.38 € = 114 € in 2026.
      {Fahrtkostenzuschuss, 2026, 20, 2, 100_m, 100_m, 15_m, 0.82_m, 1.05_m},
      {Fahrtkostenzuschuss, 2026, 20, 2, 120_m, 114_m, 17.10_m, 0.94_m, 1.19_m},
      // 15 × (20 × 0.30 + 10 × 0.38) = 147 € in 2024; 15 × (6 + 3.50) = 142.50 € in 2021.
      {Fahrtkostenzuschuss, 2024, 30, 12, 200_m, 147_m, 22.05_m, 1.21_m, 1.54_m},
      {Fahrtkostenzuschuss, 2021, 30, 12, 200_m, 142.50_m, 21.38_m, 1.17_m, 1.49_m},
      {Fahrtkostenzuschuss, 2010, 30, 12, 200_m, 135_m, 20.25_m, 1.11_m, 1.41_m},
  };
  for (const Fall& f : faelle) {
    Bezug b = bezug(f.art, f.betrag);
    b.km = f.km;
    const Bezugsergebnis e = rechne(f.jahr, 6, {b}, f.land);
    ASSERT_FALSE(e.abgelehnt);
    const Bezugsteil& t = e.teile[0];
    EXPECT_EQ(t.pauschal, f.pauschal) << f.jahr << " " << f.betrag.raw();
    EXPECT_EQ(e.PauschalLSt, f.lst) << f.jahr << " " << f.betrag.raw();
    EXPECT_EQ(e.PauschalSolZ, f.solz) << f.jahr << " " << f.betrag.raw();
    EXPECT_EQ(e.PauschalKiSt, f.kist) << f.jahr << " " << f.land;
    // The rest is taxable pay; the flat-taxed part is paid out beside the net, free of
    // contributions; the employer bears the tax.
    EXPECT_EQ(e.StBruttoZusatz, f.betrag - f.pauschal);
    EXPECT_EQ(e.SVBruttoZusatz, f.betrag - f.pauschal);
    EXPECT_EQ(e.SteuerfreieZahlungen, f.pauschal);
    EXPECT_EQ(e.Arbeitgeberkosten, f.betrag + f.lst + f.solz + f.kist);
  }
}

// § 3 Nr. 63 EStG and § 1 Abs. 1 Satz 1 Nr. 9 SvEV: tax-free up to 4 % of the pension ceiling
// (West; plus 150 € a month for commitments from 2005, until 2017; 8 % from 2018), free of
// contributions up to 4 %; the employer's subsidy of 15 % (agreements from 2019, all from 2022)
// at most the contributions he saves, within the same limits.
TEST(Bezuege, EntgeltumwandlungMitArbeitgeberzuschuss) {
  struct Fall {
    int jahr, abschluss;
    Money umwandlung, ersparnis;
    std::optional<Money> zuschussVorgabe;
    Money zuschuss, stZusatz, svZusatz;
  };
  const Fall faelle[] = {
      // 2026: ceiling 8,450 € a month: 676 € tax-free, 338 € free of contributions.
      {2026, 0, 200_m, 42_m, {}, 30_m, -200_m, -200_m},
      {2026, 0, 400_m, 84_m, {}, 60_m, -400_m, -278_m},  // 460 in the contract, 338 SV-free
      {2026, 0, 200_m, 10_m, {}, 10_m, -200_m, -200_m},  // saves only 10 €
      {2026, 0, 200_m, 42_m, 50_m, 50_m, -200_m, -200_m},
      // 2017: 6,350 €: 254 € + 150 € for commitments from 2005, 254 € free of contributions.
      {2017, 2010, 300_m, 60_m, {}, 0_m, -300_m, -254_m},
      {2017, 2004, 300_m, 60_m, {}, 0_m, -254_m, -254_m},
      {2004, 0, 300_m, 60_m, {}, 0_m, -206_m, -206_m},  // 4 % of 5,150 €
      {2018, 0, 600_m, 120_m, {}, 0_m, -520_m, -260_m},  // 8 % of 6,500 €
      {2019, 2018, 200_m, 42_m, {}, 0_m, -200_m, -200_m},  // agreed before 2019
      {2019, 2019, 200_m, 42_m, {}, 30_m, -200_m, -200_m},
      {2022, 2010, 200_m, 42_m, {}, 30_m, -200_m, -200_m},  // all agreements from 2022
  };
  for (const Fall& f : faelle) {
    Bezug b = bezug(Bezugsart::Entgeltumwandlung, f.umwandlung);
    b.abschlussjahr = f.abschluss;
    b.arbeitgeberzuschuss = f.zuschussVorgabe;
    Bezugsmonat m;
    m.jahr = f.jahr;
    m.monat = 6;
    m.ersparnisArbeitgeber = [&](Money) { return f.ersparnis; };
    const Bezugsergebnis e = BerechneBezuege(m, {b});
    ASSERT_FALSE(e.abgelehnt);
    EXPECT_EQ(e.ArbeitgeberzuschussBAV, f.zuschuss) << f.jahr << " " << f.umwandlung.raw();
    EXPECT_EQ(e.BeitragBAV, f.umwandlung + f.zuschuss);
    EXPECT_EQ(e.StBruttoZusatz, f.stZusatz) << f.jahr << " " << f.umwandlung.raw();
    EXPECT_EQ(e.SVBruttoZusatz, f.svZusatz) << f.jahr << " " << f.umwandlung.raw();
    EXPECT_EQ(e.Arbeitgeberkosten, f.zuschuss);
    // Nothing of it is paid out: the taxable excess is pay in kind.
    EXPECT_EQ(Auszahlungsbetrag(1000_m + f.stZusatz, e), 1000_m - f.umwandlung);
  }
}

// § 3b EStG: 25 / 40 / 50 / 125 / 150 % of the hourly wage; free of tax up to a wage of 50 €,
// of contributions up to 25 € from July 2006 (before: as the tax).
TEST(Bezuege, ZuschlaegeFuerSonntagsFeiertagsUndNachtarbeit) {
  struct Fall {
    int jahr, monat;
    Money lohn, nacht, nacht04, sonntag, feiertag, feiertag150;
    Money wert, steuerfrei, beitragsfrei;
  };
  const Fall faelle[] = {
      {2026, 1, 20_m, 10_m, 0_m, 0_m, 0_m, 0_m, 50_m, 50_m, 50_m},
      {2026, 1, 60_m, 10_m, 0_m, 0_m, 0_m, 0_m, 150_m, 125_m, 62.50_m},
      {2026, 1, 20_m, 0_m, 4_m, 8_m, 0_m, 3_m, 202_m, 202_m, 202_m},  // 32 + 80 + 90
      {2026, 1, 30_m, 0_m, 0_m, 0_m, 7.5_m, 0_m, 281.25_m, 281.25_m, 234.38_m},
      {2006, 6, 30_m, 10_m, 0_m, 0_m, 0_m, 0_m, 75_m, 75_m, 75_m},
      {2006, 7, 30_m, 10_m, 0_m, 0_m, 0_m, 0_m, 75_m, 75_m, 62.50_m},
      {2004, 1, 60_m, 0_m, 0_m, 10_m, 0_m, 0_m, 300_m, 250_m, 250_m},
  };
  for (const Fall& f : faelle) {
    Bezug b = bezug(Bezugsart::Zuschlaege, f.lohn);
    b.stundenNacht = f.nacht;
    b.stundenNacht0bis4 = f.nacht04;
    b.stundenSonntag = f.sonntag;
    b.stundenFeiertag = f.feiertag;
    b.stundenFeiertag150 = f.feiertag150;
    const Bezugsergebnis e = rechne(f.jahr, f.monat, {b});
    ASSERT_FALSE(e.abgelehnt);
    const Bezugsteil& t = e.teile[0];
    EXPECT_EQ(t.wert, f.wert) << f.jahr << "-" << f.monat << " " << f.lohn.raw();
    EXPECT_EQ(t.steuerfrei, f.steuerfrei) << f.jahr << "-" << f.monat;
    EXPECT_EQ(t.beitragsfrei, f.beitragsfrei) << f.jahr << "-" << f.monat;
    EXPECT_EQ(e.StBruttoZusatz, f.wert - f.steuerfrei);
    EXPECT_EQ(e.SVBruttoZusatz, f.wert - f.beitragsfrei);
    EXPECT_EQ(e.SteuerfreieZahlungen, f.steuerfrei);
  }
}

// The inflation bonus (§ 3 Nr. 11c EStG), capital-forming payments and net deductions, and the
// refusals: outside its period, above its limit, inputs that do not fit.
TEST(Bezuege, PraemieVermoegensbildungNettoabzugUndAblehnungen) {
  using enum Bezugsart;
  struct Fall {
    int jahr, monat;
    Bezug b;
    bool abgelehnt;
    Money stZusatz, frei, abzug;
  };
  Bezug vwl = bezug(Vermoegensbildung, 40_m);
  Bezug vwlSpar = vwl;
  vwlSpar.sparbetrag = 52_m;
  Bezug vwlZuWenig = vwl;
  vwlZuWenig.sparbetrag = 26_m;
  Bezug stundenOhneLohn = bezug(Zuschlaege, 0_m);
  stundenOhneLohn.stundenNacht = 5_m;
  Bezug fahrtOhneKm = bezug(Fahrtkostenzuschuss, 50_m);
  Bezug negativ = bezug(Sachbezug, -1_m);
  Bezug dienstwagenOhnePreis = bezug(Dienstwagen, 0_m);
  const Fall faelle[] = {
      {2022, 10, bezug(Inflationspraemie, 3000_m), false, 0_m, 3000_m, 0_m},
      {2024, 12, bezug(Inflationspraemie, 1500_m), false, 0_m, 1500_m, 0_m},
      {2022, 9, bezug(Inflationspraemie, 100_m), true, 0_m, 0_m, 0_m},
      {2025, 1, bezug(Inflationspraemie, 100_m), true, 0_m, 0_m, 0_m},
      {2023, 5, bezug(Inflationspraemie, 3000.01_m), true, 0_m, 0_m, 0_m},
      {2026, 1, vwl, false, 40_m, 0_m, 40_m},
      {2026, 1, vwlSpar, false, 40_m, 0_m, 52_m},
      {2026, 1, vwlZuWenig, true, 0_m, 0_m, 0_m},
      {2026, 1, bezug(Nettoabzug, 100_m), false, 0_m, 0_m, 100_m},
      {2026, 1, stundenOhneLohn, true, 0_m, 0_m, 0_m},
      {2026, 1, fahrtOhneKm, true, 0_m, 0_m, 0_m},
      {2026, 1, negativ, true, 0_m, 0_m, 0_m},
      {2026, 1, dienstwagenOhnePreis, true, 0_m, 0_m, 0_m},
  };
  for (const Fall& f : faelle) {
    const Bezugsergebnis e = rechne(f.jahr, f.monat, {f.b});
    EXPECT_EQ(e.abgelehnt, f.abgelehnt) << Bezugsname(f.b.art) << " " << f.jahr << "-" << f.monat;
    if (f.abgelehnt) {
      EXPECT_FALSE(e.meldungen.empty());
      EXPECT_TRUE(e.teile.empty());
      continue;
    }
    EXPECT_EQ(e.StBruttoZusatz, f.stZusatz);
    EXPECT_EQ(e.SVBruttoZusatz, f.stZusatz);
    EXPECT_EQ(e.SteuerfreieZahlungen, f.frei);
    EXPECT_EQ(e.Nettoabzuege, f.abzug);
  }
}

// The payout of several components together: net − benefits in kind − net deductions +
// tax-free and flat-taxed payments.
TEST(Bezuege, AuszahlungsbetragAusAllenBezuegen) {
  Bezug wagen = bezug(Bezugsart::Dienstwagen, 30000_m);
  Bezug zuschlag = bezug(Bezugsart::Zuschlaege, 60_m);
  zuschlag.stundenNacht = 10_m;  // 150 €, 125 € tax-free
  const Bezugsergebnis e =
      rechne(2026, 1,
             {wagen, bezug(Bezugsart::Sachbezug, 50_m), bezug(Bezugsart::Internetpauschale, 50_m),
              zuschlag, bezug(Bezugsart::Nettoabzug, 20_m)});
  ASSERT_FALSE(e.abgelehnt);
  EXPECT_EQ(e.StBruttoZusatz, 300_m + 25_m);
  EXPECT_EQ(e.GeldwerterVorteil, 300_m);
  EXPECT_EQ(e.SteuerfreieZahlungen, 50_m + 125_m);
  EXPECT_EQ(e.Nettoabzuege, 20_m);
  EXPECT_EQ(Auszahlungsbetrag(2000_m, e), 2000_m - 300_m - 20_m + 175_m);
}

// The tables: rows of one kind do not overlap, and every year 2004-2026 has its values.
TEST(Bezuege, TabellenLueckenlos) {
  for (const Bezugsregel& a : AlleBezugsregeln()) {
    for (const Bezugsregel& b : AlleBezugsregeln()) {
      if (&a != &b && a.art == b.art) {
        EXPECT_TRUE(a.bis < b.von || b.bis < a.von);
      }
    }
  }
  for (int jahr = 2004; jahr <= 2026; ++jahr) {
    EXPECT_NE(SachbezugswerteFuer(jahr), nullptr) << jahr;
    for (Bezugsart art : AlleBezugsarten()) {
      if (art != Bezugsart::Inflationspraemie) {
        EXPECT_NE(RegelFuer(art, jahr, 6), nullptr) << jahr;
      }
    }
  }
}

}  // namespace
}  // namespace salvaro
