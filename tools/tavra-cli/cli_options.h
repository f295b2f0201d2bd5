#pragma once
// The command line of tavra-cli: global options and one or more commands, in any order
// (a global option may also follow a command), parsed with CLI11.
#include <map>
#include <string>
#include <vector>

namespace tavra::cli {

enum class Format { Table, Tsv, Json, Jsonl };

// One command as given on the command line.
struct Command {
  std::string name;
  std::vector<std::string> args;               // its arguments, in order
  std::map<std::string, std::string> options;  // its options given, by long name ("--transfer");
                                               // a flag without a value maps to ""
  bool Has(const std::string& option) const { return options.count(option) != 0; }
};

struct Options {
  std::string dataDir;       // empty: beside the executable
  std::string updateServer;  // empty: the setting, else the default server
  Format format = Format::Table;
  bool header = false;  // tsv: a first line of column names
  bool wide = false;    // table on a terminal: every column, however wide
  std::vector<Command> commands;
};

class CliSession;

// What the command line knows of one command, and what runs it. The table of them is
// CommandTable() in cli_command_table.cpp; adding a command is one entry there.
struct CommandEntry {
  struct Option {
    const char* name;   // "--transfer"
    const char* value;  // "STATION"; nullptr for a flag without a value
    const char* help;
  };
  const char* name;
  const char* help;
  std::vector<const char*> args;  // the arguments it needs, each one required: {"FROM", "TO"}
  std::vector<Option> options;
  // Exit status: 0 success, 1 an input problem (said on stderr), 2 a data problem.
  int (*run)(CliSession& session, const Command& command);
};

const std::vector<CommandEntry>& CommandTable();
const CommandEntry* FindCommand(const std::string& name);

// Parses argv[1..] into `options`. Returns -1 when the commands should run; otherwise the
// exit status, after --help or --version on stdout (0) or a usage problem on stderr (1).
int ParseOptions(const std::vector<std::string>& args, Options& options);

}  // namespace tavra::cli
