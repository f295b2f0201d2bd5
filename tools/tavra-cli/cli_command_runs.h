#pragma once
// The functions that run tavra-cli's commands, one per command (see cli_command_table.cpp).
#include "cli_commands.h"

namespace tavra::cli {

int RunBetween(CliSession& session, const Command& command);
int RunTrain(CliSession& session, const Command& command);
int RunStation(CliSession& session, const Command& command);
int RunStations(CliSession& session, const Command& command);
int RunVersion(CliSession& session, const Command& command);
int RunStops(CliSession& session, const Command& command);
int RunTransfers(CliSession& session, const Command& command);
int RunConnectionsCommand(CliSession& session, const Command& command);
int RunUpdateCheck(CliSession& session, const Command& command);

}  // namespace tavra::cli
