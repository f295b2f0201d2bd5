// The settings file: any bytes are either read as settings or refused with a warning, never
// a crash; settings that were read take a new value, and reading the file back gives every
// old value and the new one (the input after the first NUL, cut as the store cuts it).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/settings_store.h"
#include "platform/utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace tavra;
  std::string_view all(reinterpret_cast<const char*>(bytes), size);
  size_t nul = all.find('\0');
  std::string_view file = all.substr(0, nul);
  std::u16string value = nul == std::string_view::npos ? u"1" : Utf8ToUtf16(all.substr(nul + 1));

  SettingsStore::Keys keys;
  std::string error;
  const bool parsed = SettingsStore::Parse(file, keys, error);

  static const std::string path = "/tmp/tavra-settings-fuzz-" + std::to_string(getpid());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << file;
  struct Remove {
    ~Remove() { unlink(path.c_str()); }
  } remove;
  std::string warning;
  SettingsStore store(path);
  store.SetWarning([&](const std::string& w) { warning = w; });
  store.OpenKey("k");
  if (parsed == !warning.empty()) std::abort();  // the store reads as Parse does
  if (!parsed) return 0;
  if (!store.WriteString("k", "v", value)) std::abort();
  const std::optional<std::u16string> written = store.ReadString("k", "v");

  SettingsStore again(path);
  again.SetWarning([](const std::string&) { std::abort(); });  // its own file is readable
  again.OpenKey("k");
  if (again.ReadString("k", "v") != written) std::abort();
  for (const auto& [key, values] : keys)
    for (const auto& [name, old] : values)
      if (!(key == "k" && name == "v") &&
          again.ReadString(key, name, SettingsStore::kMaxTextChars) != old)
        std::abort();
  return 0;
}
