#pragma once
// The desktop program under test: an application object over data the test chooses, and
// message boxes that are answered by script instead of shown.
#include <QMessageBox>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/query_dlg.h"
#include "app/qt/timetable_app.h"
#include "support/test_support.h"

namespace tavra::test {

struct ShownBox {
  std::u16string caption;
  std::u16string text;
  QMessageBox::StandardButtons buttons;
};

// While it exists every box is recorded and answered: questions by the queued answers
// (No when none is queued), other boxes with their only button.
class ScriptedBoxes {
 public:
  ScriptedBoxes();
  ~ScriptedBoxes();
  std::deque<bool> answers;
  std::vector<ShownBox> shown;
  // The texts shown, in order.
  std::vector<std::u16string> Texts() const;
};

// How the test's application object loads its tables.
enum class LoadMode {
  Now,    // completely, before the dialog's first timer tick
  Never,  // not at all: the status stays 0 until the test writes it
};

// An application object whose settings live in a temporary folder.
struct TestApp {
  explicit TestApp(const Source& source, LoadMode mode = LoadMode::Now);
  // Over the data files in `dataDir`, loaded by the real loader thread.
  explicit TestApp(const std::string& dataDir);
  TempDir settingsDir;
  datatool::DataFiles files;
  std::unique_ptr<CTimetableApp> app;
  int loaderStarts = 0;
};

// A dialog set up as the program does before it is shown, with the posted mode command
// processed.
std::unique_ptr<CQueryDlg> OpenDialog(CTimetableApp& app);

// The folder of the compiled sample timetable.
std::string SampleDataDir();

std::u16string ToU16(const QString& text);

}  // namespace tavra::test
