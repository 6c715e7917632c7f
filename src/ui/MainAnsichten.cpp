// The main window's part of the views: opening them with the window's inputs, and updating the
// open ones after a calculation.
#include "abrechnung/Fensterregeln.h"
#include "ui/Ansichten.h"
#include "ui/MainUnit.h"

namespace salvaro {

Eingaben TForm1::AnsichtsEingaben() const {
  Eingaben e = LiesEingaben();
  e.StKl = SteuerklasseBegrenzt(e.StKl);
  if (e.Brutto.empty()) e.Brutto = "0";
  return e;
}

void TForm1::MenJahrClick() {
  FrmJahr->Zeige(AnsichtsEingaben());
}

void TForm1::MenVerlaufClick() {
  FrmVerlauf->Aktualisiere(AnsichtsEingaben());
}

void TForm1::MenSteuerklassenClick() {
  FrmSteuerklassen->Vorbelegen(AnsichtsEingaben());
}

void TForm1::AnsichtenAktualisieren() {
  if (FrmJahr->isVisible()) FrmJahr->Zeige(AnsichtsEingaben());
  if (FrmVerlauf->isVisible()) FrmVerlauf->Aktualisiere(AnsichtsEingaben());
}

}  // namespace salvaro
