// The wage-tax engines of the flowchart design of 2008 and 2009: annual amounts first as from
// 2010, but the provision lump sum of the older law compared with the newer one, no class IV
// factor and no health or care insurance in the lump sum. One engine; the values of each year are
// a row of a constexpr table.
#pragma once

#include <span>
#include <string_view>

#include "money/Money.h"
#include "tax/OruSteuern.h"
#include "tax/PapBausteine.h"

namespace salvaro {

// How multi-year pay is taxed by the one-fifth rule.
enum class Fuenftelung {
  // 2008: a fifth of the multi-year pay (less the allowances it adds) on top of the annual income
  // without it; with a negative remaining annual pay the tax on a fifth of everything, times 5.
  ZuschlagEinesFuenftels,
  // 2009 on: as in the later years, a fifth of the multi-year pay on top of the taxable income
  // without it, or a fifth of a positive total when the income without it is negative.
  WieAb2010,
};

struct Jahr2008bis2009 {
  std::string_view name;
  int jahr;
  pap::Tarif tarif;
  Money KFBVoll, KFBHalb;
  // Newer provision lump sum: pension part of the pay up to the pension ceiling.
  Money BBGRV;
  Ext RVAnteil, RVSATZAN;
  // The employee lump sum below 920 is rounded up to whole euros (2009) or cut (2008).
  bool ANPAufrunden;
  // 2008 caps the pension supplement of one-time payments by comparing the supplement of the
  // third table row, not the row of the pension's year.
  bool FVBZSOVergleichZeile3;
  Fuenftelung fuenftelung;
};

// The rows of the years, oldest first.
std::span<const Jahr2008bis2009> Jahre2008bis2009();
const Jahr2008bis2009* Jahr2008bis2009NachName(std::string_view name);

class OruSteuern2008bis2009 : public OruSteuern {
 public:
  explicit OruSteuern2008bis2009(const Jahr2008bis2009& jahr) : w_(&jahr) {}

  std::string_view Name() const override { return w_->name; }

  Money LohnsteuerLfd(const LohnsteuerEingabe& e) override;
  Money SolzLfd() override;
  Money KirchensteuerLfd(int pflichtig, int land, int art, int anteil, Money kappungsBasis,
                         Money sonderSatz) override;
  Money LohnsteuerEB(Money SONSTB, Money JRE4, Money JVBEZ, Money VBS) override;
  Money SolzEB() override;
  Money KirchensteuerEB(int pflichtig, int land, int art, int anteil, int basisWahl,
                        Money kappungsBasis, Money sonderSatz) override;
  // The multi-year pay VMT is taken from the main operation's input.
  Money LohnsteuerVMT(Money SONSTB, Money JRE4) override;
  Money SolzVMT() override;
  int VMTOhneFuenftelung() const override { return VMTOhneFuenftelung_; }
  FlowchartAusgaben Ausgaben() const override {
    return {LSTLZZ, SOLZLZZ, BK, STS, SOLZS, BKS, STV, SOLZV, BKV};
  }
  Money ZuVersteuerndesEinkommen() const override { return ZVE; }
  Money Tarifsteuer(Money zvE, int KZTAB) const override;
  bool NimmtEingabe(std::string_view name) const override;

 private:
  void MRE4JL();
  void MRE4();
  void MRE4ALTE();
  void MRE4ABZ();
  void MZTABFB();
  void MLSTJAHR();
  void UPMLST();
  void UPEVP();
  void MSOLZ();
  void UPANTEIL();
  void MSONSTVorspann();
  void MOSONST();
  void MRE4SONST();

  const Jahr2008bis2009* w_;

  // Inputs, amounts in cents.
  int AJAHR = 0, VJAHR = 0, ZMVB = 0, STKL = 0, LZZ = 0, KRV = 0, ALTER1 = 0;
  Money ZKF;
  Money RE4, LZZFREIB, LZZHINZU, JFREIB, JHINZU, VMT, VBEZ, VBS, VBEZM, VBEZS, JVBEZ, SONSTB, JRE4;
  // Working variables, named as in the flowchart.
  Money ZRE4J, ZVBEZJ, JLFREIB, JLHINZU, ZRE4, ZRE4VP, ZVBEZ;
  Money STERBE;
  Money VBEZB, VBEZBSO, FVB, FVBZ, FVBSO, FVBZSO, HFVB, HFVBZ, HFVBZSO, ALTE;
  Money ANP, EFA, SAP, KFB, ZTABFB;
  int KZTAB = 1, KENNVMT = 0;
  Money VSP1, VSP2, VSPN, VSP, VHB;
  Money ZVE, X, ST, STOVMT;
  Money ZRE4OSO, ZTABFBOSO, FVBZOSO, ZRE4VMT;
  Money LSTJAHR, JW, ANTEIL1, LSTLZZ, JBMG, SOLZFREI, SOLZJ, SOLZMIN, SOLZLZZ, BK;
  Money LSTOSO, LSTSO, STS, SOLZS, BKS;
  Money LST1, LST2, LST3, STV, SOLZV, BKV;
  int VMTOhneFuenftelung_ = 0;
};

}  // namespace salvaro
