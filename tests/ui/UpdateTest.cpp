// The update check against a real HTTP server on 127.0.0.1, answering in this thread while the
// check waits in its local event loop; and the about box that starts it.
#include <sys/socket.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "Fenster.h"
#include "Wachhund.h"
#include "ui/About.h"
#include "ui/UpdatePruefung.h"

using namespace salvaro;
using namespace std::chrono_literals;
using Art = UpdateErgebnis::Art;

namespace {

// How the test server answers.
enum class Fall {
  Aktuell,         // our own version
  Aelter,          // another version
  Leer,            // an empty file
  OhneSchluessel,  // no line of this program
  Binaer,          // bytes that are no text
  NichtGefunden,   // 404
  Schweigt,        // takes the request and never answers
  ZehnMegabyte,    // 10 MB without a length, sent in slices
  LaengeZuGross,   // announces 10 MB, sends a little, then waits
  Zurueckgesetzt,  // resets the connection in the middle of the answer
  Geschlossen,     // closes the connection in the middle of the answer
  Weiterleitung,   // sends the client to another path, with a cookie
  Schleife,        // sends the client back to the same path, again and again
  KeinServer,      // nothing listens on the port
  KeinTls,         // answers a TLS handshake with plain HTTP
  FtpAdresse,      // the configured server is no http(s) address
};

const QByteArray kAktuell = "Update-Informationen\r\nSalvaro 1.0.5.2\r\n";
constexpr qint64 kZehnMegabyte = 10 * 1024 * 1024;

QByteArray antwort(int status, const QByteArray& inhalt, const QByteArray& kopf = {}) {
  const QByteArray grund = status == 200 ? "OK" : status == 404 ? "Not Found" : "Found";
  return "HTTP/1.1 " + QByteArray::number(status) + ' ' + grund +
         "\r\nContent-Length: " + QByteArray::number(inhalt.size()) + "\r\nConnection: close\r\n" +
         kopf + "\r\n" + inhalt;
}

class Testserver : public QObject {
 public:
  explicit Testserver(Fall fall) : fall_(fall) {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        auto puffer = std::make_shared<QByteArray>();
        connect(s, &QTcpSocket::readyRead, s, [this, s, puffer] {
          const bool neu = !puffer->contains("\r\n\r\n");
          *puffer += s->readAll();
          if (fall_ == Fall::KeinTls && !puffer->isEmpty()) {
            s->write(antwort(400, "kein TLS"));
            return s->disconnectFromHost();
          }
          if (neu && puffer->contains("\r\n\r\n")) {
            anfragen << puffer->left(puffer->indexOf("\r\n\r\n"));
            if (waehrend) waehrend();
            antworten(s, anfragen.back());
          }
        });
      }
    });
  }

  QUrl adresse(const char* schema = "http") const {
    return QUrl(
        QStringLiteral("%1://127.0.0.1:%2").arg(QLatin1String(schema)).arg(server_.serverPort()));
  }

  QList<QByteArray> anfragen;      // the request headers, in order
  qint64 gesendet = 0;             // bytes of the body sent in slices
  std::function<void()> waehrend;  // runs when a request arrives, while the check waits

 private:
  void antworten(QTcpSocket* s, const QByteArray& anfrage) {
    const QByteArray pfad = anfrage.split(' ').value(1);
    const bool richtig =
        pfad == "/OruUpdateInformationen.txt" || pfad == "/update/OruUpdateInformationen.txt";
    switch (fall_) {
      case Fall::Aktuell:
        s->write(richtig ? antwort(200, kAktuell) : antwort(404, {}));
        break;
      case Fall::Aelter:
        s->write(antwort(200, "Update-Informationen\nSalvaro 1.0.5.1\n"));
        break;
      case Fall::Leer:
        s->write(antwort(200, {}));
        break;
      case Fall::OhneSchluessel:
        s->write(antwort(200, "Update-Informationen\r\nLohnprogramm 3.1\r\n"));
        break;
      case Fall::Binaer: {
        QByteArray bytes(4096, '\0');
        for (int i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 37 + 11) % 256);
        s->write(antwort(200, bytes));
        break;
      }
      case Fall::NichtGefunden:
        s->write(antwort(404, "<html>nicht hier</html>"));
        break;
      case Fall::Schweigt:
        return;
      case Fall::ZehnMegabyte: {
        s->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
        auto* takt = new QTimer(s);
        connect(takt, &QTimer::timeout, s, [this, s] {
          if (s->state() != QAbstractSocket::ConnectedState) return;
          gesendet += s->write(QByteArray(16 * 1024, 'x'));
          if (gesendet >= kZehnMegabyte) s->disconnectFromHost();
        });
        takt->start(5);
        return;
      }
      case Fall::LaengeZuGross:
        s->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(kZehnMegabyte) +
                 "\r\n\r\n" + QByteArray(1000, 'x'));
        return;
      case Fall::Zurueckgesetzt:
      case Fall::Geschlossen:
        s->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + kAktuell);
        QTimer::singleShot(100, s, [this, s] {
          if (fall_ == Fall::Geschlossen) return s->disconnectFromHost();
          // Closing with a zero linger time sends a reset instead of the orderly end.
          const linger sofort{1, 0};
          ::setsockopt(static_cast<int>(s->socketDescriptor()), SOL_SOCKET, SO_LINGER, &sofort,
                       sizeof sofort);
          s->abort();
        });
        return;
      case Fall::Weiterleitung:
        if (pfad == "/neu/OruUpdateInformationen.txt")
          s->write(antwort(200, kAktuell));
        else
          s->write(antwort(302, {},
                           "Location: /neu/OruUpdateInformationen.txt\r\n"
                           "Set-Cookie: sitzung=4711; Path=/\r\n"));
        break;
      case Fall::Schleife:
        s->write(antwort(302, {}, "Location: /OruUpdateInformationen.txt\r\n"));
        break;
      case Fall::KeinServer:
      case Fall::KeinTls:
      case Fall::FtpAdresse:
        return;
    }
    s->disconnectFromHost();
  }

  Fall fall_;
  QTcpServer server_;
};

// An address where nothing listens.
QUrl freieAdresse() {
  QTcpServer t;
  t.listen(QHostAddress::LocalHost, 0);
  const quint16 port = t.serverPort();
  t.close();
  return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
}

}  // namespace

Q_DECLARE_METATYPE(Fall)
Q_DECLARE_METATYPE(UpdateErgebnis::Art)

class UpdateTest : public QObject {
  Q_OBJECT

  Wachhund wachhund_;
  QTemporaryDir temp_;

  // Every check leaves the temporary directory as it found it: empty.
  QStringList tempInhalt() const {
    return QDir(QDir::tempPath())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  }

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    qputenv("TMPDIR", QFile::encodeName(temp_.path()));
    QCOMPARE(QDir::tempPath(), QDir(temp_.path()).canonicalPath());
    qunsetenv(kUpdateServerVariable);
  }
  void cleanup() {
    wachhund_.pruefen();
    QCOMPARE(tempInhalt(), QStringList());
  }

  void pruefung_data() {
    QTest::addColumn<Fall>("fall");
    QTest::addColumn<QString>("pfad");  // appended to the server address
    QTest::addColumn<Art>("art");
    QTest::addColumn<QString>("meldung");
    const QString aktuell = QStringLiteral("Aktuell ist kein Update verfügbar");
    const QString keinEintrag =
        QStringLiteral("Die Update-Informationen enthalten keinen Eintrag für Salvaro");
    const QString unterbrochen =
        QStringLiteral("Die Verbindung zum Update-Server wurde unterbrochen.");
    QTest::newRow("aktuell") << Fall::Aktuell << QString() << Art::Aktuell << aktuell;
    QTest::newRow("Server in einem Ordner")
        << Fall::Aktuell << QStringLiteral("/update/") << Art::Aktuell << aktuell;
    QTest::newRow("ältere Version")
        << Fall::Aelter << QString() << Art::Update
        << QStringLiteral("Im Internet liegt ein Update auf Version 1.0.5.1 vor");
    QTest::newRow("leer") << Fall::Leer << QString() << Art::UngueltigeDatei
                          << QStringLiteral("Fehler beim Prüfen der Update-Informationen");
    QTest::newRow("ohne Schlüssel")
        << Fall::OhneSchluessel << QString() << Art::KeinEintrag << keinEintrag;
    QTest::newRow("binär") << Fall::Binaer << QString() << Art::KeinEintrag << keinEintrag;
    QTest::newRow("404") << Fall::NichtGefunden << QString() << Art::HttpFehler
                         << QStringLiteral("Der Update-Server meldet einen Fehler (HTTP 404).");
    QTest::newRow("Server schweigt")
        << Fall::Schweigt << QString() << Art::Zeitueberschreitung
        << QStringLiteral("Der Update-Server antwortet nicht (Zeitüberschreitung).");
    QTest::newRow("10 MB") << Fall::ZehnMegabyte << QString() << Art::ZuGross
                           << QStringLiteral("Die Update-Informationen sind zu groß.");
    QTest::newRow("Länge 10 MB") << Fall::LaengeZuGross << QString() << Art::ZuGross
                                 << QStringLiteral("Die Update-Informationen sind zu groß.");
    QTest::newRow("zurückgesetzt")
        << Fall::Zurueckgesetzt << QString() << Art::Unterbrochen << unterbrochen;
    QTest::newRow("geschlossen") << Fall::Geschlossen << QString() << Art::Unterbrochen
                                 << unterbrochen;
    QTest::newRow("Weiterleitung") << Fall::Weiterleitung << QString() << Art::Aktuell << aktuell;
    QTest::newRow("Weiterleitung im Kreis")
        << Fall::Schleife << QString() << Art::Weiterleitung
        << QStringLiteral("Der Update-Server leitet die Anfrage zu oft oder unsicher weiter.");
    QTest::newRow("kein Server") << Fall::KeinServer << QString() << Art::NichtErreichbar
                                 << QStringLiteral("Der Update-Server ist nicht erreichbar.");
    QTest::newRow("ftp") << Fall::FtpAdresse << QString() << Art::UngueltigeAdresse
                         << QStringLiteral(
                                "Die Adresse des Update-Servers ist ungültig: "
                                "ftp://127.0.0.1");
  }
  void pruefung() {
    QFETCH(Fall, fall);
    QFETCH(QString, pfad);
    QFETCH(Art, art);
    QFETCH(QString, meldung);
    Testserver server(fall);
    QUrl adresse = fall == Fall::KeinServer ? freieAdresse() : server.adresse();
    if (fall == Fall::FtpAdresse) {
      adresse.setScheme(QStringLiteral("ftp"));
      adresse.setPort(-1);
    }
    adresse.setPath(pfad);
    QElapsedTimer uhr;
    uhr.start();
    const UpdateErgebnis e = PruefeAufUpdate(adresse, 1s, 2s);
    const qint64 dauer = uhr.elapsed();
    QCOMPARE(e.meldung, meldung);
    QCOMPARE(e.art, art);
    QVERIFY2(dauer < 3500, qPrintable(QString::number(dauer)));
    if (fall == Fall::Schweigt)
      // The connection stood: the total time-out ended it, not the one for connecting.
      QVERIFY2(dauer >= 1500, qPrintable(QString::number(dauer)));
    if (fall == Fall::ZehnMegabyte)
      QVERIFY2(server.gesendet < 2 * 1024 * 1024, qPrintable(QString::number(server.gesendet)));
    if (!server.anfragen.isEmpty()) {
      const QByteArray& erste = server.anfragen.front();
      QVERIFY(erste.startsWith("GET " + pfad.toLatin1().chopped(pfad.isEmpty() ? 0 : 1) +
                               "/OruUpdateInformationen.txt HTTP/1.1\r\n"));
      QVERIFY(erste.contains("\r\nAccept: text/html, */*\r\n"));
    }
    if (fall == Fall::Weiterleitung) {
      // Followed once; the cookie the server set is not kept.
      QCOMPARE(server.anfragen.size(), 2);
      QVERIFY(!server.anfragen.back().toLower().contains("cookie"));
    }
  }

  // A TLS handshake that stalls is bounded by the connect time-out; a server that speaks no TLS
  // is a TLS failure.
  void tls() {
    if (!QSslSocket::supportsSsl()) QSKIP("keine TLS-Bibliothek");
    Testserver schweigt(Fall::Schweigt);
    QElapsedTimer uhr;
    uhr.start();
    UpdateErgebnis e = PruefeAufUpdate(schweigt.adresse("https"), 1s, 5s);
    QCOMPARE(e.art, Art::Zeitueberschreitung);
    QVERIFY2(uhr.elapsed() < 3000, qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(tempInhalt(), QStringList());

    Testserver klartext(Fall::KeinTls);
    e = PruefeAufUpdate(klartext.adresse("https"), 1s, 2s);
    QCOMPARE(e.art, Art::TlsFehler);
    QCOMPARE(e.meldung,
             QStringLiteral("Die sichere Verbindung zum Update-Server ist fehlgeschlagen (TLS)."));
  }

  // The name in the temporary directory is fixed and foreseeable: whatever lies there is
  // replaced, never written through, and gone afterwards.
  void vorhandeneDatei() {
    // Outside the temporary directory of the check.
    QTemporaryDir anderswo(temp_.path() + QStringLiteral("-anderswo-XXXXXX"));
    const QString fremd = anderswo.filePath(QStringLiteral("fremd.txt"));
    QFile f(fremd);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("nicht überschreiben");
    f.close();
    const QString pfad = QDir::tempPath() + QStringLiteral("/OruUpdateInformationen.txt");
    Testserver server(Fall::Aelter);
    for (bool verweis : {true, false}) {
      QVERIFY(verweis ? QFile::link(fremd, pfad) : QFile::copy(fremd, pfad));
      const UpdateErgebnis e = PruefeAufUpdate(server.adresse(), 1s, 2s);
      QCOMPARE(e.art, Art::Update);
      QCOMPARE(tempInhalt(), QStringList());
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), QByteArray("nicht überschreiben"));
      f.close();
    }
  }

  // A temporary directory that cannot be written is said as such.
  void ohneTempOrdner() {
    const QByteArray vorher = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp_.filePath(QStringLiteral("fehlt"))));
    Testserver server(Fall::Aktuell);
    const UpdateErgebnis e = PruefeAufUpdate(server.adresse(), 1s, 2s);
    qputenv("TMPDIR", vorher);
    QCOMPARE(e.art, Art::Dateifehler);
    QVERIFY(e.meldung.startsWith(
        QStringLiteral("Die Update-Informationen können nicht im temporären Ordner ")));
    QVERIFY(server.anfragen.isEmpty());
  }

  void server() {
    QCOMPARE(UpdateServer(), QUrl(QStringLiteral("https://www.salvaro.de")));
    qputenv(kUpdateServerVariable, "http://127.0.0.1:8080/salvaro");
    QCOMPARE(UpdateServer(), QUrl(QStringLiteral("http://127.0.0.1:8080/salvaro")));
    // Without a scheme: said as typed.
    qputenv(kUpdateServerVariable, "www.salvaro.de");
    QCOMPARE(PruefeAufUpdate(UpdateServer()).meldung,
             QStringLiteral("Die Adresse des Update-Servers ist ungültig: www.salvaro.de"));
    qunsetenv(kUpdateServerVariable);
  }

  void infoFenster() {
    Fenster w;  // without a help file
    w.plattform.nachrichten.clear();
    w->MenAboutClick();
    TAboutBox* box = w->AboutBox;
    QCOMPARE(w.plattform.modal, QList<QDialog*>{box});
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), QStringLiteral("Info"));
    QCOMPARE(box->ProductName->text(), QStringLiteral("Salvaro    Version 1.0.5.2"));
    QCOMPARE(box->Version->text(), QStringLiteral("© 2004-2026 Salvaro"));
    QCOMPARE(box->Copyright->text(), QStringLiteral("https://www.salvaro.de"));
    QCOMPARE(box->minimumSize(), box->maximumSize());

    QTest::mouseClick(box->Copyright, Qt::LeftButton);
    QCOMPARE(w.plattform.adressen, QList<QUrl>{QUrl(QStringLiteral("https://www.salvaro.de"))});
    QVERIFY(w.plattform.nachrichten.isEmpty());
    w.plattform.adresseOeffnet = false;
    QTest::mouseClick(box->Copyright, Qt::LeftButton);
    QCOMPARE(w.plattform.texte(),
             QStringList{
                 QStringLiteral("Die Adresse https://www.salvaro.de kann nicht geöffnet werden.")});
    w.plattform.nachrichten.clear();

    QTest::mouseClick(box->BtnHilfe, Qt::LeftButton);
    QCOMPARE(w.plattform.texte(), QStringList{QStringLiteral("Hilfedatei nicht vorhanden")});
    QVERIFY(w.plattform.hilfeAufrufe.isEmpty());
    w.plattform.nachrichten.clear();

    // While the check waits the box keeps its buttons disabled and cannot be closed; a second
    // click starts nothing.
    Testserver server(Fall::Aelter);
    qputenv(kUpdateServerVariable, server.adresse().toEncoded());
    QList<bool> bedienbar;
    server.waehrend = [&] {
      for (QPushButton* b : {box->OKButton, box->BtnUpdate, box->BtnHilfe})
        bedienbar << b->isEnabled();
      QTest::mouseClick(box->BtnUpdate, Qt::LeftButton);
      QTest::keyClick(box, Qt::Key_Escape);
      box->close();
      bedienbar << box->isVisible();
    };
    QTest::mouseClick(box->BtnUpdate, Qt::LeftButton);
    qunsetenv(kUpdateServerVariable);
    QCOMPARE(server.anfragen.size(), 1);
    QCOMPARE(bedienbar, (QList<bool>{false, false, false, true}));
    QCOMPARE(w.plattform.nachrichten.size(), 1);
    QCOMPARE(w.plattform.nachrichten.front().art, Meldung::Art::Hinweis);
    QCOMPARE(w.plattform.nachrichten.front().text,
             QStringLiteral("Im Internet liegt ein Update auf Version 1.0.5.1 vor"));
    QVERIFY(box->BtnUpdate->isEnabled() && box->OKButton->isEnabled() &&
            box->BtnHilfe->isEnabled());
    QVERIFY(box->isVisible());
    QTest::mouseClick(box->OKButton, Qt::LeftButton);
    QVERIFY(!box->isVisible());
    QCOMPARE(box->result(), int(QDialog::Accepted));
  }

  // A check waiting on a silent server shows that it runs and ends at once when it is
  // cancelled: no message, no file left behind (see cleanup), the box ready again.
  void abbrechen() {
    Testserver direkt(Fall::Schweigt);
    std::function<void()> abbrechen;
    direkt.waehrend = [&] { abbrechen(); };
    QElapsedTimer uhr;
    uhr.start();
    const UpdateErgebnis e =
        PruefeAufUpdate(direkt.adresse(), 5s, 10s, [&](std::function<void()> f) { abbrechen = f; });
    QCOMPARE(e.art, Art::Abgebrochen);
    QCOMPARE(e.meldung, QStringLiteral("Die Prüfung auf Updates wurde abgebrochen."));
    QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));

    Fenster w;
    w.plattform.nachrichten.clear();
    w->MenAboutClick();
    TAboutBox* box = w->AboutBox;
    QVERIFY(box->PnlPruefung->isHidden());
    Testserver server(Fall::Schweigt);
    qputenv(kUpdateServerVariable, server.adresse().toEncoded());
    QList<bool> zustand;
    server.waehrend = [&] {
      zustand << box->PnlPruefung->isVisible() << box->BtnAbbrechen->isEnabled()
              << box->BtnUpdate->isEnabled() << box->pruefungLaeuft();
      QTest::mouseClick(box->BtnAbbrechen, Qt::LeftButton);
    };
    uhr.restart();
    QTest::mouseClick(box->BtnUpdate, Qt::LeftButton);
    qunsetenv(kUpdateServerVariable);
    QVERIFY2(uhr.elapsed() < 2000, qPrintable(QString::number(uhr.elapsed())));
    QCOMPARE(zustand, (QList<bool>{true, true, false, true}));
    QVERIFY(w.plattform.nachrichten.isEmpty());
    QVERIFY(!box->pruefungLaeuft() && box->PnlPruefung->isHidden());
    QVERIFY(box->BtnUpdate->isEnabled() && box->OKButton->isEnabled() && box->isVisible());
  }

  void infoFensterHilfe() {
    Fenster w(true);
    w->MenAboutClick();
    QTest::mouseClick(w->AboutBox->BtnHilfe, Qt::LeftButton);
    QCOMPARE(w.plattform.hilfeAufrufe, QList<int>{1001});
  }
};

QTEST_MAIN(UpdateTest)
#include "UpdateTest.moc"
