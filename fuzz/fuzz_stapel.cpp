// "salvaro-cli stapel": any CSV is calculated row by row; a bad row gets its message. A row that
// is calculated gives the same results as "rechne" with the same options, in every result column
// the file has (those of the one-time payment, the severance and the employer included); the
// payment's net is the payment less its deductions, and the employer's total cost is the sum of
// its lines.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "abrechnung/Zahlentext.h"
#include "cli/Aufruf.h"
#include "cli/Rechnen.h"

namespace {

const salvaro::Datum kHeute{2026, 12, 7};

salvaro::Money betrag(const std::string& text) {
  return salvaro::LiesZahlentext(text, 2);
}

// The keys rechne writes only with pay components are 0 without them, but for the amount paid
// out, which is then the month's total net.
salvaro::Money ausJson(const nlohmann::json& j, const std::string& name) {
  if (!j.contains(name))
    return name == "Auszahlungsbetrag" ? ausJson(j, "NettoGesamt") : salvaro::Money();
  return salvaro::Money::cent(std::llround(j.at(name).get<double>() * 100));
}

// The result columns that are texts (a month, a contribution group), empty where rechne writes
// null.
bool istText(const std::string& name) {
  return name == "Regelaltersgrenze" || name == "Beitragsgruppenvorschlag";
}

// The result columns of the output and their JSON keys where the names differ.
const std::map<std::string, std::string> kJsonName = {
    {"Abzuege", "SummeGesetzlicheAbzuege"}};

// The row's results against rechne --json with its fields as options; ergebnisse are the result
// columns of the header (after the input columns, without "Meldung").
void vergleiche(const std::vector<std::string>& kopf, const std::vector<std::string>& ergebnisse,
                const std::vector<std::string>& felder) {
  std::vector<std::string> args = {"--json"};
  for (std::size_t i = 0; i < kopf.size(); ++i)
    if (!felder[i].empty()) args.push_back("--" + kopf[i] + "=" + felder[i]);
  std::ostringstream aus, fehler;
  const int code = salvaro::RechneBefehl(args, aus, fehler, kHeute);
  if (code != salvaro::kErfolg && code != salvaro::kUngeloest) std::abort();
  const nlohmann::json j = nlohmann::json::parse(aus.str());
  std::map<std::string, salvaro::Money> wert;
  for (std::size_t k = 0; k < ergebnisse.size(); ++k) {
    const std::string& name = ergebnisse[k];
    const std::string& feld = felder[kopf.size() + k];
    if (name == "Berechnungsschritte") {
      if (feld != std::to_string(j.at(name).get<int>())) std::abort();
      continue;
    }
    if (istText(name)) {
      if (feld != (j.at(name).is_null() ? std::string() : j.at(name).get<std::string>()))
        std::abort();
      continue;
    }
    const auto umbenannt = kJsonName.find(name);
    const salvaro::Money erwartet = umbenannt == kJsonName.end()
                                        ? ausJson(j, name)
                                        : -ausJson(j, umbenannt->second);
    wert[name] = betrag(feld);
    if (wert[name] != erwartet) std::abort();
  }
  if (!wert.count("ArbeitgeberGesamtkosten")) return;
  // The inputs of the row as rechne read them (an empty field is 0).
  const auto eingabe = [&](const char* spalte) {
    for (std::size_t i = 0; i < kopf.size(); ++i)
      if (kopf[i] == spalte && !felder[i].empty()) return salvaro::LiesZahlentext(felder[i], 2);
    return salvaro::Money();
  };
  const salvaro::Money zahlung = eingabe("einmalzahlung"), abfindung = eingabe("abfindung"),
                       mehrjaehrig = eingabe("mehrjaehrige-verguetung");
  // The payment less its taxes and contributions (deductions negative). A payment the year's
  // engine cannot tax refuses the row, so a calculated row always has them.
  if (wert["NettoEinmalzahlung"] != zahlung + wert["LohnsteuerEinmalzahlung"] +
                                        wert["SolidaritaetszuschlagEinmalzahlung"] +
                                        wert["KirchensteuerEinmalzahlung"] +
                                        wert["SVEinmalzahlung"])
    std::abort();
  // The employer's total: gross, payments, severance, the pay components' cost and every line of
  // the employer; with the flat tax of marginal employment (not a column of its own) at most 2 %
  // of pay and payments.
  const salvaro::Money zeilen = wert["Brutto"] + zahlung + mehrjaehrig + abfindung +
                                wert["ArbeitgeberkostenBezuege"] + wert["ArbeitgeberKV"] +
                                wert["ArbeitgeberRV"] + wert["ArbeitgeberAV"] +
                                wert["ArbeitgeberPV"] + wert["Umlagen"];
  const salvaro::Money rest = wert["ArbeitgeberGesamtkosten"] - zeilen;
  if (rest < salvaro::Money() ||
      rest > salvaro::Money::runde((wert["Brutto"] + zahlung + mehrjaehrig) * 2 / 100) +
                 salvaro::Money::cent(1))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
  if (laenge > 65536) return 0;
  std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
  std::ostringstream aus, fehler;
  const salvaro::StapelSumme summe = salvaro::Stapel(ein, aus, fehler, kHeute, false);
  if (summe.code == salvaro::kFalscheEingabe) return 0;
  std::istringstream zeilen(aus.str());
  std::string zeile;
  std::getline(zeilen, zeile);
  const char trenner = zeile.find(';') != std::string::npos ? ';' : ',';
  std::vector<std::string> kopf = salvaro::TeileCsv(zeile, trenner);
  // The result columns follow the input columns, "Lohnsteuer" first and "Meldung" last.
  std::size_t eingaben = 0;
  while (eingaben < kopf.size() && kopf[eingaben] != "Lohnsteuer") ++eingaben;
  if (eingaben == kopf.size() || kopf.back() != "Meldung") std::abort();
  const std::vector<std::string> ergebnisse(kopf.begin() + static_cast<long>(eingaben),
                                            kopf.end() - 1);
  const std::size_t spalten = kopf.size();
  kopf.resize(eingaben);
  std::size_t gerechnet = 0;
  while (std::getline(zeilen, zeile)) {
    const std::vector<std::string> felder = salvaro::TeileCsv(zeile, trenner);
    if (felder.size() != spalten) std::abort();
    if (felder[eingaben].empty()) continue;  // not calculated: its message says why
    // Each calculated row may take up to 200 calculations twice over; a few suffice.
    if (++gerechnet <= 8) vergleiche(kopf, ergebnisse, felder);
  }
  return 0;
}
