// The statement from the main window: showing the statement window, saving and printing.
#include <QFile>

#include "druck/Drucken.h"
#include "ui/MainUnit.h"
#include "ui/Plattform.h"
#include "ui/Speichern.h"
#include "ui/Text.h"
#include "ui/UAbrechnung.h"

namespace salvaro {

void TForm1::BtnDetailberechnungClick() {
  plattform_.ZeigeModal(*FrmAbrechnung);
}

void TForm1::BtnSpeichernClick() {
  FrmAbrechnung->Speichern(this);
}

// Prints what the statement window holds, the user's edits included.
void TForm1::ActDruckenExecute() {
  QWidget* eltern = FrmAbrechnung->isVisible() ? static_cast<QWidget*>(FrmAbrechnung) : this;
  plattform_.Drucken(eltern, FrmAbrechnung->Zeilen());
}

// The print of the statement as a PDF file, for sending or archiving without a printer.
void TForm1::ActPdfExecute() {
  QWidget* eltern = FrmAbrechnung->isVisible() ? static_cast<QWidget*>(FrmAbrechnung) : this;
  const std::optional<QString> pfad = plattform_.Speicherpfad(
      eltern, {QStringLiteral("Abrechnung als PDF speichern"),
               QStringLiteral("PDF-Dateien (*.pdf);;Alle Dateien (*)"), QStringLiteral("pdf"),
               FrmAbrechnung->Dateiname() + QStringLiteral(".pdf")});
  if (!pfad) return;
  const std::vector<std::string> zeilen = FrmAbrechnung->Zeilen();
  SpeichereGewaehlteDatei(plattform_, eltern, QFile::encodeName(*pfad).toStdString(),
                          [&zeilen](const std::string& ziel, Schreibschutz schutz) {
                            return DruckeAlsPdf(ziel, zeilen, PapierDerUmgebung(), schutz);
                          });
}

}  // namespace salvaro
