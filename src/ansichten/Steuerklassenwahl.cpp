#include "ansichten/Steuerklassenwahl.h"

#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "ansichten/Monatsfall.h"
#include "engine/Gehalt.h"
#include "money/OruMath.h"
#include "tax/EngineWahl.h"

namespace salvaro {

const char* const kVeranlagungsHinweis =
    "Die Steuerklassen verteilen nur den monatlichen Lohnsteuerabzug auf die Ehegatten. Die "
    "Einkommensteuer des Jahres setzt die Veranlagung nach Ablauf des Jahres fest (bei III/V und "
    "beim Faktorverfahren ist sie Pflicht): zu wenig gezahlte Lohnsteuer wird nachgezahlt, zu "
    "viel gezahlte erstattet. Ein höheres Monatsnetto kann aber Lohnersatzleistungen wie "
    "Arbeitslosen- oder Elterngeld erhöhen.";

std::optional<Money> FaktorVerfahren(Money Y, Money X) {
  if (X <= Money()) return std::nullopt;
  const Money f = Money::runde(Abschneiden(4, Ext(Y) / Ext(X)));
  if (f >= Money::euro(1)) return std::nullopt;
  return f;
}

namespace {

struct Monat {
  Money LSt, netto, zvE;
};

Monat rechne(TLohnGehalt& fall, Eingaben e, int stkl, Money faktor) {
  e.StKl = std::to_string(stkl);
  e.Faktor = faktor > Money() ? SchlichterText(faktor) : "0";
  // The classes are compared on the regular monthly pay.
  e.Einmalzahlung = e.Abfindung = e.MehrjaehrigeVerguetung = "0,00";
  const Eingaben m = EingabenFuerMonat(e, e.MonatNr);
  const Bezugsergebnis b = FuelleFall(fall, m);
  return {fall.LSt, NettoFormel(fall, LiesFeld(m.Brutto) + b.StBruttoZusatz), fall.ZVE};
}

}  // namespace

Steuerklassenvergleich VergleicheSteuerklassen(const Eingaben& e1, const Eingaben& e2) {
  Steuerklassenvergleich v;
  TLohnGehalt fall;

  // The factor from the incomes of class IV without child allowances: the allowances do not
  // lower the wage tax, and with them the engines leave the surcharge's base in ZVE.
  Eingaben ohneKinder1 = e1, ohneKinder2 = e2;
  ohneKinder1.KiFB = ohneKinder2.KiFB = "0";
  v.zvE1 = rechne(fall, ohneKinder1, 4, Money()).zvE;
  v.zvE2 = rechne(fall, ohneKinder2, 4, Money()).zvE;
  const int jahr = LiesGanzzahl(e1.Jahr);
  const auto engine = EngineFuer(jahr, e1.MonatNr);
  const bool mitFaktor = engine && engine->NimmtEingabe("AF");
  if (engine) {
    v.splittingsteuer = engine->Tarifsteuer(v.zvE1 + v.zvE2, 2);
    v.summeLStIV = engine->Tarifsteuer(v.zvE1, 1) + engine->Tarifsteuer(v.zvE2, 1);
    if (mitFaktor) v.faktor = FaktorVerfahren(v.splittingsteuer, v.summeLStIV);
  }
  // A factor of 0 would be taken by the payroll case as none: no choice to show.
  const bool faktorNull = v.faktor && *v.faktor == Money();
  if (faktorNull) v.faktor.reset();
  if (!mitFaktor)
    v.hinweis = "Das Faktorverfahren gibt es erst ab 2010.";
  else if (faktorNull)
    v.hinweis =
        "Nach dem Splittingtarif fällt keine Einkommensteuer an; einen Faktor von 0,000 rechnet "
        "das Programm nicht: IV/IV mit Faktor entfällt.";
  else if (v.summeLStIV <= Money())
    v.hinweis =
        "Ohne Lohnsteuer in Steuerklasse IV gibt es keinen Faktor: IV/IV mit Faktor ist wie IV/IV.";
  else if (!v.faktor)
    v.hinweis = "Der Faktor wäre nicht kleiner als 1: IV/IV mit Faktor ist wie IV/IV.";

  const auto wahl = [&](const char* name, int k1, int k2, Money f, bool moeglich) {
    Klassenwahl w;
    w.name = name;
    w.stkl1 = k1;
    w.stkl2 = k2;
    w.faktor = f;
    w.moeglich = moeglich;
    const Monat a = rechne(fall, e1, k1, f), b = rechne(fall, e2, k2, f);
    w.LSt1 = a.LSt;
    w.LSt2 = b.LSt;
    w.netto1 = a.netto;
    w.netto2 = b.netto;
    w.nettoGemeinsam = a.netto + b.netto;
    v.wahlen.push_back(w);
  };
  wahl("III/V", 3, 5, Money(), true);
  wahl("V/III", 5, 3, Money(), true);
  wahl("IV/IV", 4, 4, Money(), true);
  wahl("IV/IV mit Faktor", 4, 4, v.faktor.value_or(Money()), mitFaktor && !faktorNull);

  for (std::size_t i = 1; i < v.wahlen.size(); ++i)
    if (v.wahlen[i].moeglich && v.wahlen[i].nettoGemeinsam > v.wahlen[v.beste].nettoGemeinsam)
      v.beste = static_cast<int>(i);
  return v;
}

}  // namespace salvaro
