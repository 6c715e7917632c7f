#include "ansichten/Ansichtstexte.h"

#include <algorithm>

#include "abrechnung/Eingaben.h"
#include "abrechnung/Zahlentext.h"

namespace salvaro {

namespace {

// Pads to a width counted in characters, not in UTF-8 bytes.
std::size_t zeichen(const std::string& s) {
  return static_cast<std::size_t>(std::count_if(
      s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
std::string rechts(const std::string& s, std::size_t breite) {
  const std::size_t n = zeichen(s);
  return n >= breite ? s : std::string(breite - n, ' ') + s;
}
std::string links(const std::string& s, std::size_t breite) {
  const std::size_t n = zeichen(s);
  return n >= breite ? s : s + std::string(breite - n, ' ');
}

constexpr std::size_t kMonatsbreite = 11;
constexpr std::size_t kBetragsbreite = 12;

std::string csvFeld(const std::string& s) {
  std::string z;
  HaengeCsvFeldAn(z, s, "\";\r\n");
  return z;
}

std::string verbunden(const std::vector<std::string>& teile, const std::string& zwischen) {
  std::string s;
  for (const std::string& t : teile) s += (s.empty() ? "" : zwischen) + t;
  return s;
}

}  // namespace

const std::vector<std::string>& JahrSpalten() {
  static const std::vector<std::string> spalten = {"Brutto",
                                                   "Einmalzahlung",
                                                   "Lohnsteuer",
                                                   "Solidaritätszuschlag",
                                                   "Kirchensteuer",
                                                   "Krankenversicherung",
                                                   "Rentenversicherung",
                                                   "Arbeitslosenversicherung",
                                                   "Pflegeversicherung",
                                                   "Netto",
                                                   "Arbeitgeberkosten"};
  return spalten;
}

std::vector<Money> JahrWerte(const Monatswerte& w) {
  return {w.brutto, w.einmalzahlung,    w.LSt, w.SolZ, w.KiSt, w.KV, w.RV, w.AV, w.PV,
          w.netto,  w.arbeitgeberkosten};
}

bool MitAktivrente(const Jahresuebersicht& j) { return j.summe.aktivrente > Money(); }

std::vector<std::string> JahrTabelle(const Jahresuebersicht& j, const std::string& titel) {
  std::vector<std::string> kopf = {"Brutto", "Einmalz.", "Lohnsteuer", "Soli",
                                   "KiSt",   "KV",       "RV",         "AV",
                                   "PV",     "Netto",    "AG-Kosten"};
  if (MitAktivrente(j)) kopf.emplace_back("Aktivrente");
  std::vector<std::string> z;
  z.push_back(titel);
  z.emplace_back();
  std::string k = links("Monat", kMonatsbreite);
  for (const std::string& s : kopf) k += rechts(s, kBetragsbreite);
  z.push_back(k);
  const auto zeile = [&](const std::string& name, const Monatswerte& w) {
    std::string s = links(name, kMonatsbreite);
    for (const Money m : JahrWerte(w)) s += rechts(FormatDE(m), kBetragsbreite);
    if (MitAktivrente(j)) s += rechts(FormatDE(w.aktivrente), kBetragsbreite);
    return s;
  };
  for (const Jahresmonat& m : j.monate)
    z.push_back(zeile(std::string(kMonatsnamen[m.monat - 1]) + (m.aenderungen.empty() ? "" : " *"),
                      m.werte));
  z.push_back(std::string(kMonatsbreite + kopf.size() * kBetragsbreite, '-'));
  z.push_back(zeile("Summe", j.summe));
  bool ersteAenderung = true;
  for (const Jahresmonat& m : j.monate) {
    if (m.aenderungen.empty()) continue;
    if (ersteAenderung) {
      z.emplace_back();
      z.push_back("* Änderungen der Rechengrundlagen gegenüber dem Vormonat:");
      ersteAenderung = false;
    }
    for (const std::string& a : m.aenderungen)
      z.push_back("  " + std::string(kMonatsnamen[m.monat - 1]) + ": " + a);
  }
  return z;
}

std::string JahrCsv(const Jahresuebersicht& j) {
  std::string s = "\xEF\xBB\xBF";
  std::vector<std::string> kopf = {"Monat"};
  for (const std::string& sp : JahrSpalten()) kopf.push_back(sp);
  if (MitAktivrente(j)) kopf.emplace_back("Aktivrente");
  kopf.push_back("Änderungen");
  s += verbunden(kopf, ";") + "\r\n";
  const auto zeile = [&](const std::string& name, const Monatswerte& w, const std::string& aend) {
    std::vector<std::string> f = {name};
    for (const Money m : JahrWerte(w)) f.push_back(FormatBild(m, 2, false));
    if (MitAktivrente(j)) f.push_back(FormatBild(w.aktivrente, 2, false));
    f.push_back(csvFeld(aend));
    s += verbunden(f, ";") + "\r\n";
  };
  for (const Jahresmonat& m : j.monate)
    zeile(std::string(kMonatsnamen[m.monat - 1]), m.werte, verbunden(m.aenderungen, "; "));
  zeile("Summe", j.summe, "");
  return s;
}

std::string VerlaufCsv(const Verlauf& v) {
  std::string s = "Brutto;Netto;Abzüge;Netto der nächsten 100 Euro;Grenzbelastung %;Marke\r\n";
  std::size_t marke = 0;
  for (const Verlaufspunkt& p : v.punkte) {
    std::vector<std::string> marken;
    for (; marke < v.marken.size() && v.marken[marke].brutto <= p.brutto; ++marke)
      marken.push_back(v.marken[marke].text + " " + FormatDE(v.marken[marke].brutto));
    s += FormatBild(p.brutto, 2, false) + ";" + FormatBild(p.netto, 2, false) + ";" +
         FormatBild(p.abzuege, 2, false) + ";" + FormatBild(p.vomNaechstenHundert, 2, false) + ";" +
         FormatBild(p.grenzbelastung, 2, false) + ";" + csvFeld(verbunden(marken, ", ")) + "\r\n";
  }
  return s;
}

std::vector<std::string> SteuerklassenTabelle(const Steuerklassenvergleich& v,
                                              const std::string& titel) {
  std::vector<std::string> z;
  z.push_back(titel);
  z.emplace_back();
  constexpr std::size_t kWahl = 24;
  z.push_back(links("Steuerklassen", kWahl) + rechts("LSt 1", kBetragsbreite) +
              rechts("Netto 1", kBetragsbreite) + rechts("LSt 2", kBetragsbreite) +
              rechts("Netto 2", kBetragsbreite) + rechts("Netto zusammen", 16));
  for (std::size_t i = 0; i < v.wahlen.size(); ++i) {
    const Klassenwahl& w = v.wahlen[i];
    std::string name = w.name;
    if (w.faktor > Money()) name += " " + FormatBild(w.faktor, 3, false);
    if (!w.moeglich) {
      z.push_back(links(name, kWahl) + "  nicht möglich");
      continue;
    }
    z.push_back(
        links(name, kWahl) + rechts(FormatDE(w.LSt1), kBetragsbreite) +
        rechts(FormatDE(w.netto1), kBetragsbreite) + rechts(FormatDE(w.LSt2), kBetragsbreite) +
        rechts(FormatDE(w.netto2), kBetragsbreite) + rechts(FormatDE(w.nettoGemeinsam), 16) +
        (static_cast<int>(i) == v.beste ? "  höchstes" : ""));
  }
  z.emplace_back();
  z.push_back("Höchstes gemeinsames Monatsnetto: " + v.wahlen[v.beste].name);
  if (v.faktor) {
    z.push_back("Faktor " + FormatBild(*v.faktor, 3, false) +
                " = Einkommensteuer nach Splittingtarif " + FormatDE(v.splittingsteuer) +
                " / Lohnsteuer IV + IV im Jahr " + FormatDE(v.summeLStIV) +
                ", nach drei Stellen abgeschnitten");
    z.push_back("(zu versteuernde Einkommen " + FormatDE(v.zvE1) + " und " + FormatDE(v.zvE2) +
                ")");
  }
  if (!v.hinweis.empty()) z.push_back(v.hinweis);
  z.emplace_back();
  z.push_back(kVeranlagungsHinweis);
  return z;
}

}  // namespace salvaro
