// The wage-tax engines of the older flowchart design, 2004 to 2007: the pension allowance and the
// age relief are formed for the pay period, the period amounts are then annualised with a
// rounding supplement, and the provision lump sum is the older one (from 2005 compared with the
// newer one). One engine; the values and roundings of each year are a row of a constexpr table.
#pragma once

#include <span>
#include <string_view>

#include "money/Money.h"
#include "tax/OruSteuern.h"
#include "tax/PapBausteine.h"

namespace salvaro {

// How the allowance for pension payments is formed.
enum class Versorgungsfreibetrag {
  // 2004: a share of the pension payments of the period, at most the period share of the maximum.
  AusPeriodenbezug,
  // From 2005: a share of the annual pension (monthly pension times 12, or times the pension
  // months for annual pay, plus special payments), at most the maximum, then its period share.
  AusJahresbezug,
};

// How the employee lump sum (920) is granted in classes I to V.
enum class Arbeitnehmerpauschbetrag {
  Immer,           // 2004
  WennLohn,        // 2005: when the pay of the period exceeds the pension payments
  HoechstensLohn,  // 2006, 2007: at most the annual pay without pensions, cut to whole euros
};

struct JahrBis2007 {
  std::string_view name;
  int jahr;
  pap::Tarif tarif;
  // 2004 and 2005: every rounding step takes its argument stored as an amount (pap::Argument);
  // the tariff carries the same switch.
  bool gespeichertRunden;
  // Pension allowance and age relief: fixed rates and maxima, or from 2006 the tables by the year
  // the pension began and by AJAHR.
  Versorgungsfreibetrag versorgung;
  bool tabellen;
  Ext VBSatz;
  Money VBHoechst, VBZuschlag;
  Ext ALTESatz;
  Money ALTEHoechst;
  bool hoechstNachMonaten;         // annual pay: the maximum in proportion to the pension months
  pap::Rundung freibetragRundung;  // of both allowances of the period, in cents
  // Table allowances.
  Arbeitnehmerpauschbetrag anp;
  Money versorgungsPauschbetrag;  // lump sum for expenses against pensions
  bool FVBZBeiNullVersorgung;     // the supplement falls to the pension pay also when that is 0
  Money KFBVoll, KFBHalb;
  // Annual pay is 0 when the pay of the period (after allowances) is negative (2007), otherwise
  // when the annual amount is.
  bool nullNachPeriodenbetrag;
  // Newer provision lump sum (BBGRV 0: none): pension part of the pay up to the pension ceiling
  // and 11 % of the pay for health and care, at most 1,500 per KZTAB share.
  Money BBGRV;
  Ext RVAnteil, RVSATZAN;
  pap::Rundung VSP1Rundung, VSPNRundung;
  pap::VorsorgeAltRundung vorsorgeAlt;
  // One-time payment (2005 only).
  bool mitEinmalbezug;
};

// The rows of the years, oldest first.
std::span<const JahrBis2007> JahreBis2007();
const JahrBis2007* JahrBis2007NachName(std::string_view name);

class OruSteuernBis2007 : public OruSteuern {
 public:
  explicit OruSteuernBis2007(const JahrBis2007& jahr) : w_(&jahr) {}

  std::string_view Name() const override { return w_->name; }
  bool HatEinmalbezug() const override { return w_->mitEinmalbezug; }
  bool HatVMT() const override { return false; }
  bool HatVMTOhneFuenftelung() const override { return false; }

  Money LohnsteuerLfd(const LohnsteuerEingabe& e) override;
  // The surcharge of the period, cut to whole cents.
  Money SolzLfd() override;
  Money KirchensteuerLfd(int pflichtig, int land, int art, int anteil, Money kappungsBasis,
                         Money sonderSatz) override;
  // 2005: the annual allowance of the one-time payment is the main operation's annual allowance
  // (FreibetragJahr); the pension payments of the year are JVBEZ, with the payment's VBS.
  Money LohnsteuerEB(Money SONSTB, Money JRE4, Money JVBEZ, Money VBS) override;
  Money SolzEB() override;
  Money KirchensteuerEB(int pflichtig, int land, int art, int anteil, int basisWahl,
                        Money kappungsBasis, Money sonderSatz) override;
  Money LohnsteuerVMT(Money, Money) override { return Money(); }
  Money SolzVMT() override { return Money(); }
  int VMTOhneFuenftelung() const override { return 0; }
  FlowchartAusgaben Ausgaben() const override {
    return {LSTLZZ, SOLZLZZ, BK, STS, SOLZS, BKS, Money(), Money(), Money()};
  }
  Money ZuVersteuerndesEinkommen() const override { return ZVE; }
  Money Tarifsteuer(Money zvE, int KZTAB) const override;
  bool NimmtEingabe(std::string_view name) const override;

 private:
  void MRE4LZZ();
  void MRE4();
  void MZTABFB();
  void MLSTJAHR();
  void UPEVP();
  void MSOLZ();
  void UPANTEIL();
  // Annual tax of the pay RE4 (period amounts, annualising, table allowances when wanted).
  void Jahressteuer(bool mitTabellenfreibetraegen);
  // The rounding steps of the year (see JahrBis2007::gespeichertRunden).
  Money ab(int stellen, Ext e) const;
  Money auf(int stellen, Ext e) const;
  Money Runde(pap::Rundung r, Ext e) const;

  const JahrBis2007* w_;

  // Inputs, amounts in cents. WFUNDF is the allowance and HINZUR the addition of the period.
  int AJAHR = 0, VJAHR = 0, ZMVB = 0, STKL = 0, LZZ = 0, KRV = 0, ALTER1 = 0;
  Money ZKF;
  Money RE4, WFUNDF, HINZUR, VBEZ, VBEZM, VBEZS;
  Money JFREIB, JHINZU, SONSTB, JRE4, JVBEZ, VBS;
  // Working variables, named as in the flowchart.
  Money VBEZB, HFVB, FVB, FVBZ, BMG, ALTE, RE4LZZ, RE4LZZV, ZRE4, ZRE4VP, ZVBEZ;
  Money ANP, EFA, SAP, KFB, ZTABFB;
  int KZTAB = 1;
  Money VSP1, VSP2, VHB, VSPN, VSP;
  Money ZVE, X, ST;
  Money LSTJAHR, JW, ANTEIL1, ANTEIL2, LSTLZZ, JBMG, SOLZFREI, SOLZJ, SOLZMIN, SOLZLZZ, BK;
  Money LSTOSO, LSTSO, STS, SOLZS, BKS;
};

}  // namespace salvaro
