// Fixed-point money and the extended intermediates that payroll arithmetic runs in.
//
// Money counts units of 1/10,000 in a signed 64-bit integer (12.34 euros is 123400, a rate of
// 14.60 % is 146000). Expressions are evaluated in 80-bit extended precision on the stored
// integers: an Ext holds its value in those same units, so a product of two amounts is
// u1 * u2 / 10,000 and an amount times an integer is u * n, exactly as the scale is written.
// Storing an Ext back into Money rounds to the nearest unit, ties to even. A division by zero,
// a NaN or an overflow on the way aborts the calculation with RechenFehler.
//
// The operators are inline: an engine's flowchart is a long chain of them, and out-of-line calls
// and library rounding calls would cost more than the arithmetic itself.
#pragma once

#include <cmath>
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

namespace detail {
// The faults, thrown out of line so that the checks cost a compare in the hot path.
[[noreturn]] void wirfUngueltig();
[[noreturn]] void wirfUeberlauf();
[[noreturn]] void wirfDivisionDurchNull();
// A value that is not finite: NaN is an invalid operation, an infinity an overflow.
[[noreturn]] void wirfNichtEndlich(long double u);

// u - u is zero for every finite value and NaN for an infinity or NaN.
inline bool istEndlich(long double u) {
  return u - u == 0;
}
inline void pruefeEndlich(long double u) {
  if (!istEndlich(u)) [[unlikely]]
    wirfNichtEndlich(u);
}

// The integer nearest to u under the current rounding mode (to nearest, ties to even), which is
// what llrintl computes; the caller has checked that u fits.
inline std::int64_t naechsteGanzzahl(long double u) {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
  std::int64_t r;
  asm("fistpll %0" : "=m"(r) : "t"(u) : "st");
  return r;
#else
  return std::llrintl(u);
#endif
}

// truncl(q) as an integer for |q| < 2^62, without switching the FPU's rounding mode: the nearest
// integer is at most one half away, so one step toward zero corrects it.
inline std::int64_t ganzAbgeschnitten(long double q) {
  std::int64_t i = naechsteGanzzahl(q);
  const long double g = static_cast<long double>(i);
  if (q > 0 && g > q)
    --i;
  else if (q < 0 && g < q)
    ++i;
  return i;
}
}  // namespace detail

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

  friend Money operator+(Money a, Money b) {
    std::int64_t r;
    if (__builtin_add_overflow(a.v_, b.v_, &r)) [[unlikely]]
      detail::wirfUeberlauf();
    return units(r);
  }
  friend Money operator-(Money a, Money b) {
    std::int64_t r;
    if (__builtin_sub_overflow(a.v_, b.v_, &r)) [[unlikely]]
      detail::wirfUeberlauf();
    return units(r);
  }
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
inline Ext operator/(Ext a, Ext b) {
  if (b.unitsWert() == 0) [[unlikely]]
    detail::wirfDivisionDurchNull();
  const long double u = a.unitsWert() * Money::kScale / b.unitsWert();
  detail::pruefeEndlich(u);
  return Ext::units(u);
}
// Integer factors and divisors act on the units directly, without a detour over the scale.
template <std::integral I>
constexpr Ext operator*(Ext a, I n) {
  return Ext::units(a.unitsWert() * static_cast<long double>(n));
}
template <std::integral I>
constexpr Ext operator*(I n, Ext a) {
  return Ext::units(a.unitsWert() * static_cast<long double>(n));
}
inline Ext teileDurch(Ext a, long double n) {
  if (n == 0) [[unlikely]]
    detail::wirfDivisionDurchNull();
  return Ext::units(a.unitsWert() / n);
}
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
  std::int64_t mantisse = 0;  // at most 9 * 10^17
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
      if (d.mantisse > 900'000'000'000'000'000) throw std::invalid_argument("Zahl zu groß");
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
  // In integers: the mantissa times at most 10^4, exact up to the limit.
  constexpr std::int64_t kZehner[] = {10000, 1000, 100, 10, 1};
  std::int64_t v = 0;
  if (__builtin_mul_overflow(d.mantisse, kZehner[d.stellen], &v) || v > 9'200'000'000'000'000'000)
    throw std::invalid_argument("Zahl zu groß");
  return units(d.negativ ? -v : v);
}

constexpr Ext Ext::parse(std::string_view s) {
  const detail::Dezimal d = detail::parseDezimal(s);
  long double u = static_cast<long double>(d.mantisse);
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

namespace detail {
// Money::runde and Int beyond the magnitudes of their inline paths: the full range checks.
Money rundeGross(long double u);
Ext intGross(long double u);
}  // namespace detail

inline Money Money::runde(const Ext& e) {
  // Well inside the int64 range one compare suffices; the exact limits are checked out of line.
  const long double u = e.unitsWert();
  if (!(std::fabs(u) < 0x1p62L)) [[unlikely]]
    return detail::rundeGross(u);
  return units(detail::naechsteGanzzahl(u));
}

// Truncation of an extended value toward zero (the fraction is dropped: -2.7 gives -2).
inline Ext Int(Ext e) {
  // Below 2^75 units the quotient is below 2^62, where the integer truncation applies.
  const long double u = e.unitsWert();
  if (!(std::fabs(u) < 0x1p75L)) [[unlikely]]
    return detail::intGross(u);
  const long double q = u / Money::kScale;
  const std::int64_t t = detail::ganzAbgeschnitten(q);
  // A zero keeps the sign of the quotient, as truncl gives it.
  return Ext::units((t != 0 ? static_cast<long double>(t) : q * 0) * Money::kScale);
}

}  // namespace salvaro
