// The help: every help context of the windows has its section in the pages that come with the
// program, the pages' own links lead somewhere, the search for the pages, F1 on a field, a button
// or an open menu item, the help window at its section, and the log of "-debug".
#include <QAction>
#include <QDirIterator>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <set>

#include "Fenster.h"
#include "Wachhund.h"
#include "ui/Hilfe.h"
#include "ui/Hilfekontexte.h"
#include "ui/QtPlattform.h"

using namespace salvaro;

namespace {

const QString kHilfe = QStringLiteral(SALVARO_HILFE_DIR);

QString lies(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Whether the page (with an optional "#section") exists in the help and has that section.
bool vorhanden(const QString& seite) {
  const QString datei = seite.section(u'#', 0, 0), abschnitt = seite.section(u'#', 1);
  const QString text = lies(QDir(kHilfe).filePath(datei));
  if (text.isEmpty()) return false;
  return abschnitt.isEmpty() || text.contains(QStringLiteral("id=\"%1\"").arg(abschnitt));
}

THilfeFenster* offenesHilfefenster() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* h = qobject_cast<THilfeFenster*>(w); h && h->isVisible()) return h;
  return nullptr;
}

}  // namespace

class HilfeTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  void jederKontextHatSeinenAbschnitt() {
    Fenster w;
    std::set<int> kontexte{1001, 2001, 3001};
    QList<QObject*> objekte = w->findChildren<QObject*>();
    for (QObject* o : objekte) {
      if (const int k = HilfeKontext(o)) kontexte.insert(k);
      if (auto* widget = qobject_cast<QWidget*>(o))
        for (QAction* a : widget->actions())
          if (const int k = HilfeKontext(a)) kontexte.insert(k);
    }
    QVERIFY(kontexte.size() >= 30);
    for (const int k : kontexte) {
      const QString seite = HilfeSeite(k);
      QVERIFY2(seite.endsWith(QStringLiteral("#k%1").arg(k)), qPrintable(seite));
      QVERIFY2(vorhanden(seite), qPrintable(seite));
    }
  }

  void verweiseFuehrenZuSeiten() {
    const QRegularExpression verweis(QStringLiteral("href=\"([^\"]+)\""));
    QDirIterator it(kHilfe, {QStringLiteral("*.html")});
    int seiten = 0;
    while (it.hasNext()) {
      const QString datei = it.next();
      ++seiten;
      for (const auto& m : verweis.globalMatch(lies(datei))) {
        QString ziel = m.captured(1);
        if (ziel.startsWith(u'#')) ziel = QFileInfo(datei).fileName() + ziel;
        QVERIFY2(vorhanden(ziel), qPrintable(QFileInfo(datei).fileName() + " -> " + ziel));
      }
    }
    QCOMPARE(seiten, 6);
  }

  void suche() {
    QTemporaryDir ordner;
    const QDir d(ordner.path());
    QVERIFY(d.mkpath(QStringLiteral("bin")));
    QCOMPARE(HilfeSuchen(d.filePath(QStringLiteral("bin"))), QString());
    // Installed: bin/salvaro and share/salvaro/hilfe.
    QVERIFY(d.mkpath(QStringLiteral("share/salvaro/hilfe")));
    QFile(d.filePath(QStringLiteral("share/salvaro/hilfe/index.html"))).open(QIODevice::WriteOnly);
    QCOMPARE(HilfeSuchen(d.filePath(QStringLiteral("bin"))),
             QFileInfo(d.filePath(QStringLiteral("share/salvaro/hilfe/index.html")))
                 .canonicalFilePath());
    // Beside the program comes first.
    QVERIFY(d.mkpath(QStringLiteral("bin/hilfe")));
    QFile(d.filePath(QStringLiteral("bin/hilfe/index.html"))).open(QIODevice::WriteOnly);
    QCOMPARE(HilfeSuchen(d.filePath(QStringLiteral("bin"))),
             QFileInfo(d.filePath(QStringLiteral("bin/hilfe/index.html"))).canonicalFilePath());
  }

  void f1_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<int>("kontext");
    QTest::newRow("Steuerklasse") << "LEdiStKl" << 4002;
    QTest::newRow("Beitragsgruppe") << "OruEdiBGR" << 4006;
    QTest::newRow("Kinder unter 25") << "LEdiKinderU25" << 4008;
    QTest::newRow("Brutto") << "LEdiBrutto" << 4012;
    QTest::newRow("Jahr") << "ComboJahr" << 4013;
    QTest::newRow("Einmalzahlung") << "LEdiEinmalzahlung" << 4015;
    QTest::newRow("Abfindung") << "LEdiAbfindung" << 4017;
  }
  void f1() {
    QFETCH(QString, feld);
    QFETCH(int, kontext);
    Fenster w(true);
    QVERIFY(w.zeigen());
    auto* widget = w->findChild<QWidget*>(feld);
    QVERIFY(widget);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_F1);
    QCOMPARE(w.plattform.hilfeAufrufe, QList<int>{kontext});
  }

  void f1ImMenueUndImAbrechnungsfenster() {
    Fenster w(true);
    QVERIFY(w.zeigen());
    w->MenSozVers->popup(w->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(w->MenSozVers));
    w->MenSozVers->setActiveAction(w->MenPflegeKinderlos);
    QTest::keyClick(w->MenSozVers, Qt::Key_F1);
    QVERIFY(!w->MenSozVers->isVisible());
    w->BtnDetailberechnung->click();
    QVERIFY(QTest::qWaitForWindowExposed(w->FrmAbrechnung));
    w->FrmAbrechnung->MemoAbrechnung->setFocus();
    QTest::keyClick(w->FrmAbrechnung->MemoAbrechnung, Qt::Key_F1);
    w->FrmAbrechnung->BtnADrucken->setFocus();
    QTest::keyClick(w->FrmAbrechnung->BtnADrucken, Qt::Key_F1);
    QCOMPARE(w.plattform.hilfeAufrufe, (QList<int>{5008, 3001, 5013}));
    w->FrmAbrechnung->close();
  }

  // The help window of the program opens the page at the context's section; the log says so.
  void hilfefensterUndProtokoll() {
    QTemporaryDir temp;
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    HilfeProtokollEinschalten(true);
    QtPlattform plattform;
    plattform.HilfeEinrichten(QDir(kHilfe).filePath(QStringLiteral("index.html")));
    QVERIFY(plattform.Hilfe(4006));
    THilfeFenster* fenster = offenesHilfefenster();
    QVERIFY(fenster);
    QCOMPARE(fenster->Browser->source().fileName(), QStringLiteral("eingaben.html"));
    QCOMPARE(fenster->Browser->source().fragment(), QStringLiteral("k4006"));
    QVERIFY(fenster->Browser->toPlainText().contains(QStringLiteral("Beitragsgruppe")));
    fenster->close();
    // Without the pages the request fails, and the window says that there is no help.
    QtPlattform ohne;
    QVERIFY(!ohne.Hilfe(1001));
    HilfeProtokollEinschalten(false);
    const QString protokoll = lies(temp.filePath(QStringLiteral("Salvaro-Hilfe.log")));
    QVERIFY2(protokoll.contains(QStringLiteral("Kontext 4006 -> eingaben.html#k4006")),
             qPrintable(protokoll));
    QVERIFY(protokoll.contains(QStringLiteral("keine Hilfe vorhanden")));
    qunsetenv("TMPDIR");
    QVERIFY(IstDebugArgument("/debug") && IstDebugArgument("-debug"));
    QVERIFY(!IstDebugArgument("--debug") && !IstDebugArgument("debug"));
  }
};

QTEST_MAIN(HilfeTest)

#include "HilfeTest.moc"
