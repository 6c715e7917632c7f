// The transition zone: between the marginal-employment limit G and the upper limit the employee's
// contributions are charged on a reduced base that rises from F × G to the full pay, while the
// employer pays on the actual pay.
#include "engine/Gehalt.h"
#include "money/OruMath.h"

namespace salvaro {

Money TLohnGehalt::BerechneGleitzonenBemessung(Money AE) const {
  const Money O = GleitzoneObergrenze;
  const Money F = GleitzoneFaktor;
  const Money G = GleitzoneUntergrenze;
  const bool ab2013 = werte_ != nullptr && werte_->gleitzoneFormelAb2013;
  // The reduced base of a pay, unrounded.
  const auto bemessung = [&](Money entgelt) -> Ext {
    if (entgelt <= G) return entgelt * F;
    if (ab2013) return G * F + (O / (O - G) - G / (O - G) * F) * (entgelt - G);
    return G * F + (2 - F) * (entgelt - G);
  };

  // With a second employment the reduced base of the total pay is shared in proportion.
  const Money T = AE + BruttoAndere;
  if (Mehrfachbesch == 1 && O > T && T > 0) return RundeCent(bemessung(T) * AE / T);
  return RundeCent(bemessung(AE));
}

}  // namespace salvaro
