// Start-up of the desktop program: the load-status timer's states, loading on the real
// loader thread, and the browser offer's moment.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>

#include "data/loader.h"
#include "resources/dialog_templates.h"
#include "resources/fixed_texts.h"
#include "support/qt/qt_test_support.h"

namespace tavra::test {
namespace {

bool QueryEnabled(CQueryDlg& d) {
  return d.Control(res::kIdcQuery)->isEnabled() && d.Control(res::kIdcReverse)->isEnabled();
}

TEST(QtStartup, ButtonsStayDisabledUntilAllTablesAreLoaded) {
  ScriptedBoxes boxes;
  TestApp t(SmallNetwork(), LoadMode::Never);
  int offers = 0;
  t.app->m_hooks.runBrowserOffer = [&] { ++offers; };
  auto d = OpenDialog(*t.app);
  d->ShowWaitCursor();
  TimetableData& data = t.app->Data();
  EXPECT_EQ(t.loaderStarts, 1);
  EXPECT_NE(d->TimerId(), 0);
  EXPECT_FALSE(QueryEnabled(*d));

  // Status 0: nothing happens.
  d->OnTimer(d->TimerId());
  EXPECT_EQ(data.Status(), kLoadNotBegun);
  EXPECT_TRUE(d->WaitCursorShown());

  // Status 1: the version is known and the status becomes 4.
  data.DataVersionText = u"20240101";
  data.LoadStatus.store(kLoadIndexRead);
  d->OnTimer(d->TimerId());
  EXPECT_EQ(data.Status(), kLoadSeen);
  EXPECT_EQ(t.app->m_strVersionLabel, u"数据版本:20240101");
  EXPECT_TRUE(d->WaitCursorShown());
  EXPECT_FALSE(QueryEnabled(*d));

  // Status 2: the arrow cursor is back and typing is served although the word reads 4.
  LoadTimetableFromBytes(data, t.files.index, t.files.records);
  data.LoadStatus.store(kLoadTrainsReady);
  d->OnTimer(d->TimerId());
  EXPECT_EQ(data.Status(), kLoadSeen);
  EXPECT_FALSE(d->WaitCursorShown());
  EXPECT_TRUE(d->core().StationsLoaded());
  EXPECT_FALSE(QueryEnabled(*d));

  // Another timer's tick is not the load timer's.
  data.LoadStatus.store(kLoadComplete);
  d->OnTimer(d->TimerId() + 1);
  EXPECT_FALSE(QueryEnabled(*d));

  // Status 3: enabled, timer stopped, the offer's moment comes once.
  const int timer = d->TimerId();
  d->OnTimer(timer);
  EXPECT_TRUE(QueryEnabled(*d));
  EXPECT_EQ(d->TimerId(), 0);
  EXPECT_EQ(data.Status(), kLoadComplete);
  EXPECT_EQ(offers, 1);
  d->OnTimer(timer);
  EXPECT_EQ(offers, 1);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(QtStartup, LoadFinishedBeforeTheFirstTickDoesEverythingAtOnce) {
  ScriptedBoxes boxes;
  TestApp t(SmallNetwork(), LoadMode::Now);
  auto d = OpenDialog(*t.app);
  d->ShowWaitCursor();
  EXPECT_EQ(t.app->Data().Status(), kLoadComplete);
  EXPECT_FALSE(QueryEnabled(*d));
  d->OnTimer(d->TimerId());
  EXPECT_TRUE(QueryEnabled(*d));
  EXPECT_FALSE(d->WaitCursorShown());
  EXPECT_EQ(d->TimerId(), 0);
  EXPECT_EQ(t.app->m_strVersionLabel, u"数据版本:20240101");
}

TEST(QtStartup, LoadThatNeverFinishesKeepsWaitingSilently) {
  ScriptedBoxes boxes;
  TestApp t(SmallNetwork(), LoadMode::Never);
  auto d = OpenDialog(*t.app);
  for (int i = 0; i < 5; ++i) d->OnTimer(d->TimerId());
  EXPECT_FALSE(QueryEnabled(*d));
  EXPECT_NE(d->TimerId(), 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(QtStartup, MissingDataFilesAreReportedOnceAndTheWaitEnds) {
  ScriptedBoxes boxes;
  TempDir empty;
  TestApp t(empty.path());
  auto d = OpenDialog(*t.app);
  QElapsedTimer clock;
  clock.start();
  while (d->TimerId() != 0 && clock.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  ASSERT_EQ(d->TimerId(), 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, u"提示");
  EXPECT_NE(boxes.shown[0].text.find(u"tavra.dll"), std::u16string::npos);
  EXPECT_FALSE(QueryEnabled(*d));
}

TEST(QtStartup, RealLoaderEnablesQueriesWithoutWaitingForTheTimer) {
  ScriptedBoxes boxes;
  TestApp t(SampleDataDir());
  auto d = OpenDialog(*t.app);
  QElapsedTimer clock;
  clock.start();
  // Well before the first 2000 ms tick: the loader's end is acted on at once.
  while (!QueryEnabled(*d) && clock.elapsed() < 1900)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(QueryEnabled(*d)) << "after " << clock.elapsed() << " ms";
  EXPECT_EQ(t.app->Data().Status(), kLoadComplete);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(QtStartup, BrowserOfferCounterAllowsThreeRunsPerDataVersion) {
  TestApp t(SmallNetwork(), LoadMode::Now);
  auto d = OpenDialog(*t.app);
  std::vector<bool> allowed;
  t.app->m_hooks.runBrowserOffer = [&] { allowed.push_back(t.app->CheckOfferCounter()); };
  for (int run = 0; run < 4; ++run) {
    t.app->Data().LoadStatus.store(kLoadComplete);
    auto again = OpenDialog(*t.app);
    again->OnTimer(again->TimerId());
  }
  EXPECT_EQ(allowed, (std::vector<bool>{true, true, true, false}));
  t.app->Data().DataVersionText = u"20250101";
  EXPECT_TRUE(t.app->CheckOfferCounter());
}

}  // namespace
}  // namespace tavra::test
