// The about box: the program's name, version and copyright, the maker's web address (a click
// opens it in the browser), the update check and help. It is created once by the main window and
// shown modally from the menu.
#pragma once

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

namespace salvaro {

class Plattform;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(Plattform& plattform, QWidget* parent = nullptr);

  // True while the update check waits for the server.
  bool pruefungLaeuft() const { return pruefungLaeuft_; }

  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  QPushButton* OKButton;
  QPushButton* BtnUpdate;
  QPushButton* BtnHilfe;
  // Shown while the update check runs: what it does, a busy bar and the button that cancels it.
  QWidget* PnlPruefung;
  QLabel* LabPruefung;
  QProgressBar* BarPruefung;
  QPushButton* BtnAbbrechen;

  void BtnUpdateClick();
  void CopyrightClick();

 public slots:
  // Not while the update check runs: the box stays until its answer is shown or the check is
  // cancelled with its own button.
  void reject() override;

 signals:
  // The main window knows whether there is help.
  void hilfeAngefordert(int kontext);

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  Plattform& plattform_;
  bool pruefungLaeuft_ = false;
  // Cancels the running check; empty while none runs.
  std::function<void()> abbrechen_;
};

}  // namespace salvaro
