// The settings store that stands in for the registry, the browser offer's counter kept in
// it, and the load-status timer's table.
#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "app/load_watch.h"
#include "app/offer_counter.h"
#include "support/test_support.h"

namespace tavra::test {
namespace {

TEST(SettingsStore, KeysAndValuesSurviveAReopenAndAreCutToTwentyBytes) {
  TempDir dir;
  const std::string path = dir.File("sub/dir/settings.ini");
  {
    SettingsStore store(path);
    EXPECT_FALSE(store.OpenKey("Software\\tavr"));
    ASSERT_TRUE(store.CreateKey("Software\\tavr"));
    ASSERT_TRUE(store.WriteString("Software\\tavr", "bb", u"240101"));
    ASSERT_TRUE(store.WriteString("Software\\tavr", "long", u"数据版本一二三四五六七"));
    ASSERT_TRUE(store.WriteString("Other", "x", u"a\nb"));
  }
  SettingsStore store(path);
  ASSERT_TRUE(store.OpenKey("Software\\tavr"));
  EXPECT_EQ(store.ReadString("Software\\tavr", "bb"), u"240101");
  EXPECT_EQ(store.ReadString("Software\\tavr", "long"), u"数据版本一二三四五");
  EXPECT_EQ(store.ReadString("Other", "x"), u"a");
  EXPECT_EQ(store.ReadString("Software\\tavr", "cs"), std::nullopt);
  EXPECT_EQ(store.ReadString("Missing", "bb"), std::nullopt);
  // Written through a temporary file that is renamed over the old one: none is left.
  for (const auto& entry : std::filesystem::directory_iterator(dir.File("sub/dir")))
    EXPECT_EQ(entry.path().filename(), "settings.ini");
}

TEST(SettingsStore, DefaultPathFollowsTheUsersConfigFolder) {
  const char* old = std::getenv("XDG_CONFIG_HOME");
  std::string saved = old ? old : "";
  setenv("XDG_CONFIG_HOME", "/tmp/elsewhere", 1);
  EXPECT_EQ(SettingsStore::DefaultPath(), "/tmp/elsewhere/tavra/settings.ini");
  if (old)
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  else
    unsetenv("XDG_CONFIG_HOME");
}

TEST(OfferCounter, ThreeOffersPerDataVersionThenNone) {
  TempDir dir;
  SettingsStore store(dir.File("settings.ini"));
  EXPECT_TRUE(CheckOfferCounter(store, u"20240101"));  // first run: the key is created
  EXPECT_EQ(store.ReadString(kSettingsKey, kVersionValue), u"240101");
  EXPECT_EQ(store.ReadString(kSettingsKey, kCounterValue), u"1");
  EXPECT_TRUE(CheckOfferCounter(store, u"20240101"));
  EXPECT_TRUE(CheckOfferCounter(store, u"20240101"));
  EXPECT_EQ(store.ReadString(kSettingsKey, kCounterValue), u"3");
  EXPECT_FALSE(CheckOfferCounter(store, u"20240101"));
  EXPECT_FALSE(CheckOfferCounter(store, u"20240101"));
  EXPECT_EQ(store.ReadString(kSettingsKey, kCounterValue), u"3");
  // A new data version starts again at 1.
  EXPECT_TRUE(CheckOfferCounter(store, u"20250101"));
  EXPECT_EQ(store.ReadString(kSettingsKey, kVersionValue), u"250101");
  EXPECT_EQ(store.ReadString(kSettingsKey, kCounterValue), u"1");
  // A short version is compared whole.
  EXPECT_TRUE(CheckOfferCounter(store, u"7"));
  EXPECT_EQ(store.ReadString(kSettingsKey, kVersionValue), u"7");
}

TEST(OfferCounter, MissingOrTamperedValuesAndUnwritableStores) {
  TempDir dir;
  const std::string path = dir.File("settings.ini");
  {
    std::ofstream out(path);
    out << "[Software\\tavr]\nbb=240101\ncs=-40\n";
  }
  SettingsStore store(path);
  EXPECT_TRUE(CheckOfferCounter(store, u"20240101"));
  EXPECT_EQ(store.ReadString(kSettingsKey, kCounterValue), u"1");
  {
    std::ofstream out(path);
    out << "[Software\\tavr]\n";  // the key without values: a new version for the counter
  }
  EXPECT_TRUE(CheckOfferCounter(store, u"20240101"));
  EXPECT_EQ(store.ReadString(kSettingsKey, kCounterValue), u"1");

  // A store that can be neither read nor created allows the offer every time.
  if (geteuid() != 0) {
    chmod(dir.path().c_str(), 0500);
    SettingsStore locked(dir.File("new/settings.ini"));
    EXPECT_TRUE(CheckOfferCounter(locked, u"20240101"));
    EXPECT_TRUE(CheckOfferCounter(locked, u"20240101"));
    chmod(dir.path().c_str(), 0700);
  }
  SettingsStore impossible("/proc/tavra-cannot-be-here/settings.ini");
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(CheckOfferCounter(impossible, u"20240101"));
}

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
