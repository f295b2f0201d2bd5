#pragma once
// Every invariant of a pair of data files that the program relies on.
#include <string>
#include <string_view>
#include <vector>

namespace tavra::datatool {

// Checks the files' bytes; every violation found is one line naming the file or the
// section, the row and what is wrong. Empty: the pair is sound.
std::vector<std::string> CheckDataFiles(std::string_view index, std::string_view records);

// Reads both files from `dir` and checks them.
std::vector<std::string> CheckDataDirectory(const std::string& dir);

}  // namespace tavra::datatool
