#include "abrechnung/Zahlentext.h"

#include <cstdint>

namespace salvaro {

std::string FormatDE(Money betrag) {
  const bool negativ = betrag.raw() < 0;
  std::uint64_t units = negativ ? static_cast<std::uint64_t>(-(betrag.raw() + 1)) + 1
                                : static_cast<std::uint64_t>(betrag.raw());
  const std::uint64_t cents = (units + 50) / 100;  // half a cent away from zero
  std::string ganz = std::to_string(cents / 100);
  for (int i = static_cast<int>(ganz.size()) - 3; i > 0; i -= 3) ganz.insert(i, ".");
  const unsigned rest = cents % 100;
  std::string text = (negativ && cents != 0 ? "-" : "") + ganz + ",";
  text += static_cast<char>('0' + rest / 10);
  text += static_cast<char>('0' + rest % 10);
  return text;
}

}  // namespace salvaro
