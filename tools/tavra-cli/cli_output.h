#pragma once
// What tavra-cli prints: lists in the chosen format, messages on standard error.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli_options.h"
#include "platform/user_messages.h"

namespace tavra::cli {

// A text as a JSON string literal, quotes included.
std::string JsonString(std::string_view utf8);

// Writes a one-column list (station names and the like) in `format` under `key`.
void PrintList(std::FILE* out, Format format, const char* key,
               const std::vector<std::string>& items);

// Messages the program would show in a box go to standard error as their exact text. A
// question is asked on the terminal when there is one, and answered No otherwise.
class TerminalMessages : public UserMessages {
 public:
  void Message(std::u16string_view text, std::u16string_view caption) override;
  bool Question(std::u16string_view text, std::u16string_view caption) override;
  void AppMessage(std::u16string_view text) override;
  int messageCount = 0;
  // Answers the next question without asking (a flag gave the answer); -1: ask.
  int presetAnswer = -1;
};

}  // namespace tavra::cli
