// The main query dialog: its layouts, the mode box's other entries, the keyboard rule,
// typing assistance while loading and after, and queries through the buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "resources/dialog_templates.h"
#include "resources/fixed_texts.h"
#include "results/qt/sort_list_ctrl.h"
#include "support/qt/qt_test_support.h"

namespace tavra::test {
namespace {

using namespace res;

// The controls a user sees: the layouts switch exactly these.
std::vector<int> ShownInputs(CQueryDlg& d) {
  std::vector<int> shown;
  for (int id : {kIdcFromStation, kIdcToStation, kIdcFromLabel, kIdcToLabel, kIdcReverse,
                 kIdcTrainNo, kIdcTrainLabel, kIdcStation, kIdcStationLabel})
    if (d.Control(id)->isVisible()) shown.push_back(id);
  return shown;
}

QComboBox* Combo(CQueryDlg& d, int id) {
  return qobject_cast<QComboBox*>(d.Control(id));
}

// Picks a mode entry as a user does and lets the posted mode command run.
void ChooseMode(CQueryDlg& d, std::u16string_view entry) {
  QComboBox* mode = Combo(d, kIdcMode);
  const int index =
      mode->findText(QString::fromUtf16(entry.data(), static_cast<qsizetype>(entry.size())));
  ASSERT_GE(index, 0);
  mode->setCurrentIndex(index);
  Q_EMIT mode->activated(index);
  QApplication::processEvents();
}

void TypeInto(QWidget* w, const QString& text) {
  QWidget* target = qobject_cast<QComboBox*>(w) ? qobject_cast<QComboBox*>(w)->lineEdit() : w;
  // One key press per character, as a keyboard or input method delivers them.
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress,
                    c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown),
                    Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
  }
}

void Click(CQueryDlg& d, int id) {
  qobject_cast<QAbstractButton*>(d.Control(id))->click();
}

QString Count(CQueryDlg& d) {
  return qobject_cast<QLabel*>(d.Control(kIdcCount))->text();
}

class QtQueryDlg : public ::testing::Test {
 protected:
  void Open(LoadMode mode = LoadMode::Now) {
    t = std::make_unique<TestApp>(SmallNetwork(), mode);
    d = OpenDialog(*t->app);
    d->OnTimer(d->TimerId());
  }
  ScriptedBoxes boxes;
  std::unique_ptr<TestApp> t;
  std::unique_ptr<CQueryDlg> d;
};

TEST_F(QtQueryDlg, ModeBoxEntriesAndTheThreeLayouts) {
  Open();
  QComboBox* mode = Combo(*d, kIdcMode);
  QStringList entries;
  for (int i = 0; i < mode->count(); ++i) entries << mode->itemText(i);
  EXPECT_EQ(entries,
            QStringList({"站站查询", "车次查询", "车站查询", "在线升级", "软件推荐", "关于"}));
  EXPECT_EQ(mode->currentText(), "站站查询");
  EXPECT_EQ(d->windowTitle(), "Tavra时刻表");

  const std::vector<int> stations = {kIdcFromStation, kIdcToStation, kIdcFromLabel, kIdcToLabel,
                                     kIdcReverse};
  EXPECT_EQ(ShownInputs(*d), stations);
  EXPECT_EQ(d->focusWidget(), Combo(*d, kIdcFromStation));

  ChooseMode(*d, texts::kModeStation);
  EXPECT_EQ(ShownInputs(*d), (std::vector<int>{kIdcStation, kIdcStationLabel}));
  EXPECT_EQ(d->focusWidget(), Combo(*d, kIdcStation));

  ChooseMode(*d, texts::kModeTrainNumber);
  EXPECT_EQ(ShownInputs(*d), (std::vector<int>{kIdcTrainNo, kIdcTrainLabel}));
  EXPECT_EQ(d->focusWidget(), d->Control(kIdcTrainNo));

  ChooseMode(*d, texts::kModeStationToStation);
  EXPECT_EQ(ShownInputs(*d), stations);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(QtQueryDlg, AboutBoxClosedWithOkLeavesReverseHidden) {
  Open();
  bool ok = false;
  int aboutRuns = 0;
  t->app->m_hooks.runAboutBox = [&] {
    ++aboutRuns;
    return ok;
  };
  ChooseMode(*d, texts::kModeTrainNumber);

  ChooseMode(*d, kModeAbout);  // cancelled: nothing changes
  EXPECT_EQ(aboutRuns, 1);
  EXPECT_EQ(Combo(*d, kIdcMode)->currentText(), "关于");
  EXPECT_EQ(ShownInputs(*d), (std::vector<int>{kIdcTrainNo, kIdcTrainLabel}));

  ok = true;
  ChooseMode(*d, kModeRecommend);
  EXPECT_EQ(aboutRuns, 2);
  EXPECT_EQ(Combo(*d, kIdcMode)->currentText(), "站站查询");
  EXPECT_EQ(ShownInputs(*d),
            (std::vector<int>{kIdcFromStation, kIdcToStation, kIdcFromLabel, kIdcToLabel}));

  ChooseMode(*d, texts::kModeStationToStation);  // chosen again: reverse is back
  EXPECT_TRUE(d->Control(kIdcReverse)->isVisible());
}

TEST_F(QtQueryDlg, UpdateEntryAsksFirstAndReportsTheResult) {
  Open();
  ChooseMode(*d, kModeUpdate);  // no update check yet: no question that leads nowhere
  EXPECT_TRUE(boxes.shown.empty());

  int result = 0, checks = 0;
  t->app->m_hooks.runUpdateCheck = [&] {
    ++checks;
    return result;
  };
  boxes.answers = {false, true, true, true};
  ChooseMode(*d, kModeUpdate);  // No
  EXPECT_EQ(checks, 0);
  ChooseMode(*d, kModeUpdate);  // Yes, up to date
  result = -1;
  ChooseMode(*d, kModeUpdate);  // Yes, network failed
  result = 2;
  ChooseMode(*d, kModeUpdate);  // Yes, the check spoke itself
  EXPECT_EQ(checks, 3);
  const std::u16string ask(kAskUpdate);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::u16string>{ask, ask, u"你的版本已是最新!", ask,
                                                        u"网络连接失败!", ask}));
  for (const ShownBox& b : boxes.shown) EXPECT_EQ(b.caption, u"提示");
  EXPECT_EQ(boxes.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(boxes.shown[2].buttons, QMessageBox::Ok);
  // The layout stays as it was.
  EXPECT_TRUE(d->Control(kIdcReverse)->isVisible());
}

TEST_F(QtQueryDlg, QueryWithUpdateEntryStandingTakesTheTrainNumberPath) {
  Open();
  ChooseMode(*d, kModeUpdate);
  Click(*d, kIdcQuery);
  EXPECT_EQ(boxes.Texts(), std::vector<std::u16string>{u"请输入要查询的车次"});
  qobject_cast<QLineEdit*>(d->Control(kIdcTrainNo))->setText("t109");
  Click(*d, kIdcQuery);
  EXPECT_EQ(d->list()->list().RowCount(), 1);
  EXPECT_EQ(Count(*d), "共:1");
}

TEST_F(QtQueryDlg, EmptyInputsAreReportedInHintBoxes) {
  Open();
  Click(*d, kIdcReverse);
  Click(*d, kIdcQuery);
  ChooseMode(*d, texts::kModeStation);
  Click(*d, kIdcQuery);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].text, u"发站或到站信息为空，请输入发站或到站");
  EXPECT_EQ(boxes.shown[1].text, u"发站或到站信息为空，请输入发站或到站");
  EXPECT_EQ(boxes.shown[2].text, u"车站信息为空，请输入车站");
  for (const ShownBox& b : boxes.shown) {
    EXPECT_EQ(b.caption, u"提示");
    EXPECT_EQ(b.buttons, QMessageBox::Ok);
  }
}

TEST_F(QtQueryDlg, EnterAndEscapeDoNothing) {
  Open();
  QLineEdit* from = Combo(*d, kIdcFromStation)->lineEdit();
  from->setFocus();
  TypeInto(Combo(*d, kIdcFromStation), "北京");
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
    QTest::keyClick(from, Qt::Key(key));
  QApplication::processEvents();
  EXPECT_TRUE(d->isVisible());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(d->list()->list().RowCount(), 0);
  EXPECT_EQ(Combo(*d, kIdcFromStation)->count(), 0);  // Enter added no item
  EXPECT_EQ(from->text(), "北京");
  // Other keys still reach the inputs.
  QTest::keyClick(from, Qt::Key_Backspace);
  EXPECT_EQ(from->text(), "北");
}

TEST_F(QtQueryDlg, TypingWhileLoadingOffersNothingAndSaysNothing) {
  Open(LoadMode::Never);
  QComboBox* from = Combo(*d, kIdcFromStation);
  TypeInto(from, "bj");
  EXPECT_EQ(from->count(), 0);
  EXPECT_FALSE(d->FromBox().DropDownVisible());
  EXPECT_EQ(from->currentText(), "bj");
  EXPECT_EQ(d->core().m_strFromStation, u"bj");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(QtQueryDlg, TypingOffersStationsAndKeepsTheTypedText) {
  Open();
  QComboBox* from = Combo(*d, kIdcFromStation);
  TypeInto(from, "b");
  EXPECT_EQ(from->count(), 2);  // 北京, 北京西
  EXPECT_TRUE(d->FromBox().DropDownVisible());
  TypeInto(from, "jx");
  ASSERT_EQ(from->count(), 1);
  EXPECT_EQ(from->itemText(0), "北京西");
  EXPECT_EQ(from->currentText(), "bjx");
  EXPECT_EQ(from->lineEdit()->cursorPosition(), 3);
  // A digit first leaves the offered names as they were.
  from->lineEdit()->clear();
  TypeInto(from, "9");
  EXPECT_EQ(from->count(), 1);
  // Picking an offered name puts it into the box.
  Q_EMIT d->FromBox().completer()->activated(QStringLiteral("北京西"));
  EXPECT_EQ(from->currentText(), "北京西");

  ChooseMode(*d, texts::kModeStation);
  QComboBox* station = Combo(*d, kIdcStation);
  TypeInto(station, " s ");
  EXPECT_EQ(station->count(), 1);
  EXPECT_EQ(station->currentText(), "s");  // trimmed, caret at the end
  EXPECT_EQ(station->lineEdit()->cursorPosition(), 1);
  station->lineEdit()->setText(" ");
  Q_EMIT station->lineEdit()->textEdited(" ");
  EXPECT_EQ(station->count(), 0);
  EXPECT_FALSE(d->StationBox().DropDownVisible());
}

TEST_F(QtQueryDlg, StationToStationQueryAndReverseThroughTheButtons) {
  Open();
  TypeInto(Combo(*d, kIdcFromStation), "北京");
  TypeInto(Combo(*d, kIdcToStation), "上海");
  Click(*d, kIdcQuery);
  const SortListModel& list = d->list()->list();
  ASSERT_EQ(list.RowCount(), 1);
  EXPECT_EQ(list.Row(0).texts[0], u" T109 ");
  EXPECT_EQ(Count(*d), "共:1");
  EXPECT_EQ(d->list()->model()->rowCount(), 1);
  EXPECT_EQ(d->list()->model()->index(0, 1).data().toString(), "北京");

  Click(*d, kIdcReverse);  // 上海 -> 北京 has no train: a change is offered, and declined
  EXPECT_EQ(Combo(*d, kIdcFromStation)->currentText(), "上海");
  EXPECT_EQ(Combo(*d, kIdcToStation)->currentText(), "北京");
  EXPECT_EQ(list.RowCount(), 0);
  EXPECT_EQ(Count(*d), "共:0");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, u"两站之间无直达车，是否要进行中转站选择?");

  // A station that does not exist: the application's own box.
  Combo(*d, kIdcFromStation)->lineEdit()->setText("不存在");
  Click(*d, kIdcQuery);
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].text, u"无此发站！");
  EXPECT_EQ(boxes.shown[1].caption, u"tavra");
}

TEST(QtQueryDlgSample, BeijingToShanghaiAndAStationQueryOnTheSampleTimetable) {
  ScriptedBoxes boxes;
  TestApp t(SampleDataDir());
  auto d = OpenDialog(*t.app);
  QElapsedTimer clock;
  clock.start();
  while (!d->Control(kIdcQuery)->isEnabled() && clock.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  ASSERT_TRUE(d->Control(kIdcQuery)->isEnabled());
  const QSize opened = d->size();

  TypeInto(Combo(*d, kIdcFromStation), "北京");
  TypeInto(Combo(*d, kIdcToStation), "上海");
  Click(*d, kIdcQuery);
  const SortListModel& list = d->list()->list();
  ASSERT_GT(list.RowCount(), 0);
  EXPECT_EQ(Count(*d), QStringLiteral("共:%1").arg(list.RowCount()));
  for (int r = 0; r < list.RowCount(); ++r) {
    EXPECT_EQ(list.Row(r).texts[1], u"北京");
    EXPECT_EQ(list.Row(r).texts[3], u"上海");
  }
  // Every text fits its column: nothing is cut off.
  const QFontMetrics metrics(d->list()->font());
  for (int c = 0; c < 15; ++c)
    for (int r = 0; r < list.RowCount(); ++r)
      EXPECT_LE(metrics.horizontalAdvance(QString::fromStdU16String(
                    std::u16string(list.Row(r).texts[static_cast<size_t>(c)]))),
                d->list()->columnWidth(c))
          << "column " << c << " row " << r;

  ChooseMode(*d, texts::kModeStation);
  TypeInto(Combo(*d, kIdcStation), "北京");
  Click(*d, kIdcQuery);
  ASSERT_GT(list.RowCount(), 0);
  EXPECT_EQ(list.SortColumn(), texts::kSortKeyColumn);
  EXPECT_TRUE(d->list()->isColumnHidden(texts::kSortKeyColumn));
  EXPECT_TRUE(boxes.shown.empty());
  // The window keeps the size it opened with, and the count label stands apart from the
  // reverse button.
  EXPECT_EQ(d->size(), opened);
  EXPECT_GT(d->Control(kIdcCount)->geometry().left(),
            d->Control(kIdcReverse)->geometry().right() + 1);
}

}  // namespace
}  // namespace tavra::test
