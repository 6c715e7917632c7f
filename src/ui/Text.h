// The workflow's texts are UTF-8 std::strings; the controls hold QStrings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace salvaro {

inline QString QText(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string StdText(const QString& s) {
  return s.toStdString();
}

}  // namespace salvaro
