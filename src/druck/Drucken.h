// Printing the statement: a text channel to a paged device (a printer, or a PDF document), and
// the layout of the printed statement on it.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "abrechnung/Datei.h"

class QPagedPaintDevice;

namespace salvaro {

// The least margin on every side of the page, inside what the printer can print: 10 mm, as
// whole points (the page layout rounds its margins to points).
inline constexpr qreal kRandPunkt = 29;

// A line-oriented text channel: the font for the following lines, one line at a time, and a new
// page by itself when the next line no longer fits. Opening lays the page out inside the
// printable area with at least kRandPunkt on every side.
class Druckkanal {
 public:
  explicit Druckkanal(QPagedPaintDevice& geraet);
  // false when the device cannot be opened (Fehler() says why).
  bool Oeffnen();
  void Schrift(qreal punkt);
  void Zeile(const QString& text);
  // false when the job could not be completed.
  bool Schliessen();
  bool Fehlerfrei() const { return fehler_.isEmpty(); }
  const QString& Fehler() const { return fehler_; }
  // Widths on the device, once opened: the width lines may take, and a text's in a font size.
  qreal Zeilenbreite() const;
  qreal Breite(const QString& text, qreal punkt) const;

 private:
  QPagedPaintDevice& geraet_;
  QPainter maler_;
  QFont schrift_;
  qreal y_ = 0;
  QString fehler_;
};

// The printed statement: four empty lines as the top margin, the first line (the title) after
// 6 blanks, every further line after 7 blanks, in 12 and 9 pt; smaller in the same proportion
// where the statement's columns would not fit between the margins.
void DruckeAbrechnung(Druckkanal& kanal, const std::vector<std::string>& zeilen);

enum class Papier { A4, Letter };
// The paper of the user's locale (LC_PAPER): Letter where it says so, otherwise A4.
Papier PapierDerUmgebung();
// "A4" or "Letter", in any case; nothing for another text.
std::optional<Papier> PapierAusText(std::string_view text);

// The same print as a PDF file. "" on success, otherwise the German error message; the file is
// written through a temporary file, so an existing one stays as it was on failure.
// A read-only file at the path is refused unless schutz says to replace it.
std::string DruckeAlsPdf(const std::string& pfad, const std::vector<std::string>& zeilen,
                         Papier papier = PapierDerUmgebung(),
                         Schreibschutz schutz = Schreibschutz::Verweigern);

}  // namespace salvaro
