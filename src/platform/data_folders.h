#pragma once
// Where the data files are looked for: beside the executable, then in ../share/tavra
// relative to it (an installed program), unless the user names a folder.
#include <string>
#include <vector>

namespace tavra {

struct DataFolderChoice {
  std::string folder;                 // where the files are read from
  std::vector<std::string> lookedAt;  // every folder tried, in order
  bool found = false;                 // `folder` holds every file asked for
  // "data folder F" when found or named by the user, else "looked in A, B".
  std::string PlacesText() const;
};

// `named` alone when not empty; else the first of the executable's folder and
// ../share/tavra beside it that holds all of `files` (of any kind, so that a damaged one
// is reported as damaged); when none holds them all, the one that holds most.
DataFolderChoice ChooseDataFolder(const std::string& named, const std::vector<std::string>& files);

// The same with an explicit list of candidate folders, for tests.
DataFolderChoice ChooseDataFolderAmong(const std::vector<std::string>& candidates,
                                       const std::vector<std::string>& files);

}  // namespace tavra
