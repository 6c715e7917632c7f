// The pay components in the calculation of the window: the grosses of the case, the payout, the
// pension subsidy measured on the case, net to gross, the employer's cost and the statement.
#include "abrechnung/Bezugsfall.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Hilfe.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

Eingaben eingaben(const char* jahr, int monat, const char* brutto, std::vector<Bezug> b) {
  Eingaben e;
  e.Jahr = jahr;
  e.MonatNr = monat;
  e.Monat = std::string(kMonatsnamen[monat - 1]);
  e.KV = "14,60%";
  e.KVZus = "+ 1,60%";
  e.Brutto = brutto;
  e.BruttoMarke = 1;
  e.Bezuege = std::move(b);
  return e;
}

Bezug bezug(Bezugsart art, Money betrag) {
  Bezug b;
  b.art = art;
  b.betrag = betrag;
  return b;
}

struct Gerechnet {
  Ergebnis r;
  TLohnGehalt fall;
};
Gerechnet rechne(Eingaben e) {
  Gerechnet g;
  g.r = Berechne(e, g.fall, Datum{2026, 1, 1});
  return g;
}

bool enthaelt(const std::vector<std::string>& zeilen, std::string_view text) {
  return std::any_of(zeilen.begin(), zeilen.end(),
                     [&](const std::string& z) { return z.find(text) != std::string::npos; });
}

// The cases the pay slip must show, and what the payroll case is fed.
TEST(Bezugsfall, GrossesUndAuszahlung) {
  Bezug wagen = bezug(Bezugsart::Dienstwagen, 38750.01_m);
  wagen.km = 20;
  struct Fall {
    const char* jahr;
    int monat;
    const char* brutto;
    Bezug b;
    Money stBrutto, svBrutto;
    Money bar;  // what it changes in the money paid: benefits in kind nothing
  };
  const Fall faelle[] = {
      {"2019", 3, "6000", wagen, 6619.20_m, 6619.20_m, 0_m},
      {"2022", 3, "3000", bezug(Bezugsart::Sachbezug, 50_m), 3000_m, 3000_m, 0_m},
      {"2022", 3, "3000", bezug(Bezugsart::Sachbezug, 50.01_m), 3050.01_m, 3050.01_m, 0_m},
      {"2021", 3, "3000", bezug(Bezugsart::Sachbezug, 44.01_m), 3044.01_m, 3044.01_m, 0_m},
      {"2026", 3, "4000", bezug(Bezugsart::Entgeltumwandlung, 200_m), 3800_m, 3800_m, -200_m},
      {"2026", 3, "3000", bezug(Bezugsart::Nettoabzug, 75_m), 3000_m, 3000_m, -75_m},
  };
  for (const Fall& f : faelle) {
    const Gerechnet g = rechne(eingaben(f.jahr, f.monat, f.brutto, {f.b}));
    ASSERT_TRUE(g.r.gerechnet) << f.jahr;
    EXPECT_EQ(g.fall.StBrutto, f.stBrutto) << f.jahr << " " << Bezugsname(f.b.art);
    EXPECT_EQ(g.fall.BemRV, f.svBrutto) << f.jahr << " " << Bezugsname(f.b.art);
    // The net contains what the case taxed; the payout takes out what is not paid out. The
    // taxes follow the grosses: the same as a case with those grosses and no components.
    Eingaben ohne = eingaben(f.jahr, f.monat, f.brutto, {});
    ohne.BruttoUebernahme = false;
    ohne.StBrutto = SchlichterText(f.stBrutto);
    ohne.SVBrutto = SchlichterText(f.svBrutto);
    const Gerechnet o = rechne(ohne);
    EXPECT_EQ(g.r.abzug.GesAbz, o.r.abzug.GesAbz) << f.jahr << " " << Bezugsname(f.b.art);
    EXPECT_EQ(g.r.auszahlung, LiesFeld(f.brutto) + f.bar - o.r.abzug.GesAbz)
        << f.jahr << " " << Bezugsname(f.b.art);
  }
}

// The employer's subsidy of 15 % while he saves as much in contributions; above both ceilings he
// saves nothing and pays none. The net cost of the conversion is the payout it takes.
TEST(Bezugsfall, ZuschussNachErsparnisUndNettoaufwand) {
  const Gerechnet unter = rechne(eingaben("2026", 3, "4000", {bezug(Bezugsart::Entgeltumwandlung, 200_m)}));
  EXPECT_EQ(unter.r.bezuege.ArbeitgeberzuschussBAV, 30_m);
  EXPECT_EQ(unter.r.bezuege.BeitragBAV, 230_m);
  const Gerechnet ohne = rechne(eingaben("2026", 3, "4000", {}));
  EXPECT_EQ(unter.r.nettoaufwandBAV, ohne.r.netto - unter.r.auszahlung);
  EXPECT_GT(unter.r.nettoaufwandBAV, 0_m);
  EXPECT_LT(unter.r.nettoaufwandBAV, 200_m);
  EXPECT_TRUE(enthaelt(unter.r.abrechnung, "Nettoaufwand"));
  EXPECT_TRUE(enthaelt(unter.r.abrechnung, "Arbeitgeberzuschuss"));

  const Gerechnet ueber = rechne(eingaben("2026", 3, "9500", {bezug(Bezugsart::Entgeltumwandlung, 200_m)}));
  EXPECT_EQ(ueber.r.bezuege.ArbeitgeberzuschussBAV, 0_m);
}

// Net to gross keeps the components: the net of a gross found again gives that gross.
TEST(Bezugsfall, NettoZuBruttoMitBezuegen) {
  Bezug wagen = bezug(Bezugsart::Dienstwagen, 45000_m);
  wagen.km = 15;
  Bezug zuschlag = bezug(Bezugsart::Zuschlaege, 22_m);
  zuschlag.stundenNacht = 20_m;
  for (const std::vector<Bezug>& b :
       {std::vector<Bezug>{wagen}, std::vector<Bezug>{zuschlag},
        std::vector<Bezug>{bezug(Bezugsart::Entgeltumwandlung, 150_m)}}) {
    const Gerechnet hin = rechne(eingaben("2025", 6, "4321,09", b));
    Eingaben zurueck = eingaben("2025", 6, "0", b);
    zurueck.BruttoMarke = 0;
    zurueck.NettoMarke = 1;
    zurueck.Netto = SchlichterText(hin.r.netto);
    const Gerechnet g = rechne(zurueck);
    ASSERT_TRUE(g.r.gerechnet);
    EXPECT_FALSE(g.r.ungeloest);
    EXPECT_EQ(g.r.netto, hin.r.netto);
    EXPECT_EQ(g.r.brutto, 4321.09_m) << Bezugsname(b[0].art);
    EXPECT_EQ(g.r.auszahlung, hin.r.auszahlung);
  }
}

// The employer's total cost takes the components and their flat taxes; the statement lists each
// component with its treatment and the way to the payout.
TEST(Bezugsfall, ArbeitgeberkostenUndAbrechnung) {
  Eingaben e = eingaben("2026", 3, "3000", {bezug(Bezugsart::Internetpauschale, 50_m),
                                           bezug(Bezugsart::Sachbezug, 50_m)});
  e.Arbeitgeberseite = true;
  const Gerechnet g = rechne(e);
  Eingaben o = eingaben("2026", 3, "3000", {});
  o.Arbeitgeberseite = true;
  const Gerechnet ohne = rechne(o);
  // Internet 50 € with 12.50 + 0.68 + 0.87 € flat tax (NRW), the voucher 50 €.
  EXPECT_EQ(g.r.einmal.Gesamtkosten, ohne.r.einmal.Gesamtkosten + 100_m + 14.05_m);
  EXPECT_EQ(g.r.auszahlung, ohne.r.netto + 50_m);
  for (const char* text : {"BEZÜGE UND ABZÜGE:", "Internetpauschale", "pauschal versteuert 25 %",
                           "Sachbezug/Gutschein", "Sachbezug, nicht ausgezahlt",
                           "Auszahlungsbetrag", "Pauschalsteuer Bezüge"})
    EXPECT_TRUE(enthaelt(g.r.abrechnung, text)) << text;
  EXPECT_FALSE(enthaelt(ohne.r.abrechnung, "Auszahlungsbetrag"));
}

// A component the month cannot take refuses the calculation with its message.
TEST(Bezugsfall, AbgelehnterBezug) {
  const Gerechnet g = rechne(eingaben("2021", 3, "3000", {bezug(Bezugsart::Inflationspraemie, 500_m)}));
  EXPECT_FALSE(g.r.gerechnet);
  ASSERT_EQ(g.r.meldungen.size(), 1u);
  EXPECT_NE(g.r.meldungen[0].text.find("Oktober 2022 bis Dezember 2024"), std::string::npos);
  const Gerechnet mehr = rechne(eingaben("2026", 3, "100", {bezug(Bezugsart::Entgeltumwandlung, 200_m)}));
  EXPECT_FALSE(mehr.r.gerechnet);
}

}  // namespace
}  // namespace salvaro
