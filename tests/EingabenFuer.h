// The window's inputs for a gross-to-net calculation of a month, with the health rate and the
// additional rate the window presets for that period: the start of the workflow's tests.
#pragma once

#include <string>

#include "abrechnung/Anzeige.h"
#include "abrechnung/Eingaben.h"
#include "abrechnung/Zahlentext.h"

namespace salvaro {

inline Eingaben EingabenFuer(const char* jahr, int monat, const char* brutto) {
  Eingaben e;
  e.Jahr = jahr;
  e.MonatNr = monat;
  e.Monat = std::string(kMonatsnamen[monat - 1]);
  e.Brutto = brutto;
  const int j = LiesGanzzahl(jahr);
  if (auto kv = KVSatzNachGruppe(j, monat, 1)) e.KV = *kv + "%";
  e.KVZus = KVZusVorgabe(j);
  return e;
}

}  // namespace salvaro
