#include "abrechnung/Zahlentext.h"

#include <cstdint>

namespace salvaro {

std::string FormatDE(Money betrag) {
  const bool negativ = betrag.raw() < 0;
  std::uint64_t units = negativ ? static_cast<std::uint64_t>(-(betrag.raw() + 1)) + 1
                                : static_cast<std::uint64_t>(betrag.raw());
  const std::uint64_t cents = (units + 50) / 100;  // half a cent away from zero
  const std::string ziffern = std::to_string(cents / 100);
  std::string text = negativ && cents != 0 ? "-" : "";
  for (std::size_t i = 0; i < ziffern.size(); ++i) {
    if (i > 0 && (ziffern.size() - i) % 3 == 0) text += '.';
    text += ziffern[i];
  }
  const unsigned rest = cents % 100;
  text += ',';
  text += static_cast<char>('0' + rest / 10);
  text += static_cast<char>('0' + rest % 10);
  return text;
}

}  // namespace salvaro
