#include "bezuege/Bezuege.h"

#include <algorithm>
#include <array>
#include <string>

#include "bezuege/Bezugsregeln.h"
#include "engine/Beitragsjahre.h"
#include "money/OruMath.h"

namespace salvaro {

using namespace literale;

namespace {

constexpr std::array<std::string_view, kBezugsarten> kNamen = {
    "Dienstwagen",         "Sachbezug/Gutschein",  "Jobticket",
    "Verpflegung",         "Unterkunft",           "Fahrtkostenzuschuss",
    "Internetpauschale",   "Entgeltumwandlung",    "Vermögenswirksame Leistungen",
    "SFN-Zuschläge",       "Inflationsprämie",     "Nettoabzug"};

// A limit in whole euros with the thousands point ("3.000 €"); the limits of the rules have no
// cents.
std::string euroText(Money m) {
  std::string euro = std::to_string(m.raw() / Money::kScale);
  for (int i = static_cast<int>(euro.size()) - 3; i > 0; i -= 3)
    euro.insert(static_cast<std::size_t>(i), ".");
  return euro + " €";
}

Money prozent(Money betrag, Money satz) { return Money::runde(Ext(betrag) * satz / 100); }

// A part taxed by the employer at a flat rate: the wage tax, the surcharge and the church tax
// at the state's flat rate; each cut to cents as the surcharge and church tax are.
struct Pauschalsteuer {
  Money lst, solz, kist;
};
Pauschalsteuer pauschalsteuer(Money basis, Money satz, int jahr, int kiStLand) {
  Pauschalsteuer p;
  p.lst = RundeCent(Ext(basis) * satz / 100);
  p.solz = AbrundenCent(Ext(p.lst) * kPauschalSolZSatz / 100);
  p.kist = AbrundenCent(Ext(p.lst) * PauschalKirchensteuersatz(kiStLand, jahr) / 100);
  return p;
}

// The monthly value of a company car (§ 8 Abs. 2 Satz 2, 3 and 5 EStG): 1 % of the list price
// for private use plus 0.03 % per km of the commute, or 0.002 % per km and trip; the list price
// is first reduced for electric and hybrid cars, then rounded down to full hundreds.
Money dienstwagenwert(const Bezug& b, int jahr, int monat) {
  const Monatsdatum an = b.anschaffung.jahr != 0 ? b.anschaffung : Monatsdatum{jahr, monat};
  const int heute = jahr * 100 + monat;
  Money preis = b.betrag;
  int teiler = 1;
  if (b.antrieb != Antrieb::Verbrenner) {
    for (const Dienstwagenanteil& a : Dienstwagenanteile()) {
      if (a.antrieb != b.antrieb || an.Schluessel() < a.angeschafftVon ||
          an.Schluessel() > a.angeschafftBis || heute < a.giltVon || heute > a.giltBis)
        continue;
      if (a.hoechstpreis > Money() && b.betrag > a.hoechstpreis) continue;
      teiler = a.teiler;
      break;
    }
    // The battery reduction for cars that get no share, from 2013.
    if (teiler == 1 && jahr >= 2013 && b.batterieKWh > Money()) {
      if (const auto abschlag = BatterieabschlagFuer(an.jahr))
        preis -= std::min(Money::runde(Ext(b.batterieKWh) * abschlag->jeKWh), abschlag->hoechstens);
    }
  }
  preis = Money::runde(Ext(preis) / teiler);
  preis = Money::units(std::max<std::int64_t>(preis.raw(), 0) / 1000000 * 1000000);  // full 100 €
  Money wert = prozent(preis, 1_m);
  if (b.fahrten > 0)
    wert += RundeCent(Ext(preis) * 0.002_x / 100 * b.km * b.fahrten);
  else
    wert += RundeCent(Ext(preis) * 0.03_x / 100 * b.km);
  // What the employee pays lowers the value, not below 0 (R 8.1 Abs. 9 Nr. 4 LStR).
  return std::max(wert - b.zuzahlung, Money());
}

Money verpflegungswert(const Bezug& b, const Sachbezugswerte& w) {
  // A full month (30 days or more) at the monthly value, otherwise each meal at its day value.
  const auto mahlzeiten = [&](int anzahl, Money monatswert) {
    if (anzahl >= 30) return monatswert;
    return Money::runde(Ext(Tageswert(monatswert)) * anzahl);
  };
  const Money wert = mahlzeiten(b.fruehstuecke, w.fruehstueck) +
                     mahlzeiten(b.mittagessen, w.mittagessen) + mahlzeiten(b.abendessen, w.abendessen);
  return std::max(wert - b.zuzahlung, Money());
}

// § 2 Abs. 3 SvEV (before 2007 § 3 Abs. 2 SachBezV): 15 % less in the employer's household or a
// shared accommodation, 15 % less for the young and trainees, 40, 50 or 60 % less when shared by
// two, three or more employees; the reductions add up.
Money unterkunftswert(const Bezug& b, const Sachbezugswerte& w, bool ost) {
  Money minderung;
  if (b.haushalt) minderung += 15_m;
  if (b.jugendlich) minderung += 15_m;
  if (b.belegung == 2) minderung += 40_m;
  if (b.belegung == 3) minderung += 50_m;
  if (b.belegung >= 4) minderung += 60_m;
  const Money voll = ost ? w.unterkunftOst : w.unterkunftWest;
  const Money wert = RundeCent(Ext(voll) * (100_m - minderung) / 100);
  return std::max(wert - b.zuzahlung, Money());
}

// The month's commuting lump sum: working days × (first 20 km, each further km).
Money fahrtkostengrenze(const Bezug& b, int jahr) {
  const Entfernungspauschale& e = EntfernungspauschaleFuer(jahr);
  const int bis20 = std::min(b.km, 20), ab21 = std::max(b.km - 20, 0);
  return Money::runde((Ext(e.bis20km) * bis20 + Ext(e.ab21km) * ab21) * b.arbeitstage);
}

struct Zuschlag {
  Money wert, steuerfrei, beitragsfrei;
};
// § 3b EStG: each kind of hour at its percentage of the hourly wage; free of tax as far as the
// wage is within its cap, free of contributions within the lower cap.
Zuschlag zuschlaege(const Bezug& b, int jahr, int monat) {
  const Zuschlagsregel& r = ZuschlagsregelFuer(jahr, monat);
  const Money lohnSt = std::min(b.betrag, r.grundlohnSteuer);
  const Money lohnSV = std::min(b.betrag, r.grundlohnBeitrag);
  Zuschlag z;
  const std::pair<Money, Money> stunden[] = {{b.stundenNacht, r.nacht},
                                             {b.stundenNacht0bis4, r.nacht0bis4},
                                             {b.stundenSonntag, r.sonntag},
                                             {b.stundenFeiertag, r.feiertag},
                                             {b.stundenFeiertag150, r.feiertag150}};
  for (const auto& [h, satz] : stunden) {
    if (h == Money()) continue;
    z.wert += RundeCent(Ext(b.betrag) * satz / 100 * h);
    z.steuerfrei += RundeCent(Ext(lohnSt) * satz / 100 * h);
    z.beitragsfrei += RundeCent(Ext(lohnSV) * satz / 100 * h);
  }
  return z;
}

bool hatStunden(const Bezug& b) {
  return b.stundenNacht != Money() || b.stundenNacht0bis4 != Money() ||
         b.stundenSonntag != Money() || b.stundenFeiertag != Money() ||
         b.stundenFeiertag150 != Money();
}

// The checks of one component; the first problem as the message, or empty.
std::string pruefe(const Bezug& b, const Bezugsregel* r, int jahr, int monat) {
  const std::string name(Bezugsname(b.art));
  if (r == nullptr) {
    if (b.art == Bezugsart::Inflationspraemie)
      return "Die Inflationsausgleichsprämie gibt es nur von Oktober 2022 bis Dezember 2024";
    return name + ": für " + std::to_string(jahr) + " nicht berechenbar";
  }
  const Money stunden[] = {b.stundenNacht, b.stundenNacht0bis4, b.stundenSonntag,
                           b.stundenFeiertag, b.stundenFeiertag150};
  if (b.betrag < Money() || b.zuzahlung < Money() || b.batterieKWh < Money() ||
      (b.arbeitgeberzuschuss && *b.arbeitgeberzuschuss < Money()) ||
      (b.sparbetrag && *b.sparbetrag < Money()) ||
      std::any_of(std::begin(stunden), std::end(stunden), [](Money h) { return h < Money(); }) ||
      b.km < 0 || b.fahrten < 0 || b.fruehstuecke < 0 || b.mittagessen < 0 || b.abendessen < 0)
    return name + ": Beträge und Anzahlen dürfen nicht negativ sein";
  switch (b.art) {
    case Bezugsart::Dienstwagen:
      if (b.betrag == Money()) return "Dienstwagen: der Bruttolistenpreis fehlt";
      if (b.fahrten > 0 && b.km == 0) return "Dienstwagen: die Entfernung fehlt";
      if (b.fahrten > 31) return "Dienstwagen: höchstens 31 Fahrten im Monat";
      if (b.fahrten > 0 && jahr * 100 + monat < 201101)
        return "Dienstwagen: die Einzelbewertung der Fahrten gibt es im Lohnsteuerabzug erst ab 2011";
      if (b.anschaffung.jahr != 0 && b.anschaffung.Schluessel() > jahr * 100 + monat)
        return "Dienstwagen: die Anschaffung liegt nach dem Abrechnungsmonat";
      break;
    case Bezugsart::Fahrtkostenzuschuss:
      if (b.betrag > Money() && b.km <= 0) return "Fahrtkostenzuschuss: die Entfernung fehlt";
      if (b.arbeitstage < 1 || b.arbeitstage > 31)
        return "Fahrtkostenzuschuss: die Arbeitstage müssen zwischen 1 und 31 liegen";
      break;
    case Bezugsart::Unterkunft:
      if (b.belegung < 1) return "Unterkunft: die Belegung muss mindestens 1 sein";
      break;
    case Bezugsart::Zuschlaege:
      if (hatStunden(b) && b.betrag == Money()) return "SFN-Zuschläge: der Stundenlohn fehlt";
      break;
    case Bezugsart::Vermoegensbildung:
      if (b.sparbetrag && *b.sparbetrag < b.betrag)
        return "Vermögenswirksame Leistungen: der Sparbetrag ist kleiner als der Arbeitgeberanteil";
      break;
    case Bezugsart::Inflationspraemie:
      if (b.betrag > r->grenze)
        return "Die Inflationsausgleichsprämie ist bis " + euroText(r->grenze) +
               " steuer- und beitragsfrei; einen höheren Betrag als Einmalzahlung eingeben";
      break;
    default:
      break;
  }
  return {};
}

// The pension conversion: free of tax and contributions up to the limits, which the employer's
// subsidy shares; the subsidy by the rules at most what the employer saves in contributions.
void entgeltumwandlung(const Bezugsmonat& m, const Bezug& b, Bezugsteil& t) {
  const Umwandlungsregel& u = UmwandlungsregelFuer(m.jahr);
  const Beitragsjahr* bj = BeitragsjahrFuer(m.jahr);
  const Money grenzeMonat = bj != nullptr ? bj->BBGRVWest : Money();
  const int abschluss = b.abschlussjahr != 0 ? b.abschlussjahr : m.jahr;
  Money steuerfreiGrenze = AbrundenCent(Ext(grenzeMonat) * u.steuerfreiProzent / 100);
  if (abschluss >= 2005) steuerfreiGrenze += AbrundenCent(Ext(u.zusatzJahr) / 12);
  const Money beitragsfreiGrenze = AbrundenCent(Ext(grenzeMonat) * u.beitragsfreiProzent / 100);

  const Money umgewandelt = b.betrag;
  Money zuschuss;
  if (b.arbeitgeberzuschuss) {
    zuschuss = *b.arbeitgeberzuschuss;
  } else if (u.zuschussAbschlussAb != 0 && abschluss >= u.zuschussAbschlussAb) {
    zuschuss = RundeCent(Ext(umgewandelt) * u.zuschussProzent / 100);
    if (m.ersparnisArbeitgeber)
      zuschuss = std::min(zuschuss, std::max(m.ersparnisArbeitgeber(std::min(umgewandelt, beitragsfreiGrenze)), Money()));
  }
  const Money beitrag = umgewandelt + zuschuss;
  t.wert = umgewandelt;
  t.minderung = umgewandelt;
  t.arbeitgeberzuschuss = zuschuss;
  t.steuerfrei = std::min(beitrag, steuerfreiGrenze);
  t.beitragsfrei = std::min(beitrag, beitragsfreiGrenze);
  // What exceeds the limits is pay in kind, paid into the contract.
  t.steuerpflichtig = beitrag - t.steuerfrei;
  t.svpflichtig = beitrag - t.beitragsfrei;
  t.sachbezug = true;
  t.arbeitgeberkosten = zuschuss;
}

}  // namespace

std::string_view Bezugsname(Bezugsart art) { return kNamen[static_cast<std::size_t>(art)]; }

const std::vector<Bezugsart>& AlleBezugsarten() {
  static const std::vector<Bezugsart> arten = [] {
    std::vector<Bezugsart> a;
    for (int i = 0; i < kBezugsarten; ++i) a.push_back(static_cast<Bezugsart>(i));
    return a;
  }();
  return arten;
}

Bezugsergebnis BerechneBezuege(const Bezugsmonat& m, const std::vector<Bezug>& bezuege) {
  Bezugsergebnis e;
  // The exemption limit counts the month's benefits together.
  Money freigrenzenSumme;
  for (const Bezug& b : bezuege) {
    const Bezugsregel* r = RegelFuer(b.art, m.jahr, m.monat);
    if (const std::string fehler = pruefe(b, r, m.jahr, m.monat); !fehler.empty()) {
      e.abgelehnt = true;
      e.meldungen.push_back(fehler);
    } else if (r->steuer == Steuerregel::Freigrenze) {
      freigrenzenSumme += b.betrag;
    }
  }
  if (e.abgelehnt) return e;

  for (const Bezug& b : bezuege) {
    const Bezugsregel& r = *RegelFuer(b.art, m.jahr, m.monat);
    Bezugsteil t;
    t.art = b.art;
    t.wert = b.betrag;
    t.sachbezug = r.zahlung == Zahlungsart::Sachbezug;
    Money frei;  // free of tax within the rule's limit
    switch (b.art) {
      case Bezugsart::Dienstwagen:
        t.wert = dienstwagenwert(b, m.jahr, m.monat);
        break;
      case Bezugsart::Verpflegung:
        t.wert = verpflegungswert(b, *SachbezugswerteFuer(m.jahr));
        break;
      case Bezugsart::Unterkunft:
        t.wert = unterkunftswert(b, *SachbezugswerteFuer(m.jahr), m.ost);
        break;
      default:
        break;
    }
    switch (r.steuer) {
      case Steuerregel::Pflichtig:
      case Steuerregel::Eigene:
        break;
      case Steuerregel::Frei:
        frei = t.wert;
        break;
      case Steuerregel::Freigrenze:
        frei = freigrenzenSumme <= r.grenze ? t.wert : Money();
        break;
      case Steuerregel::Freibetrag:
        frei = std::min(t.wert, r.grenze);
        break;
      case Steuerregel::Pauschal: {
        const Money grenze =
            b.art == Bezugsart::Fahrtkostenzuschuss ? fahrtkostengrenze(b, m.jahr) : r.grenze;
        t.pauschal = std::min(t.wert, grenze);
        t.pauschsatz = r.pauschsatz;
        const Pauschalsteuer p = pauschalsteuer(t.pauschal, r.pauschsatz, m.jahr, m.kiStLand);
        t.pauschsteuer = p.lst + p.solz + p.kist;
        e.PauschalLSt += p.lst;
        e.PauschalSolZ += p.solz;
        e.PauschalKiSt += p.kist;
        break;
      }
    }
    t.steuerfrei = frei;
    t.steuerpflichtig = t.wert - frei - t.pauschal;
    t.svpflichtig = r.beitragsfreiWieSteuer ? t.steuerpflichtig : t.wert;
    if (b.art == Bezugsart::Zuschlaege) {
      const Zuschlag z = zuschlaege(b, m.jahr, m.monat);
      t.wert = z.wert;
      t.steuerfrei = z.steuerfrei;
      t.steuerpflichtig = z.wert - z.steuerfrei;
      t.svpflichtig = z.wert - z.beitragsfrei;
    }
    if (b.art == Bezugsart::Entgeltumwandlung) entgeltumwandlung(m, b, t);
    if (b.art != Bezugsart::Entgeltumwandlung) t.beitragsfrei = t.wert - t.svpflichtig;
    if (r.zahlung == Zahlungsart::Abzug) {
      t.steuerfrei = t.beitragsfrei = Money();
      t.nettoabzug = t.wert;
    }
    if (b.art == Bezugsart::Vermoegensbildung) t.nettoabzug = b.sparbetrag.value_or(b.betrag);
    if (r.zahlung == Zahlungsart::Bar || r.zahlung == Zahlungsart::Sachbezug)
      t.arbeitgeberkosten = t.wert + t.pauschsteuer;

    e.StBruttoZusatz += t.steuerpflichtig - t.minderung;
    e.SVBruttoZusatz += t.svpflichtig - t.minderung;
    if (t.sachbezug) e.GeldwerterVorteil += t.steuerpflichtig;
    if (r.zahlung == Zahlungsart::Bar) e.SteuerfreieZahlungen += t.wert - t.steuerpflichtig;
    e.Nettoabzuege += t.nettoabzug;
    e.ArbeitgeberzuschussBAV += t.arbeitgeberzuschuss;
    if (b.art == Bezugsart::Entgeltumwandlung) e.BeitragBAV += t.wert + t.arbeitgeberzuschuss;
    e.Arbeitgeberkosten += t.arbeitgeberkosten;
    e.teile.push_back(t);
  }
  e.PauschalsteuerArbeitgeber = e.PauschalLSt + e.PauschalSolZ + e.PauschalKiSt;
  return e;
}

Money Auszahlungsbetrag(Money netto, const Bezugsergebnis& b) {
  return netto - b.GeldwerterVorteil - b.Nettoabzuege + b.SteuerfreieZahlungen;
}

}  // namespace salvaro
