// The settings file from the window: saving, starting again and finding the inputs back; the
// load command's enabled state; a file written by hand; a file that cannot be written.
#include <QAction>
#include <QDir>

#include "Fenster.h"
#include "Wachhund.h"

using namespace salvaro;

namespace {

QByteArray inhalt(const QString& pfad) {
  QFile f(pfad);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreibe(const QString& pfad, const QByteArray& bytes) {
  QFile f(pfad);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

class EinstellungenTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;

 private slots:
  void cleanup() { wachhund_.pruefen(); }

  void speichernUndNeuStarten() {
    Fenster w;
    const QString datei = w.ordner.filePath(QStringLiteral("SalvaroOpt.ini"));
    QVERIFY(!w->MenLoadMainOpts->isEnabled());
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    w->LEdiGebJahr->setText(QStringLiteral("1965"));
    w->LEdiStKl->setText(QStringLiteral("4"));
    w->LEdiFaktor->setText(QStringLiteral("0,955"));
    w->LEdiKiFB->setText(QStringLiteral("1,5"));
    w->MenPflegeKinderlos->trigger();  // the allowances checked it
    w->LEdiStFB->setText(QStringLiteral("-150,00"));
    Fenster::waehle(w->ComboKiLand, QStringLiteral("Baden-Württemberg"));
    w->OruEdiBGR->setText(QStringLiteral("9111"));
    w->MEdiKVZus->setText(QStringLiteral("+ 2,45%"));
    w->ChkPKV->setChecked(true);
    w->LabEdiPKV->setText(QStringLiteral("612,40"));
    w->MenSVOst->trigger();
    w->MenPVSachsen->trigger();
    w->LEdiKinderU25->setText(QStringLiteral("3"));
    w.plattform.nachrichten.clear();
    w->MenSaveMainOpts->trigger();
    QCOMPARE(w.plattform.texte(), QStringList{QStringLiteral("Die Einstellungen wurden gespeichert")});
    QVERIFY(w->MenLoadMainOpts->isEnabled());
    // The state's name in the file is Windows-1252.
    QVERIFY(inhalt(datei).contains("Bundesland=Baden-W\xfcrttemberg\r\n"));

    w.neuStarten();
    QVERIFY(w->MenLoadMainOpts->isEnabled());
    QCOMPARE(w->LEdiGebJahr->text(), QStringLiteral("1965"));
    QCOMPARE(w->LEdiStKl->text(), QStringLiteral("4"));
    QVERIFY(!w->LEdiFaktor->isHidden());
    QCOMPARE(w->LEdiFaktor->text(), QStringLiteral("0,955"));
    QCOMPARE(w->LEdiKiFB->text(), QStringLiteral("1,5"));
    QCOMPARE(w->LEdiStFB->text(), QStringLiteral("-150,00"));
    QCOMPARE(w->ComboKiLand->currentText(), QStringLiteral("Baden-Württemberg"));
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("9111"));
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 2,45 %"));
    QVERIFY(w->ChkPKV->isChecked());
    QCOMPARE(w->LabEdiPKV->text(), QStringLiteral("612,40"));
    QVERIFY(w->MenSVOst->isChecked() && !w->MenSVWest->isChecked());
    QVERIFY(w->MenPVSachsen->isChecked());
    QCOMPARE(w->LEdiKinderU25->text(), QStringLiteral("3"));
    // The child allowances set the childless switch; the stored switch is what counts.
    QVERIFY(!w->MenPflegeKinderlos->isChecked());
    QCOMPARE(w->fall().Rechtskreis, 0);
    // A stored additional rate is the user's own: it stays when the year changes.
    Fenster::waehle(w->ComboJahr, QStringLiteral("2024"));
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 2,45 %"));
  }

  // A file written by hand with one section, a comment and a foreign section: the missing keys
  // take their defaults, and a save keeps every line it does not own.
  void fremdeZeilenBleiben() {
    Fenster w;
    const QString datei = w.ordner.filePath(QStringLiteral("SalvaroOpt.ini"));
    schreibe(datei, "; von Hand\r\n[Drucker]\r\nName=Büro\r\n[sozvers]\r\nBEITRAGRUPPE=6500\r\n");
    w.neuStarten();
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("6500"));
    QCOMPARE(w->LEdiGebJahr->text(), QStringLiteral("1980"));
    QCOMPARE(w->LabEdiPKV->text(), QStringLiteral("350,00"));
    QVERIFY(w->MenSVWest->isChecked());
    QVERIFY(w->MenLoadMainOpts->isEnabled());

    w->LEdiStFB->clear();
    w->MenSaveMainOpts->trigger();
    const QByteArray neu = inhalt(datei);
    QVERIFY(neu.startsWith("; von Hand\r\n[Drucker]\r\nName=Büro\r\n[sozvers]\r\nBEITRAGRUPPE=6500\r\n"));
    QVERIFY(neu.contains("[Steuer]\r\nGeburtsjahr=1980\r\n"));
    QVERIFY(neu.contains("Steuerfreibetrag=0\r\n"));
    QCOMPARE(neu.count("Beitragruppe"), 0);
  }

  // A damaged file: 100,000 lines, bytes that are no text, a value of 100,000 characters. The
  // window starts, the unknown lines stay unread, the values that cannot be read take their
  // defaults and one message names them.
  void beschaedigteDatei() {
    Fenster w;
    QByteArray gross = "[Steuer]\r\n";
    const QByteArray muell("=\xff\x81\x00\r\n", 6);
    for (int i = 0; i < 100000; ++i) gross += "k" + QByteArray::number(i) + muell;
    gross += "Geburtsjahr=" + QByteArray(100000, '9') + "\r\n[SozVers]\r\nPKVJaNein=ja\r\n";
    schreibe(w.ordner.filePath(QStringLiteral("SalvaroOpt.ini")), gross);
    w.neuStarten();
    QCOMPARE(w->LEdiGebJahr->text(), QStringLiteral("1980"));
    QCOMPARE(w->OruEdiBGR->text(), QStringLiteral("1111"));
    QVERIFY(!w->ChkPKV->isChecked());
    QCOMPARE(w.plattform.texte(),
             (QStringList{QStringLiteral("Diese Einstellungen waren ungültig und wurden durch ihre "
                                         "Vorgaben ersetzt: Geburtsjahr, PKVJaNein"),
                          QStringLiteral("Hilfedatei nicht gefunden")}));
    QCOMPARE(w.plattform.nachrichten[0].art, Meldung::Art::Information);
    QVERIFY(w.zeigen());
  }

  // A file without the additional health rate, or with random bytes: the rate of the year shown,
  // as at a fresh start; December 2026 with 3,000 gross gives the net of 2.9 %. Loading from the
  // menu names a value it replaced once.
  void ohneZusatzbeitrag_data() {
    QTest::addColumn<QByteArray>("datei");
    QTest::newRow("ohne KVZusBeitrag") << QByteArray("[SozVers]\r\nBeitragruppe=1111\r\n");
    QByteArray zufall;
    quint32 x = 20261208;
    for (int i = 0; i < 4096; ++i) zufall += char((x = x * 1103515245u + 12345u) >> 24);
    QTest::newRow("Zufallsbytes") << zufall;
  }
  void ohneZusatzbeitrag() {
    QFETCH(QByteArray, datei);
    Fenster w;
    schreibe(w.ordner.filePath(QStringLiteral("SalvaroOpt.ini")), datei);
    w.neuStarten();
    Fenster::waehle(w->ComboJahr, QStringLiteral("2026"));
    Fenster::waehle(w->ComboMonat, QStringLiteral("Dezember"));
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 2,90 %"));
    Fenster::eingeben(w->LEdiBrutto, QStringLiteral("3000"));
    QCOMPARE(w->LEdiNetto->text(), QStringLiteral("2.028,05"));

    schreibe(w.ordner.filePath(QStringLiteral("SalvaroOpt.ini")),
             "[SozVers]\r\nKVZusBeitrag=+ x,90%\r\n");
    w.plattform.nachrichten.clear();
    w->MenLoadMainOpts->trigger();
    QCOMPARE(w->MEdiKVZus->text(), QStringLiteral("+ 2,90 %"));
    QCOMPARE(w.plattform.texte(),
             QStringList{QStringLiteral("Diese Einstellungen waren ungültig und wurden durch ihre "
                                        "Vorgaben ersetzt: KVZusBeitrag")});
  }

  // Loading from the menu brings back the stored inputs over changed ones, and the displays
  // follow the loaded legal area.
  void ladenAusDemMenue() {
    Fenster w;
    w->MenSVOst->trigger();
    w->MenSaveMainOpts->trigger();
    w->MenSVWest->trigger();
    w->LEdiGebJahr->setText(QStringLiteral("1999"));
    w.plattform.nachrichten.clear();
    w->MenLoadMainOpts->trigger();
    QVERIFY(w.plattform.nachrichten.isEmpty());
    QVERIFY(w->MenSVOst->isChecked());
    QCOMPARE(w->fall().Rechtskreis, 0);
    QCOMPARE(w->LEdiGebJahr->text(), QStringLiteral("1980"));
  }

  // Where the file cannot be written (here a directory has its name) the error is shown, the
  // confirmation is not, and the load command stays as it was.
  void nichtSchreibbar() {
    Fenster w;
    QVERIFY(QDir(w.ordner.path()).mkdir(QStringLiteral("SalvaroOpt.ini")));
    w.neuStarten();
    QVERIFY(!w->MenLoadMainOpts->isEnabled());
    w.plattform.nachrichten.clear();
    w->MenSaveMainOpts->trigger();
    QCOMPARE(w.plattform.nachrichten.size(), 1);
    QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Fehler);
    QVERIFY(!w.plattform.texte().contains(QStringLiteral("Die Einstellungen wurden gespeichert")));
    QVERIFY(!w->MenLoadMainOpts->isEnabled());
    QVERIFY(QFileInfo(w.ordner.filePath(QStringLiteral("SalvaroOpt.ini"))).isDir());
  }
};

QTEST_MAIN(EinstellungenTest)

#include "EinstellungenTest.moc"
