#include "abrechnung/Altersangaben.h"

#include <algorithm>

#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Zahlentext.h"
#include "alter/Aktivrente.h"
#include "engine/Gehalt.h"
#include "money/OruMath.h"

namespace salvaro {

namespace {

bool nurZiffern(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<int> monatszahl(std::string_view s) {
  if (!nurZiffern(s) || s.size() > 2) return std::nullopt;
  const int m = LiesGanzzahl(s);
  return m >= 1 && m <= 12 ? std::optional(m) : std::nullopt;
}

std::optional<int> jahreszahl(std::string_view s) {
  if (!nurZiffern(s) || s.size() != 4) return std::nullopt;
  const int j = LiesGanzzahl(s);
  return j >= 1900 ? std::optional(j) : std::nullopt;
}

std::string betrag(Money m) {
  return SchlichterText(m);
}

}  // namespace

std::optional<int> GebMonatAus(const std::string& text) {
  if (text.empty()) return 0;
  if (const int nr = MonatAusNameOhneGrossschreibung(text); nr != 0) return nr;
  return monatszahl(text);
}

std::optional<Kalendermonat> VersorgungsbeginnAus(const std::string& text) {
  if (const auto j = jahreszahl(text)) return Kalendermonat{*j, 0};
  // JJJJ-MM, or MM/JJJJ and MM.JJJJ as a date is written.
  const std::size_t trenner = text.find_first_of("-/.");
  if (trenner == std::string::npos) return std::nullopt;
  std::string_view vorn(text), hinten(text);
  vorn = vorn.substr(0, trenner);
  hinten = hinten.substr(trenner + 1);
  const bool jahrVorn = text[trenner] == '-';
  const auto j = jahreszahl(jahrVorn ? vorn : hinten);
  const auto m = monatszahl(jahrVorn ? hinten : vorn);
  if (!j || !m) return std::nullopt;
  return Kalendermonat{*j, *m};
}

std::string MonatText(Kalendermonat m) {
  const std::string jahr = std::to_string(m.jahr);
  if (m.monat < 1 || m.monat > 12) return jahr;
  return std::string(kMonatsnamen[static_cast<std::size_t>(m.monat - 1)]) + " " + jahr;
}

std::optional<std::string> PruefeAltersangaben(const Eingaben& e, int jahr, int monat) {
  if (!GebMonatAus(e.GebMonat))
    return "Geburtsmonat bitte als Zahl von 1 bis 12 oder als Monatsname eingeben";
  Money bezug;
  try {
    bezug = LiesFeldOderNull(e.Versorgungsbezug);
  } catch (const KonvertierungsFehler&) {
    return "Versorgungsbezug bitte als Betrag eingeben, zum Beispiel 800,00";
  }
  if (bezug < Money()) return "Der Versorgungsbezug darf nicht negativ sein";
  if (bezug == Money()) return std::nullopt;
  if (e.Versorgungsbeginn.empty()) return "Bitte das Jahr des Versorgungsbeginns eingeben";
  const std::optional<Kalendermonat> beginn = VersorgungsbeginnAus(e.Versorgungsbeginn);
  if (!beginn) return "Versorgungsbeginn bitte als JJJJ oder JJJJ-MM eingeben";
  const Kalendermonat ab{beginn->jahr, beginn->monat == 0 ? 1 : beginn->monat};
  if (ab.Nummer() > Kalendermonat{jahr, monat}.Nummer())
    return "Der Versorgungsbeginn liegt nach dem Abrechnungsmonat";
  return std::nullopt;
}

void FuelleAltersangaben(TLohnGehalt& fall, const Eingaben& e) {
  fall.SetGebMonat(GebMonatAus(e.GebMonat).value_or(0));
  fall.SetAktivrente(!e.Aktivrente ? 0 : e.AktivrenteStKl6 ? 2 : 1);
  const Kalendermonat beginn = VersorgungsbeginnAus(e.Versorgungsbeginn).value_or(Kalendermonat{});
  // A month before the pension began (a month of the year view) has none.
  const bool begonnen = Kalendermonat{beginn.jahr, std::max(beginn.monat, 1)}.Nummer() <=
                        Kalendermonat{fall.Jahr, fall.Monat}.Nummer();
  const Money bezug = begonnen ? LiesFeldOderNull(e.Versorgungsbezug) : Money();
  fall.SetVersorgungsbezug(
      bezug,
      e.Beamtenpension ? Versorgungsbezugsart::Beamtenpension : Versorgungsbezugsart::Betriebsrente,
      beginn.jahr, beginn.monat);
  // A pension without pay has no employer to subsidise a private premium: the premium counts for
  // the tax as one without subsidy.
  if (bezug > 0 && fall.StBrutto == 0 && fall.KVStatus == 4) {
    fall.SetKVStatus(5);
    fall.SetPVStatus(5);
    fall.SetPKV(1);
  }
}

std::optional<Beitragsgruppenvorschlag> VorschlagNachAltersgrenze(const TLohnGehalt& fall) {
  // A pension alone has no employment whose group could change.
  if (fall.NachRegelaltersgrenze != 1 || fall.StBrutto == 0) return std::nullopt;
  const std::string neu = BeitragsgruppeNachRegelaltersgrenze(fall.BGR, fall.Jahr);
  if (neu == fall.BGR) return std::nullopt;
  return Beitragsgruppenvorschlag{neu, "Regelaltersgrenze im " + MonatText(fall.Regelaltersgrenze) +
                                           " erreicht: Beitragsgruppe " + neu + " vorgeschlagen"};
}

JahreswerteEinmalzahlung JahreswerteMitAlter(const TLohnGehalt& f, Money jre4, Money bisher) {
  JahreswerteEinmalzahlung w{jre4, Money()};
  if (f.AktivrenteFrei > 0) {
    int frueher = 0;
    for (int m = 1; m < f.Monat; ++m)
      if (Kalendermonat{f.Jahr, m}.Nummer() > f.Regelaltersgrenze.Nummer() &&
          AktivrenteJeMonat(f.Jahr, m) > 0)
        ++frueher;
    Money frei = Money::runde(f.AktivrenteFrei * (13 - f.Monat));
    if (frueher > 0)
      frei += std::min(RundeCent(bisher * frueher / (f.Monat - 1)),
                       Money::runde(AktivrenteJeMonat(f.Jahr, f.Monat) * frueher));
    w.JRE4 = std::max(w.JRE4 - frei, Money());
  }
  if (f.Versorgungsbezug > 0) {
    w.JVBEZ = Money::runde(f.Versorgungsbezug * f.VersorgungsmonateImJahr());
    w.JRE4 += w.JVBEZ;
  }
  return w;
}

void ZeilenVersorgungsbezug(std::vector<std::string>& l, const TLohnGehalt& f) {
  if (f.Versorgungsbezug > 0)
    l.push_back(AbrZeile("Versorgungsbezug", betrag(f.Versorgungsbezug), true, false));
}

void ZeilenVersorgungsbeitraege(std::vector<std::string>& l, const TLohnGehalt& f) {
  if (f.KVVersorgung > 0)
    l.push_back(AbrZeile("Krankenvers. Versorgungsbezug", betrag(f.KVVersorgung), true, true));
  if (f.PVVersorgung > 0)
    l.push_back(AbrZeile("Pflegevers. Versorgungsbezug", betrag(f.PVVersorgung), true, true));
}

void ZeilenAlter(std::vector<std::string>& r, const Eingaben& e, const TLohnGehalt& f,
                 Money aktivrenteEinmal) {
  const auto zeile = [&r](const std::string& label, const std::string& wert) {
    r.push_back(AbrZeile(label, wert, false, false));
  };
  const auto summe = [&r](const std::string& label, Money m) {
    r.push_back(AbrZeile(label, betrag(m), true, false));
  };
  const int gebMonat = GebMonatAus(e.GebMonat).value_or(0);
  if (gebMonat != 0) zeile("Geburtsmonat", std::string(kMonatsnamen[gebMonat - 1]));
  // The retirement age from the year it is reached.
  if (f.GebJahr > 0 && f.Regelaltersgrenze.jahr <= f.Jahr) {
    zeile("Regelaltersgrenze erreicht", MonatText(f.Regelaltersgrenze));
    if (gebMonat == 0) zeile("Geburtsmonat (nicht angegeben)", "Dezember");
  }
  if (f.NachRegelaltersgrenze == 1 && f.StBrutto > 0) {
    const char* rv = f.BGRRV == 3   ? "nur AG-Anteil"
                     : f.BGRRV == 1 ? "Beiträge (Verzicht)"
                                    : "keine Beiträge";
    const bool agAV = f.BGRAV == 2 && ArbeitgeberanteilAVNachAltersgrenze(f.Jahr);
    const char* av = f.BGRAV == 1 ? "volle Beiträge" : agAV ? "nur AG-Anteil" : "keine Beiträge";
    zeile("RV nach Altersgrenze", rv);
    zeile("AV nach Altersgrenze", av);
  }
  if (f.KRVSteuer != f.KRV) zeile("Vorsorgepauschale", "ohne Rentenanteil");
  if (f.AktivrenteFrei > 0 || aktivrenteEinmal > 0) {
    summe("Aktivrente steuerfrei", f.AktivrenteFrei);
    if (aktivrenteEinmal > 0) summe("Aktivrente steuerfrei Einmalz.", aktivrenteEinmal);
  } else if (f.NachRegelaltersgrenze == 1 && AktivrenteJeMonat(f.Jahr, f.Monat) > 0 &&
             f.StBrutto > 0) {
    zeile("Aktivrente", AktivrenteZustand(f, aktivrenteEinmal));
  }
  if (f.Versorgungsbezug > 0) {
    zeile("Versorgungsbezug", f.VersorgungsbezugArt == Versorgungsbezugsart::Beamtenpension
                                  ? "Beamtenpension"
                                  : "Betriebsrente");
    zeile("Versorgungsbeginn", MonatText({f.VersorgungsbeginnJahr, f.VersorgungsbeginnMonat}));
    summe("Versorgungsfreibetrag Jahr", f.Versorgungsfreibetrag);
    summe("Zuschlag Versorgungsfreibetrag", f.ZuschlagVersorgungsfreibetrag);
  }
}

std::string AktivrenteZustand(const TLohnGehalt& f, Money aktivrenteEinmal) {
  if (f.AktivrenteFrei > 0 || aktivrenteEinmal > 0)
    return FormatDE(f.AktivrenteFrei + aktivrenteEinmal) + " € steuerfrei";
  if (AktivrenteJeMonat(f.Jahr, f.Monat) == 0) return "erst ab Januar 2026";
  if (f.GebJahr <= 0) return "ohne Geburtsjahr nicht möglich";
  if (f.NachRegelaltersgrenze != 1)
    return "ab " + MonatText(Kalendermonat::AusNummer(f.Regelaltersgrenze.Nummer() + 1));
  if (f.Aktivrente == 0) return "ausgeschaltet";
  if (f.StKl == 6 && f.Aktivrente != 2) return "Steuerklasse 6: nur mit Bestätigung";
  if (f.Minijob == 1) return "nicht bei geringfügiger Beschäftigung";
  if (f.BGRRV != 1 && f.BGRRV != 3) return "nur mit Rentenbeitrag des Arbeitgebers";
  return "kein Arbeitslohn";
}

Alterswerte AlterswerteVon(const TLohnGehalt& f, Money aktivrenteEinmal) {
  Alterswerte w;
  if (f.GebJahr > 0) w.regelaltersgrenze = MonatText(f.Regelaltersgrenze);
  w.aktivrente = f.AktivrenteFrei;
  w.aktivrenteEinmal = aktivrenteEinmal;
  w.versorgungsfreibetrag = f.Versorgungsfreibetrag;
  w.zuschlagVersorgungsfreibetrag = f.ZuschlagVersorgungsfreibetrag;
  w.kvVersorgung = f.KVVersorgung;
  w.pvVersorgung = f.PVVersorgung;
  w.aktivrenteZustand = AktivrenteZustand(f, aktivrenteEinmal);
  return w;
}

}  // namespace salvaro
