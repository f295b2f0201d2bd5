#pragma once
// The contents of a sortable list: columns declared by one text of "name,width" entries, rows of
// texts with a text and background colour per cell, and the sort state of header clicks.
// The result list, the stop list and the transfer list each hold one; a view paints it.
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

struct ListRow {
  std::vector<std::u16string> texts;  // one per column
  std::vector<Color> textColors;
  std::vector<Color> backColors;
};

class SortListModel {
 public:
  // Appends the columns of `columnText`: entries "name,width" separated by ";" (the last needs
  // no ";"). An entry without "," ends the walk. Returns true.
  bool SetColumnSpec(std::u16string_view columnText);

  // Appends a row of one text per column (missing texts are empty, extra ones dropped),
  // every cell in the default colours of this moment. Returns the row's index.
  int AppendRow(std::vector<std::u16string> texts);
  // The same from views: the texts are copied into a row that keeps its buffers from the
  // rows deleted before, so that a list filled again allocates almost nothing.
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

  // The rows' buffers are kept for the rows appended next.
  void DeleteAllRows();

  // While off, changes are not announced; switching it on announces them once.
  void SetRedraw(bool on);
  // Called when the view should repaint.
  void SetChangeListener(std::function<void()> listener) { onChange_ = std::move(listener); }
  // The defaults follow the system colours; rows already appended keep theirs.
  void SetDefaultColors(Color text, Color back);

  int RowCount() const { return count_; }
  int ColumnCount() const { return m_nColumns; }
  const std::vector<ListColumn>& Columns() const { return columns_; }
  const ListRow& Row(int row) const { return rows_[static_cast<size_t>(row)]; }
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

  std::vector<ListColumn> columns_;
  std::vector<ListRow> rows_;  // the first count_ are the list's; the rest are spare
  int count_ = 0;
  bool redraw_ = true;
  std::function<void()> onChange_;
};

}  // namespace tavra
