#include "results/sort_list_model.h"

#include <algorithm>
#include <utility>

#include "data/record_fields.h"
#include "results/list_compare.h"

namespace tavra {
bool SortListModel::SetColumnSpec(std::u16string_view columnText) {
  const size_t oldColumns = columns_.size();
  for (size_t pos = 0; pos < columnText.size();) {
    size_t end = columnText.find(u';', pos);
    if (end == std::u16string_view::npos) end = columnText.size();
    const std::u16string_view entry = columnText.substr(pos, end - pos);
    const size_t comma = entry.find(u',');
    if (comma == std::u16string_view::npos) break;
    columns_.push_back(
        {std::u16string(entry.substr(0, comma)), ParseLeadingInt(entry.substr(comma + 1))});
    ++m_nColumns;
    pos = end + 1;
  }
  if (columns_.size() != oldColumns && !rows_.empty()) {
    // Rows appended before get empty cells in the new columns: the rows are laid out again.
    const std::u16string chars = std::move(chars_);
    const std::vector<CellPlace> cells = std::move(cells_);
    const std::vector<Color> fore = std::move(textColors_), back = std::move(backColors_);
    const std::vector<uint32_t> rows = std::move(rows_);
    DeleteAllRows();
    std::vector<std::u16string_view> texts(oldColumns);
    for (uint32_t first : rows) {
      for (size_t c = 0; c < oldColumns; ++c) texts[c] = CellText(chars.data(), cells[first + c]);
      const size_t at = cells_.size();
      AppendCells(texts);
      std::copy_n(fore.begin() + first, oldColumns,
                  textColors_.begin() + static_cast<ptrdiff_t>(at));
      std::copy_n(back.begin() + first, oldColumns,
                  backColors_.begin() + static_cast<ptrdiff_t>(at));
    }
  }
  Changed();
  return true;
}

ListRow SortListModel::Row(int row) const {
  const size_t first = rows_[static_cast<size_t>(row)];
  const size_t n = static_cast<size_t>(m_nColumns);
  return {CellTexts(chars_.data(), cells_.data() + first, n),
          std::span<const Color>(textColors_.data() + first, n),
          std::span<const Color>(backColors_.data() + first, n)};
}

int SortListModel::AppendRow(std::vector<std::u16string> texts) {
  std::vector<std::u16string_view> views(texts.begin(), texts.end());
  return AppendRow(std::span<const std::u16string_view>(views));
}

int SortListModel::AppendRow(std::span<const std::u16string_view> texts) {
  return AppendRow(texts, -1, m_crText, m_crBack);
}

void SortListModel::AppendCells(std::span<const std::u16string_view> texts) {
  const size_t n = static_cast<size_t>(m_nColumns);
  rows_.push_back(static_cast<uint32_t>(cells_.size()));
  for (size_t c = 0; c < n; ++c) {
    const std::u16string_view text = c < texts.size() ? texts[c] : std::u16string_view();
    cells_.push_back({static_cast<uint32_t>(chars_.size()), static_cast<uint32_t>(text.size())});
    chars_.append(text);
  }
  textColors_.resize(cells_.size(), m_crText);
  backColors_.resize(cells_.size(), m_crBack);
}

int SortListModel::AppendRow(std::span<const std::u16string_view> texts, int last, Color text,
                             Color back) {
  AppendCells(texts);
  const size_t first = rows_.back();
  const size_t colored = static_cast<size_t>(std::clamp(last + 1, 0, m_nColumns));
  std::fill_n(textColors_.begin() + static_cast<ptrdiff_t>(first), colored,
              text == kDefaultColor ? m_crText : text);
  std::fill_n(backColors_.begin() + static_cast<ptrdiff_t>(first), colored,
              back == kDefaultColor ? m_crBack : back);
  Changed();
  return RowCount() - 1;
}

void SortListModel::SetCellColors(int row, int column, Color text, Color back) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= m_nColumns) return;
  const size_t cell = rows_[static_cast<size_t>(row)] + static_cast<size_t>(column);
  textColors_[cell] = text == kDefaultColor ? m_crText : text;
  backColors_[cell] = back == kDefaultColor ? m_crBack : back;
  Changed();
}

void SortListModel::SetRowColors(int row, int first, int last, Color text, Color back) {
  if (row < 0 || row >= RowCount()) return;
  first = std::max(first, 0);
  last = std::min(last, m_nColumns - 1);
  if (first > last) return;
  const auto at = static_cast<ptrdiff_t>(rows_[static_cast<size_t>(row)]);
  std::fill(textColors_.begin() + at + first, textColors_.begin() + at + last + 1,
            text == kDefaultColor ? m_crText : text);
  std::fill(backColors_.begin() + at + first, backColors_.begin() + at + last + 1,
            back == kDefaultColor ? m_crBack : back);
  Changed();
}

void SortListModel::SortByColumn(int column, bool ascending) {
  if (column < 0 || column >= m_nColumns) return;
  m_nSortColumn = column;
  m_bAscending = ascending;
  const size_t c = static_cast<size_t>(column);
  // Each row's sort key is worked out once; the rows are their first cells, so the sort
  // moves one number per row.
  const size_t n = rows_.size();
  std::vector<CellSortKey> keys(n);
  std::vector<std::u16string_view> cell(n);
  std::vector<size_t> order(n);
  for (size_t i = 0; i < n; ++i) {
    cell[i] = CellText(chars_.data(), cells_[rows_[i] + c]);
    keys[i] = MakeCellSortKey(cell[i]);
    order[i] = i;
  }
  // Stable, so that rows with equal keys keep the order the query produced them in.
  std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) {
    const int d = CompareCellTextsWithKeys(cell[x], keys[x], cell[y], keys[y]);
    return ascending ? d < 0 : d > 0;
  });
  std::vector<uint32_t> sorted(n);
  for (size_t i = 0; i < n; ++i) sorted[i] = rows_[order[i]];
  rows_ = std::move(sorted);
  Changed();
}

void SortListModel::OnColumnClick(int column) {
  if (!m_bSortEnabled) return;
  SortByColumn(column, !(column == m_nSortColumn && m_bAscending));
}

void SortListModel::Reserve(size_t rows, size_t chars) {
  const size_t cells = rows * static_cast<size_t>(m_nColumns);
  chars_.reserve(rows * chars);
  cells_.reserve(cells);
  textColors_.reserve(cells);
  backColors_.reserve(cells);
  rows_.reserve(rows);
}

void SortListModel::DeleteAllRows() {
  chars_.clear();
  cells_.clear();
  textColors_.clear();
  backColors_.clear();
  rows_.clear();
  Changed();
}

void SortListModel::SetRedraw(bool on) {
  redraw_ = on;
  Changed();
}

void SortListModel::SetDefaultColors(Color text, Color back) {
  m_crText = text;
  m_crBack = back;
}

void SortListModel::Changed() {
  if (redraw_ && onChange_) onChange_();
}

}  // namespace tavra
