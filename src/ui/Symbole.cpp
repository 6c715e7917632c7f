#include "ui/Symbole.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace salvaro {

namespace {

const QColor kRand(0x40, 0x40, 0x48);
const QColor kBlau(0x2F, 0x6F, 0xC0);

// Draws on a 32 x 32 canvas; Qt scales the picture to the button.
QIcon zeichne(const std::function<void(QPainter&)>& bild) {
  QPixmap p(32, 32);
  p.fill(Qt::transparent);
  QPainter m(&p);
  m.setRenderHint(QPainter::Antialiasing);
  bild(m);
  m.end();
  return QIcon(p);
}

// A sheet of paper with a folded corner.
void blatt(QPainter& m, const QRectF& r) {
  QPainterPath pfad;
  const qreal ecke = 7;
  pfad.moveTo(r.left(), r.top());
  pfad.lineTo(r.right() - ecke, r.top());
  pfad.lineTo(r.right(), r.top() + ecke);
  pfad.lineTo(r.right(), r.bottom());
  pfad.lineTo(r.left(), r.bottom());
  pfad.closeSubpath();
  m.setPen(QPen(kRand, 1.5));
  m.setBrush(Qt::white);
  m.drawPath(pfad);
  m.drawLine(QPointF(r.right() - ecke, r.top()), QPointF(r.right() - ecke, r.top() + ecke));
  m.drawLine(QPointF(r.right() - ecke, r.top() + ecke), QPointF(r.right(), r.top() + ecke));
}

void zeilen(QPainter& m, qreal links, qreal rechts, qreal oben, int anzahl) {
  m.setPen(QPen(QColor(0x80, 0x88, 0x98), 1.5));
  for (int i = 0; i < anzahl; ++i)
    m.drawLine(QPointF(links, oben + i * 4), QPointF(rechts - (i % 2) * 4, oben + i * 4));
}

}  // namespace

QIcon SymbolNeu() {
  return zeichne([](QPainter& m) {
    blatt(m, QRectF(6, 3, 20, 26));
    // A spark: something new.
    m.setPen(Qt::NoPen);
    m.setBrush(QColor(0xF0, 0xB0, 0x10));
    QPainterPath stern;
    const QPointF c(23, 9);
    for (int i = 0; i < 8; ++i) {
      const qreal r = i % 2 == 0 ? 8 : 3;
      const qreal w = i * 3.14159265 / 4;
      const QPointF punkt(c.x() + r * std::sin(w), c.y() - r * std::cos(w));
      if (i == 0)
        stern.moveTo(punkt);
      else
        stern.lineTo(punkt);
    }
    stern.closeSubpath();
    m.drawPath(stern);
  });
}

QIcon SymbolSpeichern() {
  return zeichne([](QPainter& m) {
    m.setPen(QPen(kRand, 1.5));
    m.setBrush(kBlau);
    m.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    m.setBrush(Qt::white);
    m.drawRect(QRectF(8, 4, 16, 10));
    m.setBrush(QColor(0xC8, 0xCC, 0xD4));
    m.drawRect(QRectF(10, 19, 12, 9));
    m.setPen(Qt::NoPen);
    m.setBrush(kRand);
    m.drawRect(QRectF(18, 21, 2.5, 5));
  });
}

QIcon SymbolDrucken() {
  return zeichne([](QPainter& m) {
    m.setPen(QPen(kRand, 1.5));
    m.setBrush(Qt::white);
    m.drawRect(QRectF(9, 3, 14, 10));
    m.setBrush(QColor(0x9A, 0xA0, 0xAC));
    m.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
    m.setBrush(Qt::white);
    m.drawRect(QRectF(9, 19, 14, 10));
    zeilen(m, 11, 21, 22, 2);
    m.setPen(Qt::NoPen);
    m.setBrush(QColor(0x30, 0xB0, 0x40));
    m.drawEllipse(QPointF(25, 15.5), 1.5, 1.5);
  });
}

QIcon SymbolDetail() {
  return zeichne([](QPainter& m) {
    blatt(m, QRectF(4, 2, 20, 27));
    zeilen(m, 7, 20, 10, 4);
    // A magnifier over the page.
    m.setPen(QPen(kRand, 2.5));
    m.setBrush(QColor(0xD8, 0xE8, 0xFF, 200));
    m.drawEllipse(QPointF(20, 19), 5.5, 5.5);
    m.setPen(QPen(kRand, 3.5, Qt::SolidLine, Qt::RoundCap));
    m.drawLine(QPointF(24, 23), QPointF(29, 28));
  });
}

QIcon SymbolHilfe() {
  return zeichne([](QPainter& m) {
    m.setPen(QPen(kRand, 1.5));
    m.setBrush(kBlau);
    m.drawEllipse(QPointF(16, 16), 13, 13);
    QFont schrift;
    schrift.setPixelSize(20);
    schrift.setBold(true);
    m.setFont(schrift);
    m.setPen(Qt::white);
    m.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
  });
}

QIcon SymbolSchliessen() {
  return zeichne([](QPainter& m) {
    // An open door and an arrow leaving through it.
    m.setPen(QPen(kRand, 1.5));
    m.setBrush(QColor(0xE8, 0xE8, 0xE8));
    m.drawRect(QRectF(5, 3, 16, 26));
    QPolygonF tuer;
    tuer << QPointF(5, 3) << QPointF(14, 6) << QPointF(14, 31) << QPointF(5, 29);
    m.setBrush(QColor(0xA0, 0x60, 0x30));
    m.drawPolygon(tuer);
    m.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m.drawLine(QPointF(17, 16), QPointF(29, 16));
    m.drawLine(QPointF(24, 11), QPointF(29, 16));
    m.drawLine(QPointF(24, 21), QPointF(29, 16));
  });
}

QIcon SymbolNeuBerechnen() {
  return zeichne([](QPainter& m) {
    // A circular arrow: calculate again.
    const QColor gruen(0x20, 0x90, 0x40);
    m.setPen(QPen(gruen, 3.5, Qt::SolidLine, Qt::RoundCap));
    m.setBrush(Qt::NoBrush);
    m.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
    m.setPen(Qt::NoPen);
    m.setBrush(gruen);
    QPolygonF spitze;
    spitze << QPointF(17, 2) << QPointF(25, 8) << QPointF(16, 12);
    m.drawPolygon(spitze);
  });
}

// The program's own picture, also installed as salvaro.svg for the desktop: a blue tile with a
// white euro sign and a strip of paper for the statement.
QIcon SymbolProgramm() {
  return zeichne([](QPainter& m) {
    m.setPen(Qt::NoPen);
    m.setBrush(kBlau);
    m.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    m.setBrush(Qt::white);
    m.drawRect(QRectF(6, 23, 20, 4));
    QFont schrift = m.font();
    schrift.setPixelSize(20);
    schrift.setBold(true);
    m.setFont(schrift);
    m.setPen(Qt::white);
    m.drawText(QRectF(1, 0, 30, 23), Qt::AlignCenter, QStringLiteral("€"));
  });
}

}  // namespace salvaro
