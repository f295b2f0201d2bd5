// What the load-status timer does at each status.
#include "app/load_watch.h"

#include <gtest/gtest.h>

namespace tavra::test {
namespace {

TEST(LoadTimerTick, EachStatusGetsItsAction) {
  TimetableData data;
  LoadTickActions a = OnLoadTimerTick(data);
  EXPECT_FALSE(a.setVersionLabel || a.restoreCursor || a.enableQuery || a.stopTimer);

  data.LoadStatus = kLoadIndexRead;
  a = OnLoadTimerTick(data);
  EXPECT_TRUE(a.setVersionLabel);
  EXPECT_FALSE(a.restoreCursor || a.enableQuery || a.stationsLoaded);
  EXPECT_EQ(data.Status(), kLoadSeen);
  a = OnLoadTimerTick(data);  // 4: nothing more
  EXPECT_FALSE(a.setVersionLabel || a.restoreCursor || a.enableQuery);

  data.LoadStatus = kLoadTrainsReady;  // the loader moves on over the 4
  a = OnLoadTimerTick(data);
  EXPECT_TRUE(a.restoreCursor && a.stationsLoaded);
  EXPECT_FALSE(a.enableQuery);
  EXPECT_EQ(data.Status(), kLoadSeen);

  data.LoadStatus = kLoadComplete;
  a = OnLoadTimerTick(data);
  EXPECT_TRUE(a.setVersionLabel && a.restoreCursor && a.enableQuery && a.stopTimer &&
              a.offerBrowser);
  EXPECT_EQ(data.Status(), kLoadComplete);  // a 3 is never replaced

  data.LoadStatus = kLoadFailed;
  a = OnLoadTimerTick(data);
  EXPECT_TRUE(a.reportFailure && a.stopTimer && a.restoreCursor);
  EXPECT_FALSE(a.enableQuery);
}

}  // namespace
}  // namespace tavra::test
