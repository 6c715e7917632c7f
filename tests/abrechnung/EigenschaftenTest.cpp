// Properties of the calculation over random inputs within the window's bounds, for every year,
// month and contribution group the window offers (a fixed seed, so a failure can be repeated).
#include <gtest/gtest.h>

#include <random>

#include "Hilfe.h"
#include "abrechnung/Berechnung.h"
#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"

namespace salvaro {
namespace {

using namespace literale;

const Datum kHeute{2026, 12, 7};
constexpr const char* kGruppen[] = {"1111", "3111", "1112", "9111", "0110", "6500", "6100", "0500"};

class Zufall {
 public:
  explicit Zufall(unsigned saat) : g_(saat) {}
  int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g_); }
  bool ja(int prozent = 50) { return zahl(1, 100) <= prozent; }
  Money cent(std::int64_t von, std::int64_t bis) {
    return Money::cent(std::uniform_int_distribution<std::int64_t>(von, bis)(g_));
  }

 private:
  std::mt19937 g_;
};

Eingaben zufaellig(Zufall& z, int jahr, int monat, const char* bgr) {
  Eingaben e;
  e.Jahr = std::to_string(jahr);
  e.MonatNr = monat;
  e.Monat = std::string(kMonatsnamen[monat - 1]);
  e.BGR = bgr;
  e.StKl = std::to_string(z.zahl(1, 6));
  if (e.StKl == "4" && z.ja(30)) e.Faktor = "0," + std::to_string(z.zahl(500, 999));
  e.KiFB = SchlichterText(Money::runde(Ext(z.zahl(0, 10)) / 2));
  e.KinderUnter25 = std::to_string(z.zahl(0, 5));
  e.StFB = SchlichterText(z.ja(20) ? z.cent(-50000, 50000) : Money());
  e.KiLand = std::string(kKiStLaender[z.zahl(0, 18)]);
  e.GebJahr = std::to_string(z.zahl(1935, 2008));
  e.KV = jahr == 2009 || jahr == 2010 ? "14,00%" : "14,60%";
  e.KVZus = jahr >= 2015 ? "+ " + FormatBild(z.cent(0, 300), 2, false) + "%" : "+ 0,90%";
  e.ChkPKV = z.ja(10);
  e.ChkPPV = z.ja(10);
  e.PKV = SchlichterText(z.cent(0, 99900));
  e.PPV = SchlichterText(z.cent(0, 20000));
  e.PKVOhneZuschuss = z.ja(5);
  e.Ost = z.ja(30);
  e.BesondereTabelle = z.ja(10);
  e.OhneUebergangsbereich = z.ja(10);
  e.RVVerzicht = z.ja(10);
  e.PVNichtErhoeht = z.ja(30);
  e.FrwTatsBrutto = z.ja(10);
  e.PVSachsen = z.ja(10);
  // Mostly ordinary pay, now and then the marginal range, the zone or beyond the ceilings.
  const int art = z.zahl(1, 10);
  e.Brutto = SchlichterText(art <= 2   ? z.cent(0, 70000)
                            : art <= 8 ? z.cent(70000, 800000)
                                       : z.cent(800000, 5000000));
  return e;
}

TEST(Eigenschaften, EveryPeriodAndGroupCalculatesPlausibly) {
  Zufall z(20261207);
  TLohnGehalt fall;
  int faelle = 0;
  for (int jahr = ErstesRechenjahr(); jahr <= LetztesRechenjahr(); ++jahr) {
    for (int monat = 1; monat <= 12; ++monat) {
      for (const char* bgr : kGruppen) {
        Eingaben e = zufaellig(z, jahr, monat, bgr);
        const std::string was = e.Jahr + "/" + std::to_string(monat) + " " + bgr + " " + e.Brutto +
                                " StKl " + e.StKl;
        ASSERT_TRUE(StarteMitEnter(e, Feld::Brutto).rechnen) << was;
        Ergebnis r;
        ASSERT_NO_THROW(r = Berechne(e, fall, kHeute)) << was;
        ASSERT_TRUE(r.gerechnet) << was;
        for (const Money m : {fall.LSt, fall.SolZ, fall.KiSt, fall.KVAN, fall.RVAN, fall.AVAN,
                              fall.PVAN, fall.KVAG, fall.RVAG, fall.AVAG, fall.PVAG})
          EXPECT_GE(m, 0_m) << was;
        // A voluntary member gets the employer's subsidies paid out with the net; with a private
        // premium and little pay they can lift it above the gross.
        const Money zuschuesse = fall.BGRKV == 9 ? fall.KVAG + fall.PVAG : Money();
        EXPECT_LE(r.netto, LiesFeld(e.Brutto) + zuschuesse) << was;
        EXPECT_EQ(LiesFeld(e.Brutto) - LiesFeld(r.GesAbz), r.netto) << was;
        ++faelle;
      }
    }
  }
  EXPECT_EQ(faelle, (LetztesRechenjahr() - ErstesRechenjahr() + 1) * 12 * 8);
}

// The relief of a whole year settled in December makes the December tax of classes V and VI
// fall over some ranges of pay; everywhere else more pay never means less wage tax.
bool darfFallen(int jahr, int monat, int stkl) {
  return monat == 12 && (jahr == 2015 || jahr == 2024) && stkl >= 5;
}

TEST(Eigenschaften, WageTaxDoesNotFallAsPayRises) {
  Zufall z(4711);
  TLohnGehalt fall;
  for (int jahr = ErstesRechenjahr(); jahr <= LetztesRechenjahr(); ++jahr) {
    for (const int monat : {1, 7, 12}) {
      for (int stkl = 1; stkl <= 6; ++stkl) {
        Money vorher = -1_m, brutto = z.cent(0, 20000);
        for (int schritt = 0; schritt < 25; ++schritt) {
          brutto += z.cent(1, 60000);
          fall.SetRechtskreis(1);
          fall.SetJahr(jahr);
          fall.SetBGR("1111");
          fall.SetMonat(monat);
          fall.SetKVSatz(14.6_m);
          fall.SetKVZusBeitrag(jahr >= 2015 ? 1.6_m : 0.9_m);
          fall.SetStBrutto(brutto);
          fall.SetSVBrutto(brutto);
          fall.SetStKl(stkl);
          fall.SetGebJahr(1980);
          fall.Berechne();
          if (!darfFallen(jahr, monat, stkl)) {
            EXPECT_GE(fall.LSt, vorher) << jahr << "/" << monat << " StKl " << stkl << " "
                                        << brutto.text4();
          }
          vorher = fall.LSt;
        }
      }
    }
  }
}

TEST(Eigenschaften, NetToGrossEndsAndAMatchHolds) {
  Zufall z(1234);
  TLohnGehalt fall;
  int abbrueche = 0;
  for (int lauf = 0; lauf < 150; ++lauf) {
    const int jahr = z.zahl(ErstesRechenjahr(), LetztesRechenjahr());
    Eingaben e = zufaellig(z, jahr, z.zahl(1, 12), kGruppen[z.zahl(0, 7)]);
    e.Netto = SchlichterText(z.cent(20000, 800000));
    const Eingaben vorlage = e;
    const std::string was = e.Jahr + "/" + std::to_string(e.MonatNr) + " " + e.BGR + " netto " +
                            e.Netto + " StKl " + e.StKl;
    ASSERT_TRUE(StarteMitEnter(e, Feld::Netto).rechnen) << was;
    const Ergebnis r = Berechne(e, fall, kHeute);
    if (!r.gerechnet) {
      // Refused only when even a gross of 0,00 nets more (a subsidy paid out beyond the pay).
      ASSERT_EQ(r.meldungen.size(), 1u) << was;
      EXPECT_EQ(r.meldungen[0].text, "Dieses Netto ergibt sich aus keinem Brutto ab 0,00") << was;
      Eingaben null = vorlage;
      null.Brutto = "0";
      ASSERT_TRUE(StarteMitEnter(null, Feld::Brutto).rechnen);
      EXPECT_GT(Berechne(null, fall, kHeute).netto, LiesFeld(vorlage.Netto)) << was;
      continue;
    }
    EXPECT_GE(r.brutto, Money()) << was;
    EXPECT_LE(r.schritte, 200) << was;
    if (r.schritte == 200) {
      ++abbrueche;
      continue;
    }
    EXPECT_EQ(r.netto, LiesFeld(vorlage.Netto)) << was;
    // The gross found, calculated from gross to net, gives that net.
    Eingaben g = vorlage;
    g.Brutto = e.Brutto;
    ASSERT_TRUE(StarteMitEnter(g, Feld::Brutto).rechnen);
    const Ergebnis v = Berechne(g, fall, kHeute);
    EXPECT_EQ(v.netto, r.netto) << was << " gross " << e.Brutto;
  }
  // Almost every desired net is reached exactly.
  EXPECT_LE(abbrueche, 3);
}

}  // namespace
}  // namespace salvaro
