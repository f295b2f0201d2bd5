#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "resources/fixed_texts.h"
#include "results/list_compare.h"
#include "results/sort_list_model.h"
#include "support/test_support.h"

namespace tavra {
namespace {

using ::testing::ElementsAre;
using Texts = std::vector<std::u16string>;

std::u16string U16(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

Texts Column(const SortListModel& list, size_t column) {
  Texts out;
  for (int r = 0; r < list.RowCount(); ++r) out.emplace_back(list.Row(r).texts[column]);
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

// Rows keep their texts and colours through a sort and through columns added after them.
TEST(ListRows, ColumnsAddedAfterRowsGiveThemEmptyCells) {
  SortListModel list;
  list.SetColumnSpec(u"a,1;b,1");
  list.AppendRow({u"1", u"2"});
  list.AppendRow({u"3", u"4"});
  list.SetCellColors(1, 1, kRed, kBlue);
  list.SortByColumn(0, false);
  list.SetColumnSpec(u"c,1");
  ASSERT_EQ(list.ColumnCount(), 3);
  EXPECT_EQ(list.Row(0).texts, (Texts{u"3", u"4", u""}));
  EXPECT_EQ(list.Row(1).texts, (Texts{u"1", u"2", u""}));
  EXPECT_THAT(list.Row(0).textColors, ElementsAre(kBlack, kRed, kBlack));
  EXPECT_THAT(list.Row(0).backColors, ElementsAre(kWhite, kBlue, kWhite));
  list.AppendRow({u"5"});
  EXPECT_EQ(list.Row(2).texts, (Texts{u"5", u"", u""}));
}

TEST(ListRows, CellColoursOutsideTheListAreIgnored) {
  SortListModel list;
  list.SetColumnSpec(u"a,1;b,1");
  list.AppendRow({u"1", u"2", u"extra"});
  EXPECT_EQ(list.Row(0).texts, (Texts{u"1", u"2"}));
  for (auto [row, column] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 2}})
    list.SetCellColors(row, column, kRed, kRed);
  EXPECT_THAT(list.Row(0).textColors, ElementsAre(kBlack, kBlack));
  list.SetDefaultColors(kBlue, kRed);
  list.SetCellColors(0, 1, kDefaultColor, kDefaultColor);  // the default of this moment
  EXPECT_EQ(list.Row(0).textColors[1], kBlue);
  EXPECT_EQ(list.Row(0).backColors[1], kRed);
  list.SetRowColors(1, 0, 1, kRed, kRed);
  list.SetRowColors(0, -3, 0, kRed, kWhite);  // a range past either end is cut to the columns
  list.SetRowColors(0, 1, 9, kBlue, kWhite);
  EXPECT_THAT(list.Row(0).textColors, ElementsAre(kRed, kBlue));
}

TEST(CellComparison, NumbersThenDatesThenTexts) {
  EXPECT_LT(CompareCellTexts(u"25", u"105.5"), 0);  // numeric both ways, decimals too
  EXPECT_GT(CompareCellTexts(u"105.5", u"25"), 0);
  EXPECT_LT(CompareCellTexts(u"9", u"10"), 0);
  EXPECT_LT(CompareCellTexts(u"110.05", u"110.5"), 0);
  EXPECT_EQ(CompareCellTexts(u"025", u"25.0"), 0);
  EXPECT_LT(CompareCellTexts(u"99999999999", u"100000000000"), 0);  // beyond int, exactly
  EXPECT_LT(CompareCellTexts(u"999/1000", u"1000/2"), 0);           // berth prices element-wise
  EXPECT_LT(CompareCellTexts(u"123/126", u"123/126/130"), 0);
  EXPECT_LT(CompareCellTexts(u"12", u"1a"), 0);  // a number before any text, both ways
  EXPECT_GT(CompareCellTexts(u"1a", u"12"), 0);
  EXPECT_LT(CompareCellTexts(u"427.5", u"－"), 0);
  EXPECT_LT(CompareCellTexts(u"0", u""), 0);                     // an empty cell is no number
  EXPECT_LT(CompareCellTexts(u"1.", u"1a"), 0);                  // "1." is text, by CompareListText
  EXPECT_LT(CompareCellTexts(u"03/04/2007", u"02/05/2007"), 0);  // month before day
  EXPECT_GT(CompareCellTexts(u"01/01/2008", u"31/12/2007"), 0);
  EXPECT_LT(CompareCellTexts(u"31/12/2007", u"08:15"), 0);
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

TEST(Sorting, PriceColumnSortsByValueWithDashesLast) {
  SortListModel list;
  list.SetColumnSpec(u"二等,1");
  for (const char16_t* t : {u"105.5", u"－", u"25", u"110.5", u"427.5", u"25", u"49.5", u"－",
                            u"37.5", u"140.5", u"40.5", u"429.5"})
    list.AppendRow({t});
  list.OnColumnClick(0);
  EXPECT_EQ(Column(list, 0), (Texts{u"25", u"25", u"37.5", u"40.5", u"49.5", u"105.5", u"110.5",
                                    u"140.5", u"427.5", u"429.5", u"－", u"－"}));
  list.OnColumnClick(0);
  EXPECT_EQ(Column(list, 0).front(), u"－");
  EXPECT_EQ(Column(list, 0).back(), u"25");
}

// A sort compares by keys made once per cell; they must decide every pair exactly as the
// texts do: times, letters of either case, Chinese at any place, texts of any length.
TEST(CellComparison, SortKeysDecideAsTheTexts) {
  std::mt19937 rnd(5);
  const std::u16string alphabet = u"0189:. aAbB北上－/" + std::u16string(1, u'\0');
  Texts pool = {u"", u"08:15", u"08:15 ", u"北京南", u"25", u"03/04/2007"};
  for (int i = 0; i < 400; ++i) {
    std::u16string t;
    for (size_t n = rnd() % 9; n > 0; --n) t += alphabet[rnd() % alphabet.size()];
    pool.push_back(t);
  }
  for (const auto& a : pool)
    for (const auto& b : pool)
      ASSERT_EQ(CompareCellTextsWithKeys(a, MakeCellSortKey(a), b, MakeCellSortKey(b)),
                CompareCellTexts(a, b))
          << test::U8(a) << " / " << test::U8(b);
}

TEST(CellComparison, TotalOrderOnRandomMixes) {
  // Prices, integers, berth prices, dates, "－", empty, times and texts: the comparison is
  // antisymmetric and transitive, and sorting is independent of the starting order.
  std::mt19937 rnd(11);
  const Texts fixed = {u"－",     u"",           u"08:15",      u"9:00",      u"1a",
                       u"1.",     u"b",          u"B",          u"北京",      u"上海",
                       u" K4028", u"03/04/2007", u"02/05/2007", u"31/12/2007"};
  auto randomText = [&]() -> std::u16string {
    switch (rnd() % 4) {
      case 0:
        return U16(std::to_string(rnd() % 500));
      case 1:
        return U16(std::to_string(rnd() % 500) + "." + std::to_string(rnd() % 10));
      case 2:
        return U16(std::to_string(rnd() % 300) + "/" + std::to_string(rnd() % 300));
      default:
        return fixed[rnd() % fixed.size()];
    }
  };
  Texts pool;
  for (int i = 0; i < 60; ++i) pool.push_back(randomText());
  auto cmp = [](const std::u16string& a, const std::u16string& b) {
    return CompareCellTexts(a, b);
  };
  for (const auto& a : pool)
    for (const auto& b : pool) {
      ASSERT_EQ(cmp(a, b), -cmp(b, a)) << test::U8(a) << " / " << test::U8(b);
      for (const auto& c : pool) {
        if (cmp(a, b) <= 0 && cmp(b, c) <= 0) {
          ASSERT_LE(cmp(a, c), 0) << test::U8(a) << " / " << test::U8(b) << " / " << test::U8(c);
        }
      }
    }
  Texts cells;
  for (int i = 0; i < 400; ++i) cells.push_back(randomText());
  for (bool ascending : {true, false}) {
    SortListModel once, shuffled;
    once.SetColumnSpec(u"x,1");
    shuffled.SetColumnSpec(u"x,1");
    Texts other = cells;
    std::shuffle(other.begin(), other.end(), rnd);
    for (size_t i = 0; i < cells.size(); ++i) {
      once.AppendRow({cells[i]});
      shuffled.AppendRow({other[i]});
    }
    once.SortByColumn(0, ascending);
    const Texts sorted = Column(once, 0);
    once.SortByColumn(0, ascending);
    EXPECT_EQ(Column(once, 0), sorted);  // sorting twice changes nothing
    shuffled.SortByColumn(0, ascending);
    const Texts fromShuffled = Column(shuffled, 0);
    for (size_t i = 0; i < sorted.size(); ++i)  // equal values may differ in spelling only
      ASSERT_EQ(cmp(sorted[i], fromShuffled[i]), 0) << i;
    Texts a = sorted, b = cells;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    EXPECT_EQ(a, b);  // every row stays
  }
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
