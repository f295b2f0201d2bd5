// stops LINE: the stop list of a line of the list the query before it left.
#include <cstdio>

#include "app/stop_list.h"
#include "cli_command_runs.h"
#include "cli_commands.h"
#include "cli_output.h"
#include "list_output.h"
#include "platform/utf8.h"

namespace tavra::cli {

int CliSession::Stops(const Command& command) {
  const std::string& text = command.args[0];
  const int lines = core().m_list.RowCount();
  if (core().RowCount() == 0 || lines == 0) {
    std::fprintf(stderr,
                 "stops %s: no result line to show; give a query before it, e.g. "
                 "tavra-cli between 北京 上海 stops 1\n",
                 text.c_str());
    return 1;
  }
  // A line number is 1 to the number of lines, in digits only.
  int line = 0;
  bool number = !text.empty() && text.size() <= 9;
  for (char c : text) number = number && c >= '0' && c <= '9';
  if (number) line = std::stoi(text);
  if (!number || line < 1 || line > lines) {
    std::fprintf(stderr, "stops %s: a result line is a number from 1 to %d\n", text.c_str(), lines);
    return 1;
  }
  if (!core().OnResultClick(line - 1)) {
    if (core().Damage().Found()) return kDamagedData;
    std::fprintf(stderr, "stops %s: no train behind this line\n", text.c_str());
    return 1;
  }
  const HandOver& h = *core().m_pApp;
  SortListModel list;
  FillStopList(h, list);
  const std::string trainLabel = Utf16ToUtf8(StopListTrainLabel(h));
  const std::string timeLabel = Utf16ToUtf8(StopListTimeLabel(h));
  if (json_.Active()) {
    nlohmann::ordered_json result = ResultListJson(list, u"");
    result["trainLabel"] = trainLabel;
    result["timeLabel"] = timeLabel;
    json_.Add(commandName_, std::move(result));
    return 0;
  }
  std::printf("%s\n%s\n", trainLabel.c_str(), timeLabel.c_str());
  PrintListLines(stdout, options_.format, list, ColourWanted(stdout), options_.header,
                 options_.wide);
  return 0;
}

int RunStops(CliSession& session, const Command& command) {
  return session.Stops(command);
}

}  // namespace tavra::cli
