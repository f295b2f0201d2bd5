// tavra-cli: the timetable queries in a terminal.
#include <string>
#include <vector>

#include "cli_commands.h"

int main(int argc, char** argv) {
  using namespace tavra::cli;
  Options options;
  if (int status = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options);
      status >= 0)
    return status;
  tavra::TimetableData data;
  if (!LoadForCli(data, options)) return kDamagedData;
  CliSession session(data, options);
  int status = 0;
  for (const Command& command : options.commands)
    if ((status = session.Run(command)) != 0) break;
  session.json().Finish();  // what the commands before a failed one found
  return status;
}
