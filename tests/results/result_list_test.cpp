#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/query_texts.h"
#include "results/list_compare.h"
#include "results/sort_list_model.h"

namespace tavra {
namespace {

using Texts = std::vector<std::u16string>;

std::u16string U16(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

Texts Column(const SortListModel& list, size_t column) {
  Texts out;
  for (int r = 0; r < list.RowCount(); ++r) out.push_back(list.Row(r).texts[column]);
  return out;
}

TEST(ColumnSpec, LastEntryWithoutSemicolonAndHiddenColumn) {
  SortListModel list;
  list.SetColumnSpec(texts::kResultColumns);
  ASSERT_EQ(list.ColumnCount(), 16);
  EXPECT_EQ(list.Columns()[15].name, u"排序");
  EXPECT_EQ(list.Columns()[15].width, 0);
  SortListModel odd;
  odd.SetColumnSpec(u"车站,60;里程,5x0;无宽度;后面,9");  // an entry without "," ends the walk
  ASSERT_EQ(odd.ColumnCount(), 2);
  EXPECT_EQ(odd.Columns()[1].width, 5);
}

TEST(ListRows, CellColoursOutsideTheListAreIgnored) {
  SortListModel list;
  list.SetColumnSpec(u"a,1;b,1");
  list.AppendRow({u"1", u"2", u"extra"});
  EXPECT_EQ(list.Row(0).texts, (Texts{u"1", u"2"}));
  for (auto [row, column] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 2}})
    list.SetCellColors(row, column, kRed, kRed);
  EXPECT_EQ(list.Row(0).textColors, (std::vector<Color>{kBlack, kBlack}));
  list.SetDefaultColors(kBlue, kRed);
  list.SetCellColors(0, 1, kDefaultColor, kDefaultColor);  // the default of this moment
  EXPECT_EQ(list.Row(0).textColors[1], kBlue);
  EXPECT_EQ(list.Row(0).backColors[1], kRed);
}

TEST(CellComparison, KindIsChosenFromTheFirstText) {
  EXPECT_GT(CompareCellTexts(u"12", u"1a"), 0);  // numeric: "1a" reads as 1
  EXPECT_GT(CompareCellTexts(u"1a", u"12"), 0);  // text
  EXPECT_LT(CompareCellTexts(u"9", u"10"), 0);
  EXPECT_EQ(CompareCellTexts(u"", u"0"), 0);                     // an empty cell is the number 0
  EXPECT_LT(CompareCellTexts(u"03/04/2007", u"02/05/2007"), 0);  // month before day
  EXPECT_GT(CompareCellTexts(u"01/01/2008", u"31/12/2007"), 0);
  EXPECT_LT(CompareCellTexts(u"08:15", u"09:00"), 0);  // times as text
  EXPECT_GT(CompareCellTexts(u"9:00", u"10:00"), 0);
  EXPECT_LT(CompareListText(u"北京", u"上海"), 0);  // Chinese in pinyin order
  EXPECT_LT(CompareListText(u"a", u"B"), 0);        // letters regardless of case,
  EXPECT_LT(CompareListText(u"b", u"B"), 0);        // then lower case first
  EXPECT_LT(CompareListText(u"Z", u"北"), 0);
}

TEST(Sorting, HeaderClicksAscendThenDescend) {
  SortListModel list;
  list.SetColumnSpec(u"n,1;t,1");
  for (auto [n, t] : {std::pair{u"3", u"c"}, {u"1", u"a"}, {u"2", u"b"}}) list.AppendRow({n, t});
  list.OnColumnClick(0);
  EXPECT_EQ(Column(list, 0), (Texts{u"1", u"2", u"3"}));
  list.OnColumnClick(0);
  EXPECT_EQ(Column(list, 0), (Texts{u"3", u"2", u"1"}));
  list.OnColumnClick(0);  // after descending: ascending again
  EXPECT_EQ(Column(list, 0), (Texts{u"1", u"2", u"3"}));
  list.OnColumnClick(0);
  list.OnColumnClick(1);  // another column always starts ascending
  EXPECT_EQ(Column(list, 1), (Texts{u"a", u"b", u"c"}));
  list.AllowSort(false);
  list.OnColumnClick(0);
  EXPECT_EQ(list.SortColumn(), 1);
  EXPECT_EQ(Column(list, 1), (Texts{u"a", u"b", u"c"}));
}

TEST(Sorting, StableInBothDirections) {
  std::mt19937 rnd(7);
  SortListModel list;
  list.SetColumnSpec(u"time,1;arrival,1");
  std::vector<std::pair<std::string, int>> reference;
  for (int i = 0; i < 300; ++i) {
    std::string time = "0" + std::to_string(rnd() % 5) + ":00";
    list.AppendRow({U16(time), U16(std::to_string(i))});
    reference.emplace_back(time, i);
  }
  for (bool ascending : {true, false}) {
    list.SortByColumn(1, true);
    list.SortByColumn(0, ascending);
    auto expected = reference;
    std::stable_sort(expected.begin(), expected.end(), [&](const auto& a, const auto& b) {
      return ascending ? a.first < b.first : b.first < a.first;
    });
    for (int r = 0; r < list.RowCount(); ++r)
      ASSERT_EQ(list.Row(r).texts[1], U16(std::to_string(expected[static_cast<size_t>(r)].second)));
  }
}

TEST(Sorting, MixedKindsOnlyReorderRows) {
  // Numbers, texts and dates in one column: not a strict order, yet every row stays.
  std::mt19937 rnd(11);
  const Texts pool = {u"12", u"1a", u"", u"03/04/2007", u"b", u"北京", u"99999999999"};
  SortListModel list;
  list.SetColumnSpec(u"x,1");
  Texts cells;
  for (int i = 0; i < 500; ++i) list.AppendRow({cells.emplace_back(pool[rnd() % pool.size()])});
  list.SortByColumn(0, false);
  Texts sorted = Column(list, 0);
  std::sort(sorted.begin(), sorted.end());
  std::sort(cells.begin(), cells.end());
  EXPECT_EQ(sorted, cells);
}

TEST(Redraw, ChangesAreAnnouncedOnceRedrawIsBackOn) {
  SortListModel list;
  list.SetColumnSpec(u"x,1");
  int announced = 0;
  list.SetChangeListener([&] { ++announced; });
  list.SetRedraw(false);
  for (int i = 0; i < 50; ++i) list.AppendRow({u"x"});
  list.SortByColumn(0, true);
  EXPECT_EQ(announced, 0);
  list.SetRedraw(true);
  EXPECT_EQ(announced, 1);
}

}  // namespace
}  // namespace tavra
