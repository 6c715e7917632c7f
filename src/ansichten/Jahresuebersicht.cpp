#include "ansichten/Jahresuebersicht.h"

#include <optional>

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

// A rate as the windows show it: "18,60 %".
std::string satz(std::string s) {
  if (!s.empty() && s.back() == '%') s.insert(s.size() - 1, " ");
  return s;
}

// The flowchart of a period in words, not by the engine's name: "Programmablaufplan 2023", and
// for an engine of its own within a year (OruSteuern0723, OruSteuern1211) "geänderter
// Programmablaufplan ab Juli 2023".
std::string plan(const TLohnGehalt& f) {
  const std::string name = EngineName(f.Jahr, f.Monat);
  const std::string ziffern = name.size() >= 4 ? name.substr(name.size() - 4) : name;
  const int monat = (ziffern[0] - '0') * 10 + (ziffern[1] - '0');
  if (ziffern.rfind("20", 0) == 0 || monat < 1 || monat > 12)
    return "Programmablaufplan " + ziffern;
  return "geänderter Programmablaufplan ab " + std::string(kMonatsnamen[monat - 1]) + " 20" +
         ziffern.substr(2);
}

const Regel kRegeln[] = {
    {"Lohnsteuer", plan},
    {"Krankenversicherung",
     [](const TLohnGehalt& f) {
       return FormatBild(f.KVSatz, 2, false) + " % + " + FormatBild(f.KVZusBeitrag, 2, false) +
              " %";
     }},
    {"Rentenversicherung", [](const TLohnGehalt& f) { return satz(SatzanzeigeFuer(f).RV); }},
    {"Arbeitslosenversicherung", [](const TLohnGehalt& f) { return satz(SatzanzeigeFuer(f).AV); }},
    {"Pflegeversicherung",
     [](const TLohnGehalt& f) {
       const Satzanzeige s = SatzanzeigeFuer(f);
       return s.PVKinder.empty() ? satz(s.PV) : satz(s.PV) + " " + s.PVKinder;
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
};

}  // namespace

Jahresuebersicht BerechneJahr(const Eingaben& e) {
  Jahresuebersicht j;
  j.jahr = LiesGanzzahl(e.Jahr);
  const Money brutto = LiesFeld(e.Brutto);
  TLohnGehalt fall;
  std::vector<std::string> vorher;
  for (int m = 1; m <= 12; ++m) {
    const Eingaben monat = EingabenFuerMonat(e, m);
    FuelleFall(fall, monat);
    Jahresmonat& zeile = j.monate[m - 1];
    zeile.monat = m;
    zeile.werte = WerteDesFalls(fall, brutto, monat);
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
