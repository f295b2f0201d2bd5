// tavra-cli update-check: the desktop program's update check for scripts, without the
// question (a script never opens a browser).
#include <cstdio>
#include <filesystem>

#include "cli_command_runs.h"
#include "cli_output.h"
#include "online/update_check.h"
#include "platform/utf8.h"
#include "resources/fixed_texts.h"

namespace tavra::cli {

int RunUpdateCheck(CliSession& session, const Command&) {
  const TimetableData& data = session.data();
  const Options& options = session.options();
  SettingsStore settings(SettingsStore::DefaultPath());
  UpdateServerConfig config;
  config.baseUrl = UpdateServerBase(settings, options.updateServer);
  config.settingsFolder = std::filesystem::path(settings.path()).parent_path().string();
  auto client = MakeHttpClient();
  UpdateCheck check = RunUpdateCheck(*client, config, data.DataVersionText);

  TerminalMessages messages;
  if (check.result == -1) {
    messages.Message(res::kNetworkFailed, texts::kCaption);
    std::fprintf(stderr, "tavra-cli: update check with %s failed: %s\n",
                 VersionFileAddress(config.baseUrl).c_str(),
                 check.failure.empty() ? "the server answered -1" : check.failure.c_str());
    return 3;
  }
  if (check.result == 0) messages.Message(res::kUpToDate, texts::kCaption);
  const bool newer = check.result == 1;
  const std::string version = Utf16ToUtf8(data.DataVersionText);
  if (session.json().Active()) {
    session.json().Add(session.commandName(),
                       {{"server", check.serverNumber},
                        {"data", version},
                        {"newer", newer},
                        {"package", newer ? nlohmann::ordered_json(check.packageUrl) : nullptr}});
  } else if (newer) {
    std::printf("%d\tnewer\t%s\n", check.serverNumber, check.packageUrl.c_str());
  } else {
    std::printf("%d\tup to date\n", check.serverNumber);
  }
  return 0;
}

}  // namespace tavra::cli
