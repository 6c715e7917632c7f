#include "abrechnung/Berechnung.h"

#include <cstdio>
#include <initializer_list>
#include <utility>

#include "abrechnung/Altersangaben.h"
#include "abrechnung/Bezugsfall.h"
#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Hochrechnung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Beitragsjahre.h"
#include "engine/Gehalt.h"
#include "tax/EngineWahl.h"

namespace salvaro {

using namespace literale;

int MonatAusName(std::string_view name) {
  for (std::size_t i = 0; i < kMonatsnamen.size(); ++i)
    if (kMonatsnamen[i] == name) return static_cast<int>(i) + 1;
  return 0;
}

int MonatAusNameOhneGrossschreibung(std::string_view name) {
  for (std::size_t i = 0; i < kMonatsnamen.size(); ++i)
    if (GleichOhneGrossschreibung(kMonatsnamen[i], name)) return static_cast<int>(i) + 1;
  return 0;
}

bool GleichOhneGrossschreibung(std::string_view a, std::string_view b) {
  const auto klein = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (klein(a[i]) != klein(b[i])) return false;
  return true;
}

int KiStLandNummer(std::string_view name) {
  for (std::size_t i = 1; i < kKiStLaender.size(); ++i)
    if (kKiStLaender[i] == name) return static_cast<int>(i);
  return 0;
}

std::string Datum::Text() const {
  char puffer[16];
  std::snprintf(puffer, sizeof puffer, "%02d.%02d.%04d", tag % 100, monat % 100, jahr % 10000);
  return puffer;
}

namespace {

bool rechenbar(int jahr) { return BeitragsjahrFuer(jahr) != nullptr && EngineFuer(jahr, 1); }

// An amount field; an empty one counts as 0 where the window says so.
Money betrag(const std::string& text) { return LiesFeld(text); }

std::string feldtext(Money m) { return ZweiNachkommastellen(SchlichterText(m)); }
std::string label(Money abzug) { return FormatDE(-abzug); }

bool gruppeGueltig(const std::string& bgr) {
  return bgr.size() == 4 && bgr.find_first_not_of("0123456789") == std::string::npos;
}

// The rate of a "+ 1,60%" field and of a "14,60%" field.
Money zusatzSatz(const std::string& text) { return LiesFeld(text.size() > 2 ? text.substr(2, 4) : ""); }
Money kvSatz(const std::string& text) {
  return LiesFeld(text.empty() ? text : text.substr(0, text.size() - 1));
}

// The transition zone runs from the marginal limit + 0.01 up to and including its upper limit;
// marginal employment keeps its flat rates whatever the pay. The switch "ohne
// Übergangsbereich" only decides whether the zone's reduced base is used.
bool entgeltImUebergangsbereich(const TLohnGehalt& f) {
  return f.Minijob == 0 && f.SVBrutto > f.GleitzoneUntergrenze &&
         f.SVBrutto <= f.GleitzoneObergrenze;
}

Meldung fehler(std::string text, Meldung::Fokus fokus = Meldung::Fokus::Keiner) {
  return {Meldung::Art::Fehler, std::move(text), 0, fokus};
}
Meldung hinweis(std::string text, Meldung::Fokus fokus = Meldung::Fokus::Keiner) {
  return {Meldung::Art::Hinweis, std::move(text), 0, fokus};
}

}  // namespace

int ErstesRechenjahr() {
  static const int jahr = [] {
    int j = 1990;
    while (j < 2100 && !rechenbar(j)) ++j;
    return j;
  }();
  return jahr;
}

int LetztesRechenjahr() {
  static const int jahr = [] {
    int j = ErstesRechenjahr();
    while (rechenbar(j + 1)) ++j;
    return j;
  }();
  return jahr;
}

Start StarteMitEnter(Eingaben& e, Feld feld) {
  Start s;
  if ((feld == Feld::Brutto ? e.Brutto : e.Netto).empty()) return s;
  if (feld == Feld::Netto) {
    // The desired net is the first gross trial.
    e.BruttoUebernahme = true;
    e.Brutto = e.Netto;
  }
  if (!e.BruttoUebernahme) {
    if (e.SVBrutto.empty()) {
      s.meldung = hinweis("SV-Brutto fehlt");
      return s;
    }
    if (e.StBrutto.empty()) {
      s.meldung = hinweis("Steuerbrutto fehlt");
      return s;
    }
  }
  if (e.BGR.size() < 4) {
    s.meldung = hinweis("Beitragsgruppe muß immer vierstellig sein!", Meldung::Fokus::Beitragsgruppe);
    return s;
  }
  StarteMitKnopf(e, feld);
  s.rechnen = true;
  return s;
}

void StarteMitKnopf(Eingaben& e, Feld feld) {
  (feld == Feld::Brutto ? e.BruttoMarke : e.NettoMarke) = 1;
}

Bezugsergebnis FuelleFall(TLohnGehalt& fall, const Eingaben& e) {
  const int jahr = LiesGanzzahl(e.Jahr);
  fall.SetRechtskreis(e.Ost ? 0 : 1);
  fall.SetJahr(jahr);
  fall.SetBGR(e.BGR);
  fall.SetMonat(e.MonatNr);
  fall.SetStTage(30);
  fall.SetSVTage(30);
  fall.SetGleitzone(e.OhneUebergangsbereich ? 0 : 1);
  fall.SetRVVolleBeitraege(0);
  // The childless surcharge is due from age 23 in the year of the calculation, and not for those
  // born before 1940.
  // Children under 25 are children: no surcharge then either.
  const int gebJahr = LiesGanzzahl(e.GebJahr);
  const int kinderUnter25 = e.KinderUnter25.empty() ? 0 : LiesGanzzahl(e.KinderUnter25);
  const bool zuschlagsalter = gebJahr <= jahr - 23 && gebJahr >= 1940;
  fall.SetPVErhoeht(!e.PVNichtErhoeht && zuschlagsalter && kinderUnter25 == 0 ? 1 : 0);
  fall.SetPVSachsen(e.PVSachsen ? 1 : 0);
  fall.SetVerzichtRVFreiheit(e.RVVerzicht ? 1 : 0);
  fall.SetFrwTatsBrutto(e.FrwTatsBrutto ? 1 : 0);
  const Money pkv = LiesFeldOderNull(e.PKV), ppv = LiesFeldOderNull(e.PPV);
  fall.SetPKVBetrag(pkv);
  fall.SetPPVBetrag(ppv);
  if (e.ChkPKV) fall.SetKVStatus(4);
  fall.SetPVStatus(e.ChkPPV ? 4 : 0);
  fall.SetKVZusBeitrag(zusatzSatz(e.KVZus));
  fall.SetPKPV(e.ChkPKV || e.PKVOhneZuschuss ? pkv + ppv : Money());
  int pkvSteuer = 0;
  if (e.PKVOhneZuschuss) {
    pkvSteuer = 1;
    fall.SetKVStatus(5);
    fall.SetPVStatus(5);
  }
  if (fall.KVStatus == 4) pkvSteuer = 2;
  fall.SetPKV(pkvSteuer);
  fall.SetKVSatz(kvSatz(e.KV));
  fall.SetStBrutto(betrag(e.StBrutto));
  fall.SetSonstBezug(Money());
  fall.SetEBSVBrutto(Money());
  fall.SetSVBrutto(betrag(e.SVBrutto));
  const Money stkl = betrag(e.StKl);
  fall.SetStKl(stkl > 6 ? 6 : static_cast<int>(stkl.raw() / Money::kScale));
  if (!e.Faktor.empty()) fall.SetFaktor(betrag(e.Faktor));
  const int land = KiStLandNummer(e.KiLand);
  fall.SetKiStLand(land);
  fall.SetKonfession(land != 0 ? 1 : 4);
  // The tax table: from 2025 one pension ceiling (1: not in the statutory pension insurance);
  // 2010-2024 West and East ceiling or the special table 2; before 2010 0 or 1.
  if (jahr >= 2025)
    fall.SetKRV(e.BesondereTabelle ? 1 : 0);
  else if (jahr >= 2010)
    fall.SetKRV(e.BesondereTabelle ? 2 : e.Ost ? 1 : 0);
  else
    fall.SetKRV(e.BesondereTabelle ? 1 : 0);
  if (!e.KiFB.empty())
    fall.SetKiFB(static_cast<float>(betrag(e.KiFB).raw()) / static_cast<float>(Money::kScale));
  if (!e.StFB.empty()) fall.SetStFB(betrag(e.StFB));
  fall.SetGebJahr(gebJahr);
  fall.SetBAVArt(0);
  fall.SetMehrfachbesch(0);
  fall.SetBruttoAndere(Money());
  fall.SetAufstockung(0);
  fall.SetKinderUnter25(kinderUnter25);
  FuelleAltersangaben(fall, e);
  fall.U1Satz = UmlagesatzAus(e.U1Satz);
  fall.U2Satz = UmlagesatzAus(e.U2Satz);
  return RechneMitBezuegen(fall, e, fall.StBrutto, betrag(e.SVBrutto));
}

void PauschalBesteuern(TLohnGehalt& fall, const Eingaben& e) {
  // The employer's flat tax of marginal employment covers the employee's wage tax.
  if (!e.PauschsteuerAG || fall.Minijob != 1) return;
  fall.LSt = fall.SolZ = fall.KiSt = fall.KiStAnteil1 = fall.KiStAnteil2 = Money();
}

Money KVAbzug(const TLohnGehalt& f) { return f.BGRKV == 9 ? f.KVAN - f.KVAG : f.KVAN; }

Money PVAbzug(const TLohnGehalt& f) {
  Money p = f.BGRKV == 9 ? f.PVAN - f.PVAG : f.PVAN;
  if (f.PVStatus == 3 || f.PVStatus == 4) p -= f.PVAN;
  return p;
}

Money GesetzlicheAbzuege(const TLohnGehalt& f) {
  return f.LSt + f.KiSt + f.SolZ + f.RVAN + f.AVAN + KVAbzug(f) + PVAbzug(f) + f.KVVersorgung +
         f.PVVersorgung;
}

// A pension paid with the pay is paid out with it.
Money NettoFormel(const TLohnGehalt& f, Money x) {
  return x + f.Versorgungsbezug - GesetzlicheAbzuege(f);
}

Abzugsbetraege AngezeigteAbzuege(const TLohnGehalt& f) {
  Abzugsbetraege a;
  a.LSt = f.LSt + f.LStEB;
  a.KiSt = f.KiSt;
  a.SolZ = f.SolZ + f.SolZEB;
  a.KV = KVAbzug(f) + f.KVANEB;
  a.RV = f.RVAN + f.RVANEB;
  a.AV = f.AVAN + f.AVANEB;
  a.PV = PVAbzug(f) + f.PVANEB;
  // The contributions on a pension paid with the pay.
  a.KV += f.KVVersorgung;
  a.PV += f.PVVersorgung;
  return a;
}

Ergebnis Berechne(Eingaben& e, TLohnGehalt& fall, const Datum& heute, bool mitAbrechnung) {
  Ergebnis r;
  if (e.GebJahr.size() < 4) {
    r.meldungen.push_back(fehler("Bitte ein Geburtsjahr eingeben", Meldung::Fokus::Geburtsjahr));
    return r;
  }
  // The year box can be typed into: a year the program has no values for is refused instead of
  // showing the previous calculation's taxes as new.
  const int jahr = LiesGanzzahl(e.Jahr);
  if (jahr < ErstesRechenjahr() || jahr > LetztesRechenjahr()) {
    r.meldungen.push_back(hinweis("Berechnung nur für die Jahre " + std::to_string(ErstesRechenjahr()) +
                                  " bis " + std::to_string(LetztesRechenjahr()) + " möglich"));
    e.BruttoMarke = e.NettoMarke = 0;
    return r;
  }
  // A recalculation button skips the checks of Enter; a group that is not four digits cannot
  // be calculated either way.
  if (!gruppeGueltig(e.BGR)) {
    r.meldungen.push_back(
        hinweis("Beitragsgruppe muß immer vierstellig sein!", Meldung::Fokus::Beitragsgruppe));
    e.BruttoMarke = e.NettoMarke = 0;
    return r;
  }
  if (e.MonatNr < 1 || e.MonatNr > 12) e.MonatNr = MonatAusName(e.Monat);
  if (e.MonatNr == 0) throw KonvertierungsFehler(e.Monat, true);
  if (const auto fehlt = PruefeAltersangaben(e, jahr, e.MonatNr)) {
    r.meldungen.push_back(fehler(*fehlt));
    e.BruttoMarke = e.NettoMarke = 0;
    return r;
  }

  Money eingabe = betrag(e.Brutto);
  if (e.BruttoMarke == 1 && e.BruttoUebernahme) e.StBrutto = e.SVBrutto = e.Brutto;
  if (e.NettoMarke == 1) {
    eingabe = betrag(e.Netto);
    e.StBrutto = e.SVBrutto = SchlichterText(eingabe);
  }
  Bezugsergebnis bezuege = FuelleFall(fall, e);
  // The regular grosses the components were added to.
  Money stRegulaer = betrag(e.StBrutto), svRegulaer = betrag(e.SVBrutto);
  if (bezuege.abgelehnt) {
    for (const std::string& m : bezuege.meldungen) r.meldungen.push_back(fehler(m));
    e.BruttoMarke = e.NettoMarke = 0;
    return r;
  }
  // The pay components add to the gross the net is formed of what they add to the wage-tax gross.
  Money netto = NettoFormel(fall, eingabe + bezuege.StBruttoZusatz);
  Money brutto = eingabe;
  r.schritte = 1;
  bool sprunghaft = false;
  if (e.NettoMarke == 1) {
    const Money ziel = betrag(e.Netto);
    const auto nettoFuer = [&](Money g) {
      stRegulaer = svRegulaer = g;
      bezuege = RechneMitBezuegen(fall, e, g, g);
      return NettoFormel(fall, g + bezuege.StBruttoZusatz);
    };
    // The search stays within what the gross field takes.
    const Money hoechst = Money::euro(kGrenzenBetrag.max);
    const Hochrechnung h = NettoZuBrutto(ziel, netto, e.StKl == "6", nettoFuer, hoechst);
    r.schritte = h.schritte;
    if (h.unerreichbar || h.zuHoch) {
      r.meldungen.push_back(fehler(h.zuHoch ? "Dieses Netto ergibt sich aus keinem Brutto bis " +
                                                  FormatDE(hoechst)
                                            : "Dieses Netto ergibt sich aus keinem Brutto ab 0,00"));
      e.BruttoMarke = e.NettoMarke = 0;
      return r;
    }
    if (!h.geloest) {
      sprunghaft = !NettoGleichmaessigUm(h.brutto, nettoFuer);
      // The case shows the closest trial, which need not be the last one.
      nettoFuer(h.brutto);
      r.ungeloest = true;
    }
    brutto = h.brutto;
    netto = h.netto;
  }

  // The payment and the severance on top of the regular pay of the month.
  Einmalvorgaben vorgaben = EinmalvorgabenAus(e);
  vorgaben.BezugsBrutto = bezuege.StBruttoZusatz;
  vorgaben.BezugsKosten = bezuege.Arbeitgeberkosten;
  r.einmal = BerechneEinmalzahlung(fall, brutto, e, vorgaben);
  if (r.einmal.abgelehnt) {
    for (const std::string& m : r.einmal.meldungen) r.meldungen.push_back(fehler(m));
    e.BruttoMarke = e.NettoMarke = 0;
    return r;
  }

  // What the window shows.
  e.StBrutto = ZweiNachkommastellen(e.StBrutto);
  // The field shows the pension base; with pay components a typed regular gross stays, or the
  // next calculation would add them twice.
  if (bezuege.leer() || e.BruttoUebernahme) e.SVBrutto = feldtext(fall.BemRV);
  auto& a = r.abzug;
  static_cast<Abzugsbetraege&>(a) = AngezeigteAbzuege(fall);
  r.LSt = label(a.LSt);
  r.KiSt = label(a.KiSt);
  r.SolZ = label(a.SolZ);
  r.KV = label(a.KV);
  r.RV = label(a.RV);
  r.AV = label(a.AV);
  r.PV = label(a.PV);
  if (e.BruttoMarke == 1) {
    e.Netto = feldtext(netto);
    e.Brutto = ZweiNachkommastellen(e.Brutto);
  }
  if (e.NettoMarke == 1) {
    e.StBrutto = e.Brutto = feldtext(brutto);
    e.Netto = feldtext(netto);
  }
  e.BruttoMarke = e.NettoMarke = 0;
  a.GesAbz = GesetzlicheAbzuege(fall);
  r.GesAbz = SchlichterText(a.GesAbz);
  r.brutto = brutto;
  r.netto = netto;
  r.steuerbrutto = fall.StBrutto;
  r.auszahlung = Auszahlungsbetrag(r.einmal.NettoGesamt, bezuege);
  r.svbrutto = fall.BemRV;
  if (bezuege.BeitragBAV != 0)
    r.nettoaufwandBAV = NettoaufwandEntgeltumwandlung(fall, e, brutto, stRegulaer, svRegulaer);
  r.bezuege = std::move(bezuege);
  if (mitAbrechnung) {
    r.saetze = SatzanzeigeFuer(fall);
    r.abrechnung = Detailabrechnung(e, fall, r.saetze, r.GesAbz, heute, r.einmal, &r);
  }
  r.gerechnet = true;
  for (const std::string& m : r.einmal.meldungen)
    r.meldungen.push_back({Meldung::Art::Information, m});

  if (r.ungeloest) {
    std::string text = "Hochrechnung nach 200 Schritten abgebrochen";
    if (sprunghaft)
      text +=
          "\nDas Netto steigt hier nicht gleichmäßig mit dem Brutto; dieses Netto ist "
          "möglicherweise nicht genau erreichbar.";
    // The closest gross is shown: an information, not an error.
    r.meldungen.push_back({Meldung::Art::Information, text, 2001});
  }
  if (auto m = Geringfuegigkeitspruefung(e, fall)) r.meldungen.push_back(*m);
  r.vorschlag = VorschlagNachAltersgrenze(fall);
  r.alter = AlterswerteVon(fall, r.einmal.AktivrenteEinmal);
  return r;
}

std::optional<Meldung> Geringfuegigkeitspruefung(const Eingaben& e, const TLohnGehalt& fall) {
  if (e.BGR != "6500" && e.BGR != "0500" && e.BGR != "6100") return std::nullopt;
  const std::optional<Money> grenze = Geringfuegigkeitsgrenze(fall.Jahr, fall.Monat);
  if (!grenze || fall.SVBemessung <= *grenze) return std::nullopt;
  return Meldung{Meldung::Art::Information,
                 "Die Geringfügigkeitsgrenze beträgt " + SchlichterText(*grenze) + " Euro"};
}

std::vector<std::string> Detailabrechnung(Eingaben& e, const TLohnGehalt& f,
                                          const Satzanzeige& s, const std::string& gesAbz,
                                          const Datum& heute, const Einmalergebnis& einmal,
                                          const Ergebnis* ergebnis) {
  const Ergebnis* bz = ergebnis != nullptr && !ergebnis->bezuege.leer() ? ergebnis : nullptr;
  const auto text = [](Money m) { return SchlichterText(m); };
  const std::string leer(kSpaltenbreite, ' ');
  const bool eb = f.SonstBezug > 0, ebSV = f.EBSVBrutto > 0;
  const std::string kvSatz =
      KVZusSichtbar(f.Jahr, f.Monat) ? e.KV + " + " + e.KVZus.substr(2, 4) + "%" : e.KV;
  const std::string pvSatz = f.PVErhoeht == 1 ? s.PV + " " + s.PVKinder : s.PV;

  std::vector<std::string> l;
  l.push_back("BERECHNUNG:" + std::string(kSpaltenbreite - 11, ' '));
  l.push_back(leer);
  l.push_back(AbrZeile("Brutto                        ", e.Brutto, true, false));
  ZeilenVersorgungsbezug(l, f);
  l.push_back(leer);
  l.push_back(AbrZeile("Lohnsteuer", text(f.LSt), true, true));
  if (eb) l.push_back(AbrZeile("Lohnsteuer EB", text(f.LStEB), true, true));
  l.push_back(AbrZeile("Kirchensteuer", text(f.KiSt), true, true));
  l.push_back(AbrZeile("Solidaritätszuschlag", text(f.SolZ), true, true));
  if (eb) l.push_back(AbrZeile("Solidaritätszuschlag EB", text(f.SolZEB), true, true));
  l.push_back(AbrZeile("Krankenversicherung " + kvSatz, text(KVAbzug(f)), true, true));
  if (ebSV) l.push_back(AbrZeile("Krankenversicherung EB " + kvSatz, text(f.KVANEB), true, true));
  l.push_back(AbrZeile("Rentenversicherung " + s.RV, text(f.RVAN), true, true));
  if (ebSV) l.push_back(AbrZeile("Rentenversicherung EB " + s.RV, text(f.RVANEB), true, true));
  l.push_back(AbrZeile("Arbeitslosenversicherung " + s.AV, text(f.AVAN), true, true));
  if (ebSV) l.push_back(AbrZeile("Arbeitslosenversicherung EB " + s.AV, text(f.AVANEB), true, true));
  l.push_back(AbrZeile("Pflegeversicherung " + pvSatz, text(PVAbzug(f)), true, true));
  ZeilenVersorgungsbeitraege(l, f);
  l.push_back(leer);
  l.push_back(AbrZeile("Summe gesetzliche Abzüge", gesAbz, true, true));
  l.push_back(leer);
  l.push_back(AbrZeile("Netto", e.Netto, true, false));

  // The payment, the severance and the employer's side, each only when there is something to show.
  const Einmalergebnis& z = einmal;
  const Money zahlung = z.NettoEinmal + z.LStEinmal + z.SolZEinmal + z.KiStEinmal + z.SVEinmalAN;
  const Money abfindung = z.NettoAbfindung + z.LStAbfindung + z.SolZAbfindung + z.KiStAbfindung;
  const Money mehrjaehrig = z.NettoMehrjaehrig + z.LStMehrjaehrig + z.SolZMehrjaehrig +
                            z.KiStMehrjaehrig + z.SVMehrjaehrigAN;
  // A payment's block: its amount, its deductions, what is left of it.
  using Abzug = std::pair<const char*, Money>;
  const auto block = [&](const char* titel, Money betrag, std::initializer_list<Abzug> abzuege,
                         const char* netto, Money rest) {
    if (betrag == 0) return;
    l.push_back(leer);
    l.push_back(AbrZeile(titel, text(betrag), true, false));
    for (const auto& [name, m] : abzuege) l.push_back(AbrZeile(name, text(m), true, true));
    l.push_back(AbrZeile(netto, text(rest), true, false));
  };
  block("Einmalzahlung", zahlung,
        {{"Lohnsteuer Einmalzahlung", z.LStEinmal},
         {"Solidaritätszuschlag Einmalz.", z.SolZEinmal},
         {"Kirchensteuer Einmalzahlung", z.KiStEinmal},
         {"Sozialversicherung Einmalz.", z.SVEinmalAN}},
        "Netto Einmalzahlung", z.NettoEinmal);
  block("Mehrjährige Vergütung", mehrjaehrig,
        {{"Lohnsteuer mehrj. Vergütung", z.LStMehrjaehrig},
         {"Solidaritätszuschl. mehrj. V.", z.SolZMehrjaehrig},
         {"Kirchensteuer mehrj. Vergütung", z.KiStMehrjaehrig},
         {"Sozialversicherung mehrj. V.", z.SVMehrjaehrigAN}},
        "Netto mehrj. Vergütung", z.NettoMehrjaehrig);
  block("Abfindung", abfindung,
        {{"Lohnsteuer Abfindung", z.LStAbfindung},
         {"Solidaritätszuschlag Abfindung", z.SolZAbfindung},
         {"Kirchensteuer Abfindung", z.KiStAbfindung}},
        "Netto Abfindung", z.NettoAbfindung);
  if (zahlung != 0 || mehrjaehrig != 0 || abfindung != 0) {
    l.push_back(leer);
    l.push_back(AbrZeile("Netto gesamt", text(z.NettoGesamt), true, false));
  }
  if (bz != nullptr) {
    const std::vector<std::string> b =
        Bezugszeilen(bz->bezuege, z.NettoGesamt, bz->auszahlung, bz->nettoaufwandBAV);
    l.insert(l.end(), b.begin(), b.end());
  }
  if (e.Arbeitgeberseite) {
    l.push_back(leer);
    l.push_back("ARBEITGEBER:" + std::string(kSpaltenbreite - 12, ' '));
    l.push_back(leer);
    l.push_back(AbrZeile("Krankenversicherung AG", text(z.KVAG), true, false));
    l.push_back(AbrZeile("Rentenversicherung AG", text(z.RVAG), true, false));
    l.push_back(AbrZeile("Arbeitslosenversicherung AG", text(z.AVAG), true, false));
    l.push_back(AbrZeile("Pflegeversicherung AG", text(z.PVAG), true, false));
    if (z.Pauschsteuer != 0)
      l.push_back(AbrZeile("Pauschsteuer 2 %", text(z.Pauschsteuer), true, false));
    if (bz != nullptr) {
      const std::vector<std::string> b = BezugszeilenArbeitgeber(bz->bezuege);
      l.insert(l.end(), b.begin(), b.end());
    }
    l.push_back(AbrZeile("Insolvenzgeldumlage", text(z.InsoUmlage), true, false));
    l.push_back(AbrZeile("Umlage U1", text(z.UmlageU1), true, false));
    l.push_back(AbrZeile("Umlage U2", text(z.UmlageU2), true, false));
    l.push_back(leer);
    l.push_back(AbrZeile("Gesamtkosten Arbeitgeber", text(z.Gesamtkosten), true, false));
  }

  std::vector<std::string> r;
  r.push_back("BERECHNUNGSGRUNDLAGEN:");
  r.push_back(leer);
  r.push_back(AbrZeile("Abrechnungsmonat", e.Monat + " " + e.Jahr, false, false));
  r.push_back(AbrZeile("Steuer-Brutto", e.StBrutto, true, false));
  if (eb) r.push_back(AbrZeile("Steuer-Brutto EB", text(f.SonstBezug), true, false));
  if (bz != nullptr)
    r.push_back(AbrZeile("Steuer-Brutto mit Bezügen", text(f.StBrutto), true, false));
  r.push_back(AbrZeile("KV/PV-Brutto", text(f.BemKV), true, false));
  r.push_back(AbrZeile("RV/AV-Brutto", text(f.BemRV), true, false));
  if (ebSV) {
    r.push_back(AbrZeile("KV/PV-Brutto EB", text(f.EBBemKV), true, false));
    r.push_back(AbrZeile("RV/AV-Brutto EB", text(f.EBBemRV), true, false));
  }
  r.push_back(AbrZeile("Steuerklasse", e.StKl, false, false));
  if (f.Faktor > 0) r.push_back(AbrZeile("Faktor bei Steuerklasse 4", text(f.Faktor), false, false));
  r.push_back(AbrZeile("Kinderfreibetrag", e.KiFB, false, false));
  if (f.KinderUnter25 != 0)
    r.push_back(AbrZeile("Kinder unter 25", std::to_string(f.KinderUnter25), false, false));
  r.push_back(AbrZeile("Bundesland f.KiSteuer", e.KiLand, false, false));
  if (e.StFB.empty()) e.StFB = "0";
  const Money stfb = LiesFeld(e.StFB);
  r.push_back(stfb >= 0 ? AbrZeile("Freibetrag", e.StFB, true, false)
                        : AbrZeile("Hinzurechnungsbetrag", e.StFB, true, true));
  r.push_back(AbrZeile("Steuertabelle", e.BesondereTabelle ? "besondere Tabelle" : "allgemeine Tabelle",
                       false, false));
  r.push_back(AbrZeile("Geburtsjahr", e.GebJahr, false, false));
  ZeilenAlter(r, e, f, einmal.AktivrenteEinmal);
  if (f.Jahr >= 2010) {
    static constexpr const char* kStatus[] = {"Gesetzl. krankenvers.", "Priv.krankenv.o.AG-Zusch.",
                                              "Priv.krankenv.m.AG-Zusch."};
    r.push_back(AbrZeile("Status Steuerber.", kStatus[f.PKV >= 0 && f.PKV <= 2 ? f.PKV : 0], false,
                         false));
    if (f.KVStatus >= 3 && f.KVStatus <= 5)
      r.push_back(AbrZeile("Steuerl.PKV/PPV-Beitr.", text(f.PKPV), true, false));
  }
  r.push_back(AbrZeile("Altersentlastungsfreibetrag", f.ALTER1 == 1 ? "ja" : "nein", false, false));
  r.push_back(AbrZeile("Rechtskreis", f.Rechtskreis == 1 ? "West" : "Ost", false, false));
  if (f.PVSachsen == 1) r.push_back(AbrZeile("Pflegeversicherung Sachsen", "ja", false, false));
  r.push_back(AbrZeile("Beitragsgruppe", e.BGR, false, false));
  if (f.KVStatus == 3 || f.KVStatus == 4)
    r.push_back(AbrZeile("Arbeitgeber-Zuschuss PKV ", text(f.KVAG), true, false));
  if (f.PVStatus == 3 || f.PVStatus == 4)
    r.push_back(AbrZeile("Arbeitgeber-Zuschuss PPV ", text(f.PVAG), true, false));
  if (entgeltImUebergangsbereich(f))
    r.push_back(AbrZeile("Übergangsbereich", f.Gleitzone == 1 ? "ja" : "nein", false, false));
  if (zahlung != 0 || mehrjaehrig != 0) {
    r.push_back(AbrZeile("Jahresarbeitslohn Einmalz.", text(z.JRE4), true, false));
    r.push_back(AbrZeile("KV/PV-Brutto Einmalz.", text(z.EBBemKV), true, false));
    r.push_back(AbrZeile("RV/AV-Brutto Einmalz.", text(z.EBBemRV), true, false));
    if (z.Vorjahr)
      r.push_back(AbrZeile("SV der Einmalzahlung", "Dezember " + std::to_string(f.Jahr - 1),
                           false, false));
  }
  const char* versteuert = z.AbfindungAlsEinmalzahlung ? "sonstiger Bezug" : "Fünftelregelung";
  if (mehrjaehrig != 0)
    r.push_back(AbrZeile("Mehrj. Vergütung versteuert", versteuert, false, false));
  if (abfindung != 0) r.push_back(AbrZeile("Abfindung versteuert", versteuert, false, false));
  if (e.Arbeitgeberseite) {
    r.push_back(AbrZeile("U1-Satz", FormatDE(UmlagesatzAus(e.U1Satz)) + "%", false, false));
    r.push_back(AbrZeile("U2-Satz", FormatDE(UmlagesatzAus(e.U2Satz)) + "%", false, false));
  }

  return FuegeZusammen(l, r, heute.Text());
}

}  // namespace salvaro
