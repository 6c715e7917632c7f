// How the windows show numbers: every amount "#.##0,00" with the thousands point, the unit €
// where an amount stands alone, rates with a blank before "%". The workflow's texts ("18,60%",
// "+ 1,60%") are the statement's and the settings file's; the windows convert them here, at the
// edge, in both directions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "money/Money.h"

class QLabel;
class QWidget;

namespace salvaro {

// "1.234,56 €".
QString BetragMitEinheit(Money betrag);
// An amount text of the workflow ("-344,00") with its unit: "-344,00 €".
QString MitEinheit(std::string_view betragstext);
// A rate of the workflow as the window shows it: "18,60%" gives "18,60 %", "+ 1,60%" "+ 1,60 %".
QString SatzAnzeige(std::string_view satz);
// Back to the workflow's form: "14,60 %" gives "14,60%".
std::string SatzWert(const QString& anzeige);

// A value label of the results: created with its caption, so that a screen reader names it
// ("Lohnsteuer: -344,00 €"), and marked as a result, so that the window can mark every result
// as no longer fitting its inputs.
void AlsErgebnis(QLabel* wert, const QString& beschriftung);
// Shows a result's text and names it with its caption.
void ZeigeWert(QLabel* wert, const QString& text);
bool IstErgebnis(const QLabel* l);
// Names every result below wurzel that has no caption yet by the caption in its row: the
// nearest label to its left that is no result.
void ErgebnisseBenennen(QWidget* wurzel);
// Names every field below wurzel without a name by the caption bound to it ("&Brutto:" names
// the field "Brutto"), for a screen reader and for the messages about the field.
void FelderBenennen(QWidget* wurzel);

}  // namespace salvaro
