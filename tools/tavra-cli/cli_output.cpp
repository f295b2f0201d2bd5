#include "cli_output.h"

#include <unistd.h>

#include <iostream>

#include "platform/utf8.h"

namespace tavra::cli {

void PrintList(std::FILE* out, const std::vector<std::string>& items) {
  for (const auto& item : items) std::fprintf(out, "%s\n", item.c_str());
}

JsonOutput::JsonOutput(Format format)
    : format_(format), results_(nlohmann::ordered_json::array()) {}

void JsonOutput::Add(const std::string& command, nlohmann::ordered_json result) {
  // The result's members are moved after the command's name: a list's rows are not copied.
  nlohmann::ordered_json named = {{"command", command}};
  for (auto& item : result.items()) named[item.key()] = std::move(item.value());
  result = std::move(named);
  if (format_ == Format::Jsonl)
    std::printf(
        "%s\n",
        result.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
  else
    results_.push_back(std::move(result));
}

void JsonOutput::Finish() {
  if (format_ == Format::Json)
    std::printf(
        "%s\n",
        results_.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
}

void TerminalMessages::Message(std::u16string_view text, std::u16string_view) {
  ++messageCount;
  std::fprintf(stderr, "%s\n", Utf16ToUtf8(text).c_str());
}

void TerminalMessages::AppMessage(std::u16string_view text) {
  Message(text, u"");
}

bool TerminalMessages::Question(std::u16string_view text, std::u16string_view) {
  ++messageCount;
  std::fprintf(stderr, "%s [y/N] ", Utf16ToUtf8(text).c_str());
  if (presetAnswer >= 0) {
    const bool yes = presetAnswer == 1;
    presetAnswer = -1;
    std::fprintf(stderr, "%s\n", yes ? "y" : "N");
    return yes;
  }
  if (!isatty(STDIN_FILENO)) {
    std::fprintf(stderr, "N\n");
    return false;
  }
  std::string answer;
  std::getline(std::cin, answer);
  return !answer.empty() && (answer[0] == 'y' || answer[0] == 'Y');
}

}  // namespace tavra::cli
