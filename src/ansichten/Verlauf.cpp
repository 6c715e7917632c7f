#include "ansichten/Verlauf.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Bezugsfall.h"
#include "abrechnung/Zahlentext.h"
#include "alter/Aktivrente.h"
#include "ansichten/Monatsfall.h"
#include "engine/Beitragsjahre.h"
#include "engine/Gehalt.h"

namespace salvaro {

Verlaufspunkt Punkt(Money brutto, Money netto, Money nettoPlus100, Money abzuege) {
  Verlaufspunkt p;
  p.brutto = brutto;
  p.netto = netto;
  p.abzuege = abzuege;
  p.vomNaechstenHundert = nettoPlus100 - netto;
  // Euros left of 100 euros are percent of them.
  p.grenzbelastung = kGrenzschritt - p.vomNaechstenHundert;
  return p;
}

Verlauf BerechneVerlauf(const Eingaben& e, Money bis, Money schritt,
                        const std::atomic<bool>* abbrechen) {
  if (schritt <= Money()) throw VerlaufsFehler("die Schrittweite muss größer als 0,00 sein");
  if (bis < Money()) throw VerlaufsFehler("die Obergrenze darf nicht negativ sein");
  const std::int64_t schritte = bis.raw() / schritt.raw();
  const bool mitEnde = bis.raw() % schritt.raw() != 0;
  if (schritte + 1 + (mitEnde ? 1 : 0) > kMaxVerlaufspunkte)
    throw VerlaufsFehler("höchstens " + FormatBild(Money::euro(kMaxVerlaufspunkte), 0, true) +
                         " Punkte: Schrittweite größer oder Obergrenze kleiner wählen");

  Eingaben m = EingabenFuerMonat(e, e.MonatNr);
  m.BruttoUebernahme = true;
  m.Brutto = m.StBrutto = m.SVBrutto = "0";
  // The curve is one of regular pay.
  m.Einmalzahlung = m.Abfindung = m.MehrjaehrigeVerguetung = "0,00";
  TLohnGehalt fall;
  if (const Bezugsergebnis b = FuelleFall(fall, m); b.abgelehnt)
    throw VerlaufsFehler(b.meldungen.front());

  Verlauf v;
  // The nets by amount: with a step that divides 100 euros every second calculation is a point
  // already calculated.
  // With each net its statutory deductions.
  struct Netto {
    Money netto, abzuege;
  };
  std::unordered_map<std::int64_t, Netto> netze;
  bool mitAktivrente = false;
  const auto netto = [&](Money g) {
    if (const auto it = netze.find(g.raw()); it != netze.end()) return it->second;
    // The pay components on top of each gross.
    const Bezugsergebnis b = RechneMitBezuegen(fall, m, g, g);
    const Netto n{NettoFormel(fall, g + b.StBruttoZusatz), GesetzlicheAbzuege(fall)};
    mitAktivrente = mitAktivrente || fall.AktivrenteFrei > 0;
    netze.emplace(g.raw(), n);
    return n;
  };
  v.punkte.reserve(static_cast<std::size_t>(schritte + 2));
  for (std::int64_t i = 0; i <= schritte + (mitEnde ? 1 : 0); ++i) {
    if (abbrechen != nullptr && abbrechen->load(std::memory_order_relaxed)) {
      v.abgebrochen = true;
      break;
    }
    const Money g = i > schritte ? bis : Money::units(i * schritt.raw());
    const Netto n = netto(g);
    v.punkte.push_back(Punkt(g, n.netto, netto(g + kGrenzschritt).netto, n.abzuege));
    // What lies more than 100 euros behind is not asked for again.
    netze.erase((g - schritt).raw());
  }

  // The limits of the month; the case holds its parameters.
  const auto marke = [&](Money b, const char* text) {
    if (b > Money() && b <= bis) v.marken.push_back({b, text});
  };
  if (const std::optional<Money> g = Geringfuegigkeitsgrenze(fall.Jahr, fall.Monat))
    marke(*g, "Geringfügigkeitsgrenze");
  if (fall.GleitzoneObergrenze > Money()) {
    marke(fall.GleitzoneUntergrenze + Money::cent(1), "Übergangsbereich Beginn");
    marke(fall.GleitzoneObergrenze, "Übergangsbereich Ende");
  }
  marke(fall.BBGKV, "Beitragsbemessungsgrenze KV/PV");
  marke(fall.BBGRV, "Beitragsbemessungsgrenze RV/AV");
  // Above it the Aktivrente frees no more pay.
  if (mitAktivrente) marke(AktivrenteJeMonat(fall.Jahr, fall.Monat), "Aktivrente ausgeschöpft");
  std::stable_sort(
      v.marken.begin(), v.marken.end(),
      [](const Verlaufsmarke& a, const Verlaufsmarke& b) { return a.brutto < b.brutto; });
  return v;
}

}  // namespace salvaro
