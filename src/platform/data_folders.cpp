#include "platform/data_folders.h"

#include <sys/stat.h>

#include <filesystem>

#include "platform/program_dir.h"

namespace tavra {
namespace {

bool Exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

}  // namespace

std::string DataFolderChoice::PlacesText() const {
  if (found || lookedAt.size() <= 1) return "data folder " + folder;
  std::string text = "looked in ";
  for (size_t i = 0; i < lookedAt.size(); ++i) text += (i ? ", " : "") + lookedAt[i];
  return text;
}

DataFolderChoice ChooseDataFolderAmong(const std::vector<std::string>& candidates,
                                       const std::vector<std::string>& files) {
  DataFolderChoice choice;
  choice.lookedAt = candidates;
  // The folder holding most of the files, the first of equals: its error names what is
  // missing there rather than a file found elsewhere.
  size_t best = 0;
  for (const std::string& dir : candidates) {
    size_t held = 0;
    for (const std::string& f : files) held += Exists(JoinPath(dir, f)) ? 1 : 0;
    if (held == files.size()) {
      choice.folder = dir;
      choice.found = true;
      return choice;
    }
    if (choice.folder.empty() || held > best) {
      choice.folder = dir;
      best = held;
    }
  }
  return choice;
}

DataFolderChoice ChooseDataFolder(const std::string& named, const std::vector<std::string>& files) {
  if (!named.empty()) {
    DataFolderChoice choice = ChooseDataFolderAmong({named}, files);
    choice.found = true;  // the user's choice is not second-guessed
    return choice;
  }
  std::string beside = ProgramDirectory();
  if (beside.empty()) return ChooseDataFolderAmong({"."}, files);
  // Shown to the user, so /usr/bin/../share/tavra is written /usr/share/tavra.
  std::string shared =
      std::filesystem::path(JoinPath(beside, "../share/tavra/")).lexically_normal().string();
  return ChooseDataFolderAmong({beside, shared}, files);
}

}  // namespace tavra
