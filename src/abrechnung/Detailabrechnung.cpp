#include "abrechnung/Detailabrechnung.h"

#include "abrechnung/Cp1252.h"
#include "abrechnung/Datei.h"
#include "abrechnung/Version.h"
#include "abrechnung/Zahlentext.h"

namespace salvaro {

namespace {
// Width in characters of a UTF-8 text (the statement is laid out in characters, not bytes).
std::size_t breite(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}
}  // namespace

std::string AbrZeile(std::string_view label, std::string_view wert, bool betrag, bool negieren) {
  std::string v = wert.empty() ? std::string("0") : std::string(wert);
  if (betrag) {
    const Money m = LiesFeld(v);
    v = FormatDE(negieren ? -m : m);
  }
  std::string zeile(label);
  const std::size_t belegt = breite(label) + breite(v);
  if (belegt < kSpaltenbreite) zeile.append(kSpaltenbreite - belegt, ' ');
  return zeile + v;
}

std::string Titel() { return "Brutto-Netto-Rechner - Salvaro " + std::string(kVersion); }

std::vector<std::string> PlatzhalterAbrechnung() {
  return {"Detailabrechnung Salvaro  " + std::string(kCopyright)};
}

bool IstErstellt(const std::vector<std::string>& zeilen) { return zeilen.size() > 4; }

std::vector<std::string> FuegeZusammen(const std::vector<std::string>& links,
                                       const std::vector<std::string>& rechts,
                                       std::string_view datum) {
  const std::string leer(kSpaltenbreite, ' ');
  const std::string strich(kAbrechnungsbreite, '_');
  std::vector<std::string> z = {Titel(), strich, leer};
  for (std::size_t i = 0; i < std::max(links.size(), rechts.size()); ++i) {
    std::string zeile = i < links.size() ? links[i] : leer;
    zeile += "       ";
    if (i < rechts.size()) zeile += rechts[i];
    z.push_back(std::move(zeile));
  }
  z.push_back(strich);
  z.push_back("Erstellt am " + std::string(datum) + "  " + std::string(kCopyright));
  return z;
}

std::string AlsDatei(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const std::string& z : zeilen) {
    text += NachCp1252(z);
    text += "\r\n";
  }
  return text;
}

std::string SpeichereAbrechnung(const std::vector<std::string>& zeilen, const std::string& pfad,
                                Schreibschutz schutz) {
  return SchreibeDateiAtomar(pfad, AlsDatei(zeilen), schutz);
}

}  // namespace salvaro
