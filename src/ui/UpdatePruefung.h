// The update check: fetches the update-information file from the maker's server, bounded in time
// and size, and says in German what it found or why it found nothing. The window stays responsive
// meanwhile: the check waits in a local event loop on the UI thread.
#pragma once

#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <chrono>
#include <functional>

namespace salvaro {

// The maker's web site; it also serves the update information.
inline constexpr char kSalvaroWebseite[] = "https://www.salvaro.de";
// Lets an administrator (or a test) point the check at another server.
inline constexpr char kUpdateServerVariable[] = "SALVARO_UPDATE_SERVER";
// The file on the server (its copy in the temporary directory gets a name of its own).
inline constexpr char kUpdateDatei[] = "OruUpdateInformationen.txt";
// The real file has fewer than 256 short lines; anything larger is not an update information.
inline constexpr qint64 kUpdateHoechstgroesse = 64 * 1024;

struct UpdateErgebnis {
  enum class Art {
    Aktuell,              // our own version is offered
    Update,               // another version is offered
    KeinEintrag,          // the file has no line for this program
    UngueltigeDatei,      // the file is empty, or its line of this program has no version
    NichtErreichbar,      // refused, host unknown, no network
    Zeitueberschreitung,  // no connection or no complete answer in time
    HttpFehler,           // the server answered with an error status
    ZuGross,              // more than kUpdateHoechstgroesse
    Unterbrochen,         // the connection broke off in the middle of the answer
    TlsFehler,            // no secure connection
    Weiterleitung,        // too many redirects, or one to a less secure address
    UngueltigeAdresse,    // the configured server is no http(s) address
    Dateifehler,          // the temporary file cannot be written
    Netzwerkfehler,       // any other failure of the transfer
    Abgebrochen,          // the user cancelled the check
  };
  Art art = Art::Netzwerkfehler;
  QString meldung;  // what the user is told
};

// The server of the update check: SALVARO_UPDATE_SERVER when set, otherwise the maker's site.
QUrl UpdateServer();

// Connecting (the TLS handshake included) and the whole check are bounded by these.
inline constexpr std::chrono::seconds kUpdateVerbindungsFrist{5};
inline constexpr std::chrono::seconds kUpdateGesamtFrist{15};

// Receives, once the request is under way, the function that cancels the check; it may be
// called from the user interface while the check waits, until PruefeAufUpdate returns.
using UpdateAbbruch = std::function<void(std::function<void()> abbrechen)>;

// Fetches "/OruUpdateInformationen.txt" below the server address and evaluates it against this
// program's version. verbindungsFrist bounds connecting (TLS handshake included), gesamtFrist
// the whole check; the temporary copy of the file is removed before this returns, also when
// the check was cancelled.
UpdateErgebnis PruefeAufUpdate(const QUrl& server,
                               std::chrono::milliseconds verbindungsFrist = kUpdateVerbindungsFrist,
                               std::chrono::milliseconds gesamtFrist = kUpdateGesamtFrist,
                               const UpdateAbbruch& abbruchAnmelden = {});

}  // namespace salvaro
