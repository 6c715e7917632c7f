// Everything the windows ask of the desktop: message boxes, the save dialog, showing a window
// modally, today's date, help and printing. The program uses QtPlattform; the tests use a
// recording fake, so that no test waits on a dialog or depends on the calendar.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "abrechnung/Berechnung.h"

class QDialog;
class QUrl;
class QWidget;

namespace salvaro {

struct SpeicherDialog {
  QString titel;
  QString filter;     // Qt filter list: "Textdateien (*.txt);;Alle Dateien (*)"
  QString endung;     // appended to a file name chosen without one
  QString vorschlag;  // the file name offered
};

class Plattform {
 public:
  virtual ~Plattform() = default;

  // A modal message box of the given kind with an OK button. A help context other than 0 adds a
  // Help button that opens help there.
  virtual void Nachricht(QWidget* eltern, Meldung::Art art, const QString& text,
                         int hilfeKontext = 0) = 0;
  // A question with the buttons Ja and Nein (Nein the default): true for Ja.
  virtual bool Frage(QWidget* eltern, const QString& text) = 0;
  // The save dialog (it asks before replacing a file): the chosen path, or nothing.
  virtual std::optional<QString> Speicherpfad(QWidget* eltern, const SpeicherDialog& dialog) = 0;
  // Shows the window modally; returns when it is closed.
  virtual void ZeigeModal(QDialog& fenster) = 0;
  virtual Datum Heute() = 0;
  // The help file that Hilfe opens.
  virtual void HilfeEinrichten(const QString& datei) = 0;
  // Opens help at a context; false when the help file cannot be opened.
  virtual bool Hilfe(int kontext) = 0;
  // Opens a web address in the desktop's browser; false when that fails.
  virtual bool OeffneAdresse(QWidget* eltern, const QUrl& adresse) = 0;
  // Prints the lines of the statement.
  virtual void Drucken(QWidget* eltern, const std::vector<std::string>& zeilen) = 0;
};

}  // namespace salvaro
