#include "tax/Kirchensteuer.h"

#include "money/OruMath.h"

namespace salvaro {

using namespace literale;

KiStLandWerte KiStTabelle(int land, bool mindestBisher) {
  KiStLandWerte w{9_m, Money(), Money(), Money(), 50_m};
  switch (land) {
    case 1: w.satz = 8_m; break;
    case 2: w.satz = 8_m; w.anteil = 30_m; break;
    case 3:
    case 4: w.kappungsSatz = 3.0_m; w.anteil = 70_m; break;
    case 5: w.kappungsSatz = 3.5_m; w.anteil = 80_m; break;
    case 6: w.kappungsSatz = 3.5_m; w.anteil = 90_m; break;
    case 7: w.mindestA = 0.30_m; w.kappungsSatz = 3.0_m; w.anteil = 70_m; break;
    case 8: w.mindestA = 0.15_m; break;
    case 9: w.mindestA = 0.30_m; w.kappungsSatz = 3.0_m; w.anteil = 90_m; break;
    case 10: w.kappungsSatz = 3.5_m; w.anteil = 73_m; break;
    case 11: w.kappungsSatz = 3.5_m; break;
    case 14: w.anteil = 25_m; break;
    case 15: w.mindestB = 0.30_m; w.kappungsSatz = 3.5_m; w.anteil = 85_m; break;
    case 16:
    case 18: w.mindestB = 0.30_m; w.kappungsSatz = 3.5_m; w.anteil = 73_m; break;
    case 17: w.mindestA = 0.30_m; w.kappungsSatz = 3.0_m; w.anteil = 85_m; break;
    default: break;
  }
  if (mindestBisher && (land == 1 || land == 10)) w.mindestA = 0.30_m;
  return w;
}

Money Kirchensteuer(const KiStAufruf& a, Money basisCent, int LZZ, bool lohnsteuerFaellig,
                    bool mindestBisher) {
  KiStLandWerte w = KiStTabelle(a.land, mindestBisher);
  if (LZZ == 1) {
    w.mindestA = Money::runde(w.mindestA * 12);
    w.mindestB = Money::runde(w.mindestB * 12);
  }
  const bool sonderSatz = a.sonderSatz > 0 && a.sonderSatz < 99;
  if (sonderSatz) w = {a.sonderSatz, Money(), Money(), Money(), 50_m};
  if (a.pflichtig == 0) return Money();

  // The tax in cents to two decimals of a cent, half up; then euros cut to cents.
  const Money steuerCent = RundeCent(basisCent * w.satz / 100);
  Money steuer = AbrundenCent(steuerCent / 100);
  if (sonderSatz) return steuer;

  // Capping at a share of the capping base (the payroll case passes none).
  if (a.kappungsBasis > 0 && w.kappungsSatz > 0) {
    const Money kappung = AbrundenCent(a.kappungsBasis * w.kappungsSatz / 100);
    if (steuer > kappung) steuer = kappung;
  }
  if (w.mindestA > steuer) steuer = w.mindestA;
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
