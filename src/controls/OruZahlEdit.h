// The numeric field behind TOruValueEdit and TOruValueLabEdit: bounds, a fixed number of decimals,
// a character filter while typing, and formatting and clamping when the field is left. German
// notation throughout: "," is the decimal separator, "." the thousands point.
//
// The form reads and writes these fields through their text; ValueDouble, MinValue and MaxValue
// are doubles for the form definition only. Everything shown is made from the Money amount.
#pragma once

#include <optional>
#include <string>

#include "controls/OruEditBasis.h"
#include "money/Money.h"

namespace salvaro {

class TOruZahlEdit : public TOruEditBasis {
  Q_OBJECT
  // A form definition sets MinValue before MaxValue.
  Q_PROPERTY(double ValueDouble READ valueDouble WRITE setValueDouble)
  Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
  Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)
  Q_PROPERTY(int Kommastellen READ kommastellen WRITE setKommastellen)
  Q_PROPERTY(bool DezimalTrz READ dezimalTrz WRITE setDezimalTrz)

 public:
  // Sets the value, FormattedText ("#,##0.00") and MoneyValue, and shows the value in its plain
  // shortest form (1234,5; 1). Throws RechenFehler for a value Money cannot hold, changing nothing.
  void setValueDouble(double wert);
  double valueDouble() const { return valueDouble_; }

  // A lower bound at or above MaxValue becomes MaxValue - 1; a value below the bound is raised.
  void setMinValue(double grenze);
  double minValue() const { return minValue_; }
  // An upper bound at or below MinValue becomes MinValue + 1; a value above the bound is lowered.
  void setMaxValue(double grenze);
  double maxValue() const { return maxValue_; }

  // Decimals, 0 to 3. Anything else sets 2 and throws the field's exception class. Nothing is
  // reformatted. With 0 decimals the text is neither read nor formatted when the field is left.
  void setKommastellen(int n);
  int kommastellen() const { return kommastellen_; }

  // True: the text left behind groups thousands with "."; False: no grouping. A typed "." goes
  // into the text either way, read as a thousands point or a decimal point by the program's one
  // rule for number texts (see betrag).
  void setDezimalTrz(bool an) { dezimalTrz_ = an; }
  bool dezimalTrz() const { return dezimalTrz_; }

  QString formattedText() const { return formattedText_; }
  Money moneyValue() const { return moneyValue_; }

  // The text read by the program's one rule for number texts ("1.234,56", "1234,56" and
  // "1234.56" are the same amount), within the field's decimals and bounds; nothing for an empty
  // text. Throws KonvertierungsFehler with the message the user reads. A field without decimals
  // reads a whole number and leaves its bounds to the form.
  std::optional<Money> betrag() const;
  // The message of a text betrag() refuses, with the field's name in front; nothing when the
  // text is taken.
  std::optional<QString> eingabefehler() const;
  // Shows an amount as the field shows it once left ("1.234,56"; without grouping "1234,56").
  void zeigeBetrag(Money betrag);
  // A number text the form got from elsewhere (the workflow, the settings file): shown as the
  // field shows it once left when it is a number, as it stands otherwise.
  void setzeZahltext(const QString& text);
  // The field's name for messages: its accessible name, or the text of the label bound to it.
  QString feldname() const;

 protected:
  explicit TOruZahlEdit(QWidget* parent);

  // Throws the exception class of the concrete field with this message.
  [[noreturn]] virtual void wirfKommastellenFehler(const std::string& meldung) const = 0;

  void zeichenPruefen(QChar& zeichen) override;
  // A pasted text takes only what typing could give: digits, a decimal comma, a leading minus
  // where negative values are allowed, no more decimals than the field has. Thousands points
  // are taken where the field groups, in the right places only, and dropped from the text.
  void einfuegenPruefen(Einfuegung& e) override;
  std::optional<QString> beimVerlassen() override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void wertSetzen(double wert, Money betrag);
  // The value as the field shows it after leaving, formatted by its decimals and grouping.
  void uebernehmen(Money betrag);
  bool zuVieleNachkommastellen(const QString& text) const;
  void merkeText();
  // What the field takes, for a refused character.
  QString zeichenHinweis() const;

  double valueDouble_ = 0;
  double minValue_ = 0;
  double maxValue_ = 1000000.0;
  // The bounds as amounts, converted once when set; the text is compared with these.
  Money minBetrag_;
  Money maxBetrag_ = Money::euro(1000000);
  int kommastellen_ = 2;
  bool dezimalTrz_ = true;
  QString formattedText_;
  Money moneyValue_;
  // A key press recorded LastText and its key-up has not been checked yet.
  bool keyUpFaellig_ = false;
};

}  // namespace salvaro
