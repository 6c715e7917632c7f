#include "controls/OruZahlEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

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

// Words for a number of decimals, for the hints.
QString stellen(int n) {
  static const char* const woerter[] = {"keine", "eine", "zwei", "drei"};
  const QString zahl = n >= 0 && n <= 3 ? QString::fromLatin1(woerter[n]) : QString::number(n);
  return zahl + (n == 1 ? QStringLiteral(" Nachkommastelle") : QStringLiteral(" Nachkommastellen"));
}

// The points of a text, which the one rule for number texts reads as thousands points or, a
// single one, as the decimal point: dropped, or made the decimal comma. ganzerText decides,
// for a part of it.
QString punkteGelesen(const QString& text, const QString& ganzerText) {
  if (PunkteSindTausender(ganzerText.toStdString())) return QString(text).remove(u'.');
  return QString(text).replace(u'.', u',');
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
  const Money gelesen = LiesFeld(formatiert);
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

QString TOruZahlEdit::zeichenHinweis() const {
  const bool negativ = minBetrag_ < Money();
  if (kommastellen_ == 0)
    return negativ ? QStringLiteral("Dieses Feld nimmt nur Ziffern und ein Minuszeichen am Anfang an.")
                   : QStringLiteral("Dieses Feld nimmt nur Ziffern an.");
  return negativ ? QStringLiteral("Dieses Feld nimmt nur Ziffern, ein Komma und ein Minuszeichen "
                                  "am Anfang an.")
                 : QStringLiteral("Dieses Feld nimmt nur Ziffern und ein Komma an.");
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
  auswahlEntfernen(PunkteSindTausender(text().toStdString()));
  const bool negativ = minBetrag_ < Money();
  // A point is read with the whole text, as a thousands point or the decimal point.
  const bool erlaubt = (c >= u'0' && c <= u'9') || c == u'\b' ||
                       ((c == u',' || c == u'.') && kommastellen_ > 0) || (c == u'-' && negativ);
  if (!erlaubt) {
    hinweisen(zeichenHinweis());
    c = QChar();
    return;
  }
  if (kommastellen_ == 0 && !negativ) {
    merkeText();
    return;
  }
  // One decimal comma; a minus sign only as the first character of an empty field.
  if (c == u',' && text().contains(u',')) {
    hinweisen(QStringLiteral("Das Feld hat schon ein Komma."));
    c = QChar();
    return;
  }
  if (c == u'-' && !text().isEmpty()) {
    hinweisen(QStringLiteral("Ein Minuszeichen steht nur am Anfang eines leeren Feldes."));
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
  // The pasted text is read by the program's one rule on its own: its points are thousands
  // points in a proper grouping, otherwise a single one is the decimal point. The text already
  // there is read the same way.
  if (e.eingefuegt.contains(u'.')) {
    if (ganzzahl) return ablehnen();
    try {
      LiesZahlentext(e.eingefuegt.toStdString(), 4);
    } catch (const NachkommaFehler&) {
    } catch (const KonvertierungsFehler&) {
      return ablehnen();
    }
    e.eingefuegt = punkteGelesen(e.eingefuegt, e.eingefuegt);
  }
  const QString rest = e.links + e.rechts;
  e.links = punkteGelesen(e.links, rest);
  e.rechts = punkteGelesen(e.rechts, rest);
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
    hinweisen(QStringLiteral("Höchstens %1.").arg(stellen(kommastellen_)));
  }
}

void TOruZahlEdit::focusInEvent(QFocusEvent* event) {
  keyUpFaellig_ = false;
  TOruEditBasis::focusInEvent(event);
}

std::optional<QString> TOruZahlEdit::beimVerlassen() {
  if (text().isEmpty() || kommastellen_ == 0) return std::nullopt;
  try {
    uebernehmen(*betrag());
  } catch (const KonvertierungsFehler& fehler) {
    return QString::fromUtf8(fehler.what());
  }
  return std::nullopt;
}

void TOruZahlEdit::uebernehmen(Money betrag) {
  const std::string formatiert =
      FormatBild(betrag, kommastellen_, kommastellen_ > 0 && dezimalTrz_);
  valueDouble_ = alsDouble(betrag);
  formattedText_ = alsText(formatiert);
  moneyValue_ = LiesFeld(formatiert);
  setText(formattedText_);
}

std::optional<Money> TOruZahlEdit::betrag() const {
  const std::string t = text().toStdString();
  if (t.empty()) return std::nullopt;
  if (kommastellen_ == 0) return Money::euro(LiesGanzzahl(t));
  return LiesImBereich(t, kommastellen_, minBetrag_, maxBetrag_);
}

std::optional<QString> TOruZahlEdit::eingabefehler() const {
  try {
    betrag();
  } catch (const KonvertierungsFehler& f) {
    const QString name = feldname();
    const QString meldung = QString::fromUtf8(f.what());
    return name.isEmpty() ? meldung : name + QStringLiteral(": ") + meldung;
  }
  return std::nullopt;
}

void TOruZahlEdit::zeigeBetrag(Money betrag) {
  uebernehmen(betrag);
}

void TOruZahlEdit::setzeZahltext(const QString& neu) {
  if (neu.isEmpty() || kommastellen_ == 0) {
    if (text() != neu) setText(neu);
    return;
  }
  try {
    const Money betrag = LiesFeld(neu.toStdString());
    if (text() != alsText(FormatBild(betrag, kommastellen_, dezimalTrz_))) uebernehmen(betrag);
  } catch (const KonvertierungsFehler&) {
    setText(neu);
  }
}

QString TOruZahlEdit::feldname() const {
  if (!accessibleName().isEmpty()) return accessibleName();
  if (parentWidget())
    for (const QLabel* l : parentWidget()->findChildren<QLabel*>())
      if (l->buddy() == this) return OhneKuerzel(l->text());
  return {};
}

}  // namespace salvaro
