// The queries of the main dialog as commands: between, train, station.
#include <cstdio>

#include "app/query_texts.h"
#include "cli_command_runs.h"
#include "platform/utf8.h"
#include "station_argument.h"

namespace tavra::cli {

int RunBetween(CliSession& session, const Command& command) {
  std::u16string from, to;
  if (!ResolveStationArgument(session.data(), command.args[0], from) ||
      !ResolveStationArgument(session.data(), command.args[1], to))
    return 1;
  // The query ignores a one-character station; say so rather than stop silently.
  if (ExplainTooShort(from) || ExplainTooShort(to)) return 1;
  // Typed into the two station boxes, then the query button.
  ChoiceList offered;
  session.controls().from = from;
  session.core().OnFromEditChange(offered);
  session.controls().to = to;
  session.core().OnToEditChange(offered);
  const int status = session.Query(texts::kModeStationToStation);
  if (status == 0 && session.core().m_list.RowCount() == 0)
    ExplainEmptyAnswer(session.data(), from, to);
  return status;
}

int RunTrain(CliSession& session, const Command& command) {
  session.controls().trainNo = Utf8ToUtf16(command.args[0]);
  return session.Query(texts::kModeTrainNumber);
}

int RunStation(CliSession& session, const Command& command) {
  std::u16string station;
  if (!ResolveStationArgument(session.data(), command.args[0], station)) return 1;
  if (ExplainTooShort(station)) return 1;
  ChoiceList offered;
  session.controls().station = station;
  session.core().OnStationEditChange(offered);
  const int status = session.Query(texts::kModeStation);
  if (status == 0 && session.core().m_list.RowCount() == 0 &&
      !ExplainEmptyAnswer(session.data(), station, u""))
    std::fprintf(stderr, "tavra-cli: no train leaves or ends at %s\n",
                 Utf16ToUtf8(station).c_str());
  return status;
}

}  // namespace tavra::cli
