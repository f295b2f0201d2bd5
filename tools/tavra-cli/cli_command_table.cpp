// The commands of tavra-cli. Adding one: write its function, `int RunName(CliSession&,
// const Command&)`, in a file of its own (declared in cli_command_runs.h), and add one
// entry below: name, one line of help, the arguments it needs, its options ({"--name",
// "VALUE", "help"}, or nullptr as VALUE for a flag) and the function. The command line,
// --help and the dispatch all come from this table.
#include "cli_command_runs.h"
#include "cli_options.h"

namespace tavra::cli {

const std::vector<CommandEntry>& CommandTable() {
  static const std::vector<CommandEntry> table = {
      {"between",
       "station to station; FROM or TO may be \"\" (all departures from FROM / all arrivals "
       "at TO)",
       {"FROM", "TO"},
       {{"--city", nullptr,
         "every train between any stations of the two cities (a name and "
         "the name followed by 东, 南, 西 or 北)"},
        {"--transfer", "STATION",
         "without a direct train: both legs of a change at STATION (otherwise the change is "
         "asked for on a terminal and declined without one)"},
        {"--no-transfer", nullptr, "without a direct train: decline the change"}},
       RunBetween},
      {"train", "train-number query", {"NUMBER"}, {}, RunTrain},
      {"station", "station query (departures and terminating arrivals)", {"NAME"}, {}, RunStation},
      {"stations", "station names offered for typed spelling initials", {"TYPED"}, {}, RunStations},
      {"stops",
       "stop list of result line LINE (1-based) of the query before it, e.g. tavra-cli "
       "between 北京 上海 stops 3",
       {"LINE"},
       {},
       RunStops},
      {"transfers", "transfer candidates between two stations", {"FROM", "TO"}, {}, RunTransfers},
      {"connections",
       "journeys with at most one change that connect",
       {"FROM", "TO"},
       {{"--min-change", "M", "minutes to change at one station (default 20)"},
        {"--min-change-city", "M", "minutes to change between stations of a city (default 60)"},
        {"--max-wait", "M", "longest wait offered, in minutes (default 720)"},
        {"--include-direct", nullptr, "list direct trains among the journeys"},
        {"--limit", "N", "at most N journeys"}},
       RunConnectionsCommand},
      {"update-check",
       "ask the update server for a newer timetable (exit 3 when the exchange fails)",
       {},
       {},
       RunUpdateCheck},
      {"version", "data version", {}, {}, RunVersion},
  };
  return table;
}

}  // namespace tavra::cli
