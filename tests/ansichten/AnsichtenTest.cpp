// The year, the curve and the tax-class choice against single calculations of the workflow.
#include <gtest/gtest.h>

#include "EingabenFuer.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "ansichten/Ansichtstexte.h"
#include "ansichten/Jahresuebersicht.h"
#include "ansichten/Steuerklassenwahl.h"
#include "ansichten/Verlauf.h"
#include "engine/Gehalt.h"
#include "money/OruMath.h"
#include "tax/EngineWahl.h"

namespace salvaro {
namespace {

using namespace literale;

const Datum kHeute{2026, 12, 8};

Eingaben eingaben(const char* jahr, int monat, const char* brutto) {
  return EingabenFuer(jahr, monat, brutto);
}

// The workflow's own gross-to-net calculation of the inputs.
Ergebnis einzeln(Eingaben e) {
  TLohnGehalt fall;
  EXPECT_TRUE(StarteMitEnter(e, Feld::Brutto).rechnen);
  Ergebnis r = Berechne(e, fall, kHeute);
  EXPECT_TRUE(r.gerechnet);
  return r;
}

Money label(const std::string& s) {
  return -LiesFeld(s);
}

struct JahrFall {
  const char* jahr;
  const char* brutto;
  const char* stkl;
  const char* kiLand;
  int monatMitWechsel;  // 0: none expected
  const char* wechsel;  // the start of the change's text
};

class JahrTest : public ::testing::TestWithParam<JahrFall> {};

// Each month equals the single calculation of that month, the totals the sum of the months, and
// a rule that changes within the year is marked in its month.
TEST_P(JahrTest, MonateSummenUndWechsel) {
  const JahrFall& c = GetParam();
  Eingaben e = eingaben(c.jahr, 1, c.brutto);
  e.StKl = c.stkl;
  e.KiLand = c.kiLand;
  const Jahresuebersicht j = BerechneJahr(e);
  Monatswerte summe;
  for (int m = 1; m <= 12; ++m) {
    SCOPED_TRACE(m);
    const Jahresmonat& z = j.monate[m - 1];
    Eingaben em = eingaben(c.jahr, m, c.brutto);
    em.StKl = c.stkl;
    em.KiLand = c.kiLand;
    const Ergebnis r = einzeln(em);
    EXPECT_EQ(z.werte.netto, r.netto);
    EXPECT_EQ(z.werte.LSt, label(r.LSt));
    EXPECT_EQ(z.werte.KiSt, label(r.KiSt));
    EXPECT_EQ(z.werte.SolZ, label(r.SolZ));
    EXPECT_EQ(z.werte.KV, label(r.KV));
    EXPECT_EQ(z.werte.RV, label(r.RV));
    EXPECT_EQ(z.werte.AV, label(r.AV));
    EXPECT_EQ(z.werte.PV, label(r.PV));
    EXPECT_EQ(z.werte.brutto - z.werte.abzuege, z.werte.netto);
    EXPECT_GE(z.werte.arbeitgeberkosten, z.werte.brutto);
    summe += z.werte;
    if (m == c.monatMitWechsel) {
      ASSERT_FALSE(z.aenderungen.empty());
      EXPECT_EQ(z.aenderungen[0].rfind(c.wechsel, 0), 0u) << z.aenderungen[0];
    } else if (m == 1) {
      // January against December of the previous year: a new flowchart and new ceilings.
      EXPECT_FALSE(z.aenderungen.empty());
    } else {
      EXPECT_TRUE(z.aenderungen.empty()) << z.aenderungen[0];
    }
  }
  EXPECT_EQ(j.summe.netto, summe.netto);
  EXPECT_EQ(j.summe.PV, summe.PV);
  EXPECT_EQ(j.summe.arbeitgeberkosten, summe.arbeitgeberkosten);
  EXPECT_EQ(j.summe.brutto, LiesFeld(c.brutto) * 12 + Money());
}

INSTANTIATE_TEST_SUITE_P(
    Jahre, JahrTest,
    ::testing::Values(JahrFall{"2023", "3000", "1", "Nordrhein-Westfalen", 7, "Lohnsteuer"},
                      JahrFall{"2022", "1500", "1", "keine Kirchensteuer", 10, "Übergangsbereich"},
                      JahrFall{"2024", "4500", "3", "Bayern", 12, "Lohnsteuer"},
                      JahrFall{"2026", "2500", "4", "Berlin", 0, ""}));

// Each change of the law is named in its month, in words (never an engine's name): the special
// health contribution of July 2005, the flat rates of July 2006, the December flowchart of 2024,
// and January against December of the previous year (the zone of January 2023).
TEST(Jahr, ChangesOfTheLawInTheirMonth) {
  struct Fall {
    const char* jahr;
    const char* brutto;
    const char* bgr;
    int monat;
    const char* wechsel;  // a change of that month starts so
  };
  for (const Fall& f : {
           Fall{"2005", "1000", "1111", 7, "Krankenversicherung 14,40 % → 14,40 % + 0,90 %"},
           {"2006", "300", "6500", 7, "Pauschalbeiträge geringfügiger Beschäftigung"},
           {"2024", "3000", "1111", 12, "Lohnsteuer: geänderter Programmablaufplan ab Dezember 2024"},
           {"2023", "1000", "1111", 1, "Übergangsbereich 520,01 bis 1.600,00"},
           {"2023", "1000", "1111", 1, "Lohnsteuer: Programmablaufplan 2023"},
           {"2009", "3000", "1111", 7, "Krankenversicherung 14,60 % + 0,90 % → 14,00 % + 0,90 %"},
       }) {
    Eingaben e = eingaben(f.jahr, 1, f.brutto);
    e.BGR = f.bgr;
    if (!KVZusEingebbar(LiesGanzzahl(f.jahr))) e.KVZus = kKVZusVor2015;
    const Jahresuebersicht j = BerechneJahr(e);
    bool gefunden = false;
    for (const Jahresmonat& m : j.monate)
      for (const std::string& a : m.aenderungen) {
        EXPECT_EQ(a.find("OruSteuern"), std::string::npos) << a;
        gefunden |= m.monat == f.monat && a.rfind(f.wechsel, 0) == 0;
      }
    EXPECT_TRUE(gefunden) << f.jahr << " " << f.wechsel;
  }
  // The first year has no December before it.
  EXPECT_TRUE(BerechneJahr(eingaben("2004", 1, "1000")).monate[0].aenderungen.empty());
}

TEST(Jahr, PflegeImJuli2023) {
  const Jahresuebersicht j = BerechneJahr(eingaben("2023", 1, "3000"));
  EXPECT_LT(j.monate[5].werte.PV, j.monate[6].werte.PV);
  bool pflege = false;
  for (const std::string& a : j.monate[6].aenderungen)
    pflege |= a.rfind("Pflegeversicherung", 0) == 0;
  EXPECT_TRUE(pflege);
}

// The changes name the flowchart in words and rates as the window shows them, never an engine.
TEST(Jahr, AenderungenInWorten) {
  const Jahresuebersicht j = BerechneJahr(eingaben("2023", 1, "3000"));
  const std::vector<std::string>& juli = j.monate[6].aenderungen;
  ASSERT_EQ(juli.size(), 3u);
  EXPECT_EQ(juli[0], "Lohnsteuer: geänderter Programmablaufplan ab Juli 2023");
  EXPECT_EQ(juli[1], "Pflegeversicherung 3,05 % + 0,35 → 3,40 % + 0,60");
  EXPECT_EQ(juli[2], "Höchstzuschuss PKV/PPV 403,99 / 76,06 → 403,99 / 84,79");
}

// A one-time payment stands in its own month with the month's total net and the employer's total
// of the single calculation; the other months stay without it.
TEST(Jahr, EinmalzahlungInIhremMonat) {
  Eingaben e = eingaben("2026", 11, "4000");
  e.Einmalzahlung = "3000";
  const Jahresuebersicht j = BerechneJahr(e);
  const Ergebnis r = einzeln(e);
  const Monatswerte& nov = j.monate[10].werte;
  EXPECT_EQ(nov.einmalzahlung, Money::parse("3000"));
  EXPECT_EQ(nov.netto, r.einmal.NettoGesamt);
  EXPECT_EQ(nov.arbeitgeberkosten, r.einmal.Gesamtkosten);
  EXPECT_EQ(nov.LSt, r.abzug.LSt + r.einmal.LStEinmal);
  EXPECT_EQ(j.monate[9].werte.einmalzahlung, Money());
  EXPECT_EQ(nov.brutto + nov.einmalzahlung - nov.abzuege, nov.netto);
}

// The curve's points equal single calculations; its marginal burden is the difference quotient
// over the next 100 euros.
TEST(Verlauf, PunkteSindEinzelrechnungen) {
  struct Fall {
    const char* jahr;
    int monat;
    const char* bis;
    const char* schritt;
  };
  for (const Fall c : {Fall{"2026", 1, "10000", "10"}, Fall{"2023", 7, "2000", "33.33"},
                       Fall{"2022", 10, "1700", "100"}}) {
    SCOPED_TRACE(c.jahr);
    const Eingaben e = eingaben(c.jahr, c.monat, "0");
    const Verlauf v = BerechneVerlauf(e, LiesFeld(c.bis), LiesZahlentext(c.schritt, 2));
    ASSERT_FALSE(v.punkte.empty());
    EXPECT_EQ(v.punkte.back().brutto, LiesFeld(c.bis));
    const auto netto = [&](Money g) {
      return einzeln(eingaben(c.jahr, c.monat, SchlichterText(g).c_str())).netto;
    };
    for (std::size_t i = 0; i < v.punkte.size(); i += v.punkte.size() / 7 + 1) {
      const Verlaufspunkt& p = v.punkte[i];
      SCOPED_TRACE(SchlichterText(p.brutto));
      EXPECT_EQ(p.netto, netto(p.brutto));
      EXPECT_EQ(p.vomNaechstenHundert, netto(p.brutto + 100_m) - p.netto);
      EXPECT_EQ(p.grenzbelastung, 100_m - p.vomNaechstenHundert);
      EXPECT_EQ(p.abzuege, p.brutto - p.netto);
    }
  }
}

TEST(Verlauf, MarkenUndFehler) {
  const Verlauf v = BerechneVerlauf(eingaben("2026", 1, "0"), 10000_m, 1000_m);
  EXPECT_EQ(v.punkte.size(), 11u);
  std::vector<std::string> texte;
  for (const Verlaufsmarke& m : v.marken) texte.push_back(m.text + " " + SchlichterText(m.brutto));
  EXPECT_EQ(texte, (std::vector<std::string>{
                       "Geringfügigkeitsgrenze 603", "Übergangsbereich Beginn 603,01",
                       "Übergangsbereich Ende 2000", "Beitragsbemessungsgrenze KV/PV 5812,5",
                       "Beitragsbemessungsgrenze RV/AV 8450"}));
  EXPECT_THROW(BerechneVerlauf(eingaben("2026", 1, "0"), 1000_m, Money()), VerlaufsFehler);
  EXPECT_THROW(BerechneVerlauf(eingaben("2026", 1, "0"), 100000_m, 0.01_m), VerlaufsFehler);
  std::atomic<bool> abbrechen{true};
  EXPECT_TRUE(BerechneVerlauf(eingaben("2026", 1, "0"), 1000_m, 10_m, &abbrechen).abgebrochen);
}

// The factor: Y / X cut to three decimals, only below 1.
TEST(Steuerklassen, Faktor) {
  struct Fall {
    Money Y, X;
    std::optional<Money> f;
  };
  for (const Fall c : {Fall{7000_m, 8000_m, 0.875_m}, Fall{9999_m, 10000_m, 0.999_m},
                       Fall{2000_m, 3000_m, 0.666_m}, Fall{10000_m, 10000_m, std::nullopt},
                       Fall{11000_m, 10000_m, std::nullopt}, Fall{0_m, 0_m, std::nullopt},
                       Fall{0_m, 500_m, 0_m}}) {
    SCOPED_TRACE(c.Y.text4() + "/" + c.X.text4());
    EXPECT_EQ(FaktorVerfahren(c.Y, c.X), c.f);
  }
}

// The engine's tariff: class IV's annual tax is the basic tariff of its taxable income (its
// monthly share the wage tax), and splitting is twice the tax of half the income.
TEST(Steuerklassen, TarifDerEngines) {
  for (const auto& [jahr, monat] : std::vector<std::pair<int, int>>{
           {2006, 3}, {2009, 5}, {2012, 1}, {2015, 6}, {2023, 8}, {2024, 3}, {2026, 1}}) {
    SCOPED_TRACE(jahr);
    Eingaben e = eingaben(std::to_string(jahr).c_str(), monat, "4321,09");
    e.StKl = "4";
    TLohnGehalt fall;
    FuelleFall(fall, [&] {
      Eingaben m = e;
      m.StBrutto = m.SVBrutto = m.Brutto;
      return m;
    }());
    const auto engine = EngineFuer(jahr, monat);
    const Money jahrLSt = engine->Tarifsteuer(fall.ZVE, 1);
    EXPECT_GT(jahrLSt, Money());
    EXPECT_EQ(fall.LSt, AbrundenCent(jahrLSt / 12));
    const Money haelfte = AbrundenEuro(fall.ZVE / 2);
    EXPECT_EQ(engine->Tarifsteuer(fall.ZVE, 2), engine->Tarifsteuer(haelfte, 1) * 2 + Money());
  }
}

// Each choice equals single calculations of both spouses in its classes; the best is the highest
// joint net.
TEST(Steuerklassen, WahlenSindEinzelrechnungen) {
  Eingaben a = eingaben("2026", 1, "5000"), b = eingaben("2026", 1, "2000");
  b.KiLand = "keine Kirchensteuer";
  const Steuerklassenvergleich v = VergleicheSteuerklassen(a, b);
  ASSERT_EQ(v.wahlen.size(), 4u);
  ASSERT_TRUE(v.faktor);
  EXPECT_LT(*v.faktor, 1_m);
  EXPECT_EQ(v.faktor, FaktorVerfahren(v.splittingsteuer, v.summeLStIV));
  Money beste;
  for (const Klassenwahl& w : v.wahlen) {
    SCOPED_TRACE(w.name);
    Eingaben x = a, y = b;
    x.StKl = std::to_string(w.stkl1);
    y.StKl = std::to_string(w.stkl2);
    x.Faktor = y.Faktor = SchlichterText(w.faktor);
    EXPECT_EQ(w.netto1, einzeln(x).netto);
    EXPECT_EQ(w.netto2, einzeln(y).netto);
    EXPECT_EQ(w.nettoGemeinsam, w.netto1 + w.netto2);
    beste = std::max(beste, w.nettoGemeinsam);
  }
  EXPECT_EQ(v.wahlen[3].faktor, *v.faktor);
  EXPECT_EQ(v.wahlen[v.beste].nettoGemeinsam, beste);
  // Before 2010 there is no factor method.
  const Steuerklassenvergleich alt =
      VergleicheSteuerklassen(eingaben("2008", 1, "5000"), eingaben("2008", 1, "2000"));
  EXPECT_FALSE(alt.wahlen[3].moeglich);
  EXPECT_FALSE(alt.faktor);
  // No joint income tax: a factor of 0 is no choice (the payroll case would take it as none).
  const Steuerklassenvergleich null =
      VergleicheSteuerklassen(eingaben("2026", 1, "1800"), eingaben("2026", 1, "0"));
  ASSERT_EQ(null.splittingsteuer, Money());
  ASSERT_GT(null.summeLStIV, Money());
  EXPECT_FALSE(null.faktor);
  EXPECT_FALSE(null.wahlen[3].moeglich);
  EXPECT_NE(null.wahlen[null.beste].name, "IV/IV mit Faktor");
  for (const std::string& z : SteuerklassenTabelle(null, "t")) {
    EXPECT_EQ(z.find("Faktor 0,000"), std::string::npos) << z;
    EXPECT_EQ(z.find("höchstes"), z.rfind("IV/IV mit Faktor", 0) == 0 ? std::string::npos : z.find("höchstes"));
  }
}

}  // namespace
}  // namespace salvaro

namespace salvaro {
namespace {

// An employee born in March 1960 working through 2026: the retirement age of 66 years and 4
// months is reached in July; from August 2,000 euros a month are free of wage tax, the month is
// marked with both changes, the year has a column of the Aktivrente, and the curve of August
// marks where it is used up.
TEST(Jahr, RegelaltersgrenzeUndAktivrente) {
  Eingaben e = eingaben("2026", 1, "3000");
  e.GebJahr = "1960";
  e.GebMonat = "3";
  e.BGR = "3321";
  const Jahresuebersicht j = BerechneJahr(e);
  for (int m = 1; m <= 12; ++m)
    EXPECT_EQ(j.monate[m - 1].werte.aktivrente, m >= 8 ? 2000_m : 0_m) << m;
  EXPECT_EQ(j.summe.aktivrente, 10000_m);
  EXPECT_LT(j.monate[7].werte.LSt, j.monate[6].werte.LSt);
  const std::vector<std::string>& august = j.monate[7].aenderungen;
  ASSERT_EQ(august.size(), 2u);
  EXPECT_EQ(august[0], "Regelaltersgrenze nicht überschritten → überschritten (erreicht Juli 2026)");
  EXPECT_EQ(august[1], "Aktivrente keine → 2.000,00 steuerfrei");
  EXPECT_TRUE(j.monate[8].aenderungen.empty());
  EXPECT_TRUE(MitAktivrente(j));
  EXPECT_NE(JahrCsv(j).find(";Aktivrente;Änderungen\r\n"), std::string::npos);
  EXPECT_NE(JahrTabelle(j, "").at(2).find("Aktivrente"), std::string::npos);
  // Without it the table keeps its columns.
  EXPECT_FALSE(MitAktivrente(BerechneJahr(eingaben("2026", 1, "3000"))));

  Eingaben august2026 = e;
  august2026.MonatNr = 8;
  august2026.Monat = "August";
  const Verlauf v = BerechneVerlauf(august2026, 3000_m, 100_m);
  bool marke = false;
  for (const Verlaufsmarke& m : v.marken)
    marke |= m.text == "Aktivrente ausgeschöpft" && m.brutto == 2000_m;
  EXPECT_TRUE(marke);
}

}  // namespace
}  // namespace salvaro
