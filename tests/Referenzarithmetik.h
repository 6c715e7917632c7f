// The rounding operations spelled out step by step in 80-bit extended precision, as the design
// defines them: every store a range check and llrintl, every Int a truncl of the quotient by the
// scale. The inline integer paths of the money layer must give exactly these results (or throw
// the same fault), so the tests compare against them.
#pragma once

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <string>

#include "money/Money.h"

namespace salvaro::referenz {

inline long double endlich(long double u) {
  if (std::isnan(u)) throw RechenFehler("Ungültige Rechenoperation");
  if (std::isinf(u)) throw RechenFehler("Gleitkommaüberlauf");
  return u;
}

inline Money runde(long double u) {
  endlich(u);
  if (u >= 9223372036854775807.0L || u < -9223372036854775807.0L)
    throw RechenFehler("Gleitkommaüberlauf");
  return Money::units(std::llrintl(u));
}

inline long double Int(long double u) {
  return std::truncl(endlich(u) / 10000) * 10000;
}

inline long double zehnHoch(int n) {
  long double p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

inline long double Abschneiden(int mode, long double u) {
  if (mode < 2 || mode > 7) return u;
  const long double schritt = zehnHoch(mode - 1);
  return Int(u * schritt) / schritt;
}

inline long double Aufrunden(int mode, long double u) {
  if (mode < 1 || mode > 7) return u;
  const long double schritt = zehnHoch(mode - 1);
  const long double skaliert = u * schritt;
  long double ganz = Int(skaliert);
  if (ganz != skaliert) ganz = ganz + (skaliert < 0 ? -10000 : 10000);
  return ganz / schritt;
}

inline long double ext(Money m) {
  return static_cast<long double>(m.raw());
}

inline Money RundeCent(Money x) {
  return runde(Int(ext(x) * 100 + 5000) / 100);
}
inline Money AbrundenCent(Money x) {
  return runde(Int(ext(x) * 100) / 100);
}
inline Money AufrundenCent(Money x) {
  return runde(Int(ext(runde(ext(x) * 100 + 9000))) / 100);
}
inline Money AbrundenEuro(Money x) {
  return runde(Int(ext(x)));
}
inline Money AufrundenEuro(Money x) {
  return runde(Int(ext(x) + 9900));
}

// The flowcharts' truncation and rounding up to some decimals, stored.
inline Money ab(int stellen, long double u) {
  return runde(stellen == 0 ? Int(u) : Abschneiden(stellen + 1, u));
}
inline Money auf(int stellen, long double u) {
  return runde(Aufrunden(stellen + 1, u));
}
inline Money cent(Money euro) {
  return runde(ext(euro) * 100);
}
inline Money euro(Money cent) {
  return runde(ext(cent) / 100);
}

// The result of an operation as comparable text: the stored units or the fault's message.
template <class F>
std::string ergebnis(F f) {
  try {
    return std::to_string(f().raw());
  } catch (const RechenFehler& fehler) {
    return fehler.what();
  }
}

// Stored amounts that reach every path: small and large magnitudes, the ties and steps of the
// roundings, and the limits of the integer paths.
class Zufallswerte {
 public:
  std::int64_t betrag() {
    const int art = static_cast<int>(rng_() % 4);
    const int bits = 1 + static_cast<int>(rng_() % 63);
    std::int64_t n = static_cast<std::int64_t>(rng_() >> (64 - bits)) * (rng_() % 2 ? 1 : -1);
    if (art == 1) {
      // Next to a tie or a step of the roundings.
      constexpr std::int64_t kSchritte[] = {50, 100, 5000, 10000};
      const std::int64_t schritt = kSchritte[rng_() % 4];
      n = n / schritt * schritt + static_cast<std::int64_t>(rng_() % 3) - 1;
    }
    if (art == 2) {
      constexpr std::int64_t kGrenzen[] = {std::int64_t{1} << 48, std::int64_t{1} << 56,
                                           std::int64_t{1} << 62, INT64_MAX / 100};
      n = kGrenzen[rng_() % 4] + static_cast<std::int64_t>(rng_() % 2001) - 1000;
      if (rng_() % 2) n = -n;
    }
    if (art == 3) {
      const auto abstand = static_cast<std::int64_t>(rng_() % 1000);
      n = rng_() % 2 ? INT64_MAX - abstand : INT64_MIN + abstand;
    }
    return n;
  }

  // Extended intermediates as the flowcharts form them: amounts times a factor over a divisor,
  // amounts times rates, and the values at the limits and beyond.
  long double ext() {
    constexpr long double kFaktoren[] = {1, 7, 12, 100, 360, 0.42L, 0.0935L, 1.25L};
    constexpr long double kTeiler[] = {1, 2, 5, 12, 100, 360, 700, 10000, 3};
    const long double n = static_cast<long double>(betrag());
    switch (rng_() % 8) {
      case 0:
        return n;
      case 1:
        return n / static_cast<long double>(std::uint64_t{1} << (rng_() % 40));
      case 2: {
        constexpr long double kBesondere[] = {0.0L,
                                              -0.0L,
                                              0x1p48L,
                                              -0x1p48L,
                                              0x1p62L,
                                              -0x1p62L,
                                              0x1p63L,
                                              -0x1p63L,
                                              0x1p75L,
                                              -0x1p75L,
                                              9223372036854775807.0L,
                                              -9223372036854775807.0L,
                                              std::numeric_limits<long double>::max(),
                                              std::numeric_limits<long double>::infinity(),
                                              -std::numeric_limits<long double>::infinity(),
                                              std::numeric_limits<long double>::quiet_NaN()};
        const long double b = kBesondere[rng_() % std::size(kBesondere)];
        // The value itself or one of its neighbours.
        switch (rng_() % 3) {
          case 0:
            return b;
          case 1:
            return std::nextafter(b, 0.0L);
          default: {
            const long double unendlich = std::numeric_limits<long double>::infinity();
            return std::nextafter(b, b < 0 ? -unendlich : unendlich);
          }
        }
      }
      default:
        return n * kFaktoren[rng_() % std::size(kFaktoren)] / kTeiler[rng_() % std::size(kTeiler)];
    }
  }

  int klein(int n) { return static_cast<int>(rng_() % n); }

 private:
  std::mt19937_64 rng_{20240601};
};

}  // namespace salvaro::referenz
