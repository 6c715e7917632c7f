// A small INI file that keeps every line it does not change: comments, foreign sections and keys,
// the order of lines and the line ends. Sections and keys are found without regard to case; the
// file's bytes are Windows-1252, the values handed out and taken in are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace salvaro {

class IniDatei {
 public:
  IniDatei() = default;
  // The bytes of a file as read.
  explicit IniDatei(std::string_view bytes);

  std::optional<std::string> Lies(std::string_view sektion, std::string_view schluessel) const;
  // Replaces the key's value in place, or appends the key to its section (the section to the
  // file when it is missing).
  void Schreibe(std::string_view sektion, std::string_view schluessel, std::string_view wert);

  // The bytes to write.
  std::string Bytes() const;

 private:
  std::vector<std::string> zeilen_;  // Windows-1252, without line ends
  std::vector<std::string> enden_;   // each line's own end ("\r\n", "\n" or none at the end)
  std::string zeilenende_ = "\r\n";  // for new lines: the end of the file's first line
};

}  // namespace salvaro
