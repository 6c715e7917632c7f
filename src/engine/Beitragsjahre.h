// The social-insurance values of each year from 2004 to 2023: contribution ceilings and rates,
// the maximum employer subsidies to private insurance, the transition zone, the supplementary
// public-service pension and the rule switches that changed over the years. One row per year;
// a value that changed during a year holds both values and the month of the change.
#pragma once

#include <optional>

#include "money/Money.h"

namespace salvaro {

// A value of the year that may change once: `vorher` before month `abMonat`, `nachher` from it.
template <class T>
struct Jahreswert {
  T vorher{};
  T nachher{};
  int abMonat = 13;  // 13: no change during the year

  constexpr Jahreswert() = default;
  constexpr Jahreswert(T wert) : vorher(wert), nachher(wert) {}  // NOLINT(implicit)
  constexpr Jahreswert(T v, T n, int ab) : vorher(v), nachher(n), abMonat(ab) {}

  constexpr T in(int monat) const { return monat >= abMonat ? nachher : vorher; }
};

// How the additional health contribution enters the employee's share.
enum class KvZusatz {
  Keiner,         // 2004 and January-June 2005: no additional contribution
  Sonderbeitrag,  // July-December 2005: the special contribution, cut together with the half rate
  ImSatz,         // 2006-2014: added to the half general rate, one share
  Getrennt,       // 2015-2018: a share of its own, paid by the employee alone
  Paritaetisch,   // from 2019: shared half and half like the general rate
};

struct Beitragsjahr {
  int jahr;

  // Monthly contribution ceilings: health and care; pension and unemployment by legal area.
  Money BBGKV, BBGRVWest, BBGRVOst;
  // Rates in percent.
  Money RVSatz, AVSatz;
  Jahreswert<Money> PVSatz;
  Money InsoUmlageSatz;
  bool mitInsoUmlage;  // the insolvency levy is charged (from 2009, not in 2011)
  // The general health rate the month setter presets (0: it leaves the rate alone), and the rate
  // for the reduced-rate digit 3.
  Money KVSatzVorgabe, KVSatzVorgabeErmaessigt;
  // 2009: the health rate was fixed by law; the typed rate does not count (0: not fixed).
  Jahreswert<Money> KVSatzFest, KVSatzFestErmaessigt;
  Jahreswert<KvZusatz> kvZusatz;
  // Care surcharge for the childless, percentage points (0 before 2005), and from July 2023 the
  // employee's reduction for each child under 25 from the second to the fifth.
  Jahreswert<Money> PVZuschlagKinderlos, PVAbschlagJeKind;

  // Employer subsidies to private or voluntary insurance: the rate that measures the subsidy on
  // the actual pay, and the monthly maximum subsidies.
  Jahreswert<Money> KVSatzZuschuss, PKVHoechstzuschuss, PPVHoechstzuschuss;

  // Marginal employment and the transition zone: lower limit G, upper limit, factor F; the
  // reduced-base formula in use from 2013; whether the marginal-employment limit is shown.
  Jahreswert<Money> GleitzoneUntergrenze, GleitzoneObergrenze, GleitzoneFaktor;
  bool gleitzoneFormelAb2013;
  // From October 2022: the employee's share in the zone is half the rate on an employee base of
  // its own, the employer pays the whole contribution on the reduced base less that share.
  Jahreswert<bool> gleitzoneArbeitnehmerbasis;
  bool geringfuegigkeitsgrenzeAnzeigen;
  // The employer's flat health and pension rates in marginal employment; the pension rate is also
  // the employer's part of a pension opt-in, whose minimum base follows.
  Jahreswert<Money> KVPauschalsatz, RVPauschalsatz;
  Money RVMindestbemessung;

  // Multiple employment: from 2012 the bases are limited to the ceiling and the voluntary and
  // private shares are taken on the apportioned base.
  bool mehrfachbeschaeftigungAb2012;
  // Pension payments: a twentieth of the monthly reference amount, and whether it is deducted as
  // an allowance (from 2020) instead of acting as an exemption limit.
  Money ZwanzigstelBezugsgroesse;
  bool versorgungsFreibetrag;

  // Supplementary public-service pension: the additional rates of the kvw and the RZVK, the
  // tax-free percent of the pension ceiling (the threshold follows the pay rises: ZVGrenzbetrag).
  Money ZVZusatzSatzKvw, ZVZusatzSatzRzvk, ZVSteuerfreiProzent;
};

// The month the public-service annual bonus is paid with: the supplementary pension then counts
// twice the pay and has a threshold of its own.
inline constexpr int kMonatJahressonderzahlung = 11;

// The pay threshold above which the supplementary pension charges its additional 9 % in the
// given month (1.133 times pay group 15, step 6, of the municipal pay table; in the month of the
// annual bonus that amount with the bonus share of the pay group added).
Money ZVGrenzbetrag(int jahr, int monat);

// The row of a year, or nullptr for a year without values.
const Beitragsjahr* BeitragsjahrFuer(int jahr);

// The marginal-employment limit the main window warns about, from 2008; none before.
std::optional<Money> Geringfuegigkeitsgrenze(int jahr, int monat);

}  // namespace salvaro
