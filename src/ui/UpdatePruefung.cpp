#include "ui/UpdatePruefung.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>
#include <QTimer>
#include <memory>
#include <optional>
#include <string_view>

#include "abrechnung/UpdateInformationen.h"
#include "abrechnung/Version.h"
#include "ui/Text.h"

namespace salvaro {

namespace {

using Art = UpdateErgebnis::Art;

// Enough for a move of the site to https or to another host; a loop ends soon.
constexpr int kHoechstWeiterleitungen = 3;

// QDir::tempPath() is empty when the directory TMPDIR names does not exist.
QString temporaererOrdner() {
  const QString ordner = QDir::tempPath();
  return ordner.isEmpty() ? qEnvironmentVariable("TMPDIR") : ordner;
}

// The length the server announced for its answer.
std::optional<qint64> angekuendigteLaenge(const QNetworkReply& antwort) {
  bool gelesen = false;
  const qint64 laenge = antwort.rawHeader("Content-Length").trimmed().toLongLong(&gelesen);
  return gelesen ? std::optional(laenge) : std::nullopt;
}

UpdateErgebnis ergebnis(Art art, int httpStatus = 0, int netzFehler = 0) {
  QString text;
  switch (art) {
    case Art::NichtErreichbar:
      text = QStringLiteral("Der Update-Server ist nicht erreichbar.");
      break;
    case Art::Zeitueberschreitung:
      text = QStringLiteral("Der Update-Server antwortet nicht (Zeitüberschreitung).");
      break;
    case Art::HttpFehler:
      text = QStringLiteral("Der Update-Server meldet einen Fehler (HTTP %1).").arg(httpStatus);
      break;
    case Art::ZuGross:
      text = QStringLiteral("Die Update-Informationen sind zu groß.");
      break;
    case Art::Unterbrochen:
      text = QStringLiteral("Die Verbindung zum Update-Server wurde unterbrochen.");
      break;
    case Art::TlsFehler:
      text = QStringLiteral("Die sichere Verbindung zum Update-Server ist fehlgeschlagen (TLS).");
      break;
    case Art::Weiterleitung:
      text = QStringLiteral("Der Update-Server leitet die Anfrage zu oft oder unsicher weiter.");
      break;
    case Art::Dateifehler:
      text = QStringLiteral(
                 "Die Update-Informationen können nicht im temporären Ordner %1 abgelegt werden.")
                 .arg(QDir::toNativeSeparators(temporaererOrdner()));
      break;
    case Art::Abgebrochen:
      text = QStringLiteral("Die Prüfung auf Updates wurde abgebrochen.");
      break;
    case Art::Netzwerkfehler:
      text = QStringLiteral(
                 "Die Update-Informationen können nicht geladen werden "
                 "(Netzwerkfehler %1).")
                 .arg(netzFehler);
      break;
    default:
      break;
  }
  return {art, text};
}

Art artDerAuswertung(UpdateAuswertung::Art a) {
  switch (a) {
    case UpdateAuswertung::Art::Aktuell:
      return Art::Aktuell;
    case UpdateAuswertung::Art::Update:
      return Art::Update;
    case UpdateAuswertung::Art::KeinEintrag:
      return Art::KeinEintrag;
    case UpdateAuswertung::Art::Fehler:
    case UpdateAuswertung::Art::Unvollstaendig:
      break;
  }
  return Art::UngueltigeDatei;
}

// The failures Qt reports, as the user is told them; nothing for a transfer that succeeded.
std::optional<UpdateErgebnis> uebertragungsfehler(const QNetworkReply& antwort) {
  const QNetworkReply::NetworkError fehler = antwort.error();
  const QVariant status = antwort.attribute(QNetworkRequest::HttpStatusCodeAttribute);
  switch (fehler) {
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
      return ergebnis(Art::Weiterleitung);
    default:
      // A redirect that was not followed (to "ftp:" or "file:", or one too many) ends with its
      // own status: no error of the server.
      if (status.toInt() >= 300 && status.toInt() <= 399) return ergebnis(Art::Weiterleitung);
      break;
  }
  // The server's own answer says more than Qt's reading of it (404 is ContentNotFoundError).
  if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
    return ergebnis(Art::HttpFehler, status.toInt());
  switch (fehler) {
    case QNetworkReply::NoError:
      return std::nullopt;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
      return ergebnis(Art::NichtErreichbar);
    case QNetworkReply::TimeoutError:
      return ergebnis(Art::Zeitueberschreitung);
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::ProtocolFailure:
      return ergebnis(Art::Unterbrochen);
    case QNetworkReply::SslHandshakeFailedError:
      return ergebnis(Art::TlsFehler);
    case QNetworkReply::ProtocolUnknownError:
      // https without a TLS library.
      if (antwort.url().scheme() == QLatin1String("https")) return ergebnis(Art::TlsFehler);
      break;
    default:
      break;
  }
  return ergebnis(Art::Netzwerkfehler, 0, static_cast<int>(fehler));
}

}  // namespace

QUrl UpdateServer() {
  const QString gesetzt = qEnvironmentVariable(kUpdateServerVariable).trimmed();
  // Read tolerantly, so that a mistyped setting still shows as typed in the message.
  return QUrl(gesetzt.isEmpty() ? QString::fromLatin1(kSalvaroWebseite) : gesetzt);
}

UpdateErgebnis PruefeAufUpdate(const QUrl& server, std::chrono::milliseconds verbindungsFrist,
                               std::chrono::milliseconds gesamtFrist,
                               const UpdateAbbruch& abbruchAnmelden) {
  const QString schema = server.scheme().toLower();
  if (!server.isValid() || server.host().isEmpty() ||
      (schema != QLatin1String("http") && schema != QLatin1String("https")))
    return {Art::UngueltigeAdresse,
            QStringLiteral("Die Adresse des Update-Servers ist ungültig: %1")
                .arg(server.toDisplayString())};
  QUrl adresse =
      server.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::StripTrailingSlash);
  QString pfad = adresse.path();
  while (pfad.endsWith(u'/')) pfad.chop(1);
  adresse.setPath(pfad + u'/' + QLatin1String(kUpdateDatei));

  // Else the file would land in the root directory.
  if (QDir::tempPath().isEmpty()) return ergebnis(Art::Dateifehler);
  // The temporary directory may be shared: the copy gets a name of its own, created exclusively
  // (never through a link another user planted) and readable by this user only; it is removed
  // when the check ends, however it ends.
  QTemporaryFile datei(QDir::tempPath() + QStringLiteral("/OruUpdateInformationen-XXXXXX.txt"));
  if (!datei.open()) return ergebnis(Art::Dateifehler);

  QNetworkAccessManager netz;
  netz.setProxy(QNetworkProxy::NoProxy);
  // Qt follows http and https only, never from https down to http; a redirect to any other
  // scheme ends the transfer with the redirect's status (see uebertragungsfehler).
  netz.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
  QNetworkRequest anfrage(adresse);
  anfrage.setRawHeader("Accept", "text/html, */*");
  // Uncompressed: the size limit then bounds what is unpacked, too.
  anfrage.setRawHeader("Accept-Encoding", "identity");
  anfrage.setHeader(QNetworkRequest::UserAgentHeader,
                    QByteArray("Salvaro/") + QByteArray(kVersion.data(), kVersion.size()));
  anfrage.setMaximumRedirectsAllowed(kHoechstWeiterleitungen);
  anfrage.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
  anfrage.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
  anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

  QEventLoop warten;
  std::optional<UpdateErgebnis> abbruch;  // why the check stopped the transfer itself
  const std::unique_ptr<QNetworkReply> antwort(netz.get(anfrage));
  // Qt stops reading from the network while this much waits unread.
  antwort->setReadBufferSize(kUpdateHoechstgroesse);
  const auto abbrechen = [&](UpdateErgebnis grund) {
    if (abbruch) return;
    abbruch = std::move(grund);
    antwort->abort();
  };

  QTimer verbindungsUhr;
  verbindungsUhr.setSingleShot(true);
  QTimer gesamtUhr;
  gesamtUhr.setSingleShot(true);
  for (QTimer* uhr : {&verbindungsUhr, &gesamtUhr})
    QObject::connect(uhr, &QTimer::timeout, &warten,
                     [&] { abbrechen(ergebnis(Art::Zeitueberschreitung)); });
  // The request goes out once the connection (and its TLS handshake) stands.
  QObject::connect(antwort.get(), &QNetworkReply::requestSent, &verbindungsUhr, &QTimer::stop);
  QObject::connect(antwort.get(), &QNetworkReply::metaDataChanged, &warten, [&] {
    const QVariant status = antwort->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400)
      return abbrechen(ergebnis(Art::HttpFehler, status.toInt()));
    if (angekuendigteLaenge(*antwort).value_or(0) > kUpdateHoechstgroesse)
      abbrechen(ergebnis(Art::ZuGross));
  });
  qint64 empfangen = 0;
  const auto lesen = [&] {
    while (!abbruch && antwort->bytesAvailable() > 0) {
      const QByteArray stueck =
          antwort->read(qMin(antwort->bytesAvailable(), kUpdateHoechstgroesse + 1 - empfangen));
      empfangen += stueck.size();
      if (empfangen > kUpdateHoechstgroesse) return abbrechen(ergebnis(Art::ZuGross));
      if (datei.write(stueck) != stueck.size()) return abbrechen(ergebnis(Art::Dateifehler));
    }
  };
  QObject::connect(antwort.get(), &QNetworkReply::readyRead, &warten, lesen);
  QObject::connect(antwort.get(), &QNetworkReply::finished, &warten, &QEventLoop::quit);

  verbindungsUhr.start(verbindungsFrist);
  gesamtUhr.start(gesamtFrist);
  // From here the user may cancel; the function goes out of use when this returns.
  if (abbruchAnmelden) abbruchAnmelden([&] { abbrechen(ergebnis(Art::Abgebrochen)); });
  if (!antwort->isFinished()) warten.exec();
  // Left early when the whole application quits.
  if (!antwort->isFinished()) abbrechen(ergebnis(Art::Unterbrochen));
  lesen();  // what came with the end of the answer
  if (abbruch) return *abbruch;
  if (std::optional<UpdateErgebnis> f = uebertragungsfehler(*antwort)) return *f;
  // Qt takes a connection closed early for the end of the answer.
  if (empfangen < angekuendigteLaenge(*antwort).value_or(0)) return ergebnis(Art::Unterbrochen);
  if (!datei.flush() || !datei.seek(0)) return ergebnis(Art::Dateifehler);
  const QByteArray inhalt = datei.read(kUpdateHoechstgroesse);
  datei.remove();
  const UpdateAuswertung a = WerteUpdateInformationenAus(
      std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size())), kVersion);
  return {artDerAuswertung(a.art), QText(a.Meldung())};
}

}  // namespace salvaro
