#include "money/Money.h"

#include <cmath>
#include <cstdlib>

namespace salvaro {

namespace detail {
void wirfUngueltig() {
  throw RechenFehler("Ungültige Rechenoperation");
}
void wirfUeberlauf() {
  throw RechenFehler("Gleitkommaüberlauf");
}
void wirfDivisionDurchNull() {
  throw RechenFehler("Division durch Null");
}
void wirfNichtEndlich(long double u) {
  if (std::isnan(u)) wirfUngueltig();
  wirfUeberlauf();
}

Money rundeGross(long double u) {
  // The largest extended value that still fits an int64 after rounding.
  constexpr long double kGrenze = 9223372036854775807.0L;
  pruefeEndlich(u);
  if (u >= kGrenze || u < -kGrenze) wirfUeberlauf();
  // llrintl rounds under the default mode: to nearest, ties to even.
  return Money::units(std::llrintl(u));
}

Ext intGross(long double u) {
  pruefeEndlich(u);
  return Ext::units(std::truncl(u / Money::kScale) * Money::kScale);
}
}  // namespace detail

std::string Money::text4() const {
  const std::uint64_t betrag =
      v_ < 0 ? static_cast<std::uint64_t>(-(v_ + 1)) + 1 : static_cast<std::uint64_t>(v_);
  const std::uint64_t rest = betrag % kScale;
  std::string text(v_ < 0 ? "-" : "");
  text += std::to_string(betrag / kScale);
  text += '.';
  for (std::uint64_t stelle = kScale / 10; stelle > 0; stelle /= 10)
    text += static_cast<char>('0' + rest / stelle % 10);
  return text;
}

}  // namespace salvaro
