#pragma once
// The national-scale timetable the benchmarks run on: generated at the format's limits,
// compiled once per run into a temporary folder.
#include <string>

namespace tavra::bench {

// The folder holding tavra.dll and tavra.sdf of the generated timetable.
const std::string& LimitsDataDir();

}  // namespace tavra::bench
