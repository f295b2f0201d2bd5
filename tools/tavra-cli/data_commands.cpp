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
  if (session.json().Active())
    session.json().Add(session.commandName(), {{"stations", names}, {"count", names.size()}});
  else
    PrintList(stdout, names);
  return 0;
}

int RunVersion(CliSession& session, const Command&) {
  std::string version = Utf16ToUtf8(session.data().DataVersionText);
  if (session.json().Active())
    session.json().Add(session.commandName(), {{"version", version}});
  else
    std::printf("%s\n", version.c_str());
  return 0;
}

}  // namespace tavra::cli
