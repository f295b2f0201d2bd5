#pragma once
// Which journeys are worth offering, and in what order.
#include <vector>

#include "journeys/journey.h"

namespace tavra {

// The order journeys are listed in: by departure, then total time, distance and the calls.
bool JourneyBefore(const JourneyPlan& a, const JourneyPlan& b);

// True when `b` makes `a` not worth offering: it departs at the same time or later and
// arrives at the same time or earlier, one of the two strictly; or it departs and arrives
// with `a` and is shorter.
bool Outclasses(const JourneyPlan& b, const JourneyPlan& a);

// The journeys no other outclasses, sorted, by comparing every journey with every other.
std::vector<JourneyPlan> KeepByComparison(std::vector<JourneyPlan> plans);

// The same rule kept as journeys come: one bucket per departure minute holding the
// earliest arrival and, among those, the shortest journeys; a sweep from the last
// departure back drops the buckets a later departure arrives no later than.
class JourneyKeeper {
 public:
  JourneyKeeper();
  void Offer(const JourneyPlan& plan);
  // True when a journey departing at `depart` and arriving at `arrival` could not be kept
  // in its bucket any more: lets the search skip building it.
  bool Hopeless(int depart, int arrival) const;
  std::vector<JourneyPlan> Take();

 private:
  struct Bucket {
    int arrival = 0;
    int km = 0;
    std::vector<JourneyPlan> plans;
  };
  std::vector<Bucket> buckets_;
};

}  // namespace tavra
