#include "abrechnung/Zahlentext.h"

#include <charconv>

#include <cstdint>
#include <optional>

namespace salvaro {

KonvertierungsFehler::KonvertierungsFehler(std::string_view text, bool ganzzahl)
    : std::runtime_error("'" + std::string(text) + "' ist kein gültiger " +
                         (ganzzahl ? "ganzzahliger Wert" : "Gleitkommawert")) {}

BereichsFehler::BereichsFehler(std::string_view text, Money min, Money max)
    : KonvertierungsFehler(Meldungstext{"'" + std::string(text) + "' liegt nicht zwischen " +
                                        FormatDE(min) + " und " + FormatDE(max)}) {}

namespace {
const char* const kStellenwoerter[] = {"keine", "eine", "zwei", "drei", "vier"};
}  // namespace

NachkommaFehler::NachkommaFehler(std::string_view text, int nachkommastellen)
    : KonvertierungsFehler(
          Meldungstext{"'" + std::string(text) + "' hat mehr als " +
                       (nachkommastellen >= 0 && nachkommastellen <= 4
                            ? std::string(kStellenwoerter[nachkommastellen])
                            : std::to_string(nachkommastellen)) +
                       (nachkommastellen == 1 ? " Nachkommastelle" : " Nachkommastellen")}) {}

std::string OhneTausenderPunkt(std::string_view text, int maxPunkte) {
  std::string s(text);
  for (int i = 0; i < maxPunkte; ++i) {
    const std::size_t p = s.find('.');
    if (p == std::string::npos) break;
    s.erase(p, 1);
  }
  return s;
}

namespace {
// Whether every character is a digit (an empty text too).
bool alleZiffern(std::string_view t) {
  for (const char c : t)
    if (c < '0' || c > '9') return false;
  return true;
}
}  // namespace

Money LiesBetrag(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  bool negativ = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negativ = s.front() == '-';
    s.remove_prefix(1);
  }
  const std::size_t komma = s.find(',');
  std::string_view ganz = s.substr(0, komma);
  const std::string_view bruch = komma == std::string_view::npos ? "" : s.substr(komma + 1);
  if ((ganz.empty() && bruch.empty()) || !alleZiffern(ganz) || !alleZiffern(bruch) ||
      bruch.size() > 4)
    throw KonvertierungsFehler(text);
  // Leading zeros say nothing; more digits than Money holds are a number too large.
  while (ganz.size() > 1 && ganz.front() == '0') ganz.remove_prefix(1);
  if (ganz.size() > 14) throw ZuGrosseZahl(text);
  std::int64_t units = 0;
  for (char c : ganz) units = units * 10 + (c - '0');
  for (std::size_t i = 0; i < 4; ++i) units = units * 10 + (i < bruch.size() ? bruch[i] - '0' : 0);
  return Money::units(negativ ? -units : units);
}

Money LiesFeld(std::string_view text) {
  // Most texts have no point: the plain reading is the same then.
  if (text.find('.') == std::string_view::npos) return LiesBetrag(text);
  return LiesZahlentext(text, 4);
}

Money LiesFeldOderNull(std::string_view text) { return text.empty() ? Money() : LiesFeld(text); }

namespace {

bool nurZiffern(std::string_view t) {
  return !t.empty() && alleZiffern(t);
}

// "1.000", "12.345.678": the digits without their points; nothing when the text is not grouped so.
std::optional<std::string> ohneTausenderGruppen(std::string_view s) {
  std::size_t punkt = s.find('.');
  if (punkt == std::string_view::npos || punkt == 0 || punkt > 3 || s[0] == '0' ||
      !nurZiffern(s.substr(0, punkt)))
    return std::nullopt;
  std::string ziffern(s.substr(0, punkt));
  while (punkt != std::string_view::npos) {
    const std::size_t naechster = s.find('.', punkt + 1);
    const std::string_view gruppe = s.substr(punkt + 1, naechster - punkt - 1);
    if (gruppe.size() != 3 || !nurZiffern(gruppe)) return std::nullopt;
    ziffern += gruppe;
    punkt = naechster;
  }
  return ziffern;
}

}  // namespace

Money LiesZahlentext(std::string_view text, int nachkommastellen) {
  std::string_view s = text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  std::string vorzeichen;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    vorzeichen = s.front();
    s.remove_prefix(1);
  }
  std::string_view ganz = s, bruch;
  bool mitBruch = false;
  if (const std::size_t komma = s.find(','); komma != std::string_view::npos) {
    ganz = s.substr(0, komma);
    bruch = s.substr(komma + 1);
    mitBruch = true;
  } else if (const std::size_t punkt = s.find('.'); punkt != std::string_view::npos) {
    if (!ohneTausenderGruppen(s) && s.find('.', punkt + 1) == std::string_view::npos) {
      ganz = s.substr(0, punkt);
      bruch = s.substr(punkt + 1);
      mitBruch = true;
    }
  }
  std::string ziffern(ganz);
  if (ganz.find('.') != std::string_view::npos) {
    const std::optional<std::string> ohne = ohneTausenderGruppen(ganz);
    if (!ohne) throw KonvertierungsFehler(text);
    ziffern = *ohne;
  }
  if (nurZiffern(bruch) && static_cast<int>(bruch.size()) > nachkommastellen)
    throw NachkommaFehler(text, nachkommastellen);
  if (ziffern.empty() && bruch.empty()) throw KonvertierungsFehler(text);
  if (!ziffern.empty() && !nurZiffern(ziffern)) throw KonvertierungsFehler(text);
  if (mitBruch && !bruch.empty() && !nurZiffern(bruch)) throw KonvertierungsFehler(text);
  try {
    return LiesBetrag(vorzeichen + ziffern + (mitBruch ? "," + std::string(bruch) : ""));
  } catch (const ZuGrosseZahl&) {
    throw ZuGrosseZahl(text);
  } catch (const KonvertierungsFehler&) {
    throw KonvertierungsFehler(text);
  }
}

Money LiesImBereich(std::string_view text, int nachkommastellen, Money min, Money max) {
  Money m;
  try {
    m = LiesZahlentext(text, nachkommastellen);
  } catch (const ZuGrosseZahl&) {
    throw BereichsFehler(text, min, max);
  }
  if (m < min || m > max) throw BereichsFehler(text, min, max);
  return m;
}

bool PunkteSindTausender(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  if (s.find(',') != std::string_view::npos) return true;
  return s.find('.') == std::string_view::npos || ohneTausenderGruppen(s).has_value();
}

int LiesGanzzahl(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  const bool negativ = !s.empty() && s.front() == '-';
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  if (s.empty() || s.size() > 9 || !nurZiffern(s))
    throw KonvertierungsFehler(text, true);
  int wert = 0;
  for (const char c : s) wert = wert * 10 + (c - '0');
  return negativ ? -wert : wert;
}

namespace {
std::uint64_t betragVon(Money m) {
  return m.raw() < 0 ? static_cast<std::uint64_t>(-(m.raw() + 1)) + 1
                     : static_cast<std::uint64_t>(m.raw());
}
}  // namespace

std::string SchlichterText(Money betrag) {
  const std::uint64_t u = betragVon(betrag);
  std::string text(betrag.raw() < 0 ? "-" : "");
  text += std::to_string(u / Money::kScale);
  std::uint64_t rest = u % Money::kScale;
  if (rest != 0) {
    text += ',';
    for (std::uint64_t stelle = Money::kScale / 10; rest != 0; stelle /= 10) {
      text += static_cast<char>('0' + rest / stelle);
      rest %= stelle;
    }
  }
  return text;
}

std::string ZweiNachkommastellen(std::string_view text) {
  std::string s(text);
  if (s.find(',') == std::string::npos) return s + ",00";
  if (s.size() >= 2 && s[s.size() - 2] == ',') return s + "0";
  return s;
}

void HaengeBildAn(std::string& text, Money betrag, int nachkomma, bool gruppiert, char komma) {
  if (nachkomma < 0) nachkomma = 0;
  if (nachkomma > 4) nachkomma = 4;
  std::uint64_t teiler = 1;
  for (int i = nachkomma; i < 4; ++i) teiler *= 10;
  const std::uint64_t gerundet = (betragVon(betrag) + teiler / 2) / teiler;  // half away from 0
  std::uint64_t skala = 1;
  for (int i = 0; i < nachkomma; ++i) skala *= 10;
  char ziffern[24];
  const char* const ende = std::to_chars(ziffern, ziffern + sizeof ziffern, gerundet / skala).ptr;
  const auto anzahl = static_cast<std::size_t>(ende - ziffern);
  if (betrag.raw() < 0 && gerundet != 0) text += '-';
  for (std::size_t i = 0; i < anzahl; ++i) {
    if (gruppiert && i > 0 && (anzahl - i) % 3 == 0) text += '.';
    text += ziffern[i];
  }
  if (nachkomma > 0) {
    text += komma;
    const std::uint64_t rest = gerundet % skala;
    for (std::uint64_t stelle = skala / 10; stelle > 0; stelle /= 10)
      text += static_cast<char>('0' + rest / stelle % 10);
  }
}

void HaengeCsvFeldAn(std::string& aus, std::string_view feld, std::string_view besondere) {
  if (feld.find_first_of(besondere) == std::string_view::npos) {
    aus += feld;
    return;
  }
  aus += '"';
  for (const char c : feld) {
    aus += c;
    if (c == '"') aus += '"';
  }
  aus += '"';
}

std::string FormatBild(Money betrag, int nachkomma, bool gruppiert) {
  std::string text;
  HaengeBildAn(text, betrag, nachkomma, gruppiert, ',');
  return text;
}

}  // namespace salvaro
