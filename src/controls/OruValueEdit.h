// Numeric input field with bounds and a fixed number of decimals (see TOruZahlEdit).
#pragma once

#include <stdexcept>

#include "controls/OruZahlEdit.h"

namespace salvaro {

// Raised by TOruValueEdit for a number of decimals outside 0 to 3.
class ValueEdit : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Right-aligned, value 0 shown as "0,00", bounds 0 and 1000000, two decimals, thousands grouping.
class TOruValueEdit : public TOruZahlEdit {
  Q_OBJECT

 public:
  explicit TOruValueEdit(QWidget* parent = nullptr);

 protected:
  [[noreturn]] void wirfKommastellenFehler(const std::string& meldung) const override;
};

}  // namespace salvaro
