#include "fares/tariff.h"

#include <cmath>

#include "fares/fare_text.h"
#include "fares/train_fare_attributes.h"

namespace tavra {
namespace {

// Distance bands with their zone width. The zone count is taken as the product with the
// negative reciprocal of the width, truncated, as the published tariff computes it; for
// every whole distance this is the plain quotient.
struct Band {
  double lo, hi;         // whole-kilometre bounds, both included
  double start;          // first kilometre of the band
  double negReciprocal;  // -1 / width, as a double
  int width;
  int firstMid;  // midpoint of the band's first zone
};
constexpr double kNoBound = 1e300;
constexpr Band kBands[] = {
    {-kNoBound, 200, 1, -0.1, 10, 5},        {201, 400, 201, -0.05, 20, 210},
    {401, 700, 401, -1.0 / 30, 30, 415},     {701, 1100, 701, -0.025, 40, 720},
    {1101, 1600, 1101, -0.02, 50, 1125},     {1601, 2200, 1601, -1.0 / 60, 60, 1630},
    {2201, 2900, 2201, -1.0 / 70, 70, 2235}, {2901, 3700, 2901, -0.0125, 80, 2940},
    {3701, 4600, 3701, -1.0 / 90, 90, 3745}, {4601, kNoBound, 4601, -0.01, 100, 4650},
};

// Base amount at zone distance z: the rate falls by a tenth of the first rate per step.
double BaseAmount(int z) {
  if (z <= 200) return z * 0.05861;
  if (z <= 500) return 11.722 + (z - 200) * 0.052749;
  if (z <= 1000) return 27.5467 + (z - 500) * 0.046888;
  if (z <= 1500) return 50.9907 + (z - 1000) * 0.041027;
  if (z <= 2500) return 71.5042 + (z - 1500) * 0.035166;
  return 106.6702 + (z - 2500) * 0.029305;
}

// A seat class's amount: the distance times the rate and the class's scale, rounded to
// the yuan where the class is, then times its last factor. A factor of 1 changes nothing,
// so every class goes through the same steps.
struct SeatRate {
  double rate, scale;
  bool rounded;
  double after;
};
struct ClassRates {
  std::u16string_view classCode;
  SeatRate second, first;
};
constexpr ClassRates kClassRates[] = {
    {u"D", {0.2805, 1.1, true, 0.95}, {0.37026, 1, true, 0.95}},
    {u"8", {0.48, 0.95, false, 1}, {0.48, 1.14, false, 1}},
    {u"G", {0.091827, 1, true, 5}, {0.1469232, 1, true, 5}},
    {u"H", {0.459135, 1, false, 1}, {0.734616, 1, false, 1}},
};
constexpr ClassRates kOtherClasses = {u"", {0.233, 1, false, 1}, {0.2796, 1, false, 1}};

const ClassRates& RatesOf(const FareState& q) {
  for (const ClassRates& rates : kClassRates)
    if (q.m_train[TrainInfo::ClassCode] == rates.classCode) return rates;
  return kOtherClasses;
}

double Amount(const SeatRate& r, double d) {
  double amount = d * r.rate * r.scale;
  if (r.rounded) amount = RoundYuan(amount);
  return amount * r.after;
}

}  // namespace

TariffZone ZoneOf(double km) {
  for (const Band& band : kBands) {
    if (km < band.lo || km > band.hi) continue;
    int k = TruncToInt((km - band.start) * band.negReciprocal);
    int z = band.firstMid - k * band.width;
    return {z, BaseAmount(z)};
  }
  return {0, 0};
}

void SecondClassFare(const FareState& q, FareSet& fare, double d) {
  fare.secondClass = Amount(RatesOf(q).second, d);
}

void FirstClassFare(const FareState& q, FareSet& fare, double d) {
  fare.firstClass = Amount(RatesOf(q).first, d);
}

void BaseFare(const FareState& q, FareSet& fare, double km) {
  const TariffZone zone = ZoneOf(km);
  const int z = zone.zoneKm;
  const double b = zone.base;
  const double i = TariffInsurance(b);
  if (z < 20) {
    fare.hardSeat = 1;
    fare.softSeat = 2;
  } else {
    fare.hardSeat = RoundYuan(b + i);
    fare.softSeat = RoundYuan(2 * b + i);
  }
  // The multiple-unit fares are computed for short journeys too: otherwise they would keep
  // the amounts of whatever stretch was priced before.
  const char16_t mask = SeatMask(q.m_train);
  if (CarriesSecondClass(mask)) {
    SecondClassFare(q, fare, km);
    fare.secondClass = RoundYuan(fare.secondClass + i);
  }
  if (CarriesFirstClass(mask)) {
    FirstClassFare(q, fare, km);
    fare.firstClass = RoundYuan(fare.firstClass + i);
  }
  fare.expressUnit = z < 130 ? 1 : RoundYuan(b * 0.2);
  const bool allBerths = q.m_nAllBerths == 1;
  if (z < 400) {
    fare.hardSleeperLower = 39;
    fare.softSleeperLower = 53;
    if (allBerths) {
      fare.hardSleeperUpper = 34;
      fare.hardSleeperMiddle = 37;
      fare.softSleeperUpper = 49;
    }
  } else {
    if (allBerths) fare.hardSleeperUpper = RoundYuan(b * 1.1) + 10;
    if (allBerths) fare.hardSleeperMiddle = RoundYuan(b * 1.2) + 10;
    fare.hardSleeperLower = RoundYuan(b * 1.3) + 10;
    if (allBerths) fare.softSleeperUpper = RoundYuan(b * 1.75) + 10;
    fare.softSleeperLower = RoundYuan(b * 1.95) + 10;
  }
  fare.airConUnit = z < 100 ? 1 : RoundYuan(b * 0.25);
}

double ZoneShare(int km) {
  if (km > 300) return 1.0;
  if (km > 200) return 0.75;
  if (km > 100) return 0.5;
  return 0.25;
}

}  // namespace tavra
