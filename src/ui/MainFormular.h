// The building blocks of the main window's form, shared by the files that build its panels: a
// panel, a caption, a numeric field with its caption, a check box and a value label, each placed
// at a fixed spot of its parent.
#pragma once

#include <QColor>
#include <QString>

#include "abrechnung/Fensterregeln.h"

class QCheckBox;
class QFrame;
class QLabel;
class QWidget;

namespace salvaro {

class TOruValueLabEdit;

namespace formular {

inline constexpr int kZeile = 22;  // height of a field or combo box

QFrame* panel(QWidget* eltern, const char* name, int x, int y, int b, int h);
QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, int x, int y);
// Decimals, bounds (lower before upper), grouping, then the initial text.
TOruValueLabEdit* zahlfeld(QWidget* eltern, const char* name, const QString& caption, int x, int y,
                           int b, Zahlfeldgrenzen grenzen, bool trz, const QString& vorgabe,
                           int hilfe);
QCheckBox* haken(QWidget* eltern, const char* name, const QString& text, int x, int y, int hilfe);
// A right-aligned amount of the results, "0,00" until the first calculation.
QLabel* wertfeld(QWidget* eltern, const char* name, int x, int y, int b);

}  // namespace formular
}  // namespace salvaro
