#include "ui/UAbrechnung.h"

#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>

#include "abrechnung/Cp1252.h"
#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Fensterregeln.h"
#include "druck/Schrift.h"
#include "ui/Hilfe.h"
#include "ui/Hilfekontexte.h"
#include "ui/Plattform.h"
#include "ui/Speichern.h"
#include "ui/Symbole.h"
#include "ui/Text.h"

namespace salvaro {

namespace {

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text, const QIcon& bild,
                   int hilfeKontext) {
  auto* b = new QPushButton(bild, text, eltern);
  b->setObjectName(QLatin1String(name));
  b->setFixedSize(137, 41);
  b->setIconSize(QSize(24, 24));
  b->setAutoDefault(false);
  SetzeHilfeKontext(b, hilfeKontext);
  return b;
}

}  // namespace

TFrmAbrechnung::TFrmAbrechnung(Plattform& plattform, QWidget* parent)
    : QDialog(parent), plattform_(plattform) {
  setObjectName(QStringLiteral("FrmAbrechnung"));
  setWindowTitle(QStringLiteral("Gehaltsabrechnung"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  MemoAbrechnung = new QPlainTextEdit(this);
  MemoAbrechnung->setObjectName(QStringLiteral("MemoAbrechnung"));
  MemoAbrechnung->setFont(FestbreitenSchrift(10));
  MemoAbrechnung->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoAbrechnung->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MemoAbrechnung->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Restored, the window shows a whole line of the statement, where the screen is wide enough.
  const int zeile =
      QFontMetrics(MemoAbrechnung->font()).horizontalAdvance(QString(kAbrechnungsbreite + 1, u'0')) +
      2 * static_cast<int>(MemoAbrechnung->document()->documentMargin()) +
      2 * MemoAbrechnung->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  QSize groesse(qMax(800, zeile), 600);
  if (const QScreen* schirm = QGuiApplication::primaryScreen())
    groesse = groesse.boundedTo(schirm->availableGeometry().size());
  resize(groesse);
  setWindowState(Qt::WindowMaximized);

  PnlUnten = new QFrame(this);
  PnlUnten->setObjectName(QStringLiteral("PnlUnten"));
  PnlUnten->setFrameShape(QFrame::StyledPanel);
  BtnADrucken =
      knopf(PnlUnten, "BtnADrucken", QStringLiteral("Drucken"), SymbolDrucken(), kHilfeDrucken);
  BtnAbrSpeichern = knopf(PnlUnten, "BtnAbrSpeichern", QStringLiteral("Speichern"),
                          SymbolSpeichern(), kHilfeSpeichern);
  BtnHelp = knopf(PnlUnten, "BtnHelp", QStringLiteral("Hilfe"), SymbolHilfe(), kHilfeAnzeigen);
  BtnASchliessen =
      knopf(PnlUnten, "BtnASchliessen", QStringLiteral("Schließen"), SymbolSchliessen(), 0);
  auto* knoepfe = new QHBoxLayout(PnlUnten);
  knoepfe->addStretch();
  for (QPushButton* b : {BtnADrucken, BtnAbrSpeichern, BtnHelp, BtnASchliessen})
    knoepfe->addWidget(b);
  knoepfe->addStretch();

  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->setSpacing(0);
  spalte->addWidget(MemoAbrechnung, 1);
  spalte->addWidget(PnlUnten);

  connect(BtnADrucken, &QPushButton::clicked, this, &TFrmAbrechnung::druckenAngefordert);
  connect(BtnAbrSpeichern, &QPushButton::clicked, this, &TFrmAbrechnung::BtnAbrSpeichernClick);
  connect(BtnHelp, &QPushButton::clicked, this,
          [this] { emit hilfeAngefordert(kHilfeAbrechnungsfenster); });
  connect(BtnASchliessen, &QPushButton::clicked, this, &QDialog::close);
  // F1 explains the focused button, or else the window.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, [this] {
    const int kontext = HilfeKontextBei(QApplication::focusWidget());
    emit hilfeAngefordert(kontext != 0 ? kontext : kHilfeAbrechnungsfenster);
  });

  SetzeZeilen(PlatzhalterAbrechnung());
}

std::vector<std::string> TFrmAbrechnung::Zeilen() const {
  std::vector<std::string> zeilen;
  for (const QString& z : MemoAbrechnung->toPlainText().split(u'\n')) zeilen.push_back(StdText(z));
  return zeilen;
}

void TFrmAbrechnung::SetzeZeilen(const std::vector<std::string>& zeilen) {
  QStringList text;
  for (const std::string& z : zeilen) text << QText(z);
  MemoAbrechnung->setPlainText(text.join(u'\n'));
}

QString TFrmAbrechnung::Dateiname() const {
  const QString name = QStringLiteral("Abrechnung");
  for (const QString& zeile : MemoAbrechnung->toPlainText().split(u'\n')) {
    const qsizetype stelle = zeile.indexOf(QStringLiteral("Abrechnungsmonat"));
    if (stelle < 0) continue;
    const QString monat = zeile.mid(stelle + 16).simplified();
    // Only what a file name can carry.
    if (monat.isEmpty() || monat.contains(u'/') || monat.contains(u'\\')) break;
    return name + QStringLiteral(" ") + monat;
  }
  return name;
}

void TFrmAbrechnung::Speichern(QWidget* eltern) {
  const std::vector<std::string> zeilen = Zeilen();
  if (!IstErstellt(zeilen)) {
    plattform_.Nachricht(eltern, Meldung::Art::Hinweis, QText(kNichtsZuSpeichern));
    return;
  }
  // The file is Windows-1252: what it cannot hold would silently become "?".
  std::string text;
  for (const std::string& z : zeilen) text += z;
  if (const std::vector<std::string> fremd = NichtInCp1252(text); !fremd.empty()) {
    QStringList zeichen;
    for (const std::string& z : fremd) zeichen << QText(z);
    if (!plattform_.Frage(eltern, QStringLiteral("Die Abrechnung enthält Zeichen, die die Datei "
                                                 "(Windows-1252) nicht aufnehmen kann; sie werden "
                                                 "als \"?\" gespeichert: ") +
                                      zeichen.join(u' ') + QStringLiteral("\nTrotzdem speichern?")))
      return;
  }
  const std::optional<QString> pfad =
      plattform_.Speicherpfad(eltern, {QStringLiteral("Gehaltsabrechnung speichern"),
                                       QStringLiteral("Textdateien (*.txt);;Alle Dateien (*)"),
                                       QStringLiteral("txt"),
                                       Dateiname() + QStringLiteral(".txt")});
  if (!pfad) return;
  SpeichereGewaehlteDatei(plattform_, eltern, QFile::encodeName(*pfad).toStdString(),
                          [&zeilen](const std::string& ziel, Schreibschutz schutz) {
                            return SpeichereAbrechnung(zeilen, ziel, schutz);
                          });
}

void TFrmAbrechnung::BtnAbrSpeichernClick() {
  Speichern(this);
}

}  // namespace salvaro
