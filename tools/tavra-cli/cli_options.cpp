#include "cli_options.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "platform/command_line.h"

namespace tavra::cli {

const CommandEntry* FindCommand(const std::string& name) {
  for (const CommandEntry& entry : CommandTable())
    if (name == entry.name) return &entry;
  return nullptr;
}

namespace {

// The command as it is being parsed; a command given twice fills it twice.
struct Pending {
  std::vector<std::string> args;
  std::map<std::string, std::string> options;
};

void AddCommand(CLI::App& app, const CommandEntry& entry, Options& options) {
  CLI::App* sub = app.add_subcommand(entry.name, entry.help);
  auto pending = std::make_shared<Pending>();
  pending->args.resize(entry.args.size());
  for (size_t i = 0; i < entry.args.size(); ++i)
    sub->add_option(entry.args[i], pending->args[i])->required();
  for (const CommandEntry::Option& o : entry.options) {
    const std::string name = o.name;
    if (o.value)
      sub->add_option_function<std::string>(
             name, [pending, name](const std::string& v) { pending->options[name] = v; }, o.help)
          ->type_name(o.value);
    else
      sub->add_flag_function(
          name, [pending, name](std::int64_t) { pending->options[name] = ""; }, o.help);
  }
  sub->fallthrough();         // global options may follow the command
  sub->immediate_callback();  // one Command per appearance, in order
  sub->callback([pending, &options, name = std::string(entry.name)] {
    options.commands.push_back({name, pending->args, std::move(pending->options)});
    pending->options.clear();
  });
}

// Every command with its arguments and options, one a line, for the program's help.
std::string CommandUsage() {
  std::string usage = "Commands:";
  for (const CommandEntry& entry : CommandTable()) {
    usage += std::string("\n  ") + entry.name;
    for (const char* arg : entry.args) usage += std::string(" ") + arg;
    for (const CommandEntry::Option& o : entry.options)
      usage += std::string(" [") + o.name + (o.value ? std::string(" ") + o.value : "") + "]";
  }
  return usage;
}

}  // namespace

int ParseOptions(const std::vector<std::string>& args, Options& options) {
  CLI::App app(
      "The timetable queries in a terminal. Several commands may follow one another "
      "and share one query, e.g. tavra-cli between 北京 上海 version.",
      "tavra-cli");
  app.footer(CommandUsage() +
             "\n\nRun tavra-cli COMMAND --help for a command's arguments.\n"
             "Exit status: 0 success, 1 an input problem, 2 a missing or damaged data file.");
  app.allow_extras();  // leftover words are reported as unknown commands or options
  AddVersionFlag(app);
  app.add_option("--data-dir", options.dataDir,
                 "the folder of tavra.dll and tavra.sdf "
                 "(default: beside the program)")
      ->type_name("DIR");
  app.add_option("--update-server", options.updateServer,
                 "update-check: the update server's address, http://host[:port][/prefix] "
                 "(default: the setting, else the publisher's server)")
      ->type_name("URL");
  std::string format = "table";
  app.add_option("--format", format,
                 "table (aligned, for people), tsv (the list's texts exactly), json (one "
                 "document) or jsonl (one per command)")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"table", "tsv", "json", "jsonl"}));
  app.add_flag("--header", options.header, "tsv: a first line of column names");
  app.add_flag("--wide", options.wide,
               "table on a terminal: every column (otherwise those that fit its width)");
  for (const CommandEntry& entry : CommandTable()) AddCommand(app, entry, options);

  if (int status = ParseCommandLine(app, args); status >= 0) return status;
  options.format = format == "tsv"     ? Format::Tsv
                   : format == "json"  ? Format::Json
                   : format == "jsonl" ? Format::Jsonl
                                       : Format::Table;
  if (options.commands.empty()) return UsageError(app, "no command given");
  return -1;
}

}  // namespace tavra::cli
