#include "abrechnung/Einstellungen.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "abrechnung/Datei.h"

namespace salvaro {

namespace {

constexpr const char* kSteuer = "Steuer";
constexpr const char* kSozVers = "SozVers";

// An integer other than 0 is true, 0 false; anything else keeps the default.
bool schalter(const IniDatei& d, const char* sektion, const char* schluessel, bool vorgabe) {
  const std::optional<std::string> w = d.Lies(sektion, schluessel);
  if (!w || w->empty()) return vorgabe;
  std::size_t i = (*w)[0] == '-' || (*w)[0] == '+' ? 1 : 0;
  if (i == w->size() || w->find_first_not_of("0123456789", i) != std::string::npos) return vorgabe;
  return w->find_first_not_of("0", i) != std::string::npos;
}

std::string text(const IniDatei& d, const char* sektion, const char* schluessel,
                 const std::string& vorgabe) {
  return d.Lies(sektion, schluessel).value_or(vorgabe);
}

const char* alsText(bool b) { return b ? "1" : "0"; }

}  // namespace

void LadeEinstellungen(const IniDatei& d, Eingaben& e) {
  const Eingaben v;  // the built-in defaults
  e.GebJahr = text(d, kSteuer, "Geburtsjahr", v.GebJahr);
  e.StKl = text(d, kSteuer, "Steuerklasse", v.StKl);
  e.Faktor = text(d, kSteuer, "Faktor", v.Faktor);
  e.KiFB = text(d, kSteuer, "Kinderfreibetrag", v.KiFB);
  e.StFB = text(d, kSteuer, "Steuerfreibetrag", "0");
  e.KiLand = text(d, kSteuer, "Bundesland", v.KiLand);
  e.PKVOhneZuschuss = schalter(d, kSteuer, "PKVSteuerStatus", false);
  e.BGR = text(d, kSozVers, "Beitragruppe", v.BGR);
  e.PKV = text(d, kSozVers, "PKVBetrag", v.PKV);
  e.KVZus = text(d, kSozVers, "KVZusBeitrag", v.KVZus);
  e.ChkPKV = schalter(d, kSozVers, "PKVJaNein", false);
  e.PPV = text(d, kSozVers, "PPVBetrag", v.PPV);
  e.ChkPPV = schalter(d, kSozVers, "PPVJaNein", false);
  e.Ost = schalter(d, kSozVers, "RechtskreisOst", false);
  e.OhneUebergangsbereich = schalter(d, kSozVers, "Gleitzone", false);
  e.RVVerzicht = schalter(d, kSozVers, "VerzichtRVFreiheit", false);
  e.PVNichtErhoeht = schalter(d, kSozVers, "PVErhoeht", false);
  e.FrwTatsBrutto = schalter(d, kSozVers, "FrwTatsBrutto", false);
  e.PVSachsen = schalter(d, kSozVers, "PVSachsen", false);
  e.KinderUnter25 = text(d, kSozVers, "KinderUnter25", v.KinderUnter25);
}

void SpeichereEinstellungen(IniDatei& d, const Eingaben& e) {
  d.Schreibe(kSteuer, "Geburtsjahr", e.GebJahr);
  d.Schreibe(kSteuer, "Steuerklasse", e.StKl);
  d.Schreibe(kSteuer, "Faktor", e.Faktor);
  d.Schreibe(kSteuer, "Kinderfreibetrag", e.KiFB);
  d.Schreibe(kSteuer, "Steuerfreibetrag", e.StFB.empty() ? "0" : e.StFB);
  d.Schreibe(kSteuer, "Bundesland", e.KiLand);
  d.Schreibe(kSteuer, "PKVSteuerStatus", alsText(e.PKVOhneZuschuss));
  d.Schreibe(kSozVers, "Beitragruppe", e.BGR);
  d.Schreibe(kSozVers, "PKVBetrag", e.PKV);
  d.Schreibe(kSozVers, "KVZusBeitrag", e.KVZus);
  d.Schreibe(kSozVers, "PKVJaNein", alsText(e.ChkPKV));
  d.Schreibe(kSozVers, "PPVBetrag", e.PPV);
  d.Schreibe(kSozVers, "PPVJaNein", alsText(e.ChkPPV));
  d.Schreibe(kSozVers, "RechtskreisOst", alsText(e.Ost));
  d.Schreibe(kSozVers, "Gleitzone", alsText(e.OhneUebergangsbereich));
  d.Schreibe(kSozVers, "VerzichtRVFreiheit", alsText(e.RVVerzicht));
  d.Schreibe(kSozVers, "PVErhoeht", alsText(e.PVNichtErhoeht));
  d.Schreibe(kSozVers, "FrwTatsBrutto", alsText(e.FrwTatsBrutto));
  d.Schreibe(kSozVers, "PVSachsen", alsText(e.PVSachsen));
  d.Schreibe(kSozVers, "KinderUnter25", e.KinderUnter25);
}

namespace {
std::filesystem::path benutzerVerzeichnis() {
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
    return std::filesystem::path(xdg) / "Salvaro";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".config" / "Salvaro";
  return std::filesystem::temp_directory_path() / "Salvaro";
}
}  // namespace

std::string EinstellungsdateiZumLesen(const std::string& programmVerzeichnis) {
  const std::filesystem::path neben = std::filesystem::path(programmVerzeichnis) / kEinstellungsdatei;
  std::error_code ec;
  if (std::filesystem::exists(neben, ec)) return neben.string();
  return (benutzerVerzeichnis() / kEinstellungsdatei).string();
}

std::string EinstellungsdateiZumSchreiben(const std::string& programmVerzeichnis) {
  const std::filesystem::path neben = std::filesystem::path(programmVerzeichnis) / kEinstellungsdatei;
  std::error_code ec;
  if (std::filesystem::exists(neben, ec) || ::access(programmVerzeichnis.c_str(), W_OK) == 0)
    return neben.string();
  return (benutzerVerzeichnis() / kEinstellungsdatei).string();
}

std::optional<IniDatei> LiesEinstellungsdatei(const std::string& pfad) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(pfad, ec)) return std::nullopt;
  std::ifstream f(pfad, std::ios::binary);
  if (!f) return std::nullopt;
  std::ostringstream inhalt;
  inhalt << f.rdbuf();
  return IniDatei(inhalt.str());
}

std::string SchreibeEinstellungsdatei(const std::string& pfad, const IniDatei& datei,
                                      Schreibschutz schutz) {
  std::error_code ec;
  const std::filesystem::path verzeichnis = std::filesystem::path(pfad).parent_path();
  if (!verzeichnis.empty()) std::filesystem::create_directories(verzeichnis, ec);
  return SchreibeDateiAtomar(pfad, datei.Bytes(), schutz);
}

}  // namespace salvaro
