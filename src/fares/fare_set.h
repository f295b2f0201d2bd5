#pragma once
// The amounts of one fare segment, in yuan.

namespace tavra {

struct FareSet {
  double hardSeat = 0;
  double softSeat = 0;
  double firstClass = 0;
  double secondClass = 0;
  double expressUnit = 0;  // one unit; the caller multiplies by the express multiple
  double hardSleeperUpper = 0;
  double hardSleeperMiddle = 0;
  double hardSleeperLower = 0;
  double softSleeperUpper = 0;
  double softSleeperLower = 0;
  double airConUnit = 0;  // added only for air-conditioned trains
};

}  // namespace tavra
