// The one-time payment and the severance below the form, and the employer's side beside it:
// their panels, what a calculation shows in them, and the menu switch of the employer's column.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>

#include "abrechnung/Einmalzahlung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"
#include "controls/OruValueLabEdit.h"
#include "ui/Hilfekontexte.h"
#include "ui/MainFormular.h"
#include "ui/MainUnit.h"
#include "ui/Bezuegeliste.h"
#include "ui/Text.h"
#include "ui/Zahlanzeige.h"

namespace salvaro {

namespace {

using namespace formular;

// The form without and with the employer's column; the row of the one-time payment lies below
// the panels of the first calculation.
constexpr int kFormBreite = 632, kAGBreite = 276, kFormBreiteMitAG = kFormBreite + kAGBreite + 4;
constexpr int kEinmalY = 398, kEinmalHoehe = 124;
constexpr int kBezuegeY = kEinmalY + kEinmalHoehe + 4;
constexpr int kFormHoehe = kBezuegeY + TPnlBezuege::kHoehe + 4;

QLabel* titel(QWidget* eltern, const char* name, const QString& text, int x, int y) {
  QLabel* l = beschriftung(eltern, name, text, x, y);
  QFont fett = l->font();
  fett.setBold(true);
  l->setFont(fett);
  l->adjustSize();
  return l;
}

QFrame* trennlinie(QWidget* eltern, int x, int y, int b) {
  auto* linie = new QFrame(eltern);
  linie->setFrameShape(QFrame::HLine);
  linie->setFrameShadow(QFrame::Sunken);
  linie->setGeometry(x, y, b, 2);
  return linie;
}

void setzeBetrag(QLabel* l, Money betrag) {
  ZeigeWert(l, BetragMitEinheit(betrag));
}

}  // namespace

void TForm1::ZusatzAufbauen() {
  // The inputs of the one-time payment, under the special gross fields.
  constexpr int kFeldX = 140, kFeldBreite = 80;
  PnlEinmalzahlung = panel(Formular, "PnlEinmalzahlung", 4, kEinmalY, 228, kEinmalHoehe);
  LEdiEinmalzahlung = zahlfeld(PnlEinmalzahlung, "LEdiEinmalzahlung", QStringLiteral("Einma&lzahlung:"),
                               kFeldX, 4, kFeldBreite, kGrenzenBetrag, true, QStringLiteral("0,00"),
                               kHilfeEinmalzahlung);
  LEdiJahresbruttoBisher = zahlfeld(PnlEinmalzahlung, "LEdiJahresbruttoBisher",
                                    QStringLiteral("&Jahresbrutto bisher:"), kFeldX, 28, kFeldBreite,
                                    kGrenzenJahresbruttoBisher, true, QString(), kHilfeJahresbruttoBisher);
  LEdiJahresbruttoBisher->setToolTip(
      QStringLiteral("Leer: das Brutto dieses Monats mal die Vormonate des Jahres"));
  LEdiAbfindung = zahlfeld(PnlEinmalzahlung, "LEdiAbfindung", QStringLiteral("Ab&findung:"), kFeldX,
                           52, kFeldBreite, kGrenzenAbfindung, true, QStringLiteral("0,00"),
                           kHilfeAbfindung);
  LEdiAbfindung->setToolTip(QStringLiteral("Entschädigung für den Verlust des Arbeitsplatzes"));
  LEdiMehrjaehrig = zahlfeld(PnlEinmalzahlung, "LEdiMehrjaehrig", QStringLiteral("Mehrj&ährige Vergütung:"),
                             kFeldX, 76, kFeldBreite, kGrenzenAbfindung, true, QStringLiteral("0,00"),
                             kHilfeMehrjaehrig);
  LEdiMehrjaehrig->setToolTip(QStringLiteral("Vergütung für eine mehrjährige Tätigkeit"));
  ChkImVorjahr = haken(PnlEinmalzahlung, "ChkImVorjahr", QStringLiteral("im Vorjahr beschäftigt"),
                       8, 100, kHilfeImVorjahr);
  ChkImVorjahr->setChecked(true);
  ChkImVorjahr->setToolTip(QStringLiteral(
      "Eine Einmalzahlung von Januar bis März kann dann dem Dezember des Vorjahres zuzurechnen sein"));

  // Its results, beside the inputs; shown once a calculation had a payment or a severance.
  PnlEinmalErgebnis =
      panel(Formular, "PnlEinmalErgebnis", 236, kEinmalY, kFormBreite - 240, kEinmalHoehe);
  SetzeHilfeKontext(PnlEinmalErgebnis, kHilfeEinmalErgebnis);
  titel(PnlEinmalErgebnis, "LabTitelEinmal", QStringLiteral("Einmalzahlung und Abfindung"), 8, 4);
  const struct {
    QLabel** wert;
    const char* name;
    const char* caption;
    int x, y, wertX, wertBreite;
  } zeilen[] = {
      {&LabEinmalLSt, "LabEinmalLSt", "Lohnsteuer:", 8, 28, 104, 82},
      {&LabEinmalSolZ, "LabEinmalSolZ", "Solidaritätszuschlag:", 8, 52, 104, 82},
      {&LabEinmalKiSt, "LabEinmalKiSt", "Kirchensteuer:", 8, 76, 104, 82},
      {&LabEinmalSV, "LabEinmalSV", "Sozialversicherung:", 196, 28, 300, 82},
      {&LabEinmalNetto, "LabEinmalNetto", "Netto Einmalzahlung:", 196, 52, 300, 82},
      {&LabNettoGesamt, "LabNettoGesamt", "Netto gesamt:", 196, 88, 300, 82},
  };
  for (const auto& z : zeilen) {
    const QByteArray textName = QByteArray("LabText") + (z.name + 3);
    beschriftung(PnlEinmalErgebnis, textName.constData(), QString::fromUtf8(z.caption), z.x, z.y);
    *z.wert = wertfeld(PnlEinmalErgebnis, z.name, z.wertX, z.y, z.wertBreite);
  }
  trennlinie(PnlEinmalErgebnis, 196, 80, 186);
  for (QLabel* l : {PnlEinmalErgebnis->findChild<QLabel*>(QStringLiteral("LabTextNettoGesamt")),
                    LabNettoGesamt}) {
    QFont fett = l->font();
    fett.setBold(true);
    l->setFont(fett);
    if (l != LabNettoGesamt) l->adjustSize();
  }
  PnlEinmalErgebnis->hide();

  // The pay components, below the payment.
  PnlBezuege = new TPnlBezuege(Formular);
  PnlBezuege->move(4, kBezuegeY);

  // The employer's column, right of the results.
  PnlArbeitgeber = panel(Formular, "PnlArbeitgeber", kFormBreite, 4, kAGBreite, kFormHoehe - 8);
  SetzeHilfeKontext(PnlArbeitgeber, kHilfeArbeitgeber);
  titel(PnlArbeitgeber, "LabTitelAG", QStringLiteral("Arbeitgeber"), 8, 4);
  LEdiU1Satz = zahlfeld(PnlArbeitgeber, "LEdiU1Satz", QStringLiteral("U&1-Satz:"), 64, 28, 50,
                        kGrenzenUmlagesatz, false, QStringLiteral("0,00"), kHilfeUmlagesaetze);
  beschriftung(PnlArbeitgeber, "LabU1Prozent", QStringLiteral("%"), 118, 28);
  LEdiU2Satz = zahlfeld(PnlArbeitgeber, "LEdiU2Satz", QStringLiteral("U&2-Satz:"), 64, 56, 50,
                        kGrenzenUmlagesatz, false, QStringLiteral("0,00"), kHilfeUmlagesaetze);
  beschriftung(PnlArbeitgeber, "LabU2Prozent", QStringLiteral("%"), 118, 56);
  ChkPauschsteuerAG = haken(PnlArbeitgeber, "ChkPauschsteuerAG",
                            QStringLiteral("Pauschsteuer trägt Arbeitgeber"), 8, 84, kHilfePauschsteuer);
  ChkPauschsteuerAG->setToolTip(
      QStringLiteral("Geringfügige Beschäftigung: 2 % Pauschsteuer statt Lohnsteuer"));
  trennlinie(PnlArbeitgeber, 8, 112, kAGBreite - 16);
  const int wertX = kAGBreite - 10 - 90;
  const struct {
    QLabel** wert;
    QLabel** text;
    const char* name;
    const char* caption;
  } ag[] = {
      {&LabAGBrutto, nullptr, "LabAGBrutto", "Brutto:"},
      {&LabAGEinmal, nullptr, "LabAGEinmal", "Einmalzahlung / Abfindung:"},
      {&LabAGBezuege, nullptr, "LabAGBezuege", "Bezüge und Pauschalsteuer:"},
      {&LabAGKV, &LabTextAGKV, "LabAGKV", "Krankenversicherung:"},
      {&LabAGRV, &LabTextAGRV, "LabAGRV", "Rentenversicherung:"},
      {&LabAGAV, nullptr, "LabAGAV", "Arbeitslosenversicherung:"},
      {&LabAGPV, nullptr, "LabAGPV", "Pflegeversicherung:"},
      {&LabAGPauschsteuer, nullptr, "LabAGPauschsteuer", "Pauschsteuer:"},
      {&LabAGInsolvenz, nullptr, "LabAGInsolvenz", "Insolvenzgeldumlage:"},
      {&LabAGU1, nullptr, "LabAGU1", "Umlage U1:"},
      {&LabAGU2, nullptr, "LabAGU2", "Umlage U2:"},
  };
  int y = 120;
  for (const auto& z : ag) {
    const QByteArray textName = QByteArray("LabText") + (z.name + 3);
    QLabel* text =
        beschriftung(PnlArbeitgeber, textName.constData(), QString::fromUtf8(z.caption), 8, y);
    if (z.text) *z.text = text;
    *z.wert = wertfeld(PnlArbeitgeber, z.name, wertX, y, 90);
    y += 26;
  }
  trennlinie(PnlArbeitgeber, 8, y + 2, kAGBreite - 16);
  QLabel* gesamt = titel(PnlArbeitgeber, "LabTextAGGesamt",
                         QStringLiteral("Gesamtkosten Arbeitgeber:"), 8, y + 10);
  LabAGGesamt = wertfeld(PnlArbeitgeber, "LabAGGesamt", wertX, y + 10, 90);
  LabAGGesamt->setFont(gesamt->font());
  PnlArbeitgeber->hide();
}

void TForm1::MenArbeitgeberseiteClick() {
  ArbeitgeberseiteZeigen(MenArbeitgeberseite->isChecked());
}

void TForm1::ArbeitgeberseiteZeigen(bool an) {
  if (MenArbeitgeberseite->isChecked() != an) MenArbeitgeberseite->setChecked(an);
  const int breite = an ? kFormBreiteMitAG : kFormBreite;
  if (Formular->width() == breite && PnlArbeitgeber->isHidden() == !an) return;
  const int mehr = breite - Formular->width(), alt = width();
  PnlArbeitgeber->setVisible(an);
  FormularAnpassen();
  if (isMaximized() || isFullScreen()) return;
  // The window grows by the column (and gives it back), so that the form stays whole as far as
  // the screen allows; a window that grew past the screen's right edge moves back onto it.
  Rollbereich->widget()->layout()->activate();
  layout()->activate();
  // Closing the column gives back the width it took, also where the screen took some of it.
  int neu = an || breiteOhneSpalte_ <= 0 ? alt + mehr : breiteOhneSpalte_;
  breiteOhneSpalte_ = an ? alt : 0;
  neu = qMax(neu, minimumSizeHint().width());
  if (const QScreen* schirm = screen()) {
    const QRect platz = schirm->availableGeometry();
    neu = qMin(neu, platz.width());
    resize(neu, height());
    const QRect rahmen = frameGeometry();
    if (rahmen.right() > platz.right())
      move(qMax(platz.left(), x() - (rahmen.right() - platz.right())), y());
  } else {
    resize(neu, height());
  }
}

void TForm1::ZeigeZusatz(const Ergebnis& r) {
  const Einmalergebnis& z = r.einmal;
  const Einmalvorgaben v = EinmalvorgabenAus(LiesEingaben());
  setzeBetrag(LabEinmalLSt, -(z.LStEinmal + z.LStMehrjaehrig + z.LStAbfindung));
  setzeBetrag(LabEinmalSolZ, -(z.SolZEinmal + z.SolZMehrjaehrig + z.SolZAbfindung));
  setzeBetrag(LabEinmalKiSt, -(z.KiStEinmal + z.KiStMehrjaehrig + z.KiStAbfindung));
  setzeBetrag(LabEinmalSV, -(z.SVEinmalAN + z.SVMehrjaehrigAN));
  setzeBetrag(LabEinmalNetto, z.NettoEinmal + z.NettoMehrjaehrig + z.NettoAbfindung);
  setzeBetrag(LabNettoGesamt, z.NettoGesamt);
  PnlEinmalErgebnis->setVisible(v.Einmalzahlung > Money() || v.MehrjaehrigeVerguetung > Money() ||
                                v.Abfindung > Money());

  // Marginal employment: the employer pays flat-rate contributions instead of shares.
  const bool pauschal = fall_->BGRKV == 6;
  LabTextAGKV->setText(pauschal ? QStringLiteral("KV-Pauschalbeitrag:")
                                : QStringLiteral("Krankenversicherung:"));
  LabTextAGRV->setText(pauschal ? QStringLiteral("RV-Pauschalbeitrag:")
                                : QStringLiteral("Rentenversicherung:"));
  for (QLabel* l : {LabTextAGKV, LabTextAGRV}) l->adjustSize();
  const std::pair<QLabel*, Money> werte[] = {
      {LabAGBrutto, r.brutto},
      {LabAGEinmal, v.Einmalzahlung + v.MehrjaehrigeVerguetung + v.Abfindung},
      {LabAGBezuege, r.bezuege.Arbeitgeberkosten},
      {LabAGKV, z.KVAG},
      {LabAGRV, z.RVAG},
      {LabAGAV, z.AVAG},
      {LabAGPV, z.PVAG},
      {LabAGPauschsteuer, z.Pauschsteuer},
      {LabAGInsolvenz, z.InsoUmlage},
      {LabAGU1, z.UmlageU1},
      {LabAGU2, z.UmlageU2},
      {LabAGGesamt, z.Gesamtkosten},
  };
  for (const auto& [label, betrag] : werte) setzeBetrag(label, betrag);
  PnlBezuege->ZeigeErgebnis(r);
}

void TForm1::ZusatzLeeren() {
  // Every result of the form, those of the month included.
  for (QLabel* l : Formular->findChildren<QLabel*>())
    if (IstErgebnis(l)) setzeBetrag(l, Money());
  PnlEinmalErgebnis->hide();
  PnlBezuege->Leeren();
}

}  // namespace salvaro
