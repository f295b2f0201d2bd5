#pragma once
// Tab-separated tables with a header line, comment lines and blank lines.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "datatool/source_model.h"

namespace tavra::datatool {

struct ColumnSpec {
  std::string name;
  bool required;
};

struct TsvRow {
  int line = 0;
  std::vector<std::string> fields;  // trimmed, in header order; missing ones empty
};

class TsvTable {
 public:
  // Parses `text` (the contents of `file`); problems go to `errors`.
  TsvTable(std::string file, std::string_view text, const std::vector<ColumnSpec>& columns,
           std::vector<SourceError>& errors);

  const std::vector<TsvRow>& rows() const { return rows_; }
  bool Has(const std::string& column) const { return index_.count(column) != 0; }
  // The field of `column` in `row`; empty when the column is absent.
  const std::string& Get(const TsvRow& row, const std::string& column) const;
  // 1-based column number of `column` in the file, 0 when absent.
  int ColumnNumber(const std::string& column) const;
  const std::string& file() const { return file_; }

 private:
  std::string file_;
  std::map<std::string, size_t> index_;
  std::vector<TsvRow> rows_;
};

// Splits on `separator` keeping empty pieces.
std::vector<std::string> Split(std::string_view text, char separator);
std::string_view TrimAscii(std::string_view text);

}  // namespace tavra::datatool
