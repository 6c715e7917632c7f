#include "money/Money.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>

namespace salvaro {

namespace {
// The largest extended value that still fits an int64 after rounding.
constexpr long double kGrenze = 9223372036854775807.0L;

void pruefeEndlich(long double u) {
  if (std::isnan(u)) throw RechenFehler("Ungültige Rechenoperation");
  if (std::isinf(u)) throw RechenFehler("Gleitkommaüberlauf");
}
}  // namespace

Money Money::runde(const Ext& e) {
  const long double u = e.unitsWert();
  pruefeEndlich(u);
  if (u >= kGrenze || u < -kGrenze) throw RechenFehler("Gleitkommaüberlauf");
  // llrintl rounds under the default mode: to nearest, ties to even.
  return units(std::llrintl(u));
}

Money operator+(Money a, Money b) {
  std::int64_t r;
  if (__builtin_add_overflow(a.raw(), b.raw(), &r)) throw RechenFehler("Gleitkommaüberlauf");
  return Money::units(r);
}

Money operator-(Money a, Money b) {
  std::int64_t r;
  if (__builtin_sub_overflow(a.raw(), b.raw(), &r)) throw RechenFehler("Gleitkommaüberlauf");
  return Money::units(r);
}

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

Ext operator/(Ext a, Ext b) {
  if (b.unitsWert() == 0) throw RechenFehler("Division durch Null");
  const long double u = a.unitsWert() * Money::kScale / b.unitsWert();
  pruefeEndlich(u);
  return Ext::units(u);
}

Ext teileDurch(Ext a, long double n) {
  if (n == 0) throw RechenFehler("Division durch Null");
  return Ext::units(a.unitsWert() / n);
}

Ext Int(Ext e) {
  const long double u = e.unitsWert();
  pruefeEndlich(u);
  return Ext::units(std::truncl(u / Money::kScale) * Money::kScale);
}

}  // namespace salvaro
