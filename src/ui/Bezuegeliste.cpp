#include "ui/Bezuegeliste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

#include "abrechnung/Berechnung.h"
#include "abrechnung/Fensterregeln.h"
#include "abrechnung/Zahlentext.h"
#include "controls/OruValueLabEdit.h"
#include "ui/Hilfekontexte.h"
#include "ui/MainFormular.h"
#include "ui/Zahlanzeige.h"
#include "ui/Text.h"

namespace salvaro {

namespace {

using namespace formular;
using enum Bezugsart;

constexpr Zahlfeldgrenzen kBetrag{2, 0, 1000000};
constexpr Zahlfeldgrenzen kListenpreis{2, 0, 10000000};
constexpr Zahlfeldgrenzen kStunden{2, 0, 744};
constexpr Zahlfeldgrenzen kKm{0, 0, 1000};
constexpr Zahlfeldgrenzen kAnzahl{0, 0, 31};
constexpr Zahlfeldgrenzen kTage{0, 1, 31};
constexpr Zahlfeldgrenzen kBelegung{0, 1, 99};
constexpr Zahlfeldgrenzen kJahr{0, 0, 2100};

// The places in the pop-up: two columns of three rows.
constexpr int kSpalteX[] = {120, 292}, kSpalteBreite[] = {80, 76};
constexpr int kZeileY[] = {6, 32, 58};
constexpr int kAngabenBreite = 376, kAngabenHoehe = 86;

using Ziel = std::variant<Money Bezug::*, std::optional<Money> Bezug::*, int Bezug::*,
                          bool Bezug::*>;

// The detail inputs of the kinds, and the caption of the amount by kind.
struct Feldart {
  Bezugsart art;
  Ziel ziel;
  const char* name;
  const char* caption;  // a check box's text
  Zahlfeldgrenzen grenzen;
  int spalte, zeile;
};
// clang-format off
const Feldart kFelder[] = {
  {Dienstwagen, &Bezug::km, "LEdiDienstwagenKm", "Entfernung &km:", kKm, 0, 0},
  {Dienstwagen, &Bezug::fahrten, "LEdiDienstwagenFahrten", "&Fahrten:", kAnzahl, 1, 0},
  {Dienstwagen, &Bezug::zuzahlung, "LEdiDienstwagenZuzahlung", "&Nutzungsentgelt:", kBetrag, 0, 2},
  {Dienstwagen, &Bezug::batterieKWh, "LEdiDienstwagenBatterie", "&Batterie kWh:", kStunden, 1, 2},
  {Verpflegung, &Bezug::fruehstuecke, "LEdiFruehstuecke", "F&rühstücke:", kAnzahl, 0, 0},
  {Verpflegung, &Bezug::mittagessen, "LEdiMittagessen", "&Mittagessen:", kAnzahl, 1, 0},
  {Verpflegung, &Bezug::abendessen, "LEdiAbendessen", "&Abendessen:", kAnzahl, 0, 1},
  {Verpflegung, &Bezug::zuzahlung, "LEdiVerpflegungZuzahlung", "&Zuzahlung:", kBetrag, 1, 1},
  {Unterkunft, &Bezug::belegung, "LEdiBelegung", "&Belegt mit:", kBelegung, 0, 0},
  {Unterkunft, &Bezug::zuzahlung, "LEdiUnterkunftZuzahlung", "&Zuzahlung:", kBetrag, 1, 0},
  {Unterkunft, &Bezug::haushalt, "ChkHaushalt", "im Haushalt des &Arbeitgebers", {}, 0, 1},
  {Unterkunft, &Bezug::jugendlich, "ChkJugendlich", "&unter 18 oder Auszubildende(r)", {}, 0, 2},
  {Fahrtkostenzuschuss, &Bezug::km, "LEdiFahrtKm", "Entfernung &km:", kKm, 0, 0},
  {Fahrtkostenzuschuss, &Bezug::arbeitstage, "LEdiFahrtTage", "Arbeits&tage:", kTage, 1, 0},
  {Entgeltumwandlung, &Bezug::abschlussjahr, "LEdiAbschlussjahr", "Vereinbart im &Jahr:", kJahr, 0, 0},
  {Entgeltumwandlung, &Bezug::arbeitgeberzuschuss, "LEdiAGZuschuss", "AG-&Zuschuss:", kBetrag, 1, 0},
  {Vermoegensbildung, &Bezug::sparbetrag, "LEdiSparbetrag", "S&parbetrag:", kBetrag, 0, 0},
  {Zuschlaege, &Bezug::stundenNacht, "LEdiStundenNacht", "&Nachtstunden:", kStunden, 0, 0},
  {Zuschlaege, &Bezug::stundenNacht0bis4, "LEdiStundenNacht04", "&0 bis 4 Uhr:", kStunden, 1, 0},
  {Zuschlaege, &Bezug::stundenSonntag, "LEdiStundenSonntag", "Sonn&tagsstunden:", kStunden, 0, 1},
  {Zuschlaege, &Bezug::stundenFeiertag, "LEdiStundenFeiertag", "&Feiertag:", kStunden, 1, 1},
  {Zuschlaege, &Bezug::stundenFeiertag150, "LEdiStundenFeiertag150", "Feiertag 1&50 %:", kStunden, 0, 2},
};
// clang-format on

QString betragsCaption(Bezugsart art) {
  switch (art) {
    case Dienstwagen: return QStringLiteral("Listenp&reis:");
    case Zuschlaege: return QStringLiteral("Stundenl&ohn:");
    case Vermoegensbildung: return QStringLiteral("AG-An&teil:");
    case Entgeltumwandlung: return QStringLiteral("Um&wandlung:");
    default: return QStringLiteral("Bet&rag:");
  }
}

bool mitBetrag(Bezugsart art) { return art != Verpflegung && art != Unterkunft; }

// A field's text as an amount; empty is none, a text the field would not hold leaves it as it was.
std::optional<Money> betrag(const QString& text) {
  if (text.trimmed().isEmpty()) return std::nullopt;
  try {
    return LiesFeld(StdText(text));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

struct TPnlBezuege::Feld {
  const Feldart* art;
  TOruValueLabEdit* zahl = nullptr;
  QCheckBox* haken = nullptr;
};

TPnlBezuege::TPnlBezuege(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("PnlBezuege"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Raised);
  resize(kBreite, kHoehe);
  SetzeHilfeKontext(this, kHilfeBezuege);
  QLabel* titel = beschriftung(this, "LabTitelBezuege", QStringLiteral("Be&züge und Abzüge:"), 8, 4);
  QFont fett = titel->font();
  fett.setBold(true);
  titel->setFont(fett);
  titel->adjustSize();

  // First row: the list and its buttons.
  ComboBezuege = new QComboBox(this);
  ComboBezuege->setObjectName(QStringLiteral("ComboBezuege"));
  ComboBezuege->setGeometry(140, 4, 260, kZeile);
  ComboBezuege->setPlaceholderText(QStringLiteral("keine"));
  titel->setBuddy(ComboBezuege);
  BtnBezugNeu = new QPushButton(QStringLiteral("Hinzufügen"), this);
  BtnBezugNeu->setObjectName(QStringLiteral("BtnBezugNeu"));
  BtnBezugNeu->setGeometry(406, 4, 104, kZeile);
  BtnBezugLoeschen = new QPushButton(QStringLiteral("Entfernen"), this);
  BtnBezugLoeschen->setObjectName(QStringLiteral("BtnBezugLoeschen"));
  BtnBezugLoeschen->setGeometry(514, 4, 104, kZeile);

  // Second row: the selected component's kind and amount, its further inputs, the payout.
  QLabel* art = beschriftung(this, "LabBezugsart", QStringLiteral("Ar&t:"), 8, 30);
  ComboBezugsart = new QComboBox(this);
  art->setBuddy(ComboBezugsart);
  ComboBezugsart->setObjectName(QStringLiteral("ComboBezugsart"));
  ComboBezugsart->setGeometry(34, 30, 144, kZeile);
  for (Bezugsart art : AlleBezugsarten()) ComboBezugsart->addItem(QText(Bezugsname(art)));
  LEdiBezugBetrag = zahlfeld(this, "LEdiBezugBetrag", QStringLiteral("Bet&rag:"), 258, 30, 80,
                             kListenpreis, true, QStringLiteral("0,00"), kHilfeBezuege);
  BtnBezugAngaben = new QPushButton(QStringLiteral("Angaben..."), this);
  BtnBezugAngaben->setObjectName(QStringLiteral("BtnBezugAngaben"));
  BtnBezugAngaben->setGeometry(342, 30, 76, kZeile);
  QLabel* auszahlung =
      beschriftung(this, "LabTextAuszahlung", QStringLiteral("Auszahlungsbetrag:"), 424, 30);
  auszahlung->setFont(fett);
  auszahlung->adjustSize();
  LabAuszahlung = wertfeld(this, "LabAuszahlung", 534, 30, 84);
  LabAuszahlung->setFont(fett);

  // The pop-up of the further inputs.
  PnlBezugAngaben = new QFrame(this, Qt::Popup);
  PnlBezugAngaben->setObjectName(QStringLiteral("PnlBezugAngaben"));
  PnlBezugAngaben->setFrameShape(QFrame::StyledPanel);
  PnlBezugAngaben->resize(kAngabenBreite, kAngabenHoehe);
  SetzeHilfeKontext(PnlBezugAngaben, kHilfeBezuege);
  for (const Feldart& a : kFelder) {
    auto f = std::make_unique<Feld>();
    f->art = &a;
    const int x = kSpalteX[a.spalte], y = kZeileY[a.zeile];
    if (std::holds_alternative<bool Bezug::*>(a.ziel))
      f->haken = haken(PnlBezugAngaben, a.name, QString::fromUtf8(a.caption), 8, y, kHilfeBezuege);
    else
      f->zahl = zahlfeld(PnlBezugAngaben, a.name, QString::fromUtf8(a.caption), x, y,
                         kSpalteBreite[a.spalte], a.grenzen, a.grenzen.kommastellen > 0,
                         QString(), kHilfeBezuege);
    felder_.push_back(std::move(f));
  }
  // The company car's drive and month of acquisition.
  QLabel* labAntrieb =
      beschriftung(PnlBezugAngaben, "LabAntrieb", QStringLiteral("&Antrieb:"), 8, kZeileY[1]);
  antrieb_ = new QComboBox(PnlBezugAngaben);
  antrieb_->setObjectName(QStringLiteral("ComboAntrieb"));
  antrieb_->setGeometry(kSpalteX[0], kZeileY[1], kSpalteBreite[0], kZeile);
  antrieb_->addItems({QStringLiteral("Verbrenner"), QStringLiteral("Hybrid"),
                      QStringLiteral("Elektro")});
  labAntrieb->setBuddy(antrieb_);
  QLabel* labAnschaffung = beschriftung(PnlBezugAngaben, "LabAnschaffung",
                                        QStringLiteral("Ans&chaffung:"), kSpalteX[1] - 80, kZeileY[1]);
  anschaffung_ = new QLineEdit(PnlBezugAngaben);
  anschaffung_->setObjectName(QStringLiteral("EdiAnschaffung"));
  anschaffung_->setGeometry(kSpalteX[1], kZeileY[1], kSpalteBreite[1], kZeile);
  anschaffung_->setPlaceholderText(QStringLiteral("MM.JJJJ"));
  labAnschaffung->setBuddy(anschaffung_);
  anschaffung_->setToolTip(QStringLiteral("Monat der Anschaffung, leer: der Abrechnungsmonat"));

  connect(BtnBezugNeu, &QPushButton::clicked, this, &TPnlBezuege::Hinzufuegen);
  connect(BtnBezugLoeschen, &QPushButton::clicked, this, &TPnlBezuege::Loeschen);
  connect(BtnBezugAngaben, &QPushButton::clicked, this, [this] {
    PnlBezugAngaben->move(mapToGlobal(BtnBezugAngaben->geometry().bottomLeft()));
    PnlBezugAngaben->show();
  });
  connect(ComboBezuege, &QComboBox::currentIndexChanged, this, &TPnlBezuege::Auswahl);
  connect(ComboBezugsart, &QComboBox::currentIndexChanged, this, &TPnlBezuege::Uebernehmen);
  connect(antrieb_, &QComboBox::currentIndexChanged, this, &TPnlBezuege::Uebernehmen);
  connect(anschaffung_, &QLineEdit::textChanged, this, &TPnlBezuege::Uebernehmen);
  // Enter calculates again; in the pop-up it closes it first.
  const auto enter = [this] {
    PnlBezugAngaben->hide();
    emit berechnen();
  };
  connect(anschaffung_, &QLineEdit::returnPressed, this, enter);
  connect(LEdiBezugBetrag, &QLineEdit::textChanged, this, &TPnlBezuege::Uebernehmen);
  connect(LEdiBezugBetrag, &TOruEditBasis::enterGedrueckt, this, enter);
  for (const auto& f : felder_) {
    if (f->haken) {
      connect(f->haken, &QCheckBox::toggled, this, &TPnlBezuege::Uebernehmen);
    } else {
      connect(f->zahl, &QLineEdit::textChanged, this, &TPnlBezuege::Uebernehmen);
      connect(f->zahl, &TOruEditBasis::enterGedrueckt, this, enter);
    }
  }
  Anzeigen();
}

TPnlBezuege::~TPnlBezuege() = default;

Bezug* TPnlBezuege::Gewaehlt() {
  const int zeile = ComboBezuege->currentIndex();
  return zeile >= 0 && zeile < static_cast<int>(bezuege_.size()) ? &bezuege_[zeile] : nullptr;
}

void TPnlBezuege::Hinzufuegen() {
  Bezug b;
  b.art = static_cast<Bezugsart>(std::max(ComboBezugsart->currentIndex(), 0));
  bezuege_.push_back(b);
  ComboBezuege->addItem(QString());
  ZeileBeschriften(static_cast<int>(bezuege_.size()) - 1);
  ComboBezuege->setCurrentIndex(static_cast<int>(bezuege_.size()) - 1);
  LEdiBezugBetrag->setFocus();
  LEdiBezugBetrag->selectAll();
}

void TPnlBezuege::Loeschen() {
  const int zeile = ComboBezuege->currentIndex();
  if (Gewaehlt() == nullptr) return;
  bezuege_.erase(bezuege_.begin() + zeile);
  ComboBezuege->removeItem(zeile);  // selects a neighbour, which shows itself
  for (int i = 0; i < static_cast<int>(bezuege_.size()); ++i) ZeileBeschriften(i);
  Anzeigen();
}

void TPnlBezuege::Auswahl() { Anzeigen(); }

void TPnlBezuege::Anzeigen() {
  laden_ = true;
  const Bezug* b = Gewaehlt();
  const Bezug leer;
  const Bezug& z = b != nullptr ? *b : leer;
  const bool aktiv = b != nullptr;
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBezugsart, LEdiBezugBetrag,
                                                    BtnBezugLoeschen})
    w->setEnabled(aktiv);
  bool angaben = false;
  ComboBezugsart->setCurrentIndex(static_cast<int>(z.art));
  LEdiBezugBetrag->setCaption(betragsCaption(z.art));
  LEdiBezugBetrag->setVisible(mitBetrag(z.art));
  LEdiBezugBetrag->setText(QText(FormatDE(z.betrag)));
  for (const auto& f : felder_) {
    const bool sichtbar = aktiv && f->art->art == z.art;
    angaben = angaben || sichtbar;
    if (f->haken) {
      f->haken->setVisible(sichtbar);
      f->haken->setChecked(z.*std::get<bool Bezug::*>(f->art->ziel));
      continue;
    }
    f->zahl->setVisible(sichtbar);
    QString text;
    if (const auto* m = std::get_if<Money Bezug::*>(&f->art->ziel))
      text = QText(FormatDE(z.**m));
    else if (const auto* o = std::get_if<std::optional<Money> Bezug::*>(&f->art->ziel))
      text = (z.**o) ? QText(FormatDE(*(z.**o))) : QString();
    else if (const auto* i = std::get_if<int Bezug::*>(&f->art->ziel))
      text = z.**i != 0 ? QString::number(z.**i) : QString();
    f->zahl->setText(text);
  }
  const bool wagen = aktiv && z.art == Dienstwagen;
  for (QWidget* w : {static_cast<QWidget*>(antrieb_), static_cast<QWidget*>(anschaffung_),
                     static_cast<QWidget*>(findChild<QLabel*>(QStringLiteral("LabAntrieb"))),
                     static_cast<QWidget*>(findChild<QLabel*>(QStringLiteral("LabAnschaffung")))})
    w->setVisible(wagen);
  BtnBezugAngaben->setEnabled(angaben);
  antrieb_->setCurrentIndex(static_cast<int>(z.antrieb));
  anschaffung_->setText(z.anschaffung.jahr != 0 ? QStringLiteral("%1.%2")
                                                      .arg(z.anschaffung.monat, 2, 10, QLatin1Char('0'))
                                                      .arg(z.anschaffung.jahr)
                                                : QString());
  laden_ = false;
}

void TPnlBezuege::Uebernehmen() {
  Bezug* b = Gewaehlt();
  if (laden_ || b == nullptr) return;
  const auto art = static_cast<Bezugsart>(std::max(ComboBezugsart->currentIndex(), 0));
  if (art != b->art) {
    b->art = art;
    ZeileBeschriften(ComboBezuege->currentIndex());
    Anzeigen();
    return;
  }
  b->betrag = betrag(LEdiBezugBetrag->text()).value_or(Money());
  for (const auto& f : felder_) {
    if (f->art->art != b->art) continue;
    if (f->haken) {
      b->*std::get<bool Bezug::*>(f->art->ziel) = f->haken->isChecked();
    } else if (const auto* m = std::get_if<Money Bezug::*>(&f->art->ziel)) {
      b->**m = betrag(f->zahl->text()).value_or(Money());
    } else if (const auto* o = std::get_if<std::optional<Money> Bezug::*>(&f->art->ziel)) {
      b->**o = betrag(f->zahl->text());
    } else if (const auto* i = std::get_if<int Bezug::*>(&f->art->ziel)) {
      bool ok = false;
      const int n = f->zahl->text().toInt(&ok);
      const Bezug vorgabe;
      b->**i = ok ? n : vorgabe.**i;
    }
  }
  if (b->art == Dienstwagen) {
    b->antrieb = static_cast<Antrieb>(std::max(antrieb_->currentIndex(), 0));
    // "MM.JJJJ"; anything else: acquired in the month calculated.
    const QStringList teile = anschaffung_->text().split(QLatin1Char('.'));
    bool okMonat = false, okJahr = false;
    const int monat = teile.size() == 2 ? teile[0].toInt(&okMonat) : 0;
    const int jahr = teile.size() == 2 ? teile[1].toInt(&okJahr) : 0;
    b->anschaffung = okMonat && okJahr && monat >= 1 && monat <= 12 && jahr >= 1950 && jahr <= 2100
                         ? Monatsdatum{jahr, monat}
                         : Monatsdatum{};
  }
  ZeileBeschriften(ComboBezuege->currentIndex());
}

void TPnlBezuege::ZeileBeschriften(int zeile) {
  if (zeile < 0 || zeile >= static_cast<int>(bezuege_.size())) return;
  const Bezug& b = bezuege_[zeile];
  QString text = QText(Bezugsname(b.art));
  if (mitBetrag(b.art)) text += QStringLiteral(": ") + QText(FormatDE(b.betrag));
  ComboBezuege->setItemText(zeile, QString::number(zeile + 1) + QStringLiteral(". ") + text);
}

void TPnlBezuege::ZeigeErgebnis(const Ergebnis& r) {
  ZeigeWert(LabAuszahlung, BetragMitEinheit(r.auszahlung));
}

void TPnlBezuege::Leeren() { ZeigeWert(LabAuszahlung, BetragMitEinheit(Money())); }

}  // namespace salvaro
