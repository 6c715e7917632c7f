#include "ansichten/Jahresuebersicht.h"

#include <optional>

#include "abrechnung/Altersangaben.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Beitragsjahre.h"
#include "engine/Gehalt.h"
#include "tax/EngineWahl.h"

namespace salvaro {

namespace {

// The rules of a month that the overview compares with the previous month, each as the text it
// shows.
struct Regel {
  const char* name;
  std::string (*wert)(const TLohnGehalt& f);
};

std::string betrag(Money m) {
  return FormatDE(m);
}

const Regel kRegeln[] = {
    {"Lohnsteuer", [](const TLohnGehalt& f) { return EngineName(f.Jahr, f.Monat); }},
    {"Krankenversicherung",
     [](const TLohnGehalt& f) {
       return FormatBild(f.KVSatz, 2, false) + "% + " + FormatBild(f.KVZusBeitrag, 2, false) + "%";
     }},
    {"Rentenversicherung", [](const TLohnGehalt& f) { return SatzanzeigeFuer(f).RV; }},
    {"Arbeitslosenversicherung", [](const TLohnGehalt& f) { return SatzanzeigeFuer(f).AV; }},
    {"Pflegeversicherung",
     [](const TLohnGehalt& f) {
       const Satzanzeige s = SatzanzeigeFuer(f);
       return s.PVKinder.empty() ? s.PV : s.PV + " " + s.PVKinder;
     }},
    {"Beitragsbemessungsgrenze KV/PV", [](const TLohnGehalt& f) { return betrag(f.BBGKV); }},
    {"Beitragsbemessungsgrenze RV/AV", [](const TLohnGehalt& f) { return betrag(f.BBGRV); }},
    {"Übergangsbereich",
     [](const TLohnGehalt& f) {
       return betrag(f.GleitzoneUntergrenze + Money::cent(1)) + " bis " +
              betrag(f.GleitzoneObergrenze);
     }},
    {"Geringfügigkeitsgrenze",
     [](const TLohnGehalt& f) {
       const std::optional<Money> g = Geringfuegigkeitsgrenze(f.Jahr, f.Monat);
       return g ? betrag(*g) : std::string("keine");
     }},
    // The rules of age: the month after the retirement age, and the Aktivrente from then on.
    {"Regelaltersgrenze",
     [](const TLohnGehalt& f) {
       return f.NachRegelaltersgrenze == 1
                  ? "überschritten (erreicht " + MonatText(f.Regelaltersgrenze) + ")"
                  : std::string("nicht überschritten");
     }},
    {"Aktivrente",
     [](const TLohnGehalt& f) {
       return f.AktivrenteFrei > 0 ? betrag(f.AktivrenteFrei) + " steuerfrei" : std::string("keine");
     }},
};

}  // namespace

Jahresuebersicht BerechneJahr(const Eingaben& e) {
  Jahresuebersicht j;
  j.jahr = LiesGanzzahl(e.Jahr);
  j.mitBezuegen = !e.Bezuege.empty();
  const Money brutto = LiesFeld(e.Brutto);
  TLohnGehalt fall;
  std::vector<std::string> vorher;
  for (int m = 1; m <= 12; ++m) {
    const Eingaben monat = EingabenFuerMonat(e, m);
    const Bezugsergebnis bezuege = FuelleFall(fall, monat);
    Jahresmonat& zeile = j.monate[m - 1];
    zeile.monat = m;
    zeile.werte = WerteDesFalls(fall, brutto, monat, bezuege);
    j.summe += zeile.werte;
    std::vector<std::string> jetzt;
    for (const Regel& r : kRegeln) jetzt.push_back(r.wert(fall));
    if (m > 1) {
      for (std::size_t i = 0; i < jetzt.size(); ++i)
        if (jetzt[i] != vorher[i])
          zeile.aenderungen.push_back(std::string(kRegeln[i].name) + " " + vorher[i] + " → " +
                                      jetzt[i]);
    }
    vorher = std::move(jetzt);
  }
  return j;
}

}  // namespace salvaro
