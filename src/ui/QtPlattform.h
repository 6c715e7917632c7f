// The platform services through Qt's dialogs, the system clock and the desktop's file viewer.
#pragma once

#include "ui/Plattform.h"

namespace salvaro {

class QtPlattform : public Plattform {
 public:
  void Nachricht(QWidget* eltern, Meldung::Art art, const QString& text,
                 int hilfeKontext = 0) override;
  std::optional<QString> Speicherpfad(QWidget* eltern, const SpeicherDialog& dialog) override;
  void ZeigeModal(QDialog& fenster) override;
  Datum Heute() override;
  void HilfeEinrichten(const QString& datei) override { hilfedatei_ = datei; }
  bool Hilfe(int kontext) override;
  void Drucken(QWidget* eltern, const std::vector<std::string>& zeilen) override;

 private:
  QString hilfedatei_;
};

}  // namespace salvaro
