// The main window's part of the views: opening them with the window's inputs, and updating the
// open ones after a calculation.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "abrechnung/Fensterregeln.h"
#include "ansichten/Monatsfall.h"
#include "controls/OruAdvEdit.h"
#include "controls/OruValueEdit.h"
#include "controls/OruValueLabEdit.h"
#include "ui/Ansichten.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"

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

// The open views follow without coming to the front: the user may be typing in the main window.
void TForm1::AnsichtenAktualisieren() {
  if (FrmJahr->isVisible()) FrmJahr->Zeige(AnsichtsEingaben(), false);
  if (FrmVerlauf->isVisible()) FrmVerlauf->Aktualisiere(AnsichtsEingaben(), false);
}

void TForm1::AnsichtenVerbinden() {
  ansichtenTimer_ = new QTimer(this);
  ansichtenTimer_->setSingleShot(true);
  ansichtenTimer_->setInterval(300);
  connect(ansichtenTimer_, &QTimer::timeout, this, [this] {
    if (!FrmJahr->isVisible() && !FrmVerlauf->isVisible()) return;
    // Once there is a direction, every calculation after a change brings the views along.
    if (richtung_) return;
    // Inputs that cannot be calculated yet (a year being typed) leave the views as they are.
    if (!AnsichtsPruefung(AnsichtsEingaben(), plattform_.Heute()).empty()) return;
    AnsichtenAktualisieren();
  });
  const auto spaeter = [this] { ansichtenTimer_->start(); };
  for (QComboBox* c : {ComboJahr, ComboMonat, ComboKiLand})
    connect(c, &QComboBox::currentTextChanged, this, spaeter);
  for (QLineEdit* f : std::initializer_list<QLineEdit*>{LEdiGebJahr, LEdiStKl, LEdiFaktor, LEdiKiFB,
                                                        LEdiStFB, OruEdiBGR, LabEdiPKV, LEdiPPV,
                                                        LEdiKinderU25, MEdiKV, MEdiKVZus})
    connect(f, &QLineEdit::editingFinished, this, spaeter);
  for (QCheckBox* c : {ChkPKV, ChkPPV}) connect(c, &QCheckBox::toggled, this, spaeter);
  for (QAction* a : {MenAllgStTab, MenBesStTab, MenPKVStatus, MenSVWest, MenSVOst, MenSVGleitzone,
                     MenSVRVGfE, MenPflegeKinderlos, MenFrwTatsBr, MenPVSachsen})
    connect(a, &QAction::triggered, this, spaeter);
}

}  // namespace salvaro
