#pragma once
// Turning loaded data files back into a readable source.
#include <string>
#include <vector>

#include "data/timetable_data.h"
#include "datatool/source_model.h"

namespace tavra::datatool {

// Reconstructs the source of loaded tables. Returns false with `errors` when a reference
// points outside its table (run `check` for the full list).
bool DumpTimetable(const TimetableData& data, TimetableSource& source,
                   std::vector<SourceError>& errors);

// Writes the source files into `dir` (created if missing).
bool WriteSource(const TimetableSource& source, const std::string& dir, std::string& error);

// The text of each source file, in the order the writer writes them.
std::vector<std::pair<std::string, std::string>> FormatSource(const TimetableSource& source);

}  // namespace tavra::datatool
