#include "ui/QtPlattform.h"

#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "abrechnung/Fensterregeln.h"
#include "ui/Text.h"

namespace salvaro {

void QtPlattform::Nachricht(QWidget* eltern, Meldung::Art art, const QString& text,
                            int hilfeKontext) {
  QMessageBox box(eltern);
  switch (art) {
    case Meldung::Art::Hinweis:
      box.setWindowTitle(QGuiApplication::applicationDisplayName());
      break;
    case Meldung::Art::Fehler:
      box.setWindowTitle(QStringLiteral("Fehler"));
      box.setIcon(QMessageBox::Critical);
      break;
    case Meldung::Art::Information:
      box.setWindowTitle(QStringLiteral("Information"));
      box.setIcon(QMessageBox::Information);
      break;
  }
  box.setText(text);
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  QPushButton* hilfe =
      hilfeKontext != 0 ? box.addButton(QStringLiteral("Hilfe"), QMessageBox::HelpRole) : nullptr;
  // The Help button closes a Qt message box; the box comes back until it is answered with OK,
  // as the user has not yet acknowledged the message.
  for (;;) {
    box.exec();
    if (!hilfe || box.clickedButton() != hilfe) break;
    if (!Hilfe(hilfeKontext)) Nachricht(eltern, Meldung::Art::Fehler, QText(kHilfeNichtGeoeffnet));
  }
}

std::optional<QString> QtPlattform::Speicherpfad(QWidget* eltern, const SpeicherDialog& dialog) {
  QFileDialog d(eltern, dialog.titel);
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setFileMode(QFileDialog::AnyFile);
  d.setNameFilter(dialog.filter);
  d.setDefaultSuffix(dialog.endung);
  d.selectFile(dialog.vorschlag);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  return d.selectedFiles().front();
}

void QtPlattform::ZeigeModal(QDialog& fenster) {
  fenster.exec();
}

Datum QtPlattform::Heute() {
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}

// A compiled help file has no viewer with numeric contexts on this desktop: the file opens in
// whatever viewer the desktop associates with it, at its start page.
bool QtPlattform::Hilfe(int /*kontext*/) {
  return !hilfedatei_.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(hilfedatei_));
}

void QtPlattform::Drucken(QWidget* /*eltern*/, const std::vector<std::string>& /*zeilen*/) {}

}  // namespace salvaro
