#include "ui/Ansichten.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QGuiApplication>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>
#include <functional>
#include <numeric>

#include "abrechnung/Zahlentext.h"
#include "ansichten/Ansichtstexte.h"
#include "ansichten/Monatsfall.h"
#include "druck/Drucken.h"
#include "ui/Hilfekontexte.h"
#include "ui/Plattform.h"
#include "ui/Speichern.h"
#include "ui/Text.h"

namespace salvaro {

namespace {

QString betrag(Money m) {
  return QText(FormatDE(m));
}

// A column head with its unit: "Lohnsteuer (€)".
QString kopf(const QString& name) {
  return name + QStringLiteral(" (€)");
}

// A long name broken after its first word part, for a column head on two lines:
// "Solidaritäts-" / "zuschlag".
QString umbrochen(const QString& name) {
  for (const char* teil : {"versicherung", "zuschlag", "steuer", "zahlung", "kosten"}) {
    const QString t = QString::fromUtf8(teil);
    if (name.size() > t.size() && name.endsWith(t))
      return name.left(name.size() - t.size()) + QStringLiteral("-\n") + t;
  }
  return name;
}

// A step for the ticks of an axis: one of the factors times a power of ten, at least roh.
qreal schoeneSchrittweite(qreal roh, std::initializer_list<qreal> faktoren = {1, 2, 2.5, 5}) {
  if (roh <= 0) return 1;
  const qreal zehner = std::pow(10.0, std::floor(std::log10(roh)));
  for (const qreal m : faktoren)
    if (m * zehner >= roh) return m * zehner;
  return 10 * zehner;
}

// A chart coordinate: the amount in euros for drawing only; the values shown are the amounts.
qreal koordinate(Money m) {
  return static_cast<qreal>(m.raw()) / Money::kScale;
}

// A view's start size, never larger than the screen (a small screen, a large scale factor).
void startgroesse(QWidget* fenster, QSize groesse) {
  if (const QScreen* schirm = QGuiApplication::primaryScreen())
    groesse = groesse.boundedTo(schirm->availableGeometry().size());
  fenster->resize(groesse);
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text) {
  auto* b = new QPushButton(text, eltern);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}

// F1 in a view opens its help.
template <class Fenster>
void hilfeTaste(Fenster* f, int kontext) {
  auto* taste = new QShortcut(QKeySequence(Qt::Key_F1), f);
  QObject::connect(taste, &QShortcut::activated, f,
                   [f, kontext] { emit f->hilfeAngefordert(kontext); });
}

// The refusal of the inputs, shown; true when they can be calculated.
bool pruefe(Plattform& plattform, QWidget* eltern, const Eingaben& e) {
  const std::vector<Meldung> meldungen = AnsichtsPruefung(e, plattform.Heute());
  for (const Meldung& m : meldungen) plattform.Nachricht(eltern, m.art, QText(m.text));
  return meldungen.empty();
}

// Saves what schreibe produces at a path the user chooses.
void speichere(Plattform& plattform, QWidget* eltern, const SpeicherDialog& dialog,
               const std::function<std::string(const std::string&, Schreibschutz)>& schreibe) {
  const std::optional<QString> pfad = plattform.Speicherpfad(eltern, dialog);
  if (!pfad) return;
  SpeichereGewaehlteDatei(plattform, eltern, QFile::encodeName(*pfad).toStdString(), schreibe);
}

}  // namespace

// --- The year ---

TFrmJahr::TFrmJahr(Plattform& plattform, QWidget* parent) : QDialog(parent), plattform_(plattform) {
  setObjectName(QStringLiteral("FrmJahr"));
  setWindowTitle(QStringLiteral("Jahresübersicht"));
  SetzeHilfeKontext(this, kHilfeJahr);
  hilfeTaste(this, kHilfeJahr);
  Tabelle = new QTableWidget(13, static_cast<int>(JahrSpalten().size()), this);
  Tabelle->setObjectName(QStringLiteral("Tabelle"));
  Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The heads are named in SpaltenAnpassen; the full names are their hints.
  for (int s = 0; s < Tabelle->columnCount(); ++s) {
    auto* k = new QTableWidgetItem;
    k->setToolTip(kopf(QText(JahrSpalten()[static_cast<std::size_t>(s)])));
    Tabelle->setHorizontalHeaderItem(s, k);
  }
  Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Tabelle->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  Tabelle->setFocusPolicy(Qt::NoFocus);
  Tabelle->viewport()->installEventFilter(this);
  LabAenderungen = new QLabel(this);
  LabAenderungen->setObjectName(QStringLiteral("LabAenderungen"));
  LabAenderungen->setWordWrap(true);
  LabAenderungen->setTextInteractionFlags(Qt::TextSelectableByMouse);
  BtnCsv = knopf(this, "BtnCsv", QStringLiteral("Als CSV speichern..."));
  BtnDrucken = knopf(this, "BtnDrucken", QStringLiteral("Drucken..."));
  BtnPdf = knopf(this, "BtnPdf", QStringLiteral("Als PDF speichern..."));
  BtnSchliessen = knopf(this, "BtnSchliessen", QStringLiteral("Schließen"));
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* b : {BtnCsv, BtnDrucken, BtnPdf}) knoepfe->addWidget(b);
  knoepfe->addStretch();
  knoepfe->addWidget(BtnSchliessen);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Tabelle, 1);
  layout->addWidget(LabAenderungen);
  layout->addLayout(knoepfe);
  connect(BtnCsv, &QPushButton::clicked, this, &TFrmJahr::BtnCsvClick);
  connect(BtnDrucken, &QPushButton::clicked, this, &TFrmJahr::BtnDruckenClick);
  connect(BtnPdf, &QPushButton::clicked, this, &TFrmJahr::BtnPdfClick);
  connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::close);
  startgroesse(this, QSize(1180, 580));
}

void TFrmJahr::Zeige(const Eingaben& e, bool vorholen) {
  if (!pruefe(plattform_, parentWidget(), e)) return;
  try {
    jahr_ = BerechneJahr(e);
  } catch (const std::exception& f) {
    plattform_.Nachricht(parentWidget(), Meldung::Art::Fehler, QText(f.what()));
    return;
  }
  titel_ = "Jahresübersicht " + e.Jahr + ": Brutto " + FormatDE(LiesFeld(e.Brutto)) +
           ", Steuerklasse " + e.StKl;
  setWindowTitle(QText(titel_));
  QStringList zeilen;
  QString aenderungen;
  // A year in which the Aktivrente frees pay has a column of it.
  const int spalten = static_cast<int>(JahrSpalten().size());
  const bool aktivrente = MitAktivrente(jahr_);
  Tabelle->setColumnCount(spalten + (aktivrente ? 1 : 0));
  if (aktivrente) Tabelle->setHorizontalHeaderItem(spalten, new QTableWidgetItem(QStringLiteral("Aktivrente")));
  const auto fuelle = [&](int zeile, const Monatswerte& w, bool hervor, const QString& tipp) {
    std::vector<Money> werte = JahrWerte(w);
    if (aktivrente) werte.push_back(w.aktivrente);
    for (std::size_t s = 0; s < werte.size(); ++s) {
      auto* feld = new QTableWidgetItem(betrag(werte[s]));
      feld->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      QFont schrift = feld->font();
      schrift.setBold(hervor);
      feld->setFont(schrift);
      feld->setToolTip(tipp);
      Tabelle->setItem(zeile, static_cast<int>(s), feld);
    }
  };
  for (const Jahresmonat& m : jahr_.monate) {
    const QString name = QText(kMonatsnamen[m.monat - 1]);
    QString tipp;
    for (const std::string& a : m.aenderungen) {
      tipp += (tipp.isEmpty() ? QString() : QStringLiteral("\n")) + QText(a);
      aenderungen +=
          QStringLiteral("* ") + name + QStringLiteral(": ") + QText(a) + QStringLiteral("\n");
    }
    zeilen << (m.aenderungen.empty() ? name : name + QStringLiteral(" *"));
    fuelle(m.monat - 1, m.werte, false, tipp);
  }
  zeilen << QStringLiteral("Summe");
  fuelle(12, jahr_.summe, true, QString());
  Tabelle->setVerticalHeaderLabels(zeilen);
  SpaltenAnpassen();
  LabAenderungen->setText(
      aenderungen.isEmpty()
          ? QStringLiteral("Die Rechengrundlagen bleiben das ganze Jahr gleich.")
          : QStringLiteral("Änderungen gegenüber dem Vormonat:\n") + aenderungen.trimmed());
  show();
  if (!vorholen) return;
  raise();
  activateWindow();
}

bool TFrmJahr::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == Tabelle->viewport() && ereignis->type() == QEvent::Resize) SpaltenAnpassen();
  return QDialog::eventFilter(objekt, ereignis);
}

void TFrmJahr::SpaltenAnpassen() {
  // The short names, for a table too narrow for the full ones.
  static const char* const kurz[] = {"Brutto", "Einmalz.", "LSt",   "Soli",  "KiSt",     "KV",
                                     "RV",     "AV",       "PV",    "Netto", "AG-Kosten"};
  QHeaderView* koepfe = Tabelle->horizontalHeader();
  const QFontMetrics kopfMass(koepfe->font());
  QFont fett = Tabelle->font();
  fett.setBold(true);
  const QFontMetrics zellMass(fett);
  const int rand = 2 * koepfe->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
  std::vector<int> inhalt(static_cast<std::size_t>(Tabelle->columnCount()), 0);
  for (int s = 0; s < Tabelle->columnCount(); ++s)
    for (int z = 0; z < Tabelle->rowCount(); ++z)
      if (const QTableWidgetItem* feld = Tabelle->item(z, s))
        inhalt[static_cast<std::size_t>(s)] =
            std::max(inhalt[static_cast<std::size_t>(s)], zellMass.horizontalAdvance(feld->text()) + rand);
  const auto breiten = [&](const std::function<QString(int)>& name) {
    std::vector<int> b;
    for (int s = 0; s < Tabelle->columnCount(); ++s) {
      int kopfBreite = 0;
      for (const QString& zeile : name(s).split(u'\n'))
        kopfBreite = std::max(kopfBreite, kopfMass.horizontalAdvance(zeile) + rand);
      b.push_back(std::max(inhalt[static_cast<std::size_t>(s)], kopfBreite));
    }
    return b;
  };
  const std::function<QString(int)> fassungen[] = {
      [](int s) { return kopf(QText(JahrSpalten()[static_cast<std::size_t>(s)])); },
      [](int s) { return kopf(umbrochen(QText(JahrSpalten()[static_cast<std::size_t>(s)]))); },
      [](int s) { return kopf(QString::fromUtf8(kurz[s])); }};
  // The room of the table without a vertical scroll bar, also while one is shown, so that heads
  // on two lines do not turn the choice over.
  int platz = Tabelle->viewport()->width();
  if (Tabelle->verticalScrollBar()->isVisible()) platz += Tabelle->verticalScrollBar()->width();
  platz -= Tabelle->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  for (const auto& name : fassungen) {
    const std::vector<int> b = breiten(name);
    const int summe = std::accumulate(b.begin(), b.end(), 0);
    if (summe > platz && &name != &fassungen[2]) continue;
    // What is left over goes to the columns in equal parts.
    const int mehr = std::max(0, platz - summe) / std::max(1, Tabelle->columnCount());
    for (int s = 0; s < Tabelle->columnCount(); ++s) {
      Tabelle->horizontalHeaderItem(s)->setText(name(s));
      koepfe->resizeSection(s, b[static_cast<std::size_t>(s)] + mehr);
    }
    break;
  }
}

std::vector<std::string> TFrmJahr::Zeilen() const {
  return JahrTabelle(jahr_, titel_);
}

void TFrmJahr::BtnCsvClick() {
  const std::string inhalt = JahrCsv(jahr_);
  speichere(plattform_, this,
            {QStringLiteral("Jahresübersicht als CSV speichern"),
             QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)"), QStringLiteral("csv"),
             QStringLiteral("Jahresübersicht %1.csv").arg(jahr_.jahr)},
            [&inhalt](const std::string& ziel, Schreibschutz schutz) {
              return SchreibeDateiAtomar(ziel, inhalt, schutz);
            });
}

void TFrmJahr::BtnDruckenClick() {
  plattform_.Drucken(this, Zeilen());
}

void TFrmJahr::BtnPdfClick() {
  const std::vector<std::string> zeilen = Zeilen();
  speichere(plattform_, this,
            {QStringLiteral("Jahresübersicht als PDF speichern"),
             QStringLiteral("PDF-Dateien (*.pdf);;Alle Dateien (*)"), QStringLiteral("pdf"),
             QStringLiteral("Jahresübersicht %1.pdf").arg(jahr_.jahr)},
            [&zeilen](const std::string& ziel, Schreibschutz schutz) {
              return DruckeAlsPdf(ziel, zeilen, PapierDerUmgebung(), schutz);
            });
}

// --- The curve ---

TFrmVerlauf::TFrmVerlauf(Plattform& plattform, QWidget* parent)
    : QDialog(parent), plattform_(plattform), waechter_(new QFutureWatcher<Verlauf>(this)) {
  setObjectName(QStringLiteral("FrmVerlauf"));
  setWindowTitle(QStringLiteral("Verlauf"));
  SetzeHilfeKontext(this, kHilfeVerlauf);
  hilfeTaste(this, kHilfeVerlauf);
  EdiBis = new QLineEdit(QStringLiteral("10.000,00"), this);
  EdiBis->setObjectName(QStringLiteral("EdiBis"));
  EdiBis->setAlignment(Qt::AlignRight);
  ComboSchritt = new QComboBox(this);
  ComboSchritt->setObjectName(QStringLiteral("ComboSchritt"));
  ComboSchritt->addItems({QStringLiteral("10,00"), QStringLiteral("5,00"), QStringLiteral("1,00")});

  chart_ = new QChart;
  // German numbers on the axes: 10.000.
  chart_->setLocale(QLocale(QLocale::German, QLocale::Germany));
  chart_->setLocalizeNumbers(true);
  netto_ = new QLineSeries;
  netto_->setName(QStringLiteral("Netto"));
  abzuege_ = new QLineSeries;
  abzuege_->setName(QStringLiteral("Abzüge"));
  grenz_ = new QLineSeries;
  grenz_->setName(QStringLiteral("Grenzbelastung (% der nächsten 100 €)"));
  aktuell_ = new QScatterSeries;
  aktuell_->setName(QStringLiteral("aktuelles Brutto"));
  aktuell_->setMarkerSize(11);
  for (QAbstractSeries* s :
       std::initializer_list<QAbstractSeries*>{netto_, abzuege_, grenz_, aktuell_})
    chart_->addSeries(s);
  achseX_ = new QValueAxis;
  achseX_->setTitleText(QStringLiteral("Brutto (€ im Monat)"));
  achseX_->setLabelFormat(QStringLiteral("%.0f"));
  achseY_ = new QValueAxis;
  achseY_->setTitleText(QStringLiteral("€ im Monat"));
  achseY_->setLabelFormat(QStringLiteral("%.0f"));
  achseGrenz_ = new QValueAxis;
  achseGrenz_->setTitleText(QStringLiteral("Grenzbelastung %"));
  achseGrenz_->setRange(0, 100);
  achseGrenz_->setLabelFormat(QStringLiteral("%.0f"));
  // Its ticks lie on the grid of the amounts (see Uebernimm); a grid of its own would cross it.
  achseGrenz_->setGridLineVisible(false);
  achseX_->setTickType(QValueAxis::TicksDynamic);
  achseX_->setTickAnchor(0);
  chart_->addAxis(achseX_, Qt::AlignBottom);
  chart_->addAxis(achseY_, Qt::AlignLeft);
  chart_->addAxis(achseGrenz_, Qt::AlignRight);
  for (QAbstractSeries* s : std::initializer_list<QAbstractSeries*>{netto_, abzuege_, aktuell_}) {
    s->attachAxis(achseX_);
    s->attachAxis(achseY_);
  }
  grenz_->attachAxis(achseX_);
  grenz_->attachAxis(achseGrenz_);
  Diagramm = new QChartView(chart_, this);
  Diagramm->setObjectName(QStringLiteral("Diagramm"));
  Diagramm->setRenderHint(QPainter::Antialiasing);
  Diagramm->setMinimumSize(480, 300);
  LabMarken = new QLabel(this);
  LabMarken->setObjectName(QStringLiteral("LabMarken"));
  LabMarken->setWordWrap(true);
  LabWerte = new QLabel(this);
  LabWerte->setObjectName(QStringLiteral("LabWerte"));
  LabWerte->setWordWrap(true);
  BtnPng = knopf(this, "BtnPng", QStringLiteral("Als PNG speichern..."));
  BtnSvg = knopf(this, "BtnSvg", QStringLiteral("Als SVG speichern..."));
  BtnSchliessen = knopf(this, "BtnSchliessen", QStringLiteral("Schließen"));

  auto* oben = new QHBoxLayout;
  oben->addWidget(new QLabel(QStringLiteral("Brutto bis"), this));
  oben->addWidget(EdiBis);
  oben->addWidget(new QLabel(QStringLiteral("Schrittweite"), this));
  oben->addWidget(ComboSchritt);
  oben->addStretch();
  auto* unten = new QHBoxLayout;
  unten->addWidget(BtnPng);
  unten->addWidget(BtnSvg);
  unten->addStretch();
  unten->addWidget(BtnSchliessen);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(oben);
  layout->addWidget(LabMarken);
  layout->addWidget(Diagramm, 1);
  layout->addWidget(LabWerte);
  layout->addLayout(unten);

  connect(EdiBis, &QLineEdit::editingFinished, this, &TFrmVerlauf::Starte);
  connect(ComboSchritt, &QComboBox::currentIndexChanged, this, &TFrmVerlauf::Starte);
  connect(waechter_, &QFutureWatcher<Verlauf>::finished, this, &TFrmVerlauf::Uebernimm);
  for (QLineSeries* s : {netto_, abzuege_, grenz_})
    connect(s, &QLineSeries::hovered, this, [this](const QPointF& p, bool an) {
      if (an) ZeigeWerte(Money::runde(Ext::units(static_cast<long double>(p.x()) * Money::kScale)));
    });
  connect(BtnPng, &QPushButton::clicked, this, &TFrmVerlauf::BtnPngClick);
  connect(BtnSvg, &QPushButton::clicked, this, &TFrmVerlauf::BtnSvgClick);
  connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::close);
  startgroesse(this, QSize(900, 620));
}

TFrmVerlauf::~TFrmVerlauf() {
  if (abbruch_) abbruch_->store(true);
  waechter_->waitForFinished();
}

bool TFrmVerlauf::Rechnet() const {
  return waechter_->isRunning() || nochmal_;
}

void TFrmVerlauf::Aktualisiere(const Eingaben& e, bool vorholen) {
  if (!pruefe(plattform_, parentWidget(), e)) return;
  eingaben_ = e;
  Starte();
  show();
  if (vorholen) raise();
}

void TFrmVerlauf::Starte() {
  if (eingaben_.Jahr.empty()) return;
  Money bis, schritt;
  try {
    bis = LiesZahlentext(EdiBis->text().toStdString(), 2);
    schritt = LiesZahlentext(ComboSchritt->currentText().toStdString(), 2);
  } catch (const std::exception&) {
    LabWerte->setText(QStringLiteral("Bitte als Obergrenze einen Betrag eingeben (10.000,00)."));
    return;
  }
  if (bis <= Money() || bis > Money::euro(100000)) {
    LabWerte->setText(QStringLiteral("Die Obergrenze liegt zwischen 0,01 und 100.000,00."));
    return;
  }
  if (waechter_->isRunning()) {
    // The running curve is cancelled; the new one starts when it has stopped.
    abbruch_->store(true);
    nochmal_ = true;
    return;
  }
  abbruch_ = std::make_shared<std::atomic<bool>>(false);
  LabWerte->setText(QStringLiteral("Der Verlauf wird berechnet..."));
  const Eingaben e = eingaben_;
  const auto abbruch = abbruch_;
  waechter_->setFuture(QtConcurrent::run([e, bis, schritt, abbruch] {
    try {
      return BerechneVerlauf(e, bis, schritt, abbruch.get());
    } catch (const std::exception&) {
      Verlauf leer;
      leer.abgebrochen = true;
      return leer;
    }
  }));
}

void TFrmVerlauf::Uebernimm() {
  if (nochmal_) {
    nochmal_ = false;
    Starte();
    return;
  }
  Verlauf v = waechter_->result();
  if (v.abgebrochen) {
    LabWerte->setText(QStringLiteral("Der Verlauf konnte nicht berechnet werden."));
    return;
  }
  verlauf_ = std::move(v);
  QList<QPointF> n, a, g;
  Money hoechst;
  for (const Verlaufspunkt& p : verlauf_.punkte) {
    n << QPointF(koordinate(p.brutto), koordinate(p.netto));
    a << QPointF(koordinate(p.brutto), koordinate(p.abzuege));
    g << QPointF(koordinate(p.brutto), koordinate(p.grenzbelastung));
    hoechst = std::max({hoechst, p.netto, p.abzuege});
  }
  netto_->replace(n);
  abzuege_->replace(a);
  grenz_->replace(g);
  const qreal bis = verlauf_.punkte.empty() ? 1 : koordinate(verlauf_.punkte.back().brutto);
  const qreal oben = std::max<qreal>(koordinate(hoechst) * 1.05, 1);
  achseX_->setRange(0, bis);
  achseX_->setTickInterval(schoeneSchrittweite(bis / 8));
  // The amounts in four or five round steps, whichever ends lower; the rate on the right from 0
  // to 100 % in as many, so that the ticks of both axes sit on the same grid lines.
  int abschnitte = 4;
  qreal hoehe = 0;
  for (const int n : {4, 5}) {
    const qreal h = n * schoeneSchrittweite(oben / n, {1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8});
    if (hoehe == 0 || h < hoehe) {
      hoehe = h;
      abschnitte = n;
    }
  }
  achseY_->setRange(0, hoehe);
  achseY_->setTickCount(abschnitte + 1);
  achseGrenz_->setRange(0, 100);
  achseGrenz_->setTickCount(abschnitte + 1);
  for (QLineSeries* m : marken_) {
    chart_->removeSeries(m);
    delete m;
  }
  marken_.clear();
  QString marken;
  for (const Verlaufsmarke& m : verlauf_.marken) {
    auto* linie = new QLineSeries;
    linie->setName(QText(m.text));
    QPen stift(QColor(120, 120, 120));
    stift.setStyle(Qt::DashLine);
    linie->setPen(stift);
    linie->append(koordinate(m.brutto), 0);
    linie->append(koordinate(m.brutto), oben);
    chart_->addSeries(linie);
    linie->attachAxis(achseX_);
    linie->attachAxis(achseY_);
    for (QLegendMarker* lm : chart_->legend()->markers(linie)) lm->setVisible(false);
    marken_.push_back(linie);
    marken += (marken.isEmpty() ? QString() : QStringLiteral(" · ")) + QText(m.text) +
              QStringLiteral(" ") + betrag(m.brutto);
  }
  // The current gross, on the curve where the curve reaches it.
  aktuell_->clear();
  Money brutto;
  try {
    brutto = LiesFeld(eingaben_.Brutto.empty() ? "0" : eingaben_.Brutto);
  } catch (const std::exception&) {
  }
  const Verlaufspunkt* naechster = nullptr;
  for (const Verlaufspunkt& p : verlauf_.punkte)
    if (p.brutto <= brutto) naechster = &p;
  if (naechster != nullptr && brutto <= verlauf_.punkte.back().brutto)
    aktuell_->append(koordinate(naechster->brutto), koordinate(naechster->netto));
  LabMarken->setText(QStringLiteral("Gestrichelt: ") + marken);
  if (naechster != nullptr) ZeigeWerte(naechster->brutto);
  emit Fertig();
}

void TFrmVerlauf::ZeigeWerte(Money brutto) {
  if (verlauf_.punkte.empty()) return;
  const Verlaufspunkt* p = &verlauf_.punkte.front();
  for (const Verlaufspunkt& q : verlauf_.punkte)
    if (q.brutto <= brutto) p = &q;
  LabWerte->setText(QStringLiteral("Brutto %1: Netto %2, Abzüge %3; von den nächsten 100,00 € "
                                   "bleiben %4 (Grenzbelastung %5 %)")
                        .arg(betrag(p->brutto), betrag(p->netto), betrag(p->abzuege),
                             betrag(p->vomNaechstenHundert), betrag(p->grenzbelastung)));
}

void TFrmVerlauf::BtnPngClick() {
  QByteArray bytes;
  QBuffer puffer(&bytes);
  puffer.open(QIODevice::WriteOnly);
  Diagramm->grab().save(&puffer, "PNG");
  speichere(plattform_, this,
            {QStringLiteral("Verlauf als PNG speichern"),
             QStringLiteral("PNG-Bilder (*.png);;Alle Dateien (*)"), QStringLiteral("png"),
             QStringLiteral("Verlauf.png")},
            [&bytes](const std::string& ziel, Schreibschutz schutz) {
              return SchreibeDateiAtomar(ziel, std::string_view(bytes.constData(), bytes.size()),
                                         schutz);
            });
}

void TFrmVerlauf::BtnSvgClick() {
  QByteArray bytes;
  QBuffer puffer(&bytes);
  puffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&puffer);
  svg.setSize(Diagramm->size());
  svg.setViewBox(QRect(QPoint(0, 0), Diagramm->size()));
  svg.setTitle(QStringLiteral("Verlauf"));
  {
    QPainter maler(&svg);
    Diagramm->render(&maler);
  }
  speichere(plattform_, this,
            {QStringLiteral("Verlauf als SVG speichern"),
             QStringLiteral("SVG-Bilder (*.svg);;Alle Dateien (*)"), QStringLiteral("svg"),
             QStringLiteral("Verlauf.svg")},
            [&bytes](const std::string& ziel, Schreibschutz schutz) {
              return SchreibeDateiAtomar(ziel, std::string_view(bytes.constData(), bytes.size()),
                                         schutz);
            });
}

// --- The tax classes ---

TFrmSteuerklassen::TFrmSteuerklassen(Plattform& plattform, QWidget* parent)
    : QDialog(parent), plattform_(plattform) {
  setObjectName(QStringLiteral("FrmSteuerklassen"));
  setWindowTitle(QStringLiteral("Steuerklassenwahl"));
  SetzeHilfeKontext(this, kHilfeSteuerklassen);
  hilfeTaste(this, kHilfeSteuerklassen);
  auto* eingaben = new QGridLayout;
  eingaben->addWidget(new QLabel(QStringLiteral("<b>Ehegatte 1</b>"), this), 0, 1);
  eingaben->addWidget(new QLabel(QStringLiteral("<b>Ehegatte 2</b>"), this), 0, 2);
  const QString zeilen[] = {
      QStringLiteral("Brutto im Monat"), QStringLiteral("Kirchensteuer"),
      QStringLiteral("Beitragsgruppe"),  QStringLiteral("Kinderfreibeträge"),
      QStringLiteral("Geburtsjahr"),     QStringLiteral("KV-Zusatzbeitrag (%)")};
  for (int z = 0; z < 6; ++z) eingaben->addWidget(new QLabel(zeilen[z], this), z + 1, 0);
  for (int i = 0; i < 2; ++i) {
    Ehegatte& g = Ehegatten[i];
    const QString nr = QString::number(i + 1);
    const auto feld = [&](const char* name) {
      auto* f = new QLineEdit(this);
      f->setObjectName(QLatin1String(name) + nr);
      return f;
    };
    g.Brutto = feld("EdiBrutto");
    g.KiLand = new QComboBox(this);
    g.KiLand->setObjectName(QStringLiteral("ComboKiLand") + nr);
    for (std::string_view l : kKiStLaender) g.KiLand->addItem(QText(l));
    g.BGR = feld("EdiBGR");
    g.BGR->setMaxLength(4);
    g.KiFB = feld("EdiKiFB");
    g.GebJahr = feld("EdiGebJahr");
    g.GebJahr->setMaxLength(4);
    g.KVZus = feld("EdiKVZus");
    // Amounts right-aligned, the group and the year of birth centred, as in the main window.
    for (QLineEdit* f : {g.Brutto, g.KiFB, g.KVZus}) f->setAlignment(Qt::AlignRight);
    for (QLineEdit* f : {g.BGR, g.GebJahr}) f->setAlignment(Qt::AlignCenter);
    QWidget* spalte[] = {g.Brutto, g.KiLand, g.BGR, g.KiFB, g.GebJahr, g.KVZus};
    for (int z = 0; z < 6; ++z) eingaben->addWidget(spalte[z], z + 1, i + 1);
  }
  BtnBerechnen = knopf(this, "BtnBerechnen", QStringLiteral("Berechnen"));
  BtnBerechnen->setDefault(true);
  BtnSchliessen = knopf(this, "BtnSchliessen", QStringLiteral("Schließen"));
  Tabelle = new QTableWidget(4, 5, this);
  Tabelle->setObjectName(QStringLiteral("Tabelle"));
  Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Tabelle->setHorizontalHeaderLabels(
      {kopf(QStringLiteral("Lohnsteuer 1")), kopf(QStringLiteral("Netto 1")),
       kopf(QStringLiteral("Lohnsteuer 2")), kopf(QStringLiteral("Netto 2")),
       kopf(QStringLiteral("Netto zusammen"))});
  Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // No head cut off: the columns are at least as wide as the widest head.
  int kopfBreite = 0;
  for (int s = 0; s < Tabelle->columnCount(); ++s)
    kopfBreite = std::max(kopfBreite, Tabelle->horizontalHeader()->fontMetrics().horizontalAdvance(
                                          Tabelle->horizontalHeaderItem(s)->text()));
  Tabelle->horizontalHeader()->setMinimumSectionSize(kopfBreite + 16);
  LabFaktor = new QLabel(this);
  LabFaktor->setObjectName(QStringLiteral("LabFaktor"));
  LabFaktor->setWordWrap(true);
  LabHinweis = new QLabel(QText(kVeranlagungsHinweis), this);
  LabHinweis->setObjectName(QStringLiteral("LabHinweis"));
  LabHinweis->setWordWrap(true);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(BtnBerechnen);
  knoepfe->addStretch();
  knoepfe->addWidget(BtnSchliessen);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(eingaben);
  layout->addLayout(knoepfe);
  layout->addWidget(Tabelle);
  layout->addWidget(LabFaktor);
  layout->addWidget(LabHinweis);
  connect(BtnBerechnen, &QPushButton::clicked, this, &TFrmSteuerklassen::BtnBerechnenClick);
  connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::close);
  startgroesse(this, QSize(880, 560));
}

void TFrmSteuerklassen::Vorbelegen(const Eingaben& e) {
  basis_ = e;
  for (int i = 0; i < 2; ++i) {
    Ehegatte& g = Ehegatten[i];
    // The window's numbers as the window shows them.
    const auto zahl = [](const std::string& text, int stellen, bool gruppiert) {
      try {
        return QText(FormatBild(LiesFeld(text), stellen, gruppiert));
      } catch (const KonvertierungsFehler&) {
        return QText(text);
      }
    };
    g.Brutto->setText(i == 0 && !e.Brutto.empty() ? zahl(e.Brutto, 2, true) : QString());
    g.KiLand->setCurrentText(QText(e.KiLand));
    g.BGR->setText(QText(e.BGR));
    g.KiFB->setText(zahl(e.KiFB.empty() ? "0" : e.KiFB, 1, false));
    g.GebJahr->setText(QText(e.GebJahr));
    std::string zus = e.KVZus;
    for (const char* weg : {"+ ", "%"})
      if (const auto p = zus.find(weg); p != std::string::npos)
        zus.erase(p, std::char_traits<char>::length(weg));
    g.KVZus->setText(QText(zus));
  }
  show();
  raise();
  activateWindow();
}

void TFrmSteuerklassen::BtnBerechnenClick() {
  Eingaben e[2] = {basis_, basis_};
  for (int i = 0; i < 2; ++i) {
    const Ehegatte& g = Ehegatten[i];
    const QString wer = QStringLiteral(" (Ehegatte %1)").arg(i + 1);
    try {
      e[i].Brutto = SchlichterText(LiesZahlentext(g.Brutto->text().trimmed().toStdString(), 2));
      e[i].KiFB = SchlichterText(LiesZahlentext(g.KiFB->text().trimmed().toStdString(), 1));
      e[i].KVZus =
          "+ " + FormatBild(LiesZahlentext(g.KVZus->text().trimmed().toStdString(), 2), 2, false) +
          "%";
    } catch (const std::exception& f) {
      plattform_.Nachricht(this, Meldung::Art::Fehler, QText(f.what()) + wer);
      return;
    }
    // The amounts as the window shows them, once read.
    g.Brutto->setText(QText(FormatDE(LiesFeld(e[i].Brutto))));
    g.KiFB->setText(QText(FormatBild(LiesFeld(e[i].KiFB), 1, false)));
    e[i].KiLand = g.KiLand->currentText().toStdString();
    e[i].BGR = g.BGR->text().toStdString();
    e[i].GebJahr = g.GebJahr->text().toStdString();
    e[i].BruttoUebernahme = true;
    const std::vector<Meldung> meldungen = AnsichtsPruefung(e[i], plattform_.Heute());
    if (!meldungen.empty()) {
      plattform_.Nachricht(this, meldungen.front().art, QText(meldungen.front().text) + wer);
      return;
    }
  }
  try {
    vergleich_ = VergleicheSteuerklassen(e[0], e[1]);
  } catch (const std::exception& f) {
    plattform_.Nachricht(this, Meldung::Art::Fehler, QText(f.what()));
    return;
  }
  QStringList namen;
  for (int z = 0; z < static_cast<int>(vergleich_.wahlen.size()); ++z) {
    const Klassenwahl& w = vergleich_.wahlen[z];
    QString name = QText(w.name);
    if (w.faktor > Money()) name += QStringLiteral(" ") + QText(FormatBild(w.faktor, 3, false));
    const bool beste = z == vergleich_.beste;
    namen << (beste ? name + QStringLiteral(" (höchstes Netto)") : name);
    const Money werte[] = {w.LSt1, w.netto1, w.LSt2, w.netto2, w.nettoGemeinsam};
    for (int s = 0; s < 5; ++s) {
      auto* feld = new QTableWidgetItem(w.moeglich ? betrag(werte[s]) : QStringLiteral("–"));
      feld->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      QFont schrift = feld->font();
      schrift.setBold(beste);
      feld->setFont(schrift);
      Tabelle->setItem(z, s, feld);
    }
  }
  Tabelle->setVerticalHeaderLabels(namen);
  QString faktor;
  if (vergleich_.faktor)
    faktor = QStringLiteral(
                 "Faktor %1 = Einkommensteuer nach dem Splittingtarif %2 / Summe der "
                 "Jahreslohnsteuer in Steuerklasse IV %3, nach drei Stellen abgeschnitten.")
                 .arg(QText(FormatBild(*vergleich_.faktor, 3, false)),
                      betrag(vergleich_.splittingsteuer), betrag(vergleich_.summeLStIV));
  if (!vergleich_.hinweis.empty())
    faktor += (faktor.isEmpty() ? QString() : QStringLiteral(" ")) + QText(vergleich_.hinweis);
  LabFaktor->setText(faktor);
}

}  // namespace salvaro
