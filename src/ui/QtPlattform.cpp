#include "ui/QtPlattform.h"

#include <QDate>
#include <QDesktopServices>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

#include "abrechnung/Fensterregeln.h"
#include "druck/Drucken.h"
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
    hilfeEltern_ = &box;
    const bool geoeffnet = Hilfe(hilfeKontext);
    hilfeEltern_ = nullptr;
    if (!geoeffnet) Nachricht(eltern, Meldung::Art::Fehler, QText(kHilfeNichtGeoeffnet));
  }
}

bool QtPlattform::Frage(QWidget* eltern, const QString& text) {
  QMessageBox box(eltern);
  box.setWindowTitle(QGuiApplication::applicationDisplayName());
  box.setIcon(QMessageBox::Question);
  box.setText(text);
  QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
  QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
  box.setDefaultButton(nein);
  box.setEscapeButton(nein);
  box.exec();
  return box.clickedButton() == ja;
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

QtPlattform::~QtPlattform() {
  if (hilfeFenster_ && !hilfeFenster_->parent()) delete hilfeFenster_;
}

bool QtPlattform::Hilfe(int kontext) {
  const QString seite = HilfeSeite(kontext);
  HilfeProtokoll(QStringLiteral("Kontext %1 -> %2").arg(kontext).arg(seite));
  if (hilfedatei_.isEmpty()) {
    HilfeProtokoll(QStringLiteral("keine Hilfe vorhanden"));
    return false;
  }
  const QString datei = QFileInfo(hilfedatei_).dir().filePath(seite.section(u'#', 0, 0));
  if (!QFileInfo(datei).isFile()) {
    HilfeProtokoll(QStringLiteral("Seite fehlt: ") + datei);
    return false;
  }
  QUrl adresse = QUrl::fromLocalFile(datei);
  adresse.setFragment(seite.section(u'#', 1));
  QWidget* eltern = hilfeEltern_ ? hilfeEltern_ : QApplication::activeModalWidget();
  if (hilfeFenster_ && hilfeFenster_->parentWidget() != eltern) hilfeFenster_->deleteLater();
  if (!hilfeFenster_ || hilfeFenster_->parentWidget() != eltern) {
    hilfeFenster_ = new THilfeFenster(eltern);
    // Without a parent nothing else deletes it.
    if (!eltern) hilfeFenster_->setAttribute(Qt::WA_DeleteOnClose);
  }
  hilfeFenster_->Zeige(adresse);
  HilfeProtokoll(QStringLiteral("angezeigt: ") + adresse.toString());
  return true;
}

bool QtPlattform::OeffneAdresse(QWidget* /*eltern*/, const QUrl& adresse) {
  return QDesktopServices::openUrl(adresse);
}

void QtPlattform::Drucken(QWidget* eltern, const std::vector<std::string>& zeilen) {
  QPrinter drucker(QPrinter::HighResolution);
  QPrintDialog dialog(&drucker, eltern);
  if (dialog.exec() != QDialog::Accepted) return;
  Druckkanal kanal(drucker);
  if (kanal.Oeffnen()) DruckeAbrechnung(kanal, zeilen);
  if (!kanal.Schliessen())
    Nachricht(eltern, Meldung::Art::Fehler, QStringLiteral("Fehler beim Drucken: ") + kanal.Fehler());
}

}  // namespace salvaro
