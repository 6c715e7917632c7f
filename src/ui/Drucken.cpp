#include "ui/Drucken.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "abrechnung/Datei.h"
#include "abrechnung/Version.h"
#include "ui/Text.h"

namespace salvaro {

namespace {

constexpr int kTitelPunkt = 12;
constexpr int kTextPunkt = 9;
constexpr int kLeerzeilenOben = 4;
const QString kEinzugTitel(6, u' ');
const QString kEinzugText(7, u' ');

}  // namespace

QFont DruckSchrift(int punkt) {
  QFont schrift(QStringLiteral("Courier New"), punkt);
  schrift.setStyleHint(QFont::TypeWriter);
  schrift.setFixedPitch(true);
  if (!QFontInfo(schrift).fixedPitch()) {
    schrift = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    schrift.setPointSize(punkt);
  }
  return schrift;
}

Druckkanal::Druckkanal(QPagedPaintDevice& geraet) : geraet_(geraet) {}

bool Druckkanal::Oeffnen() {
  if (!maler_.begin(&geraet_)) {
    fehler_ = QStringLiteral("Der Drucker kann nicht geöffnet werden.");
    return false;
  }
  Schrift(kTextPunkt);
  y_ = 0;
  return true;
}

void Druckkanal::Schrift(int punkt) {
  // Sizes in points on the device's own resolution, so that 9 pt are 9 pt on paper.
  schrift_ = QFont(DruckSchrift(punkt), &geraet_);
  maler_.setFont(schrift_);
}

void Druckkanal::Zeile(const QString& text) {
  if (!maler_.isActive()) return;
  const QFontMetricsF masse(schrift_, &geraet_);
  const qreal hoehe = maler_.viewport().height();
  if (y_ > 0 && y_ + masse.height() > hoehe) {
    if (!geraet_.newPage()) {
      fehler_ = QStringLiteral("Der Drucker kann keine neue Seite beginnen.");
      maler_.end();
      return;
    }
    y_ = 0;
  }
  if (!text.isEmpty()) maler_.drawText(QPointF(0, y_ + masse.ascent()), text);
  y_ += masse.lineSpacing();
}

bool Druckkanal::Schliessen() {
  if (maler_.isActive() && !maler_.end() && fehler_.isEmpty())
    fehler_ = QStringLiteral("Der Druckauftrag kann nicht abgeschlossen werden.");
  return fehler_.isEmpty();
}

void DruckeAbrechnung(Druckkanal& kanal, const std::vector<std::string>& zeilen) {
  kanal.Schrift(kTextPunkt);
  for (int i = 0; i < kLeerzeilenOben; ++i) kanal.Zeile(QString());
  for (std::size_t i = 0; i < zeilen.size() && kanal.Fehlerfrei(); ++i) {
    if (i == 0) {
      kanal.Schrift(kTitelPunkt);
      kanal.Zeile(kEinzugTitel + QText(zeilen[i]));
      kanal.Schrift(kTextPunkt);
    } else {
      kanal.Zeile(kEinzugText + QText(zeilen[i]));
    }
  }
}

std::string DruckeAlsPdf(const std::string& pfad, const std::vector<std::string>& zeilen,
                         Schreibschutz schutz) {
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&puffer);
    pdf.setCreator(QStringLiteral("Salvaro ") + QText(kVersion));
    pdf.setTitle(QStringLiteral("Detailabrechnung"));
    // A4 with the margin a printer keeps for itself.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    Druckkanal kanal(pdf);
    if (!kanal.Oeffnen()) return StdText(kanal.Fehler());
    DruckeAbrechnung(kanal, zeilen);
    if (!kanal.Schliessen()) return StdText(kanal.Fehler());
  }
  return SchreibeDateiAtomar(
      pfad, std::string_view(puffer.data().constData(), static_cast<std::size_t>(puffer.size())),
      schutz);
}

}  // namespace salvaro
