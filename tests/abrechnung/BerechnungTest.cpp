// The calculation as the window runs it: checks, filling the payroll case, the net, the search
// for the gross, the values shown, the statement and the messages after it.
#include "abrechnung/Berechnung.h"

#include <gtest/gtest.h>

#include <random>

#include "Hilfe.h"
#include "abrechnung/Hochrechnung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

const Datum kHeute{2026, 12, 7};

Eingaben eingaben(const char* jahr = "2023", int monat = 1) {
  Eingaben e;
  e.Jahr = jahr;
  e.MonatNr = monat;
  e.Monat = std::string(kMonatsnamen[monat - 1]);
  e.KV = "14,60%";
  return e;
}

Ergebnis brutto(Eingaben& e, const char* betrag) {
  TLohnGehalt fall;
  e.Brutto = betrag;
  const Start s = StarteMitEnter(e, Feld::Brutto);
  EXPECT_TRUE(s.rechnen);
  return Berechne(e, fall, kHeute);
}

TEST(Berechnung, GrossToNet2023) {
  Eingaben e = eingaben();
  e.PVNichtErhoeht = true;
  const Ergebnis r = brutto(e, "3000");
  ASSERT_TRUE(r.gerechnet);
  EXPECT_EQ(r.KV, "-243,00");
  EXPECT_EQ(r.RV, "-279,00");
  EXPECT_EQ(r.AV, "-39,00");
  EXPECT_EQ(r.PV, "-45,75");
  EXPECT_EQ(r.LSt, "-344,00");
  EXPECT_EQ(r.KiSt, "-30,96");
  EXPECT_EQ(r.SolZ, "0,00");
  // The net shown is the gross less every deduction shown.
  EXPECT_EQ(e.Netto, "2018,29");
  EXPECT_EQ(LiesFeld(e.Brutto) - LiesFeld(r.GesAbz), LiesFeld(e.Netto));
  EXPECT_EQ(e.Brutto, "3000,00");
  EXPECT_EQ(e.StBrutto, "3000,00");
  EXPECT_EQ(e.SVBrutto, "3000,00");
  EXPECT_EQ(e.BruttoMarke, 0);
  EXPECT_TRUE(r.meldungen.empty());
}

TEST(Berechnung, NetToGrossFindsTheExactNet) {
  Eingaben e = eingaben();
  TLohnGehalt fall;
  e.Netto = "2000";
  ASSERT_TRUE(StarteMitEnter(e, Feld::Netto).rechnen);
  EXPECT_TRUE(e.BruttoUebernahme);
  EXPECT_EQ(e.Brutto, "2000");
  const Ergebnis r = Berechne(e, fall, kHeute);
  ASSERT_TRUE(r.gerechnet);
  EXPECT_EQ(e.Netto, "2000,00");
  EXPECT_EQ(r.netto, 2000_m);
  EXPECT_EQ(e.Brutto, ZweiNachkommastellen(SchlichterText(r.brutto)));
  EXPECT_EQ(e.StBrutto, e.Brutto);
  EXPECT_LT(r.schritte, 40);
  // The gross found gives that net in a gross-to-net calculation.
  Eingaben g = eingaben();
  const Ergebnis v = brutto(g, e.Brutto.c_str());
  EXPECT_EQ(g.Netto, "2000,00");
}

TEST(Berechnung, RefusalsAndTheirMessages) {
  TLohnGehalt fall;
  Eingaben e = eingaben();
  e.Brutto = "";
  EXPECT_FALSE(StarteMitEnter(e, Feld::Brutto).rechnen);
  EXPECT_FALSE(StarteMitEnter(e, Feld::Brutto).meldung);

  e = eingaben();
  e.Brutto = "3000";
  e.BruttoUebernahme = false;
  e.StBrutto = "";
  e.SVBrutto = "";
  EXPECT_EQ(StarteMitEnter(e, Feld::Brutto).meldung->text, "SV-Brutto fehlt");
  e.SVBrutto = "3000";
  EXPECT_EQ(StarteMitEnter(e, Feld::Brutto).meldung->text, "Steuerbrutto fehlt");

  e = eingaben();
  e.Brutto = "3000";
  e.BGR = "111";
  const Start s = StarteMitEnter(e, Feld::Brutto);
  EXPECT_EQ(s.meldung->text, "Beitragsgruppe muß immer vierstellig sein!");
  EXPECT_EQ(s.meldung->fokus, Meldung::Fokus::Beitragsgruppe);
  // The recalculation button skips the checks of Enter but the calculation still refuses.
  StarteMitKnopf(e, Feld::Brutto);
  Ergebnis r = Berechne(e, fall, kHeute);
  EXPECT_FALSE(r.gerechnet);
  EXPECT_EQ(r.meldungen.at(0).text, "Beitragsgruppe muß immer vierstellig sein!");

  e = eingaben();
  e.GebJahr = "198";
  StarteMitKnopf(e, Feld::Brutto);
  r = Berechne(e, fall, kHeute);
  EXPECT_FALSE(r.gerechnet);
  EXPECT_EQ(r.meldungen.at(0).art, Meldung::Art::Fehler);
  EXPECT_EQ(r.meldungen.at(0).text, "Bitte ein Geburtsjahr eingeben");

  e = eingaben("2030");
  StarteMitKnopf(e, Feld::Brutto);
  r = Berechne(e, fall, kHeute);
  EXPECT_FALSE(r.gerechnet);
  EXPECT_EQ(r.meldungen.at(0).text, "Berechnung nur für die Jahre 2004 bis " +
                                        std::to_string(LetztesRechenjahr()) + " möglich");

  e = eingaben("20x3");
  StarteMitKnopf(e, Feld::Brutto);
  EXPECT_THROW(Berechne(e, fall, kHeute), KonvertierungsFehler);
}

TEST(Berechnung, TaxClassAboveSixIsSix) {
  Eingaben e = eingaben();
  e.StKl = "9";
  const Ergebnis r9 = brutto(e, "3000");
  Eingaben f = eingaben();
  f.StKl = "6";
  const Ergebnis r6 = brutto(f, "3000");
  EXPECT_EQ(r9.LSt, r6.LSt);
}

TEST(Berechnung, ChildlessSurchargeByAgeInTheCalculationYear) {
  struct Fall {
    const char* jahr;
    const char* gebJahr;
    int erhoeht;
  };
  // Born 1990: 20 in 2010, no surcharge whatever today's date; 33 in 2023, surcharge.
  for (const Fall& f : {Fall{"2010", "1990", 0}, {"2023", "1990", 1}, {"2023", "2000", 1},
                        {"2023", "2001", 0}, {"2023", "1939", 0}, {"2023", "1940", 1}}) {
    Eingaben e = eingaben(f.jahr);
    e.GebJahr = f.gebJahr;
    TLohnGehalt fall;
    e.Brutto = "3000";
    StarteMitEnter(e, Feld::Brutto);
    Berechne(e, fall, kHeute);
    EXPECT_EQ(fall.PVErhoeht, f.erhoeht) << f.jahr << " " << f.gebJahr;
  }
}

TEST(Berechnung, ChildrenUnder25FromJuly2023) {
  // Two children under 25: no childless surcharge and the reduction for the second child.
  Eingaben e = eingaben("2023", 7);
  e.KinderUnter25 = "2";
  const Ergebnis r = brutto(e, "3000");
  EXPECT_EQ(r.PV, "-43,50");
  bool zeile = false;
  for (const std::string& z : r.abrechnung)
    if (z.size() == 51 + 44 && z.substr(51) == "Kinder unter 25" + std::string(28, ' ') + "2")
      zeile = true;
  EXPECT_TRUE(zeile);
  EXPECT_EQ(r.saetze.PVKinder, "+ 0,60");
  // Without the field the statement has no such line and June keeps the old rates.
  Eingaben juni = eingaben("2023", 6);
  const Ergebnis j = brutto(juni, "3000");
  for (const std::string& z : j.abrechnung) EXPECT_EQ(z.find("Kinder unter 25"), std::string::npos);
  EXPECT_EQ(j.saetze.PVKinder, "+ 0,35");
}

TEST(Berechnung, NetFormulaForVoluntaryAndPrivateCare) {
  // A voluntary member (health digit 9) pays the premium less the employer's subsidy; with
  // private care insurance the care share is not deducted: the label shows 0,00, or the voluntary
  // member's care subsidy paid out.
  for (const char* bgr : {"9111", "1111"}) {
    for (const bool ppv : {false, true}) {
      Eingaben e = eingaben();
      e.BGR = bgr;
      e.ChkPPV = ppv;
      TLohnGehalt fall;
      const Ergebnis r = [&] {
        e.Brutto = "6000";
        StarteMitEnter(e, Feld::Brutto);
        return Berechne(e, fall, kHeute);
      }();
      const bool freiwillig = std::string(bgr) == "9111";
      Money abzug = fall.LSt + fall.SolZ + fall.KiSt + fall.RVAN + fall.AVAN;
      abzug += freiwillig ? fall.KVAN - fall.KVAG : fall.KVAN;
      // The employer's care subsidy of a voluntary member stays in the net with private care.
      if (freiwillig) abzug -= fall.PVAG;
      if (!ppv) abzug += fall.PVAN;
      EXPECT_EQ(r.netto, 6000_m - abzug) << bgr << " " << ppv;
      EXPECT_EQ(NettoFormel(fall, 6000_m), r.netto);
      if (ppv) {
        EXPECT_EQ(r.PV, freiwillig ? FormatDE(fall.PVAG) : "0,00");
      }
    }
  }
}

// Every deduction line adds up to the total, in the labels and in the statement: a voluntary
// member's health and care lines are the contribution less the subsidy, and with private care
// the care subsidy paid out is a positive line.
TEST(Berechnung, DeductionLinesAddUpToTheTotal) {
  struct Fall {
    const char* bgr;
    bool pkv, ppv;
    const char* pv;  // the care line
  };
  for (const Fall& f : {Fall{"9110", false, true, "40,00"}, {"9111", false, true, "40,00"},
                        {"9111", true, true, "40,00"}, {"9112", false, false, nullptr},
                        {"1111", false, true, "0,00"}, {"1111", true, false, nullptr}}) {
    Eingaben e = eingaben("2026", 5);
    e.KVZus = "+ 2,90%";
    e.BGR = f.bgr;
    e.PPV = "80";
    e.ChkPKV = f.pkv;
    e.ChkPPV = f.ppv;
    const Ergebnis r = brutto(e, "4000");
    ASSERT_TRUE(r.gerechnet) << f.bgr;
    const auto& a = r.abzug;
    EXPECT_EQ(a.LSt + a.KiSt + a.SolZ + a.KV + a.RV + a.AV + a.PV, a.GesAbz) << f.bgr;
    EXPECT_EQ(r.brutto - a.GesAbz, r.netto) << f.bgr;
    if (f.pv) {
      EXPECT_EQ(r.PV, f.pv) << f.bgr << " " << f.pkv << f.ppv;
    }
    // The statement shows the same lines.
    for (const auto& [zeile, betrag] :
         {std::pair{"Krankenversicherung", r.KV}, {"Pflegeversicherung", r.PV}}) {
      bool gefunden = false;
      for (const std::string& z : r.abrechnung)
        if (z.rfind(zeile, 0) == 0 && z.find(" EB ") == std::string::npos) {
          gefunden = true;
          EXPECT_NE(z.find(" " + betrag + " "), std::string::npos) << z;
        }
      EXPECT_TRUE(gefunden) << zeile;
    }
  }
}

TEST(Berechnung, MarginalEmploymentLimitMessage) {
  struct Fall {
    const char* jahr;
    int monat;
    const char* brutto;
    const char* meldung;  // nullptr: none
  };
  for (const Fall& f :
       {Fall{"2022", 9, "500", "Die Geringfügigkeitsgrenze beträgt 450 Euro"},
        {"2022", 9, "450", nullptr}, {"2022", 10, "500", nullptr},
        {"2022", 10, "530", "Die Geringfügigkeitsgrenze beträgt 520 Euro"},
        {"2010", 5, "401", "Die Geringfügigkeitsgrenze beträgt 400 Euro"},
        {"2007", 5, "900", nullptr}}) {
    Eingaben e = eingaben(f.jahr, f.monat);
    e.BGR = "6500";
    const Ergebnis r = brutto(e, f.brutto);
    if (f.meldung) {
      ASSERT_EQ(r.meldungen.size(), 1u) << f.jahr << "/" << f.monat << " " << f.brutto;
      EXPECT_EQ(r.meldungen[0].text, f.meldung);
      EXPECT_EQ(r.meldungen[0].art, Meldung::Art::Information);
    } else {
      EXPECT_TRUE(r.meldungen.empty()) << f.jahr << "/" << f.monat << " " << f.brutto;
    }
  }
}

// The statement's transition-zone line follows the zone of the period: from the marginal limit
// + 0.01 up to and including the upper limit (800, 850, 1,300, 1,600, 2,000 over the years), never
// for marginal employment; its value tells whether the zone's rule is switched on.
TEST(Berechnung, TransitionZoneLineByTheZoneOfThePeriod) {
  struct Fall {
    const char* jahr;
    int monat;
    const char* brutto;
    const char* bgr;
    bool ohneUebergangsbereich;
    const char* zeile;  // the line's value; nullptr: no line
  };
  const Fall faelle[] = {
      {"2004", 1, "400", "1111", false, nullptr},
      {"2004", 1, "400,01", "1111", false, "ja"},
      {"2012", 12, "800", "1111", false, "ja"},
      {"2012", 12, "800,01", "1111", false, nullptr},
      {"2013", 1, "850", "1111", false, "ja"},
      {"2013", 1, "450", "1111", false, nullptr},
      {"2019", 6, "1000", "1111", false, nullptr},
      {"2019", 7, "1300", "1111", false, "ja"},
      {"2022", 9, "500", "1111", false, "ja"},
      {"2022", 10, "500", "1111", false, nullptr},
      {"2022", 10, "1600", "1111", false, "ja"},
      {"2022", 10, "1600,01", "1111", false, nullptr},
      {"2024", 5, "1500", "1111", false, "ja"},
      {"2024", 5, "2500", "1111", false, nullptr},
      {"2024", 5, "1500", "1111", true, "nein"},
      {"2024", 5, "2000", "1111", false, "ja"},
      {"2024", 5, "2000,01", "1111", false, nullptr},
      {"2026", 1, "603", "1111", false, nullptr},
      {"2026", 1, "603,01", "1111", false, "ja"},
      {"2024", 5, "500", "6500", false, nullptr},
      {"2024", 5, "500", "6100", false, nullptr},
  };
  for (const Fall& f : faelle) {
    Eingaben e = eingaben(f.jahr, f.monat);
    e.BGR = f.bgr;
    e.OhneUebergangsbereich = f.ohneUebergangsbereich;
    const Ergebnis r = brutto(e, f.brutto);
    const char* wert = nullptr;
    for (const std::string& z : r.abrechnung) {
      if (z.find("Übergangsbereich") == std::string::npos) continue;
      wert = z.ends_with(" ja") ? "ja" : z.ends_with(" nein") ? "nein" : "?";
    }
    EXPECT_STREQ(wert, f.zeile) << f.jahr << "/" << f.monat << " " << f.brutto << " " << f.bgr;
  }
}

TEST(Berechnung, ManyDesiredNetsAreFoundExactly) {
  std::mt19937 zufall(20261207);
  std::uniform_int_distribution<std::int64_t> cents(50000, 1000000);
  long summe = 0, abbrueche = 0, faelle = 0;
  for (const char* jahr : {"2010", "2018", "2023"}) {
    TLohnGehalt fall;
    for (int i = 0; i < 1000; ++i) {
      Eingaben e = eingaben(jahr);
      e.Netto = SchlichterText(Money::cent(cents(zufall)));
      StarteMitEnter(e, Feld::Netto);
      const Ergebnis r = Berechne(e, fall, kHeute);
      summe += r.schritte;
      ++faelle;
      if (r.schritte == 200) ++abbrueche;
      else
        EXPECT_EQ(r.netto, LiesFeld(e.Netto)) << jahr;
    }
  }
  std::cout << "net-to-gross: " << faelle << " runs, mean " << static_cast<double>(summe) / faelle
            << " calculations, " << abbrueche << " stopped after 200\n";
  EXPECT_LE(abbrueche, faelle * 5 / 1000);
}

// The search sets only the two gross amounts before each calculation. It takes the same steps to
// the same gross as a search that fills a new payroll case from every input for each trial, and
// leaving out the statement changes nothing of it.
TEST(Berechnung, NetToGrossStepsAsWithTheCaseFilledAnewForEachTrial) {
  struct Fall {
    const char* jahr;
    const char* stkl;
    const char* bgr;
    const char* netto;
    int schritte;  // calculations of the search
    const char* brutto;
  };
  const Fall faelle[] = {
      {"2023", "1", "1111", "2000", 200, "2995,71"},
      {"2023", "3", "1111", "4321,09", 30, "6458,31"},
      {"2023", "6", "1111", "1500", 118, "2761,51"},
      {"2018", "5", "3111", "987,65", 45, "1720,31"},
      {"2012", "2", "9111", "3500", 38, "6456,84"},
      {"2022", "1", "6500", "480", 1, "480"},
      {"2009", "4", "1111", "12345,67", 45, "23987,97"},
      {"2016", "6", "0110", "750,01", 21, "986,73"},
  };
  for (const Fall& f : faelle) {
    Eingaben e = eingaben(f.jahr, 10);
    e.StKl = f.stkl;
    e.BGR = f.bgr;
    e.Netto = f.netto;
    StarteMitEnter(e, Feld::Netto);
    Eingaben ohne = e;
    TLohnGehalt fall, fall2;
    const Ergebnis r = Berechne(e, fall, kHeute);
    const Ergebnis k = Berechne(ohne, fall2, kHeute, false);

    Eingaben v = e;
    const auto neuGefuellt = [&v](Money g) {
      TLohnGehalt neu;
      v.StBrutto = v.SVBrutto = SchlichterText(g);
      FuelleFall(neu, v);
      return NettoFormel(neu, g);
    };
    const Money ziel = LiesFeld(f.netto);
    const Hochrechnung h = NettoZuBrutto(ziel, neuGefuellt(ziel), v.StKl == "6", neuGefuellt);
    EXPECT_EQ(r.schritte, h.schritte) << f.jahr << ' ' << f.netto;
    EXPECT_EQ(r.brutto, h.brutto) << f.jahr << ' ' << f.netto;
    EXPECT_EQ(r.netto, h.netto) << f.jahr << ' ' << f.netto;
    EXPECT_EQ(r.schritte, f.schritte) << f.jahr << ' ' << f.netto;
    EXPECT_EQ(r.brutto, LiesFeld(f.brutto)) << f.jahr << ' ' << f.netto;
    EXPECT_EQ(k.schritte, r.schritte);
    EXPECT_EQ(k.brutto, r.brutto);
    EXPECT_EQ(k.netto, r.netto);
    EXPECT_EQ(k.abzug.GesAbz, r.abzug.GesAbz);
    EXPECT_EQ(k.LSt, r.LSt);
    EXPECT_TRUE(k.abrechnung.empty());
  }
}

}  // namespace
}  // namespace salvaro
