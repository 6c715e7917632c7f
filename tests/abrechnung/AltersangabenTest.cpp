// The inputs of age and pension payments in the workflow: reading them, refusing what cannot be
// calculated, the net with a pension, the contribution group proposed after the retirement age,
// the one-time payment under the Aktivrente, and the statement's lines.
#include <gtest/gtest.h>

#include "EingabenFuer.h"
#include "Hilfe.h"
#include "abrechnung/Altersangaben.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

const Datum kHeute{2026, 12, 7};

Eingaben eingaben(const char* jahr, int monat, const char* brutto) {
  return EingabenFuer(jahr, monat, brutto);
}

Ergebnis rechne(Eingaben& e, TLohnGehalt& fall) {
  EXPECT_TRUE(StarteMitEnter(e, Feld::Brutto).rechnen);
  return Berechne(e, fall, kHeute);
}

// A line of the statement's right column (after the left one's 44 characters and 7 blanks).
bool hatZeile(const std::vector<std::string>& zeilen, const std::string& label,
              const std::string& wert) {
  const std::string zwischen(7, ' ');
  for (const std::string& z : zeilen) {
    const std::size_t p = z.find(zwischen + label);
    if (p != std::string::npos && z.size() >= wert.size() &&
        z.compare(z.size() - wert.size(), wert.size(), wert) == 0)
      return true;
  }
  return false;
}

TEST(Altersangaben, ReadingMonthOfBirthAndBeginning) {
  EXPECT_EQ(GebMonatAus(""), 0);
  EXPECT_EQ(GebMonatAus("3"), 3);
  EXPECT_EQ(GebMonatAus("03"), 3);
  EXPECT_EQ(GebMonatAus("märz"), 3);
  EXPECT_EQ(GebMonatAus("Dezember"), 12);
  EXPECT_EQ(GebMonatAus("13"), std::nullopt);
  EXPECT_EQ(GebMonatAus("0"), std::nullopt);
  EXPECT_EQ(GebMonatAus("x"), std::nullopt);
  struct Fall {
    const char* text;
    std::optional<Kalendermonat> beginn;
  };
  for (const Fall& f : {Fall{"2023", Kalendermonat{2023, 0}},
                        {"2023-03", Kalendermonat{2023, 3}},
                        {"03/2023", Kalendermonat{2023, 3}},
                        {"3.2023", Kalendermonat{2023, 3}},
                        {"2023-13", std::nullopt},
                        {"23", std::nullopt},
                        {"1899", std::nullopt},
                        {"2023-", std::nullopt},
                        {"", std::nullopt}}) {
    EXPECT_EQ(VersorgungsbeginnAus(f.text), f.beginn) << f.text;
  }
}

TEST(Altersangaben, InputsThatCannotBeCalculatedAreRefused) {
  struct Fall {
    const char* gebMonat;
    const char* bezug;
    const char* beginn;
    const char* meldung;  // nullptr: calculated
  };
  for (const Fall& f :
       {Fall{"13", "0,00", "",
             "Geburtsmonat bitte als Zahl von 1 bis 12 oder als Monatsname eingeben"},
        {"", "abc", "", "Versorgungsbezug bitte als Betrag eingeben, zum Beispiel 800,00"},
        {"", "800,00", "", "Bitte das Jahr des Versorgungsbeginns eingeben"},
        {"", "800,00", "2023-3x", "Versorgungsbeginn bitte als JJJJ oder JJJJ-MM eingeben"},
        {"", "800,00", "2026-07", "Der Versorgungsbeginn liegt nach dem Abrechnungsmonat"},
        {"", "800,00", "2027", "Der Versorgungsbeginn liegt nach dem Abrechnungsmonat"},
        {"", "800,00", "2026-06", nullptr},
        {"", "800,00", "2026", nullptr},
        {"5", "0,00", "garbage", nullptr}}) {
    Eingaben e = eingaben("2026", 6, "3000");
    e.GebMonat = f.gebMonat;
    e.Versorgungsbezug = f.bezug;
    e.Versorgungsbeginn = f.beginn;
    TLohnGehalt fall;
    const Ergebnis r = rechne(e, fall);
    if (f.meldung == nullptr) {
      EXPECT_TRUE(r.gerechnet) << f.bezug << " " << f.beginn;
    } else {
      EXPECT_FALSE(r.gerechnet) << f.meldung;
      ASSERT_EQ(r.meldungen.size(), 1u) << f.meldung;
      EXPECT_EQ(r.meldungen[0].text, f.meldung);
    }
  }
}

// A pension alone and a pension with pay: the net is what the payer pays out, pay and pension less
// every deduction; the window's health and care amounts include the pension's contributions.
TEST(Altersangaben, NetWithACompanyPension) {
  for (const char* brutto : {"0", "3000"}) {
    Eingaben e = eingaben("2023", 7, brutto);
    e.GebJahr = "1958";
    e.Versorgungsbezug = "800,00";
    e.Versorgungsbeginn = "2023";
    TLohnGehalt fall;
    const Ergebnis r = rechne(e, fall);
    ASSERT_TRUE(r.gerechnet) << brutto;
    EXPECT_EQ(fall.KVVersorgung, 102.10_m);
    EXPECT_EQ(r.netto, LiesFeld(brutto) + 800_m - LiesFeld(r.GesAbz)) << brutto;
    EXPECT_EQ(-LiesFeld(r.KV), fall.KVAN + fall.KVVersorgung) << brutto;
    EXPECT_EQ(-LiesFeld(r.PV), fall.PVAN + fall.PVVersorgung) << brutto;
    EXPECT_EQ(r.alter.versorgungsfreibetrag, 1020_m);
    EXPECT_EQ(r.alter.zuschlagVersorgungsfreibetrag, 306_m);
    EXPECT_TRUE(hatZeile(r.abrechnung, "Versorgungsfreibetrag Jahr", "1.020,00"));
    EXPECT_TRUE(hatZeile(r.abrechnung, "Versorgungsbeginn", "2023"));
  }
}

// The months of a year before the pension began have none.
TEST(Altersangaben, NoPensionBeforeItBegan) {
  for (const auto& [monat, bezug] : {std::pair{6, 0_m}, std::pair{7, 800_m}}) {
    Eingaben e = eingaben("2026", monat, "3000");
    e.Versorgungsbezug = "800";
    e.Versorgungsbeginn = "2026-07";
    TLohnGehalt fall;
    FuelleFall(fall, e);
    EXPECT_EQ(fall.Versorgungsbezug, bezug) << monat;
  }
}

TEST(Altersangaben, ProposalAndStatementAfterTheRetirementAge) {
  struct Fall {
    const char* jahr;
    int monat;
    const char* bgr;
    const char* vorschlag;  // nullptr: none
  };
  for (const Fall& f : {Fall{"2026", 3, "1111", "3321"},
                        {"2025", 3, "1111", nullptr},  // the month the age is reached
                        {"2025", 4, "1111", "3321"},
                        {"2026", 3, "3321", nullptr}}) {
    Eingaben e = eingaben(f.jahr, f.monat, "3000");
    e.GebJahr = "1959";
    e.GebMonat = "1";
    e.BGR = f.bgr;
    TLohnGehalt fall;
    const Ergebnis r = rechne(e, fall);
    ASSERT_TRUE(r.gerechnet);
    if (f.vorschlag == nullptr) {
      EXPECT_FALSE(r.vorschlag) << f.jahr << "/" << f.monat << " " << f.bgr;
    } else {
      ASSERT_TRUE(r.vorschlag) << f.jahr << "/" << f.monat << " " << f.bgr;
      EXPECT_EQ(r.vorschlag->bgr, f.vorschlag);
      EXPECT_EQ(r.vorschlag->text,
                "Regelaltersgrenze im März 2025 erreicht: Beitragsgruppe 3321 vorgeschlagen");
    }
    EXPECT_EQ(r.alter.regelaltersgrenze, "März 2025");
    // No message box for it: the window shows the proposal beside the results.
    EXPECT_TRUE(r.meldungen.empty());
  }
  Eingaben e = eingaben("2026", 3, "3000");
  e.GebJahr = "1959";
  e.GebMonat = "1";
  e.BGR = "3321";
  TLohnGehalt fall;
  const Ergebnis r = rechne(e, fall);
  EXPECT_TRUE(hatZeile(r.abrechnung, "Geburtsmonat", "Januar"));
  EXPECT_TRUE(hatZeile(r.abrechnung, "Regelaltersgrenze erreicht", "März 2025"));
  EXPECT_TRUE(hatZeile(r.abrechnung, "RV nach Altersgrenze", "nur AG-Anteil"));
  EXPECT_TRUE(hatZeile(r.abrechnung, "AV nach Altersgrenze", "nur AG-Anteil"));
  EXPECT_TRUE(hatZeile(r.abrechnung, "Vorsorgepauschale", "ohne Rentenanteil"));
  EXPECT_TRUE(hatZeile(r.abrechnung, "Aktivrente steuerfrei", "2.000,00"));
  EXPECT_EQ(r.alter.aktivrenteZustand, "2.000,00 € steuerfrei");
  // Switched off, the statement says so.
  e.Aktivrente = false;
  e.Brutto = "3000";
  const Ergebnis aus = rechne(e, fall);
  EXPECT_TRUE(hatZeile(aus.abrechnung, "Aktivrente", "ausgeschaltet"));
  EXPECT_GT(fall.LSt, 0_m);
}

// A one-time payment: free within what the month's regular pay leaves of the 2,000 euros and for
// its share of the months after the retirement age; the expected annual wage is the taxable one.
TEST(Altersangaben, OneTimePaymentUnderTheAktivrente) {
  struct Fall {
    const char* gebJahr;
    const char* gebMonat;
    const char* brutto;
    Money frei, jre4;
  };
  for (const Fall& f :
       {// Age reached in 2025: the pay of 1,500 leaves 500; the earlier ten months were free
        // like this one, so nothing of the regular pay is taxable.
        Fall{"1959", "1", "1500", 500_m, 0_m},
        Fall{"1959", "1", "3000", 0_m, 12000_m},
        // Age reached in July 2026: five months of twelve, 1,250 of the 3,000, at most the
        // 1,000 the pay leaves; of the earlier months August to October were free.
        {"1960", "3", "1000", 1000_m, 7000_m},
        {"1980", "", "1000", 0_m, 12000_m}}) {
    Eingaben e = eingaben("2026", 11, f.brutto);
    e.GebJahr = f.gebJahr;
    e.GebMonat = f.gebMonat;
    e.BGR = "3321";
    e.Einmalzahlung = "3000";
    TLohnGehalt fall;
    const Ergebnis r = rechne(e, fall);
    ASSERT_TRUE(r.gerechnet) << f.gebJahr;
    EXPECT_EQ(r.einmal.AktivrenteEinmal, f.frei) << f.gebJahr << " " << f.brutto;
    EXPECT_EQ(r.einmal.JRE4, f.jre4) << f.gebJahr << " " << f.brutto;
  }
}

}  // namespace
}  // namespace salvaro
