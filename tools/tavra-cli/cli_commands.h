#pragma once
// Running tavra-cli's commands on loaded tables. The commands of one command line share
// one query core, so a later command can work on the list an earlier query left.
#include <optional>

#include "app/query_controls.h"
#include "app/query_core.h"
#include "cli_options.h"
#include "cli_output.h"
#include "data/timetable_data.h"

namespace tavra::cli {

// The exit status of a missing or damaged data file.
inline constexpr int kDamagedData = 2;

class CliSession {
 public:
  CliSession(const TimetableData& data, const Options& options);
  // Runs `command` through its entry in the command table. Exit status: 0 success, 1 an
  // input problem, 2 (kDamagedData) a damaged field met on the way.
  int Run(const Command& command);

  // Presses the query button in `mode` on the texts set in controls(); prints the list
  // when the query got as far as its count label. 1 when it stopped on its input, 2 when
  // it met a damaged field.
  int Query(std::u16string_view mode);
  const TimetableData& data() const { return data_; }
  const Options& options() const { return options_; }
  // Built on first use: the commands that only read the tables (version, stations) do not
  // pay for the query core's store of rows made in advance.
  QueryCore& core() {
    if (!core_) core_.emplace(data_, controls_, messages_);
    return *core_;
  }
  PlainQueryControls& controls() { return controls_; }
  TerminalMessages& messages() { return messages_; }
  // json and jsonl: each command adds its result here instead of printing it.
  JsonOutput& json() { return json_; }
  // The name of the command running, for its json result.
  const std::string& commandName() const { return commandName_; }

  // Stop lists and transfers (stops_command.cpp, transfers_command.cpp).
  int Stops(const Command& command);
  int Transfers(const Command& command);
  // How between's transfer offer is answered: by --transfer, --no-transfer, or the user.
  void PrepareTransfer(const Command& command);
  // The status of between: the query's, or 1 when the change --transfer asked for was not
  // made. A flag's answer is not kept for a later question.
  int FinishTransfer(int queryStatus);

 private:
  bool RunTerminalTransferDialog();
  std::string transferStation_;
  bool transferGiven_ = false;

  const TimetableData& data_;
  const Options& options_;
  TerminalMessages messages_;
  PlainQueryControls controls_;
  std::optional<QueryCore> core_;
  JsonOutput json_;
  std::string commandName_;
};

// Loads the tables for the options' data folder; on failure prints which file is wrong
// and returns false (exit status 2).
bool LoadForCli(TimetableData& data, const Options& options);

}  // namespace tavra::cli
