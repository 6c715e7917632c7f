// The panel "Bezüge und Abzüge" below the pay fields: the list of the month's pay components (a
// drop-down list, so that the window still fits a laptop's screen), an editor for the one
// selected (its kind and amount in the panel, the few further inputs of its kind in a small
// pop-up, "Angaben..."), the buttons to add and remove one, and the amount paid out of the last
// calculation. The panel keeps the components typed: each field is read once when it changes.
#pragma once

#include <QFrame>
#include <memory>
#include <vector>

#include "bezuege/Bezuege.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace salvaro {

struct Ergebnis;
class TOruValueLabEdit;

class TPnlBezuege : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kBreite = 624, kHoehe = 56;

  explicit TPnlBezuege(QWidget* parent = nullptr);
  ~TPnlBezuege() override;

  const std::vector<Bezug>& Bezuege() const { return bezuege_; }
  // Shows the amount paid out of a calculation (0,00 before the first).
  void ZeigeErgebnis(const Ergebnis& r);
  void Leeren();

  QComboBox* ComboBezuege;  // the list
  QComboBox* ComboBezugsart;
  TOruValueLabEdit* LEdiBezugBetrag;
  QPushButton* BtnBezugNeu;
  QPushButton* BtnBezugLoeschen;
  QPushButton* BtnBezugAngaben;
  QFrame* PnlBezugAngaben;  // the pop-up with the kind's further inputs
  QLabel* LabAuszahlung;

 signals:
  // Enter in a field of the panel: calculate again.
  void berechnen();

 private:
  struct Feld;  // a detail input of a kind
  void Hinzufuegen();
  void Loeschen();
  void Auswahl();
  // The selected component's fields from the controls, and the controls from it.
  void Uebernehmen();
  void Anzeigen();
  void ZeileBeschriften(int zeile);
  Bezug* Gewaehlt();

  std::vector<Bezug> bezuege_;
  std::vector<std::unique_ptr<Feld>> felder_;
  QComboBox* antrieb_ = nullptr;
  QLineEdit* anschaffung_ = nullptr;
  bool laden_ = false;  // the controls are being filled, not edited
};

}  // namespace salvaro
