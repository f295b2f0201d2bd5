// between's transfer offer on the terminal, and the transfers command.
#include <cstdio>
#include <iostream>

#include "app/transfer_choice.h"
#include "cli_command_runs.h"
#include "cli_commands.h"
#include "data/lookup.h"
#include "list_output.h"
#include "platform/utf8.h"
#include "station_argument.h"

namespace tavra::cli {

void CliSession::PrepareTransfer(const Command& command) {
  transferGiven_ = command.Has("--transfer");
  transferStation_ = transferGiven_ ? command.options.at("--transfer") : std::string();
  messages_.presetAnswer = transferGiven_ ? 1 : command.Has("--no-transfer") ? 0 : -1;
  core().m_transferOutcome = QueryCore::TransferOutcome::NotOffered;
  core().EnableTransferOffer([this](QueryCore& core) {
    if (!transferGiven_) return RunTerminalTransferDialog();
    TransferChoice dialog(core);
    dialog.OnInitDialog();
    dialog.m_strTransfer = Utf8ToUtf16(transferStation_);
    if (dialog.OnOK()) return true;
    dialog.OnCancel();
    return false;
  });
}

int CliSession::FinishTransfer(int queryStatus) {
  messages_.presetAnswer = -1;
  if (queryStatus != 0) return queryStatus;
  // A change asked for and not made (refused, or a station not found) is an input problem.
  const bool offered = core().m_transferOutcome != QueryCore::TransferOutcome::NotOffered;
  return transferGiven_ && offered && core().m_transferOutcome != QueryCore::TransferOutcome::Listed
             ? 1
             : 0;
}

// The transfer dialog on the terminal: the candidates, then a station typed until one is
// accepted; an empty line or the end of input cancels.
bool CliSession::RunTerminalTransferDialog() {
  TransferChoice dialog(core());
  dialog.OnInitDialog();
  PrintListLines(stderr, Format::Table, dialog.m_list, false);
  for (;;) {
    std::fprintf(stderr, "中转站 (请选择中转站; empty line: 放弃): ");
    std::string line;
    if (!std::getline(std::cin, line) || line.empty()) {
      dialog.OnCancel();
      return false;
    }
    dialog.m_strTransfer = Utf8ToUtf16(line);
    if (dialog.OnOK()) return true;
  }
}

int CliSession::Transfers(const Command& command) {
  std::u16string from, to;
  if (!ResolveStationArgument(data_, command.args[0], from) ||
      !ResolveStationArgument(data_, command.args[1], to) ||
      !core().FindTransferStationsBetween(from, to))
    return core().Damage().Found() ? kDamagedData : 1;
  TransferChoice dialog(core());
  dialog.OnInitDialog();
  if (json_.Active())
    json_.Add(commandName_, ResultListJson(dialog.m_list, u""));
  else
    PrintListLines(stdout, options_.format, dialog.m_list, ColourWanted(stdout), options_.header,
                   options_.wide);
  return 0;
}

int RunTransfers(CliSession& session, const Command& command) {
  return session.Transfers(command);
}

}  // namespace tavra::cli
