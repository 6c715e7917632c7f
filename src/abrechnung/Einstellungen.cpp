#include "abrechnung/Einstellungen.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "abrechnung/Altersangaben.h"
#include "abrechnung/Anzeige.h"
#include "abrechnung/Datei.h"
#include "abrechnung/Einmalzahlung.h"
#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Zahlentext.h"

namespace salvaro {

namespace {

constexpr const char* kSteuer = "Steuer";
constexpr const char* kSozVers = "SozVers";

std::optional<std::string> wennGueltig(const std::string& w, bool gueltig) {
  return gueltig ? std::optional(w) : std::nullopt;
}

// Reads the keys in their order and remembers those whose value could not be read.
class Leser {
 public:
  explicit Leser(const IniDatei& d) : d_(d) {}

  // A text its field holds as it stands, else the default.
  template <class Pruefung>
  std::string text(const char* sektion, const char* schluessel, const std::string& vorgabe,
                   Pruefung haelt) {
    const std::optional<std::string> w = d_.Lies(sektion, schluessel);
    if (!w) return vorgabe;
    if (const std::optional<std::string> gelesen = haelt(*w)) return *gelesen;
    geladen.ersetzt.push_back(schluessel);
    return vorgabe;
  }

  std::string zahl(const char* sektion, const char* schluessel, const std::string& vorgabe,
                   Zahlfeldgrenzen grenzen) {
    return text(sektion, schluessel, vorgabe, [grenzen](const std::string& w) {
      return wennGueltig(w, ZahlfeldHaelt(w, grenzen));
    });
  }

  // An integer other than 0 is true, 0 false; anything else keeps the default.
  bool schalter(const char* sektion, const char* schluessel, bool vorgabe) {
    const std::optional<std::string> w = d_.Lies(sektion, schluessel);
    if (!w) return vorgabe;
    const std::size_t i = !w->empty() && ((*w)[0] == '-' || (*w)[0] == '+') ? 1 : 0;
    if (i == w->size() || w->find_first_not_of("0123456789", i) != std::string::npos) {
      geladen.ersetzt.push_back(schluessel);
      return vorgabe;
    }
    return w->find_first_not_of("0", i) != std::string::npos;
  }

  GeladeneEinstellungen geladen;

 private:
  const IniDatei& d_;
};

bool vierZiffern(const std::string& w) {
  return w.size() == 4 && w.find_first_not_of("0123456789") == std::string::npos;
}

// A state of the list, found without regard to the case of its letters as the window's list
// finds it; the list's own spelling is kept.
std::optional<std::string> land(const std::string& w) {
  for (const std::string_view l : kKiStLaender)
    if (GleichOhneGrossschreibung(l, w)) return std::string(l);
  return std::nullopt;
}

// The masked text of the additional rate, "+ 1,60%", completely filled.
bool zusatzsatz(const std::string& w) {
  const auto ziffer = [&w](std::size_t i) { return w[i] >= '0' && w[i] <= '9'; };
  return w.size() == 7 && w.compare(0, 2, "+ ") == 0 && ziffer(2) && w[3] == ',' && ziffer(4) &&
         ziffer(5) && w[6] == '%';
}

const char* alsText(bool b) { return b ? "1" : "0"; }

// A levy rate within the field's bounds, "1,60".
std::optional<std::string> umlagesatz(const std::string& w) {
  try {
    const Money m = UmlagesatzAus(w);
    return wennGueltig(w, m >= Money() && m <= Money::euro(kGrenzenUmlagesatz.max));
  } catch (const KonvertierungsFehler&) {
    return std::nullopt;
  }
}

}  // namespace

GeladeneEinstellungen LadeEinstellungen(const IniDatei& d, Eingaben& e) {
  const Eingaben v;  // the built-in defaults
  Leser l(d);
  e.GebJahr = l.text(kSteuer, "Geburtsjahr", v.GebJahr,
                     [](const std::string& w) { return wennGueltig(w, vierZiffern(w)); });
  // The month of birth beside the year (empty: not known).
  e.GebMonat = l.text(kSteuer, "Geburtsmonat", v.GebMonat, [](const std::string& w) {
    const std::optional<int> m = GebMonatAus(w);
    return m ? std::optional(*m == 0 ? std::string() : std::to_string(*m)) : std::nullopt;
  });
  e.StKl = l.text(kSteuer, "Steuerklasse", v.StKl, [](const std::string& w) {
    return wennGueltig(w, w.size() == 1 && ZahlfeldHaelt(w, kGrenzenSteuerklasse));
  });
  e.Faktor = l.zahl(kSteuer, "Faktor", v.Faktor, kGrenzenFaktor);
  e.KiFB = l.zahl(kSteuer, "Kinderfreibetrag", v.KiFB, kGrenzenKinderfreibetrag);
  e.StFB = l.zahl(kSteuer, "Steuerfreibetrag", "0", kGrenzenSteuerfreibetrag);
  e.KiLand = l.text(kSteuer, "Bundesland", v.KiLand, land);
  e.PKVOhneZuschuss = l.schalter(kSteuer, "PKVSteuerStatus", false);
  e.BGR = l.text(kSozVers, "Beitragruppe", v.BGR,
                 [](const std::string& w) { return wennGueltig(w, vierZiffern(w)); });
  e.PKV = l.zahl(kSozVers, "PKVBetrag", v.PKV, kGrenzenPKV);
  const std::optional<int> jahr = RechenjahrAusText(e.Jahr);
  const std::string kvZusVorgabe = jahr ? KVZusVorgabe(*jahr) : v.KVZus;
  e.KVZus = l.text(kSozVers, "KVZusBeitrag", "",
                   [](const std::string& w) { return wennGueltig(w, zusatzsatz(w)); });
  l.geladen.kvZusGespeichert = !e.KVZus.empty();
  if (e.KVZus.empty()) e.KVZus = kvZusVorgabe;
  e.ChkPKV = l.schalter(kSozVers, "PKVJaNein", false);
  e.PPV = l.zahl(kSozVers, "PPVBetrag", v.PPV, kGrenzenPPV);
  e.ChkPPV = l.schalter(kSozVers, "PPVJaNein", false);
  e.Ost = l.schalter(kSozVers, "RechtskreisOst", false);
  e.OhneUebergangsbereich = l.schalter(kSozVers, "Gleitzone", false);
  e.RVVerzicht = l.schalter(kSozVers, "VerzichtRVFreiheit", false);
  e.PVNichtErhoeht = l.schalter(kSozVers, "PVErhoeht", false);
  e.FrwTatsBrutto = l.schalter(kSozVers, "FrwTatsBrutto", false);
  e.PVSachsen = l.schalter(kSozVers, "PVSachsen", false);
  e.KinderUnter25 = l.text(kSozVers, "KinderUnter25", v.KinderUnter25, [](const std::string& w) {
    return wennGueltig(w, w.size() <= 1 && ZahlfeldHaelt(w, kGrenzenKinderUnter25));
  });
  // The employer's levy rates and the switches of a payment belong to the person; the amounts
  // of a case do not.
  e.U1Satz = l.text(kSozVers, "U1Satz", v.U1Satz, umlagesatz);
  e.U2Satz = l.text(kSozVers, "U2Satz", v.U2Satz, umlagesatz);
  e.ImVorjahrBeschaeftigt = l.schalter(kSozVers, "ImVorjahrBeschaeftigt", true);
  e.PauschsteuerAG = l.schalter(kSozVers, "PauschsteuerAG", false);
  e.Arbeitgeberseite = l.schalter(kSozVers, "Arbeitgeberseite", false);
  return l.geladen;
}

std::optional<std::string> ErsetzteEinstellungenMeldung(const GeladeneEinstellungen& geladen) {
  if (geladen.ersetzt.empty()) return std::nullopt;
  std::string text = "Diese Einstellungen waren ungültig und wurden durch ihre Vorgaben ersetzt: ";
  for (std::size_t i = 0; i < geladen.ersetzt.size(); ++i)
    text += (i ? ", " : "") + geladen.ersetzt[i];
  return text;
}

void SpeichereEinstellungen(IniDatei& d, const Eingaben& e) {
  d.Schreibe(kSteuer, "Geburtsjahr", e.GebJahr);
  // A file without the month of birth stays as it was while none is given.
  if (!e.GebMonat.empty() || d.Lies(kSteuer, "Geburtsmonat"))
    d.Schreibe(kSteuer, "Geburtsmonat", e.GebMonat);
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
  d.Schreibe(kSozVers, "U1Satz", e.U1Satz);
  d.Schreibe(kSozVers, "U2Satz", e.U2Satz);
  d.Schreibe(kSozVers, "ImVorjahrBeschaeftigt", alsText(e.ImVorjahrBeschaeftigt));
  d.Schreibe(kSozVers, "PauschsteuerAG", alsText(e.PauschsteuerAG));
  d.Schreibe(kSozVers, "Arbeitgeberseite", alsText(e.Arbeitgeberseite));
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

namespace {

// Where the system keeps installed programs: a package owns these folders, root writes into them
// too, and a file left there outlives the removal of the package.
constexpr std::string_view kSystemverzeichnisse[] = {"/usr", "/bin",  "/sbin", "/lib", "/lib32",
                                                    "/lib64", "/libx32", "/opt", "/snap", "/app",
                                                    "/nix", "/gnu", "/etc", "/var"};

bool imSystemverzeichnis(const std::string& verzeichnis) {
  std::error_code ec;
  std::string p = std::filesystem::weakly_canonical(verzeichnis, ec).string();
  if (ec) p = verzeichnis;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  for (const std::string_view s : kSystemverzeichnisse)
    if (p == s || (p.size() > s.size() && p.compare(0, s.size(), s) == 0 && p[s.size()] == '/'))
      return true;
  return false;
}

}  // namespace

bool EinstellungenBeimProgramm(const std::string& programmVerzeichnis) {
  struct stat st {};
  return ::stat(programmVerzeichnis.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == ::geteuid() && ::access(programmVerzeichnis.c_str(), W_OK) == 0 &&
         !imSystemverzeichnis(programmVerzeichnis);
}

std::string EinstellungsdateiZumLesen(const std::string& programmVerzeichnis) {
  const std::string hier = EinstellungsdateiZumSchreiben(programmVerzeichnis);
  const std::filesystem::path neben = std::filesystem::path(programmVerzeichnis) / kEinstellungsdatei;
  const std::filesystem::path benutzer = benutzerVerzeichnis() / kEinstellungsdatei;
  // Where the file is written; else the other place, where an older version may have kept it.
  std::error_code ec;
  if (std::filesystem::exists(hier, ec)) return hier;
  const std::filesystem::path anderer = hier == neben.string() ? benutzer : neben;
  return std::filesystem::exists(anderer, ec) ? anderer.string() : hier;
}

std::string EinstellungsdateiZumSchreiben(const std::string& programmVerzeichnis) {
  const std::filesystem::path neben = std::filesystem::path(programmVerzeichnis) / kEinstellungsdatei;
  if (EinstellungenBeimProgramm(programmVerzeichnis)) return neben.string();
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
