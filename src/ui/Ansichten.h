// The windows of the three views beyond the single month: the year at a glance, the curve of net
// pay and the tax-class choice of a couple. They show what src/ansichten computes; the curve is
// computed on a worker thread, so the window never waits for it.
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <atomic>
#include <memory>
#include <vector>

#include "abrechnung/Eingaben.h"
#include "ansichten/Jahresuebersicht.h"
#include "ansichten/Steuerklassenwahl.h"
#include "ansichten/Verlauf.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

namespace salvaro {

class Plattform;

// Help contexts of the three views.
inline constexpr int kHilfeJahr = 5016;
inline constexpr int kHilfeVerlauf = 5017;
inline constexpr int kHilfeSteuerklassen = 5018;

class TFrmJahr : public QDialog {
  Q_OBJECT

 public:
  TFrmJahr(Plattform& plattform, QWidget* parent = nullptr);
  // Calculates and shows the year of the inputs; vorholen: the window comes to the front and
  // takes the focus (opened from the menu), not when it only follows the main window.
  void Zeige(const Eingaben& e, bool vorholen = true);
  const Jahresuebersicht& Uebersicht() const { return jahr_; }
  std::vector<std::string> Zeilen() const;

  QTableWidget* Tabelle;
  QLabel* LabAenderungen;
  QPushButton* BtnCsv;
  QPushButton* BtnDrucken;
  QPushButton* BtnPdf;
  QPushButton* BtnSchliessen;

  void BtnCsvClick();
  void BtnDruckenClick();
  void BtnPdfClick();

 signals:
  void hilfeAngefordert(int kontext);

 protected:
  // The table's width changed: the columns follow.
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  // The columns take the width the table has; their heads name them in full where that fits,
  // on one line or broken after a word part, and by their short names otherwise.
  void SpaltenAnpassen();
  Plattform& plattform_;
  Jahresuebersicht jahr_;
  std::string titel_;
};

class TFrmVerlauf : public QDialog {
  Q_OBJECT

 public:
  TFrmVerlauf(Plattform& plattform, QWidget* parent = nullptr);
  ~TFrmVerlauf() override;
  // Starts the curve of the inputs in the background (a curve still running is cancelled);
  // vorholen as for the year.
  void Aktualisiere(const Eingaben& e, bool vorholen = true);
  bool Rechnet() const;
  const Verlauf& Kurve() const { return verlauf_; }

  QLineEdit* EdiBis;
  QComboBox* ComboSchritt;
  QChartView* Diagramm;
  QLabel* LabMarken;  // the limits the dashed lines mark
  QLabel* LabWerte;   // the amounts at the gross under the mouse
  QPushButton* BtnPng;
  QPushButton* BtnSvg;
  QPushButton* BtnSchliessen;

  void BtnPngClick();
  void BtnSvgClick();

 signals:
  void Fertig();
  void hilfeAngefordert(int kontext);

 private:
  void Starte();
  void Uebernimm();
  void ZeigeWerte(Money brutto);
  Plattform& plattform_;
  Eingaben eingaben_;
  Verlauf verlauf_;
  QFutureWatcher<Verlauf>* waechter_;
  std::shared_ptr<std::atomic<bool>> abbruch_;
  bool nochmal_ = false;
  QChart* chart_;
  QLineSeries *netto_, *abzuege_, *grenz_;
  QScatterSeries* aktuell_;
  QValueAxis *achseX_, *achseY_, *achseGrenz_;
  std::vector<QLineSeries*> marken_;
};

class TFrmSteuerklassen : public QDialog {
  Q_OBJECT

 public:
  TFrmSteuerklassen(Plattform& plattform, QWidget* parent = nullptr);
  // The first spouse's inputs are the window's; the second starts with the same but no gross.
  void Vorbelegen(const Eingaben& e);
  void BtnBerechnenClick();
  const Steuerklassenvergleich& Vergleich() const { return vergleich_; }

  struct Ehegatte {
    QLineEdit* Brutto;
    QComboBox* KiLand;
    QLineEdit* BGR;
    QLineEdit* KiFB;
    QLineEdit* GebJahr;
    QLineEdit* KVZus;
  };
  Ehegatte Ehegatten[2];
  QPushButton* BtnBerechnen;
  QPushButton* BtnSchliessen;
  QTableWidget* Tabelle;
  QLabel* LabFaktor;
  QLabel* LabHinweis;

 signals:
  void hilfeAngefordert(int kontext);

 private:
  Plattform& plattform_;
  Eingaben basis_;
  Steuerklassenvergleich vergleich_;
};

}  // namespace salvaro
