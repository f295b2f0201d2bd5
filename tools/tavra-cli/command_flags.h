#pragma once
// The flags that may follow a command's arguments: between's --transfer STATION and
// --no-transfer.
#include <string>
#include <vector>

#include "cli_options.h"

namespace tavra::cli {

// Takes the flags of `command` from args[i...] into its arguments, advancing i past them.
// False with `error` set for a flag without its value or two that contradict each other.
bool TakeCommandFlags(const std::vector<std::string>& args, size_t& i, Command& command,
                      std::string& error);

}  // namespace tavra::cli
