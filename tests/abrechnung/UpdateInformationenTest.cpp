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

// Only a line that starts with the key, one separator and a version of digits and points counts:
// what a web page or a broken file holds is never shown as a version.
TEST(UpdateInformationen, OnlyAVersionIsShown) {
  struct Fall {
    std::string inhalt;
    Art art;
    const char* version;
  };
  const char* const html =
      "<!DOCTYPE html>\n<html><head><title>Salvaro Downloads</title></head>\n"
      "<body>Salvaro 9.9 finden Sie hier</body></html>\n";
  for (const Fall& f : {
           Fall{html, Art::KeinEintrag, ""},
           {"x\nSalvaro " + std::string(10000, '9'), Art::Unvollstaendig, ""},
           {"x\nSalvaro 1.0.\xFF\xFE", Art::Unvollstaendig, ""},
           {"x\nSalvaro 1..0", Art::Unvollstaendig, ""},
           {"x\nSalvaro .1", Art::Unvollstaendig, ""},
           {"x\nSalvaro 1.0.5.3 beta", Art::Unvollstaendig, ""},
           {"x\nSalvaroPro 2.0\n", Art::KeinEintrag, ""},
           {"x\n Salvaro 2.0\n", Art::KeinEintrag, ""},
           {"x\nSalvaro\t1.0.6 \r\n", Art::Update, "1.0.6"},
           {"x\nSalvaro:" + std::string(32, '1'), Art::Update, nullptr},
           {"x\nSalvaro " + std::string(33, '1'), Art::Unvollstaendig, ""},
           // The last line with a version counts; one without stays out.
           {"x\nSalvaro 1.0.5.3\nSalvaro kaputt\n", Art::Update, "1.0.5.3"},
       }) {
    SCOPED_TRACE(f.inhalt.substr(0, 40));
    const UpdateAuswertung a = WerteUpdateInformationenAus(f.inhalt, "1.0.5.2");
    EXPECT_EQ(a.art, f.art);
    if (f.version) {
      EXPECT_EQ(a.version, f.version);
    }
    if (f.art == Art::Unvollstaendig) {
      EXPECT_EQ(a.Meldung(), "Die Update-Informationen sind unvollständig");
    }
  }
}

}  // namespace
}  // namespace salvaro
