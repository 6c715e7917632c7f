// The statement window and the statement from the main window: showing, saving with the save
// dialog from both windows, the refusal before a calculation, help and printing.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "Fenster.h"
#include "Wachhund.h"
#include "abrechnung/Detailabrechnung.h"
#include "druck/Schrift.h"

using namespace salvaro;

namespace {

QByteArray lies(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class AbrechnungTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

  static void rechnen(Fenster& w) {
    QVERIFY(w.zeigen());
    w.januar2023();
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    w.plattform.nachrichten.clear();
  }

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  void nochNichtsZuSpeichern() {
    const QStringList nichts{QStringLiteral("Es gibt noch nichts zu speichern!")};
    Fenster w;
    w.plattform.nachrichten.clear();
    w->BtnSpeichern->click();
    QCOMPARE(w.plattform.texte(), nichts);
    w.plattform.nachrichten.clear();
    w->FrmAbrechnung->BtnAbrSpeichern->click();
    QCOMPARE(w.plattform.texte(), nichts);
    // After "Neue Abrechnung" the statement is the placeholder again.
    rechnen(w);
    w->BtnNeu->click();
    w->BtnSpeichern->click();
    QCOMPARE(w.plattform.texte(), nichts);
    QVERIFY(w.plattform.speicherDialoge.isEmpty());
  }

  void speichernAusDemHauptfenster() {
    Fenster w;
    rechnen(w);
    const QString pfad = w.ordner.filePath(QStringLiteral("SalvaroBerechnung.txt"));
    w.plattform.speicherAntwort = pfad;
    w->BtnSpeichern->click();
    QCOMPARE(w.plattform.speicherDialoge.size(), 1);
    const SpeicherDialog& d = w.plattform.speicherDialoge.front();
    QCOMPARE(d.titel, QStringLiteral("Gehaltsabrechnung speichern"));
    // The name says what the file holds: the statement of its month.
    QCOMPARE(d.vorschlag, QStringLiteral("Abrechnung Januar 2023.txt"));
    QCOMPARE(d.endung, QStringLiteral("txt"));
    QVERIFY(d.filter.startsWith(QStringLiteral("Textdateien (*.txt)")));
    QVERIFY(w.plattform.nachrichten.isEmpty());
    // Windows-1252 with CR LF: one line per statement line, umlauts as single bytes.
    const QByteArray datei = lies(pfad);
    const std::vector<std::string> zeilen = w->FrmAbrechnung->Zeilen();
    QCOMPARE(datei.count("\r\n"), static_cast<qsizetype>(zeilen.size()));
    QCOMPARE(datei.count('\n'), datei.count("\r\n"));
    QVERIFY(datei.startsWith(QByteArray::fromStdString(Titel()) + "\r\n"));
    QVERIFY(datei.contains("Solidarit\xE4tszuschlag"));
  }

  void speichernAusDemAbrechnungsfenster() {
    Fenster w;
    rechnen(w);
    w->BtnDetailberechnung->click();
    QCOMPARE(w.plattform.modal, QList<QDialog*>{w->FrmAbrechnung});
    // The user's edit is what is saved.
    w->FrmAbrechnung->MemoAbrechnung->appendPlainText(QStringLiteral("Geprüft: Müller"));
    const QString pfad = w.ordner.filePath(QStringLiteral("Abrechnung.txt"));
    w.plattform.speicherAntwort = pfad;
    w->FrmAbrechnung->BtnAbrSpeichern->click();
    QCOMPARE(w.plattform.speicherDialoge.front().vorschlag,
             QStringLiteral("Abrechnung Januar 2023.txt"));
    QVERIFY(
        lies(pfad).endsWith("Gepr\xFC"
                            "ft: M\xFCller\r\n"));
    // Cancelled: nothing written, nothing said.
    w.plattform.speicherAntwort.reset();
    const QString anderer = w.ordner.filePath(QStringLiteral("Abrechnung.txt"));
    QFile::remove(anderer);
    w->FrmAbrechnung->BtnAbrSpeichern->click();
    QVERIFY(!QFile::exists(anderer));
    QVERIFY(w.plattform.nachrichten.isEmpty());
    w->FrmAbrechnung->BtnASchliessen->click();
    QVERIFY(!w->FrmAbrechnung->isVisible());
  }

  void speichernScheitert() {
    Fenster w;
    rechnen(w);
    w.plattform.speicherAntwort = w.ordner.filePath(QStringLiteral("fehlt/Abrechnung.txt"));
    w->BtnSpeichern->click();
    QCOMPARE(w.plattform.nachrichten.size(), 1);
    QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Fehler);
    QVERIFY(w.plattform.nachrichten.front().text.endsWith(
        QStringLiteral("das Verzeichnis \"") + w.ordner.filePath(QStringLiteral("fehlt")) +
        QStringLiteral("\" existiert nicht.")));
    QVERIFY(IstErstellt(w->FrmAbrechnung->Zeilen()));
  }

  // Characters the file cannot hold are named before saving; Nein saves nothing.
  void zeichenOhneWindows1252() {
    for (const bool ja : {false, true}) {
      Fenster w;
      rechnen(w);
      w->FrmAbrechnung->MemoAbrechnung->appendPlainText(
          QStringLiteral("Netto → Konto 😀 500 € → fertig"));
      const QString pfad = w.ordner.filePath(QStringLiteral("Abrechnung.txt"));
      w.plattform.speicherAntwort = pfad;
      w.plattform.frageAntwort = ja;
      w->FrmAbrechnung->BtnAbrSpeichern->click();
      QCOMPARE(w.plattform.fragen.size(), 1);
      QVERIFY(w.plattform.fragen.front().contains(QStringLiteral(": → 😀\n")));
      QVERIFY(!w.plattform.fragen.front().contains(QStringLiteral("€")));
      QCOMPARE(QFile::exists(pfad), ja);
      if (ja) QVERIFY(lies(pfad).endsWith("Netto ? Konto ? 500 \x80 ? fertig\r\n"));
      QVERIFY(w.plattform.nachrichten.isEmpty());
    }
    // A statement the code page holds is saved without a question.
    Fenster w;
    rechnen(w);
    w.plattform.speicherAntwort = w.ordner.filePath(QStringLiteral("b.txt"));
    w->BtnSpeichern->click();
    QVERIFY(w.plattform.fragen.isEmpty());
  }

  // A file marked read-only is replaced only when the user says so; its rights stay.
  void schreibgeschuetzteDatei() {
    for (const bool ja : {false, true}) {
      Fenster w;
      rechnen(w);
      const QString pfad = w.ordner.filePath(QStringLiteral("alt.txt"));
      {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("alt");
      }
      QFile::setPermissions(pfad, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
      w.plattform.speicherAntwort = pfad;
      w.plattform.frageAntwort = ja;
      w->BtnSpeichern->click();
      QCOMPARE(w.plattform.fragen.size(), 1);
      QVERIFY(w.plattform.fragen.front().contains(QStringLiteral("ist schreibgeschützt")));
      QCOMPARE(lies(pfad) == "alt", !ja);
      QVERIFY(!(QFile::permissions(pfad) & QFileDevice::WriteOwner));
      QVERIFY(QFile::permissions(pfad) & QFileDevice::ReadGroup);
      QVERIFY(w.plattform.nachrichten.isEmpty());
    }
  }

  void abrechnungsfenster() {
    Fenster w;
    TFrmAbrechnung* a = w->FrmAbrechnung;
    QCOMPARE(a->windowTitle(), QStringLiteral("Gehaltsabrechnung"));
    QVERIFY(a->windowState() & Qt::WindowMaximized);
    // The columns line up when every character advances the same (the font database's
    // fixed-pitch mark is not reliable: fontconfig leaves it off for some monospaced fonts).
    QVERIFY2(GleicheZeichenbreite(a->MemoAbrechnung->font()),
             qPrintable(QFontInfo(a->MemoAbrechnung->font()).family()));
    QCOMPARE(a->MemoAbrechnung->font().pointSizeF(), 10.0);
    QVERIFY(!a->MemoAbrechnung->isReadOnly());
    for (QPushButton* b : {a->BtnADrucken, a->BtnAbrSpeichern, a->BtnHelp, a->BtnASchliessen})
      QCOMPARE(b->size(), QSize(137, 41));
  }

  void hilfe_data() {
    QTest::addColumn<bool>("mitHilfedatei");
    QTest::newRow("ohne Hilfedatei") << false;
    QTest::newRow("mit Hilfedatei") << true;
  }
  void hilfe() {
    QFETCH(bool, mitHilfedatei);
    Fenster w(mitHilfedatei);
    QCOMPARE(w->hilfeFehlt(), !mitHilfedatei);
    QCOMPARE(w.plattform.nachrichten.size(), mitHilfedatei ? 0 : 1);
    w.plattform.nachrichten.clear();
    w->BtnHilfe->click();
    w->MenHilfeAufrufen->trigger();
    w->FrmAbrechnung->BtnHelp->click();
    if (mitHilfedatei) {
      QCOMPARE(w.plattform.hilfeAufrufe, (QList<int>{1001, 1001, 3001}));
      QVERIFY(w.plattform.nachrichten.isEmpty());
      w.plattform.hilfeOeffnet = false;
      w->BtnHilfe->click();
      QCOMPARE(w.plattform.texte(),
               QStringList{QStringLiteral("Die Hilfedatei kann nicht geöffnet werden")});
    } else {
      QVERIFY(w.plattform.hilfeAufrufe.isEmpty());
      QCOMPARE(w.plattform.texte(), QStringList(3, QStringLiteral("Hilfedatei nicht vorhanden")));
      QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Fehler);
    }
  }

  void druckenGibtDieZeilenDesFensters() {
    Fenster w;
    w->BtnDrucken->click();
    QCOMPARE(w.plattform.drucke.size(), 1);
    QCOMPARE(w.plattform.drucke.front(), PlatzhalterAbrechnung());
    rechnen(w);
    w->FrmAbrechnung->MemoAbrechnung->appendPlainText(QStringLiteral("Anmerkung"));
    w->FrmAbrechnung->BtnADrucken->click();
    QCOMPARE(w.plattform.drucke.size(), 2);
    QCOMPARE(w.plattform.drucke.back(), w->FrmAbrechnung->Zeilen());
    QCOMPARE(w.plattform.drucke.back().back(), std::string("Anmerkung"));
  }
};

QTEST_MAIN(AbrechnungTest)

#include "AbrechnungTest.moc"
