#pragma once
// The national-scale timetable the benchmarks run on: generated at the format's limits,
// compiled once per run into a temporary folder.
#include <memory>
#include <string>

#include "app/query_controls.h"
#include "app/query_core.h"
#include "data/loader.h"
#include "platform/program_dir.h"

namespace tavra::bench {

// The folder holding tavra.dll and tavra.sdf of the generated timetable.
const std::string& LimitsDataDir();

// The folder of timetable `which`: 0, the sample beside this program; 1, the generated one.
std::string DataDirOf(int which);

// The two data files' size in bytes in `dir`; 0 when either cannot be read.
size_t DataFilesSize(const std::string& dir);

// The number of calls at the station of StationTable row `station`.
int CallCount(const TimetableData& data, int station);

// The timetable `which` (0: the sample beside this program; 1: the generated one) loaded
// once per run into a Set (with members `data` and `loaded`), which `choose` then fills
// with what the benchmarks ask of it.
template <typename Set>
Set& LoadedSet(int which, void (*choose)(Set&)) {
  static std::unique_ptr<Set> sets[2];
  if (!sets[which]) {
    sets[which] = std::make_unique<Set>();
    Set& set = *sets[which];
    set.loaded = LoadTimetable(set.data, DataDirOf(which)) == kLoadComplete;
    if (set.loaded) choose(set);
  }
  return *sets[which];
}

// A query core with its own controls and user, as the terminal program drives one.
template <typename User>
struct CoreSession {
  explicit CoreSession(const TimetableData& data) : core(data, controls, user) {}
  PlainQueryControls controls;
  User user;
  QueryCore core;
};

}  // namespace tavra::bench
