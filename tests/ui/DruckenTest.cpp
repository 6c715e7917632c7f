// The printed statement, read back from its PDF: the lines in order, the title after 6 blanks
// and every other line after 7 in the proportion 12 to 9, inside margins of 10 mm on A4 and
// Letter, in a font whose characters advance the same, the page break, the menu item with its
// save dialog, and the failures.
#include <QAction>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "Fenster.h"
#include "Wachhund.h"
#include "abrechnung/Detailabrechnung.h"
#include "druck/Drucken.h"

using namespace salvaro;

namespace {

// One printed line as pdftotext finds it: page, first word, its left and right edge, its bottom
// and its height.
struct Gedruckt {
  int seite;
  QString wort;
  double x, rechts, unten, hoehe;
};

QList<Gedruckt> lies(const QString& pdf) {
  const QString programm = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  QProcess p;
  p.start(programm, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  p.waitForFinished(30000);
  const QString xhtml = QString::fromUtf8(p.readAllStandardOutput());
  static const QRegularExpression wort(
      QStringLiteral("<page|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                     "yMax=\"([\\d.]+)\">([^<]*)</word>"));
  QList<Gedruckt> zeilen;
  int seite = 0;
  double letztesY = -1;
  for (const auto& m : wort.globalMatch(xhtml)) {
    if (m.captured(0) == QStringLiteral("<page")) {
      ++seite;
      letztesY = -1;
      continue;
    }
    const double y = m.captured(4).toDouble();
    if (std::abs(y - letztesY) < 0.5) continue;  // a further word of the same line
    letztesY = y;
    zeilen.append({seite, m.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                   m.captured(1).toDouble(), m.captured(3).toDouble(), y,
                   y - m.captured(2).toDouble()});
  }
  return zeilen;
}

// The blanks before the first character the line shows: the indent plus the line's own.
int einzug(const QString& text) {
  int i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  return i;
}

std::vector<std::string> langeAbrechnung(int zeilen) {
  std::vector<std::string> l{"Brutto-Netto-Rechner - Salvaro 1.0.5.2"};
  for (int i = 1; i < zeilen; ++i) l.push_back((i % 3 ? "  Zeile " : "Zeile ") + std::to_string(i));
  return l;
}

}  // namespace

class DruckenTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;
  QTemporaryDir ordner_;

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      QSKIP("pdftotext (poppler-utils) fehlt: scripts/deps installiert es");
  }
  void cleanup() { wachhund_.pruefen(); }

  // A statement longer than a page, on A4 and Letter: every line printed once, in order, with its
  // indent, the title larger; the print goes on on the second page. The margins are at least
  // 10 mm; on A4 the 95 columns need a smaller font than 9 pt, on Letter they fit at 9 pt.
  void zeilenEinzugUndSeiten_data() {
    QTest::addColumn<int>("papier");
    QTest::addColumn<double>("seitenbreite");
    QTest::addColumn<double>("seitenhoehe");
    QTest::newRow("A4") << int(Papier::A4) << 595.28 << 841.89;
    QTest::newRow("Letter") << int(Papier::Letter) << 612.0 << 792.0;
  }
  void zeilenEinzugUndSeiten() {
    QFETCH(int, papier);
    QFETCH(double, seitenbreite);
    QFETCH(double, seitenhoehe);
    std::vector<std::string> abrechnung = langeAbrechnung(150);
    abrechnung[5] = std::string(kAbrechnungsbreite - 5, 'W') + "iiii0";  // the widest line
    const QString pdf = ordner_.filePath(QStringLiteral("lang.pdf"));
    QCOMPARE(DruckeAlsPdf(pdf.toStdString(), abrechnung, Papier(papier)), std::string());
    const QList<Gedruckt> gedruckt = lies(pdf);
    QCOMPARE(gedruckt.size(), int(abrechnung.size()));
    // A fixed-pitch font is 0.6 em wide: 5.4 pt a character at 9 pt. Line 3 has no blanks of its
    // own, line 1 two: 7 and 9 character widths from the margin; the title's 6 blanks of 12 pt
    // are 8 widths of the body.
    const double breite = (gedruckt[1].x - gedruckt[3].x) / 2;
    const double rand = gedruckt[3].x - 7 * breite;
    const double mm10 = 10 / 25.4 * 72;
    QVERIFY2(rand >= mm10 - 0.05 && rand < mm10 + 1.5, qPrintable(QString::number(rand)));
    QVERIFY2(breite <= 5.4 + 0.01 && breite > 5.4 * 0.95, qPrintable(QString::number(breite)));
    if (Papier(papier) == Papier::Letter) QVERIFY(std::abs(breite - 5.4) < 0.01);
    QVERIFY2(gedruckt[5].rechts <= seitenbreite - mm10 + 0.05,
             qPrintable(QString::number(gedruckt[5].rechts)));
    // Every character advances the same: "W" and "i" as the blanks.
    QVERIFY(std::abs(gedruckt[5].rechts - gedruckt[5].x - kAbrechnungsbreite * breite) < 0.3);
    QCOMPARE(gedruckt[0].wort, QStringLiteral("Brutto-Netto-Rechner"));
    QVERIFY(std::abs(gedruckt[0].x - (rand + 8 * breite)) < 0.3);
    for (int i = 1; i < gedruckt.size(); ++i) {
      const QString zeile = QString::fromStdString(abrechnung[i]);
      QCOMPARE(gedruckt[i].wort, zeile.trimmed().section(u' ', 0, 0));
      const double soll = rand + (7 + einzug(zeile)) * breite;
      QVERIFY2(std::abs(gedruckt[i].x - soll) < 0.3,
               qPrintable(QStringLiteral("Zeile %1: x %2 statt %3").arg(i).arg(gedruckt[i].x).arg(soll)));
      QVERIFY(std::abs(gedruckt[0].hoehe / gedruckt[i].hoehe - 12.0 / 9.0) < 0.05);
      QVERIFY(gedruckt[i].unten <= seitenhoehe - mm10);
    }
    QCOMPARE(gedruckt.front().seite, 1);
    QVERIFY(gedruckt.back().seite >= 2);
    for (int i = 1; i < gedruckt.size(); ++i) QVERIFY(gedruckt[i].seite >= gedruckt[i - 1].seite);
  }

  // From the window: the statement as the statement window holds it, the user's edit included;
  // before any calculation only the placeholder.
  void ausDemMenue() {
    Fenster w;
    const QString pdf = ordner_.filePath(QStringLiteral("menue.pdf"));
    w.plattform.speicherAntwort = pdf;
    w->MenPdf->trigger();
    QCOMPARE(w.plattform.speicherDialoge.size(), 1);
    QCOMPARE(w.plattform.speicherDialoge[0].endung, QStringLiteral("pdf"));
    QList<Gedruckt> gedruckt = lies(pdf);
    QCOMPARE(gedruckt.size(), 1);
    QCOMPARE(gedruckt[0].wort,
             QString::fromStdString(PlatzhalterAbrechnung().front()).section(u' ', 0, 0));

    w.januar2023();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QPlainTextEdit* memo = w->FrmAbrechnung->MemoAbrechnung;
    memo->setPlainText(memo->toPlainText().replace(QStringLiteral("BERECHNUNG:"),
                                                   QStringLiteral("Musterfrau:")));
    w->MenPdf->trigger();
    gedruckt = lies(pdf);
    QCOMPARE(int(w->FrmAbrechnung->Zeilen().size()), gedruckt.size());
    QStringList woerter;
    for (const Gedruckt& g : gedruckt) woerter << g.wort;
    QVERIFY(woerter.contains(QStringLiteral("Musterfrau:")));
    QVERIFY(!woerter.contains(QStringLiteral("BERECHNUNG:")));
    QVERIFY(w.plattform.nachrichten.isEmpty() ||
            w.plattform.texte() == QStringList{QStringLiteral("Hilfedatei nicht gefunden")});
  }

  void abbruchUndFehler() {
    Fenster w;
    w.plattform.nachrichten.clear();
    // Cancelled: nothing written, nothing said.
    w.plattform.speicherAntwort.reset();
    w->MenPdf->trigger();
    QVERIFY(QDir(ordner_.path()).entryList({QStringLiteral("*.pdf")}).isEmpty() ||
            !QFileInfo::exists(ordner_.filePath(QStringLiteral("SalvaroBerechnung.pdf"))));
    QVERIFY(w.plattform.nachrichten.isEmpty());
    // A folder that does not exist: the error, and no file.
    const QString fehlt = ordner_.filePath(QStringLiteral("fehlt/abrechnung.pdf"));
    w.plattform.speicherAntwort = fehlt;
    w->MenPdf->trigger();
    QCOMPARE(w.plattform.nachrichten.size(), 1);
    QCOMPARE(w.plattform.nachrichten[0].art, Meldung::Art::Fehler);
    QVERIFY(w.plattform.nachrichten[0].text.contains(fehlt));
    QVERIFY(!QFileInfo::exists(fehlt));
    // A folder of that name: the error, and the folder stays.
    const QString verzeichnis = ordner_.filePath(QStringLiteral("ordner.pdf"));
    QVERIFY(QDir(ordner_.path()).mkdir(QStringLiteral("ordner.pdf")));
    w.plattform.speicherAntwort = verzeichnis;
    w->MenPdf->trigger();
    QCOMPARE(w.plattform.nachrichten.size(), 2);
    QVERIFY(QFileInfo(verzeichnis).isDir());
  }
};

QTEST_MAIN(DruckenTest)

#include "DruckenTest.moc"
