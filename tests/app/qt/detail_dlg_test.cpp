// The stop list opened by a click on a result line, and the transfer flow: question,
// dialog, a picked line, both legs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/qt/train_detail_dlg.h"
#include "app/qt/transfer_dlg.h"
#include "resources/dialog_templates.h"
#include "results/qt/sort_header_ctrl.h"
#include "results/qt/sort_list_ctrl.h"
#include "support/qt/qt_test_support.h"

namespace tavra::test {
namespace {

//   北京 ─T1, K2─▶ 济南 ─U3─▶ 南京; K2 starts at 天津, U3 at 泰安.
Source Line() {
  Source s;
  s.stations = "name\tkey\n北京\tBJ\n天津\tTJ\n济南\tJN\n泰安\tTA\n南京\tNJ\n";
  s.trains =
      "train\tclass\tseats\taircon\tfares\nT1\t2\t1011\t1\t1,0,0\nK2\tA\t1011\t1\t1,0,0\n"
      "U3\t2\t1011\t1\t1,0,0\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\n"
      "T1\t北京\t\t0800\t0\t0\nT1\t济南\t1200\t\t0\t400\n"
      "K2\t天津\t\t0600\t0\t0\nK2\t北京\t0730\t0900\t0\t137\nK2\t济南\t1300\t1310\t0\t500\n"
      "K2\t泰安\t1400\t\t0\t560\n"
      "U3\t泰安\t\t1300\t0\t0\nU3\t济南\t1400\t1410\t0\t60\nU3\t南京\t2000\t\t0\t700\n";
  return s;
}

// Runs `inspect` on the modal dialog that `open` opens, then closes it.
template <class Dialog>
void WhenModal(std::function<void()> open, std::function<void(Dialog&)> inspect, bool* seen) {
  *seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    auto* typed = dynamic_cast<Dialog*>(dialog);
    if (typed) {
      *seen = true;
      EXPECT_TRUE(typed->isModal());
      inspect(*typed);
    }
    if (dialog && dialog->isVisible()) dialog->reject();
  });
  open();
}

// A shot of `w` into $TAVRA_SCREENSHOTS, when set (run under xvfb-run to see the dialogs
// as an X server draws them).
void Shoot(QWidget& w, const char* name) {
  const QString dir = qEnvironmentVariable("TAVRA_SCREENSHOTS");
  if (!dir.isEmpty()) w.grab().save(dir + "/" + name + ".png");
}

// No text is cut off: labels and buttons are as wide and tall as their texts need.
void ExpectReadable(QWidget& dialog) {
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    EXPECT_LE(label->geometry().right(), dialog.width());
  }
  for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
    EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << b->text().toStdString();
    EXPECT_GE(b->height(), b->fontMetrics().height());
  }
}

void ClickRow(CSortListCtrl* list, int row) {
  const QRect cell = list->visualRect(list->model()->index(row, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

class QtDetailDlg : public ::testing::Test {
 protected:
  void Query(const QString& from, const QString& to) {
    qobject_cast<QComboBox*>(d->Control(res::kIdcFromStation))->setEditText(from);
    qobject_cast<QComboBox*>(d->Control(res::kIdcToStation))->setEditText(to);
    d->OnFromEditChange();
    d->OnToEditChange();
    qobject_cast<QPushButton*>(d->Control(res::kIdcQuery))->click();
  }
  ScriptedBoxes boxes;
  TestApp t{Line()};
  std::unique_ptr<CQueryDlg> d = OpenDialog(*t.app);
};

TEST_F(QtDetailDlg, ClickOnASortedListOpensThatTrainsStops) {
  d->OnTimer(d->TimerId());
  Query("北京", "济南");
  const SortListModel& list = d->list()->list();
  ASSERT_EQ(list.RowCount(), 2);
  d->list()->header()->sectionClicked(0);  // ascending: K2 first
  d->list()->header()->sectionClicked(0);  // descending: T1 first
  ASSERT_EQ(list.Row(1).texts[0].find(u"K2"), 1u);
  bool seen = false;
  WhenModal<CTrainDetailDlg>(
      [&] { ClickRow(d->list(), 1); },
      [&](CTrainDetailDlg& detail) {
        const SortListModel& stops = detail.m_list->list();
        ASSERT_EQ(stops.RowCount(), 4);
        EXPECT_EQ(stops.Row(0).texts[1], u"天津");
        EXPECT_EQ(stops.Row(0).textColors[0], kBlack);  // before the journey
        EXPECT_EQ(stops.Row(1).textColors[0], kBlue);   // 北京
        EXPECT_EQ(stops.Row(2).textColors[6], kBlue);   // 济南
        EXPECT_EQ(stops.Row(3).textColors[0], kBlack);
        EXPECT_EQ(detail.m_trainLabel->text().toStdU16String(),
                  u"车次:" + std::u16string(list.Row(1).texts[0]) + u" 全程:560km");
        // The header does not sort this list.
        detail.m_list->header()->sectionClicked(1);
        EXPECT_EQ(stops.Row(0).texts[1], u"天津");
        // Every column shows whole, the list reaches the dialog's edges.
        int columns = 0;
        for (int c = 0; c < 7; ++c) columns += detail.m_list->columnWidth(c);
        EXPECT_LE(columns, detail.m_list->viewport()->width());
        EXPECT_EQ(detail.m_list->geometry().bottom(), detail.height() - 1);
        ExpectReadable(detail);
        Shoot(detail, "train-detail");
      },
      &seen);
  EXPECT_TRUE(seen);
}

TEST_F(QtDetailDlg, TransferQuestionDialogPickAndBothLegs) {
  d->OnTimer(d->TimerId());
  boxes.answers = {true};
  bool seen = false;
  WhenModal<CTransferDlg>(
      [&] { Query("北京", "南京"); },
      [&](CTransferDlg& dialog) {
        const SortListModel& candidates = dialog.m_list->list();
        ASSERT_EQ(candidates.RowCount(), 2);  // 济南, and 泰安 (K2 reaches it, U3 starts there)
        EXPECT_EQ(candidates.Row(0).texts,
                  (std::vector<std::u16string>{u" 济南", u"1040", u"400", u"640", u"2", u"1"}));
        EXPECT_TRUE(candidates.SortEnabled());
        ExpectReadable(dialog);
        Shoot(dialog, "transfer");
        // The destination is refused and the dialog stays; a click on the line picks it.
        dialog.m_combo->setEditText("南京");
        dialog.m_ok->click();
        EXPECT_TRUE(dialog.isVisible());
        ClickRow(dialog.m_list, 0);
        EXPECT_EQ(dialog.m_combo->currentText(), "济南");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
      },
      &seen);
  EXPECT_TRUE(seen);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::u16string>{u"两站之间无直达车，是否要进行中转站选择?",
                                                        u"请重新输入中转站"}));
  const SortListModel& list = d->list()->list();
  ASSERT_EQ(list.RowCount(), 3);  // T1 and K2 to 济南, then U3 in red
  EXPECT_EQ(list.Row(1).textColors[3], kBlack);
  for (int c = 0; c <= 14; ++c) EXPECT_EQ(list.Row(2).textColors[static_cast<size_t>(c)], kRed);
  EXPECT_EQ(qobject_cast<QLabel*>(d->Control(res::kIdcCount))->text(), "共:3");
  Shoot(*d, "transfer-result");

  // Cancel lists nothing.
  boxes.answers = {true};
  WhenModal<CTransferDlg>([&] { Query("北京", "南京"); },
                          [](CTransferDlg& dialog) { dialog.m_cancel->click(); }, &seen);
  EXPECT_TRUE(seen);
  EXPECT_EQ(t.app->m_strTransferName, u"");
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(QtDetailDlgSample, LongStopListScrolls) {
  ScriptedBoxes boxes;
  TestApp t(SampleDataDir());
  auto d = OpenDialog(*t.app);
  QElapsedTimer clock;
  clock.start();
  while (!d->Control(res::kIdcQuery)->isEnabled() && clock.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  ASSERT_TRUE(d->Control(res::kIdcQuery)->isEnabled());
  qobject_cast<QComboBox*>(d->Control(res::kIdcFromStation))->setEditText("北京");
  qobject_cast<QComboBox*>(d->Control(res::kIdcToStation))->setEditText("上海");
  d->OnFromEditChange();
  d->OnToEditChange();
  qobject_cast<QPushButton*>(d->Control(res::kIdcQuery))->click();
  ASSERT_GT(d->list()->list().RowCount(), 0);
  bool seen = false;
  WhenModal<CTrainDetailDlg>([&] { ClickRow(d->list(), 0); },
                             [&](CTrainDetailDlg& detail) {
                               EXPECT_GT(detail.m_list->list().RowCount(), 8);
                               EXPECT_GT(detail.m_list->verticalScrollBar()->maximum(), 0);
                               ExpectReadable(detail);
                               Shoot(detail, "train-detail-sample");
                             },
                             &seen);
  EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace tavra::test
