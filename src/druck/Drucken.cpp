#include "druck/Drucken.h"

#include <langinfo.h>
#include <locale.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "abrechnung/Datei.h"
#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Version.h"
#include "druck/Schrift.h"

namespace salvaro {

namespace {

constexpr qreal kTitelPunkt = 12;
constexpr qreal kTextPunkt = 9;
constexpr int kLeerzeilenOben = 4;
constexpr int kEinzugTitel = 6;
constexpr int kEinzugText = 7;

QString text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Every side at least kRandPunkt, and never less than the printer needs or the user chose.
QPageLayout mitRand(QPageLayout layout) {
  layout.setUnits(QPageLayout::Point);
  const QMarginsF m = layout.margins(), min = layout.minimumMargins();
  const auto rand = [](qreal a, qreal b) { return std::ceil(std::max({a, b, kRandPunkt})); };
  layout.setMargins(QMarginsF(rand(m.left(), min.left()), rand(m.top(), min.top()),
                              rand(m.right(), min.right()), rand(m.bottom(), min.bottom())));
  return layout;
}

}  // namespace

Druckkanal::Druckkanal(QPagedPaintDevice& geraet) : geraet_(geraet) {}

bool Druckkanal::Oeffnen() {
  // A printer that refuses the wider margins prints within its own.
  geraet_.setPageLayout(mitRand(geraet_.pageLayout()));
  if (!maler_.begin(&geraet_)) {
    fehler_ = QStringLiteral("Der Drucker kann nicht geöffnet werden.");
    return false;
  }
  Schrift(kTextPunkt);
  y_ = 0;
  return true;
}

void Druckkanal::Schrift(qreal punkt) {
  // Sizes in points on the device's own resolution, so that 9 pt are 9 pt on paper.
  schrift_ = QFont(FestbreitenSchrift(punkt), &geraet_);
  maler_.setFont(schrift_);
}

qreal Druckkanal::Zeilenbreite() const {
  return maler_.isActive() ? maler_.viewport().width() : 0;
}

qreal Druckkanal::Breite(const QString& text, qreal punkt) const {
  return QFontMetricsF(QFont(FestbreitenSchrift(punkt), &geraet_), &geraet_)
      .horizontalAdvance(text);
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
  // The body's widest line, indent and statement columns, sets the size; a tenth of a point
  // less until it fits, as the widths need not scale exactly with the size.
  const QString breitest(kEinzugText + kAbrechnungsbreite, u'0');
  const qreal platz = kanal.Zeilenbreite();
  const qreal breite = kanal.Breite(breitest, kTextPunkt);
  qreal punkt = kTextPunkt;
  if (breite > platz && breite > 0) {
    punkt = std::floor(kTextPunkt * platz / breite * 10) / 10;
    while (punkt > 1 && kanal.Breite(breitest, punkt) > platz) punkt -= 0.1;
  }
  const qreal titel = punkt * kTitelPunkt / kTextPunkt;

  kanal.Schrift(punkt);
  for (int i = 0; i < kLeerzeilenOben; ++i) kanal.Zeile(QString());
  for (std::size_t i = 0; i < zeilen.size() && kanal.Fehlerfrei(); ++i) {
    if (i == 0) {
      kanal.Schrift(titel);
      kanal.Zeile(QString(kEinzugTitel, u' ') + text(zeilen[i]));
      kanal.Schrift(punkt);
    } else {
      kanal.Zeile(QString(kEinzugText, u' ') + text(zeilen[i]));
    }
  }
}

Papier PapierDerUmgebung() {
  // glibc keeps the paper of a locale as a number in the pointer nl_langinfo returns.
  const locale_t umgebung = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
  if (umgebung == static_cast<locale_t>(nullptr)) return Papier::A4;
  union {
    const char* text;
    unsigned int zahl;
  } breite{};
  breite.text = nl_langinfo_l(_NL_PAPER_WIDTH, umgebung);
  freelocale(umgebung);
  return breite.zahl == 216 ? Papier::Letter : Papier::A4;
}

std::optional<Papier> PapierAusText(std::string_view t) {
  const QString p = text(t);
  if (p.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0) return Papier::A4;
  if (p.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0) return Papier::Letter;
  return std::nullopt;
}

std::string DruckeAlsPdf(const std::string& pfad, const std::vector<std::string>& zeilen,
                         Papier papier, Schreibschutz schutz) {
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&puffer);
    pdf.setCreator(QStringLiteral("Salvaro ") + text(kVersion));
    pdf.setTitle(QStringLiteral("Detailabrechnung"));
    pdf.setPageLayout(
        QPageLayout(QPageSize(papier == Papier::Letter ? QPageSize::Letter : QPageSize::A4),
                    QPageLayout::Portrait,
                    QMarginsF(kRandPunkt, kRandPunkt, kRandPunkt, kRandPunkt), QPageLayout::Point));
    Druckkanal kanal(pdf);
    if (!kanal.Oeffnen()) return kanal.Fehler().toStdString();
    DruckeAbrechnung(kanal, zeilen);
    if (!kanal.Schliessen()) return kanal.Fehler().toStdString();
  }
  return SchreibeDateiAtomar(
      pfad, std::string_view(puffer.data().constData(), static_cast<std::size_t>(puffer.size())),
      schutz);
}

}  // namespace salvaro
