#pragma once
// The settings store that plays the part of the device registry: keys holding named
// string values, kept in one small file under the user's config folder and rewritten
// whole and atomically on every change, so a crash never leaves half a file.
#include <functional>
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

  // $XDG_CONFIG_HOME/tavra/settings.ini when that is an absolute path, else
  // $HOME/.config/tavra/settings.ini when HOME is one; empty (no settings are kept) when
  // neither is. A test points XDG_CONFIG_HOME elsewhere (or gives the store its own path).
  static std::string DefaultPath();

  const std::string& path() const { return path_; }

  // Reads the file and tells whether `key` exists in it, as the registry's open does. A
  // missing file holds no key. A file that cannot be read or is not a settings file (a
  // folder, garbage) holds no key either: the warning hook is told, and the store then
  // refuses to write, so that the file is never replaced by one without its contents.
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

  // Told why the settings file cannot be used; the default writes a line to stderr.
  void SetWarning(std::function<void(const std::string&)> warn) { warn_ = std::move(warn); }

  using Values = std::map<std::string, std::u16string, std::less<>>;
  using Keys = std::map<std::string, Values, std::less<>>;
  // The file's text as keys and values; false with `error` set when it is not a settings file.
  static bool Parse(std::string_view text, Keys& keys, std::string& error);

 private:
  bool Save(const Keys& keys) const;

  std::string path_;
  Keys keys_;
  bool unusable_ = false;  // the file is there but could not be read: leave it alone
  std::function<void(const std::string&)> warn_;
};

}  // namespace tavra
