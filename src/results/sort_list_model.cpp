#include "results/sort_list_model.h"

#include <algorithm>
#include <utility>

#include "data/record_fields.h"
#include "results/list_compare.h"

namespace tavra {
bool SortListModel::SetColumnSpec(std::u16string_view columnText) {
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
  for (ListRow& row : rows_) {
    row.texts.resize(columns_.size());
    row.textColors.resize(columns_.size(), m_crText);
    row.backColors.resize(columns_.size(), m_crBack);
  }
  Changed();
  return true;
}

int SortListModel::AppendRow(std::vector<std::u16string> texts) {
  std::vector<std::u16string_view> views(texts.begin(), texts.end());
  return AppendRow(std::span<const std::u16string_view>(views));
}

int SortListModel::AppendRow(std::span<const std::u16string_view> texts) {
  return AppendRow(texts, -1, m_crText, m_crBack);
}

int SortListModel::AppendRow(std::span<const std::u16string_view> texts, int last, Color text,
                             Color back) {
  const size_t n = static_cast<size_t>(m_nColumns);
  if (static_cast<size_t>(count_) == rows_.size()) rows_.emplace_back();
  ListRow& row = rows_[static_cast<size_t>(count_++)];
  row.texts.resize(n);
  for (size_t c = 0; c < n; ++c)
    row.texts[c].assign(c < texts.size() ? texts[c] : std::u16string_view());
  const size_t colored = static_cast<size_t>(std::clamp(last + 1, 0, m_nColumns));
  row.textColors.resize(n);
  row.backColors.resize(n);
  std::fill_n(row.textColors.begin(), colored, text == kDefaultColor ? m_crText : text);
  std::fill(row.textColors.begin() + static_cast<ptrdiff_t>(colored), row.textColors.end(),
            m_crText);
  std::fill_n(row.backColors.begin(), colored, back == kDefaultColor ? m_crBack : back);
  std::fill(row.backColors.begin() + static_cast<ptrdiff_t>(colored), row.backColors.end(),
            m_crBack);
  Changed();
  return RowCount() - 1;
}

void SortListModel::SetCellColors(int row, int column, Color text, Color back) {
  if (row < 0 || row >= RowCount() || column < 0 || column >= m_nColumns) return;
  ListRow& r = rows_[static_cast<size_t>(row)];
  r.textColors[static_cast<size_t>(column)] = text == kDefaultColor ? m_crText : text;
  r.backColors[static_cast<size_t>(column)] = back == kDefaultColor ? m_crBack : back;
  Changed();
}

void SortListModel::SetRowColors(int row, int first, int last, Color text, Color back) {
  if (row < 0 || row >= RowCount()) return;
  first = std::max(first, 0);
  last = std::min(last, m_nColumns - 1);
  if (first > last) return;
  ListRow& r = rows_[static_cast<size_t>(row)];
  std::fill(r.textColors.begin() + first, r.textColors.begin() + last + 1,
            text == kDefaultColor ? m_crText : text);
  std::fill(r.backColors.begin() + first, r.backColors.begin() + last + 1,
            back == kDefaultColor ? m_crBack : back);
  Changed();
}

void SortListModel::SortByColumn(int column, bool ascending) {
  if (column < 0 || column >= m_nColumns) return;
  m_nSortColumn = column;
  m_bAscending = ascending;
  const size_t c = static_cast<size_t>(column);
  // A row is sixteen texts and their colours: the sort orders indices, each row's sort key
  // worked out once, and then moves every row once.
  const size_t n = static_cast<size_t>(count_);
  std::vector<CellSortKey> keys(n);
  std::vector<size_t> order(n);
  for (size_t i = 0; i < n; ++i) {
    keys[i] = MakeCellSortKey(rows_[i].texts[c]);
    order[i] = i;
  }
  // Stable, so that rows with equal keys keep the order the query produced them in.
  std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) {
    const int d = CompareCellTextsWithKeys(rows_[x].texts[c], keys[x], rows_[y].texts[c], keys[y]);
    return ascending ? d < 0 : d > 0;
  });
  // Row i takes the row at order[i], one cycle of the permutation at a time; a placed row
  // is marked by order[k] == k.
  for (size_t start = 0; start < n; ++start) {
    if (order[start] == start) continue;
    ListRow first = std::move(rows_[start]);
    size_t k = start;
    for (; order[k] != start; k = std::exchange(order[k], k)) rows_[k] = std::move(rows_[order[k]]);
    rows_[k] = std::move(first);
    order[k] = k;
  }
  Changed();
}

void SortListModel::OnColumnClick(int column) {
  if (!m_bSortEnabled) return;
  SortByColumn(column, !(column == m_nSortColumn && m_bAscending));
}

void SortListModel::DeleteAllRows() {
  count_ = 0;
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
