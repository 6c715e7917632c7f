// Results that never sit beside inputs they were not computed from. Every change of an input asks
// for a calculation in the direction of the last one (gross to net, or the search of the gross
// for a net), made as soon as the window is idle, so that changes that come together (a year
// with its rates, a loaded settings file) are calculated once. A calculation takes microseconds,
// a search well under a millisecond: the window never waits for it. While the inputs cannot be
// calculated, the results stay, marked "Eingaben geändert", and the status bar says why; the
// statement, print and PDF are always those of the results shown. Messages of such a
// calculation go to the status bar: boxes come only with Enter and the recalculation buttons.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QTimer>
#include <QToolButton>

#include "abrechnung/Fensterregeln.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/Text.h"
#include "ui/Zahlanzeige.h"

namespace salvaro {

namespace {
const QString kStatusVorgabe = QStringLiteral(" Bitte Brutto oder Netto eingeben und ENTER drücken");
}  // namespace

void TForm1::NachrechnenVerbinden() {
  nachrechnenTimer_ = new QTimer(this);
  nachrechnenTimer_->setObjectName(QStringLiteral("Nachrechnen"));
  nachrechnenTimer_->setSingleShot(true);
  nachrechnenTimer_->setInterval(0);
  connect(nachrechnenTimer_, &QTimer::timeout, this, &TForm1::Nachrechnen);
  // Every input of the form and every switch of the menus, those added later included.
  const auto planen = [this] { NachrechnenPlanen(); };
  for (QComboBox* c : Formular->findChildren<QComboBox*>())
    connect(c, &QComboBox::currentTextChanged, this, planen);
  for (QLineEdit* f : Formular->findChildren<QLineEdit*>())
    if (!qobject_cast<QComboBox*>(f->parentWidget()))
      connect(f, &QLineEdit::textChanged, this, planen);
  for (QCheckBox* c : Formular->findChildren<QCheckBox*>())
    connect(c, &QCheckBox::toggled, this, planen);
  for (QAction* a : menuBar()->findChildren<QAction*>())
    if (a->isCheckable()) connect(a, &QAction::toggled, this, planen);
  // An amount typed into gross or net makes that field the driving one.
  connect(LEdiBrutto, &QLineEdit::textEdited, this, [this] { RichtungSetzen(Feld::Brutto); });
  connect(LEdiNetto, &QLineEdit::textEdited, this, [this] { RichtungSetzen(Feld::Netto); });
}

void TForm1::NachrechnenPlanen() {
  if (!rechnet_ && nachrechnenTimer_) nachrechnenTimer_->start();
}

void TForm1::RichtungSetzen(Feld feld) {
  richtung_ = feld;
  // The button beside the driving field repeats the calculation with one click.
  BtnBruttoNeu->setVisible(feld == Feld::Brutto);
  BtnNettoNeu->setVisible(feld == Feld::Netto);
}

std::optional<std::pair<TOruZahlEdit*, QString>> TForm1::Zahlfehler() const {
  // The fields in the order of the form; a field out of use (hidden or disabled) is not asked.
  for (TOruZahlEdit* f : Formular->findChildren<TOruZahlEdit*>())
    if (f->isEnabled() && f->isVisibleTo(Formular))
      if (const std::optional<QString> meldung = f->eingabefehler()) return {{f, *meldung}};
  return std::nullopt;
}

bool TForm1::ZahlfehlerMelden() {
  const auto fehler = Zahlfehler();
  if (!fehler) return false;
  ErgebnisseMarkieren(fehler->second);
  plattform_.Nachricht(this, Meldung::Art::Fehler, fehler->second);
  fehler->first->setFocus();
  return true;
}

void TForm1::Nachrechnen() {
  if (!richtung_ || rechnet_) return;
  const Feld feld = *richtung_;
  if (const auto fehler = Zahlfehler()) return ErgebnisseMarkieren(fehler->second);
  if ((feld == Feld::Brutto ? LEdiBrutto : LEdiNetto)->text().isEmpty())
    return ErgebnisseMarkieren(feld == Feld::Brutto ? QStringLiteral("Bitte ein Brutto eingeben")
                                                    : QStringLiteral("Bitte ein Netto eingeben"));
  Eingaben e = LiesEingaben();
  const Start start = StarteMitEnter(e, feld);
  if (start.meldung) return ErgebnisseMarkieren(QText(start.meldung->text));
  e.StKl = SteuerklasseBegrenzt(e.StKl);
  Ergebnis r;
  try {
    r = Berechne(e, *fall_, plattform_.Heute());
  } catch (const std::exception& fehler) {
    return ErgebnisseMarkieren(QString::fromUtf8(fehler.what()));
  }
  if (!r.gerechnet)
    return ErgebnisseMarkieren(r.meldungen.empty() ? QString() : QText(r.meldungen.front().text));
  {
    const QScopedValueRollback<bool> ruhe(rechnet_, true);
    SchreibeEingaben(e, true);
    ZeigeErgebnis(r);
  }
  ErgebnisseAktuell(r.meldungen);
  AnsichtenAktualisieren();
}

void TForm1::ErgebnisseMarkieren(const QString& grund) {
  veraltet_ = true;
  for (QLabel* l : Formular->findChildren<QLabel*>())
    if (IstErgebnis(l)) l->setEnabled(false);
  // The amount the last calculation wrote into gross or net is a result as well.
  QLineEdit* ausgabe = richtung_ == Feld::Netto ? LEdiBrutto : LEdiNetto;
  QPalette grau = ausgabe->palette();
  // The grey of the results, as the labels show it disabled.
  grau.setColor(QPalette::Text, LabLSt->palette().color(QPalette::Disabled, QPalette::WindowText));
  ausgabe->setPalette(grau);
  LabVeraltet->show();
  StatusHinweis->setText(QStringLiteral(" ") + grund.section(u'\n', 0, 0));
}

void TForm1::ErgebnisseAktuell(const std::vector<Meldung>& hinweise) {
  veraltet_ = false;
  for (QLabel* l : Formular->findChildren<QLabel*>())
    if (IstErgebnis(l)) l->setEnabled(true);
  for (QLineEdit* f : {static_cast<QLineEdit*>(LEdiBrutto), static_cast<QLineEdit*>(LEdiNetto)}) {
    QPalette p = f->palette();
    p.setColor(QPalette::Text, QApplication::palette(f).color(QPalette::Active, QPalette::Text));
    f->setPalette(p);
  }
  LabVeraltet->hide();
  QStringList texte;
  for (const Meldung& m : hinweise) texte << QText(m.text).section(u'\n', 0, 0);
  StatusHinweis->setText(texte.isEmpty() ? kStatusVorgabe
                                         : QStringLiteral(" ") + texte.join(QStringLiteral(" · ")));
}

}  // namespace salvaro
