#pragma once
// The update check: the server's number against the loaded data's version, and where the
// newer package lies. Asking the user and opening the package are the caller's part.
#include <string>
#include <string_view>

#include "online/http_get_number.h"
#include "platform/http_client.h"
#include "platform/settings_store.h"

namespace tavra {

// The setting that names the update server's base address (http(s)://host[:port][/prefix]).
inline constexpr std::string_view kOnlineSettingsKey = "Software\\tavr\\Online";
inline constexpr std::string_view kUpdateServerValue = "UpdateServer";

struct UpdateServerConfig {
  std::string baseUrl;
  HttpTimeouts timeouts;
  // The program's settings folder, where a stale "ver_ppc.ini" is removed; empty: none.
  std::string settingsFolder;
};

// `override` when given (the --update-server option), else the setting, else the default.
std::string UpdateServerBase(SettingsStore& store, std::string_view override);

// base + "/down/ver_ppc.txt", and base + "/down/tavrppc<N>.cab".
std::string VersionFileAddress(std::string_view base);
std::string PackageAddress(std::string_view base, unsigned number);

struct UpdateCheck {
  // -1 the exchange failed; the server's number when below 1; 0 up to date; 1 newer.
  int result = -1;
  int serverNumber = -1;
  std::string packageUrl;  // when newer
  std::string failure;     // when -1 for a failed exchange
};

UpdateCheck RunUpdateCheck(HttpClient& client, const UpdateServerConfig& config,
                           std::u16string_view dataVersionText);

}  // namespace tavra
