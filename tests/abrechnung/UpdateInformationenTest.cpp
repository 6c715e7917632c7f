#include "abrechnung/UpdateInformationen.h"

#include <gtest/gtest.h>

#include "abrechnung/Version.h"

namespace salvaro {
namespace {

using Art = UpdateAuswertung::Art;

TEST(UpdateInformationen, Readings) {
  struct Fall {
    const char* inhalt;
    Art art;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"Update-Informationen\nSalvaro 1.0.5.2\n", Art::Aktuell, "Aktuell ist kein Update verfügbar"},
      {"x\r\nSalvaro 1.0.5.3\r\n", Art::Update, "Im Internet liegt ein Update auf Version 1.0.5.3 vor"},
      {"x\nSalvaro 1.0.5.1\n", Art::Update, "Im Internet liegt ein Update auf Version 1.0.5.1 vor"},
      {"x\nSalvaro=1.0.5.3\nAnderes 2.0\nSalvaro 1.0.6.0", Art::Update,
       "Im Internet liegt ein Update auf Version 1.0.6.0 vor"},
      {"", Art::Fehler, "Fehler beim Prüfen der Update-Informationen"},
      {"Salvaro 9.9\n", Art::KeinEintrag, "Die Update-Informationen enthalten keinen Eintrag für Salvaro"},
      {"x\nAnderes 1.0\n", Art::KeinEintrag, "Die Update-Informationen enthalten keinen Eintrag für Salvaro"},
      {"x\nSalvaro", Art::KeinEintrag, "Die Update-Informationen enthalten keinen Eintrag für Salvaro"},
  };
  for (const Fall& f : faelle) {
    const UpdateAuswertung a = WerteUpdateInformationenAus(f.inhalt, "1.0.5.2");
    EXPECT_EQ(a.art, f.art) << f.inhalt;
    EXPECT_EQ(a.Meldung(), f.meldung) << f.inhalt;
  }
  EXPECT_EQ(kVersion, "1.0.5.2");
}

TEST(UpdateInformationen, OnlyTheFirst255LinesCount) {
  std::string inhalt = "kopf\n";
  for (int i = 0; i < 300; ++i) inhalt += "zeile\n";
  EXPECT_EQ(WerteUpdateInformationenAus(inhalt + "Salvaro 2.0\n", "1.0.5.2").art, Art::KeinEintrag);
  EXPECT_EQ(WerteUpdateInformationenAus(std::string(1 << 20, '\0'), "1.0.5.2").art, Art::KeinEintrag);
}

}  // namespace
}  // namespace salvaro
