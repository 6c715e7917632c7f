// The rules of age in the payroll case: the regular retirement age, the Aktivrente's free parts of
// the pay, the pension payments' inputs of the wage tax and their allowances, and the tax table
// without statutory pension insurance for an employee free of it after the retirement age.
#include <algorithm>

#include "alter/Aktivrente.h"
#include "alter/Versorgungsfreibetrag.h"
#include "engine/Gehalt.h"

namespace salvaro {

void TLohnGehalt::SetVersorgungsbezug(Money betrag, Versorgungsbezugsart art, int beginnJahr,
                                      int beginnMonat) {
  const bool mit = betrag > 0 && art != Versorgungsbezugsart::Keine;
  Versorgungsbezug = mit ? betrag : Money();
  VersorgungsbezugArt = mit ? art : Versorgungsbezugsart::Keine;
  VersorgungsbeginnJahr = mit ? beginnJahr : 0;
  VersorgungsbeginnMonat = mit && beginnMonat >= 1 && beginnMonat <= 12 ? beginnMonat : 0;
}

// § 3 Nr. 21 EStG: for work after the month in which the retirement age is reached, when the
// employer pays pension contributions for it (digit 1, or 3 for its isolated share), not in
// marginal employment, and in class VI only with the employee's confirmation.
bool TLohnGehalt::AktivrenteMoeglich() const {
  if (Aktivrente == 0 || (StKl == 6 && Aktivrente != 2)) return false;
  if (Minijob == 1 || (BGRRV != 1 && BGRRV != 3)) return false;
  return NachRegelaltersgrenze == 1 && AktivrenteJeMonat(Jahr, Monat) > 0;
}

void TLohnGehalt::BerechneAlter() {
  const bool gebJahrBekannt = GebJahr > 0;
  Regelaltersgrenze =
      gebJahrBekannt ? RegelaltersgrenzeErreicht(GebJahr, GebMonat) : Kalendermonat{};
  NachRegelaltersgrenze = IstNachRegelaltersgrenze(GebJahr, GebMonat, Jahr, Monat) ? 1 : 0;
  AktivrenteFrei = AktivrenteFreiEB = Money();
  if (AktivrenteMoeglich()) {
    const AktivrenteAnteile a =
        AktivrenteAnteileFuer(AktivrenteJeMonat(Jahr, Monat), stBruttoPeriode_, SonstBezug,
                              MonateNachGrenzeImJahr(Regelaltersgrenze, Jahr));
    AktivrenteFrei = a.laufend;
    AktivrenteFreiEB = a.einmal;
  }

  const Versorgungsfreibetraege f = VersorgungsfreibetraegeImJahr(
      Versorgungsbezug, VersorgungsmonateImJahr(), VersorgungsbeginnJahr, Jahr);
  Versorgungsfreibetrag = f.freibetrag;
  ZuschlagVersorgungsfreibetrag = f.zuschlag;
}

// The months of the year for which the pension is paid: from its first month when it began in
// the calculation year, else twelve.
int TLohnGehalt::VersorgungsmonateImJahr() const {
  if (Versorgungsbezug <= 0) return 0;
  if (VersorgungsbeginnJahr == Jahr && VersorgungsbeginnMonat >= 1)
    return 13 - VersorgungsbeginnMonat;
  return 12;
}

// § 39b Abs. 2 Satz 5 Nr. 3 Buchst. a EStG: the provision lump sum has a pension part only for
// employees compulsorily insured in the statutory pension insurance or exempted from it. An
// employee free of it after the retirement age (pension digit 3, the employer's isolated share)
// and a pension without pay have none: the table without statutory pension insurance, which the
// flowcharts select with KRV 2 from 2010 and with KRV 1 from 2025.
int TLohnGehalt::KRVFuerSteuer() const {
  const bool ohneRV = BGRRV == 3 || (Versorgungsbezug > 0 && stBruttoPeriode_ == 0);
  if (!ohneRV || Jahr < 2010) return KRV;
  return Jahr >= 2025 ? 1 : 2;
}

}  // namespace salvaro
