#include "cli/Ansichten.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <sstream>

#include "abrechnung/Zahlentext.h"
#include "ansichten/Ansichtstexte.h"
#include "ansichten/Jahresuebersicht.h"
#include "ansichten/Steuerklassenwahl.h"
#include "ansichten/Verlauf.h"
#include "cli/Aufruf.h"
#include "cli/Optionen.h"
#include "cli/Rechnen.h"

namespace salvaro {

namespace {

// The inputs of the options after the checks of rechne; a net is first turned into its gross.
// Returns the exit code of a refusal, or nothing.
std::optional<int> geprueft(Auftrag& a, std::ostream& fehler) {
  Auftrag probe = a;
  Ergebnis r;
  std::ostringstream meldungen;
  const int code = RechneAuftrag(probe, r, meldungen);
  if (!r.gerechnet || code == kUngeloest) {
    fehler << meldungen.str();
    return code;
  }
  Vervollstaendige(a);
  if (a.feld == Feld::Netto) {
    a.eingaben.Brutto = SchlichterText(r.brutto);
    a.eingaben.BruttoUebernahme = true;
  }
  return std::nullopt;
}

std::string titel(const Eingaben& e) {
  return "Brutto " + FormatDE(LiesFeld(e.Brutto)) + ", Steuerklasse " + e.StKl;
}

nlohmann::ordered_json jsonJahr(const Jahresuebersicht& j) {
  // As rechne: amounts in euros, deductions negative.
  const auto werte = [&j](const Monatswerte& w) {
    nlohmann::ordered_json o;
    o["Brutto"] = AlsJsonZahl(w.brutto);
    o["Einmalzahlung"] = AlsJsonZahl(w.einmalzahlung);
    o["Lohnsteuer"] = AlsJsonZahl(-w.LSt);
    o["Solidaritaetszuschlag"] = AlsJsonZahl(-w.SolZ);
    o["Kirchensteuer"] = AlsJsonZahl(-w.KiSt);
    o["Krankenversicherung"] = AlsJsonZahl(-w.KV);
    o["Rentenversicherung"] = AlsJsonZahl(-w.RV);
    o["Arbeitslosenversicherung"] = AlsJsonZahl(-w.AV);
    o["Pflegeversicherung"] = AlsJsonZahl(-w.PV);
    o["SummeGesetzlicheAbzuege"] = AlsJsonZahl(-w.abzuege);
    o["Netto"] = AlsJsonZahl(w.netto);
    o["Arbeitgeberkosten"] = AlsJsonZahl(w.arbeitgeberkosten);
    o["Aktivrente"] = AlsJsonZahl(w.aktivrente);
    if (j.mitBezuegen) o["Auszahlungsbetrag"] = AlsJsonZahl(w.auszahlung);
    return o;
  };
  nlohmann::ordered_json o;
  o["Jahr"] = j.jahr;
  o["Monate"] = nlohmann::ordered_json::array();
  for (const Jahresmonat& m : j.monate) {
    nlohmann::ordered_json z;
    z["Monat"] = std::string(kMonatsnamen[m.monat - 1]);
    z.update(werte(m.werte));
    z["Aenderungen"] = m.aenderungen;
    o["Monate"].push_back(z);
  }
  o["Summe"] = werte(j.summe);
  return o;
}

std::string dump(const nlohmann::ordered_json& j) {
  return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

int falsch(std::ostream& fehler, std::string_view befehl, const OptionsFehler& f) {
  fehler << "salvaro-cli " << befehl << ": " << f.what() << '\n';
  return kFalscheEingabe;
}

}  // namespace

int JahrBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
               const Datum& heute) {
  if (WillHilfe(args)) {
    BefehlsHilfe(aus, "jahr");
    return kErfolg;
  }
  Auftrag a;
  a.heute = heute;
  bool json = false, csv = false, betrag = false;
  try {
    for (const auto& [name, wert] : TeileAufruf(args, "jahr").optionen) {
      if (name == "json") {
        json = true;
      } else if (name == "csv") {
        csv = true;
      } else {
        SetzeOption(a, name, wert);
        betrag = betrag || name == "brutto" || name == "netto";
      }
    }
    if (!betrag) throw OptionsFehler("--brutto oder --netto fehlt");
    if (json && csv) throw OptionsFehler("--json und --csv schließen sich aus");
    PruefeAuftrag(a);
  } catch (const OptionsFehler& f) {
    return falsch(fehler, "jahr", f);
  }
  if (const auto code = geprueft(a, fehler)) return *code;
  const Jahresuebersicht j = BerechneJahr(a.eingaben);
  if (json)
    aus << dump(jsonJahr(j));
  else if (csv)
    aus << JahrCsv(j);
  else
    for (const std::string& z :
         JahrTabelle(j, "Jahresübersicht " + a.eingaben.Jahr + ": " + titel(a.eingaben)))
      aus << z << '\n';
  return kErfolg;
}

int VerlaufBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler,
                  const Datum& heute) {
  if (WillHilfe(args)) {
    BefehlsHilfe(aus, "verlauf");
    return kErfolg;
  }
  Auftrag a;
  a.heute = heute;
  a.eingaben.Brutto = "0";
  Money bis = Money::euro(10000), schritt = Money::euro(10);
  try {
    for (const auto& [name, wert] : TeileAufruf(args, "verlauf").optionen) {
      if (name == "bis") {
        bis = LiesBetragOption(name, wert);
      } else if (name == "schritt") {
        schritt = LiesBetragOption(name, wert);
      } else {
        SetzeOption(a, name, wert);
      }
    }
    if (schritt <= Money())
      throw OptionsFehler("--schritt: die Schrittweite muss größer als 0,00 sein");
    if (bis < Money() || bis > Money::euro(1000000))
      throw OptionsFehler("--bis: '" + FormatDE(bis) +
                          "' liegt nicht zwischen 0,00 und 1.000.000,00");
    PruefeAuftrag(a);
  } catch (const OptionsFehler& f) {
    return falsch(fehler, "verlauf", f);
  }
  if (const auto code = geprueft(a, fehler)) return *code;
  try {
    aus << VerlaufCsv(BerechneVerlauf(a.eingaben, bis, schritt));
  } catch (const VerlaufsFehler& f) {
    fehler << "salvaro-cli verlauf: " << f.what() << '\n';
    return kFalscheEingabe;
  }
  return kErfolg;
}

int SteuerklassenBefehl(const std::vector<std::string>& args, std::ostream& aus,
                        std::ostream& fehler, const Datum& heute) {
  if (WillHilfe(args)) {
    BefehlsHilfe(aus, "steuerklassen");
    return kErfolg;
  }
  Auftrag a[2];
  a[0].heute = a[1].heute = heute;
  bool json = false, brutto[2] = {false, false};
  try {
    for (const auto& [name, wert] : TeileAufruf(args, "steuerklassen").optionen) {
      if (name == "json") {
        json = true;
        continue;
      }
      // "--name-1" and "--name-2" are one spouse's, "--name" both spouses' input.
      std::string_view option = name;
      int wer = -1;
      if (option.size() > 2 && (option.ends_with("-1") || option.ends_with("-2"))) {
        wer = option.back() - '1';
        option.remove_suffix(2);
      }
      for (int i = 0; i < 2; ++i) {
        if (wer >= 0 && wer != i) continue;
        SetzeOption(a[i], option, wert);
        if (option == "brutto") brutto[i] = true;
      }
    }
    if (!brutto[0] || !brutto[1]) throw OptionsFehler("--brutto-1 und --brutto-2 werden gebraucht");
    for (Auftrag& x : a) PruefeAuftrag(x);
    if (a[0].eingaben.Jahr != a[1].eingaben.Jahr || a[0].eingaben.MonatNr != a[1].eingaben.MonatNr)
      throw OptionsFehler(
          "beide Ehegatten werden im selben Monat gerechnet (--jahr und --monat ohne -1/-2)");
  } catch (const OptionsFehler& f) {
    return falsch(fehler, "steuerklassen", f);
  }
  for (Auftrag& x : a)
    if (const auto code = geprueft(x, fehler)) return *code;
  const Steuerklassenvergleich v = VergleicheSteuerklassen(a[0].eingaben, a[1].eingaben);
  if (json) {
    nlohmann::ordered_json o;
    o["Abrechnungsmonat"] = a[0].eingaben.Monat + " " + a[0].eingaben.Jahr;
    o["Brutto1"] = AlsJsonZahl(LiesFeld(a[0].eingaben.Brutto));
    o["Brutto2"] = AlsJsonZahl(LiesFeld(a[1].eingaben.Brutto));
    o["Wahlen"] = nlohmann::ordered_json::array();
    for (const Klassenwahl& w : v.wahlen) {
      nlohmann::ordered_json z;
      z["Steuerklassen"] = w.name;
      z["Moeglich"] = w.moeglich;
      if (w.faktor > Money()) z["Faktor"] = AlsJsonZahl(w.faktor);
      z["Lohnsteuer1"] = AlsJsonZahl(-w.LSt1);
      z["Netto1"] = AlsJsonZahl(w.netto1);
      z["Lohnsteuer2"] = AlsJsonZahl(-w.LSt2);
      z["Netto2"] = AlsJsonZahl(w.netto2);
      z["NettoGemeinsam"] = AlsJsonZahl(w.nettoGemeinsam);
      o["Wahlen"].push_back(z);
    }
    o["Beste"] = v.wahlen[v.beste].name;
    o["Faktor"] =
        v.faktor ? nlohmann::ordered_json(AlsJsonZahl(*v.faktor)) : nlohmann::ordered_json();
    o["ZuVersteuerndesEinkommen1"] = AlsJsonZahl(v.zvE1);
    o["ZuVersteuerndesEinkommen2"] = AlsJsonZahl(v.zvE2);
    o["EinkommensteuerSplitting"] = AlsJsonZahl(v.splittingsteuer);
    o["LohnsteuerIVJahr"] = AlsJsonZahl(v.summeLStIV);
    o["Hinweis"] = v.hinweis.empty() ? std::string(kVeranlagungsHinweis)
                                     : v.hinweis + " " + kVeranlagungsHinweis;
    aus << dump(o);
  } else {
    const std::string t = "Steuerklassenwahl " + a[0].eingaben.Monat + " " + a[0].eingaben.Jahr +
                          ": Brutto " + FormatDE(LiesFeld(a[0].eingaben.Brutto)) + " und " +
                          FormatDE(LiesFeld(a[1].eingaben.Brutto));
    for (const std::string& z : SteuerklassenTabelle(v, t)) aus << z << '\n';
  }
  return kErfolg;
}

}  // namespace salvaro
