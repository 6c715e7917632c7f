#include "abrechnung/IniDatei.h"

#include <cctype>

#include "abrechnung/Cp1252.h"

namespace salvaro {

namespace {

bool gleich(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string_view ohneRand(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The name of a section header line, or nothing.
std::optional<std::string_view> sektionVon(std::string_view zeile) {
  const std::string_view z = ohneRand(zeile);
  if (z.size() < 2 || z.front() != '[' || z.back() != ']') return std::nullopt;
  return ohneRand(z.substr(1, z.size() - 2));
}

// The key of a value line, or nothing for comments and other lines.
std::optional<std::string_view> schluesselVon(std::string_view zeile) {
  const std::string_view z = ohneRand(zeile);
  if (z.empty() || z.front() == ';' || z.front() == '#' || z.front() == '[') return std::nullopt;
  const std::size_t gleichheit = zeile.find('=');
  if (gleichheit == std::string_view::npos) return std::nullopt;
  return ohneRand(zeile.substr(0, gleichheit));
}

}  // namespace

IniDatei::IniDatei(std::string_view bytes) {
  if (bytes.empty()) return;
  const std::size_t erstesLf = bytes.find('\n');
  zeilenende_ = erstesLf != std::string_view::npos && erstesLf > 0 && bytes[erstesLf - 1] == '\r'
                    ? "\r\n"
                    : "\n";
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t ende = bytes.find('\n', start);
    const bool mitLf = ende != std::string_view::npos;
    if (!mitLf) ende = bytes.size();
    std::string_view zeile = bytes.substr(start, ende - start);
    // The CR of a CR LF; a CR at the very end of an unterminated last line is part of the line.
    std::string ende_ = mitLf ? "\n" : "";
    if (mitLf && !zeile.empty() && zeile.back() == '\r') {
      zeile.remove_suffix(1);
      ende_ = "\r\n";
    }
    zeilen_.emplace_back(zeile);
    enden_.push_back(ende_);
    start = ende + 1;
  }
}

std::optional<std::string> IniDatei::Lies(std::string_view sektion, std::string_view schluessel) const {
  bool drin = false;
  for (const std::string& zeile : zeilen_) {
    if (const auto s = sektionVon(zeile)) {
      drin = gleich(*s, sektion);
    } else if (drin) {
      if (const auto k = schluesselVon(zeile); k && gleich(*k, schluessel))
        return AusCp1252(std::string_view(zeile).substr(zeile.find('=') + 1));
    }
  }
  return std::nullopt;
}

void IniDatei::Schreibe(std::string_view sektion, std::string_view schluessel, std::string_view wert) {
  const std::string neu = std::string(schluessel) + "=" + NachCp1252(wert);
  bool drin = false;
  std::optional<std::size_t> letzteDerSektion;
  for (std::size_t i = 0; i < zeilen_.size(); ++i) {
    if (const auto s = sektionVon(zeilen_[i])) {
      drin = gleich(*s, sektion);
      if (drin) letzteDerSektion = i;
      continue;
    }
    if (!drin) continue;
    if (const auto k = schluesselVon(zeilen_[i]); k && gleich(*k, schluessel)) {
      // Keep the key as the file spells it.
      zeilen_[i] = zeilen_[i].substr(0, zeilen_[i].find('=') + 1) + NachCp1252(wert);
      return;
    }
    if (!ohneRand(zeilen_[i]).empty()) letzteDerSektion = i;
  }
  if (letzteDerSektion) {
    const std::size_t i = *letzteDerSektion;
    const std::string vorher = enden_[i];
    zeilen_.insert(zeilen_.begin() + static_cast<std::ptrdiff_t>(i) + 1, neu);
    // The new line takes the end of the line before it; an unterminated last line gets one.
    enden_.insert(enden_.begin() + static_cast<std::ptrdiff_t>(i) + 1, vorher);
    if (vorher.empty()) enden_[i] = zeilenende_;
    return;
  }
  if (!enden_.empty() && enden_.back().empty()) {
    enden_.back() = zeilenende_;
    zeilen_.push_back("[" + NachCp1252(sektion) + "]");
    enden_.push_back(zeilenende_);
    zeilen_.push_back(neu);
    enden_.push_back("");
    return;
  }
  zeilen_.push_back("[" + NachCp1252(sektion) + "]");
  enden_.push_back(zeilenende_);
  zeilen_.push_back(neu);
  enden_.push_back(zeilenende_);
}

std::string IniDatei::Bytes() const {
  std::string b;
  for (std::size_t i = 0; i < zeilen_.size(); ++i) b += zeilen_[i] + enden_[i];
  return b;
}

}  // namespace salvaro
