#include "cli/Fall.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "abrechnung/Berechnung.h"
#include "cli/Aufruf.h"
#include "engine/Gehalt.h"
#include "money/Money.h"

namespace salvaro {

namespace {

using Wert = std::variant<int, Money, float, std::string>;
enum class Art { Ganzzahl, Betrag, Kommazahl, Text };

struct Option {
  std::string_view name;
  Art art;
  std::function<void(TLohnGehalt&, const Wert&)> setze;
};

template <class T>
const T& als(const Wert& w) {
  return std::get<T>(w);
}

// The inputs in the order the payroll case wants them set: first the setters, then the fields
// that have none.
const std::vector<Option>& optionen() {
  using L = TLohnGehalt;
  static const std::vector<Option> o = {
      {"Rechtskreis", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetRechtskreis(als<int>(w)); }},
      {"Jahr", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetJahr(als<int>(w)); }},
      {"BGR", Art::Text, [](L& l, const Wert& w) { l.SetBGR(als<std::string>(w)); }},
      {"Monat", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetMonat(als<int>(w)); }},
      {"StTage", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetStTage(als<int>(w)); }},
      {"SVTage", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetSVTage(als<int>(w)); }},
      {"Gleitzone", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetGleitzone(als<int>(w)); }},
      {"RVVolleBeitraege", Art::Ganzzahl,
       [](L& l, const Wert& w) { l.SetRVVolleBeitraege(als<int>(w)); }},
      {"PVErhoeht", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetPVErhoeht(als<int>(w)); }},
      {"PVSachsen", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetPVSachsen(als<int>(w)); }},
      {"VerzichtRVFreiheit", Art::Ganzzahl,
       [](L& l, const Wert& w) { l.SetVerzichtRVFreiheit(als<int>(w)); }},
      {"FrwTatsBrutto", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetFrwTatsBrutto(als<int>(w)); }},
      {"PKVBetrag", Art::Betrag, [](L& l, const Wert& w) { l.SetPKVBetrag(als<Money>(w)); }},
      {"PPVBetrag", Art::Betrag, [](L& l, const Wert& w) { l.SetPPVBetrag(als<Money>(w)); }},
      {"KVStatus", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetKVStatus(als<int>(w)); }},
      {"PVStatus", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetPVStatus(als<int>(w)); }},
      {"KVZusBeitrag", Art::Betrag, [](L& l, const Wert& w) { l.SetKVZusBeitrag(als<Money>(w)); }},
      {"PKPV", Art::Betrag, [](L& l, const Wert& w) { l.SetPKPV(als<Money>(w)); }},
      {"PKV", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetPKV(als<int>(w)); }},
      {"KVSatz", Art::Betrag, [](L& l, const Wert& w) { l.SetKVSatz(als<Money>(w)); }},
      {"StBrutto", Art::Betrag, [](L& l, const Wert& w) { l.SetStBrutto(als<Money>(w)); }},
      {"SonstBezug", Art::Betrag, [](L& l, const Wert& w) { l.SetSonstBezug(als<Money>(w)); }},
      {"EBSVBrutto", Art::Betrag, [](L& l, const Wert& w) { l.SetEBSVBrutto(als<Money>(w)); }},
      {"SVBrutto", Art::Betrag, [](L& l, const Wert& w) { l.SetSVBrutto(als<Money>(w)); }},
      {"StKl", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetStKl(als<int>(w)); }},
      {"Faktor", Art::Betrag, [](L& l, const Wert& w) { l.SetFaktor(als<Money>(w)); }},
      {"KiStLand", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetKiStLand(als<int>(w)); }},
      {"Konfession", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetKonfession(als<int>(w)); }},
      {"KRV", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetKRV(als<int>(w)); }},
      {"KiFB", Art::Kommazahl, [](L& l, const Wert& w) { l.SetKiFB(als<float>(w)); }},
      {"StFB", Art::Betrag, [](L& l, const Wert& w) { l.SetStFB(als<Money>(w)); }},
      {"GebJahr", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetGebJahr(als<int>(w)); }},
      {"BAVArt", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetBAVArt(als<int>(w)); }},
      {"Mehrfachbesch", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetMehrfachbesch(als<int>(w)); }},
      {"BruttoAndere", Art::Betrag, [](L& l, const Wert& w) { l.SetBruttoAndere(als<Money>(w)); }},
      {"Aufstockung", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetAufstockung(als<int>(w)); }},
      {"KinderUnter25", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetKinderUnter25(als<int>(w)); }},
      // Age and pension payments: the month of birth, the Aktivrente, a pension with the pay.
      {"GebMonat", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetGebMonat(als<int>(w)); }},
      {"Aktivrente", Art::Ganzzahl, [](L& l, const Wert& w) { l.SetAktivrente(als<int>(w)); }},
      {"Versorgungsbezug", Art::Betrag,
       [](L& l, const Wert& w) { l.Versorgungsbezug = als<Money>(w); }},
      {"VersorgungsbezugArt", Art::Ganzzahl,
       [](L& l, const Wert& w) { l.VersorgungsbezugArt = Versorgungsbezugsart(als<int>(w)); }},
      {"VersorgungsbeginnJahr", Art::Ganzzahl,
       [](L& l, const Wert& w) { l.VersorgungsbeginnJahr = als<int>(w); }},
      {"VersorgungsbeginnMonat", Art::Ganzzahl,
       [](L& l, const Wert& w) { l.VersorgungsbeginnMonat = als<int>(w); }},
      // Inputs without a setter.
      {"VJAHR", Art::Ganzzahl, [](L& l, const Wert& w) { l.VJAHR = als<int>(w); }},
      {"ZMVB", Art::Ganzzahl, [](L& l, const Wert& w) { l.ZMVB = als<int>(w); }},
      {"VBEZ", Art::Betrag, [](L& l, const Wert& w) { l.VBEZ = als<Money>(w); }},
      {"VBS", Art::Betrag, [](L& l, const Wert& w) { l.VBS = als<Money>(w); }},
      {"VBEZM", Art::Betrag, [](L& l, const Wert& w) { l.VBEZM = als<Money>(w); }},
      {"VBEZS", Art::Betrag, [](L& l, const Wert& w) { l.VBEZS = als<Money>(w); }},
      {"JVBEZ", Art::Betrag, [](L& l, const Wert& w) { l.JVBEZ = als<Money>(w); }},
      {"VMT", Art::Betrag, [](L& l, const Wert& w) { l.VMT = als<Money>(w); }},
      {"JRE4", Art::Betrag, [](L& l, const Wert& w) { l.JRE4 = als<Money>(w); }},
      {"ENTSCH", Art::Betrag, [](L& l, const Wert& w) { l.ENTSCH = als<Money>(w); }},
      {"JRE4ENT", Art::Betrag, [](L& l, const Wert& w) { l.JRE4ENT = als<Money>(w); }},
      {"SONSTENT", Art::Betrag, [](L& l, const Wert& w) { l.SONSTENT = als<Money>(w); }},
      {"JahresHochrechnung", Art::Ganzzahl,
       [](L& l, const Wert& w) { l.JahresHochrechnung = als<int>(w); }},
      {"EBVormonate", Art::Ganzzahl, [](L& l, const Wert& w) { l.EBVormonate = als<int>(w); }},
      {"VorTage", Art::Ganzzahl, [](L& l, const Wert& w) { l.VorTage = als<int>(w); }},
      {"VorBemKV", Art::Betrag, [](L& l, const Wert& w) { l.VorBemKV = als<Money>(w); }},
      {"VorBemRV", Art::Betrag, [](L& l, const Wert& w) { l.VorBemRV = als<Money>(w); }},
      {"Versorgungsart", Art::Ganzzahl, [](L& l, const Wert& w) { l.Versorgungsart = als<int>(w); }},
      {"VersorgungKVGrenze", Art::Betrag,
       [](L& l, const Wert& w) { l.VersorgungKVGrenze = als<Money>(w); }},
      {"RVStatus", Art::Ganzzahl, [](L& l, const Wert& w) { l.RVStatus = als<int>(w); }},
      {"AVStatus", Art::Ganzzahl, [](L& l, const Wert& w) { l.AVStatus = als<int>(w); }},
      {"U1Satz", Art::Betrag, [](L& l, const Wert& w) { l.U1Satz = als<Money>(w); }},
      {"U2Satz", Art::Betrag, [](L& l, const Wert& w) { l.U2Satz = als<Money>(w); }},
      {"AufstockungBasis", Art::Betrag, [](L& l, const Wert& w) { l.AufstockungBasis = als<Money>(w); }},
      {"AufstockungSatz", Art::Betrag, [](L& l, const Wert& w) { l.AufstockungSatz = als<Money>(w); }},
      {"AufstockungRVSatz", Art::Betrag,
       [](L& l, const Wert& w) { l.AufstockungRVSatz = als<Money>(w); }},
      {"ZVArt", Art::Text, [](L& l, const Wert& w) { l.ZVArt = als<std::string>(w); }},
      {"ZVEntgelt", Art::Betrag, [](L& l, const Wert& w) { l.ZVEntgelt = als<Money>(w); }},
      {"ZVSatzIndividuell", Art::Betrag,
       [](L& l, const Wert& w) { l.ZVSatzIndividuell = als<Money>(w); }},
      {"ZVGrenzbeitragPflicht", Art::Ganzzahl,
       [](L& l, const Wert& w) { l.ZVGrenzbeitragPflicht = als<int>(w); }},
      {"ZVANSatz", Art::Betrag, [](L& l, const Wert& w) { l.ZVANSatz = als<Money>(w); }},
      {"ZVANFestbetrag", Art::Betrag, [](L& l, const Wert& w) { l.ZVANFestbetrag = als<Money>(w); }},
      {"ZVSteuerfrei", Art::Betrag, [](L& l, const Wert& w) { l.ZVSteuerfrei = als<Money>(w); }},
      {"ZVPauschalVorgabe", Art::Betrag,
       [](L& l, const Wert& w) { l.ZVPauschalVorgabe = als<Money>(w); }},
      {"ZVZusatzbeitragSatz", Art::Betrag,
       [](L& l, const Wert& w) { l.ZVZusatzbeitragSatz = als<Money>(w); }},
  };
  return o;
}

// The defined range of an input. Amounts are never negative (the tax allowance is: a negative
// one is an addition amount), rates lie between 0 and 100 percent, switches are 0 or 1.
struct Bereich {
  double min, max;
};
constexpr double kOhneGrenze = 1e9;  // an amount or count with no limit of its own

Bereich bereichVon(const Option& o) {
  static const std::map<std::string_view, Bereich> bereiche = {
      {"Rechtskreis", {0, 1}},   {"Monat", {1, 12}},      {"StTage", {1, 30}},
      {"SVTage", {1, 30}},       {"Gleitzone", {0, 1}},   {"RVVolleBeitraege", {0, 1}},
      {"PVErhoeht", {0, 1}},     {"PVSachsen", {0, 1}},   {"VerzichtRVFreiheit", {0, 1}},
      {"FrwTatsBrutto", {0, 1}}, {"KVStatus", {0, 9}},    {"PVStatus", {0, 9}},
      {"PKV", {0, 2}},           {"StKl", {0, 6}},        {"Faktor", {0, 1}},
      {"KiStLand", {0, 18}},     {"Konfession", {1, 4}},  {"KRV", {0, 2}},
      {"KiFB", {0, 99}},         {"StFB", {-1e9, 1e9}},   {"GebJahr", {1850, 2100}},
      {"Mehrfachbesch", {0, 2}}, {"Aufstockung", {0, 1}}, {"KinderUnter25", {0, 99}},
      {"VJAHR", {0, 9999}},      {"ZMVB", {0, 12}},       {"JahresHochrechnung", {0, 1}},
      {"GebMonat", {0, 12}},     {"Aktivrente", {0, 2}},  {"VersorgungsbezugArt", {0, 2}},
      {"VersorgungsbeginnJahr", {0, 9999}},               {"VersorgungsbeginnMonat", {0, 12}},
      {"EBVormonate", {0, 1}},   {"VorTage", {0, 366}},   {"ZVGrenzbeitragPflicht", {0, 1}},
  };
  if (o.name == "Jahr") return {double(ErstesRechenjahr()), double(LetztesRechenjahr())};
  if (const auto it = bereiche.find(o.name); it != bereiche.end()) return it->second;
  const std::string_view n = o.name;
  const bool satz = n.size() >= 4 && (n.substr(n.size() - 4) == "Satz" || n == "KVZusBeitrag");
  if (o.art == Art::Betrag) return satz ? Bereich{0, 100} : Bereich{0, kOhneGrenze};
  return {0, kOhneGrenze};
}

std::string zahlText(double z) {
  char t[32];
  std::snprintf(t, sizeof t, "%.10g", z);
  return t;
}

// The statuses of private insurance have values of their own: 0 statutory, 2 like a voluntary
// member, 3 and 4 a private premium with the employer's subsidy, 5 without, 9 no shares.
void pruefeWerte(const Option& o, const Wert& w, const std::string& text) {
  if (o.name != "KVStatus" && o.name != "PVStatus") return;
  static constexpr int kStatus[] = {0, 2, 3, 4, 5, 9};
  if (std::find(std::begin(kStatus), std::end(kStatus), als<int>(w)) == std::end(kStatus))
    throw std::invalid_argument("--" + std::string(o.name) + ": '" + text +
                                "' ist keiner der Werte 0, 2, 3, 4, 5, 9");
}

void pruefeBereich(const Option& o, const Wert& w, const std::string& text) {
  if (o.art == Art::Text) return;
  pruefeWerte(o, w, text);
  const double z = o.art == Art::Ganzzahl ? als<int>(w)
                   : o.art == Art::Kommazahl
                       ? static_cast<double>(als<float>(w))
                       : static_cast<double>(als<Money>(w).raw()) / Money::kScale;
  const Bereich b = bereichVon(o);
  if (z >= b.min && z <= b.max) return;
  const std::string was = "--" + std::string(o.name) + ": '" + text + "' ";
  if (b.max == kOhneGrenze) throw std::invalid_argument(was + "darf nicht negativ sein");
  throw std::invalid_argument(was + "liegt nicht zwischen " + zahlText(b.min) + " und " +
                              zahlText(b.max));
}

Wert lies(const Option& o, const std::string& text) {
  const auto fehler = [&] {
    return std::invalid_argument("--" + std::string(o.name) + ": '" + text + "' ist keine " +
                                 (o.art == Art::Ganzzahl ? "ganze Zahl" : "Zahl"));
  };
  switch (o.art) {
    case Art::Ganzzahl: {
      int w = 0;
      const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), w);
      if (ec != std::errc() || ende != text.data() + text.size() || text.empty()) throw fehler();
      return w;
    }
    case Art::Betrag:
      try {
        return Money::parse(text);
      } catch (const std::invalid_argument&) {
        throw fehler();
      }
    case Art::Kommazahl: {
      float w = 0;
      const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), w);
      if (ec != std::errc() || ende != text.data() + text.size() || text.empty()) throw fehler();
      return w;
    }
    case Art::Text:
      return text;
  }
  return text;
}

}  // namespace

int FallBefehl(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler) {
  if (WillHilfe(args)) {
    BefehlsHilfe(aus, "fall");
    return kErfolg;
  }
  std::map<std::string_view, Wert> werte;
  try {
    for (std::size_t i = 0; i < args.size(); ++i) {
      std::string name = args[i], text;
      if (name.size() > 1 && name[0] == '-' && name.rfind("--", 0) != 0)
        throw std::invalid_argument("unbekannte Option " + name);
      if (name.rfind("--", 0) != 0) throw std::invalid_argument("unerwartetes Argument '" + name + "'");
      name.erase(0, 2);
      const std::size_t gleich = name.find('=');
      if (gleich != std::string::npos) {
        text = name.substr(gleich + 1);
        name.erase(gleich);
      }
      // The name first: an unknown one is said as such wherever it stands.
      const Option* option = nullptr;
      for (const Option& o : optionen())
        if (o.name == name) option = &o;
      if (!option) throw std::invalid_argument("unbekannte Option --" + name);
      if (gleich == std::string::npos) {
        if (i + 1 >= args.size()) throw std::invalid_argument("--" + name + " braucht einen Wert");
        text = args[++i];
      }
      const Wert wert = lies(*option, text);
      pruefeBereich(*option, wert, text);
      werte[option->name] = wert;
    }
    if (!werte.count("Jahr")) throw std::invalid_argument("--Jahr fehlt");
  } catch (const std::invalid_argument& f) {
    fehler << "salvaro-cli fall: " << f.what() << '\n';
    return kFalscheEingabe;
  }

  TLohnGehalt fall;
  try {
    // The window's legal area is West; a case without the option is calculated for it too.
    if (!werte.count("Rechtskreis")) fall.SetRechtskreis(1);
    // The month's parameters (the health rate among them) are loaded by SetMonat only: a case
    // without the option is January's, as printed, not the bare year defaults.
    if (!werte.count("Monat")) werte["Monat"] = 1;
    for (const Option& o : optionen())
      if (auto it = werte.find(o.name); it != werte.end()) o.setze(fall, it->second);
    fall.Berechne();
  } catch (const std::exception& f) {
    fehler << "salvaro-cli fall: " << f.what() << '\n';
    // A setter refuses what it cannot take (a contribution group that is not four digits): bad
    // input. A period without values or an overflow: the calculation is refused.
    const bool eingabe = dynamic_cast<const std::invalid_argument*>(&f) != nullptr &&
                         dynamic_cast<const ZeitraumFehler*>(&f) == nullptr;
    return eingabe ? kFalscheEingabe : kAbgelehnt;
  }

  const TLohnGehalt& l = fall;
  const std::pair<const char*, Money> betraege[] = {
      {"LSt", l.LSt}, {"SolZ", l.SolZ}, {"KiSt", l.KiSt}, {"KiStAnteil1", l.KiStAnteil1},
      {"KiStAnteil2", l.KiStAnteil2}, {"LStEB", l.LStEB}, {"SolZEB", l.SolZEB},
      {"KiStEB1", l.KiStEB1}, {"KiStEB2", l.KiStEB2}, {"LStVMT", l.LStVMT}, {"SolZVMT", l.SolZVMT},
      {"KiStVMT1", l.KiStVMT1}, {"KiStVMT2", l.KiStVMT2}, {"BemKV", l.BemKV}, {"BemRV", l.BemRV},
      {"SVBrutto", l.SVBrutto}, {"SVBemessung", l.SVBemessung}, {"EBBemKV", l.EBBemKV},
      {"EBBemRV", l.EBBemRV}, {"AntBBGKV", l.AntBBGKV}, {"AntBBGRV", l.AntBBGRV},
      {"KVAN", l.KVAN}, {"KVAG", l.KVAG}, {"RVAN", l.RVAN}, {"RVAG", l.RVAG}, {"AVAN", l.AVAN},
      {"AVAG", l.AVAG}, {"PVAN", l.PVAN}, {"PVAG", l.PVAG}, {"KVANEB", l.KVANEB},
      {"KVAGEB", l.KVAGEB}, {"RVANEB", l.RVANEB}, {"RVAGEB", l.RVAGEB}, {"AVANEB", l.AVANEB},
      {"AVAGEB", l.AVAGEB}, {"PVANEB", l.PVANEB}, {"PVAGEB", l.PVAGEB},
      {"InsoUmlage", l.InsoUmlage}, {"UmlageU1", l.UmlageU1}, {"UmlageU2", l.UmlageU2},
      {"Kammerbeitrag", l.Kammerbeitrag}, {"AufstockungBetrag", l.AufstockungBetrag},
      {"AufstockungRVBemessung", l.AufstockungRVBemessung},
      {"AufstockungRVBeitrag", l.AufstockungRVBeitrag}, {"ZVSatz", l.ZVSatz},
      {"ZVUmlage", l.ZVUmlage}, {"ZVGrenzbeitrag", l.ZVGrenzbeitrag},
      {"ZVZusatzbeitrag", l.ZVZusatzbeitrag}, {"ZVANBeitrag", l.ZVANBeitrag},
      {"ZVSteuerpflichtig", l.ZVSteuerpflichtig}, {"ZVPauschal", l.ZVPauschal},
      {"ZVSVpflichtig", l.ZVSVpflichtig}, {"RE4", l.RE4},
      {"GleitzoneObergrenze", l.GleitzoneObergrenze}, {"GleitzoneUntergrenze", l.GleitzoneUntergrenze},
      {"GleitzoneFaktor", l.GleitzoneFaktor}, {"BBGKV", l.BBGKV}, {"BBGRV", l.BBGRV},
      {"KVSatz", l.KVSatz}, {"RVSatz", l.RVSatz}, {"AVSatz", l.AVSatz}, {"PVSatz", l.PVSatz},
      {"KVSatzZuschuss", l.KVSatzZuschuss}, {"PKVHoechstzuschuss", l.PKVHoechstzuschuss},
      {"PPVHoechstzuschuss", l.PPVHoechstzuschuss}, {"InsoUmlageSatz", l.InsoUmlageSatz},
      {"ZwanzigstelBezugsgroesse", l.ZwanzigstelBezugsgroesse},
      {"Netto", NettoFormel(l, l.StBrutto)},
      // Age and pension payments.
      {"AktivrenteFrei", l.AktivrenteFrei}, {"AktivrenteFreiEB", l.AktivrenteFreiEB},
      {"KVVersorgung", l.KVVersorgung}, {"PVVersorgung", l.PVVersorgung},
      {"Versorgungsfreibetrag", l.Versorgungsfreibetrag},
      {"ZuschlagVersorgungsfreibetrag", l.ZuschlagVersorgungsfreibetrag},
  };
  const std::pair<const char*, int> zahlen[] = {
      {"Jahr", l.Jahr},     {"Monat", l.Monat},   {"LZZ", l.LZZ},       {"ALTER1", l.ALTER1},
      {"AJAHR", l.AJAHR},   {"Minijob", l.Minijob}, {"AF", l.AF},        {"KRV", l.KRV},
      {"StKl", l.StKl},     {"PVErhoeht", l.PVErhoeht}, {"BGRKV", l.BGRKV}, {"BGRRV", l.BGRRV},
      {"BGRAV", l.BGRAV},   {"BGRPV", l.BGRPV}, {"KinderUnter25", l.KinderUnter25},
      // Age and pension payments.
      {"RegelaltersgrenzeJahr", l.Regelaltersgrenze.jahr},
      {"RegelaltersgrenzeMonat", l.Regelaltersgrenze.monat},
      {"NachRegelaltersgrenze", l.NachRegelaltersgrenze}, {"KRVSteuer", l.KRVSteuer}};
  aus << "{\n";
  for (const auto& [name, wert] : zahlen) aus << "  \"" << name << "\": " << wert << ",\n";
  for (std::size_t i = 0; i < std::size(betraege); ++i)
    aus << "  \"" << betraege[i].first << "\": \"" << betraege[i].second.text4() << '"'
        << (i + 1 < std::size(betraege) ? ",\n" : "\n");
  aus << "}\n";
  return 0;
}

}  // namespace salvaro
