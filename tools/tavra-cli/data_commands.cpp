// Commands that read the tables directly: stations, version.
#include "cli_command_runs.h"
#include "data/lookup.h"
#include "platform/utf8.h"

namespace tavra::cli {

int RunStations(CliSession& session, const Command& command) {
  ChoiceList list;
  MatchStationsByKey(session.data(), Utf8ToUtf16(command.args[0]), list);
  std::vector<std::string> names;
  for (const auto& name : list.items) names.push_back(Utf16ToUtf8(name));
  PrintList(stdout, session.options().format, "stations", names);
  return 0;
}

int RunVersion(CliSession& session, const Command&) {
  std::string version = Utf16ToUtf8(session.data().DataVersionText);
  if (session.options().format == Format::Json)
    std::printf("{\"version\":%s}\n", JsonString(version).c_str());
  else
    std::printf("%s\n", version.c_str());
  return 0;
}

}  // namespace tavra::cli
