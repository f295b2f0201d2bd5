// The settings store that stands in for the registry, the browser offer's counter kept in
// it, and the load-status timer's table.
#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace tavra::test
