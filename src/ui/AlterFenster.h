// The window of age and pension payments: a pension paid with the pay or alone ("Versorgungsbezug"
// with its beginning and kind), the Aktivrente's switches and state, the retirement age, and the
// contribution group proposed after it. It is opened from the menu "Extras"; its inputs belong to
// the main window's calculation, which it asks for with Enter and which it shows afterwards.
#pragma once

#include <QDialog>

#include "abrechnung/Berechnung.h"
#include "ui/Hilfekontexte.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace salvaro {

class TOruValueLabEdit;

class TFrmAlter : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmAlter(QWidget* parent = nullptr);

  // Its inputs into e; the window's other inputs stay.
  void Lies(Eingaben& e) const;
  // What a calculation found: the retirement age, the Aktivrente, the pension's amounts and the
  // proposed contribution group.
  void Zeige(const Ergebnis& r);
  // "Neue Abrechnung": no pension, the Aktivrente where it applies, nothing shown.
  void Leeren();

  TOruValueLabEdit* LEdiVersorgungsbezug;
  QLineEdit* EdiVersorgungsbeginn;
  QRadioButton* RadBetriebsrente;
  QRadioButton* RadBeamtenpension;
  QCheckBox* ChkAktivrente;
  QCheckBox* ChkAktivrenteStKl6;
  QLabel* LabRegelaltersgrenze;
  QLabel* LabAktivrente;
  QLabel* LabVersorgung;
  QLabel* LabVorschlag;
  QPushButton* BtnVorschlag;
  QPushButton* BtnSchliessen;

 signals:
  // Enter in a field or a changed switch: calculate again.
  void berechnen();
  // The proposed contribution group is taken.
  void vorschlagUebernehmen(const QString& bgr);
  void hilfeAngefordert(int kontext);

 private:
  QString vorschlag_;
};

}  // namespace salvaro
