#include "controls/OruEditBasis.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

#include "abrechnung/Zahlentext.h"

namespace salvaro {

namespace {

// The message box waits until the focus change that produced the message is finished, so that a
// modal dialog never opens in the middle of a focus-out.
void zeigeFehler(const QString& meldung) {
  QTimer::singleShot(0, qApp, [meldung] {
    QMessageBox::critical(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
                          meldung);
  });
}

TOruEditBasis::FehlerMelder& melder() {
  static TOruEditBasis::FehlerMelder m = zeigeFehler;
  return m;
}

// The character a key types, as the field's rules see it: Enter is '\r', Backspace '\b', a
// Ctrl+letter its control character (Ctrl+V is 0x16), Ctrl+Backspace DEL. Keys that type nothing
// (arrows, Delete, Escape, Ctrl+arrows, Shift+Insert) give the null character and are left to
// the line edit.
QChar zeichenVon(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mod = event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                         Qt::AltModifier | Qt::MetaModifier);
  const bool strg = mod == Qt::ControlModifier || mod == (Qt::ControlModifier | Qt::ShiftModifier);
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QChar(u'\r');
    case Qt::Key_Backspace:
      return strg ? QChar(char16_t{0x7F}) : QChar(u'\b');
    default:
      break;
  }
  if (strg) {
    if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
      return QChar(static_cast<char16_t>(event.key() - Qt::Key_A + 1));
    return {};
  }
  const QString text = event.text();
  if (text.isEmpty()) return {};
  const QChar c = text.front();
  if (c.unicode() < 0x20 || c.unicode() == 0x7F) return {};
  return c;
}

// Focus lent to a context menu or the menu bar, or taken by another window becoming active,
// does not leave the field: switching to another program must not format or check the text.
bool istLeihgabe(Qt::FocusReason grund) {
  return grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason ||
         grund == Qt::MenuBarFocusReason;
}

QString ohneTausenderPunkte(const QString& text) {
  return QString::fromStdString(OhneTausenderPunkt(text.toStdString(), 4));
}

}  // namespace

QString OhneKuerzel(const QString& beschriftung) {
  QString name;
  for (qsizetype i = 0; i < beschriftung.size(); ++i) {
    QChar c = beschriftung[i];
    if (c == u'&' && i + 1 < beschriftung.size()) c = beschriftung[++i];
    name += c == u'\n' ? QChar(u' ') : c;
  }
  name = name.simplified();
  if (name.endsWith(u':')) name.chop(1);
  return name;
}

QColor clWindow() {
  return QApplication::palette("QLineEdit").color(QPalette::Active, QPalette::Base);
}

void TOruEditBasis::setFehlerMelder(FehlerMelder neu) {
  melder() = neu ? std::move(neu) : FehlerMelder(zeigeFehler);
}

TOruEditBasis::TOruEditBasis(QWidget* parent)
    : QLineEdit(parent), activeColor_(clWindow()), savedColor_(activeColor_) {
  // Every character has to pass the key rules; an input method or a dropped text would insert it
  // past them.
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAcceptDrops(false);
  // The focus can move while the window is inactive (a form sets it while a message box is
  // open); the field then hears of it only when its window gets the focus back elsewhere.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget* jetzt) {
    if (betreten_ && jetzt && jetzt != this && jetzt->window() == window() &&
        (!alt || alt->window() != window()))
      melden(feldVerlassen());
  });
}

void TOruEditBasis::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    const QPointer<TOruEditBasis> noch(this);
    emit enterGedrueckt();
    if (!noch) return;
  }
  // Copying and selecting change nothing and go straight to the line edit; a copy must not
  // remove the selection it copies. Cutting only removes the selection, as Delete does.
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll) ||
      event->matches(QKeySequence::Cut)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    event->accept();
    einfuegen(QClipboard::Clipboard);
    return;
  }
  const QChar getippt = zeichenVon(*event);
  if (getippt.isNull()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QChar c = getippt;
  if (onKeyPress_) onKeyPress_(c);
  if (c.isNull() && getippt.isPrint() && !abgelehntHinweis_.isEmpty())
    hinweisen(abgelehntHinweis_);
  if (!c.isNull()) zeichenPruefen(c);
  event->accept();
  if (c.isNull()) return;
  if (c == u'\b') {
    backspace();
  } else if (c.isPrint()) {
    insert(QString(c));
  } else if (c == getippt) {
    // A control character let through (Ctrl+Z in a plain field): the line edit's own shortcut.
    QLineEdit::keyPressEvent(event);
  }
}

void TOruEditBasis::focusInEvent(QFocusEvent* event) {
  // Focus coming back from a context menu or the menu bar, or with the window, finds the field
  // still entered; anything else enters it, also the first focus of a window just shown.
  const bool betreten = !betreten_;
  if (betreten) {
    savedColor_ = palette().color(QPalette::Active, QPalette::Base);
    setzeHintergrund(activeColor_);
    betreten_ = true;
  }
  QLineEdit::focusInEvent(event);
  // A click places the caret itself, so only keyboard and program focus select the text.
  if (betreten && event->reason() != Qt::MouseFocusReason) {
    if (autoSelect_)
      selectAll();
    else
      deselect();
  }
}

void TOruEditBasis::focusOutEvent(QFocusEvent* event) {
  if (!betreten_ || istLeihgabe(event->reason())) {
    QLineEdit::focusOutEvent(event);
    return;
  }
  const std::optional<QString> fehler = feldVerlassen();
  QLineEdit::focusOutEvent(event);
  melden(fehler);
}

std::optional<QString> TOruEditBasis::feldVerlassen() {
  betreten_ = false;
  setzeHintergrund(savedColor_);
  return beimVerlassen();
}

void TOruEditBasis::melden(const std::optional<QString>& fehler) {
  if (fehler)
    melder()(*fehler);
  else
    emit verlassen();
}

void TOruEditBasis::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menue = createStandardContextMenu();
  menue->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's paste goes through the same checks as Ctrl+V. Qt names its actions by their
  // translated text only.
  const QString einfuegenText = QLineEdit::tr("&Paste");
  for (QAction* a : menue->actions())
    if (a->text().section(u'\t', 0, 0) == einfuegenText) {
      QObject::disconnect(a, nullptr, this, nullptr);
      connect(a, &QAction::triggered, this, [this] { einfuegen(QClipboard::Clipboard); });
    }
  menue->popup(event->globalPos());
  event->accept();
}

void TOruEditBasis::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the mouse selection where the system has one (X11).
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
      rect().contains(event->position().toPoint())) {
    event->accept();
    einfuegen(QClipboard::Selection);
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TOruEditBasis::einfuegen(QClipboard::Mode quelle) {
  if (isReadOnly()) return;
  // A copied amount often brings a blank or a line end along.
  const QString text = QGuiApplication::clipboard()->text(quelle).trimmed();
  if (text.isEmpty()) return;
  const QString alt = this->text();
  const int start = hasSelectedText() ? selectionStart() : cursorPosition();
  const int ende = hasSelectedText() ? start + selectionLength() : start;
  Einfuegung e{alt.left(start), {}, alt.mid(ende), {}};
  // The form's key handler sees each pasted character as it sees a typed one.
  for (QChar c : text) {
    if (onKeyPress_) onKeyPress_(c);
    if (c.isNull() || istSteuerzeichen(c)) {
      e.meldung = QStringLiteral("'%1' kann in dieses Feld nicht eingefügt werden.").arg(text);
      break;
    }
    e.eingefuegt += c;
  }
  if (e.meldung.isEmpty()) einfuegenPruefen(e);
  const QString neu = e.links + e.eingefuegt + e.rechts;
  if (e.meldung.isEmpty() && neu.size() > maxLength())
    e.meldung = QStringLiteral("'%1' ist für dieses Feld zu lang (höchstens %2 Zeichen).")
                    .arg(text)
                    .arg(maxLength());
  if (!e.meldung.isEmpty()) {
    melder()(e.meldung);
    return;
  }
  setLastText(alt, cursorPosition());
  // As one edit of the user's: it can be undone, and textEdited tells the form.
  selectAll();
  insert(neu);
  setCursorPosition(static_cast<int>(e.links.size() + e.eingefuegt.size()));
}

void TOruEditBasis::auswahlEntfernen(bool ohnePunkte) {
  if (!hasSelectedText()) return;
  const QString alt = text();
  const int start = selectionStart();
  const int laenge = selectionLength();
  if (laenge >= alt.size()) {
    setText(QString());
    return;
  }
  QString links = alt.left(start);
  QString rechts = alt.mid(start + laenge);
  if (ohnePunkte) {
    links = ohneTausenderPunkte(links);
    rechts = ohneTausenderPunkte(rechts);
  }
  setText(links + rechts);
  setCursorPosition(static_cast<int>(links.size()));
}

void TOruEditBasis::hinweisen(const QString& hinweis) {
  QToolTip::showText(mapToGlobal(QPoint(0, height())), hinweis, this, QRect(), 3000);
  emit zeichenAbgelehnt(hinweis);
}

void TOruEditBasis::setzeHintergrund(const QColor& farbe) {
  // The disabled look stays the style's own.
  QPalette p = palette();
  p.setColor(QPalette::Active, QPalette::Base, farbe);
  p.setColor(QPalette::Inactive, QPalette::Base, farbe);
  setPalette(p);
}

}  // namespace salvaro
