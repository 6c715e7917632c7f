// The payroll case: every input of one salary calculation, the parameters of its period, the
// intermediate values and the results, with the calculation Berechne.
//
// Fill a case through its setters in this order, because later setters read what earlier ones
// stored: SetRechtskreis, SetJahr (resets the inputs to the year's defaults and loads the year),
// SetBGR, SetMonat (loads the month; presets KVSatz and halves PVSatz by the contribution group),
// SetStTage, SetSVTage, SetGleitzone, SetRVVolleBeitraege, SetPVErhoeht, SetPVSachsen,
// SetVerzichtRVFreiheit, SetFrwTatsBrutto, SetPKVBetrag, SetPPVBetrag, SetKVStatus, SetPVStatus,
// SetKVZusBeitrag, SetPKPV, SetPKV, SetKVSatz, SetStBrutto, SetSonstBezug, SetEBSVBrutto,
// SetSVBrutto, SetStKl, SetFaktor (after SetStKl), SetKiStLand, SetKonfession, SetKRV, SetKiFB,
// SetStFB, SetGebJahr, SetBAVArt, SetMehrfachbesch, SetBruttoAndere, SetAufstockung,
// SetKinderUnter25, SetGebMonat, SetAktivrente, SetVersorgungsbezug; then
// Berechne. Inputs without a setter are plain fields.
//
// Berechne leaves the inputs as they were set, so a caller may set StBrutto and SVBrutto anew and
// calculate again. It writes only inputs that a rule derives: KVSatz in 2009 (fixed by law), JRE4
// and JVBEZ with JahresHochrechnung, VorBemKV and VorBemRV with EBVormonate. SVBrutto and
// SVBemessung are working values: set them through SetSVBrutto; Berechne derives them again from
// that amount on every calculation (plus the supplementary pension's part).
#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "alter/Regelaltersgrenze.h"
#include "engine/Beitragsjahre.h"
#include "money/Money.h"
#include "tax/OruSteuern.h"

namespace salvaro {

// A period the payroll case has no values or no wage-tax engine for.
class ZeitraumFehler : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The kinds of a pension paid with the case (Versorgungsbezug, § 19 Abs. 2 EStG).
enum class Versorgungsbezugsart {
  Keine,
  Betriebsrente,   // a company pension: health and care contributions withheld by the payer
  Beamtenpension,  // a civil servant's pension: no social insurance
};

// Where the payroll case gets the wage-tax engine of a year and month.
using EngineQuelle = std::function<std::unique_ptr<OruSteuern>(int jahr, int monat)>;

class TLohnGehalt {
 public:
  TLohnGehalt();
  explicit TLohnGehalt(EngineQuelle engineQuelle);

  void SetRechtskreis(int rechtskreis);
  void SetJahr(int jahr);
  // Four digits for health, pension, unemployment and care ("1111"); anything else throws
  // std::invalid_argument.
  void SetBGR(std::string_view bgr);
  void SetMonat(int monat);
  void SetStTage(int tage) { StTage = tage; }
  void SetSVTage(int tage) { SVTage = tage; }
  void SetGleitzone(int gleitzone) { Gleitzone = gleitzone; }
  void SetRVVolleBeitraege(int v) { RVVolleBeitraege = v; }
  void SetPVErhoeht(int erhoeht);
  void SetPVSachsen(int sachsen) { PVSachsen = sachsen; }
  void SetVerzichtRVFreiheit(int verzicht) { VerzichtRVFreiheit = verzicht; }
  void SetFrwTatsBrutto(int v) { FrwTatsBrutto = v; }
  void SetPKVBetrag(Money betrag) { PKVBetrag = betrag; }
  void SetPPVBetrag(Money betrag) { PPVBetrag = betrag; }
  void SetKVStatus(int status) { KVStatus = status; }
  void SetPVStatus(int status) { PVStatus = status; }
  void SetKVZusBeitrag(Money satz) { KVZusBeitrag = satz; }
  void SetPKPV(Money betrag) { PKPV = betrag; }
  void SetPKV(int pkv) { PKV = pkv; }
  void SetKVSatz(Money satz) { KVSatz = satz; }
  void SetStBrutto(Money betrag) { StBrutto = betrag; }
  void SetSonstBezug(Money betrag) { SonstBezug = betrag; }
  // Stores the amount and derives SVBemessung (the reduced base in the transition zone).
  void SetSVBrutto(Money betrag);
  void SetEBSVBrutto(Money betrag) { EBSVBrutto = betrag; }
  void SetStKl(int stkl) { StKl = stkl; }
  // Kept only for tax class 4; AF flags a factor above 0.
  void SetFaktor(Money faktor);
  void SetKiStLand(int land) { KiStLand = land; }
  void SetKonfession(int konfession) { Konfession = konfession; }
  void SetKRV(int krv) { KRV = krv; }
  void SetKiFB(float kifb) { KiFB = kifb; }
  // A monthly allowance (positive) or addition amount (negative); held times 100.
  void SetStFB(Money betrag);
  void SetGebJahr(int jahr) { GebJahr = jahr; }
  // The company-pension conversion is not offered: any kind converts nothing.
  void SetBAVArt(int art) { BAVArt = art; }
  void SetMehrfachbesch(int v) { Mehrfachbesch = v; }
  void SetBruttoAndere(Money betrag) { BruttoAndere = betrag; }
  void SetAufstockung(int v) { Aufstockung = v; }
  // Children under 25 (0 to 9): from the second to the fifth each lowers the care rate.
  void SetKinderUnter25(int kinder) { KinderUnter25 = std::clamp(kinder, 0, 9); }

  // --- Age and pension payments ---
  // Month of birth 1 to 12; 0 when it is not known (December is assumed).
  void SetGebMonat(int monat) { GebMonat = monat >= 1 && monat <= 12 ? monat : 0; }
  // The Aktivrente: 0 off, 1 where the law allows it (not in class VI), 2 also in class VI (the
  // employee confirmed that no other employment uses it).
  void SetAktivrente(int aktivrente) { Aktivrente = aktivrente; }
  // A pension paid with the pay of the period (or alone): the monthly amount, its kind and the
  // year and month it began (month 0: before the calculation year or not known).
  void SetVersorgungsbezug(Money betrag, Versorgungsbezugsart art, int beginnJahr,
                           int beginnMonat);
  // The months of the calculation year for which the pension is paid (0 without one).
  int VersorgungsmonateImJahr() const;

  // Computes every result of the case. Throws ZeitraumFehler for a period without values or
  // without a wage-tax engine, RechenFehler for a floating-point fault (StTage 0, for example).
  void Berechne();

  // The reduced contribution base of the transition zone for the social-insurance gross AE.
  Money BerechneGleitzonenBemessung(Money AE) const;

  // --- Inputs set by the main window ---
  int Rechtskreis = 0;  // 1 West, 0 Ost
  int Jahr = 0;
  std::string BGR;
  int BGRKV = 0, BGRRV = 0, BGRAV = 0, BGRPV = 0;
  int Monat = 0;
  int StTage = 0, SVTage = 0;  // days of the period for tax and social insurance; 30 a month
  int Gleitzone = 0;
  int RVVolleBeitraege = 0;
  int PVErhoeht = 0;  // childless surcharge of care insurance
  int PVSachsen = 0;
  // The window's switch for pension insurance in marginal employment; the pension digit decides.
  int VerzichtRVFreiheit = 0;
  int FrwTatsBrutto = 0;       // voluntary or private: the actual gross instead of the ceiling
  Money PKVBetrag, PPVBetrag;  // monthly private health and care premiums
  // Private-insurance status: 0 statutory, 2 like a voluntary member, 3 premium less subsidy,
  // 4 premium with subsidy, 5 private without subsidy, 9 no shares.
  int KVStatus = 0, PVStatus = 0;
  Money KVZusBeitrag;  // additional health rate, percent
  Money PKPV;          // private health and care premium for the wage tax
  int PKV = 0;         // tax side: 0 statutory, 1 private without, 2 with employer subsidy
  Money KVSatz;        // general health rate, percent
  Money StBrutto;      // gross pay for tax
  Money SonstBezug;    // one-time payment for tax
  Money SVBrutto;      // gross pay for social insurance (plus the supplementary pension's part)
  Money SVBemessung;   // its base after the transition-zone reduction
  Money EBSVBrutto;    // one-time payment for social insurance
  int StKl = 0;
  Money Faktor;  // factor of tax class 4
  int AF = 0;
  int KiStLand = 0;  // church-tax state 0-18, 0 none
  // Church-tax kind: 1 liable, 4 not liable; 2 and 3 split a mixed-denomination couple's tax.
  int Konfession = 0;
  int KRV = 0;  // tax table: 0 pension ceiling West, 1 East, 2 special table
  float KiFB = 0;
  Money StFB;  // monthly allowance (negative: addition amount) times 100
  int GebJahr = 0;
  int Mehrfachbesch = 0;
  Money BruttoAndere;  // gross pay from the other employment
  int BAVArt = 0;
  int Aufstockung = 0;
  int KinderUnter25 = 0;
  // Age and pension payments.
  int GebMonat = 0;
  int Aktivrente = 0;
  Money Versorgungsbezug;  // monthly, on top of StBrutto
  Versorgungsbezugsart VersorgungsbezugArt = Versorgungsbezugsart::Keine;
  int VersorgungsbeginnJahr = 0, VersorgungsbeginnMonat = 0;

  // --- Inputs without a setter ---
  // Pension payments, pay for several years' work and the annual wage of one-time payments.
  int VJAHR = 0, ZMVB = 0;
  Money VBEZ, VBS, VBEZM, VBEZS, JVBEZ, VMT, JRE4;
  // The compensations (Entschädigungen, § 24 Nr. 1 EStG) within VMT, within JRE4 and within the
  // one-time payment SonstBezug: no provision lump sum on them.
  Money ENTSCH, JRE4ENT, SONSTENT;
  Money EBJahresfreibetrag;    // has no use: no engine takes an annual allowance for a payment
  int JahresHochrechnung = 0;  // 1: JRE4 and JVBEZ are twelve times the month's amounts
  // One-time payment for social insurance: bases of the months before it in the year.
  int EBVormonate = 0;  // 1: derive VorBemKV and VorBemRV from this month's base
  int VorTage = 0;
  Money VorBemKV, VorBemRV;
  // Pension-income rule: 1 or 2 (2 with the twentieth of the reference amount).
  int Versorgungsart = 0;
  Money VersorgungKVGrenze;
  int RVStatus = 0, AVStatus = 0;
  Money U1Satz, U2Satz;  // employer levies, percent
  Money AufstockungBasis, AufstockungSatz, AufstockungRVSatz;
  // Supplementary public-service pension: "kvw", "VBL", "RZVK", "individuell" or "keine".
  std::string ZVArt = "keine";
  Money ZVEntgelt;  // the pay it is charged on; limited to 2.5 (November: 5) pension ceilings
  Money ZVSatzIndividuell;
  int ZVGrenzbeitragPflicht = 0;
  Money ZVANSatz, ZVANFestbetrag;
  Money ZVSteuerfrei;  // 0: the default tax-free part
  Money ZVPauschalVorgabe;
  // The additional rate: set by the scheme for kvw and RZVK, else read as given.
  Money ZVZusatzbeitragSatz;

  // --- Parameters of the period, loaded by SetJahr and SetMonat ---
  Money BBGKV, BBGRV;
  Money RVSatz, AVSatz, PVSatz;
  Money KVSatzZuschuss, PKVHoechstzuschuss, PPVHoechstzuschuss;
  Money GleitzoneObergrenze, GleitzoneFaktor, GleitzoneUntergrenze;
  Money InsoUmlageSatz;
  Money Geringverdienergrenze;
  Money ZwanzigstelBezugsgroesse;

  // --- Derived values ---
  int LZZ = 0;     // pay period of the engine: 2 month, 4 day
  int ALTER1 = 0;  // the employee had completed 64 before the year
  int AJAHR = 0;   // the year after the one in which the employee turned 64
  int Minijob = 0;
  Money RE4;  // the pay the engine taxes: the period's (a day's with fewer than 30 days)
  Money BemKV, BemRV, EBBemKV, EBBemRV, AntBBGKV, AntBBGRV;
  // The rules of age: the month the retirement age is reached, whether the period lies after it,
  // the Aktivrente's free parts of the regular pay and of the one-time payment (0 when it does not
  // apply), and the tax table the engine was fed (KRV, or none for pension digit 3).
  Kalendermonat Regelaltersgrenze;
  int NachRegelaltersgrenze = 0;
  Money AktivrenteFrei, AktivrenteFreiEB;
  int KRVSteuer = 0;

  // --- Results ---
  // The annual taxable income of the regular pay as the engine's main operation leaves it.
  Money ZVE;
  Money LSt, SolZ, KiSt, KiStAnteil1, KiStAnteil2;
  Money LStEB, SolZEB, KiStEB1, KiStEB2;
  Money LStVMT, SolZVMT, KiStVMT1, KiStVMT2;
  Money KVAN, KVAG, RVAN, RVAG, AVAN, AVAG, PVAN, PVAG;
  Money KVANEB, RVANEB, AVANEB, PVANEB, KVAGEB, RVAGEB, AVAGEB, PVAGEB;
  Money InsoUmlage, UmlageU1, UmlageU2, Kammerbeitrag;
  Money AufstockungBetrag, AufstockungRVBemessung, AufstockungRVBeitrag;
  Money ZVSatz, ZVUmlage, ZVGrenzbeitrag, ZVZusatzbeitrag, ZVANBeitrag, ZVSteuerpflichtig,
      ZVPauschal, ZVSVpflichtig;
  // The pension payments: the health and care contributions the payer withholds, and the year's
  // pension allowance and its supplement (§ 19 Abs. 2 EStG) the wage tax takes.
  Money KVVersorgung, PVVersorgung;
  Money Versorgungsfreibetrag, ZuschlagVersorgungsfreibetrag;

 private:
  void LadePeriode();
  Money SVBemessungFuer(Money AE) const;

  // The steps of Berechne.
  void BerechneZusatzversorgung();
  void BerechneBemessung();
  Money PKPVFuerSteuer() const;
  void BerechneSteuern(OruSteuern& engine, Money pkpv);
  void BerechneEinmalbezugSV();
  void BerechneUmlagen();
  void BerechneKammerbeitrag();
  void BerechneAufstockung();
  // The rules of age and the pension payments.
  void BerechneAlter();
  bool AktivrenteMoeglich() const;
  int KRVFuerSteuer() const;
  void BerechneVersorgungsbeitraege();

  // The shares of the regular pay.
  Money BerechneKVAN() const;
  Money BerechneKVAG() const;
  Money BerechneRVAN() const;
  Money BerechneRVAG() const;
  Money BerechneAVAN() const;
  Money BerechneAVAG() const;
  Money BerechnePVAN() const;
  Money BerechnePVAG() const;

  // Conditions and bases the shares share.
  bool ImUebergangsbereich() const;
  bool MitArbeitnehmerbasis() const;
  Money ArbeitnehmerbasisUebergang() const;
  bool RVVerzichtMinijob() const;
  Money RVANMinijob(Money b, Money e) const;
  bool MehrfachUeberKVGrenze() const;
  Money AnteiligNachBrutto(Money betrag) const;
  Money FreiwilligenBasis() const;
  Money ArbeitgeberBasis(Money bemessung, Money grenze) const;
  Money TatsaechlicherZuschussKV() const;
  bool VersorgungsRegel() const;
  Ext PVZuschlag() const;
  Ext PVAbschlag() const;
  Ext PVSatzAN() const;
  Ext PVSatzAG() const;
  bool AVANFrei() const;
  bool AVAGFrei() const;
  bool RVANFrei() const;
  bool RVAGFrei() const;
  bool KVANFrei() const;
  bool PVFrei() const;

  // The engine of the last calculation, kept for the next one of the same month (the engines'
  // operations leave nothing behind). A copy of the case makes its own.
  struct EngineAblage {
    std::unique_ptr<OruSteuern> engine;
    int jahr = 0, monat = 0;
    EngineAblage() = default;
    EngineAblage(const EngineAblage&) {}
    EngineAblage& operator=(const EngineAblage&) {
      engine.reset();
      return *this;
    }
    EngineAblage(EngineAblage&&) = default;
    EngineAblage& operator=(EngineAblage&&) = default;
    ~EngineAblage() = default;
  };

  EngineQuelle engineQuelle_;
  EngineAblage engine_;
  const Beitragsjahr* werte_ = nullptr;
  Money svBruttoGesetzt_;      // the amount of the last SetSVBrutto
  Money stBruttoPeriode_;      // the taxable pay of the period, before a daily split
  Money grenzeKV_, grenzeRV_;  // the ceilings of the period (fewer than 30 days: prorated)
};

}  // namespace salvaro
