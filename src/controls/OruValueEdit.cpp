#include "controls/OruValueEdit.h"

namespace salvaro {

TOruValueEdit::TOruValueEdit(QWidget* parent) : TOruZahlEdit(parent) {}

void TOruValueEdit::wirfKommastellenFehler(const std::string& meldung) const {
  throw ValueEdit(meldung);
}

}  // namespace salvaro
