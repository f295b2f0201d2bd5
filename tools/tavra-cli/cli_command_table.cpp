// The commands of tavra-cli. Adding one: write its function, `int RunName(CliSession&,
// const Command&)`, in a file of its own (declared in cli_command_runs.h), and add one
// entry below: name, one line of help, the arguments it needs, its options ({"--name",
// "VALUE", "help"}, or nullptr as VALUE for a flag) and the function. The command line,
// --help and the dispatch all come from this table.
#include "cli_command_runs.h"
#include "cli_options.h"

namespace tavra::cli {

const std::vector<CommandSpec>& CommandTable() {
  static const std::vector<CommandSpec> table = {
      {"between",
       "station to station; FROM or TO may be \"\" (all departures from FROM / all arrivals "
       "at TO)",
       {"FROM", "TO"},
       {{"--city", nullptr,
         "every train between any stations of the two cities (a name and "
         "the name followed by 东, 南, 西 or 北)"}},
       RunBetween},
      {"train", "train-number query", {"NUMBER"}, {}, RunTrain},
      {"station", "station query (departures and terminating arrivals)", {"NAME"}, {}, RunStation},
      {"stations", "station names offered for typed spelling initials", {"TYPED"}, {}, RunStations},
      {"version", "data version", {}, {}, RunVersion},
  };
  return table;
}

}  // namespace tavra::cli
