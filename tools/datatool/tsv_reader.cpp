#include "datatool/tsv_reader.h"

#include "platform/utf8.h"

namespace tavra::datatool {

std::string SourceError::Text() const {
  std::string where = file;
  if (line > 0) where += ":" + std::to_string(line);
  if (column > 0) where += ":" + std::to_string(column);
  return where + ": " + message;
}

std::vector<std::string> TrainNumbers(const SourceTrain& train) {
  return train.numbers.empty() ? Split(train.number, '/') : train.numbers;
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::string_view TrimAscii(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

TsvTable::TsvTable(std::string file, std::string_view text, const std::vector<ColumnSpec>& columns,
                   std::vector<SourceError>& errors)
    : file_(std::move(file)) {
  bool haveHeader = false;
  std::vector<std::string> header;
  int lineNo = 0;
  for (const std::string& raw : Split(text, '\n')) {
    ++lineNo;
    std::string_view line = raw;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view trimmed = TrimAscii(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    if (!IsValidUtf8(line)) {
      errors.push_back({file_, lineNo, 0, "the line is not valid UTF-8"});
      continue;
    }
    std::vector<std::string> fields = Split(line, '\t');
    for (auto& f : fields) f = std::string(TrimAscii(f));
    if (!haveHeader) {
      haveHeader = true;
      header = fields;
      for (size_t c = 0; c < header.size(); ++c) {
        const std::string& name = header[c];
        bool known = false;
        for (const auto& column : columns) known = known || column.name == name;
        if (!known) {
          std::string allowed;
          for (const auto& column : columns) allowed += (allowed.empty() ? "" : ", ") + column.name;
          errors.push_back({file_, lineNo, static_cast<int>(c + 1),
                            "unknown column \"" + name + "\"; the columns are " + allowed});
        } else if (!index_.emplace(name, c).second) {
          errors.push_back(
              {file_, lineNo, static_cast<int>(c + 1), "column \"" + name + "\" is named twice"});
        }
      }
      for (const auto& column : columns)
        if (column.required && !index_.count(column.name))
          errors.push_back(
              {file_, lineNo, 0, "the required column \"" + column.name + "\" is missing"});
      continue;
    }
    if (fields.size() > header.size()) {
      errors.push_back({file_, lineNo, static_cast<int>(header.size() + 1),
                        "the line has " + std::to_string(fields.size()) +
                            " fields but the header names " + std::to_string(header.size())});
      continue;
    }
    fields.resize(header.size());
    rows_.push_back({lineNo, std::move(fields)});
  }
  if (!haveHeader) {
    for (const auto& column : columns)
      if (column.required) {
        errors.push_back({file_, 0, 0, "the file has no header line naming its columns"});
        break;
      }
  }
}

const std::string& TsvTable::Get(const TsvRow& row, const std::string& column) const {
  static const std::string kEmpty;
  auto it = index_.find(column);
  return it == index_.end() ? kEmpty : row.fields[it->second];
}

int TsvTable::ColumnNumber(const std::string& column) const {
  auto it = index_.find(column);
  return it == index_.end() ? 0 : static_cast<int>(it->second + 1);
}

}  // namespace tavra::datatool
