#include "controls/OruZahlEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "abrechnung/Zahlentext.h"

namespace salvaro {

namespace {

// The published doubles meet Money here and nowhere else: rounded once to 1/10,000.
Money alsBetrag(double wert) {
  return Money::runde(Ext::units(static_cast<long double>(wert) * Money::kScale));
}
double alsDouble(Money betrag) {
  return static_cast<double>(betrag.raw()) / static_cast<double>(Money::kScale);
}

QString alsText(const std::string& s) {
  return QString::fromStdString(s);
}

// A field text read as the field reads it: up to four thousands points removed.
Money liesText(const std::string& text) {
  return LiesBetrag(OhneTausenderPunkt(text, 4));
}

// "1.234.567,89": every point followed by exactly three digits, the first group of one to
// three; no point after the comma. A point anywhere else ("1.5" in English notation) would be
// read as a thousands point and make 15 of it.
bool punkteGruppieren(const QString& text) {
  if (!text.contains(u'.')) return true;
  const QString ganz = text.section(u',', 0, 0);
  if (text.section(u',', 1).contains(u'.')) return false;
  const QStringList gruppen = (ganz.startsWith(u'-') ? ganz.mid(1) : ganz).split(u'.');
  for (qsizetype i = 0; i < gruppen.size(); ++i) {
    const qsizetype n = gruppen[i].size();
    if (i == 0 ? n < 1 || n > 3 : n != 3) return false;
  }
  return true;
}

}  // namespace

TOruZahlEdit::TOruZahlEdit(QWidget* parent) : TOruEditBasis(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  formattedText_ = alsText(FormatDE(Money()));
  setText(formattedText_);
}

void TOruZahlEdit::setValueDouble(double wert) {
  wertSetzen(wert, alsBetrag(wert));
}

void TOruZahlEdit::wertSetzen(double wert, Money betrag) {
  // Always "#,##0.00", whatever the decimals and grouping of the field; the text shown is the
  // plain form until the field is next left.
  const std::string formatiert = FormatDE(betrag);
  const Money gelesen = liesText(formatiert);
  valueDouble_ = wert;
  formattedText_ = alsText(formatiert);
  moneyValue_ = gelesen;
  setText(alsText(SchlichterText(betrag)));
}

void TOruZahlEdit::setMinValue(double grenze) {
  const Money betrag = alsBetrag(grenze);
  if (betrag >= maxBetrag_) {
    minValue_ = maxValue_ - 1;
    minBetrag_ = maxBetrag_ - Money::euro(1);
  } else {
    minValue_ = grenze;
    minBetrag_ = betrag;
  }
  if (alsBetrag(valueDouble_) < minBetrag_) wertSetzen(minValue_, minBetrag_);
}

void TOruZahlEdit::setMaxValue(double grenze) {
  const Money betrag = alsBetrag(grenze);
  if (betrag > minBetrag_) {
    maxValue_ = grenze;
    maxBetrag_ = betrag;
  } else {
    maxValue_ = minValue_ + 1;
    maxBetrag_ = minBetrag_ + Money::euro(1);
  }
  if (alsBetrag(valueDouble_) > maxBetrag_) wertSetzen(maxValue_, maxBetrag_);
}

void TOruZahlEdit::setKommastellen(int n) {
  if (n < 0 || n > 3) {
    kommastellen_ = 2;
    wirfKommastellenFehler("\"" + std::to_string(n) + "\" ist kein gültiger Wert (0 bis 3)");
  }
  kommastellen_ = n;
}

bool TOruZahlEdit::zuVieleNachkommastellen(const QString& text) const {
  const qsizetype komma = text.indexOf(u',');
  return komma >= 0 && text.size() - komma - 1 > kommastellen_;
}

void TOruZahlEdit::merkeText() {
  // A key pressed before the previous one was released must not make a text with too many
  // decimals the one to go back to.
  if (!(keyUpFaellig_ && zuVieleNachkommastellen(text()))) setLastText(text(), cursorPosition());
  keyUpFaellig_ = true;
}

void TOruZahlEdit::zeichenPruefen(QChar& c) {
  if (c == u'\r') {
    c = QChar();
    return;
  }
  if (!dezimalTrz_ && c == u'.') return;
  // Control characters (Ctrl+V, Ctrl+X, Ctrl+Z ...) would change the text past these rules; they
  // are rejected and, unlike typed characters, leave the selection alone.
  if (istSteuerzeichen(c) && c != u'\b') {
    c = QChar();
    return;
  }
  // A typed-over selection goes even when the character is then rejected.
  auswahlEntfernen(true);
  const bool negativ = minBetrag_ < Money();
  const bool erlaubt = (c >= u'0' && c <= u'9') || c == u'\b' || (c == u',' && kommastellen_ > 0) ||
                       (c == u'-' && negativ);
  if (!erlaubt) {
    c = QChar();
    return;
  }
  if (kommastellen_ == 0 && !negativ) {
    merkeText();
    return;
  }
  // One decimal comma; a minus sign only as the first character of an empty field.
  if ((c == u',' && text().contains(u',')) || (c == u'-' && !text().isEmpty())) {
    c = QChar();
    return;
  }
  merkeText();
}

void TOruZahlEdit::einfuegenPruefen(Einfuegung& e) {
  const QString gemeldet = e.eingefuegt;
  const bool ganzzahl = kommastellen_ == 0;
  const auto ablehnen = [&] {
    e.meldung = QString::fromUtf8(KonvertierungsFehler(gemeldet.toStdString(), ganzzahl).what());
  };
  if (dezimalTrz_ ? !punkteGruppieren(e.eingefuegt) : e.eingefuegt.contains(u'.'))
    return ablehnen();
  // Points of the text already there are formatting only; the reading drops them as well.
  for (QString* teil : {&e.links, &e.eingefuegt, &e.rechts}) teil->remove(u'.');
  const QString neu = e.links + e.eingefuegt + e.rechts;
  const bool negativ = minBetrag_ < Money();
  for (qsizetype i = 0; i < neu.size(); ++i) {
    const QChar c = neu[i];
    const bool erlaubt =
        (c >= u'0' && c <= u'9') || (c == u',' && !ganzzahl) || (c == u'-' && negativ && i == 0);
    if (!erlaubt) return ablehnen();
  }
  if (neu.count(u',') > 1) return ablehnen();
  if (zuVieleNachkommastellen(neu)) {
    e.meldung =
        QStringLiteral("'%1' hat mehr als %2 Nachkommastellen.").arg(gemeldet).arg(kommastellen_);
    return;
  }
  try {
    if (ganzzahl)
      LiesGanzzahl(neu.toStdString());
    else
      LiesBetrag(neu.toStdString());
  } catch (const KonvertierungsFehler&) {
    ablehnen();
  }
}

void TOruZahlEdit::keyReleaseEvent(QKeyEvent* event) {
  TOruEditBasis::keyReleaseEvent(event);
  // Undoes a key that gave the text more decimals than allowed. Only a key press that recorded
  // LastText is undone: the release of the Tab that brought the focus here, or of a rejected
  // key, leaves the text alone.
  if (!keyUpFaellig_) return;
  keyUpFaellig_ = false;
  if (zuVieleNachkommastellen(text())) {
    setText(lastText());
    setCursorPosition(lastCursor());
  }
}

void TOruZahlEdit::focusInEvent(QFocusEvent* event) {
  keyUpFaellig_ = false;
  TOruEditBasis::focusInEvent(event);
}

std::optional<QString> TOruZahlEdit::beimVerlassen() {
  if (text().isEmpty() || kommastellen_ == 0) return std::nullopt;
  try {
    Money betrag = liesText(text().toStdString());
    if (betrag > maxBetrag_) betrag = maxBetrag_;
    if (betrag < minBetrag_) betrag = minBetrag_;
    const std::string formatiert = FormatBild(betrag, kommastellen_, dezimalTrz_);
    const Money gelesen = liesText(formatiert);
    valueDouble_ = alsDouble(betrag);
    formattedText_ = alsText(formatiert);
    moneyValue_ = gelesen;
    setText(formattedText_);
  } catch (const KonvertierungsFehler& fehler) {
    return QString::fromUtf8(fehler.what());
  }
  return std::nullopt;
}

}  // namespace salvaro
