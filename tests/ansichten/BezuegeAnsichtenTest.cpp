// The year and the curve with pay components, against single calculations of the workflow.
#include <gtest/gtest.h>

#include "Hilfe.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "ansichten/Jahresuebersicht.h"
#include "ansichten/Verlauf.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

Eingaben eingaben(int monat, const char* brutto) {
  Eingaben e;
  e.Jahr = "2024";
  e.MonatNr = monat;
  e.Monat = std::string(kMonatsnamen[monat - 1]);
  e.Brutto = brutto;
  if (auto kv = KVSatzNachGruppe(2024, monat, 1)) e.KV = *kv + "%";
  e.KVZus = KVZusVorgabe(2024);
  Bezug wagen;
  wagen.art = Bezugsart::Dienstwagen;
  wagen.betrag = 42000_m;
  wagen.km = 12;
  wagen.anschaffung = {2024, 4};
  Bezug bav;
  bav.art = Bezugsart::Entgeltumwandlung;
  bav.betrag = 150_m;
  Bezug praemie;
  praemie.art = Bezugsart::Inflationspraemie;
  praemie.betrag = 1000_m;
  e.Bezuege = {wagen, bav, praemie};
  return e;
}

Ergebnis einzeln(Eingaben e) {
  TLohnGehalt fall;
  e.BruttoMarke = 1;
  Ergebnis r = Berechne(e, fall, Datum{2026, 1, 1});
  EXPECT_TRUE(r.gerechnet);
  return r;
}

// Each month is the single calculation of that month's components: the car from its month of
// acquisition, the bonus only in the inputs' own month.
TEST(BezuegeAnsichten, JahrMitBezuegen) {
  const Jahresuebersicht j = BerechneJahr(eingaben(6, "5000"));
  EXPECT_TRUE(j.mitBezuegen);
  for (int m : {1, 4, 6, 12}) {
    SCOPED_TRACE(m);
    Eingaben e = eingaben(m, "5000");
    if (m < 4) e.Bezuege.erase(e.Bezuege.begin());
    if (m != 6) e.Bezuege.pop_back();
    const Ergebnis r = einzeln(e);
    const Monatswerte& w = j.monate[m - 1].werte;
    EXPECT_EQ(w.netto, r.einmal.NettoGesamt);
    EXPECT_EQ(w.auszahlung, r.auszahlung);
    EXPECT_EQ(w.arbeitgeberkosten, r.einmal.Gesamtkosten);
    EXPECT_EQ(w.LSt, r.abzug.LSt);
  }
  EXPECT_EQ(j.monate[5].werte.auszahlung - j.monate[6].werte.auszahlung, 1000_m);
}

// The curve's nets and deductions are those of single calculations with the components on top
// of each gross: the deductions are the statutory ones, never negative, though a benefit in kind
// lifts the net above the gross.
TEST(BezuegeAnsichten, VerlaufMitBezuegen) {
  const Verlauf v = BerechneVerlauf(eingaben(6, "0"), 6000_m, 1500_m);
  ASSERT_EQ(v.punkte.size(), 5u);
  for (const Verlaufspunkt& p : v.punkte) {
    SCOPED_TRACE(SchlichterText(p.brutto));
    const Ergebnis r = einzeln(eingaben(6, SchlichterText(p.brutto).c_str()));
    EXPECT_EQ(p.netto, r.netto);
    EXPECT_EQ(p.abzuege, r.abzug.GesAbz);
    EXPECT_GE(p.abzuege, Money());
  }
}

}  // namespace
}  // namespace salvaro
