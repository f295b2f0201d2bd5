#pragma once
// The command line of tavra-cli: global options, then one or more commands.
#include <string>
#include <vector>

namespace tavra::cli {

enum class Format { Table, Tsv, Json };

struct Command {
  std::string name;
  std::vector<std::string> args;
};

struct Options {
  std::string dataDir;  // empty: beside the executable
  Format format = Format::Table;
  std::string updateServer;  // empty: the setting, else the default server
  std::vector<Command> commands;
  bool help = false;  // --help or -h: the usage on standard output
};

// Parses argv[1..]; on failure returns false with `error` set (exit status 1).
bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error);

extern const char* const kUsage;

}  // namespace tavra::cli
