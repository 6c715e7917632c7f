#include "abrechnung/Cp1252.h"

#include <cstdint>

namespace salvaro {

namespace {

// Code points of the bytes 0x80 to 0x9F; 0 where the code page assigns nothing.
constexpr char32_t kObereSteuerzeichen[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

void schreibeUtf8(std::string& aus, char32_t c) {
  if (c < 0x80) {
    aus += static_cast<char>(c);
  } else if (c < 0x800) {
    aus += static_cast<char>(0xC0 | (c >> 6));
    aus += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    aus += static_cast<char>(0xE0 | (c >> 12));
    aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    aus += static_cast<char>(0xF0 | (c >> 18));
    aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    aus += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at i; a malformed one yields U+FFFD and advances by one byte.
char32_t naechstesZeichen(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int laenge = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
  if (laenge == 0 || i + laenge > s.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t c = laenge == 1 ? b : b & (0x7F >> laenge);
  for (int k = 1; k < laenge; ++k) {
    const auto f = static_cast<unsigned char>(s[i + k]);
    if ((f & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    c = (c << 6) | (f & 0x3F);
  }
  i += laenge;
  return c;
}

// The byte of a character in Windows-1252; 0 for one the code page lacks (NUL is 0 as well).
unsigned char cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
  for (int k = 0; k < 32; ++k)
    if (kObereSteuerzeichen[k] == c && c != 0) return static_cast<unsigned char>(0x80 + k);
  return 0;
}

}  // namespace

std::string NachCp1252(std::string_view utf8) {
  std::string aus;
  aus.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = naechstesZeichen(utf8, i);
    const unsigned char b = cp1252Byte(c);
    aus += b != 0 || c == 0 ? static_cast<char>(b) : '?';
  }
  return aus;
}

std::vector<std::string> NichtInCp1252(std::string_view utf8) {
  std::u32string gesehen;
  std::vector<std::string> aus;
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t c = naechstesZeichen(utf8, i);
    if ((cp1252Byte(c) != 0 || c == 0) || gesehen.find(c) != std::u32string::npos) continue;
    gesehen += c;
    schreibeUtf8(aus.emplace_back(), c);
  }
  return aus;
}

bool IstUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    const std::size_t laenge = b >= 0xC2 && b <= 0xDF   ? 2
                               : b >= 0xE0 && b <= 0xEF ? 3
                               : b >= 0xF0 && b <= 0xF4 ? 4
                                                        : 0;
    if (laenge == 0 || i + laenge > s.size()) return false;
    for (std::size_t k = 1; k < laenge; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    const auto z = static_cast<unsigned char>(s[i + 1]);
    // Overlong three- and four-byte forms, surrogates and code points above U+10FFFF.
    if ((b == 0xE0 && z < 0xA0) || (b == 0xED && z > 0x9F) || (b == 0xF0 && z < 0x90) ||
        (b == 0xF4 && z > 0x8F))
      return false;
    i += laenge;
  }
  return true;
}

std::string AusCp1252(std::string_view bytes) {
  std::string aus;
  aus.reserve(bytes.size() + bytes.size() / 8);
  for (const char z : bytes) {
    const auto b = static_cast<unsigned char>(z);
    if (b >= 0x80 && b < 0xA0) {
      const char32_t c = kObereSteuerzeichen[b - 0x80];
      schreibeUtf8(aus, c == 0 ? 0xFFFD : c);
    } else {
      schreibeUtf8(aus, b);
    }
  }
  return aus;
}

}  // namespace salvaro
