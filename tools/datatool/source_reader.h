#pragma once
// Reading and checking a timetable source folder.
#include <string>
#include <vector>

#include "datatool/source_model.h"

namespace tavra::datatool {

// Reads every file of the folder into `source`. Every problem found goes to `errors`
// (all of them, not only the first); `source` is usable only when none was found.
void ReadSource(const std::string& dir, TimetableSource& source, std::vector<SourceError>& errors);

// The same from file contents in memory: `files` maps a file name to its text; a file
// that is absent is missing.
struct SourceFile {
  std::string name;
  std::string text;
};
void ParseSource(const std::vector<SourceFile>& files, TimetableSource& source,
                 std::vector<SourceError>& errors);

// Checks what no single line shows: references, uniqueness, limits, the calls of a train
// standing together. Used on sources read from files and on sources made in memory.
void ValidateSource(const TimetableSource& source, std::vector<SourceError>& errors);

}  // namespace tavra::datatool
