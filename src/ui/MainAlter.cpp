// The main window's part of age and pension payments: the month of birth beside the year of
// birth, the window "Alter und Versorgungsbezug" from the menu "Extras", and the contribution
// group proposed after the retirement age in the status bar, with a button that takes it.
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include "abrechnung/Altersangaben.h"
#include "controls/OruAdvEdit.h"
#include "ui/AlterFenster.h"
#include "ui/Hilfekontexte.h"
#include "ui/MainFormular.h"
#include "ui/MainUnit.h"
#include "ui/Text.h"

namespace salvaro {

void TForm1::AlterAufbauen() {
  // The month of birth, right of the year of birth in its panel, with a caption of its own; the
  // year's field moves left to make room.
  LEdiGebJahr->setGeometry(86, LEdiGebJahr->y(), 44, LEdiGebJahr->height());
  QLabel* labGebMonat =
      formular::beschriftung(PnlGebJahr, "LabGebMonat", QStringLiteral("&Monat:"), 136, 6);
  ComboGebMonat = new QComboBox(PnlGebJahr);
  ComboGebMonat->setObjectName(QStringLiteral("ComboGebMonat"));
  ComboGebMonat->addItem(QStringLiteral("–"));
  for (int m = 1; m <= 12; ++m) ComboGebMonat->addItem(QString::number(m));
  const int x = labGebMonat->x() + labGebMonat->sizeHint().width() + 4;
  ComboGebMonat->setGeometry(x, LEdiGebJahr->y(), PnlGebJahr->width() - x - 6, formular::kZeile);
  labGebMonat->setBuddy(ComboGebMonat);
  ComboGebMonat->setToolTip(QStringLiteral(
      "Geburtsmonat, für die Regelaltersgrenze (ohne Angabe: Dezember des Geburtsjahres)"));
  SetzeHilfeKontext(ComboGebMonat, kHilfeGebMonat);

  FrmAlter = new TFrmAlter(this);
  MenExtras->addSeparator();
  MenAlter = MenExtras->addAction(QStringLiteral("Alter und Versorgungs&bezug..."));
  MenAlter->setObjectName(QStringLiteral("MenAlter"));
  SetzeHilfeKontext(MenAlter, kHilfeAlterFenster);

  // The proposal after the retirement age, shown only when there is one.
  StatusVorschlag = new QLabel(this);
  StatusVorschlag->setObjectName(QStringLiteral("StatusVorschlag"));
  BtnVorschlag = new QToolButton(this);
  BtnVorschlag->setObjectName(QStringLiteral("BtnVorschlag"));
  BtnVorschlag->setText(QStringLiteral("Übernehmen"));
  BtnVorschlag->setToolTip(QStringLiteral(
      "Beitragsgruppe für Bezieher einer Altersvollrente; in der Rentenversicherung 1 bei "
      "Verzicht auf die Versicherungsfreiheit"));
  BtnVorschlag->setFocusPolicy(Qt::NoFocus);
  statusBar()->addPermanentWidget(StatusVorschlag);
  statusBar()->addPermanentWidget(BtnVorschlag);
  StatusVorschlag->hide();
  BtnVorschlag->hide();
}

void TForm1::AlterVerbinden() {
  const auto nochmal = [this] {
    if (richtung_ == Feld::Netto)
      BtnBruttoNeuMouseDown(Feld::Netto);
    else
      LEdiBruttoKeyDown(Feld::Brutto);
  };
  connect(MenAlter, &QAction::triggered, this, [this] {
    FrmAlter->show();
    FrmAlter->raise();
    FrmAlter->activateWindow();
  });
  connect(FrmAlter, &TFrmAlter::berechnen, this, nochmal);
  const auto uebernehmen = [this, nochmal](const QString& bgr) {
    if (bgr.isEmpty()) return;
    OruEdiBGR->setText(bgr);
    nochmal();
  };
  connect(FrmAlter, &TFrmAlter::vorschlagUebernehmen, this, uebernehmen);
  connect(BtnVorschlag, &QToolButton::clicked, this,
          [this, uebernehmen] { uebernehmen(BtnVorschlag->property("bgr").toString()); });
  connect(FrmAlter, &TFrmAlter::hilfeAngefordert, this, &TForm1::HilfeZeigen);
}

void TForm1::AlterLesen(Eingaben& e) const {
  const int monat = ComboGebMonat->currentIndex();
  e.GebMonat = monat >= 1 && monat <= 12 ? std::to_string(monat) : std::string();
  FrmAlter->Lies(e);
}

void TForm1::AlterZeigen(const Ergebnis& r) {
  FrmAlter->Zeige(r);
  StatusVorschlag->setText(r.vorschlag ? QText(r.vorschlag->text) : QString());
  BtnVorschlag->setProperty("bgr", r.vorschlag ? QText(r.vorschlag->bgr) : QString());
  StatusVorschlag->setVisible(r.vorschlag.has_value());
  BtnVorschlag->setVisible(r.vorschlag.has_value());
}

void TForm1::AlterEinstellungen(const Eingaben& e) {
  ComboGebMonat->setCurrentIndex(GebMonatAus(e.GebMonat).value_or(0));
}

void TForm1::AlterLeeren() {
  FrmAlter->Leeren();
  StatusVorschlag->hide();
  BtnVorschlag->hide();
}

}  // namespace salvaro
