#pragma once
// Compiling a timetable source into the two data files.
#include <array>
#include <string>
#include <vector>

#include "data/timetable_data.h"
#include "datatool/source_model.h"

namespace tavra::datatool {

struct DataFiles {
  std::string index;    // tavra.dll: sixteen section lengths and the version
  std::string records;  // tavra.sdf: the sections back to back
};

// Compiles a source that ValidateSource accepts. Returns false (and fills `errors`) for
// one it does not accept; `out` is then untouched.
bool CompileSource(const TimetableSource& source, DataFiles& out, std::vector<SourceError>& errors);

// Writes both files into `dir` (each through a temporary file and a rename).
bool WriteDataFiles(const DataFiles& files, const std::string& dir, std::string& error);

// Reads a source folder and compiles it into `outDir`, made with its parents when missing;
// nothing is written when any error is found. Every error goes to `errors` (a missing
// source folder is one error, not one per missing file).
bool BuildTimetable(const std::string& sourceDir, const std::string& outDir,
                    std::vector<SourceError>& errors);

}  // namespace tavra::datatool
