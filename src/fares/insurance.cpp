#include "fares/insurance.h"

#include <cmath>

#include "fares/tariff.h"

namespace tavra {

double InsuranceDeduction(const FareState& q, double km) {
  const TariffZone zone = ZoneOf(km);
  const int z = zone.zoneKm;
  double deduction = std::ceil(TariffInsurance(zone.base) * 2) * 0.5;
  const std::u16string_view cls = q.m_train[TrainInfo::ClassCode];
  const std::u16string_view air = q.m_train[TrainInfo::AirCon];
  // Local trains (class "4") never get the minimum; stopping trains (class "3") only in the
  // narrower band. Air-conditioned class "4" trains of 30 km or less keep the computed
  // deduction too, like every other class "4" journey.
  if (z <= 90 && z >= 80 && air == u"0" && cls != u"4") deduction = 1;
  if (z <= 90 && z >= 60 && air == u"0" && cls != u"4" && cls != u"3") deduction = 1;
  if (z <= 54 && air == u"1" && cls != u"4") deduction = 1;
  return deduction;
}

}  // namespace tavra
