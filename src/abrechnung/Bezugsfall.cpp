#include "abrechnung/Bezugsfall.h"

#include <algorithm>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Eingaben.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"

namespace salvaro {

namespace {

// The employer's four shares of a calculated case.
Money arbeitgeberanteile(const TLohnGehalt& f) { return f.KVAG + f.RVAG + f.AVAG + f.PVAG; }

Bezugsmonat monatDes(const TLohnGehalt& fall) {
  Bezugsmonat m;
  m.jahr = fall.Jahr;
  m.monat = fall.Monat;
  m.kiStLand = fall.Konfession == 1 ? fall.KiStLand : 0;
  m.ost = fall.Rechtskreis == 0;
  return m;
}

void rechne(TLohnGehalt& fall, const Eingaben& e, Money stBrutto, Money svBrutto) {
  fall.SetStBrutto(stBrutto);
  fall.SetSVBrutto(svBrutto);
  fall.Berechne();
  PauschalBesteuern(fall, e);
}

}  // namespace

Bezugsergebnis RechneMitBezuegen(TLohnGehalt& fall, const Eingaben& e, Money stBrutto,
                                 Money svBrutto) {
  if (e.Bezuege.empty()) {
    rechne(fall, e, stBrutto, svBrutto);
    return {};
  }
  Bezugsmonat m = monatDes(fall);
  // The contributions the employer saves when the pension conversion lowers the contribution
  // gross by the amount given.
  m.ersparnisArbeitgeber = [&](Money minderung) {
    TLohnGehalt c = fall;
    rechne(c, e, stBrutto, svBrutto);
    const Money ohne = arbeitgeberanteile(c);
    rechne(c, e, stBrutto, std::max(svBrutto - minderung, Money()));
    return ohne - arbeitgeberanteile(c);
  };
  Bezugsergebnis b = BerechneBezuege(m, e.Bezuege);
  if (!b.abgelehnt &&
      (stBrutto + b.StBruttoZusatz < Money() || svBrutto + b.SVBruttoZusatz < Money())) {
    // More pay converted than there is: refused, except in a month without pay (the first point
    // of the curve), which then has no components.
    const bool ohneLohn = stBrutto == Money() && svBrutto == Money();
    b = {};
    b.abgelehnt = !ohneLohn;
    if (!ohneLohn) b.meldungen.push_back("Die Entgeltumwandlung ist höher als das Brutto");
    rechne(fall, e, stBrutto, svBrutto);
    return b;
  }
  if (b.abgelehnt) {
    rechne(fall, e, stBrutto, svBrutto);
    return b;
  }
  rechne(fall, e, stBrutto + b.StBruttoZusatz, svBrutto + b.SVBruttoZusatz);
  return b;
}

Money NettoaufwandEntgeltumwandlung(const TLohnGehalt& fall, const Eingaben& e, Money brutto,
                                    Money stBrutto, Money svBrutto) {
  const auto auszahlung = [&](const Eingaben& mit) {
    TLohnGehalt c = fall;
    const Bezugsergebnis b = RechneMitBezuegen(c, mit, stBrutto, svBrutto);
    return Auszahlungsbetrag(NettoFormel(c, brutto + b.StBruttoZusatz), b);
  };
  Eingaben ohne = e;
  std::erase_if(ohne.Bezuege, [](const Bezug& b) { return b.art == Bezugsart::Entgeltumwandlung; });
  return auszahlung(ohne) - auszahlung(e);
}

std::vector<std::string> Bezugszeilen(const Bezugsergebnis& b, Money nettoGesamt,
                                      Money auszahlung, Money nettoaufwandBAV) {
  std::vector<std::string> l;
  if (b.leer()) return l;
  const std::string leer(kSpaltenbreite, ' ');
  const auto zeile = [&l](std::string_view text, Money m) {
    l.push_back(AbrZeile(text, SchlichterText(m), true, false));
  };
  const auto teil = [&zeile](std::string_view text, Money m) {
    if (m != Money()) zeile(text, m);
  };
  l.push_back(leer);
  l.push_back("BEZÜGE UND ABZÜGE:" + std::string(kSpaltenbreite - 18, ' '));
  for (const Bezugsteil& t : b.teile) {
    l.push_back(leer);
    zeile(Bezugsname(t.art), t.wert);
    if (t.art == Bezugsart::Nettoabzug) {
      l.push_back(AbrZeile("  vom Auszahlungsbetrag abgezogen", " ", false, false));
      continue;
    }
    teil("  steuerpflichtig", t.steuerpflichtig);
    teil("  beitragspflichtig", t.svpflichtig);
    teil("  steuerfrei", t.steuerfrei);
    teil("  beitragsfrei", t.beitragsfrei);
    if (t.pauschal != Money()) {
      zeile("  pauschal versteuert " + FormatBild(t.pauschsatz, 0, false) + " %", t.pauschal);
      zeile("  Pauschalsteuer Arbeitgeber", t.pauschsteuer);
    }
    if (t.art == Bezugsart::Entgeltumwandlung) {
      zeile("  Arbeitgeberzuschuss", t.arbeitgeberzuschuss);
      zeile("  Beitrag zur Versorgung", t.wert + t.arbeitgeberzuschuss);
      zeile("  Nettoaufwand", nettoaufwandBAV);
    } else if (t.art == Bezugsart::Vermoegensbildung) {
      zeile("  Sparbetrag", t.nettoabzug);
    } else if (t.sachbezug) {
      l.push_back(AbrZeile("  Sachbezug, nicht ausgezahlt", " ", false, false));
    }
  }
  l.push_back(leer);
  zeile("Netto gesamt", nettoGesamt);
  if (b.GeldwerterVorteil != Money())
    l.push_back(AbrZeile("Sachbezüge", SchlichterText(b.GeldwerterVorteil), true, true));
  if (b.Nettoabzuege != Money())
    l.push_back(AbrZeile("Nettoabzüge", SchlichterText(b.Nettoabzuege), true, true));
  teil("Steuerfreie und pauschale Bezüge", b.SteuerfreieZahlungen);
  zeile("Auszahlungsbetrag", auszahlung);
  return l;
}

std::vector<std::string> BezugszeilenArbeitgeber(const Bezugsergebnis& b) {
  std::vector<std::string> l;
  const Money kosten = b.Arbeitgeberkosten - b.PauschalsteuerArbeitgeber;
  if (kosten != Money())
    l.push_back(AbrZeile("Bezüge und Sachbezüge", SchlichterText(kosten), true, false));
  if (b.PauschalsteuerArbeitgeber != Money())
    l.push_back(
        AbrZeile("Pauschalsteuer Bezüge", SchlichterText(b.PauschalsteuerArbeitgeber), true, false));
  return l;
}

}  // namespace salvaro
