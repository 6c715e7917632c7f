// Help from the main window and the statement window.
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QString>

#include "abrechnung/Fensterregeln.h"
#include "ui/Hilfe.h"
#include "ui/Hilfekontexte.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/Text.h"
#include "ui/UAbrechnung.h"

namespace salvaro {

void TForm1::MenHilfeAufrufenClick() {
  HilfeZeigen(kHilfeHauptfenster);
}

void TForm1::HilfeZeigen(int kontext) {
  // The message belongs over the window help was asked from: the statement window or the about
  // box when one of them is open.
  QWidget* eltern = QApplication::activeModalWidget();
  if (!eltern) eltern = FrmAbrechnung->isVisible() ? static_cast<QWidget*>(FrmAbrechnung) : this;
  if (hilfeFehlt_) {
    plattform_.Nachricht(eltern, Meldung::Art::Fehler, QText(kHilfedateiNichtVorhanden));
    return;
  }
  if (!plattform_.Hilfe(kontext))
    plattform_.Nachricht(eltern, Meldung::Art::Fehler, QText(kHilfeNichtGeoeffnet));
}

void TForm1::HilfeTasteEinrichten() {
  auto* taste = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(taste, &QShortcut::activated, this, [this] {
    const QWidget* fokus = QApplication::focusWidget();
    const int kontext = HilfeKontextBei(fokus);
    HilfeProtokoll(QStringLiteral("F1 in %1: Kontext %2")
                       .arg(fokus ? fokus->objectName() : QStringLiteral("-"))
                       .arg(kontext));
    HilfeZeigen(kontext != 0 ? kontext : kHilfeHauptfenster);
  });
  // An open menu keeps the keyboard to itself: it hears F1 through this filter.
  for (QMenu* menue : menuBar()->findChildren<QMenu*>()) menue->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
  auto* menue = qobject_cast<QMenu*>(objekt);
  if (menue && ereignis->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_F1) {
    const QAction* punkt = menue->activeAction();
    const int kontext = punkt ? HilfeKontext(punkt) : 0;
    HilfeProtokoll(QStringLiteral("F1 im Menü %1: Kontext %2")
                       .arg(punkt ? punkt->text() : menue->title())
                       .arg(kontext));
    // The menu closes first, so that the help window is not hidden behind it.
    for (QMenu* offen = menue; offen; offen = qobject_cast<QMenu*>(offen->parent())) offen->hide();
    HilfeZeigen(kontext != 0 ? kontext : kHilfeHauptfenster);
    return true;
  }
  return QMainWindow::eventFilter(objekt, ereignis);
}

}  // namespace salvaro
