// The main window: every input of one payroll case, the switches of the menu, the rates of the
// period beside the inputs, and the results of the last calculation. It owns the payroll case
// and the statement window. Everything it computes, checks or says comes from the workflow
// (src/abrechnung); the window reads its controls into Eingaben and shows what comes back.
//
// The implementation is split by concern: MainAufbau.cpp builds the controls, MainUnit.cpp holds
// start-up, "Neue Abrechnung" and closing, MainEingaben.cpp the reactions to the inputs,
// MainBerechnung.cpp the calculation, MainAbrechnung.cpp the statement, MainEinstellungen.cpp the
// settings file, MainHilfe.cpp help, MainInfo.cpp the about box, MainAktualitaet.cpp the
// recalculation after every change of an input and the mark of results that no longer fit.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

#include "abrechnung/Berechnung.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;
class QTimer;
class QToolButton;

namespace salvaro {

class Plattform;
class TAboutBox;
class TFrmAbrechnung;
class TFrmAlter;
class TFrmJahr;
class TFrmSteuerklassen;
class TFrmVerlauf;
class TLohnGehalt;
class TOruAdvEdit;
class TOruValueEdit;
class TOruValueLabEdit;
class TPnlBezuege;
class TOruZahlEdit;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // programmPfad: the directory of the program, where the help file is looked for.
  TForm1(Plattform& plattform, const QString& programmPfad, QWidget* parent = nullptr);
  ~TForm1() override;

  bool hilfeFehlt() const { return hilfeFehlt_; }
  // The results shown were not computed from the inputs as they stand (marked so).
  bool ergebnisVeraltet() const { return veraltet_; }
  // The size that shows the whole form without scrolling.
  QSize Wunschgroesse() const;
  const TLohnGehalt& fall() const { return *fall_; }

  // The form that holds the panels at their places, in a scroll area that fills the window.
  QScrollArea* Rollbereich;
  QWidget* Formular;
  // Panels.
  QFrame* PnlZeitraum;
  QFrame* PnlGebJahr;
  QFrame* PnlSteuer;
  QFrame* PnlSozVers;
  QFrame* PnlSonderbrutto;
  QFrame* PnlMain;
  // Period.
  QLabel* LabZeitraum;
  QComboBox* ComboMonat;
  QLabel* LabJahr;
  QComboBox* ComboJahr;
  // Tax.
  QLabel* LabGebJahr;
  TOruAdvEdit* LEdiGebJahr;
  TOruValueLabEdit* LEdiStKl;
  QLabel* LabFaktor;
  TOruValueEdit* LEdiFaktor;
  TOruValueLabEdit* LEdiKiFB;
  TOruValueLabEdit* LEdiStFB;
  QLabel* LabKiLand;
  QComboBox* ComboKiLand;
  // Social insurance.
  QLabel* LabBGR;
  TOruAdvEdit* OruEdiBGR;
  TOruValueLabEdit* LabEdiPKV;
  QCheckBox* ChkPKV;
  TOruValueLabEdit* LEdiPPV;
  QCheckBox* ChkPPV;
  TOruValueLabEdit* LEdiKinderU25;
  // The special gross fields.
  TOruValueLabEdit* LEdiStBrutto;
  TOruValueLabEdit* LEdiSVBrutto;
  QCheckBox* ChkBruttoUebernahme;
  // Main panel: gross, results with their rates, net.
  TOruValueLabEdit* LEdiBrutto;
  QToolButton* BtnBruttoNeu;
  QLabel* LabTextLSt;
  QLabel* LabTextKiSt;
  QLabel* LabTextSolZ;
  QLabel* LabTextKV;
  QLabel* LabTextRV;
  QLabel* LabTextAV;
  QLabel* LabTextPV;
  QLabel* LabLSt;
  QLabel* LabKiSt;
  QLabel* LabSolZ;
  QLabel* LabKV;
  QLabel* LabRV;
  QLabel* LabAV;
  QLabel* LabPV;
  QLineEdit* MEdiKV;
  QLineEdit* MEdiKVZus;
  QLabel* PnlRVSatz;
  QLabel* PnlAVSatz;
  QLabel* PnlPVSatz;
  QLabel* PnlPVKinder;
  QLabel* LabGesAbz;
  // "Eingaben geändert": the results no longer fit the inputs; the status bar says why.
  QLabel* LabVeraltet;
  TOruValueLabEdit* LEdiNetto;
  QToolButton* BtnNettoNeu;
  // One-time payment and severance: the inputs, and their results, shown only with an amount.
  QFrame* PnlEinmalzahlung;
  TOruValueLabEdit* LEdiEinmalzahlung;
  TOruValueLabEdit* LEdiJahresbruttoBisher;
  TOruValueLabEdit* LEdiAbfindung;
  TOruValueLabEdit* LEdiMehrjaehrig;
  QCheckBox* ChkImVorjahr;
  QFrame* PnlEinmalErgebnis;
  QLabel* LabEinmalLSt;
  QLabel* LabEinmalSolZ;
  QLabel* LabEinmalKiSt;
  QLabel* LabEinmalSV;
  QLabel* LabEinmalNetto;
  QLabel* LabNettoGesamt;
  // The employer's side: a column of its own beside the form, shown from the menu.
  QFrame* PnlArbeitgeber;
  TOruValueLabEdit* LEdiU1Satz;
  TOruValueLabEdit* LEdiU2Satz;
  QCheckBox* ChkPauschsteuerAG;
  QLabel* LabTextAGKV;
  QLabel* LabTextAGRV;
  QLabel* LabAGBrutto;
  QLabel* LabAGEinmal;
  QLabel* LabAGBezuege;  // the pay components with their flat taxes
  QLabel* LabAGKV;
  QLabel* LabAGRV;
  QLabel* LabAGAV;
  QLabel* LabAGPV;
  QLabel* LabAGPauschsteuer;
  QLabel* LabAGInsolvenz;
  QLabel* LabAGU1;
  QLabel* LabAGU2;
  QLabel* LabAGGesamt;
  // The list "Bezüge und Abzüge" below the payment row.
  TPnlBezuege* PnlBezuege;
  // Menu.
  QMenu* MenDatei;
  QMenu* MenSteuern;
  QMenu* MenSozVers;
  QMenu* MenRechtskreis;
  QMenu* MenExtras;
  QMenu* MenHilfe;
  QAction* MenDatNeu;
  QAction* MenSpeichern;
  QAction* MenDetail;
  QAction* MenDrucken;
  QAction* MenPdf;
  QAction* MenClose;
  QAction* MenAllgStTab;
  QAction* MenBesStTab;
  QAction* MenPKVStatus;
  QAction* MenSVWest;
  QAction* MenSVOst;
  QAction* MenSVGleitzone;
  QAction* MenSVRVGfE;
  QAction* MenPflegeKinderlos;
  QAction* MenFrwTatsBr;
  QAction* MenPVSachsen;
  QAction* MenArbeitgeberseite;
  QAction* MenSaveMainOpts;
  QAction* MenLoadMainOpts;
  QAction* MenJahr;
  QAction* MenVerlauf;
  QAction* MenSteuerklassen;
  QAction* MenHilfeAufrufen;
  QAction* MenAbout;
  // Toolbar.
  QToolButton* BtnNeu;
  QToolButton* BtnSpeichern;
  QToolButton* BtnDrucken;
  QToolButton* BtnDetailberechnung;
  QToolButton* BtnJahr;
  QToolButton* BtnVerlauf;
  QToolButton* BtnSteuerklassen;
  QToolButton* BtnHilfe;
  QToolButton* BtnSchliessen;
  // Status bar.
  QLabel* StatusCopyright;
  QLabel* StatusHinweis;

  TAboutBox* AboutBox;
  TFrmAbrechnung* FrmAbrechnung;
  // The views beyond the month: the year, the curve of net pay, the tax classes of a couple.
  TFrmJahr* FrmJahr;
  TFrmVerlauf* FrmVerlauf;
  TFrmSteuerklassen* FrmSteuerklassen;
  // Age and pension payments: the month of birth beside the year of birth, their window, the
  // menu item that opens it, and the contribution group proposed after the retirement age.
  QComboBox* ComboGebMonat;
  TFrmAlter* FrmAlter;
  QAction* MenAlter;
  QLabel* StatusVorschlag;
  QToolButton* BtnVorschlag;

  // Reactions, named after their control and event.
  void ActLoadINIExecute();
  void OruEdiBGRChange();
  void OruEdiBGRExit();
  void LEdiGebJahrKeyPress(QChar& zeichen);
  void LEdiStKlChange();
  void LEdiKiFBChange();
  void ChkPPVClick();
  void Steuertabelle(QAction* punkt);
  void Rechtskreis(QAction* punkt);
  void MenuSV(QAction* punkt);
  void LEdiBruttoKeyDown(Feld feld);
  // Calculates again in the direction of the last calculation once the inputs allow it, or marks
  // the results and says why; runs shortly after every change of an input.
  void Nachrechnen();
  void BtnBruttoNeuMouseDown(Feld feld);
  void ActBerechnenExecute();
  void MenArbeitgeberseiteClick();
  void BtnNeuClick();
  void BtnDetailberechnungClick();
  void BtnSpeichernClick();
  void ActDruckenExecute();
  void ActPdfExecute();
  std::optional<QString> ActLoadOptExecute();
  void EinstellungenMelden(const std::optional<QString>& meldung);
  bool ActSaveOptExecute();
  void MenSaveMainOptsClick();
  void MenLoadMainOptsClick();
  void MenHilfeAufrufenClick();
  void MenAboutClick();
  void MenJahrClick();
  void MenVerlaufClick();
  void MenSteuerklassenClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Aufbauen();
  void MenueAufbauen();
  void WerkzeugleisteAufbauen();
  // The panels of the one-time payment and of the employer's side, below and beside the form.
  void ZusatzAufbauen();
  // Shows or hides the employer's column; the window grows or shrinks by its width.
  void ArbeitgeberseiteZeigen(bool an);
  // Age and pension payments (MainAlter.cpp): building, connecting, reading into the inputs,
  // showing a result, the stored settings, "Neue Abrechnung".
  void AlterAufbauen();
  void AlterVerbinden();
  void AlterLesen(Eingaben& e) const;
  void AlterZeigen(const Ergebnis& r);
  void AlterEinstellungen(const Eingaben& e);
  void AlterLeeren();
  void Verbinden();
  void FormCreate();

  // The window's inputs as plain data, and back into the controls after a calculation. Number
  // fields are read once here, by the one rule for number texts; a text they refuse is passed
  // as it stands. nebenbei: a calculation the user did not start leaves the focused field and the
  // driving field as they are typed.
  Eingaben LiesEingaben() const;
  void SchreibeEingaben(const Eingaben& e, bool nebenbei = false);
  // The first number field whose text cannot be taken, with its message (the field's name in
  // front); nothing when all can.
  std::optional<std::pair<TOruZahlEdit*, QString>> Zahlfehler() const;
  // The same, shown as the calculation's refusal: message, focus to the field, results marked.
  bool ZahlfehlerMelden();
  // Every change of an input asks for Nachrechnen; gross and net typed set the direction.
  void NachrechnenVerbinden();
  void NachrechnenPlanen();
  void RichtungSetzen(Feld feld);
  // The results no longer fit the inputs: marked, with the reason in the status bar.
  void ErgebnisseMarkieren(const QString& grund);
  // The results fit the inputs; notes of the calculation go to the status bar.
  void ErgebnisseAktuell(const std::vector<Meldung>& hinweise = {});
  // The form's size from its visible panels, so that panels added below or beside it count.
  void FormularAnpassen();
  // Size and place that fit the screen: the whole window on it, the form scrolling within.
  void InDenBildschirm(QSize wunsch);
  void ZeigeErgebnis(const Ergebnis& r);
  // The inputs of the views: the window's, with the gross the gross field shows.
  Eingaben AnsichtsEingaben() const;
  // The open views follow a new calculation, and (shortly after, without messages) a changed
  // input that the views can calculate with.
  void AnsichtenAktualisieren();
  void AnsichtenVerbinden();
  void ZeigeZusatz(const Ergebnis& r);
  // Back to "0,00", the payment's results hidden: the state before the first calculation.
  void ZusatzLeeren();
  void Zeige(const Meldung& m);

  // The year in the year box when the program can calculate it; the month of the month box
  // (0 for a typed unknown name).
  std::optional<int> Jahr() const;
  int Monat() const;
  // Puts legal area, year, group and month into the payroll case, as the rate displays need
  // them. Nothing while the year box holds no number.
  std::optional<int> PeriodeLaden();
  void KVSatzVorgeben(int jahr, int monat, bool sperren);
  void KVZusVorgeben(int jahr);
  void ZeigePVSatz(const Satzanzeige& a);
  void PVKinderAnzeigen();

  // Help at a context, or the message that there is none.
  void HilfeZeigen(int kontext);
  // F1: help for the focused control, or for the menu item under the cursor of an open menu.
  void HilfeTasteEinrichten();
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  Plattform& plattform_;
  QString programmPfad_;
  std::unique_ptr<TLohnGehalt> fall_;
  bool hilfeFehlt_ = false;
  // Which field drives the next calculation (1) - gross-to-net or net-to-gross.
  int bruttoMarke_ = 0;
  int nettoMarke_ = 0;
  // The additional health rate the field shows as the year's default (empty while it shows a
  // rate of the user's own), and the user's own rate while a year with a fixed rate is shown.
  QString kvZusVorgabe_;
  std::optional<QString> kvZusEigen_;
  QTimer* ansichtenTimer_ = nullptr;
  // The direction of the last calculation, or of the amount typed since; none before the first.
  std::optional<Feld> richtung_;
  QTimer* nachrechnenTimer_ = nullptr;
  bool rechnet_ = false;   // a calculation writes its results: its changes ask for nothing
  bool veraltet_ = false;
  // The window's width before the employer's column opened.
  int breiteOhneSpalte_ = 0;
};

}  // namespace salvaro
