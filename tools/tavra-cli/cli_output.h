#pragma once
// What tavra-cli prints: lists in the chosen format, messages on standard error.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "cli_options.h"
#include "platform/user_messages.h"

namespace tavra::cli {

// Writes a one-column list (station names and the like), one item a line.
void PrintList(std::FILE* out, const std::vector<std::string>& items);

// The results of a command line in json or jsonl: one document per run (an array with
// one result per command that printed one) or one document per command and line.
class JsonOutput {
 public:
  explicit JsonOutput(Format format);
  bool Active() const { return format_ == Format::Json || format_ == Format::Jsonl; }
  // Adds the result of `command` (its name goes in as "command").
  void Add(const std::string& command, nlohmann::ordered_json result);
  // Prints the document of a json run; called once after the commands, even a failed one.
  void Finish();

 private:
  Format format_;
  nlohmann::ordered_json results_;
};

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
