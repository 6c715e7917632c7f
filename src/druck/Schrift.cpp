#include "druck/Schrift.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace salvaro {

namespace {

// Liberation Mono and Cousine are metric-compatible with Courier New; the others are the
// fixed-pitch families that desktops commonly install.
constexpr const char* kFamilien[] = {"Courier New",    "Liberation Mono",  "Cousine",
                                     "Nimbus Mono PS", "DejaVu Sans Mono", "Noto Sans Mono",
                                     "Noto Mono",      "FreeMono",         "Consolas"};

QFont schriftDerFamilie(const QString& familie, qreal punkt) {
  QFont schrift(familie);
  schrift.setStyleHint(QFont::TypeWriter);
  schrift.setPointSizeF(punkt);
  return schrift;
}

}  // namespace

bool GleicheZeichenbreite(const QFont& schrift) {
  const QFontMetricsF masse(schrift);
  const qreal i = masse.horizontalAdvance(QLatin1Char('i'));
  const auto gleich = [i](qreal b) { return std::abs(b - i) <= i * 1e-6; };
  return i > 0 && gleich(masse.horizontalAdvance(QLatin1Char('W'))) &&
         gleich(masse.horizontalAdvance(QLatin1Char('0')));
}

QFont FestbreitenSchrift(qreal punkt) {
  // A family that is not installed is replaced by some other font: only the family itself
  // counts here, so that the order of preference holds.
  for (const char* familie : kFamilien) {
    const QFont schrift = schriftDerFamilie(QLatin1String(familie), punkt);
    if (QFontInfo(schrift).family().compare(QLatin1String(familie), Qt::CaseInsensitive) == 0 &&
        GleicheZeichenbreite(schrift))
      return schrift;
  }
  QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  system.setPointSizeF(punkt);
  if (GleicheZeichenbreite(system)) return system;
  for (const QString& familie : QFontDatabase::families()) {
    const QFont schrift = schriftDerFamilie(familie, punkt);
    if (GleicheZeichenbreite(schrift)) return schrift;
  }
  return system;
}

}  // namespace salvaro
