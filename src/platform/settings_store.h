#pragma once
// The settings store that plays the part of the device registry: keys holding named
// string values, kept in one small file under the user's config folder and rewritten
// whole and atomically on every change, so a crash never leaves half a file.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tavra {

class SettingsStore {
 public:
  // A registry string value holds at most 20 bytes of UTF-16 including its terminating
  // NUL: nine characters.
  static constexpr size_t kMaxValueChars = 9;
  // Longer values (an address) are asked for with a larger limit, up to this one.
  static constexpr size_t kMaxTextChars = 2048;

  // The store kept in `path`; nothing is read until Open.
  explicit SettingsStore(std::string path);

  // $XDG_CONFIG_HOME/tavra/settings.ini, or ~/.config/tavra/settings.ini; a test points
  // XDG_CONFIG_HOME elsewhere (or constructs the store with its own path).
  static std::string DefaultPath();

  const std::string& path() const { return path_; }

  // Reads the file and tells whether `key` exists in it, as the registry's open does. A
  // missing or unreadable file holds no key.
  bool OpenKey(std::string_view key);
  // Adds `key` (empty) and writes the file; false when the file cannot be written.
  bool CreateKey(std::string_view key);

  // The value as last read or written, cut to `maxChars`; nullopt when missing.
  std::optional<std::u16string> ReadString(std::string_view key, std::string_view name,
                                           size_t maxChars = kMaxValueChars) const;
  // Sets the value, cut to `maxChars`, and writes the file; false when it cannot be
  // written (the value is then not kept).
  bool WriteString(std::string_view key, std::string_view name, std::u16string_view value,
                   size_t maxChars = kMaxValueChars);

 private:
  using Values = std::map<std::string, std::u16string, std::less<>>;
  bool Save(const std::map<std::string, Values, std::less<>>& keys) const;

  std::string path_;
  std::map<std::string, Values, std::less<>> keys_;
};

}  // namespace tavra
