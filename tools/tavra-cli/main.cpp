// tavra-cli: the timetable queries in a terminal.
#include <cstdio>
#include <string>
#include <vector>

#include "cli_commands.h"

int main(int argc, char** argv) {
  using namespace tavra::cli;
  Options options;
  std::string error;
  if (!ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::fprintf(stderr, "tavra-cli: %s\n%s", error.c_str(), kUsage);
    return 1;
  }
  if (options.help) return std::fputs(kUsage, stdout) < 0 ? 1 : 0;
  tavra::TimetableData data;
  if (!LoadForCli(data, options)) return 2;
  CliSession session(data, options);
  for (const Command& command : options.commands)
    if (int status = session.Run(command)) return status;
  return 0;
}
