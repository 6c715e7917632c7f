#include "ui/About.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "abrechnung/Detailabrechnung.h"
#include "abrechnung/Version.h"
#include "ui/Hilfekontexte.h"
#include "ui/Plattform.h"
#include "ui/Symbole.h"
#include "ui/Text.h"
#include "ui/UpdatePruefung.h"

namespace salvaro {

namespace {

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text) {
  auto* l = new QLabel(text, eltern);
  l->setObjectName(QLatin1String(name));
  return l;
}

QPushButton* knopf(QWidget* eltern, const char* name, const QString& text) {
  auto* b = new QPushButton(text, eltern);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TAboutBox::TAboutBox(Plattform& plattform, QWidget* parent)
    : QDialog(parent), plattform_(plattform) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("Info"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::StyledPanel);
  Panel1->setFrameShadow(QFrame::Sunken);
  ProgramIcon = beschriftung(Panel1, "ProgramIcon", QString());
  // The program's picture, as the menu item and the window show it.
  ProgramIcon->setPixmap(SymbolProgramm().pixmap(48, 48));
  ProgramIcon->setAlignment(Qt::AlignTop);
  ProductName =
      beschriftung(Panel1, "ProductName", QStringLiteral("Salvaro    Version ") + QText(kVersion));
  QFont gross = ProductName->font();
  gross.setBold(true);
  gross.setPointSizeF(gross.pointSizeF() * 1.2);
  ProductName->setFont(gross);
  Version = beschriftung(Panel1, "Version", QText(kCopyright));
  Copyright = beschriftung(Panel1, "Copyright", QString::fromLatin1(kSalvaroWebseite));
  QPalette blau = Copyright->palette();
  blau.setColor(QPalette::WindowText, Qt::blue);
  Copyright->setPalette(blau);
  QFont unterstrichen = Copyright->font();
  unterstrichen.setUnderline(true);
  Copyright->setFont(unterstrichen);
  Copyright->setCursor(Qt::PointingHandCursor);
  Copyright->installEventFilter(this);

  auto* texte = new QVBoxLayout;
  texte->setSpacing(10);
  texte->addWidget(ProductName);
  texte->addWidget(Version);
  texte->addWidget(Copyright);
  texte->addStretch();
  auto* inhalt = new QHBoxLayout(Panel1);
  inhalt->setContentsMargins(12, 12, 24, 12);
  inhalt->setSpacing(16);
  inhalt->addWidget(ProgramIcon);
  inhalt->addLayout(texte);

  OKButton = knopf(this, "OKButton", QStringLiteral("OK"));
  OKButton->setDefault(true);
  BtnUpdate = knopf(this, "BtnUpdate", QStringLiteral("Auf Updates prüfen"));
  BtnHilfe = knopf(this, "BtnHilfe", QStringLiteral("Hilfe"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(BtnUpdate);
  knoepfe->addWidget(BtnHilfe);
  knoepfe->addStretch();
  knoepfe->addWidget(OKButton);

  PnlPruefung = new QWidget(this);
  PnlPruefung->setObjectName(QStringLiteral("PnlPruefung"));
  LabPruefung = beschriftung(PnlPruefung, "LabPruefung", QStringLiteral("Suche nach Updates …"));
  BarPruefung = new QProgressBar(PnlPruefung);
  BarPruefung->setObjectName(QStringLiteral("BarPruefung"));
  // How long the server takes is unknown: a bar that shows only that something is going on.
  BarPruefung->setRange(0, 0);
  BarPruefung->setTextVisible(false);
  BtnAbbrechen = knopf(PnlPruefung, "BtnAbbrechen", QStringLiteral("Abbrechen"));
  auto* pruefung = new QHBoxLayout(PnlPruefung);
  pruefung->setContentsMargins(0, 0, 0, 0);
  pruefung->addWidget(LabPruefung);
  pruefung->addWidget(BarPruefung, 1);
  pruefung->addWidget(BtnAbbrechen);
  PnlPruefung->hide();

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(Panel1);
  spalte->addWidget(PnlPruefung);
  spalte->addLayout(knoepfe);
  // As large as its contents, and no larger or smaller; Qt centres it over its parent.
  spalte->setSizeConstraint(QLayout::SetFixedSize);

  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnUpdate, &QPushButton::clicked, this, &TAboutBox::BtnUpdateClick);
  connect(BtnAbbrechen, &QPushButton::clicked, this, [this] {
    if (abbrechen_) abbrechen_();
  });
  connect(BtnHilfe, &QPushButton::clicked, this,
          [this] { emit hilfeAngefordert(kHilfeHauptfenster); });
}

void TAboutBox::BtnUpdateClick() {
  if (pruefungLaeuft_) return;
  // The window keeps painting while the check waits and shows that it runs; it cannot be
  // started twice or the box closed under it, only cancelled.
  pruefungLaeuft_ = true;
  const std::initializer_list<QPushButton*> knoepfe{OKButton, BtnUpdate, BtnHilfe};
  for (QPushButton* k : knoepfe) k->setEnabled(false);
  PnlPruefung->show();
  BtnAbbrechen->setFocus();
  QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  const UpdateErgebnis ergebnis = PruefeAufUpdate(
      UpdateServer(), kUpdateVerbindungsFrist, kUpdateGesamtFrist,
      [this](std::function<void()> abbrechen) { abbrechen_ = std::move(abbrechen); });
  abbrechen_ = nullptr;
  QGuiApplication::restoreOverrideCursor();
  PnlPruefung->hide();
  for (QPushButton* k : knoepfe) k->setEnabled(true);
  pruefungLaeuft_ = false;
  OKButton->setFocus();
  // The user who cancelled needs no message about it.
  if (ergebnis.art != UpdateErgebnis::Art::Abgebrochen)
    plattform_.Nachricht(this, Meldung::Art::Hinweis, ergebnis.meldung);
}

void TAboutBox::CopyrightClick() {
  const QUrl adresse(QString::fromLatin1(kSalvaroWebseite));
  if (!plattform_.OeffneAdresse(this, adresse))
    plattform_.Nachricht(this, Meldung::Art::Fehler,
                         QStringLiteral("Die Adresse %1 kann nicht geöffnet werden.")
                             .arg(adresse.toDisplayString()));
}

void TAboutBox::reject() {
  if (!pruefungLaeuft_) QDialog::reject();
}

bool TAboutBox::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == Copyright && ereignis->type() == QEvent::MouseButtonRelease) {
    const auto* maus = static_cast<QMouseEvent*>(ereignis);
    // Released over the address, as a click on a link is.
    if (maus->button() == Qt::LeftButton &&
        Copyright->rect().contains(maus->position().toPoint())) {
      CopyrightClick();
      return true;
    }
  }
  return QDialog::eventFilter(objekt, ereignis);
}

}  // namespace salvaro
