// The help: HTML pages that come with the program, one section per help context, shown in a small
// help window; and the diagnostic log of the help that "/debug" or "-debug" switches on.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QObject;
class QPushButton;
class QTextBrowser;

namespace salvaro {

// The start page of the help, looked for in the folder "hilfe" beside the program and, for an
// installed program, in share/salvaro/hilfe beside its bin folder. Empty when there is none.
QString HilfeSuchen(const QString& programmPfad);

// The page and section that answer a help context, relative to the start page's folder
// ("eingaben.html#k4001"); an unknown context opens the start page.
QString HilfeSeite(int kontext);

// The help context of a control, a menu item or a button: its own, else its nearest parent's
// that has one; 0 when none has.
int HilfeKontextBei(const QObject* o);

// The help log: each step of the help (the search at start-up, every request with its context,
// page and outcome) goes to the standard error output and to "Salvaro-Hilfe.log" in the
// temporary directory, so that it can be read after a start from the desktop.
bool IstDebugArgument(const char* argument);
void HilfeProtokollEinschalten(bool an);
void HilfeProtokoll(const QString& text);

class THilfeFenster : public QDialog {
  Q_OBJECT

 public:
  explicit THilfeFenster(QWidget* parent = nullptr);
  // Shows the page (with its section) and brings the window to the front.
  void Zeige(const QUrl& seite);

  QTextBrowser* Browser;
  QPushButton* BtnUebersicht;
  QPushButton* BtnZurueck;
  QPushButton* BtnSchliessen;

 private:
  QUrl startseite_;
};

}  // namespace salvaro
