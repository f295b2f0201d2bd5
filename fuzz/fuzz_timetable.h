#pragma once
// A small generated timetable, compiled once per fuzzing process: the good data that the
// query and check targets start from.
#include "data/loader.h"
#include "datatool/compiler.h"
#include "datatool/generator.h"

namespace tavra::fuzz {

inline const datatool::DataFiles& SmallFiles() {
  static const datatool::DataFiles files = [] {
    datatool::DataFiles out;
    std::vector<datatool::SourceError> errors;
    datatool::CompileSource(datatool::GenerateTimetable({60, 80, 900, 7}), out, errors);
    return out;
  }();
  return files;
}

inline const TimetableData& SmallTimetable() {
  static TimetableData data;
  static const bool loaded =
      LoadTimetableFromBytes(data, SmallFiles().index, SmallFiles().records) == kLoadComplete;
  (void)loaded;
  return data;
}

}  // namespace tavra::fuzz
