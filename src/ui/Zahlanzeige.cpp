#include "ui/Zahlanzeige.h"

#include <QLabel>
#include <QVariant>
#include <cstdlib>

#include "abrechnung/Zahlentext.h"
#include "controls/OruEditBasis.h"
#include "ui/Text.h"

namespace salvaro {

namespace {
constexpr char kBeschriftung[] = "Ergebnisbeschriftung";
}  // namespace

QString BetragMitEinheit(Money betrag) {
  return MitEinheit(FormatDE(betrag));
}

QString MitEinheit(std::string_view betragstext) {
  return QText(betragstext) + QStringLiteral(" €");
}

QString SatzAnzeige(std::string_view satz) {
  QString text = QText(satz);
  if (text.endsWith(u'%') && !text.endsWith(QStringLiteral(" %"))) text.insert(text.size() - 1, u' ');
  return text;
}

std::string SatzWert(const QString& anzeige) {
  QString text = anzeige;
  if (text.endsWith(QStringLiteral(" %"))) text.remove(text.size() - 2, 1);
  return StdText(text);
}

void AlsErgebnis(QLabel* wert, const QString& beschriftung) {
  wert->setProperty(kBeschriftung, OhneKuerzel(beschriftung));
  ZeigeWert(wert, wert->text());
}

void ZeigeWert(QLabel* wert, const QString& text) {
  wert->setText(text);
  const QString name = wert->property(kBeschriftung).toString();
  wert->setAccessibleName(name.isEmpty() ? text : name + QStringLiteral(": ") + text);
}

bool IstErgebnis(const QLabel* l) {
  return l->property(kBeschriftung).isValid();
}

void ErgebnisseBenennen(QWidget* wurzel) {
  for (QLabel* wert : wurzel->findChildren<QLabel*>()) {
    if (!IstErgebnis(wert) || !wert->property(kBeschriftung).toString().isEmpty()) continue;
    const QLabel* beschriftung = nullptr;
    for (const QLabel* l : wert->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      const int abstand = std::abs(l->geometry().center().y() - wert->geometry().center().y());
      if (IstErgebnis(l) || l->text().isEmpty() || l->x() >= wert->x() ||
          abstand > l->height() / 2)
        continue;
      if (!beschriftung || l->x() > beschriftung->x()) beschriftung = l;
    }
    if (beschriftung) AlsErgebnis(wert, beschriftung->text());
  }
}

void FelderBenennen(QWidget* wurzel) {
  for (const QLabel* l : wurzel->findChildren<QLabel*>())
    if (QWidget* feld = l->buddy(); feld && feld->accessibleName().isEmpty())
      feld->setAccessibleName(OhneKuerzel(l->text()));
}

}  // namespace salvaro
