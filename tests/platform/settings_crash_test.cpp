// The settings file under hostile conditions: killed writers, files that are not settings,
// and the choice of its folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/settings_store.h"
#include "support/test_support.h"

namespace tavra::test {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A writer killed at random moments leaves the old or the new file, never a torn one: every
// name the file holds has its full value, and the names are those of one finished write.
TEST(SettingsCrash, AKilledWriterLeavesAWholeFile) {
  TempDir dir;
  const std::string path = dir.File("settings.ini");
  const std::u16string value = u"九个字的完整设置值";  // kMaxValueChars long: a cut shows
  std::mt19937 random(20261209);
  int sawFile = 0, lastNames = 0;
  for (int round = 0; round < 40; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      SettingsStore store(path);
      store.OpenKey("k");
      for (int i = 0;; ++i) store.WriteString("k", "n" + std::to_string(i % 400), value);
    }
    usleep(std::uniform_int_distribution<useconds_t>(200, 20000)(random));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    std::string warning;
    SettingsStore store(path);
    store.SetWarning([&](const std::string& w) { warning = w; });
    bool has = store.OpenKey("k");
    ASSERT_TRUE(warning.empty()) << "round " << round << ": " << warning;
    // Each writer starts from the last one's file and only adds: nothing is ever lost.
    ASSERT_TRUE(has || sawFile == 0) << "round " << round << ": the settings were lost";
    if (!has) continue;  // killed before the first rename
    ++sawFile;
    int names = 0;
    while (store.ReadString("k", "n" + std::to_string(names))) ++names;
    ASSERT_GE(names, lastNames) << "round " << round;
    lastNames = names;
    for (int i = 0; i < names; ++i)
      ASSERT_EQ(store.ReadString("k", "n" + std::to_string(i)), value) << "round " << round;
    EXPECT_EQ(store.ReadString("k", "n" + std::to_string(names + 1)), std::nullopt);
  }
  EXPECT_GT(sawFile, 20);
}

// What is not a settings file is read as empty settings with a warning and left untouched.
TEST(SettingsCrash, UnusableFilesAreWarnedAboutAndNeverReplaced) {
  TempDir dir;
  const std::vector<std::pair<std::string, std::string>> files = {
      {"binary", std::string("\x89PNG\0\xff\xfe[k]\n", 12)},
      {"loose", "[k]\nbb=1\nthis line means nothing\n"},
      {"value before key", "bb=240101\n[k]\n"},
  };
  for (const auto& [what, bytes] : files) {
    dir.Write("s.ini", bytes);
    std::string warning;
    SettingsStore store(dir.File("s.ini"));
    store.SetWarning([&](const std::string& w) { warning = w; });
    EXPECT_FALSE(store.OpenKey("k")) << what;
    EXPECT_NE(warning.find(dir.File("s.ini")), std::string::npos) << what;
    EXPECT_FALSE(store.CreateKey("k")) << what;
    EXPECT_FALSE(store.WriteString("k", "cs", u"1")) << what;
    EXPECT_EQ(Slurp(dir.File("s.ini")), bytes) << what;
  }
  // A folder in the file's place.
  std::filesystem::create_directory(dir.File("folder.ini"));
  std::string warning;
  SettingsStore folder(dir.File("folder.ini"));
  folder.SetWarning([&](const std::string& w) { warning = w; });
  EXPECT_FALSE(folder.OpenKey("k"));
  EXPECT_NE(warning.find("not a regular file"), std::string::npos) << warning;
  EXPECT_FALSE(folder.CreateKey("k"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.ini")));
}

TEST(SettingsCrash, FolderOnlyFromAbsoluteXdgConfigHomeOrHome) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  std::string xdg = oldXdg ? oldXdg : "", home = oldHome ? oldHome : "";
  setenv("HOME", "/home/someone", 1);
  setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(SettingsStore::DefaultPath(), "/home/someone/.config/tavra/settings.ini");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SettingsStore::DefaultPath(), "/home/someone/.config/tavra/settings.ini");
  setenv("HOME", "", 1);
  EXPECT_EQ(SettingsStore::DefaultPath(), "");
  setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(SettingsStore::DefaultPath(), "/xdg/tavra/settings.ini");
  // No folder at all: nothing is read or written, and nothing lands in the working folder.
  SettingsStore none("");
  EXPECT_FALSE(none.OpenKey("k"));
  EXPECT_FALSE(none.CreateKey("k"));
  oldXdg ? setenv("XDG_CONFIG_HOME", xdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  oldHome ? setenv("HOME", home.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace tavra::test
