#include "abrechnung/Einstellungen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace salvaro {
namespace {

TEST(IniDatei, KeepsEveryOtherLineAndFindsKeysWithoutCase) {
  const std::string alt =
      "; Kommentar\r\n[fremd]\r\nx=1\r\n\r\n[SOZVERS]\r\nbeitragruppe=6500\r\n# noch einer\r\n";
  IniDatei d(alt);
  EXPECT_EQ(d.Lies("SozVers", "Beitragruppe"), "6500");
  EXPECT_EQ(d.Lies("sozvers", "BEITRAGRUPPE"), "6500");
  EXPECT_FALSE(d.Lies("Steuer", "Geburtsjahr"));
  EXPECT_FALSE(d.Lies("fremd", "Beitragruppe"));
  d.Schreibe("SozVers", "Beitragruppe", "1111");
  d.Schreibe("SozVers", "PPVJaNein", "1");
  d.Schreibe("Steuer", "Bundesland", "Thüringen");
  EXPECT_EQ(d.Bytes(),
            "; Kommentar\r\n[fremd]\r\nx=1\r\n\r\n[SOZVERS]\r\nbeitragruppe=1111\r\n# noch einer\r\n"
            "PPVJaNein=1\r\n[Steuer]\r\nBundesland=Th\xFCringen\r\n");
  EXPECT_EQ(IniDatei(d.Bytes()).Lies("Steuer", "Bundesland"), "Thüringen");
}

TEST(IniDatei, LineEndsAndOddFiles) {
  IniDatei lf("[A]\nk=v");
  lf.Schreibe("A", "n", "w");
  EXPECT_EQ(lf.Bytes(), "[A]\nk=v\nn=w");
  IniDatei leer;
  leer.Schreibe("A", "k", "v");
  EXPECT_EQ(leer.Bytes(), "[A]\r\nk=v\r\n");
  // A CR at the end of an unterminated last line belongs to the line, not to a line end.
  IniDatei cr("[A]\r\nk=v\r\n\r\r");
  cr.Schreibe("A", "k", "w");
  EXPECT_EQ(cr.Bytes(), "[A]\r\nk=w\r\n\r\r");
  // A key line of 100,000 characters and bytes the code page leaves unassigned survive.
  const std::string lang(100000, 'x');
  IniDatei d("[A]\r\nlang=" + lang + "\r\nroh=\x81\x8D\r\n");
  EXPECT_EQ(d.Lies("A", "lang")->size(), lang.size());
  d.Schreibe("A", "k", "v");
  EXPECT_NE(d.Bytes().find("roh=\x81\x8D\r\n"), std::string::npos);
}

TEST(Einstellungen, RoundTripOfEveryKey) {
  Eingaben e;
  e.StFB = "-150,00";
  e.KiFB = "1,5";
  e.Ost = true;
  e.ChkPKV = true;
  e.PVSachsen = true;
  e.KiLand = "Baden-Württemberg";
  e.KVZus = "+ 1,30%";
  e.U1Satz = "1,60";
  e.U2Satz = "0,44";
  e.ImVorjahrBeschaeftigt = false;
  e.PauschsteuerAG = e.Arbeitgeberseite = true;
  e.Einmalzahlung = "3000";  // an amount of the case: not kept
  IniDatei d;
  SpeichereEinstellungen(d, e);
  Eingaben geladen;
  LadeEinstellungen(IniDatei(d.Bytes()), geladen);
  EXPECT_EQ(geladen.U1Satz, "1,60");
  EXPECT_EQ(geladen.U2Satz, "0,44");
  EXPECT_FALSE(geladen.ImVorjahrBeschaeftigt);
  EXPECT_TRUE(geladen.PauschsteuerAG && geladen.Arbeitgeberseite);
  EXPECT_EQ(geladen.Einmalzahlung, "0,00");
  // A rate that is no rate gives its default and is named.
  Eingaben falsch;
  const GeladeneEinstellungen g =
      LadeEinstellungen(IniDatei("[SozVers]\r\nU1Satz=abc\r\nU2Satz=12\r\n"), falsch);
  EXPECT_EQ(falsch.U1Satz, "0,00");
  EXPECT_EQ(falsch.U2Satz, "0,00");
  EXPECT_EQ(g.ersetzt, (std::vector<std::string>{"U1Satz", "U2Satz"}));
  EXPECT_EQ(geladen.StFB, "-150,00");
  EXPECT_EQ(geladen.KiFB, "1,5");
  EXPECT_TRUE(geladen.Ost);
  EXPECT_TRUE(geladen.ChkPKV);
  EXPECT_TRUE(geladen.PVSachsen);
  EXPECT_FALSE(geladen.ChkPPV);
  EXPECT_EQ(geladen.KiLand, "Baden-Württemberg");
  EXPECT_EQ(geladen.KVZus, "+ 1,30%");
}

TEST(Einstellungen, DefaultsWrittenInTableOrder) {
  IniDatei d;
  SpeichereEinstellungen(d, Eingaben{});
  EXPECT_EQ(d.Bytes(),
            "[Steuer]\r\nGeburtsjahr=1980\r\nSteuerklasse=1\r\nFaktor=0\r\nKinderfreibetrag=0,0\r\n"
            "Steuerfreibetrag=0,00\r\nBundesland=Nordrhein-Westfalen\r\nPKVSteuerStatus=0\r\n"
            "[SozVers]\r\nBeitragruppe=1111\r\nPKVBetrag=350,00\r\nKVZusBeitrag=+ 1,60%\r\n"
            "PKVJaNein=0\r\nPPVBetrag=50,00\r\nPPVJaNein=0\r\nRechtskreisOst=0\r\nGleitzone=0\r\n"
            "VerzichtRVFreiheit=0\r\nPVErhoeht=0\r\nFrwTatsBrutto=0\r\nPVSachsen=0\r\n"
            "KinderUnter25=0\r\nU1Satz=0,00\r\nU2Satz=0,00\r\nImVorjahrBeschaeftigt=1\r\n"
            "PauschsteuerAG=0\r\nArbeitgeberseite=0\r\n");
  Eingaben e;
  e.StFB = "";
  IniDatei leer;
  SpeichereEinstellungen(leer, e);
  EXPECT_EQ(leer.Lies("Steuer", "Steuerfreibetrag"), "0");
}

TEST(Einstellungen, MissingKeysAndBooleansGiveDefaults) {
  Eingaben e;
  LadeEinstellungen(IniDatei("[SozVers]\nBeitragruppe=6500\nPPVJaNein=7\nPKVJaNein=ja\n"
                             "RechtskreisOst=0\nPVSachsen=\n"),
                    e);
  EXPECT_EQ(e.BGR, "6500");
  EXPECT_EQ(e.GebJahr, "1980");
  EXPECT_EQ(e.StFB, "0");
  EXPECT_TRUE(e.ChkPPV) << "an integer other than 0 is true";
  EXPECT_FALSE(e.ChkPKV) << "a non-numeric value gives the default";
  EXPECT_FALSE(e.Ost);
  EXPECT_FALSE(e.PVSachsen);
  EXPECT_EQ(e.KinderUnter25, "0") << "a file written before the key existed";
}

// A value its field would not hold as it stands gives the key's default and is named; a value it
// holds goes in (a state in the list's own spelling).
TEST(Einstellungen, UnreadableValuesGiveTheirDefaults) {
  struct Fall {
    const char* sektion;
    const char* schluessel;
    const char* wert;
    const char* geladen;  // as the key is written again
    bool ersetzt;
  };
  const Fall faelle[] = {
      {"Steuer", "Geburtsjahr", "19x0", "1980", true},
      {"Steuer", "Geburtsjahr", "", "1980", true},
      {"Steuer", "Geburtsjahr", "1965", "1965", false},
      {"Steuer", "Steuerklasse", "7", "1", true},
      {"Steuer", "Steuerklasse", "0", "1", true},
      {"Steuer", "Steuerklasse", "4", "4", false},
      {"Steuer", "Faktor", "1,5", "0", true},
      {"Steuer", "Faktor", "0,9555", "0", true},
      {"Steuer", "Faktor", "0,955", "0,955", false},
      {"Steuer", "Kinderfreibetrag", "zwei", "0,0", true},
      {"Steuer", "Kinderfreibetrag", "1,5", "1,5", false},
      {"Steuer", "Steuerfreibetrag", "12a", "0", true},
      {"Steuer", "Steuerfreibetrag", "-1.000.000,00", "-1.000.000,00", false},
      {"Steuer", "Bundesland", "Atlantis", "Nordrhein-Westfalen", true},
      {"Steuer", "Bundesland", "bayern", "Bayern", false},
      {"Steuer", "PKVSteuerStatus", "ja", "0", true},
      {"SozVers", "Beitragruppe", "111", "1111", true},
      {"SozVers", "Beitragruppe", "65o0", "1111", true},
      {"SozVers", "Beitragruppe", "6500", "6500", false},
      {"SozVers", "PKVBetrag", "350,0x", "350,00", true},
      {"SozVers", "PKVBetrag", "10000", "350,00", true},
      {"SozVers", "KVZusBeitrag", "+ 1,3%", "+ 2,90%", true},
      {"SozVers", "KVZusBeitrag", "\xFF\x81", "+ 2,90%", true},
      {"SozVers", "KVZusBeitrag", "+ 2,45%", "+ 2,45%", false},
      {"SozVers", "PPVBetrag", "-5", "50,00", true},
      {"SozVers", "PPVJaNein", "7", "1", false},
      {"SozVers", "KinderUnter25", "10", "0", true},
      {"SozVers", "KinderUnter25", "3", "3", false},
  };
  for (const Fall& f : faelle) {
    Eingaben e;
    e.Jahr = "2026";
    const GeladeneEinstellungen g = LadeEinstellungen(
        IniDatei(std::string("[") + f.sektion + "]\r\n" + f.schluessel + "=" + f.wert + "\r\n"), e);
    IniDatei wieder;
    SpeichereEinstellungen(wieder, e);
    EXPECT_EQ(wieder.Lies(f.sektion, f.schluessel), f.geladen) << f.schluessel << "=" << f.wert;
    EXPECT_EQ(g.ersetzt,
              f.ersetzt ? std::vector<std::string>{f.schluessel} : std::vector<std::string>{})
        << f.schluessel << "=" << f.wert;
    EXPECT_EQ(ErsetzteEinstellungenMeldung(g).has_value(), f.ersetzt);
  }

  Eingaben e;
  const GeladeneEinstellungen g =
      LadeEinstellungen(IniDatei("[Steuer]\nGeburtsjahr=19x0\nBundesland=Atlantis\n"), e);
  EXPECT_EQ(ErsetzteEinstellungenMeldung(g),
            "Diese Einstellungen waren ungültig und wurden durch ihre Vorgaben ersetzt: "
            "Geburtsjahr, Bundesland");
}

// Without a stored additional health rate the field has the default of the year shown, as at a
// fresh start; a stored one is the user's own.
TEST(Einstellungen, MissingAdditionalRateIsTheDefaultOfTheYear) {
  for (const auto& [jahr, vorgabe] :
       {std::pair{"2026", "+ 2,90%"}, {"2024", "+ 1,70%"}, {"2023", "+ 1,60%"}}) {
    Eingaben e;
    e.Jahr = jahr;
    EXPECT_FALSE(
        LadeEinstellungen(IniDatei("[SozVers]\r\nBeitragruppe=1111\r\n"), e).kvZusGespeichert);
    EXPECT_EQ(e.KVZus, vorgabe) << jahr;
  }
  Eingaben e;
  e.Jahr = "2026";
  EXPECT_TRUE(
      LadeEinstellungen(IniDatei("[SozVers]\r\nKVZusBeitrag=+ 1,60%\r\n"), e).kvZusGespeichert);
  EXPECT_EQ(e.KVZus, "+ 1,60%");
}

TEST(Einstellungen, OddFilesLoadAndFailedWritesKeepTheOldFile) {
  // 100,000 lines, invalid bytes and a line of 100,000 characters load without a fault; a value
  // that its field will not take gives the default.
  std::string gross = "[Steuer]\n";
  for (int i = 0; i < 100000; ++i) gross += "k" + std::to_string(i) + "=\xFF\x81\n";
  gross += "Steuerklasse=" + std::string(100000, '9') + "\n";
  Eingaben e;
  const GeladeneEinstellungen g = LadeEinstellungen(IniDatei(gross), e);
  EXPECT_EQ(e.StKl, "1");
  EXPECT_EQ(g.ersetzt, std::vector<std::string>{"Steuerklasse"});
  EXPECT_EQ(e.BGR, "1111");

  const auto dir = std::filesystem::temp_directory_path() /
                   ("salvaro-ini-fehler-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string datei = (dir / "SalvaroOpt.ini").string();
  IniDatei d;
  SpeichereEinstellungen(d, Eingaben{});
  ASSERT_EQ(SchreibeEinstellungsdatei(datei, d), "");
  const std::string vorher = d.Bytes();
  // A path below a file, and a path that is a directory: a German message, nothing changed.
  EXPECT_NE(SchreibeEinstellungsdatei(datei + "/SalvaroOpt.ini", d), "");
  EXPECT_NE(SchreibeEinstellungsdatei(dir.string(), d), "");
  std::ifstream f(datei, std::ios::binary);
  std::stringstream inhalt;
  inhalt << f.rdbuf();
  EXPECT_EQ(inhalt.str(), vorher);
  std::filesystem::remove_all(dir);
}

TEST(Einstellungen, WhereTheFileLives) {
  const auto dir = std::filesystem::temp_directory_path() / ("salvaro-ini-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  EXPECT_EQ(EinstellungsdateiZumSchreiben(dir.string()), (dir / "SalvaroOpt.ini").string());
  IniDatei d;
  SpeichereEinstellungen(d, Eingaben{});
  EXPECT_EQ(SchreibeEinstellungsdatei((dir / "SalvaroOpt.ini").string(), d), "");
  EXPECT_EQ(EinstellungsdateiZumLesen(dir.string()), (dir / "SalvaroOpt.ini").string());
  EXPECT_EQ(LiesEinstellungsdatei((dir / "SalvaroOpt.ini").string())->Lies("SozVers", "Beitragruppe"),
            "1111");
  EXPECT_FALSE(LiesEinstellungsdatei((dir / "fehlt.ini").string()));
  EXPECT_FALSE(LiesEinstellungsdatei(dir.string())) << "a directory is not a settings file";
  // A directory that cannot be written sends the file to the user's configuration directory.
  const std::string fremd = "/proc/salvaro-gibt-es-nicht";
  EXPECT_NE(EinstellungsdateiZumSchreiben(fremd), fremd + "/SalvaroOpt.ini");
  std::filesystem::remove_all(dir);
}

// An installed program keeps the file in the user's configuration directory, root's included; only
// a program started from a folder of the user's own keeps it beside itself. An older file at the
// other place is read until one is written where it belongs.
TEST(Einstellungen, BesideTheProgramOnlyInAFolderOfTheUsersOwn) {
  const auto basis = std::filesystem::temp_directory_path() / ("salvaro-ort-" + std::to_string(::getpid()));
  const auto eigen = basis / "eigen", fremd = basis / "fremd", konfig = basis / "konfig";
  std::filesystem::create_directories(eigen);
  std::filesystem::create_directories(fremd);
  const char* alt = std::getenv("XDG_CONFIG_HOME");
  const std::string vorher = alt ? alt : "";
  ::setenv("XDG_CONFIG_HOME", konfig.c_str(), 1);
  const std::string imKonfig = (konfig / "Salvaro" / "SalvaroOpt.ini").string();
  // A folder that belongs to someone else (only root can make one here).
  const bool fremdGemacht = ::chown(fremd.c_str(), 65534, 65534) == 0;
  struct Fall {
    std::string ordner;
    bool beimProgramm;
  };
  for (const Fall& f : {Fall{eigen.string(), true}, {eigen.string() + "/", true}, {"/usr/bin", false},
                        {"/usr/bin/", false}, {"/usr/local/bin", false}, {"/bin", false},
                        {"/opt/salvaro/bin", false}, {(basis / "fehlt").string(), false},
                        {fremd.string(), !fremdGemacht}}) {
    SCOPED_TRACE(f.ordner);
    EXPECT_EQ(EinstellungenBeimProgramm(f.ordner), f.beimProgramm);
    const std::string neben = (std::filesystem::path(f.ordner) / "SalvaroOpt.ini").string();
    EXPECT_EQ(EinstellungsdateiZumSchreiben(f.ordner), f.beimProgramm ? neben : imKonfig);
  }
  // Reading: the place of writing first, the other one while the first has no file.
  IniDatei d;
  SpeichereEinstellungen(d, Eingaben{});
  const std::string neben = (eigen / "SalvaroOpt.ini").string();
  EXPECT_EQ(EinstellungsdateiZumLesen(eigen.string()), neben);
  ASSERT_EQ(SchreibeEinstellungsdatei(imKonfig, d), "");
  EXPECT_EQ(EinstellungsdateiZumLesen(eigen.string()), imKonfig);
  ASSERT_EQ(SchreibeEinstellungsdatei(neben, d), "");
  EXPECT_EQ(EinstellungsdateiZumLesen(eigen.string()), neben);
  EXPECT_EQ(EinstellungsdateiZumLesen("/usr/bin"), imKonfig);
  if (vorher.empty())
    ::unsetenv("XDG_CONFIG_HOME");
  else
    ::setenv("XDG_CONFIG_HOME", vorher.c_str(), 1);
  std::filesystem::remove_all(basis);
}

}  // namespace
}  // namespace salvaro

namespace salvaro {
namespace {

// The month of birth is kept with the year of birth; a file without it is written as it was
// while none is given, and a value that is no month gives the default and is named.
TEST(Einstellungen, MonthOfBirthBesideTheYear) {
  struct Fall {
    const char* gespeichert;  // nullptr: no key
    const char* geladen;
    bool ersetzt;
  };
  for (const Fall& f : {Fall{nullptr, "", false},
                        {"3", "3", false},
                        {"März", "3", false},
                        {"", "", false},
                        {"13", "", true},
                        {"x", "", true}}) {
    IniDatei d;
    d.Schreibe("Steuer", "Geburtsjahr", "1960");
    if (f.gespeichert) d.Schreibe("Steuer", "Geburtsmonat", f.gespeichert);
    Eingaben e;
    const GeladeneEinstellungen g = LadeEinstellungen(d, e);
    EXPECT_EQ(e.GebMonat, f.geladen) << (f.gespeichert ? f.gespeichert : "-");
    EXPECT_EQ(!g.ersetzt.empty() && g.ersetzt[0] == "Geburtsmonat", f.ersetzt);
  }
  Eingaben e;
  IniDatei ohne;
  SpeichereEinstellungen(ohne, e);
  EXPECT_EQ(ohne.Bytes().find("Geburtsmonat"), std::string::npos);
  e.GebMonat = "3";
  IniDatei mit;
  SpeichereEinstellungen(mit, e);
  EXPECT_NE(mit.Bytes().find("Geburtsjahr=1980\r\nGeburtsmonat=3\r\n"), std::string::npos);
  Eingaben wieder;
  LadeEinstellungen(mit, wieder);
  EXPECT_EQ(wieder.GebMonat, "3");
}

}  // namespace
}  // namespace salvaro
