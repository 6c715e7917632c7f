// The wage-tax engines of the flowchart design of 2010 to 2013 (with the engine of December
// 2011): provision lump sum with health and care insurance, class IV factor, one-time payment and
// multi-year pay. One engine; the values of each year are a row of a constexpr table.
#pragma once

#include <span>
#include <string_view>

#include "money/Money.h"
#include "tax/OruSteuern.h"
#include "tax/PapBausteine.h"

namespace salvaro {

struct Jahr2010bis2013 {
  std::string_view name;
  int jahr;
  pap::Tarif tarif;
  // Table allowances.
  Money ANPMax;          // employee lump sum
  bool ANPDezember2011;  // 1,880 for the months, 1,000 for annual pay (relief of December 2011)
  Money KFBVoll, KFBHalb;
  // Provision lump sum: pension part of the pay up to the pension ceiling, health and care part
  // up to the health ceiling.
  Money BBGRVWest, BBGRVOst;
  Ext RVAnteil, RVSATZAN;
  Money BBGKVPV;
  Ext KVSATZAN, KVSATZAG;
  Ext PVSATZAN, PVSATZAG;  // outside Saxony
  Ext PVSATZANSachsen, PVSATZAGSachsen;
  // Compensation payments within the annual and the one-time pay (JRE4ENT, SONSTENT).
  bool mitEntschaedigung;
};

// The rows of the years, oldest first.
std::span<const Jahr2010bis2013> Jahre2010bis2013();
const Jahr2010bis2013* Jahr2010bis2013NachName(std::string_view name);

class OruSteuern2010bis2013 : public OruSteuern {
 public:
  explicit OruSteuern2010bis2013(const Jahr2010bis2013& jahr) : w_(&jahr) {}

  std::string_view Name() const override { return w_->name; }

  Money LohnsteuerLfd(const LohnsteuerEingabe& e) override;
  Money SolzLfd() override;
  Money KirchensteuerLfd(int pflichtig, int land, int art, int anteil, Money kappungsBasis,
                         Money sonderSatz) override;
  Money LohnsteuerEB(Money SONSTB, Money JRE4, Money JVBEZ, Money VBS) override;
  Money SolzEB() override;
  Money KirchensteuerEB(int pflichtig, int land, int art, int anteil, int basisWahl,
                        Money kappungsBasis, Money sonderSatz) override;
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
  void MVSP();
  void MSOLZ();
  void UPANTEIL();
  void MSONSTVorspann();
  void MOSONST();
  void MRE4SONST();

  const Jahr2010bis2013* w_;

  // Inputs, amounts in cents.
  int AJAHR = 0, VJAHR = 0, ZMVB = 0, STKL = 0, LZZ = 0, KRV = 0, PKV = 0, ALTER1 = 0, AF = 0,
      PVS = 0, PVZ = 0;
  Money ZKF, f;
  Money RE4, LZZFREIB, LZZHINZU, JFREIB, JHINZU, VMT, VBEZ, VBS, VBEZM, VBEZS, JVBEZ, PKPV, ENTSCH,
      JRE4ENT, SONSTENT, SONSTB, JRE4;
  // Working variables, named as in the flowchart.
  Money ZRE4J, ZVBEZJ, JLFREIB, JLHINZU, ZRE4, ZRE4VP, ZVBEZ;
  Money STERBE;
  Money VBEZB, VBEZBSO, FVB, FVBZ, FVBSO, FVBZSO, HFVB, HFVBZ, HFVBZSO, ALTE;
  Money ANP, EFA, SAP, KFB, ZTABFB;
  int KZTAB = 1, KENNVMT = 0;
  Money VSP1, VSP2, VSP3, VSPN, VSP, VHB;
  Money ZVE, X, ST, STOVMT;
  Money LSTJAHR, JW, ANTEIL1, LSTLZZ, JBMG, SOLZFREI, SOLZJ, SOLZMIN, SOLZLZZ, BK;
  Money LSTOSO, LSTSO, STS, SOLZS, BKS;
  Money LST1, LST2, LST3, STV, SOLZV, BKV;
  int VMTOhneFuenftelung_ = 0;
};

}  // namespace salvaro
