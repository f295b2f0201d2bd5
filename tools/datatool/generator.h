#pragma once
// A deterministic synthetic timetable of any size up to the format's limits, for
// benchmarks and fuzzing.
#include <cstdint>

#include "datatool/source_model.h"

namespace tavra::datatool {

struct GeneratorSize {
  int stations = 9998;
  int trains = 9998;
  int calls = 99998;  // spread over the trains, 2 to 99 each
  uint32_t seed = 1;
};

// The same size and seed always give the same timetable.
TimetableSource GenerateTimetable(const GeneratorSize& size);

}  // namespace tavra::datatool
