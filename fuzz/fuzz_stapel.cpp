// "salvaro-cli stapel": any CSV is calculated row by row; a bad row gets its message. A row that
// is calculated gives the same results as "rechne" with the same options.
#include <cstdint>
#include <cstdlib>
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

salvaro::Money ausJson(const nlohmann::json& j, const char* name) {
  return salvaro::Money::cent(std::llround(j.at(name).get<double>() * 100));
}

// The row's results against rechne --json with its fields as options.
void vergleiche(const std::vector<std::string>& kopf, const std::vector<std::string>& felder) {
  std::vector<std::string> args = {"--json"};
  for (std::size_t i = 0; i < kopf.size(); ++i)
    if (!felder[i].empty()) args.push_back("--" + kopf[i] + "=" + felder[i]);
  std::ostringstream aus, fehler;
  const int code = salvaro::RechneBefehl(args, aus, fehler, kHeute);
  if (code != salvaro::kErfolg && code != salvaro::kUngeloest) std::abort();
  const nlohmann::json j = nlohmann::json::parse(aus.str());
  const char* const namen[] = {
      "Lohnsteuer",          "Kirchensteuer",      "Solidaritaetszuschlag",
      "Krankenversicherung", "Rentenversicherung", "Arbeitslosenversicherung",
      "Pflegeversicherung"};
  const std::size_t n = kopf.size();
  for (std::size_t k = 0; k < 7; ++k)
    if (betrag(felder[n + k]) != ausJson(j, namen[k])) std::abort();
  if (betrag(felder[n + 7]) != -ausJson(j, "SummeGesetzlicheAbzuege")) std::abort();
  if (betrag(felder[n + 8]) != ausJson(j, "Netto")) std::abort();
  if (betrag(felder[n + 9]) != ausJson(j, "Brutto")) std::abort();
  if (felder[n + 10] != std::to_string(j.at("Berechnungsschritte").get<int>())) std::abort();
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
  if (kopf.size() < 12) std::abort();
  kopf.resize(kopf.size() - 12);
  std::size_t gerechnet = 0;
  while (std::getline(zeilen, zeile)) {
    const std::vector<std::string> felder = salvaro::TeileCsv(zeile, trenner);
    if (felder.size() != kopf.size() + 12) std::abort();
    if (felder[kopf.size()].empty()) continue;  // not calculated: its message says why
    // Each calculated row may take up to 200 calculations twice over; a few suffice.
    if (++gerechnet <= 8) vergleiche(kopf, felder);
  }
  return 0;
}
