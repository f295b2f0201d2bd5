#include "online/update_check.h"

#include <filesystem>

#include "online/http_answer.h"
#include "platform/utf8.h"
#include "resources/publisher.h"

namespace tavra {
namespace {

std::string_view WithoutTrailingSlashes(std::string_view base) {
  while (!base.empty() && base.back() == '/') base.remove_suffix(1);
  return base;
}

}  // namespace

std::string UpdateServerBase(SettingsStore& store, std::string_view override) {
  if (!override.empty()) return std::string(override);
  if (store.OpenKey(kOnlineSettingsKey))
    if (auto value =
            store.ReadString(kOnlineSettingsKey, kUpdateServerValue, SettingsStore::kMaxTextChars);
        value && !value->empty())
      return Utf16ToUtf8(*value);
  return std::string(res::kDefaultUpdateServer);
}

std::string VersionFileAddress(std::string_view base) {
  return std::string(WithoutTrailingSlashes(base)) + "/down/ver_ppc.txt";
}

std::string PackageAddress(std::string_view base, unsigned number) {
  return std::string(WithoutTrailingSlashes(base)) + "/down/tavrppc" + std::to_string(number) +
         ".cab";
}

UpdateCheck RunUpdateCheck(HttpClient& client, const UpdateServerConfig& config,
                           std::u16string_view dataVersionText) {
  UpdateCheck check;
  check.serverNumber =
      HttpGetNumber(client, VersionFileAddress(config.baseUrl), config.timeouts, &check.failure);
  // A file the handheld's HTTP layer may have left; only ever in the settings folder.
  if (!config.settingsFolder.empty()) {
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(config.settingsFolder) / "ver_ppc.ini", ec);
  }
  if (check.serverNumber < 1) {
    check.result = check.serverNumber;
    return check;
  }
  const int dataVersion = LeadingInteger(Utf16ToUtf8(dataVersionText)).value_or(0);
  if (check.serverNumber <= dataVersion) {
    check.result = 0;
    return check;
  }
  check.result = 1;
  check.packageUrl = PackageAddress(config.baseUrl, static_cast<unsigned>(check.serverNumber));
  return check;
}

}  // namespace tavra
