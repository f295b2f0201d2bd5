#include "support/qt/qt_test_support.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "data/loader.h"
#include "platform/qt/user_messages.h"

namespace tavra::test {

std::u16string ToU16(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<size_t>(text.size()));
}

ScriptedBoxes::ScriptedBoxes() {
  QtUserMessages::SetBoxRunner([this](QMessageBox& box) {
    shown.push_back({ToU16(box.windowTitle()), ToU16(box.text()), box.standardButtons()});
    if (!(box.standardButtons() & QMessageBox::Yes)) return QMessageBox::Ok;
    bool yes = false;
    if (!answers.empty()) {
      yes = answers.front();
      answers.pop_front();
    }
    return yes ? QMessageBox::Yes : QMessageBox::No;
  });
}

ScriptedBoxes::~ScriptedBoxes() {
  QtUserMessages::SetBoxRunner({});
}

std::vector<std::u16string> ScriptedBoxes::Texts() const {
  std::vector<std::u16string> texts;
  for (const ShownBox& b : shown) texts.push_back(b.text);
  return texts;
}

TestApp::TestApp(const Source& source, LoadMode mode) : files(Compile(source)) {
  app =
      std::make_unique<CTimetableApp>(AppOptions{"/nonexistent", settingsDir.File("settings.ini")});
  app->m_startLoader = [this, mode](TimetableData& data, std::function<void()>) {
    ++loaderStarts;
    if (mode == LoadMode::Now) LoadTimetableFromBytes(data, files.index, files.records);
  };
}

TestApp::TestApp(const std::string& dataDir) {
  app = std::make_unique<CTimetableApp>(AppOptions{dataDir, settingsDir.File("settings.ini")});
}

std::unique_ptr<CQueryDlg> OpenDialog(CTimetableApp& app) {
  auto dialog = std::make_unique<CQueryDlg>(&app);
  app.m_pMainWnd = dialog.get();
  dialog->OnInitDialog();
  dialog->show();
  QApplication::processEvents();  // the posted mode command
  return dialog;
}

std::string SampleDataDir() {
  return TAVRA_BUILD_DIR;
}

}  // namespace tavra::test
