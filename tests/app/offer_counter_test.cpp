// How often the browser offer is made per data version, on a real settings file.
#include "app/offer_counter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "support/test_support.h"

namespace tavra::test {
namespace {

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

}  // namespace
}  // namespace tavra::test
