#pragma once
// tavra-cli connections FROM TO [--min-change M] [--min-change-city M] [--max-wait M]
// [--include-direct] [--limit N]: journeys with at most one change.
#include <cstddef>
#include <string>
#include <vector>

#include "cli_options.h"
#include "data/timetable_data.h"
#include "platform/user_messages.h"

namespace tavra::cli {

// How many of args[from..] are the command's own options and their values.
size_t ConnectionsOptionCount(const std::vector<std::string>& args, size_t from);

// `args`: FROM, TO, then the options. Exit status: 0, also when no journey is found; 1 for
// an unknown station, one station or city at both ends, or a bad option value.
int RunConnections(const TimetableData& data, Format format, const std::vector<std::string>& args,
                   UserMessages& messages);

}  // namespace tavra::cli
