#include "command_flags.h"

namespace tavra::cli {

bool TakeCommandFlags(const std::vector<std::string>& args, size_t& i, Command& command,
                      std::string& error) {
  if (command.name != "between") return true;
  bool transferSet = false;
  while (i < args.size() && (args[i] == "--transfer" || args[i] == "--no-transfer")) {
    if (transferSet) {
      error = "between takes one of --transfer STATION and --no-transfer";
      return false;
    }
    transferSet = true;
    command.args.push_back(args[i]);
    if (args[i++] == "--transfer") {
      if (i >= args.size()) {
        error = "--transfer needs a station";
        return false;
      }
      command.args.push_back(args[i++]);
    }
  }
  return true;
}

}  // namespace tavra::cli
