#include "abrechnung/Beispiel.h"

#include <ostream>

#include "abrechnung/Zahlentext.h"
#include "tax/EngineWahl.h"

namespace salvaro {

void Beispielrechnung(std::ostream& aus) {
  // Tax class I, monthly pay, 1.6 % additional health rate, church tax in North Rhine-Westphalia.
  LohnsteuerEingabe e;
  e.RE4 = Money::euro(3000);
  e.STKL = 1;
  e.LZZ = 2;
  e.KVZ = Money::parse("1.6");
  e.f = Money::euro(1);
  const auto engine = EngineFuer(2023, 1);
  const Money lst = engine->LohnsteuerLfd(e);
  const Money solz = engine->SolzLfd();
  const Money kist = engine->KirchensteuerLfd(1, 12, 1, 0, Money(), Money::euro(99));
  aus << "Januar 2023, Steuerklasse I, Nordrhein-Westfalen\n"
      << "Brutto               " << FormatDE(e.RE4) << " EUR\n"
      << "Lohnsteuer           " << FormatDE(lst) << " EUR\n"
      << "Solidaritätszuschlag " << FormatDE(solz) << " EUR\n"
      << "Kirchensteuer        " << FormatDE(kist) << " EUR\n";
}

}  // namespace salvaro
