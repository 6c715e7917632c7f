// Supplementary public-service pension (Zusatzversorgung): the employer's contribution on the
// supplementary-pension pay, the parts of it that are taxable and subject to social insurance,
// and the employee's own contribution.
#include <algorithm>

#include "engine/Gehalt.h"
#include "money/OruMath.h"

namespace salvaro {

using namespace literale;

void TLohnGehalt::BerechneZusatzversorgung() {
  const auto keine = [this] {
    ZVSatz = ZVUmlage = ZVGrenzbeitrag = ZVZusatzbeitrag = ZVANBeitrag = Money();
    ZVSteuerpflichtig = ZVPauschal = ZVSVpflichtig = Money();
  };
  if (ZVArt == "keine") return keine();
  const Beitragsjahr& w = *werte_;

  // The pay counts up to 2.5 pension ceilings, in the month of the annual bonus up to 5.
  Money grenze = Money::runde(BBGRV * 2.5_x);
  if (Monat == kMonatJahressonderzahlung) grenze = grenze + grenze;
  const Money entgelt = std::min(ZVEntgelt, grenze);

  if (ZVArt == "kvw") {
    ZVSatz = 4.5_m;
    ZVZusatzbeitragSatz = w.ZVZusatzSatzKvw;
  } else if (ZVArt == "RZVK") {
    ZVSatz = 4.25_m;
    ZVZusatzbeitragSatz = w.ZVZusatzSatzRzvk;
  } else if (ZVArt == "VBL" || ZVArt == "individuell") {
    ZVSatz = ZVSatzIndividuell;
  } else {
    ZVSatz = 4.25_m;
  }
  // A scheme without a rate has nothing to charge (and the notional pay below would divide by 0).
  if (ZVSatz <= 0) return keine();
  ZVUmlage = RundeCent(entgelt * ZVSatz / 100);

  // 9 % on the pay above the threshold.
  const Money schwelle = ZVGrenzbetrag(Jahr, Monat);
  ZVGrenzbeitrag = ZVGrenzbeitragPflicht != 0 && entgelt > schwelle
                       ? RundeCent((entgelt - schwelle) * 9 / 100)
                       : Money();
  ZVZusatzbeitrag = RundeCent(entgelt * ZVZusatzbeitragSatz / 100);

  // Tax-free up to a percentage of the pension ceiling; tax class 6 has no tax-free part.
  const Money beitrag = ZVUmlage + ZVGrenzbeitrag;
  Money steuerfrei = ZVSteuerfrei == 0 ? RundeCent(BBGRV * w.ZVSteuerfreiProzent / 100)
                                       : std::min(ZVSteuerfrei, ZVUmlage);
  if (StKl == 6) steuerfrei = Money();
  if (StKl == 6) {
    ZVSteuerpflichtig = beitrag;
    ZVPauschal = Money();
  } else {
    ZVSteuerpflichtig = std::max(beitrag - steuerfrei - ZVPauschalVorgabe, Money());
    ZVPauschal = std::min(ZVPauschalVorgabe, beitrag - std::min(steuerfrei, beitrag));
  }

  // Subject to social insurance: the tax-free and flat-taxed parts count as far as they exceed a
  // notional 2.5 % of the pay they stand for less 13.30 euros; above 100 euros in full; the
  // taxable rest counts in full.
  const Money t = std::min(steuerfrei, beitrag);
  const Money P = ZVPauschal;
  const Money rest = std::max(beitrag - t - P, Money());
  Money sv;
  if (t + P > 100_m) {
    const Money A = RundeCent(100_m / ZVSatz * 100);
    sv = RundeCent(A * 2.5_x / 100) - 13.30_m + (t + P - 100_m) + rest;
  } else {
    const Money E = RundeCent(t / ZVSatz * 100) + RundeCent(P / ZVSatz * 100);
    sv = RundeCent(E * 2.5_x / 100) - 13.30_m + rest;
  }
  ZVSVpflichtig = std::max(sv, Money());

  if (ZVANFestbetrag > 0)
    ZVANBeitrag = ZVANFestbetrag;
  else if (ZVANSatz != 0)
    ZVANBeitrag = RundeCent(entgelt * ZVANSatz / 100);
  else
    ZVANBeitrag = Money();

  SVBemessung += ZVSVpflichtig;
  SVBrutto += ZVSVpflichtig;
}

}  // namespace salvaro
