#include "cli_output.h"

#include <unistd.h>

#include <iostream>

#include "platform/utf8.h"

namespace tavra::cli {

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

void PrintList(std::FILE* out, Format format, const char* key,
               const std::vector<std::string>& items) {
  if (format != Format::Json) {
    for (const auto& item : items) std::fprintf(out, "%s\n", item.c_str());
    return;
  }
  std::fprintf(out, "{\"%s\":[", key);
  for (size_t i = 0; i < items.size(); ++i)
    std::fprintf(out, "%s%s", i ? "," : "", JsonString(items[i]).c_str());
  std::fprintf(out, "],\"count\":%zu}\n", items.size());
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
