// What the program's three edit fields have in common: the focus colour, the swallowed Enter key,
// the form's own key handler that sees each typed character first, the removal of a typed-over
// selection, pasting under the same checks as typing, and the notification when the field is
// left.
#pragma once

#include <QClipboard>
#include <QColor>
#include <QLineEdit>
#include <QRgb>
#include <QString>
#include <functional>
#include <optional>

namespace salvaro {

// Background of a focused input field on the main window: a light grey-blue.
inline constexpr QRgb clInactiveCaption = qRgb(0xBF, 0xCD, 0xDB);
// The normal background of an input field, taken from the application's palette.
QColor clWindow();

// A caption as a name: without its mnemonic mark "&", its closing colon and its line breaks
// ("&Brutto:" is "Brutto").
QString OhneKuerzel(const QString& beschriftung);

class TOruEditBasis : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(QColor ActiveColor READ activeColor WRITE setActiveColor)
  Q_PROPERTY(bool AutoSelect READ autoSelect WRITE setAutoSelect)
  Q_PROPERTY(int HelpContext READ helpContext WRITE setHelpContext)

 public:
  // The form's key handler for this field. It sees every typed character before the field does
  // and may replace it, or discard it by setting it to the null character.
  using KeyPressHandler = std::function<void(QChar&)>;
  // Shows the message of a field text that cannot be read when the field is left.
  using FehlerMelder = std::function<void(const QString&)>;

  // Background while the field has the focus.
  QColor activeColor() const { return activeColor_; }
  void setActiveColor(const QColor& farbe) { activeColor_ = farbe; }
  // Select the whole text when the field is entered by keyboard or program (not by a click).
  bool autoSelect() const { return autoSelect_; }
  void setAutoSelect(bool an) { autoSelect_ = an; }
  int helpContext() const { return helpContext_; }
  void setHelpContext(int kontext) { helpContext_ = kontext; }
  // hinweis: what the field takes, shown when the handler discards a typed character.
  void setOnKeyPress(KeyPressHandler handler, QString hinweis = {}) {
    onKeyPress_ = std::move(handler);
    abgelehntHinweis_ = std::move(hinweis);
  }

  // The background the field had when it was entered; restored when it is left.
  QColor savedColor() const { return savedColor_; }
  // The text before the latest accepted key press.
  QString lastText() const { return lastText_; }

  // One reporter for all fields; an empty function restores the default, a message box shown
  // once the focus change is complete.
  static void setFehlerMelder(FehlerMelder melder);

 signals:
  // Enter was pressed in the field. The field itself swallows the key.
  void enterGedrueckt();
  // The field was left and its text taken (not sent when the text could not be read).
  void verlassen();
  // A typed character was refused; the hint says what the field takes. It is shown beside the
  // field as well.
  void zeichenAbgelehnt(const QString& hinweis);

 protected:
  explicit TOruEditBasis(QWidget* parent);

  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  // A paste: the field's text left and right of the selection (or of the caret) and the text
  // pasted between them, already passed through the form's key handler.
  struct Einfuegung {
    QString links;
    QString eingefuegt;
    QString rechts;
    // Set by the check when the field refuses the text; the field then stays as it was.
    QString meldung;
  };
  // The field's own rules for a pasted text. It may rewrite the three parts (the number fields
  // drop thousands points); their concatenation becomes the text.
  virtual void einfuegenPruefen(Einfuegung& /*e*/) {}

  // The field's own rules for a typed character, after the form's handler: may discard it by
  // setting it to the null character. Enter arrives here as '\r', Backspace as '\b'.
  virtual void zeichenPruefen(QChar& zeichen) = 0;
  // Runs when the field is left, after the background is restored. Returns the message to report
  // when the text cannot be taken; the field then keeps its previous state.
  virtual std::optional<QString> beimVerlassen() { return std::nullopt; }

  // Removes a selection before a typed character takes effect: the whole text selected empties
  // the field; otherwise the parts left and right of the selection are joined (each without its
  // thousands points when ohnePunkte is set) and the caret goes to the end of the left part.
  void auswahlEntfernen(bool ohnePunkte);
  void setLastText(const QString& text, int cursor) {
    lastText_ = text;
    lastCursor_ = cursor;
  }
  int lastCursor() const { return lastCursor_; }
  // Shows the hint beside the field for a moment and tells the form.
  void hinweisen(const QString& hinweis);

  // A character below the blank, or DEL: produced by Ctrl+letter and Ctrl+Backspace.
  static bool istSteuerzeichen(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

 private:
  // Pastes the clipboard's text (or the mouse selection's) when the checks let it through,
  // otherwise reports why not.
  void einfuegen(QClipboard::Mode quelle);
  void setzeHintergrund(const QColor& farbe);
  std::optional<QString> feldVerlassen();
  void melden(const std::optional<QString>& fehler);

  QColor activeColor_;
  QColor savedColor_;
  // Entered and not yet left: shows ActiveColor.
  bool betreten_ = false;
  bool autoSelect_ = true;
  int helpContext_ = 0;
  KeyPressHandler onKeyPress_;
  QString abgelehntHinweis_;
  QString lastText_;
  int lastCursor_ = 0;
};

}  // namespace salvaro
