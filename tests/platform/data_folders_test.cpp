#include "platform/data_folders.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace tavra {
namespace {

TEST(DataFolders, FirstFolderHoldingEveryFileElseTheOneHoldingMost) {
  test::TempDir beside, shared;
  const std::vector<std::string> files = {"a.dll", "a.sdf"};
  // Only the index beside the program, both files in the shared folder: the shared one.
  beside.Write("a.dll", "x");
  shared.Write("a.dll", "x");
  shared.Write("a.sdf", "x");
  DataFolderChoice c = ChooseDataFolderAmong({beside.path(), shared.path()}, files);
  EXPECT_TRUE(c.found);
  EXPECT_EQ(c.folder, shared.path());
  EXPECT_EQ(c.PlacesText(), "data folder " + shared.path());

  // Neither complete: the folder with the index, and the text names both places.
  test::TempDir empty;
  c = ChooseDataFolderAmong({empty.path(), beside.path()}, files);
  EXPECT_FALSE(c.found);
  EXPECT_EQ(c.folder, beside.path());
  EXPECT_EQ(c.PlacesText(), "looked in " + empty.path() + ", " + beside.path());

  // A folder the user names is used as it is, even when empty.
  c = ChooseDataFolder(empty.path(), files);
  EXPECT_EQ(c.folder, empty.path());
  EXPECT_EQ(c.PlacesText(), "data folder " + empty.path());
}

}  // namespace
}  // namespace tavra
