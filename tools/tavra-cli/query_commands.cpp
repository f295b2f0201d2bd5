// The queries of the main dialog as commands: between, train, station.
#include "app/query_texts.h"
#include "cli_command_runs.h"
#include "platform/utf8.h"

namespace tavra::cli {

int RunBetween(CliSession& session, const Command& command) {
  // Typed into the two station boxes, then the query button.
  ChoiceList offered;
  session.controls().from = Utf8ToUtf16(command.args[0]);
  session.core().OnFromEditChange(offered);
  session.controls().to = Utf8ToUtf16(command.args[1]);
  session.core().OnToEditChange(offered);
  return session.Query(texts::kModeStationToStation);
}

int RunTrain(CliSession& session, const Command& command) {
  session.controls().trainNo = Utf8ToUtf16(command.args[0]);
  return session.Query(texts::kModeTrainNumber);
}

int RunStation(CliSession& session, const Command& command) {
  ChoiceList offered;
  session.controls().station = Utf8ToUtf16(command.args[0]);
  session.core().OnStationEditChange(offered);
  return session.Query(texts::kModeStation);
}

}  // namespace tavra::cli
