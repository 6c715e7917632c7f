#include "cli/Parallel.h"

#include <charconv>

namespace salvaro {

std::string LiesThreads(std::string_view wert, unsigned& threads) {
  unsigned n = 0;
  const auto [ende, ec] = std::from_chars(wert.data(), wert.data() + wert.size(), n);
  if (ec != std::errc() || ende != wert.data() + wert.size() || wert.empty() || n < 1 || n > 256)
    return "--threads: '" + std::string(wert) + "' ist keine ganze Zahl von 1 bis 256";
  threads = n;
  return {};
}

}  // namespace salvaro
