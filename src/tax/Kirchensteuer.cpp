#include "tax/Kirchensteuer.h"

#include <iterator>

#include "money/OruMath.h"
#include "tax/PapBausteine.h"

namespace salvaro {

using namespace literale;

namespace {
// Rate, the two monthly minimums, capping rate and the first denomination's share of a split, by
// the state list's row; a row out of the list has the general values of row 0.
constexpr KiStLandWerte kLaender[] = {
    // clang-format off
    {9_m, 0_m,    0_m,    0_m,   50_m},  //  0
    {8_m, 0_m,    0_m,    0_m,   50_m},  //  1
    {8_m, 0_m,    0_m,    0_m,   30_m},  //  2
    {9_m, 0_m,    0_m,    3.0_m, 70_m},  //  3
    {9_m, 0_m,    0_m,    3.0_m, 70_m},  //  4
    {9_m, 0_m,    0_m,    3.5_m, 80_m},  //  5
    {9_m, 0_m,    0_m,    3.5_m, 90_m},  //  6
    {9_m, 0.30_m, 0_m,    3.0_m, 70_m},  //  7
    {9_m, 0.15_m, 0_m,    0_m,   50_m},  //  8
    {9_m, 0.30_m, 0_m,    3.0_m, 90_m},  //  9
    {9_m, 0_m,    0_m,    3.5_m, 73_m},  // 10
    {9_m, 0_m,    0_m,    3.5_m, 50_m},  // 11
    {9_m, 0_m,    0_m,    0_m,   50_m},  // 12
    {9_m, 0_m,    0_m,    0_m,   50_m},  // 13
    {9_m, 0_m,    0_m,    0_m,   25_m},  // 14
    {9_m, 0_m,    0.30_m, 3.5_m, 85_m},  // 15
    {9_m, 0_m,    0.30_m, 3.5_m, 73_m},  // 16
    {9_m, 0.30_m, 0_m,    3.0_m, 85_m},  // 17
    {9_m, 0_m,    0.30_m, 3.5_m, 73_m},  // 18
    // clang-format on
};
}  // namespace

KiStLandWerte KiStTabelle(int land, bool mindestBisher) {
  const bool inListe = land >= 0 && land < static_cast<int>(std::size(kLaender));
  KiStLandWerte w = kLaender[inListe ? land : 0];
  if (mindestBisher && (land == 1 || land == 10)) w.mindestA = 0.30_m;
  return w;
}

Money Kirchensteuer(const KiStAufruf& a, Money basisCent, int LZZ, bool lohnsteuerFaellig,
                    bool mindestBisher) {
  if (a.pflichtig == 0) return Money();
  KiStLandWerte w = KiStTabelle(a.land, mindestBisher);
  if (LZZ == 1) {
    w.mindestA = Money::runde(w.mindestA * 12);
    w.mindestB = Money::runde(w.mindestB * 12);
  }
  const bool sonderSatz = a.sonderSatz > 0 && a.sonderSatz < 99;
  if (sonderSatz) w = {a.sonderSatz, Money(), Money(), Money(), 50_m};

  // The tax in cents to two decimals of a cent, half up; then euros cut to cents.
  const Money steuerCent = RundeCent(basisCent * w.satz / 100);
  Money steuer = AbrundenCent(pap::euro(steuerCent));
  if (sonderSatz) return steuer;

  // Capping at a share of the capping base (the payroll case passes none).
  if (a.kappungsBasis > 0 && w.kappungsSatz > 0) {
    const Money kappung = AbrundenCent(a.kappungsBasis * w.kappungsSatz / 100);
    if (steuer > kappung) steuer = kappung;
  }
  // The states' minimum church tax is levied only where wage tax is withheld (HmbKiStG § 3 (3)
  // in the version until 2014; likewise the other states' church-tax resolutions).
  if (lohnsteuerFaellig && w.mindestA > steuer) steuer = w.mindestA;
  if (a.sonderSatz == 99_m) return steuer;

  if (a.art != 1 && lohnsteuerFaellig && w.mindestB > steuer) steuer = w.mindestB;
  if (a.art == 2 || a.art == 3) {
    const Money ersterAnteil = RundeCent(steuer * w.anteil / 100);
    return a.anteil == 1 ? ersterAnteil : steuer - ersterAnteil;
  }
  if (a.anteil == 1 && a.art == 1) return Money();
  if (a.anteil == 0 && a.art == 0) return Money();
  return steuer;
}

}  // namespace salvaro
