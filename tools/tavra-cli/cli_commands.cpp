#include "cli_commands.h"

#include "app/query_texts.h"
#include "data/loader.h"
#include "data/lookup.h"
#include "list_output.h"
#include "platform/data_folders.h"
#include "platform/utf8.h"

namespace tavra::cli {

bool LoadForCli(TimetableData& data, const Options& options) {
  DataFolderChoice where = ChooseDataFolder(options.dataDir, {kIndexFileName, kRecordFileName});
  std::thread loader = StartLoader(data, where.folder);
  loader.join();
  if (data.Status() == kLoadComplete) return true;
  std::fprintf(stderr, "%s (%s)\n", data.loadError.Text().c_str(), where.PlacesText().c_str());
  return false;
}

CliSession::CliSession(const TimetableData& data, const Options& options)
    : data_(data), options_(options), core_(data, controls_, messages_) {}

int CliSession::Query(std::u16string_view mode) {
  controls_.mode = mode;
  const int labelWrites = controls_.countLabelWrites;
  core_.OnQuery();
  // A query that stops before its count label stopped on its input.
  if (controls_.countLabelWrites == labelWrites) return 1;
  PrintResultList(stdout, options_.format, core_.m_list, controls_.countLabel,
                  ColourWanted(stdout));
  return 0;
}

int CliSession::Run(const Command& command) {
  const std::vector<std::string>& args = command.args;
  if (command.name == "between") {
    // Typed into the two station boxes, then the query button.
    ChoiceList offered;
    controls_.from = Utf8ToUtf16(args[0]);
    core_.OnFromEditChange(offered);
    controls_.to = Utf8ToUtf16(args[1]);
    core_.OnToEditChange(offered);
    return Query(texts::kModeStationToStation);
  }
  if (command.name == "train") {
    controls_.trainNo = Utf8ToUtf16(args[0]);
    return Query(texts::kModeTrainNumber);
  }
  if (command.name == "station") {
    ChoiceList offered;
    controls_.station = Utf8ToUtf16(args[0]);
    core_.OnStationEditChange(offered);
    return Query(texts::kModeStation);
  }
  if (command.name == "version") {
    std::string version = Utf16ToUtf8(data_.DataVersionText);
    if (options_.format == Format::Json)
      std::printf("{\"version\":%s}\n", JsonString(version).c_str());
    else
      std::printf("%s\n", version.c_str());
    return 0;
  }
  if (command.name == "stations") {
    ChoiceList list;
    MatchStationsByKey(data_, Utf8ToUtf16(args[0]), list);
    std::vector<std::string> names;
    for (const auto& name : list.items) names.push_back(Utf16ToUtf8(name));
    PrintList(stdout, options_.format, "stations", names);
    return 0;
  }
  return 1;
}

}  // namespace tavra::cli
