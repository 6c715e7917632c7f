// The contribution bases and the employee and employer shares of health (KV), pension (RV),
// unemployment (AV) and care (PV) insurance, the employer levies and the chamber contribution.
// Within a share the rules run in the order of the law's exceptions: a later rule that applies
// replaces the value, and the rules that free a share come last.
#include <algorithm>

#include "engine/Gehalt.h"
#include "money/OruMath.h"

namespace salvaro {

using namespace literale;

namespace {

// A contribution: base × rate / 100, cut after the third decimal, then half up to cents.
Money Anteil(Money basis, Ext satz) {
  return RundeCent(Abschneiden(4, basis * satz / 100));
}

// The same, with the product first stored as an amount before it is cut.
Money AnteilGespeichert(Money basis, Ext satz) {
  return RundeCent(Abschneiden(4, Money::runde(basis * satz / 100)));
}

Money Doppelt(Money m) {
  return m + m;
}

Money NichtNegativ(Money m) {
  return std::max(m, Money());
}

// The employee's share in the transition zone: the whole contribution on the reduced base less
// the employer's share on the actual pay. The reduced base is never below half the actual pay
// (F > 0.5), so the difference is never negative; only the cents of the two shares, each rounded
// on its own, can make it so at the smallest pay (1.00 with the half care rate: 2 × 0.00 − 0.01).
Money ZonenanteilAN(Money m) {
  return NichtNegativ(m);
}


}  // namespace

// The ceilings of the period and the bases they cut; multiple employment shares the ceiling in
// proportion to the two pays.
void TLohnGehalt::BerechneBemessung() {
  const auto periode = [this](Money grenze) {
    return SVTage >= 30 ? grenze : RundeCent(grenze / 30 * SVTage);
  };
  const auto aufgeteilt = [this](Money grenze) {
    Money b = SVBemessung, f = BruttoAndere;
    if (werte_->mehrfachbeschaeftigungAb2012) {
      b = std::min(b, grenze);
      f = std::min(f, grenze);
    }
    return RundeCent(grenze * b / (b + f));
  };
  grenzeKV_ = periode(BBGKV);
  grenzeRV_ = periode(BBGRV);
  BemKV = std::min(grenzeKV_, SVBemessung);
  if (Mehrfachbesch != 0 && BBGKV < BemKV + BruttoAndere) BemKV = aufgeteilt(BBGKV);
  BemRV = std::min(grenzeRV_, SVBemessung);
  if (Mehrfachbesch == 1 && BBGRV < BemRV + BruttoAndere) BemRV = aufgeteilt(BBGRV);
}

bool TLohnGehalt::ImUebergangsbereich() const {
  return Gleitzone == 1 && GleitzoneObergrenze > SVBrutto;
}

bool TLohnGehalt::MitArbeitnehmerbasis() const {
  return ImUebergangsbereich() && werte_->gleitzoneArbeitnehmerbasis.in(Monat);
}

// The employee's base in the transition zone from October 2022: O / (O - G) x (AE - G).
Money TLohnGehalt::ArbeitnehmerbasisUebergang() const {
  const Money O = GleitzoneObergrenze, G = GleitzoneUntergrenze;
  return NichtNegativ(RundeCent(O / (O - G) * (SVBrutto - G)));
}

// Pension digit 1 in marginal employment: compulsory insurance from 2013 (§ 6 (1b) SGB VI lets the
// employee opt out), before that the employee's waiver of the exemption; either way the employer
// pays the flat rate and the employee the rest (§ 168 (1) Nr. 1b SGB VI). The window's switch
// only selects the group.
bool TLohnGehalt::RVVerzichtMinijob() const {
  return Minijob == 1 && BGRRV == 1;
}

// The opt-in's employee share on a base b of regular pay and a base e of one-time pay: the rest of
// the full rate above the employer's flat rate, but at least the full contribution on the minimum
// base less the employer's part (§ 163 (8), § 168 (1) Nr. 1b SGB VI). A month without pay has no
// contribution to top up.
Money TLohnGehalt::RVANMinijob(Money b, Money e) const {
  const Money p = werte_->RVPauschalsatz.in(Monat);
  Money m = werte_->RVMindestbemessung;
  if (SVTage < 30) m = RundeCent(m / 30 * SVTage);
  if (b + e > 0 && m > b + e) return RundeCent(m * RVSatz / 100) - RundeCent(b * p / 100) - RundeCent(e * p / 100);
  return RundeCent(b * (RVSatz - p) / 100) + RundeCent(e * (RVSatz - p) / 100);
}

bool TLohnGehalt::MehrfachUeberKVGrenze() const {
  return Mehrfachbesch != 0 && BBGKV < SVBemessung + BruttoAndere;
}

Money TLohnGehalt::AnteiligNachBrutto(Money betrag) const {
  return RundeCent(betrag * SVBemessung / (SVBemessung + BruttoAndere));
}

// Voluntary members pay on the ceiling unless they choose the actual pay.
Money TLohnGehalt::FreiwilligenBasis() const {
  return FrwTatsBrutto == 1 ? BemKV : BBGKV;
}

// The employer pays on the actual pay below the upper limit of the transition zone (there the
// employee's base is reduced), but never on more than the ceiling of the period.
Money TLohnGehalt::ArbeitgeberBasis(Money bemessung, Money grenze) const {
  return SVBrutto < GleitzoneObergrenze ? std::min(SVBrutto, grenze) : bemessung;
}

// Employer's health subsidy to a private premium measured on the actual pay.
Money TLohnGehalt::TatsaechlicherZuschussKV() const {
  const Money a = Anteil(BemKV, KVSatzZuschuss);
  return RundeCent(Abschneiden(4, a - KVSatzZuschuss / 2 * BemKV / 100));
}

bool TLohnGehalt::VersorgungsRegel() const {
  return Versorgungsart == 1 || Versorgungsart == 2;
}

// The childless surcharge, from 2005.
Ext TLohnGehalt::PVZuschlag() const {
  return PVErhoeht == 1 ? Ext(werte_->PVZuschlagKinderlos.in(Monat)) : Ext();
}

// From July 2023 the employee's care rate falls for each child under 25 from the second to the
// fifth; a childless employee pays the surcharge instead.
// With the half contribution (care digit 2) the reduction is halved like the rate; it never makes
// the employee's rate negative.
Ext TLohnGehalt::PVAbschlag() const {
  if (PVErhoeht == 1) return Ext();
  const int kinder = std::clamp(KinderUnter25 - 1, 0, 4);
  const Ext abschlag = werte_->PVAbschlagJeKind.in(Monat) * kinder;
  const Ext gekuerzt = BGRPV == 2 ? abschlag / 2 : abschlag;
  return std::min(gekuerzt, PVSatzAN());
}

// Saxony kept its holiday, so its employees carry one point more of the care rate.
Ext TLohnGehalt::PVSatzAN() const {
  return PVSachsen == 1 && BGRPV != 2 ? (PVSatz - 1_m) / 2 + 1 : PVSatz / 2;
}
Ext TLohnGehalt::PVSatzAG() const {
  return PVSachsen == 1 && BGRPV != 2 ? (PVSatz - 1_m) / 2 : PVSatz / 2;
}

// No statutory health insurance, marginal employment, or a private premium the employer
// subsidises (or none at all).
bool TLohnGehalt::KVANFrei() const {
  return (BGRKV == 0 && (KVStatus == 0 || KVStatus == 5)) || BGRKV == 6 || KVStatus == 4 ||
         KVStatus == 9 || Minijob == 1;
}

Money TLohnGehalt::BerechneKVAN() const {
  const KvZusatz regel = werte_->kvZusatz.in(Monat);
  const Ext g = regel == KvZusatz::Paritaetisch ? KVZusBeitrag / 2 : Ext(KVZusBeitrag);
  Money kvan;
  switch (regel) {
    case KvZusatz::Keiner:
      kvan = Anteil(BemKV, KVSatz / 2);
      break;
    case KvZusatz::Sonderbeitrag:
      kvan = RundeCent(Abschneiden(4, BemKV * KVZusBeitrag / 100 + Anteil(BemKV, KVSatz / 2)));
      break;
    case KvZusatz::ImSatz:
      kvan = Anteil(BemKV, KVSatz / 2 + KVZusBeitrag);
      break;
    case KvZusatz::Getrennt:
    case KvZusatz::Paritaetisch:
      // Two contributions, each in whole cents.
      kvan = AnteilGespeichert(BemKV, KVSatz / 2) + Anteil(BemKV, g);
      break;
  }

  // A voluntary member pays the whole contribution.
  if (BGRKV == 9 || KVStatus == 2) {
    const Money o = FreiwilligenBasis();
    switch (regel) {
      case KvZusatz::Keiner:
        kvan = Anteil(o, KVSatz);
        break;
      case KvZusatz::Sonderbeitrag:
      case KvZusatz::ImSatz:
        kvan = Anteil(o, KVSatz + KVZusBeitrag);
        break;
      case KvZusatz::Getrennt:
        kvan = AnteilGespeichert(o, KVSatz) + Anteil(o, KVZusBeitrag);
        break;
      case KvZusatz::Paritaetisch:
        kvan = RundeCent(o * (KVSatz + KVZusBeitrag) / 100);
        break;
    }
    if (MehrfachUeberKVGrenze()) {
      kvan = werte_->mehrfachbeschaeftigungAb2012 ? RundeCent((KVSatz + KVZusBeitrag) * BemKV / 100)
                                                  : AnteiligNachBrutto(kvan);
    }
  }

  // A private premium less the employer's subsidy.
  if (KVStatus == 3) {
    const Money s = std::min(PKVHoechstzuschuss, PKVBetrag - AbrundenCent(PKVBetrag / 2));
    kvan = PKVBetrag - s;
    if (FrwTatsBrutto == 1 && BBGKV > BemKV) kvan = TatsaechlicherZuschussKV();
    if (MehrfachUeberKVGrenze()) kvan = AnteiligNachBrutto(kvan);
  }

  // Transition zone: the whole contribution on the reduced base less the employer's share on
  // the actual pay; from October 2022 half the rate on the employee base.
  if (MitArbeitnehmerbasis()) {
    const Money b = ArbeitnehmerbasisUebergang();
    kvan = AnteilGespeichert(b, KVSatz / 2) + Anteil(b, g);
  } else if (ImUebergangsbereich()) {
    kvan = Doppelt(Anteil(BemKV, KVSatz / 2)) - Anteil(SVBrutto, KVSatz / 2);
    switch (regel) {
      case KvZusatz::Keiner:
        break;
      case KvZusatz::Sonderbeitrag:
        kvan += Anteil(BemKV, KVZusBeitrag);
        break;
      case KvZusatz::ImSatz:
      case KvZusatz::Getrennt:
        kvan += Anteil(BemKV, g);
        break;
      case KvZusatz::Paritaetisch:
        kvan += Doppelt(Anteil(BemKV, g)) - Anteil(SVBrutto, g);
        break;
    }
    kvan = ZonenanteilAN(kvan);
  }

  // Pensioners pay the whole rate on their pension payments.
  if (VersorgungsRegel()) {
    Money t = VersorgungKVGrenze > 0 && VersorgungKVGrenze < BemKV ? VersorgungKVGrenze : BemKV;
    if (werte_->versorgungsFreibetrag && Versorgungsart == 2)
      t = NichtNegativ(t - ZwanzigstelBezugsgroesse);
    kvan = Anteil(t, KVSatz) + Anteil(t, KVZusBeitrag);
    if (!werte_->versorgungsFreibetrag && Versorgungsart == 2 && ZwanzigstelBezugsgroesse > BemKV)
      kvan = Money();
  }

  if (KVANFrei()) kvan = Money();
  return kvan;
}

Money TLohnGehalt::BerechneKVAG() const {
  const bool paritaetisch = werte_->kvZusatz.in(Monat) == KvZusatz::Paritaetisch;
  const Ext d = paritaetisch ? KVZusBeitrag / 2 : Ext();
  Money kvag = Anteil(ArbeitgeberBasis(BemKV, grenzeKV_), KVSatz / 2 + d);
  // From October 2022 the employer carries the whole contribution on the reduced base less the
  // employee's share.
  if (MitArbeitnehmerbasis())
    kvag = AnteilGespeichert(BemKV, KVSatz) + Anteil(BemKV, KVZusBeitrag) - KVAN;

  // Subsidy to a voluntary member.
  if (BGRKV == 9 || KVStatus == 2) {
    kvag = Anteil(FreiwilligenBasis(), KVSatz / 2 + d);
    if (MehrfachUeberKVGrenze()) {
      kvag = werte_->mehrfachbeschaeftigungAb2012 ? RundeCent((d + KVSatz / 2) * BemKV / 100)
                                                  : AnteiligNachBrutto(kvag);
    }
  }

  // Subsidy to a private premium: half of it, at most the maximum subsidy.
  if (KVStatus == 3 || KVStatus == 4) {
    kvag = std::min(PKVHoechstzuschuss, PKVBetrag - AbrundenCent(PKVBetrag / 2));
    if (FrwTatsBrutto == 1 && BBGKV > BemKV) kvag = TatsaechlicherZuschussKV();
    if (MehrfachUeberKVGrenze()) {
      if (werte_->mehrfachbeschaeftigungAb2012) {
        const Money s = std::min(PKVHoechstzuschuss, RundeCent(PKVBetrag / 2));
        kvag = RundeCent(s / BBGKV * BemKV);
      } else {
        kvag = AnteiligNachBrutto(kvag);
      }
    }
  }

  if (BGRKV == 6) kvag = Anteil(BemKV, werte_->KVPauschalsatz.in(Monat));
  if (BGRKV == 0 && (KVStatus == 0 || KVStatus == 5)) kvag = Money();
  if (KVStatus == 9 || VersorgungsRegel()) kvag = Money();
  return kvag;
}

bool TLohnGehalt::RVANFrei() const {
  return (BGRRV == 0 && RVStatus == 0) || BGRRV == 3 || BGRRV == 5 ||
         (Minijob == 1 && BGRRV != 1) || RVStatus == 2;
}

bool TLohnGehalt::RVAGFrei() const {
  return BGRRV == 0 && RVStatus == 0;
}

Money TLohnGehalt::BerechneRVAN() const {
  Money rvan = Anteil(BemRV, RVSatz / 2);

  if (RVVerzichtMinijob()) rvan = RVANMinijob(BemRV, Money());

  if (ImUebergangsbereich() && Minijob == 0) {
    if (RVVolleBeitraege == 1)
      rvan = RundeCent(RVSatz / 2 * SVBrutto / 100);
    else if (MitArbeitnehmerbasis())
      rvan = Anteil(ArbeitnehmerbasisUebergang(), RVSatz / 2);
    else
      rvan = ZonenanteilAN(Doppelt(rvan) - Anteil(SVBrutto, RVSatz / 2));
  }

  if (RVANFrei()) rvan = Money();
  return rvan;
}

Money TLohnGehalt::BerechneRVAG() const {
  Money rvag = Anteil(ArbeitgeberBasis(BemRV, grenzeRV_), RVSatz / 2);
  // The reduced base lowers the insured employee's share only: where the employee is free of
  // the branch (digit 3), the employer's isolated half stays on the actual pay.
  if (MitArbeitnehmerbasis() && Minijob == 0 && RVVolleBeitraege == 0 && !RVANFrei())
    rvag = Anteil(BemRV, RVSatz) - RVAN;
  if (RVVerzichtMinijob() || BGRRV == 5)
    rvag = RundeCent(BemRV * werte_->RVPauschalsatz.in(Monat) / 100);
  if (RVAGFrei()) rvag = Money();
  return rvag;
}

bool TLohnGehalt::AVANFrei() const {
  return BGRRV == 5 || BGRAV == 0 || BGRAV == 2 || BGRKV == 6 || Minijob == 1;
}

bool TLohnGehalt::AVAGFrei() const {
  return BGRRV == 5 || BGRAV == 0 || BGRKV == 6 || AVStatus == 1 || Minijob == 1 ||
         // The employer's isolated half after the retirement age was suspended 2017-2021.
         (BGRAV == 2 && !ArbeitgeberanteilAVNachAltersgrenze(Jahr));
}

Money TLohnGehalt::BerechneAVAN() const {
  Money avan = Anteil(BemRV, AVSatz / 2);
  if (MitArbeitnehmerbasis())
    avan = Anteil(ArbeitnehmerbasisUebergang(), AVSatz / 2);
  else if (ImUebergangsbereich())
    avan = ZonenanteilAN(Doppelt(avan) - Anteil(SVBrutto, AVSatz / 2));
  if (AVANFrei()) avan = Money();
  return avan;
}

Money TLohnGehalt::BerechneAVAG() const {
  if (AVAGFrei()) return Money();
  // As in pension insurance: an employee free of the branch (digit 2) leaves the employer's half
  // on the actual pay.
  if (MitArbeitnehmerbasis() && !AVANFrei()) return Anteil(BemRV, AVSatz) - AVAN;
  return Anteil(ArbeitgeberBasis(BemRV, grenzeRV_), AVSatz / 2);
}

// Care insurance has no shares in marginal employment, without health insurance, without care
// insurance, or with a private care status that pays none.
bool TLohnGehalt::PVFrei() const {
  return PVStatus == 5 || PVStatus == 9 || BGRRV == 5 || BGRKV == 6 || Minijob == 1 ||
         (BGRKV == 0 && (PVStatus == 0 || PVStatus == 9)) || (BGRPV == 0 && PVStatus == 0);
}

Money TLohnGehalt::BerechnePVAN() const {
  const Ext Z = PVZuschlag();
  const Ext A = PVAbschlag();
  Money pvan = Anteil(BemKV, PVSatzAN() + Z - A);

  if (BGRKV == 9 || PVStatus == 2) {
    const Ext R = PVSatz + Z - A;
    pvan = Anteil(FreiwilligenBasis(), R);
    if (MehrfachUeberKVGrenze()) {
      pvan = werte_->mehrfachbeschaeftigungAb2012 ? RundeCent(R * BemKV / 100)
                                                  : AnteiligNachBrutto(pvan);
    }
  }

  if (PVStatus == 3) {
    const Money u = std::min(PPVBetrag - AbrundenCent(PPVBetrag / 2), Anteil(BBGKV, PVSatz / 2));
    pvan = PPVBetrag - u;
    if (FrwTatsBrutto == 1 && BemKV < BBGKV) pvan = Anteil(BemKV, PVSatz / 2);
    if (MehrfachUeberKVGrenze()) pvan = AnteiligNachBrutto(pvan);
  }

  // Transition zone: the whole contribution and the surcharge on the reduced base less the
  // employer's share on the actual pay (in Saxony the employer's smaller part); from October 2022
  // the employee's rate on the employee base and the surcharge on the reduced base.
  if (MitArbeitnehmerbasis()) {
    pvan = Anteil(ArbeitnehmerbasisUebergang(), PVSatzAN() - A) + Anteil(BemKV, Z);
  } else if (ImUebergangsbereich()) {
    pvan = ZonenanteilAN(Doppelt(Anteil(BemKV, PVSatz / 2)) + Anteil(BemKV, Z) -
                         Anteil(SVBrutto, PVSatzAG()));
  }

  if (VersorgungsRegel()) {
    const Money t =
        VersorgungKVGrenze > 0 && VersorgungKVGrenze < BemKV ? VersorgungKVGrenze : BemKV;
    pvan = Anteil(t, PVSatz + Z - A);
    if (Versorgungsart == 2 && BemKV < ZwanzigstelBezugsgroesse) pvan = Money();
  }

  if (PVFrei()) pvan = Money();
  return pvan;
}

Money TLohnGehalt::BerechnePVAG() const {
  Money pvag = Anteil(ArbeitgeberBasis(BemKV, grenzeKV_), PVSatzAG());
  if (MitArbeitnehmerbasis())
    pvag = Anteil(BemKV, PVSatz) - Anteil(ArbeitnehmerbasisUebergang(), PVSatzAN());

  if (BGRKV == 9 || PVStatus == 2) {
    pvag = Anteil(FreiwilligenBasis(), PVSatz / 2);
    if (MehrfachUeberKVGrenze()) {
      pvag = werte_->mehrfachbeschaeftigungAb2012 ? RundeCent(PVSatz / 2 * BemKV / 100)
                                                  : AnteiligNachBrutto(pvag);
    }
  }

  if (PVStatus == 3 || PVStatus == 4) {
    Money u = std::min(PPVBetrag - AbrundenCent(PPVBetrag / 2), Anteil(BBGKV, PVSatz / 2));
    pvag = std::min(u, PPVHoechstzuschuss);
    if (FrwTatsBrutto == 1 && BBGKV > BemKV) pvag = Anteil(BemKV, PVSatz / 2);
    if (MehrfachUeberKVGrenze() && werte_->mehrfachbeschaeftigungAb2012) {
      const Money s = std::min(PPVHoechstzuschuss, AbrundenCent(PPVBetrag / 2));
      pvag = RundeCent(s / BBGKV * BemKV);
    }
  }

  if (PVFrei() || VersorgungsRegel()) pvag = Money();
  return pvag;
}

// A one-time payment is charged up to the part of the year's ceilings that the regular pay of
// the year so far has left.
void TLohnGehalt::BerechneEinmalbezugSV() {
  if (EBVormonate == 1) {
    const int vormonate = Monat - 1;
    VorBemKV = std::min(Money::runde(SVBemessung * vormonate), Money::runde(BBGKV * vormonate));
    VorBemRV = std::min(Money::runde(SVBemessung * vormonate), Money::runde(BBGRV * vormonate));
  }
  const auto anteilig = [this](Money grenze) {
    // A short first month has its days' share of the ceiling as well.
    return VorTage != 0 || SVTage < 30 ? Money::runde((VorTage + SVTage) * grenze / 30) : grenze;
  };
  AntBBGKV = anteilig(BBGKV);
  AntBBGRV = anteilig(BBGRV);
  EBBemKV = std::min(EBSVBrutto, NichtNegativ(AntBBGKV - VorBemKV - BemKV));
  EBBemRV = std::min(EBSVBrutto, NichtNegativ(AntBBGRV - VorBemRV - BemRV));

  const KvZusatz regel = werte_->kvZusatz.in(Monat);
  const bool kvPflicht = AntBBGKV > 0 && BGRKV < 8;
  const Money k = kvPflicht ? Anteil(EBBemKV, KVSatz / 2) : Money();
  switch (regel) {
    case KvZusatz::Keiner:
      KVANEB = k;
      break;
    case KvZusatz::Sonderbeitrag:
    case KvZusatz::ImSatz:
    case KvZusatz::Getrennt:
      KVANEB = RundeCent(Abschneiden(4, EBBemKV * KVZusBeitrag / 100 + k));
      break;
    case KvZusatz::Paritaetisch:
      KVANEB = Anteil(EBBemKV, KVSatz / 2 + KVZusBeitrag / 2);
      break;
  }
  // As on the regular pay, marginal employment and health digit 0 leave the employee nothing.
  if (KVStatus != 0 || BGRKV == 9 || KVANFrei()) KVANEB = Money();

  const Ext d = regel == KvZusatz::Paritaetisch ? KVZusBeitrag / 2 : Ext();
  KVAGEB = kvPflicht ? RundeCent(EBBemKV * (KVSatz / 2 + d) / 100) : Money();
  // The employer's flat health rate of marginal employment, taken as on the regular pay.
  if (BGRKV == 6 && kvPflicht) KVAGEB = Anteil(EBBemKV, werte_->KVPauschalsatz.in(Monat));
  if (KVStatus != 0 || BGRKV == 0) KVAGEB = Money();

  // Pension and unemployment: the contribution group frees the same side as on the regular pay.
  RVANEB = AntBBGRV > 0 && !RVANFrei() ? Anteil(EBBemRV, RVSatz / 2) : Money();
  RVAGEB = !RVAGFrei() ? Anteil(EBBemRV, RVSatz / 2) : Money();
  // Marginal employment: the employer's flat pension rate; with the opt-in the employee pays what
  // the month with the payment owes beyond the regular share, which already holds any top-up to
  // the minimum base.
  if (RVVerzichtMinijob() || BGRRV == 5) {
    RVAGEB = RundeCent(EBBemRV * werte_->RVPauschalsatz.in(Monat) / 100);
    if (RVVerzichtMinijob() && AntBBGRV > 0)
      RVANEB = RVANMinijob(BemRV, EBBemRV) - RVANMinijob(BemRV, Money());
  }
  if (RVAGFrei()) RVAGEB = Money();
  AVANEB = AntBBGRV > 0 && !AVANFrei() ? Anteil(EBBemRV, AVSatz / 2) : Money();
  AVAGEB = !AVAGFrei() ? Anteil(EBBemRV, AVSatz / 2) : Money();
  if (BGRAV == 0 && AVStatus == 0) AVANEB = AVAGEB = Money();

  // Care follows the exclusions of the regular pay: nothing in marginal employment or without
  // health insurance.
  PVANEB = AntBBGKV > 0 ? Anteil(EBBemKV, PVSatzAN() + PVZuschlag() - PVAbschlag()) : Money();
  // A private care premium (or a voluntary member's own) leaves the payment free of statutory
  // care contributions, as the regular pay.
  if (PVStatus != 0 || BGRKV == 9 || PVFrei()) PVANEB = Money();
  PVAGEB = Anteil(EBBemKV, PVSatzAG());
  if (PVStatus != 0 || BGRKV == 9 || PVFrei()) PVAGEB = Money();
}

void TLohnGehalt::BerechneUmlagen() {
  InsoUmlage = werte_->mitInsoUmlage ? Anteil(BemRV + EBBemRV, InsoUmlageSatz) : Money();
  UmlageU1 = RundeCent(BemRV * U1Satz / 100);
  UmlageU2 = Anteil(BemRV, U2Satz);
}

// The employees' chambers of Bremen and the Saarland.
void TLohnGehalt::BerechneKammerbeitrag() {
  constexpr int kBremen = 5, kSaarland = 14;
  Kammerbeitrag = Money();
  if (KiStLand == kBremen && stBruttoPeriode_ > 250_m) {
    Kammerbeitrag = AbrundenCent(stBruttoPeriode_ * 0.15_x / 100);
  } else if (KiStLand == kSaarland && Minijob == 0) {
    const Money b = std::min(RundeCent(BBGRV * 75 / 100), BemRV);
    Kammerbeitrag = AbrundenCent(b * 0.15_x / 100);
  }
}

// Top-up of partial retirement: the top-up amount and the additional pension base, which fills
// the pay up to 90 % of the ceiling at most and never beyond the ceiling.
void TLohnGehalt::BerechneAufstockung() {
  if (Aufstockung == 0) {
    AufstockungBetrag = AufstockungRVBemessung = AufstockungRVBeitrag = Money();
    return;
  }
  AufstockungBetrag = RundeCent(AufstockungBasis * AufstockungSatz / 100);
  Money bem = RundeCent(AufstockungBasis * AufstockungRVSatz / 100);
  bem = std::min(bem, RundeCent(BBGRV * 90 / 100) - AufstockungBasis);
  bem = std::min(bem, BBGRV - BemRV);
  AufstockungRVBemessung = NichtNegativ(bem);
  AufstockungRVBeitrag = RundeCent(AufstockungRVBemessung * RVSatz / 100);
}

}  // namespace salvaro

namespace salvaro {

// Health and care contributions on a company pension of a compulsorily insured pensioner, which
// the payer withholds (§ 256 SGB V). A civil servant's pension, a privately insured or voluntary
// member and a pensioner without statutory health insurance have none here.
void TLohnGehalt::BerechneVersorgungsbeitraege() {
  KVVersorgung = PVVersorgung = Money();
  const bool pflichtversichert = VersorgungsbezugArt == Versorgungsbezugsart::Betriebsrente &&
                                 BGRKV != 0 && BGRKV != 9 && KVStatus == 0;
  // § 226 Abs. 2 Satz 1 SGB V, § 57 Abs. 1 SGB XI: nothing up to a twentieth of the monthly
  // reference amount (§ 18 SGB IV), the whole pension above it.
  const Money zwanzigstel = ZwanzigstelBezugsgroesse;
  if (!pflichtversichert || Versorgungsbezug <= zwanzigstel) return;
  // § 230 SGB V: the pay first, then the pension up to the ceiling.
  const Money raum = NichtNegativ(grenzeKV_ - BemKV);
  // § 226 Abs. 2 Satz 2 SGB V (from 2020): in health insurance a company pension is charged only
  // above an allowance of the same amount.
  const Money kvBasis = std::min(
      werte_->versorgungsFreibetrag ? Versorgungsbezug - zwanzigstel : Versorgungsbezug, raum);
  const Money pvBasis = std::min(Versorgungsbezug, raum);

  // § 248 SGB V: the general rate (not the reduced one of digit 3) and the fund's additional
  // rate, both in full and borne by the member alone (§ 250 Abs. 1 Nr. 1 SGB V).
  Money allgemein = KVSatz;
  if (BGRKV == 3) {
    if (werte_->KVSatzFest.in(Monat) > 0) allgemein = werte_->KVSatzFest.in(Monat);
    else if (werte_->KVSatzVorgabe > 0) allgemein = werte_->KVSatzVorgabe;
  }
  const Money zusatz = werte_->kvZusatz.in(Monat) == KvZusatz::Keiner ? Money() : KVZusBeitrag;
  KVVersorgung = Anteil(kvBasis, allgemein) + Anteil(kvBasis, zusatz);

  // § 59 Abs. 1 SGB XI with § 55 SGB XI: the whole care rate, with the surcharge of the childless
  // or the reductions for children, borne by the member alone.
  if (BGRPV == 0 || PVStatus != 0) return;
  const int kinder = std::clamp(KinderUnter25 - 1, 0, 4);
  const Ext satz = werte_->PVSatz.in(Monat) + PVZuschlag() -
                   (PVErhoeht == 1 ? Ext() : werte_->PVAbschlagJeKind.in(Monat) * kinder);
  PVVersorgung = Anteil(pvBasis, satz);
}

}  // namespace salvaro
