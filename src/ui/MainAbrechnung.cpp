// The statement from the main window: showing the statement window, saving and printing.
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/UAbrechnung.h"

namespace salvaro {

void TForm1::BtnDetailberechnungClick() {
  plattform_.ZeigeModal(*FrmAbrechnung);
}

void TForm1::BtnSpeichernClick() {
  FrmAbrechnung->Speichern(this, QStringLiteral("SalvaroBerechnung"));
}

// Prints what the statement window holds, the user's edits included.
void TForm1::ActDruckenExecute() {
  QWidget* eltern = FrmAbrechnung->isVisible() ? static_cast<QWidget*>(FrmAbrechnung) : this;
  plattform_.Drucken(eltern, FrmAbrechnung->Zeilen());
}

}  // namespace salvaro
