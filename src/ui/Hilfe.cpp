#include "ui/Hilfe.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>

#include "ui/Hilfekontexte.h"

namespace salvaro {

namespace {

bool protokollAn = false;

}  // namespace

QString HilfeSuchen(const QString& programmPfad) {
  const QDir programm(programmPfad);
  for (const QString& kandidat :
       {programm.filePath(QStringLiteral("hilfe/index.html")),
        programm.filePath(QStringLiteral("../share/salvaro/hilfe/index.html"))}) {
    const QFileInfo info(kandidat);
    const bool da = info.isFile();
    HilfeProtokoll(QStringLiteral("Suche %1: %2").arg(kandidat, da ? "gefunden" : "fehlt"));
    if (da) return info.canonicalFilePath();
  }
  return {};
}

QString HilfeSeite(int kontext) {
  const QString abschnitt = QStringLiteral("#k%1").arg(kontext);
  // The statement's actions are explained with the statement window.
  if (kontext == kHilfeDrucken || kontext == kHilfeSpeichern || kontext == 5015 ||
      kontext == kHilfeAbrechnungsfenster)
    return QStringLiteral("abrechnung.html") + abschnitt;
  if (kontext == 2001) return QStringLiteral("meldungen.html") + abschnitt;
  if ((kontext >= 4001 && kontext <= kHilfeBezuege) || kontext == kHilfeMehrjaehrig)
    return QStringLiteral("eingaben.html") + abschnitt;
  if ((kontext >= 5001 && kontext <= 5012) || kontext == kHilfeArbeitgeberseite)
    return QStringLiteral("menue.html") + abschnitt;
  // The year, the curve and the tax classes.
  if (kontext >= 5016 && kontext <= 5018) return QStringLiteral("ansichten.html") + abschnitt;
  // Age and pension payments.
  if (kontext >= kHilfeGebMonat && kontext <= kHilfeAktivrente)
    return QStringLiteral("eingaben.html") + abschnitt;
  if (kontext == kHilfeAlterFenster) return QStringLiteral("menue.html") + abschnitt;
  return QStringLiteral("index.html#k%1").arg(kHilfeHauptfenster);
}

int HilfeKontextBei(const QObject* o) {
  for (; o != nullptr; o = o->parent())
    if (const int k = HilfeKontext(o)) return k;
  return 0;
}

bool IstDebugArgument(const char* argument) {
  return std::strcmp(argument, "/debug") == 0 || std::strcmp(argument, "-debug") == 0;
}

void HilfeProtokollEinschalten(bool an) {
  protokollAn = an;
}

void HilfeProtokoll(const QString& text) {
  if (!protokollAn) return;
  const QByteArray zeile =
      (QDateTime::currentDateTime().toString(Qt::ISODateWithMs) + QStringLiteral(" Hilfe: ") +
       text + u'\n')
          .toUtf8();
  std::fputs(zeile.constData(), stderr);
  QFile datei(QDir::temp().filePath(QStringLiteral("Salvaro-Hilfe.log")));
  if (datei.open(QIODevice::Append)) datei.write(zeile);
}

THilfeFenster::THilfeFenster(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HilfeFenster"));
  setWindowTitle(QStringLiteral("Salvaro – Hilfe"));
  // An open help window does not keep the program running once the main window is closed.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(560, 520);
  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("Browser"));
  // Links to the web open in the browser; the help's own links stay in this window.
  Browser->setOpenExternalLinks(true);
  BtnUebersicht = new QPushButton(QStringLiteral("Übersicht"), this);
  BtnZurueck = new QPushButton(QStringLiteral("Zurück"), this);
  BtnSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
  BtnZurueck->setEnabled(false);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(BtnUebersicht);
  knoepfe->addWidget(BtnZurueck);
  knoepfe->addStretch();
  knoepfe->addWidget(BtnSchliessen);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(Browser, 1);
  spalte->addLayout(knoepfe);

  connect(BtnUebersicht, &QPushButton::clicked, this, [this] { Browser->setSource(startseite_); });
  connect(BtnZurueck, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(Browser, &QTextBrowser::backwardAvailable, BtnZurueck, &QPushButton::setEnabled);
  connect(BtnSchliessen, &QPushButton::clicked, this, &QDialog::close);
}

void THilfeFenster::Zeige(const QUrl& seite) {
  QUrl start = seite.adjusted(QUrl::RemoveFilename | QUrl::RemoveFragment);
  start.setPath(start.path() + QStringLiteral("index.html"));
  startseite_ = start;
  Browser->setSource(seite);
  show();
  raise();
  activateWindow();
}

}  // namespace salvaro
