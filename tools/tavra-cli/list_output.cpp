#include "list_output.h"

#include <unistd.h>

#include <algorithm>
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

// Colours by name where they have one, else "#rrggbb".
std::string ColourName(Color c) {
  if (c == kBlack) return "black";
  if (c == kWhite) return "white";
  if (c == kRed) return "red";
  if (c == kBlue) return "blue";
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06x", c & 0xFFFFFFu);
  return buf;
}

// A decimal ("25", "105.5") as a number; anything else as null.
nlohmann::ordered_json Amount(std::u16string_view text) {
  const std::string digits = Utf16ToUtf8(text);
  bool point = false, any = false;
  for (char c : digits) {
    if (c == '.' && !point && any) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      any = true;
    } else {
      return nullptr;
    }
  }
  if (!any || digits.back() == '.') return nullptr;
  if (!point && digits.size() < 16) return std::stoll(digits);
  return std::stod(digits);
}

// A cell for scripts: trimmed text; the distance a number; a price a number or null (for
// "－"), a berth price list "a/b/c" an array of them.
nlohmann::ordered_json CellValue(std::u16string_view column, std::u16string_view cell) {
  static constexpr std::u16string_view kPrices[] = {u"硬座", u"软座",       u"二等",
                                                    u"一等", u"硬卧上中下", u"软卧上/下"};
  const std::u16string_view text = Trim(cell);
  if (column == u"里程") {
    nlohmann::ordered_json km = Amount(text);
    return km.is_null() ? nlohmann::ordered_json(Utf16ToUtf8(text)) : km;
  }
  if (std::find(std::begin(kPrices), std::end(kPrices), column) == std::end(kPrices))
    return Utf16ToUtf8(text);
  if (text.find(u'/') == std::u16string_view::npos) return Amount(text);
  nlohmann::ordered_json prices = nlohmann::ordered_json::array();
  for (size_t pos = 0; pos <= text.size();) {
    const size_t slash = std::min(text.find(u'/', pos), text.size());
    prices.push_back(Amount(text.substr(pos, slash - pos)));
    pos = slash + 1;
  }
  return prices;
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
  // Each cell is trimmed and measured once: for the column widths and again for its padding.
  const size_t n = allColumns.size();
  std::vector<std::u16string_view> cells(static_cast<size_t>(list.RowCount()) * n);
  std::vector<int> cellWidths(cells.size());
  for (int r = 0; r < list.RowCount(); ++r) {
    const CellTexts texts = list.Row(r).texts;
    for (size_t k = 0; k < n; ++k) {
      const size_t at = static_cast<size_t>(r) * n + k;
      cells[at] = Trim(texts[static_cast<size_t>(allColumns[k])]);
      cellWidths[at] = DisplayWidth(cells[at]);
      allWidths[k] = std::max(allWidths[k], cellWidths[at]);
    }
  }
  std::vector<size_t> shown;
  std::vector<int> widths;
  for (size_t k : ColumnsThatFit(names, allWidths, terminalWidth)) {
    shown.push_back(k);
    widths.push_back(allWidths[k]);
  }

  auto cell = [&](std::string& line, std::u16string_view text, int width, size_t k,
                  const std::string& start) {
    if (k > 0) line += "  ";
    line += start;
    AppendUtf8(line, text);
    if (!start.empty()) line += "\x1b[0m";
    // The last column needs no padding.
    if (k + 1 < shown.size()) line.append(static_cast<size_t>(widths[k] - width), ' ');
  };
  std::string header;
  for (size_t k = 0; k < shown.size(); ++k)
    cell(header, names[shown[k]], DisplayWidth(names[shown[k]]), k, "");
  std::fprintf(out, "%s\n", header.c_str());
  std::string line;  // one buffer for every line
  for (int r = 0; r < list.RowCount(); ++r) {
    const ListRow row = list.Row(r);
    line.clear();
    for (size_t k = 0; k < shown.size(); ++k) {
      const size_t at = static_cast<size_t>(r) * n + shown[k];
      const size_t c = static_cast<size_t>(allColumns[shown[k]]);
      cell(line, cells[at], cellWidths[at], k, colour ? ColourStart(row.textColors[c]) : "");
    }
    std::fprintf(out, "%s\n", line.c_str());
  }
}

}  // namespace

nlohmann::ordered_json ResultListJson(const SortListModel& list, std::u16string_view countLabel) {
  const std::vector<int> columns = VisibleColumns(list);
  nlohmann::ordered_json names = nlohmann::ordered_json::array(),
                         rows = nlohmann::ordered_json::array();
  for (int c : columns) names.push_back(Utf16ToUtf8(list.Columns()[static_cast<size_t>(c)].name));
  for (int r = 0; r < list.RowCount(); ++r) {
    const ListRow row = list.Row(r);
    nlohmann::ordered_json cells = nlohmann::ordered_json::array(),
                           fore = nlohmann::ordered_json::array(),
                           back = nlohmann::ordered_json::array();
    for (int column : columns) {
      const size_t c = static_cast<size_t>(column);
      cells.push_back(CellValue(list.Columns()[c].name, row.texts[c]));
      fore.push_back(ColourName(row.textColors[c]));
      back.push_back(ColourName(row.backColors[c]));
    }
    // Members are moved in, not copied as a braced list would.
    nlohmann::ordered_json line = nlohmann::ordered_json::object();
    line["cells"] = std::move(cells);
    line["textColors"] = std::move(fore);
    line["backColors"] = std::move(back);
    rows.push_back(std::move(line));
  }
  nlohmann::ordered_json result = nlohmann::ordered_json::object();
  result["columns"] = std::move(names);
  result["rows"] = std::move(rows);
  result["count"] = list.RowCount();
  result["label"] = Utf16ToUtf8(countLabel);
  return result;
}

bool ColourWanted(std::FILE* out) {
  const char* noColour = std::getenv("NO_COLOR");
  return isatty(fileno(out)) && (noColour == nullptr || *noColour == '\0');
}

void PrintResultList(std::FILE* out, Format format, const SortListModel& list,
                     std::u16string_view countLabel, bool colour, bool header, bool wide) {
  PrintListLines(out, format, list, colour, header, wide);
  std::fprintf(out, "%s\n", Utf16ToUtf8(countLabel).c_str());
}

void PrintListLines(std::FILE* out, Format format, const SortListModel& list, bool colour,
                    bool header, bool wide) {
  const std::vector<int> columns = VisibleColumns(list);
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
}

}  // namespace tavra::cli
