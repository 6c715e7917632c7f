#include "abrechnung/Zahlentext.h"

#include <cstdint>

namespace salvaro {

KonvertierungsFehler::KonvertierungsFehler(std::string_view text, bool ganzzahl)
    : std::runtime_error("'" + std::string(text) + "' ist kein gültiger " +
                         (ganzzahl ? "ganzzahliger Wert" : "Gleitkommawert")) {}

std::string OhneTausenderPunkt(std::string_view text, int maxPunkte) {
  std::string s(text);
  for (int i = 0; i < maxPunkte; ++i) {
    const std::size_t p = s.find('.');
    if (p == std::string::npos) break;
    s.erase(p, 1);
  }
  return s;
}

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
  const std::string_view ganz = s.substr(0, komma);
  const std::string_view bruch = komma == std::string_view::npos ? "" : s.substr(komma + 1);
  auto nurZiffern = [](std::string_view t) {
    return t.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if ((ganz.empty() && bruch.empty()) || !nurZiffern(ganz) || !nurZiffern(bruch) ||
      bruch.size() > 4 || ganz.size() > 14)
    throw KonvertierungsFehler(text);
  std::int64_t units = 0;
  for (char c : ganz) units = units * 10 + (c - '0');
  for (std::size_t i = 0; i < 4; ++i) units = units * 10 + (i < bruch.size() ? bruch[i] - '0' : 0);
  return Money::units(negativ ? -units : units);
}

Money LiesFeld(std::string_view text) { return LiesBetrag(OhneTausenderPunkt(text)); }

int LiesGanzzahl(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  const bool negativ = !s.empty() && s.front() == '-';
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string_view::npos)
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

std::string FormatBild(Money betrag, int nachkomma, bool gruppiert) {
  if (nachkomma < 0) nachkomma = 0;
  if (nachkomma > 4) nachkomma = 4;
  std::uint64_t teiler = 1;
  for (int i = nachkomma; i < 4; ++i) teiler *= 10;
  const std::uint64_t gerundet = (betragVon(betrag) + teiler / 2) / teiler;  // half away from 0
  std::uint64_t skala = 1;
  for (int i = 0; i < nachkomma; ++i) skala *= 10;
  const std::string ziffern = std::to_string(gerundet / skala);
  std::string text(betrag.raw() < 0 && gerundet != 0 ? "-" : "");
  for (std::size_t i = 0; i < ziffern.size(); ++i) {
    if (gruppiert && i > 0 && (ziffern.size() - i) % 3 == 0) text += '.';
    text += ziffern[i];
  }
  if (nachkomma > 0) {
    text += ',';
    const std::uint64_t rest = gerundet % skala;
    for (std::uint64_t stelle = skala / 10; stelle > 0; stelle /= 10)
      text += static_cast<char>('0' + rest / stelle % 10);
  }
  return text;
}

}  // namespace salvaro
