#pragma once
// Running tavra-cli's commands on loaded tables.
#include "cli_options.h"
#include "cli_output.h"
#include "data/timetable_data.h"

namespace tavra::cli {

// Exit status of a command: 0 success, 1 an input problem.
int RunCommand(const TimetableData& data, const Options& options, const Command& command,
               TerminalMessages& messages);

// Loads the tables for the options' data folder; on failure prints which file is wrong
// and returns false (exit status 2).
bool LoadForCli(TimetableData& data, const Options& options);

}  // namespace tavra::cli
