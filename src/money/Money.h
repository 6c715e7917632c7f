// Fixed-point money and the extended intermediates that payroll arithmetic runs in.
//
// Money counts units of 1/10,000 in a signed 64-bit integer (12.34 euros is 123400, a rate of
// 14.60 % is 146000). Expressions are evaluated in 80-bit extended precision on the stored
// integers: an Ext holds its value in those same units, so a product of two amounts is
// u1 * u2 / 10,000 and an amount times an integer is u * n, exactly as the scale is written.
// Storing an Ext back into Money rounds to the nearest unit, ties to even. A division by zero,
// a NaN or an overflow on the way aborts the calculation with RechenFehler.
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace salvaro {

static_assert(std::numeric_limits<long double>::digits == 64,
              "payroll arithmetic needs 80-bit extended long double");

// A floating-point fault in a calculation: division by zero, invalid operation or overflow.
class RechenFehler : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Ext;

class Money {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Money() = default;

  static constexpr Money units(std::int64_t u) {
    Money m;
    m.v_ = u;
    return m;
  }
  static constexpr Money euro(std::int64_t e) { return units(e * kScale); }
  static constexpr Money cent(std::int64_t c) { return units(c * (kScale / 100)); }
  // Exact decimal text with a point and at most four decimals ("0.0935", "-12.5").
  // Throws std::invalid_argument for anything else.
  static constexpr Money parse(std::string_view s);
  // Stores an extended value: nearest unit, ties to even.
  static Money runde(const Ext& e);

  constexpr std::int64_t raw() const { return v_; }
  constexpr bool istNull() const { return v_ == 0; }

  // Plain decimal text with four decimals ("243.0000", "-0.5000").
  std::string text4() const;

  friend constexpr bool operator==(Money, Money) = default;
  friend constexpr auto operator<=>(Money, Money) = default;

  friend Money operator+(Money a, Money b);
  friend Money operator-(Money a, Money b);
  friend constexpr Money operator-(Money a) { return units(-a.v_); }
  Money& operator+=(Money b) { return *this = *this + b; }
  Money& operator-=(Money b) { return *this = *this - b; }

 private:
  std::int64_t v_ = 0;
};

// An extended-precision intermediate, held in units of 1/10,000 like Money.
class Ext {
 public:
  constexpr Ext() = default;
  // Money and integers enter an expression as their exact value.
  constexpr Ext(Money m) : u_(static_cast<long double>(m.raw())) {}  // NOLINT(implicit)
  template <std::integral I>
  constexpr Ext(I n) : u_(static_cast<long double>(n) * Money::kScale) {}  // NOLINT(implicit)
  // A single-precision count (child allowances) enters as its value.
  static constexpr Ext vonFloat(float f) { return units(static_cast<long double>(f) * Money::kScale); }
  static constexpr Ext units(long double u) {
    Ext e;
    e.u_ = u;
    return e;
  }
  // Exact decimal text of a constant ("979.18", "0.01525"), any number of decimals.
  static constexpr Ext parse(std::string_view s);

  constexpr long double unitsWert() const { return u_; }
  constexpr long double wert() const { return u_ / Money::kScale; }

 private:
  long double u_ = 0;
};

// Operators live at namespace level so that Money operands find them and enter as Ext.
constexpr Ext operator+(Ext a, Ext b) { return Ext::units(a.unitsWert() + b.unitsWert()); }
constexpr Ext operator-(Ext a, Ext b) { return Ext::units(a.unitsWert() - b.unitsWert()); }
constexpr Ext operator-(Ext a) { return Ext::units(-a.unitsWert()); }
// A product of two amounts is divided by the scale once.
constexpr Ext operator*(Ext a, Ext b) {
  return Ext::units(a.unitsWert() * b.unitsWert() / Money::kScale);
}
Ext operator/(Ext a, Ext b);
// Integer factors and divisors act on the units directly, without a detour over the scale.
template <std::integral I>
constexpr Ext operator*(Ext a, I n) {
  return Ext::units(a.unitsWert() * static_cast<long double>(n));
}
template <std::integral I>
constexpr Ext operator*(I n, Ext a) {
  return Ext::units(a.unitsWert() * static_cast<long double>(n));
}
Ext teileDurch(Ext a, long double n);
template <std::integral I>
Ext operator/(Ext a, I n) {
  return teileDurch(a, static_cast<long double>(n));
}
constexpr bool operator==(Ext a, Ext b) { return a.unitsWert() == b.unitsWert(); }
constexpr auto operator<=>(Ext a, Ext b) { return a.unitsWert() <=> b.unitsWert(); }

namespace detail {
// Parses "[-]digits[.digits]" into an integer mantissa and a count of decimals.
struct Dezimal {
  bool negativ = false;
  long double mantisse = 0;
  int stellen = 0;
};
constexpr Dezimal parseDezimal(std::string_view s) {
  Dezimal d;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) d.negativ = s[i++] == '-';
  bool ziffer = false, punkt = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '.' && !punkt) {
      punkt = true;
    } else if (c >= '0' && c <= '9') {
      ziffer = true;
      d.mantisse = d.mantisse * 10 + (c - '0');
      if (punkt) ++d.stellen;
      if (d.mantisse > 9.0e17L) throw std::invalid_argument("Zahl zu groß");
    } else {
      throw std::invalid_argument("keine Dezimalzahl");
    }
  }
  if (!ziffer) throw std::invalid_argument("keine Dezimalzahl");
  return d;
}
}  // namespace detail

constexpr Money Money::parse(std::string_view s) {
  const detail::Dezimal d = detail::parseDezimal(s);
  if (d.stellen > 4) throw std::invalid_argument("mehr als vier Nachkommastellen");
  long double u = d.mantisse;
  for (int k = d.stellen; k < 4; ++k) u *= 10;
  if (u > 9.2e18L) throw std::invalid_argument("Zahl zu groß");
  const auto v = static_cast<std::int64_t>(u);
  return units(d.negativ ? -v : v);
}

constexpr Ext Ext::parse(std::string_view s) {
  const detail::Dezimal d = detail::parseDezimal(s);
  long double u = d.mantisse;
  int k = d.stellen;
  for (; k < 4; ++k) u *= 10;
  long double teiler = 1;
  for (; k > 4; --k) teiler *= 10;
  u /= teiler;
  return units(d.negativ ? -u : u);
}

// Decimal constants of the tax law, written as printed: 0.0935_m (Money), 979.18_x (extended).
namespace literale {
consteval Money operator""_m(const char* s) { return Money::parse(s); }
consteval Ext operator""_x(const char* s) { return Ext::parse(s); }
}  // namespace literale

// Truncation of an extended value toward zero (the fraction is dropped: -2.7 gives -2).
Ext Int(Ext e);

}  // namespace salvaro
