#include "cli_commands.h"

#include "data/loader.h"
#include "list_output.h"
#include "platform/data_folders.h"
#include "platform/utf8.h"

namespace tavra::cli {

bool LoadForCli(TimetableData& data, const Options& options) {
  DataFolderChoice where = ChooseDataFolder(options.dataDir, {kIndexFileName, kRecordFileName});
  // Nothing runs while a terminal command waits for its timetable, so the load runs on
  // this thread: a loader thread would only be started to be joined.
  if (LoadTimetable(data, where.folder) == kLoadComplete) return true;
  std::fprintf(stderr, "%s (%s)\n", data.loadError.Text().c_str(), where.PlacesText().c_str());
  return false;
}

CliSession::CliSession(const TimetableData& data, const Options& options)
    : data_(data), options_(options), json_(options.format) {}

int CliSession::Query(std::u16string_view mode) {
  controls_.mode = mode;
  const int said = messages_.messageCount;
  // A query that stops before its count label stopped on its input, and says why.
  if (!core().OnQuery()) {
    if (core().Damage().Found()) return kDamagedData;
    if (messages_.messageCount == said)
      std::fprintf(stderr, "tavra-cli: the query did not run on what was given\n");
    return 1;
  }
  if (json_.Active())
    json_.Add(commandName_, ResultListJson(core().m_list, controls_.countLabel));
  else
    PrintResultList(stdout, options_.format, core().m_list, controls_.countLabel,
                    ColourWanted(stdout), options_.header, options_.wide);
  return 0;
}

int CliSession::Run(const Command& command) {
  const CommandEntry* entry = FindCommand(command.name);
  commandName_ = command.name;
  return entry ? entry->run(*this, command) : 1;
}

}  // namespace tavra::cli
