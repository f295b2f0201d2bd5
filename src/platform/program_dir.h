#pragma once
#include <string>

namespace tavra {

// The folder of the running executable, with a trailing '/'; the data files lie there
// unless --data-dir names another folder. Empty when the system cannot tell.
std::string ProgramDirectory();

// Joins a folder and a file name with exactly one '/'.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace tavra
