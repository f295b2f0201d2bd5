#include "cli_commands.h"

#include "data/loader.h"
#include "data/lookup.h"
#include "platform/program_dir.h"
#include "platform/utf8.h"

namespace tavra::cli {

bool LoadForCli(TimetableData& data, const Options& options) {
  std::string dir = options.dataDir.empty() ? ProgramDirectory() : options.dataDir;
  std::thread loader = StartLoader(data, dir);
  loader.join();
  if (data.Status() == kLoadComplete) return true;
  std::fprintf(stderr, "%s (data folder %s)\n", data.loadError.Text().c_str(), dir.c_str());
  return false;
}

int RunCommand(const TimetableData& data, const Options& options, const Command& command,
               TerminalMessages&) {
  if (command.name == "version") {
    std::string version = Utf16ToUtf8(data.DataVersionText);
    if (options.format == Format::Json)
      std::printf("{\"version\":%s}\n", JsonString(version).c_str());
    else
      std::printf("%s\n", version.c_str());
    return 0;
  }
  if (command.name == "stations") {
    ChoiceList list;
    MatchStationsByKey(data, Utf8ToUtf16(command.args[0]), list);
    std::vector<std::string> names;
    for (const auto& name : list.items) names.push_back(Utf16ToUtf8(name));
    PrintList(stdout, options.format, "stations", names);
    return 0;
  }
  return 1;
}

}  // namespace tavra::cli
