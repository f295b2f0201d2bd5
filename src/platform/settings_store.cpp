#include "platform/settings_store.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/file_io.h"
#include "platform/utf8.h"

namespace tavra {
namespace {

// The file is UTF-8 text: "[key]" lines, each followed by its "name=value" lines.
constexpr std::string_view kHeader =
    "# Tavra settings: written by the program, one [key] per group.\n";

std::string_view TrimLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
  return line;
}

std::u16string Cut(std::u16string_view value, size_t maxChars) {
  // Line breaks cannot be stored in a one-line value, nor a NUL in a text file; the
  // registry value ends at either too.
  size_t end = value.find_first_of(std::u16string_view(u"\r\n\0", 3));
  value = value.substr(0, end);
  value = value.substr(0, std::min(maxChars, SettingsStore::kMaxTextChars));
  // Half a surrogate pair cannot be written as UTF-8: the cut takes the whole character.
  if (!value.empty() && value.back() >= 0xD800 && value.back() <= 0xDBFF) value.remove_suffix(1);
  return std::u16string(value);
}

bool IsAbsolute(const char* path) {
  return path && path[0] == '/';
}

}  // namespace

SettingsStore::SettingsStore(std::string path)
    : path_(std::move(path)),
      warn_([](const std::string& text) { std::fprintf(stderr, "tavra: %s\n", text.c_str()); }) {}

std::string SettingsStore::DefaultPath() {
  // A relative folder would depend on where the program happens to be started.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (IsAbsolute(config)) return std::string(config) + "/tavra/settings.ini";
  const char* home = std::getenv("HOME");
  if (IsAbsolute(home)) return std::string(home) + "/.config/tavra/settings.ini";
  return {};
}

bool SettingsStore::Parse(std::string_view text, Keys& keys, std::string& error) {
  if (!IsValidUtf8(text) || text.find('\0') != std::string_view::npos) {
    error = "it is not UTF-8 text";
    return false;
  }
  Values* current = nullptr;
  size_t pos = 0;
  for (int lineNo = 1; pos < text.size(); ++lineNo) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(pos, end - pos);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    std::string_view line = TrimLine(raw);
    pos = end + 1;
    if (line.empty() || line[0] == '#') continue;
    size_t eq = line.find('=');
    // "[a=b]" is the name "[a" with the value "b]": a value may end in ']', a key has no '='.
    if (line.front() == '[' && line.back() == ']' && eq == std::string_view::npos) {
      current = &keys[std::string(line.substr(1, line.size() - 2))];
    } else if (current && eq != std::string_view::npos && eq > 0) {
      // A value keeps its trailing blanks: it reads back as it was written.
      (*current)[std::string(line.substr(0, eq))] =
          Cut(Utf8ToUtf16(raw.substr(eq + 1)), kMaxTextChars);
    } else {
      error = "line " + std::to_string(lineNo) + " is neither a [key] nor a name=value of one";
      return false;
    }
  }
  return true;
}

bool SettingsStore::OpenKey(std::string_view key) {
  keys_.clear();
  unusable_ = false;
  struct stat st {};
  if (path_.empty() || (stat(path_.c_str(), &st) != 0 && errno == ENOENT)) return false;
  std::string text, error;
  Keys keys;
  if (!ReadWholeFile(path_, text, error) || !Parse(text, keys, error)) {
    unusable_ = true;
    if (warn_)
      warn_("the settings file " + path_ + " cannot be used (" + error +
            "); the program goes on with empty settings and leaves the file as it is");
    return false;
  }
  keys_ = std::move(keys);
  return keys_.find(key) != keys_.end();
}

bool SettingsStore::CreateKey(std::string_view key) {
  auto keys = keys_;
  keys[std::string(key)];
  if (!Save(keys)) return false;
  keys_ = std::move(keys);
  return true;
}

std::optional<std::u16string> SettingsStore::ReadString(std::string_view key, std::string_view name,
                                                        size_t maxChars) const {
  auto k = keys_.find(key);
  if (k == keys_.end()) return std::nullopt;
  auto v = k->second.find(name);
  if (v == k->second.end()) return std::nullopt;
  return Cut(v->second, maxChars);
}

bool SettingsStore::WriteString(std::string_view key, std::string_view name,
                                std::u16string_view value, size_t maxChars) {
  auto keys = keys_;
  keys[std::string(key)][std::string(name)] = Cut(value, maxChars);
  if (!Save(keys)) return false;
  keys_ = std::move(keys);
  return true;
}

bool SettingsStore::Save(const Keys& keys) const {
  if (path_.empty() || unusable_) return false;
  std::string text(kHeader);
  for (const auto& [key, values] : keys) {
    text += "[" + key + "]\n";
    for (const auto& [name, value] : values) text += name + "=" + Utf16ToUtf8(value) + "\n";
  }
  std::error_code ec;
  std::filesystem::path parent = std::filesystem::path(path_).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  std::string error;
  return WriteFileAtomically(path_, text, error);
}

}  // namespace tavra
