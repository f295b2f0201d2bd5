// The sortable list's view: header clicks, the sort mark, and the cells' colours as
// painted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

#include "results/qt/sort_header_ctrl.h"
#include "results/qt/sort_list_ctrl.h"

namespace tavra {
namespace {

class QtSortList : public ::testing::Test {
 protected:
  void SetUp() override {
    list.SetColumnSpec(u"车次,60;里程,60;发时,60;排序,0");
    list.AppendRow({u"T109", u"1463", u"20:05", u"3"});
    list.AppendRow({u"D705", u"12", u"21:21", u"1"});
    list.AppendRow({u"K1", u"497", u"08:15", u"2"});
    view = std::make_unique<CSortListCtrl>(list);
    view->SetRowHeight(18);
    view->resize(400, 200);
    view->show();
    QApplication::processEvents();
  }
  std::vector<std::u16string> Column(int c) const {
    std::vector<std::u16string> texts;
    for (int r = 0; r < list.RowCount(); ++r)
      texts.emplace_back(list.Row(r).texts[static_cast<size_t>(c)]);
    return texts;
  }
  void ClickHeader(int column) {
    CSortHeaderCtrl* h = view->header();
    const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2,
                    h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
  }
  QImage Paint() {
    QImage image(view->size(), QImage::Format_RGB32);
    view->render(&image);
    return image;
  }
  // The colour in the middle of a cell's left margin (left of any centred text).
  QColor CellColor(const QImage& image, int row, int column) {
    const QPoint at = view->viewport()->mapTo(
        view.get(),
        QPoint(view->columnViewportPosition(column) + 2, view->rowViewportPosition(row) + 9));
    return image.pixelColor(at);
  }

  SortListModel list;
  std::unique_ptr<CSortListCtrl> view;
};

TEST_F(QtSortList, HeaderClicksSortUpThenDownAndAnotherColumnStartsUp) {
  ClickHeader(1);
  EXPECT_EQ(Column(1), (std::vector<std::u16string>{u"12", u"497", u"1463"}));  // numeric
  EXPECT_EQ(view->header()->m_nSortColumn, 1);
  EXPECT_TRUE(view->header()->m_bAscending);
  ClickHeader(1);
  EXPECT_EQ(Column(1), (std::vector<std::u16string>{u"1463", u"497", u"12"}));
  EXPECT_FALSE(view->header()->m_bAscending);
  ClickHeader(1);
  EXPECT_EQ(Column(1), (std::vector<std::u16string>{u"12", u"497", u"1463"}));
  ClickHeader(1);
  ClickHeader(2);  // after a descending sort, another column starts ascending
  EXPECT_EQ(Column(2), (std::vector<std::u16string>{u"08:15", u"20:05", u"21:21"}));
  EXPECT_EQ(view->header()->m_nSortColumn, 2);
  EXPECT_TRUE(view->header()->m_bAscending);
  // The view shows the new order.
  EXPECT_EQ(view->model()->index(0, 0).data().toString(), "K1");
}

TEST_F(QtSortList, DisabledSortingIgnoresHeaderClicks) {
  list.AllowSort(false);
  ClickHeader(1);
  EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"T109", u"D705", u"K1"}));
  EXPECT_EQ(view->header()->m_nSortColumn, -1);
}

TEST_F(QtSortList, ProgramSortShowsTheMarkAndHiddenColumnsStayHidden) {
  list.SortByColumn(3, true);
  EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"D705", u"K1", u"T109"}));
  EXPECT_EQ(view->header()->m_nSortColumn, 3);
  EXPECT_TRUE(view->isColumnHidden(3));
  EXPECT_FALSE(view->isColumnHidden(2));
}

TEST_F(QtSortList, CellsArePaintedInTheirColoursAndSelectedRowsInHighlight) {
  list.SetCellColors(1, 0, kRed, kWhite);
  list.SetCellColors(2, 1, kBlue, Rgb(255, 255, 0));
  const QImage image = Paint();
  EXPECT_EQ(CellColor(image, 2, 1), QColor(255, 255, 0));
  EXPECT_EQ(CellColor(image, 1, 0), QColor(255, 255, 255));

  // Red text is drawn: some pixel of the cell is reddish.
  bool red = false;
  const int x0 =
      view->viewport()->mapTo(view.get(), QPoint(view->columnViewportPosition(0), 0)).x();
  const int y0 = view->viewport()->mapTo(view.get(), QPoint(0, view->rowViewportPosition(1))).y();
  for (int x = x0; x < x0 + view->columnWidth(0); ++x)
    for (int y = y0; y < y0 + 18; ++y) {
      const QColor c = image.pixelColor(x, y);
      red = red || (c.red() > 200 && c.green() < 100 && c.blue() < 100);
    }
  EXPECT_TRUE(red);

  view->selectRow(2);
  const QImage selected = Paint();
  const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(CellColor(selected, 2, 1), highlight);
  EXPECT_EQ(CellColor(selected, 1, 0), QColor(255, 255, 255));
}

TEST_F(QtSortList, ColumnsFitTheirTextsAndNeverShrink) {
  const int before = view->columnWidth(1);
  list.AppendRow({u"Z1", u"1234567890123456789012345", u"", u""});
  EXPECT_GT(view->columnWidth(1), before);
  EXPECT_GE(view->columnWidth(1),
            QFontMetrics(view->font()).horizontalAdvance("1234567890123456789012345"));
  const int wide = view->columnWidth(1);
  list.DeleteAllRows();
  EXPECT_EQ(view->columnWidth(1), wide);
  EXPECT_EQ(view->model()->rowCount(), 0);
}

TEST(QtSortHeader, MarkTriangleCornersAndTheReservedTextRoom) {
  const QRect section(100, 0, 60, 24);  // e = 6, right edge 160, bottom 24
  const auto up = CSortHeaderCtrl::SortMarkStrokes(section, true);
  EXPECT_EQ(up.highlight, (std::vector<QPoint>{{148, 6}, {154, 17}, {140, 17}}));
  EXPECT_EQ(up.shadow, (std::vector<QPoint>{{141, 17}, {148, 5}}));
  const auto down = CSortHeaderCtrl::SortMarkStrokes(section, false);
  EXPECT_EQ(down.highlight, (std::vector<QPoint>{{153, 6}, {147, 18}}));
  EXPECT_EQ(down.shadow, (std::vector<QPoint>{{146, 18}, {141, 6}, {153, 6}}));

  CSortHeaderCtrl header;
  header.SetSortMark(2, true);
  EXPECT_EQ(header.TextRect(section, 1), section.adjusted(6, 0, -6, 0));
  EXPECT_EQ(header.TextRect(section, 2), section.adjusted(6, 0, -24, 0));
}

TEST(QtSortHeader, TheMarkIsPaintedOnTheSortedSectionOnly) {
  SortListModel list;
  list.SetColumnSpec(u"车次,80;里程,80");
  list.AppendRow({u"T1", u"5"});
  CSortListCtrl view(list);
  view.resize(300, 120);
  view.show();
  QApplication::processEvents();
  CSortHeaderCtrl* h = view.header();
  auto markPixels = [&](int section) {
    QImage image(h->size(), QImage::Format_RGB32);
    h->render(&image);
    const QColor dark = h->palette().color(QPalette::Dark);
    const int right = h->sectionViewportPosition(section) + h->sectionSize(section);
    const int e = h->height() / 4;
    int n = 0;
    for (int x = right - 3 * e - 2; x < right - e; ++x)
      for (int y = e; y < h->height() - e; ++y) n += image.pixel(x, y) == dark.rgb();
    return n;
  };
  EXPECT_EQ(markPixels(0), 0);
  list.SortByColumn(0, false);
  EXPECT_GT(markPixels(0), 3);
  EXPECT_EQ(markPixels(1), 0);
}

}  // namespace
}  // namespace tavra
