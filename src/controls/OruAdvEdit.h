// Plain text field with the common behaviour of the program's fields and no character filter of
// its own; the form filters what may be typed through its key handler.
#pragma once

#include "controls/OruEditBasis.h"

namespace salvaro {

// Left-aligned and empty after construction. A typed-over selection is removed as typed (thousands
// points are kept); leaving the field changes nothing but the colour.
class TOruAdvEdit : public TOruEditBasis {
  Q_OBJECT

 public:
  explicit TOruAdvEdit(QWidget* parent = nullptr);

 protected:
  void zeichenPruefen(QChar& zeichen) override;
};

}  // namespace salvaro
