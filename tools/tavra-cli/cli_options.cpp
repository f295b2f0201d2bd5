#include "cli_options.h"

#include <map>

#include "command_flags.h"
#include "connections_command.h"

namespace tavra::cli {

const char* const kUsage =
    "usage: tavra-cli [--data-dir DIR] [--format table|tsv|json] [--update-server URL]\n"
    "                 COMMAND ...\n"
    "       tavra-cli --help\n"
    "  between FROM TO [--transfer STATION | --no-transfer]\n"
    "                   station to station; FROM or TO may be \"\" (all departures\n"
    "                   from FROM / all arrivals at TO); without a direct train,\n"
    "                   --transfer lists both legs of a change at STATION,\n"
    "                   --no-transfer declines the change (otherwise it is asked\n"
    "                   on a terminal and declined without one)\n"
    "  train NUMBER     train-number query\n"
    "  station NAME     station query (departures and terminating arrivals)\n"
    "  stations TYPED   station names offered for typed spelling initials\n"
    "  stops LINE       stop list of result line LINE (1-based) of the query before\n"
    "                   it, e.g. tavra-cli between 北京 上海 stops 3\n"
    "  transfers FROM TO\n"
    "                   transfer candidates between two stations\n"
    "  update-check     ask the update server for a newer timetable (exit 3 on failure)\n"
    "  connections FROM TO [--min-change M] [--min-change-city M] [--max-wait M]\n"
    "              [--include-direct] [--limit N]\n"
    "                   journeys with at most one change that connect\n"
    "  version          data version\n";

namespace {
// Arguments each command takes.
const std::map<std::string, size_t> kArity = {
    {"between", 2}, {"train", 1},     {"station", 1},      {"stations", 1},   {"version", 0},
    {"stops", 1},   {"transfers", 2}, {"update-check", 0}, {"connections", 2}};
}  // namespace

bool ParseOptions(const std::vector<std::string>& args, Options& options, std::string& error) {
  size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      options.help = true;
      return true;
    }
    if (a == "--data-dir" || a == "--format" || a == "--update-server") {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      const std::string& v = args[++i];
      if (a == "--data-dir") {
        options.dataDir = v;
      } else if (a == "--update-server") {
        options.updateServer = v;
      } else if (v == "table") {
        options.format = Format::Table;
      } else if (v == "tsv") {
        options.format = Format::Tsv;
      } else if (v == "json") {
        options.format = Format::Json;
      } else {
        error = "unknown format \"" + v + "\"; use table, tsv or json";
        return false;
      }
    } else if (a.rfind("--", 0) == 0) {
      error = "unknown option \"" + a + "\"";
      return false;
    } else {
      break;
    }
  }
  while (i < args.size()) {
    auto it = kArity.find(args[i]);
    if (it == kArity.end()) {
      error = "unknown command \"" + args[i] + "\"";
      return false;
    }
    Command c{args[i++], {}};
    for (size_t k = 0; k < it->second; ++k, ++i) {
      if (i >= args.size()) {
        error = c.name + " needs " + std::to_string(it->second) + " argument" +
                (it->second == 1 ? "" : "s");
        return false;
      }
      c.args.push_back(args[i]);
    }
    if (!TakeCommandFlags(args, i, c, error)) return false;
    if (c.name == "connections")
      for (size_t n = ConnectionsOptionCount(args, i); n > 0; --n) c.args.push_back(args[i++]);
    options.commands.push_back(std::move(c));
  }
  if (options.commands.empty()) {
    error = "no command given";
    return false;
  }
  return true;
}

}  // namespace tavra::cli
