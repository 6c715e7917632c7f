#include "ansichten/Arbeitgeberkosten.h"

#include "engine/Gehalt.h"

namespace salvaro {

Money ArbeitgeberGesamtkosten(const TLohnGehalt& f, Money brutto) {
  return brutto + f.KVAG + f.RVAG + f.AVAG + f.PVAG + f.KVAGEB + f.RVAGEB + f.AVAGEB + f.PVAGEB +
         f.InsoUmlage + f.UmlageU1 + f.UmlageU2;
}

}  // namespace salvaro
