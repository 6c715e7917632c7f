#include "cli/Bezugsoptionen.h"

#include <algorithm>
#include <unordered_map>

#include "abrechnung/Zahlentext.h"
#include "cli/Rechnen.h"

namespace salvaro {

namespace {

using enum Bezugsart;
using W = Bezugsoption::Wert;

}  // namespace

const std::vector<Bezugsoption>& Bezugsoptionen() {
  // clang-format off
  static const std::vector<Bezugsoption> optionen = {
    {"dienstwagen", "--dienstwagen LISTENPREIS", "Dienstwagen: Bruttolistenpreis (1 %-Regelung)",
     Dienstwagen, W::Listenpreis, &Bezug::betrag},
    {"dienstwagen-km", "--dienstwagen-km KM", "Dienstwagen: Entfernung Wohnung - Arbeit in km",
     Dienstwagen, W::Km, &Bezug::km},
    {"dienstwagen-fahrten", "--dienstwagen-fahrten N",
     "Dienstwagen: Fahrten zur Arbeit im Monat (0,002 % je km und Fahrt statt 0,03 %)",
     Dienstwagen, W::Anzahl, &Bezug::fahrten},
    {"dienstwagen-antrieb", "--dienstwagen-antrieb verbrenner|hybrid|elektro",
     "Dienstwagen: Antrieb (Vorgabe verbrenner)", Dienstwagen, W::Antrieb, &Bezug::antrieb},
    {"dienstwagen-anschaffung", "--dienstwagen-anschaffung JJJJ-MM",
     "Dienstwagen: Monat der Anschaffung (Vorgabe: der Abrechnungsmonat)", Dienstwagen, W::Monat,
     &Bezug::anschaffung},
    {"dienstwagen-zuzahlung", "--dienstwagen-zuzahlung BETRAG",
     "Dienstwagen: Nutzungsentgelt des Arbeitnehmers im Monat", Dienstwagen, W::Betrag,
     &Bezug::zuzahlung},
    {"dienstwagen-batterie", "--dienstwagen-batterie KWH",
     "Dienstwagen: Batteriekapazität (Elektro/Hybrid ohne Halbierung, vor 2023 angeschafft)",
     Dienstwagen, W::KWh, &Bezug::batterieKWh},
    {"sachbezug", "--sachbezug BETRAG", "Sachbezug oder Gutschein (Freigrenze 44 €, ab 2022 50 €)",
     Sachbezug, W::Betrag, &Bezug::betrag},
    {"jobticket", "--jobticket BETRAG", "Jobticket (ab 2019 steuerfrei)", Jobticket, W::Betrag,
     &Bezug::betrag},
    {"fruehstuecke", "--fruehstuecke N", "Verpflegung: Frühstücke im Monat (amtlicher Sachbezugswert)",
     Verpflegung, W::Anzahl, &Bezug::fruehstuecke},
    {"mittagessen", "--mittagessen N", "Verpflegung: Mittagessen im Monat", Verpflegung, W::Anzahl,
     &Bezug::mittagessen},
    {"abendessen", "--abendessen N", "Verpflegung: Abendessen im Monat", Verpflegung, W::Anzahl,
     &Bezug::abendessen},
    {"verpflegung-zuzahlung", "--verpflegung-zuzahlung BETRAG",
     "Verpflegung: Zuzahlung des Arbeitnehmers im Monat", Verpflegung, W::Betrag,
     &Bezug::zuzahlung},
    {"unterkunft", "--unterkunft BELEGUNG",
     "Unterkunft (amtlicher Sachbezugswert), belegt mit so vielen Beschäftigten", Unterkunft,
     W::Belegung, &Bezug::belegung},
    {"unterkunft-haushalt", "--unterkunft-haushalt",
     "Unterkunft: im Haushalt des Arbeitgebers oder Gemeinschaftsunterkunft", Unterkunft,
     W::Schalter, &Bezug::haushalt},
    {"unterkunft-jugendlich", "--unterkunft-jugendlich",
     "Unterkunft: Jugendliche unter 18 und Auszubildende", Unterkunft, W::Schalter,
     &Bezug::jugendlich},
    {"unterkunft-zuzahlung", "--unterkunft-zuzahlung BETRAG",
     "Unterkunft: Zuzahlung des Arbeitnehmers im Monat", Unterkunft, W::Betrag, &Bezug::zuzahlung},
    {"fahrtkostenzuschuss", "--fahrtkostenzuschuss BETRAG",
     "Fahrtkostenzuschuss (pauschal 15 % bis zur Entfernungspauschale)", Fahrtkostenzuschuss,
     W::Betrag, &Bezug::betrag},
    {"fahrtkostenzuschuss-km", "--fahrtkostenzuschuss-km KM",
     "Fahrtkostenzuschuss: Entfernung Wohnung - Arbeit in km", Fahrtkostenzuschuss, W::Km,
     &Bezug::km},
    {"fahrtkostenzuschuss-tage", "--fahrtkostenzuschuss-tage N",
     "Fahrtkostenzuschuss: Arbeitstage im Monat (Vorgabe 15)", Fahrtkostenzuschuss,
     W::Arbeitstage, &Bezug::arbeitstage},
    {"internetpauschale", "--internetpauschale BETRAG",
     "Internetpauschale (pauschal 25 % bis 50 € im Monat)", Internetpauschale, W::Betrag,
     &Bezug::betrag},
    {"entgeltumwandlung", "--entgeltumwandlung BETRAG",
     "Entgeltumwandlung zur betrieblichen Altersversorgung", Entgeltumwandlung, W::Betrag,
     &Bezug::betrag},
    {"entgeltumwandlung-abschluss", "--entgeltumwandlung-abschluss JJJJ",
     "Entgeltumwandlung: Jahr der Vereinbarung (Vorgabe: das Abrechnungsjahr)", Entgeltumwandlung,
     W::Jahr, &Bezug::abschlussjahr},
    {"ag-zuschuss", "--ag-zuschuss BETRAG",
     "Entgeltumwandlung: Arbeitgeberzuschuss statt des gesetzlichen", Entgeltumwandlung,
     W::Betrag, &Bezug::arbeitgeberzuschuss},
    {"vwl-ag", "--vwl-ag BETRAG", "vermögenswirksame Leistungen des Arbeitgebers",
     Vermoegensbildung, W::Betrag, &Bezug::betrag},
    {"vwl-sparbetrag", "--vwl-sparbetrag BETRAG",
     "vermögenswirksamer Sparbetrag gesamt (Vorgabe: der Arbeitgeberanteil)", Vermoegensbildung,
     W::Betrag, &Bezug::sparbetrag},
    {"stundenlohn", "--stundenlohn BETRAG", "SFN-Zuschläge: Grundlohn je Stunde", Zuschlaege,
     W::Betrag, &Bezug::betrag},
    {"stunden-nacht", "--stunden-nacht STUNDEN", "SFN-Zuschläge: Nachtstunden 20 bis 6 Uhr (25 %)",
     Zuschlaege, W::Stunden, &Bezug::stundenNacht},
    {"stunden-nacht-0-4", "--stunden-nacht-0-4 STUNDEN",
     "SFN-Zuschläge: Nachtstunden 0 bis 4 Uhr, vor 0 Uhr begonnen (40 %)", Zuschlaege, W::Stunden,
     &Bezug::stundenNacht0bis4},
    {"stunden-sonntag", "--stunden-sonntag STUNDEN", "SFN-Zuschläge: Sonntagsstunden (50 %)",
     Zuschlaege, W::Stunden, &Bezug::stundenSonntag},
    {"stunden-feiertag", "--stunden-feiertag STUNDEN",
     "SFN-Zuschläge: Feiertagsstunden, 31.12. ab 14 Uhr (125 %)", Zuschlaege, W::Stunden,
     &Bezug::stundenFeiertag},
    {"stunden-feiertag-150", "--stunden-feiertag-150 STUNDEN",
     "SFN-Zuschläge: 24.12. ab 14 Uhr, 25./26.12., 1. Mai (150 %)", Zuschlaege, W::Stunden,
     &Bezug::stundenFeiertag150},
    {"inflationspraemie", "--inflationspraemie BETRAG",
     "Inflationsausgleichsprämie (10/2022 bis 12/2024, bis 3.000 € frei)", Inflationspraemie,
     W::Betrag, &Bezug::betrag},
    {"nettoabzug", "--nettoabzug BETRAG", "Abzug vom Auszahlungsbetrag", Nettoabzug, W::Betrag,
     &Bezug::betrag},
  };
  // clang-format on
  return optionen;
}

const Bezugsoption* BezugsoptionFuer(std::string_view name) {
  // Looked up for every field of every stapel row: by hash, not through the whole table.
  static const std::unordered_map<std::string_view, const Bezugsoption*> nachName = [] {
    std::unordered_map<std::string_view, const Bezugsoption*> m;
    for (const Bezugsoption& o : Bezugsoptionen()) m.emplace(o.name, &o);
    return m;
  }();
  const auto it = nachName.find(name);
  return it == nachName.end() ? nullptr : it->second;
}

namespace {

struct Bereich {
  std::int64_t min, max;
};

Bereich bereich(W w) {
  switch (w) {
    case W::Betrag: return {0, 1000000};
    case W::Listenpreis: return {0, 10000000};
    case W::Stunden: return {0, 744};
    case W::KWh: return {0, 1000};
    case W::Km: return {0, 1000};
    case W::Anzahl: return {0, 31};
    case W::Arbeitstage: return {1, 31};
    case W::Belegung: return {1, 99};
    case W::Jahr: return {1950, 2100};
    default: return {0, 0};
  }
}

Monatsdatum liesMonat(std::string_view name, std::string_view wert) {
  if (wert.size() != 7 || wert[4] != '-')
    throw OptionsFehler("--" + std::string(name) + ": '" + std::string(wert) +
                        "' ist kein Monat der Form JJJJ-MM");
  return {LiesGanzzahlIm(name, wert.substr(0, 4), 1950, 2100),
          LiesGanzzahlIm(name, wert.substr(5, 2), 1, 12)};
}

Antrieb liesAntrieb(std::string_view name, std::string_view wert) {
  for (const auto& [text, antrieb] : {std::pair{"verbrenner", Antrieb::Verbrenner},
                                      std::pair{"hybrid", Antrieb::Hybrid},
                                      std::pair{"elektro", Antrieb::Elektro}})
    if (GleichOhneGrossschreibung(wert, text)) return antrieb;
  throw OptionsFehler("--" + std::string(name) + ": '" + std::string(wert) +
                      "' ist weder verbrenner noch hybrid noch elektro");
}

}  // namespace

void SetzeBezugsoption(Eingaben& e, const Bezugsoption& o, std::string_view wert) {
  auto it = std::find_if(e.Bezuege.begin(), e.Bezuege.end(),
                         [&](const Bezug& b) { return b.art == o.art; });
  if (it == e.Bezuege.end()) {
    Bezug neu;
    neu.art = o.art;
    it = e.Bezuege.insert(e.Bezuege.end(), neu);
  }
  Bezug& b = *it;
  const Bereich r = bereich(o.wert);
  if (const auto* f = std::get_if<Money Bezug::*>(&o.feld))
    b.*(*f) = LiesBetragIm(o.name, wert, Money::euro(r.min), Money::euro(r.max));
  else if (const auto* f = std::get_if<std::optional<Money> Bezug::*>(&o.feld))
    b.*(*f) = LiesBetragIm(o.name, wert, Money::euro(r.min), Money::euro(r.max));
  else if (const auto* f = std::get_if<int Bezug::*>(&o.feld))
    b.*(*f) = LiesGanzzahlIm(o.name, wert, static_cast<int>(r.min), static_cast<int>(r.max));
  else if (const auto* f = std::get_if<bool Bezug::*>(&o.feld))
    b.*(*f) = LiesSchalterwert(o.name, wert);
  else if (const auto* f = std::get_if<Monatsdatum Bezug::*>(&o.feld))
    b.*(*f) = liesMonat(o.name, wert);
  else if (const auto* f = std::get_if<Antrieb Bezug::*>(&o.feld))
    b.*(*f) = liesAntrieb(o.name, wert);
}

std::vector<std::pair<const char*, Money>> Bezugswerte(const Ergebnis& r) {
  const Bezugsergebnis& b = r.bezuege;
  return {{"GeldwerterVorteil", b.GeldwerterVorteil},
          {"SteuerfreieBezuege", b.SteuerfreieZahlungen},
          {"Nettoabzuege", -b.Nettoabzuege},
          {"Auszahlungsbetrag", r.auszahlung},
          {"PauschalsteuerArbeitgeber", b.PauschalsteuerArbeitgeber},
          {"ArbeitgeberzuschussBAV", b.ArbeitgeberzuschussBAV},
          {"BeitragBAV", b.BeitragBAV},
          {"NettoaufwandBAV", r.nettoaufwandBAV},
          {"ArbeitgeberkostenBezuege", b.Arbeitgeberkosten}};
}

std::vector<std::pair<const char*, Money>> Bezugsteilwerte(const Bezugsteil& t) {
  return {{"Wert", t.wert},
          {"Steuerpflichtig", t.steuerpflichtig},
          {"SVPflichtig", t.svpflichtig},
          {"Steuerfrei", t.steuerfrei},
          {"Beitragsfrei", t.beitragsfrei},
          {"Pauschal", t.pauschal},
          {"Pauschalsteuer", t.pauschsteuer},
          {"Nettoabzug", -t.nettoabzug},
          {"Arbeitgeberzuschuss", t.arbeitgeberzuschuss}};
}

}  // namespace salvaro
