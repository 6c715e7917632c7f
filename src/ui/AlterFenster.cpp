#include "ui/AlterFenster.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Zahlentext.h"
#include "controls/OruValueLabEdit.h"
#include "ui/Hilfekontexte.h"
#include "ui/Text.h"
#include "ui/Zahlanzeige.h"

namespace salvaro {

namespace {

QLabel* anzeige(QWidget* eltern, const char* name) {
  auto* l = new QLabel(eltern);
  l->setObjectName(QLatin1String(name));
  l->setWordWrap(true);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

}  // namespace

TFrmAlter::TFrmAlter(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmAlter"));
  setWindowTitle(QStringLiteral("Alter und Versorgungsbezug"));
  SetzeHilfeKontext(this, kHilfeAlterFenster);

  LEdiVersorgungsbezug = new TOruValueLabEdit(this);
  LEdiVersorgungsbezug->setObjectName(QStringLiteral("LEdiVersorgungsbezug"));
  LEdiVersorgungsbezug->setKommastellen(kGrenzenBetrag.kommastellen);
  LEdiVersorgungsbezug->setMinValue(kGrenzenBetrag.min);
  LEdiVersorgungsbezug->setMaxValue(kGrenzenBetrag.max);
  LEdiVersorgungsbezug->setDezimalTrz(true);
  LEdiVersorgungsbezug->setText(QStringLiteral("0,00"));
  LEdiVersorgungsbezug->editLabel()->hide();
  LEdiVersorgungsbezug->setToolTip(
      QStringLiteral("Monatlicher Versorgungsbezug, der mit dem Lohn oder allein gezahlt wird"));
  SetzeHilfeKontext(LEdiVersorgungsbezug, kHilfeVersorgungsbezug);
  EdiVersorgungsbeginn = new QLineEdit(this);
  EdiVersorgungsbeginn->setObjectName(QStringLiteral("EdiVersorgungsbeginn"));
  EdiVersorgungsbeginn->setPlaceholderText(QStringLiteral("JJJJ-MM"));
  EdiVersorgungsbeginn->setMaxLength(7);
  EdiVersorgungsbeginn->setToolTip(
      QStringLiteral("Jahr (und Monat) des Versorgungsbeginns: 2023 oder 2023-03; er bestimmt den "
                     "Versorgungsfreibetrag"));
  SetzeHilfeKontext(EdiVersorgungsbeginn, kHilfeVersorgungsbezug);
  RadBetriebsrente = new QRadioButton(QStringLiteral("Betriebs&rente"), this);
  RadBetriebsrente->setObjectName(QStringLiteral("RadBetriebsrente"));
  RadBetriebsrente->setToolTip(QStringLiteral(
      "Kranken- und Pflegeversicherungsbeiträge eines pflichtversicherten Rentners"));
  RadBetriebsrente->setChecked(true);
  RadBeamtenpension = new QRadioButton(QStringLiteral("Beamten&pension"), this);
  RadBeamtenpension->setObjectName(QStringLiteral("RadBeamtenpension"));
  RadBeamtenpension->setToolTip(QStringLiteral("Ohne Sozialversicherung"));
  for (QWidget* w :
       {static_cast<QWidget*>(RadBetriebsrente), static_cast<QWidget*>(RadBeamtenpension)})
    SetzeHilfeKontext(w, kHilfeVersorgungsbezug);

  ChkAktivrente = new QCheckBox(QStringLiteral("&Aktivrente anwenden"), this);
  ChkAktivrente->setObjectName(QStringLiteral("ChkAktivrente"));
  ChkAktivrente->setChecked(true);
  ChkAktivrente->setToolTip(QStringLiteral(
      "Ab 2026 bis 2.000 € Arbeitslohn im Monat nach der Regelaltersgrenze lohnsteuerfrei"));
  ChkAktivrenteStKl6 = new QCheckBox(
      QStringLiteral("auch in Steuerklasse &6 (kein anderes Dienstverhältnis nutzt sie)"), this);
  ChkAktivrenteStKl6->setObjectName(QStringLiteral("ChkAktivrenteStKl6"));
  for (QWidget* w :
       {static_cast<QWidget*>(ChkAktivrente), static_cast<QWidget*>(ChkAktivrenteStKl6)})
    SetzeHilfeKontext(w, kHilfeAktivrente);

  LabRegelaltersgrenze = anzeige(this, "LabRegelaltersgrenze");
  LabAktivrente = anzeige(this, "LabAktivrente");
  LabVersorgung = anzeige(this, "LabVersorgung");
  LabVorschlag = anzeige(this, "LabVorschlag");
  BtnVorschlag = new QPushButton(QStringLiteral("Beitragsgruppe ü&bernehmen"), this);
  BtnVorschlag->setObjectName(QStringLiteral("BtnVorschlag"));
  BtnVorschlag->hide();
  BtnSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
  BtnSchliessen->setObjectName(QStringLiteral("BtnSchliessen"));
  BtnSchliessen->setAutoDefault(false);
  BtnVorschlag->setAutoDefault(false);

  auto* raster = new QGridLayout;
  auto* labBezug = new QLabel(QStringLiteral("&Versorgungsbezug:"), this);
  labBezug->setBuddy(LEdiVersorgungsbezug);
  raster->addWidget(labBezug, 0, 0);
  raster->addWidget(LEdiVersorgungsbezug, 0, 1);
  auto* labBeginn = new QLabel(QStringLiteral("Be&ginn:"), this);
  labBeginn->setBuddy(EdiVersorgungsbeginn);
  raster->addWidget(labBeginn, 1, 0);
  raster->addWidget(EdiVersorgungsbeginn, 1, 1);
  auto* art = new QHBoxLayout;
  art->addWidget(RadBetriebsrente);
  art->addWidget(RadBeamtenpension);
  raster->addLayout(art, 2, 0, 1, 2);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(BtnVorschlag);
  knoepfe->addStretch();
  knoepfe->addWidget(BtnSchliessen);
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(raster);
  spalte->addWidget(LabVersorgung);
  spalte->addWidget(ChkAktivrente);
  spalte->addWidget(ChkAktivrenteStKl6);
  spalte->addWidget(LabAktivrente);
  spalte->addWidget(LabRegelaltersgrenze);
  spalte->addWidget(LabVorschlag);
  spalte->addLayout(knoepfe);

  connect(LEdiVersorgungsbezug, &TOruEditBasis::enterGedrueckt, this, &TFrmAlter::berechnen);
  connect(EdiVersorgungsbeginn, &QLineEdit::returnPressed, this, &TFrmAlter::berechnen);
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           RadBeamtenpension, ChkAktivrente, ChkAktivrenteStKl6})
    connect(b, &QAbstractButton::clicked, this, &TFrmAlter::berechnen);
  connect(BtnVorschlag, &QPushButton::clicked, this,
          [this] { emit vorschlagUebernehmen(vorschlag_); });
  connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::close);
  connect(RadBetriebsrente, &QAbstractButton::clicked, this, &TFrmAlter::berechnen);
  // The fields are named by their captions for a screen reader.
  FelderBenennen(this);
  Leeren();
}

void TFrmAlter::Lies(Eingaben& e) const {
  e.Versorgungsbezug = StdText(LEdiVersorgungsbezug->text());
  e.Versorgungsbeginn = StdText(EdiVersorgungsbeginn->text().trimmed());
  e.Beamtenpension = RadBeamtenpension->isChecked();
  e.Aktivrente = ChkAktivrente->isChecked();
  e.AktivrenteStKl6 = ChkAktivrenteStKl6->isChecked();
}

void TFrmAlter::Zeige(const Ergebnis& r) {
  const Alterswerte& a = r.alter;
  LabRegelaltersgrenze->setText(a.regelaltersgrenze.empty()
                                    ? QString()
                                    : QStringLiteral("Regelaltersgrenze: ") +
                                          QText(a.regelaltersgrenze));
  LabAktivrente->setText(QStringLiteral("Aktivrente: ") + QText(a.aktivrenteZustand));
  QString versorgung;
  if (a.versorgungsfreibetrag > Money() || a.zuschlagVersorgungsfreibetrag > Money() ||
      a.kvVersorgung > Money() || a.pvVersorgung > Money()) {
    versorgung = QStringLiteral("Versorgungsfreibetrag im Jahr: %1 €, Zuschlag: %2 €")
                     .arg(QText(FormatDE(a.versorgungsfreibetrag)),
                          QText(FormatDE(a.zuschlagVersorgungsfreibetrag)));
    if (a.kvVersorgung > Money() || a.pvVersorgung > Money())
      versorgung += QStringLiteral("\nKV auf den Versorgungsbezug: %1 €, PV: %2 €")
                        .arg(QText(FormatDE(a.kvVersorgung)), QText(FormatDE(a.pvVersorgung)));
  }
  LabVersorgung->setText(versorgung);
  vorschlag_ = r.vorschlag ? QText(r.vorschlag->bgr) : QString();
  LabVorschlag->setText(r.vorschlag ? QText(r.vorschlag->text) : QString());
  BtnVorschlag->setVisible(r.vorschlag.has_value());
}

void TFrmAlter::Leeren() {
  LEdiVersorgungsbezug->setText(QStringLiteral("0,00"));
  EdiVersorgungsbeginn->clear();
  RadBetriebsrente->setChecked(true);
  ChkAktivrente->setChecked(true);
  ChkAktivrenteStKl6->setChecked(false);
  for (QLabel* l : {LabRegelaltersgrenze, LabAktivrente, LabVersorgung, LabVorschlag}) l->clear();
  vorschlag_.clear();
  BtnVorschlag->hide();
}

}  // namespace salvaro
