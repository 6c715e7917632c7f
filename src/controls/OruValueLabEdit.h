// Numeric input field with its caption (see TOruZahlEdit). The caption is a label beside the
// field in the same parent, 5 pixels to its left and centred on it; it moves, shows, hides and
// is enabled together with the field, and its mnemonic focuses the field.
#pragma once

#include <QLabel>
#include <QPointer>
#include <stdexcept>

#include "controls/OruZahlEdit.h"

namespace salvaro {

// Raised by TOruValueLabEdit for a number of decimals outside 0 to 3.
class ValueLabEdit : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TOruValueLabEdit : public TOruZahlEdit {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(int LabelSpacing READ labelSpacing WRITE setLabelSpacing)

 public:
  explicit TOruValueLabEdit(QWidget* parent = nullptr);
  ~TOruValueLabEdit() override;

  // The caption label (object name "EditLabel"). Change its text through setCaption, so that it
  // is placed anew.
  QLabel* editLabel() const { return label_; }
  QString caption() const;
  void setCaption(const QString& text);
  int labelSpacing() const { return labelSpacing_; }
  void setLabelSpacing(int abstand);

  void setVisible(bool sichtbar) override;

 protected:
  [[noreturn]] void wirfKommastellenFehler(const std::string& meldung) const override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void labelPlatzieren();

  QPointer<QLabel> label_;
  int labelSpacing_ = 5;
};

}  // namespace salvaro
