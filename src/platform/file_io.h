#pragma once
// Whole-file reads and atomic writes; errors come back as text for the user.
#include <string>

namespace tavra {

// Reads the whole file into `out`. On failure returns false and sets `error` to a short
// reason ("cannot be opened: No such file or directory").
bool ReadWholeFile(const std::string& path, std::string& out, std::string& error);

// Writes through a temporary file in the same folder and renames it over `path`, so a
// reader never sees half a file.
bool WriteFileAtomically(const std::string& path, const std::string& data, std::string& error);

}  // namespace tavra
