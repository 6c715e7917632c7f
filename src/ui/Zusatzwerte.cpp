#include "ui/Zusatzwerte.h"

#include "abrechnung/Zahlentext.h"
#include "engine/Gehalt.h"

namespace salvaro {

namespace {

Money betrag(const std::string& text) {
  return text.empty() ? Money() : LiesFeld(text);
}

}  // namespace

Zusatzwerte ZusatzwerteAus(const Eingaben& e, const TLohnGehalt& fall, const Ergebnis& r) {
  Zusatzwerte z;
  const Money einmal = betrag(e.Einmalzahlung) + betrag(e.Abfindung);
  z.einmal = einmal > Money();
  z.LSt = fall.LStEB + fall.LStVMT;
  z.SolZ = fall.SolZEB + fall.SolZVMT;
  z.KiSt = fall.KiStEB1 + fall.KiStEB2 + fall.KiStVMT1 + fall.KiStVMT2;
  z.SV = fall.KVANEB + fall.RVANEB + fall.AVANEB + fall.PVANEB;
  z.Netto = einmal - z.LSt - z.SolZ - z.KiSt - z.SV;
  z.NettoGesamt = r.netto + z.Netto;

  z.pauschal = fall.BGRKV == 6;
  z.Brutto = r.brutto;
  z.Einmal = einmal;
  z.KV = fall.KVAG + fall.KVAGEB;
  z.RV = fall.RVAG + fall.RVAGEB;
  z.AV = fall.AVAG + fall.AVAGEB;
  z.PV = fall.PVAG + fall.PVAGEB;
  z.Insolvenz = fall.InsoUmlage;
  z.U1 = fall.UmlageU1;
  z.U2 = fall.UmlageU2;
  z.Gesamt = z.Brutto + z.Einmal + z.KV + z.RV + z.AV + z.PV + z.Pauschsteuer + z.Insolvenz +
             z.U1 + z.U2;
  return z;
}

}  // namespace salvaro
