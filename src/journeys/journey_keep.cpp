#include "journeys/journey_keep.h"

#include <algorithm>
#include <climits>
#include <tuple>

#include "journeys/call_times.h"

namespace tavra {
namespace {

auto OrderKey(const JourneyPlan& p) {
  const Ride& first = p.rides[0];
  const Ride& second = p.rides[p.legCount - 1];
  return std::make_tuple(p.depart, p.minutes, p.km, p.legCount, first.boardCall, first.alightCall,
                         second.boardCall, second.alightCall);
}

}  // namespace

bool JourneyBefore(const JourneyPlan& a, const JourneyPlan& b) {
  return OrderKey(a) < OrderKey(b);
}

bool Outclasses(const JourneyPlan& b, const JourneyPlan& a) {
  if (b.depart >= a.depart && b.Arrival() <= a.Arrival() &&
      (b.depart > a.depart || b.Arrival() < a.Arrival()))
    return true;
  return b.depart == a.depart && b.minutes == a.minutes && b.km < a.km;
}

std::vector<JourneyPlan> KeepByComparison(std::vector<JourneyPlan> plans) {
  std::vector<JourneyPlan> kept;
  for (const JourneyPlan& a : plans) {
    bool beaten = false;
    for (const JourneyPlan& b : plans)
      if (Outclasses(b, a)) {
        beaten = true;
        break;
      }
    if (!beaten) kept.push_back(a);
  }
  std::sort(kept.begin(), kept.end(), JourneyBefore);
  return kept;
}

JourneyKeeper::JourneyKeeper() : buckets_(kDayMinutes) {
  for (Bucket& b : buckets_) b.arrival = INT_MAX;
}

bool JourneyKeeper::Hopeless(int depart, int arrival) const {
  return arrival > buckets_[static_cast<size_t>(depart)].arrival;
}

void JourneyKeeper::Offer(const JourneyPlan& plan) {
  Bucket& b = buckets_[static_cast<size_t>(plan.depart)];
  const int arrival = plan.Arrival();
  if (arrival > b.arrival || (arrival == b.arrival && plan.km > b.km)) return;
  if (arrival < b.arrival || plan.km < b.km) {
    b.plans.clear();
    b.arrival = arrival;
    b.km = plan.km;
  }
  b.plans.push_back(plan);
}

std::vector<JourneyPlan> JourneyKeeper::Take() {
  std::vector<JourneyPlan> kept;
  int laterArrival = INT_MAX;  // earliest arrival of the departures after this one
  for (int d = kDayMinutes - 1; d >= 0; --d) {
    Bucket& b = buckets_[static_cast<size_t>(d)];
    if (b.plans.empty()) continue;
    if (b.arrival < laterArrival) {
      kept.insert(kept.end(), b.plans.begin(), b.plans.end());
      laterArrival = b.arrival;
    }
    b.plans.clear();
    b.arrival = INT_MAX;
  }
  std::sort(kept.begin(), kept.end(), JourneyBefore);
  return kept;
}

}  // namespace tavra
