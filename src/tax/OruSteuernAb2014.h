// The wage-tax engines of the flowchart design used from 2014 on: one engine, the values of each
// year in a row of a constexpr table, and each structural difference between the years a named
// switch of that row.
#pragma once

#include <span>
#include <string_view>

#include "money/Money.h"
#include "tax/OruSteuern.h"
#include "tax/PapBausteine.h"
#include "tax/Versorgung.h"

namespace salvaro {

// How the employee's share of the health rate in the provision lump sum is formed.
enum class KvAnteil {
  Fest,           // a fixed rate of the year (KVSATZAN of the row)
  GanzerZusatz,   // KVZ / 100 + 0.07: the whole additional contribution is the employee's
  HalberZusatz,   // KVZ / 2 / 100 + 0.07: the additional contribution is shared
};

// The care rates of the provision lump sum: employee and employer, in and outside Saxony, and the
// childless surcharge added to the employee's rate.
struct PvSaetze {
  Ext AN, AG, ANSachsen, AGSachsen, Zuschlag;
};

struct JahrAb2014 {
  std::string_view name;
  int jahr;
  // Provision lump sum.
  Money BBGRVWest, BBGRVOst;
  Ext RVSATZAN, TBSVORV;
  Money BBGKVPV;
  KvAnteil kvAnteil;
  Ext KVSATZAN;  // used with KvAnteil::Fest
  Ext KVSATZAG;
  PvSaetze pv;
  // Rates for an annual pay period where the year's care rates changed during the year (the
  // blended rates of the whole year); otherwise pv applies to every pay period.
  bool pvJahrAbweichend;
  PvSaetze pvJahr;
  // Classes V and VI, basic allowance, surcharge exemption per KZTAB share.
  Money W1STKL5, W2STKL5, W3STKL5, GFB, SOLZFREI;
  // Table allowances.
  Money ANPMax, EFA, KFBVoll, KFBHalb;
  // Tariff: first progression zone from GFB + 1 below tarif1Bis with RW = Y * a1 + 1,400;
  // second zone Y = (X - s2) / 10,000 below tarif2Bis with RW = (Y * a2 + 2,397) * Y, ST = RW + k2;
  // X * 0.42 - k3 below tarif3Bis; X * 0.45 - k4 from there.
  Money tarif1Bis;
  Ext a1;
  Money s2, tarif2Bis;
  Ext a2, k2;
  Money tarif3Bis;
  Ext k3, k4;
  // Structural switches.
  Ext solzMilderung;            // percent of the excess over the exemption: 20 or 11.9
  bool solzSonstMitFreigrenze;  // surcharge on one-time and multi-year pay only above the exemption
  bool mitMBV;                  // untaxed employee-share benefits (MBV) and the STSMIN corrections
  bool mitKVZ;                  // the additional health rate is an input
  bool fvbHoechstensZVBEZJ;     // the pension allowance is capped at the annual pension payments
  // A December engine settles a relief for the whole year: it computes the year with the values of
  // the row named here and with its own, and charges December with the difference (empty: none).
  std::string_view dezemberAbrechnungGegen;
  // From 2024: the employee's care rate is lower by this for each child reduction (PVA) unless
  // the childless surcharge applies.
  Ext pvAbschlagJeKind = Ext();
  // From 2025: one pension ceiling for all of Germany; KRV 1 means no statutory pension insurance.
  bool rvEinheitlich = false;
  // Multi-year pay taxed by the one-fifth rule (gone from 2025).
  bool mitVMT = true;
  Versorgungstabelle versorgungstabelle = Versorgungstabelle::Bis2024;
  // From 2026: the provision lump sum of pension share plus health and care share, compared with
  // the unemployment share up to 1,900 (ceiling BBGRVALV, rate AVSATZAN); classes V and VI scale
  // the wage to whole euros.
  bool vorsorge2026 = false;
  Money BBGRVALV = Money();
  Ext AVSATZAN = Ext();
};

// The rows of the years, oldest first.
std::span<const JahrAb2014> JahreAb2014();
const JahrAb2014* JahrAb2014NachName(std::string_view name);

class OruSteuernAb2014 : public OruSteuern {
 public:
  explicit OruSteuernAb2014(const JahrAb2014& jahr) : w_(&jahr) {}

  std::string_view Name() const override { return w_->name; }
  bool HatVMT() const override { return w_->mitVMT; }
  bool HatVMTOhneFuenftelung() const override { return w_->mitVMT; }

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
  void MPARA();
  void MRE4JL();
  void MRE4();
  void MRE4ALTE();
  void MRE4ABZ();
  void MBERECH();
  void MZTABFB();
  void MLSTJAHR();
  void UPEVP();
  void MVSP();
  void UPEVP2026();
  void UPMLST();
  pap::Tarif Tarif() const;
  void UPTAB();
  void MST5_6();
  void MSOLZ();
  void UPANTEIL();
  void DezemberAbrechnung(const JahrAb2014& alt);
  void MSONSTVorspann();
  void MOSONST();
  void MRE4SONST();
  void STSMIN();
  void MSOLZSTS();

  const JahrAb2014* w_;
  // The values of the pass being computed: the engine's own, or the old ones in the first pass of a
  // December settlement.
  const JahrAb2014* t_ = w_;

  // Inputs, amounts in cents.
  int AJAHR = 0, VJAHR = 0, ZMVB = 0, STKL = 0, LZZ = 0, KRV = 0, PKV = 0, ALTER1 = 0, AF = 0,
      PVS = 0, PVZ = 0, PVA = 0, ALV = 0;
  Money ZKF;
  Money f, KVZ;
  Money RE4, LZZFREIB, LZZHINZU, JFREIB, JHINZU, VMT, VBEZ, VBS, VBEZM, VBEZS, JVBEZ, PKPV, ENTSCH,
      JRE4ENT, SONSTENT, MBV, SONSTB, JRE4, STERBE, VKAPA, PKPVAGZ;
  // Year parameters.
  Money BBGRV, BBGKVPV, SOLZFREI;
  Ext RVSATZAN, TBSVORV, KVSATZAN, KVSATZAG, PVSATZAN, PVSATZAG;
  // Working variables, named as in the flowchart.
  Money ZRE4J, ZVBEZJ, JLFREIB, JLHINZU, ZRE4, ZRE4VP, ZVBEZ;
  Money VBEZB, VBEZBSO, FVB, FVBZ, FVBSO, FVBZSO, HFVB, HFVBZ, HFVBZSO, ALTE;
  Money ANP, EFA, SAP, KFB, ZTABFB;
  int KZTAB = 1, KENNVMT = 0;
  Money VSP1, VSP2, VSP3, VSPN, VSP, VHB;
  Money ZRE4VPR, VSPR, VSPKVPV, PKPVAGZJ, VSPALV, VSPHB;
  Money ZVE, X, ST, STOVMT;
  Money LSTJAHR, JW, ANTEIL1, LSTLZZ, JBMG, SOLZJ, SOLZMIN, SOLZLZZ, BK;
  // The annual cent amounts handed to the period share: wage tax, surcharge, church-tax base.
  Money JWLST, JWSOLZ, JWBK;
  // The church-tax base of the period as the main operation leaves it; BK once a church tax is due.
  Money BKPeriode;
  Money LSTOSO, LSTSO, STS, SOLZS, BKS, SOLZSZVE, SOLZSBMG;
  Money LST1, LST2, LST3, STV, SOLZV, BKV, SOLZVBMG;
  int VMTOhneFuenftelung_ = 0;
};

}  // namespace salvaro
