// The statement window: the detailed statement of the last calculation as editable text in a
// fixed-pitch font, with buttons to print, save, get help and close. It is created once and
// hidden when closed; its text is the statement that is saved and printed.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QFrame;

namespace salvaro {

class Plattform;

class TFrmAbrechnung : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmAbrechnung(Plattform& plattform, QWidget* parent = nullptr);

  // The statement as the window holds it, the user's edits included.
  std::vector<std::string> Zeilen() const;
  void SetzeZeilen(const std::vector<std::string>& zeilen);

  // Saves the statement through the save dialog, offering Dateiname(). A statement not yet
  // built is refused with a message.
  void Speichern(QWidget* eltern);
  // The file name the save dialogs offer, without extension: "Abrechnung November 2026", the
  // month the statement names.
  QString Dateiname() const;

  QPlainTextEdit* MemoAbrechnung;
  QFrame* PnlUnten;
  QPushButton* BtnADrucken;
  QPushButton* BtnAbrSpeichern;
  QPushButton* BtnHelp;
  QPushButton* BtnASchliessen;

 signals:
  // The main window prints and knows whether there is help.
  void druckenAngefordert();
  void hilfeAngefordert(int kontext);

 private:
  void BtnAbrSpeichernClick();

  Plattform& plattform_;
};

}  // namespace salvaro
