#include "controls/OruAdvEdit.h"

namespace salvaro {

TOruAdvEdit::TOruAdvEdit(QWidget* parent) : TOruEditBasis(parent) {}

void TOruAdvEdit::zeichenPruefen(QChar& c) {
  if (c == u'\r') {
    c = QChar();
    return;
  }
  // A shortcut the form let through (paste, cut, undo) works on the selection itself.
  if (!istSteuerzeichen(c) || c == u'\b') auswahlEntfernen(false);
  setLastText(text(), cursorPosition());
}

}  // namespace salvaro
