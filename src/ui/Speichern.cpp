#include "ui/Speichern.h"

#include "ui/Plattform.h"
#include "ui/Text.h"

namespace salvaro {

bool SpeichereGewaehlteDatei(
    Plattform& plattform, QWidget* eltern, const std::string& pfad,
    const std::function<std::string(const std::string&, Schreibschutz)>& schreibe) {
  Schreibschutz schutz = Schreibschutz::Verweigern;
  if (IstSchreibgeschuetzt(pfad)) {
    if (!plattform.Frage(eltern, QStringLiteral("Die Datei \"") + QText(pfad) +
                                     QStringLiteral("\" ist schreibgeschützt.\nSoll sie trotzdem "
                                                    "ersetzt werden?")))
      return false;
    schutz = Schreibschutz::Ersetzen;
  }
  const std::string fehler = schreibe(pfad, schutz);
  if (fehler.empty()) return true;
  plattform.Nachricht(eltern, Meldung::Art::Fehler, QText(fehler));
  return false;
}

}  // namespace salvaro
