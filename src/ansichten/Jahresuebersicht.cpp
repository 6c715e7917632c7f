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
// shows; a rule whose value is no text for the user says its change in words of its own.
struct Regel {
  const char* name;
  std::string (*wert)(const TLohnGehalt& f);
  std::string (*aenderung)(const TLohnGehalt& f) = nullptr;
};

std::string betrag(Money m) {
  return FormatDE(m);
}

// A rate as the windows show it: "18,60 %".
std::string satz(Money m) {
  return FormatBild(m, 2, false) + " %";
}
std::string satz(std::string s) {
  if (!s.empty() && s.back() == '%') s.insert(s.size() - 1, " ");
  return s;
}

const Regel kRegeln[] = {
    // The flowchart of the month: a new one each January, a changed one within some years.
    {"Lohnsteuer", [](const TLohnGehalt& f) { return EngineName(f.Jahr, f.Monat); },
     [](const TLohnGehalt& f) {
       return f.Monat == 1 ? "Lohnsteuer: Programmablaufplan " + std::to_string(f.Jahr)
                           : "Lohnsteuer: geänderter Programmablaufplan ab " +
                                 MonatText({f.Jahr, f.Monat});
     }},
    // The additional (before 2015 special) health contribution only where it is charged: from
    // July 2005.
    {"Krankenversicherung",
     [](const TLohnGehalt& f) {
       return KVZusSichtbar(f.Jahr, f.Monat) ? satz(f.KVSatz) + " + " + satz(f.KVZusBeitrag)
                                             : satz(f.KVSatz);
     }},
    {"Rentenversicherung", [](const TLohnGehalt& f) { return satz(SatzanzeigeFuer(f).RV); }},
    {"Arbeitslosenversicherung", [](const TLohnGehalt& f) { return satz(SatzanzeigeFuer(f).AV); }},
    {"Pflegeversicherung",
     [](const TLohnGehalt& f) {
       // The surcharge for the childless from 2005.
       const Satzanzeige s = SatzanzeigeFuer(f);
       return s.PVKinder.empty() || !PVZuschlagMoeglich(f.Jahr) ? satz(s.PV)
                                                                 : satz(s.PV) + " " + s.PVKinder;
     }},
    {"Beitragsbemessungsgrenze KV/PV", [](const TLohnGehalt& f) { return betrag(f.BBGKV); }},
    {"Beitragsbemessungsgrenze RV/AV", [](const TLohnGehalt& f) { return betrag(f.BBGRV); }},
    {"Übergangsbereich",
     [](const TLohnGehalt& f) {
       return betrag(f.GleitzoneUntergrenze + Money::cent(1)) + " bis " +
              betrag(f.GleitzoneObergrenze) + ", Faktor " + FormatBild(f.GleitzoneFaktor, 4, false);
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
    {"Pauschalbeiträge geringfügiger Beschäftigung",
     [](const TLohnGehalt& f) {
       const Beitragsjahr& j = *BeitragsjahrFuer(f.Jahr);
       return "KV " + satz(j.KVPauschalsatz.in(f.Monat)) + ", RV " +
              satz(j.RVPauschalsatz.in(f.Monat));
     }},
    {"Höchstzuschuss PKV/PPV",
     [](const TLohnGehalt& f) {
       return betrag(f.PKVHoechstzuschuss) + " / " + betrag(f.PPVHoechstzuschuss);
     }},
    {"Insolvenzgeldumlage",
     [](const TLohnGehalt& f) {
       return BeitragsjahrFuer(f.Jahr)->mitInsoUmlage ? satz(f.InsoUmlageSatz)
                                                       : std::string("keine");
     }},
};

std::vector<std::string> regelwerte(const TLohnGehalt& f) {
  std::vector<std::string> w;
  for (const Regel& r : kRegeln) w.push_back(r.wert(f));
  return w;
}

// The rules of December of the previous year for the inputs, to compare January with; none
// before the first year the program calculates. A rate the inputs hold as the preset of their
// year is the preset of that December, a typed one stays.
std::optional<std::vector<std::string>> vorjahresdezember(const Eingaben& e, int jahr) {
  if (jahr - 1 < ErstesRechenjahr()) return std::nullopt;
  Eingaben d = EingabenFuerMonat(e, 12);
  d.Jahr = std::to_string(jahr - 1);
  const int kvZiffer = e.BGR.empty() ? 0 : e.BGR[0] - '0';
  const auto kvVorgabe = KVSatzNachGruppe(jahr, e.MonatNr, kvZiffer);
  const auto kvAlt = KVSatzNachGruppe(jahr - 1, 12, kvZiffer);
  d.KV = kvVorgabe && *kvVorgabe + "%" == e.KV && kvAlt ? *kvAlt + "%" : e.KV;
  const auto zusatzVorgabe = [](int j) { return KVZusEingebbar(j) ? KVZusVorgabe(j) : kKVZusVor2015; };
  if (e.KVZus == zusatzVorgabe(jahr)) d.KVZus = zusatzVorgabe(jahr - 1);
  TLohnGehalt fall;
  FuelleFall(fall, d);
  return regelwerte(fall);
}

}  // namespace

Jahresuebersicht BerechneJahr(const Eingaben& e) {
  Jahresuebersicht j;
  j.jahr = LiesGanzzahl(e.Jahr);
  j.mitBezuegen = !e.Bezuege.empty();
  const Money brutto = LiesFeld(e.Brutto);
  TLohnGehalt fall;
  std::optional<std::vector<std::string>> vorher = vorjahresdezember(e, j.jahr);
  for (int m = 1; m <= 12; ++m) {
    const Eingaben monat = EingabenFuerMonat(e, m);
    const Bezugsergebnis bezuege = FuelleFall(fall, monat);
    Jahresmonat& zeile = j.monate[m - 1];
    zeile.monat = m;
    zeile.werte = WerteDesFalls(fall, brutto, monat, bezuege);
    j.summe += zeile.werte;
    std::vector<std::string> jetzt = regelwerte(fall);
    for (std::size_t i = 0; vorher && i < jetzt.size(); ++i) {
      if (jetzt[i] == (*vorher)[i]) continue;
      const Regel& r = kRegeln[i];
      zeile.aenderungen.push_back(r.aenderung ? r.aenderung(fall)
                                              : std::string(r.name) + " " + (*vorher)[i] +
                                                    " → " + jetzt[i]);
    }
    vorher = std::move(jetzt);
  }
  return j;
}

}  // namespace salvaro
