// Help from the main window and the statement window.
#include <QString>

#include "abrechnung/Fensterregeln.h"
#include "ui/Hilfekontexte.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/Text.h"
#include "ui/UAbrechnung.h"

namespace salvaro {

void TForm1::MenHilfeAufrufenClick() {
  HilfeZeigen(kHilfeHauptfenster);
}

void TForm1::HilfeZeigen(int kontext) {
  QWidget* eltern = FrmAbrechnung->isVisible() ? static_cast<QWidget*>(FrmAbrechnung) : this;
  if (hilfeFehlt_) {
    plattform_.Nachricht(eltern, Meldung::Art::Fehler, QText(kHilfedateiNichtVorhanden));
    return;
  }
  if (!plattform_.Hilfe(kontext))
    plattform_.Nachricht(eltern, Meldung::Art::Fehler, QText(kHilfeNichtGeoeffnet));
}

}  // namespace salvaro
