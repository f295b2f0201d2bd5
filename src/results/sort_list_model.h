#pragma once
// The contents of a sortable list: columns declared by one text of "name,width" entries, rows of
// texts with a text and background colour per cell, and the sort state of header clicks.
// The result list, the stop list and the transfer list each hold one; a view paints it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "results/list_colors.h"

namespace tavra {

struct ListColumn {
  std::u16string name;
  int width = 0;  // pixels; 0 is a hidden column
};

// Where one cell's text lies in its list's characters.
struct CellPlace {
  uint32_t begin = 0, length = 0;
};
// The text at `place` in a list's characters.
inline std::u16string_view CellText(const char16_t* chars, const CellPlace& place) {
  return {chars + place.begin, place.length};
}

// A row's texts as views; valid until the list changes.
class CellTexts {
 public:
  CellTexts(const char16_t* chars, const CellPlace* cells, size_t count)
      : chars_(chars), cells_(cells), count_(count) {}
  std::u16string_view operator[](size_t c) const { return CellText(chars_, cells_[c]); }
  size_t size() const { return count_; }

  class const_iterator {
   public:
    using value_type = std::u16string_view;
    using difference_type = std::ptrdiff_t;
    const_iterator() = default;
    const_iterator(const CellTexts* texts, size_t at) : texts_(texts), at_(at) {}
    std::u16string_view operator*() const { return (*texts_)[at_]; }
    const_iterator& operator++() {
      ++at_;
      return *this;
    }
    const_iterator operator++(int) { return {texts_, at_++}; }
    bool operator==(const const_iterator& other) const { return at_ == other.at_; }

   private:
    const CellTexts* texts_ = nullptr;
    size_t at_ = 0;
  };
  using iterator = const_iterator;
  using value_type = std::u16string_view;
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, count_}; }

  friend bool operator==(const CellTexts& a, const CellTexts& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }
  friend bool operator==(const CellTexts& a, const std::vector<std::u16string>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  const char16_t* chars_;
  const CellPlace* cells_;
  size_t count_;
};

// One row: a text and a text and background colour per column; valid until the list changes.
struct ListRow {
  CellTexts texts;
  std::span<const Color> textColors;
  std::span<const Color> backColors;
};

class SortListModel {
 public:
  // Appends the columns of `columnText`: entries "name,width" separated by ";" (the last needs
  // no ";"). An entry without "," ends the walk. Returns true.
  bool SetColumnSpec(std::u16string_view columnText);

  // Appends a row of one text per column (missing texts are empty, extra ones dropped),
  // every cell in the default colours of this moment. Returns the row's index.
  int AppendRow(std::vector<std::u16string> texts);
  // The same from views: the texts are copied into the list's own storage, which it keeps
  // from the rows deleted before, so that a list filled again allocates almost nothing.
  int AppendRow(std::span<const std::u16string_view> texts);
  // The same with columns 0..`last` in `text` on `back` (kDefaultColor as in SetRowColors):
  // a result line is appended and coloured in one pass.
  int AppendRow(std::span<const std::u16string_view> texts, int last, Color text, Color back);

  // Ignored outside the rows and columns. kDefaultColor stands for the current default.
  void SetCellColors(int row, int column, Color text, Color back);
  // The same for columns first..last of one row, with one announcement.
  void SetRowColors(int row, int first, int last, Color text, Color back);

  // Sorts stably by `column` (ignored outside the columns) and remembers the sort state.
  void SortByColumn(int column, bool ascending);
  void AllowSort(bool enabled) { m_bSortEnabled = enabled; }
  // A header click: ascending, or descending when the column was just sorted ascending.
  void OnColumnClick(int column);

  // Room for `rows` rows of about `chars` characters each, so that a list filling up does
  // not copy its cells again at each growth.
  void Reserve(size_t rows, size_t chars);
  // The rows' storage is kept for the rows appended next.
  void DeleteAllRows();

  // While off, changes are not announced; switching it on announces them once.
  void SetRedraw(bool on);
  // Called when the view should repaint.
  void SetChangeListener(std::function<void()> listener) { onChange_ = std::move(listener); }
  // The defaults follow the system colours; rows already appended keep theirs.
  void SetDefaultColors(Color text, Color back);

  int RowCount() const { return static_cast<int>(rows_.size()); }
  int ColumnCount() const { return m_nColumns; }
  const std::vector<ListColumn>& Columns() const { return columns_; }
  ListRow Row(int row) const;
  int SortColumn() const { return m_nSortColumn; }
  bool SortAscending() const { return m_bAscending; }
  bool SortEnabled() const { return m_bSortEnabled; }
  bool RedrawOn() const { return redraw_; }

 private:
  void Changed();

  int m_nColumns = 0;
  int m_nSortColumn = -1;
  bool m_bAscending = true;
  bool m_bSortEnabled = true;
  Color m_crText = kBlack;
  Color m_crBack = kWhite;

  // Every cell of every row lies in one run of characters and three parallel arrays, each
  // row's cells side by side; the rows are their first cells in the order shown, so that a
  // list filled again allocates nothing and a sort moves one number per row.
  void AppendCells(std::span<const std::u16string_view> texts);
  std::vector<ListColumn> columns_;
  std::u16string chars_;
  std::vector<CellPlace> cells_;
  std::vector<Color> textColors_, backColors_;
  std::vector<uint32_t> rows_;
  bool redraw_ = true;
  std::function<void()> onChange_;
};

}  // namespace tavra
