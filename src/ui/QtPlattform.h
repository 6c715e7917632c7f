// The platform services through Qt's dialogs, the system clock and the desktop's file viewer.
#pragma once

#include <QPointer>

#include "ui/Hilfe.h"
#include "ui/Plattform.h"

namespace salvaro {

class QtPlattform : public Plattform {
 public:
  ~QtPlattform() override;
  void Nachricht(QWidget* eltern, Meldung::Art art, const QString& text,
                 int hilfeKontext = 0) override;
  bool Frage(QWidget* eltern, const QString& text) override;
  std::optional<QString> Speicherpfad(QWidget* eltern, const SpeicherDialog& dialog) override;
  void ZeigeModal(QDialog& fenster) override;
  Datum Heute() override;
  void HilfeEinrichten(const QString& datei) override { hilfedatei_ = datei; }
  bool Hilfe(int kontext) override;
  bool OeffneAdresse(QWidget* eltern, const QUrl& adresse) override;
  void Drucken(QWidget* eltern, const std::vector<std::string>& zeilen) override;

 private:
  QString hilfedatei_;
  // The help window belongs to the modal window open when help was asked for (else to no
  // window): a window outside the modal one would not take input until that one closes.
  QPointer<THilfeFenster> hilfeFenster_;
  QWidget* hilfeEltern_ = nullptr;
};

}  // namespace salvaro
