#include "controls/OruValueLabEdit.h"

#include <QEvent>
#include <QLabel>

namespace salvaro {

TOruValueLabEdit::TOruValueLabEdit(QWidget* parent) : TOruZahlEdit(parent) {
  label_ = new QLabel(parent);
  label_->setObjectName(QStringLiteral("EditLabel"));
  label_->setBuddy(this);
  // Without a parent the label would be a window of its own; it waits for the field's parent.
  if (!parent) label_->hide();
  labelPlatzieren();
}

// The label is the field's: it goes with it, also when the parent deletes the field first.
TOruValueLabEdit::~TOruValueLabEdit() {
  delete label_.data();
}

QString TOruValueLabEdit::caption() const {
  return label_ ? label_->text() : QString();
}

void TOruValueLabEdit::setCaption(const QString& text) {
  if (!label_) return;
  label_->setText(text);
  labelPlatzieren();
}

void TOruValueLabEdit::setLabelSpacing(int abstand) {
  labelSpacing_ = abstand;
  labelPlatzieren();
}

void TOruValueLabEdit::setVisible(bool sichtbar) {
  TOruZahlEdit::setVisible(sichtbar);
  if (label_ && label_->parentWidget()) label_->setVisible(sichtbar);
}

void TOruValueLabEdit::wirfKommastellenFehler(const std::string& meldung) const {
  throw ValueLabEdit(meldung);
}

void TOruValueLabEdit::moveEvent(QMoveEvent* event) {
  TOruZahlEdit::moveEvent(event);
  labelPlatzieren();
}

void TOruValueLabEdit::resizeEvent(QResizeEvent* event) {
  TOruZahlEdit::resizeEvent(event);
  labelPlatzieren();
}

void TOruValueLabEdit::changeEvent(QEvent* event) {
  TOruZahlEdit::changeEvent(event);
  if (!label_) return;
  switch (event->type()) {
    case QEvent::EnabledChange:
      label_->setEnabled(isEnabled());
      break;
    case QEvent::ParentChange:
      label_->setParent(parentWidget());
      if (parentWidget()) label_->setVisible(!isHidden());
      labelPlatzieren();
      break;
    case QEvent::FontChange:
      labelPlatzieren();
      break;
    default:
      break;
  }
}

void TOruValueLabEdit::labelPlatzieren() {
  if (!label_) return;
  label_->adjustSize();
  const QRect feld = geometry();
  label_->move(feld.x() - label_->width() - labelSpacing_,
               feld.y() + (feld.height() - label_->height()) / 2);
}

}  // namespace salvaro
