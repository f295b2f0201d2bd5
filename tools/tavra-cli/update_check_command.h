#pragma once
// tavra-cli update-check: the desktop program's update check for scripts, without the
// question (a script never opens a browser).
#include "cli_options.h"
#include "data/timetable_data.h"

namespace tavra::cli {

// Prints the server's number and whether it is newer than the data (with the package's
// address when it is). Exit status 0 up to date or newer, 3 when the exchange failed (the
// reason on standard error).
int RunUpdateCheckCommand(const TimetableData& data, const Options& options);

}  // namespace tavra::cli
