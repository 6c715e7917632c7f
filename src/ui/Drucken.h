// Printing the statement: a text channel to a paged device (a printer, or a PDF document), and
// the layout of the printed statement on it.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <string>
#include <vector>

#include "abrechnung/Datei.h"

class QPagedPaintDevice;

namespace salvaro {

// The statement's fixed-pitch font: "Courier New" where it is installed, otherwise the system's
// fixed-pitch font (Qt would silently substitute a proportional one).
QFont DruckSchrift(int punkt);

// A line-oriented text channel: the font for the following lines, one line at a time, and a new
// page by itself when the next line no longer fits.
class Druckkanal {
 public:
  explicit Druckkanal(QPagedPaintDevice& geraet);
  // false when the device cannot be opened (Fehler() says why).
  bool Oeffnen();
  void Schrift(int punkt);
  void Zeile(const QString& text);
  // false when the job could not be completed.
  bool Schliessen();
  bool Fehlerfrei() const { return fehler_.isEmpty(); }
  const QString& Fehler() const { return fehler_; }

 private:
  QPagedPaintDevice& geraet_;
  QPainter maler_;
  QFont schrift_;
  qreal y_ = 0;
  QString fehler_;
};

// The printed statement: four empty lines as the top margin, the first line (the title) in
// 12 pt after 6 blanks, every further line in 9 pt after 7 blanks.
void DruckeAbrechnung(Druckkanal& kanal, const std::vector<std::string>& zeilen);

// The same print as a PDF file (A4). "" on success, otherwise the German error message; the file
// is written through a temporary file, so an existing one stays as it was on failure.
std::string DruckeAlsPdf(const std::string& pfad, const std::vector<std::string>& zeilen,
                         Schreibschutz schutz = Schreibschutz::Verweigern);

}  // namespace salvaro
