// The platform of the tests: it records every message, dialog, help and print request and
// answers with what the test prepared, so that no test waits on a dialog or reads the clock.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>
#include <string>
#include <vector>

#include "ui/Plattform.h"

namespace salvaro {

class FakePlattform : public Plattform {
 public:
  struct Eintrag {
    Meldung::Art art;
    QString text;
    int hilfeKontext;
  };

  QList<Eintrag> nachrichten;
  QList<SpeicherDialog> speicherDialoge;
  std::optional<QString> speicherAntwort;  // the path the save dialog answers, or cancel
  QStringList fragen;                      // the questions asked
  bool frageAntwort = true;                // Ja or Nein
  QList<QDialog*> modal;
  Datum heute{2026, 12, 7};
  QString hilfedatei;
  QList<int> hilfeAufrufe;
  bool hilfeOeffnet = true;
  QList<QUrl> adressen;  // the web addresses opened
  bool adresseOeffnet = true;
  QList<std::vector<std::string>> drucke;

  void Nachricht(QWidget*, Meldung::Art art, const QString& text, int hilfeKontext) override {
    nachrichten.append({art, text, hilfeKontext});
  }
  bool Frage(QWidget*, const QString& text) override {
    fragen.append(text);
    return frageAntwort;
  }
  std::optional<QString> Speicherpfad(QWidget*, const SpeicherDialog& dialog) override {
    speicherDialoge.append(dialog);
    return speicherAntwort;
  }
  // Shown without a modal loop, so that the test can work with the window.
  void ZeigeModal(QDialog& fenster) override {
    modal.append(&fenster);
    fenster.show();
  }
  Datum Heute() override { return heute; }
  void HilfeEinrichten(const QString& datei) override { hilfedatei = datei; }
  bool Hilfe(int kontext) override {
    hilfeAufrufe.append(kontext);
    return hilfeOeffnet;
  }
  bool OeffneAdresse(QWidget*, const QUrl& adresse) override {
    adressen.append(adresse);
    return adresseOeffnet;
  }
  void Drucken(QWidget*, const std::vector<std::string>& zeilen) override { drucke.append(zeilen); }

  QStringList texte() const {
    QStringList t;
    for (const auto& n : nachrichten) t << n.text;
    return t;
  }
};

}  // namespace salvaro
