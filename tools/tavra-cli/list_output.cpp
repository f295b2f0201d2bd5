#include "list_output.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli_output.h"
#include "data/record_fields.h"
#include "platform/utf8.h"
#include "table_fit.h"
#include "text_width.h"

namespace tavra::cli {
namespace {

std::vector<int> VisibleColumns(const SortListModel& list) {
  std::vector<int> visible;
  for (size_t c = 0; c < list.Columns().size(); ++c)
    if (list.Columns()[c].width > 0) visible.push_back(static_cast<int>(c));
  return visible;
}

std::string HexColour(Color c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06x", c & 0xFFFFFFu);
  return buf;
}

// The escape sequence that shows a cell's text colour, or none for the usual black.
std::string ColourStart(Color text) {
  if (text == kRed) return "\x1b[31m";
  if (text == kBlue) return "\x1b[34m";
  if (text == kBlack || text == kDefaultColor) return "";
  char buf[32];
  std::snprintf(buf, sizeof buf, "\x1b[38;2;%u;%u;%um", text >> 16 & 0xFF, text >> 8 & 0xFF,
                text & 0xFF);
  return buf;
}

void PrintTable(std::FILE* out, const SortListModel& list, const std::vector<int>& allColumns,
                bool colour, int terminalWidth) {
  std::vector<int> allWidths;
  std::vector<std::u16string> names;
  for (int c : allColumns) {
    names.push_back(list.Columns()[static_cast<size_t>(c)].name);
    allWidths.push_back(DisplayWidth(names.back()));
  }
  for (int r = 0; r < list.RowCount(); ++r)
    for (size_t k = 0; k < allColumns.size(); ++k)
      allWidths[k] = std::max(
          allWidths[k], DisplayWidth(Trim(list.Row(r).texts[static_cast<size_t>(allColumns[k])])));
  std::vector<int> columns, widths;
  for (size_t k : ColumnsThatFit(names, allWidths, terminalWidth)) {
    columns.push_back(allColumns[k]);
    widths.push_back(allWidths[k]);
  }

  auto cell = [&](std::string& line, std::u16string_view text, size_t k, const std::string& start) {
    if (k > 0) line += "  ";
    line += start + Utf16ToUtf8(text) + (start.empty() ? "" : "\x1b[0m");
    // The last column needs no padding.
    if (k + 1 < columns.size())
      line.append(static_cast<size_t>(widths[k] - DisplayWidth(text)), ' ');
  };
  std::string header;
  for (size_t k = 0; k < columns.size(); ++k)
    cell(header, list.Columns()[static_cast<size_t>(columns[k])].name, k, "");
  std::fprintf(out, "%s\n", header.c_str());
  for (int r = 0; r < list.RowCount(); ++r) {
    const ListRow& row = list.Row(r);
    std::string line;
    for (size_t k = 0; k < columns.size(); ++k) {
      const size_t c = static_cast<size_t>(columns[k]);
      cell(line, Trim(row.texts[c]), k, colour ? ColourStart(row.textColors[c]) : "");
    }
    std::fprintf(out, "%s\n", line.c_str());
  }
}

void PrintJson(std::FILE* out, const SortListModel& list, const std::vector<int>& columns,
               std::u16string_view countLabel) {
  std::string json = "{\"columns\":[";
  for (size_t k = 0; k < columns.size(); ++k)
    json += (k ? "," : "") +
            JsonString(Utf16ToUtf8(list.Columns()[static_cast<size_t>(columns[k])].name));
  json += "],\"rows\":[";
  for (int r = 0; r < list.RowCount(); ++r) {
    const ListRow& row = list.Row(r);
    std::string texts, fore, back;
    for (size_t k = 0; k < columns.size(); ++k) {
      const size_t c = static_cast<size_t>(columns[k]);
      const char* sep = k ? "," : "";
      texts += sep + JsonString(Utf16ToUtf8(row.texts[c]));
      fore += sep + JsonString(HexColour(row.textColors[c]));
      back += sep + JsonString(HexColour(row.backColors[c]));
    }
    json += (r ? ",{" : "{") + std::string("\"texts\":[") + texts + "],\"textColors\":[" + fore +
            "],\"backColors\":[" + back + "]}";
  }
  json += "],\"count\":" + std::to_string(list.RowCount()) +
          ",\"label\":" + JsonString(Utf16ToUtf8(countLabel)) + "}";
  std::fprintf(out, "%s\n", json.c_str());
}

}  // namespace

bool ColourWanted(std::FILE* out) {
  const char* noColour = std::getenv("NO_COLOR");
  return isatty(fileno(out)) && (noColour == nullptr || *noColour == '\0');
}

void PrintResultList(std::FILE* out, Format format, const SortListModel& list,
                     std::u16string_view countLabel, bool colour, bool header, bool wide) {
  const std::vector<int> columns = VisibleColumns(list);
  if (format == Format::Json) return PrintJson(out, list, columns, countLabel);
  if (format == Format::Table) {
    PrintTable(out, list, columns, colour, wide ? 0 : TerminalWidth(fileno(out)));
  } else {
    if (header) {
      std::string names;
      for (size_t k = 0; k < columns.size(); ++k)
        names +=
            (k ? "\t" : "") + Utf16ToUtf8(list.Columns()[static_cast<size_t>(columns[k])].name);
      std::fprintf(out, "%s\n", names.c_str());
    }
    for (int r = 0; r < list.RowCount(); ++r) {
      std::string line;
      for (size_t k = 0; k < columns.size(); ++k)
        line += (k ? "\t" : "") + Utf16ToUtf8(list.Row(r).texts[static_cast<size_t>(columns[k])]);
      std::fprintf(out, "%s\n", line.c_str());
    }
  }
  std::fprintf(out, "%s\n", Utf16ToUtf8(countLabel).c_str());
}

}  // namespace tavra::cli
