// The inline integer paths of the stores and roundings give exactly the results of the extended
// definition, over a contiguous range of amounts and over random values up to the int64 limits.
#include <gtest/gtest.h>

#include "Referenzarithmetik.h"
#include "money/OruMath.h"

namespace salvaro {
namespace {

struct MoneyOperation {
  const char* name;
  Money (*schnell)(Money);
  Money (*definition)(Money);
};

constexpr MoneyOperation kMoneyOperationen[] = {
    {"RundeCent", RundeCent, referenz::RundeCent},
    {"AbrundenCent", AbrundenCent, referenz::AbrundenCent},
    {"AufrundenCent", AufrundenCent, referenz::AufrundenCent},
    {"AbrundenEuro", AbrundenEuro, referenz::AbrundenEuro},
    {"AufrundenEuro", AufrundenEuro, referenz::AufrundenEuro},
};

TEST(Ganzzahlpfad, RoundingsOfMoneyMatchTheExtendedDefinition) {
  referenz::Zufallswerte zufall;
  for (const MoneyOperation& op : kMoneyOperationen) {
    int abweichend = 0;
    auto pruefe = [&](std::int64_t n) {
      const Money x = Money::units(n);
      const std::string schnell = referenz::ergebnis([&] { return op.schnell(x); });
      const std::string definition = referenz::ergebnis([&] { return op.definition(x); });
      if (schnell != definition && ++abweichend <= 5)
        ADD_FAILURE() << op.name << "(" << n << " units): " << schnell << " instead of "
                      << definition;
    };
    for (std::int64_t n = -200000; n <= 200000; ++n) pruefe(n);
    for (int i = 0; i < 200000; ++i) pruefe(zufall.betrag());
  }
}

// Equal values, and a zero with the same sign.
bool gleich(long double a, long double b) {
  return (a == b && std::signbit(a) == std::signbit(b)) || (std::isnan(a) && std::isnan(b));
}

TEST(Ganzzahlpfad, StoreAndTruncationOfExtendedValuesMatchTheDefinition) {
  referenz::Zufallswerte zufall;
  int abweichend = 0;
  for (int i = 0; i < 300000 && abweichend < 5; ++i) {
    const long double u = zufall.ext();
    const std::string store = referenz::ergebnis([&] { return Money::runde(Ext::units(u)); });
    const std::string storeDefinition = referenz::ergebnis([&] { return referenz::runde(u); });
    if (store != storeDefinition && ++abweichend)
      ADD_FAILURE() << "runde of " << static_cast<double>(u) << ": " << store << " instead of "
                    << storeDefinition;
    std::string fehler, fehlerDefinition;
    long double t = 0, tDefinition = 0;
    try {
      t = Int(Ext::units(u)).unitsWert();
    } catch (const RechenFehler& f) {
      fehler = f.what();
    }
    try {
      tDefinition = referenz::Int(u);
    } catch (const RechenFehler& f) {
      fehlerDefinition = f.what();
    }
    if ((fehler != fehlerDefinition || !gleich(t, tDefinition)) && ++abweichend)
      ADD_FAILURE() << "Int of " << static_cast<double>(u) << ": " << static_cast<double>(t)
                    << fehler << " instead of " << static_cast<double>(tDefinition)
                    << fehlerDefinition;
  }
}

TEST(Ganzzahlpfad, StoredTruncationAndRoundingUpMatchTheDefinition) {
  referenz::Zufallswerte zufall;
  int abweichend = 0;
  for (int i = 0; i < 300000 && abweichend < 5; ++i) {
    const long double u = zufall.ext();
    const int k = zufall.klein(5);
    const std::string ab =
        referenz::ergebnis([&] { return detail::abschneidenGespeichert(k, Ext::units(u)); });
    const std::string abDefinition = referenz::ergebnis([&] { return referenz::ab(k, u); });
    const std::string auf =
        referenz::ergebnis([&] { return detail::aufrundenGespeichert(k, Ext::units(u)); });
    const std::string aufDefinition = referenz::ergebnis([&] { return referenz::auf(k, u); });
    if ((ab != abDefinition || auf != aufDefinition) && ++abweichend)
      ADD_FAILURE() << static_cast<double>(u) << " to " << k << " decimals: cut " << ab << " / "
                    << abDefinition << ", up " << auf << " / " << aufDefinition;
  }
}

TEST(Ganzzahlpfad, UnstoredTruncationModesMatchTheDefinition) {
  referenz::Zufallswerte zufall;
  int abweichend = 0;
  for (int i = 0; i < 300000 && abweichend < 5; ++i) {
    const long double u = zufall.ext();
    if (!std::isfinite(u)) continue;
    const int mode = 2 + zufall.klein(6);
    long double ab = 0, abDefinition = 0, auf = 0, aufDefinition = 0;
    bool fehler = false, fehlerDefinition = false;
    try {
      ab = Abschneiden(mode, Ext::units(u)).unitsWert();
      auf = Aufrunden(mode, Ext::units(u)).unitsWert();
    } catch (const RechenFehler&) {
      fehler = true;
    }
    try {
      abDefinition = referenz::Abschneiden(mode, u);
      aufDefinition = referenz::Aufrunden(mode, u);
    } catch (const RechenFehler&) {
      fehlerDefinition = true;
    }
    if ((fehler != fehlerDefinition || !gleich(ab, abDefinition) || !gleich(auf, aufDefinition)) &&
        ++abweichend)
      ADD_FAILURE() << "mode " << mode << " of " << static_cast<double>(u);
  }
}

}  // namespace
}  // namespace salvaro
