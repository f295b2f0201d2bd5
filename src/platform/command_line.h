#pragma once
// Command lines parsed with CLI11, with the habits all three programs share: --help and -h
// on stdout with status 0, --version, usage errors on stderr with status 1, and a
// misspelled command or option answered with the closest known name.
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

namespace tavra {

// The program's version, as the build knows it.
extern const char* const kProgramVersion;

// Adds --version (the program's name and version) to `app`.
void AddVersionFlag(CLI::App& app);

// Parses `args` (argv[1..]) into `app`, which should allow extras: a leftover word is an
// unknown command or option. Returns -1 when the program should go on; otherwise the exit
// status, after the help or version on stdout (0) or the problem on stderr (1).
// With `extrasAllowed` leftover words are left in app.remaining() instead.
int ParseCommandLine(CLI::App& app, const std::vector<std::string>& args,
                     bool extrasAllowed = false);

// Prints "NAME: problem" and the pointer to --help on stderr; returns 1.
int UsageError(const CLI::App& app, const std::string& problem);

// Of `names`, the one closest to `typed` (letters swapped, missing, extra or wrong count one
// step each) when it is at most two steps away and at most half the length of `typed`
// away; else empty.
std::string ClosestName(std::string_view typed, const std::vector<std::string>& names);

}  // namespace tavra
