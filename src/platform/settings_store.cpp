#include "platform/settings_store.h"

#include <algorithm>
#include <cstdlib>
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
  // Line breaks cannot be stored in a one-line value; the registry value ends at one too.
  size_t end = value.find_first_of(u"\r\n");
  value = value.substr(0, end);
  return std::u16string(value.substr(0, std::min(maxChars, SettingsStore::kMaxTextChars)));
}

}  // namespace

SettingsStore::SettingsStore(std::string path) : path_(std::move(path)) {}

std::string SettingsStore::DefaultPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (config && *config) {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home && *home ? home : ".") + "/.config";
  }
  return base + "/tavra/settings.ini";
}

bool SettingsStore::OpenKey(std::string_view key) {
  keys_.clear();
  std::string text, error;
  if (!ReadWholeFile(path_, text, error)) return false;
  Values* current = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line = TrimLine(std::string_view(text).substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = &keys_[std::string(line.substr(1, line.size() - 2))];
    } else if (size_t eq = line.find('='); current && eq != std::string_view::npos) {
      (*current)[std::string(line.substr(0, eq))] =
          Cut(Utf8ToUtf16(line.substr(eq + 1)), kMaxTextChars);
    }
  }
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

bool SettingsStore::Save(const std::map<std::string, Values, std::less<>>& keys) const {
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
