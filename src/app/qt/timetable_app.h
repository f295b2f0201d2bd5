#pragma once
// CTimetableApp, the application object: runs the main query dialog, owns the tables and
// their loader thread, the settings store and the hand-over block of the dialogs.
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "app/hand_over.h"
#include "app/online_hooks.h"
#include "data/timetable_data.h"
#include "platform/data_folders.h"
#include "platform/settings_store.h"

class QObject;

namespace tavra {

class CQueryDlg;

struct AppOptions {
  std::string dataDir;            // empty: beside the executable, then ../share/tavra
  std::string settingsPath;       // empty: SettingsStore::DefaultPath()
  std::string updateServer = {};  // empty: the setting, else the default server
};

class CTimetableApp : public HandOver {
 public:
  explicit CTimetableApp(AppOptions options = {});
  ~CTimetableApp();  // waits for the loader thread
  CTimetableApp(const CTimetableApp&) = delete;
  CTimetableApp& operator=(const CTimetableApp&) = delete;

  // Runs the whole program: the main dialog, modally, under the wait cursor until the
  // stations are loaded. Returns false: the program ends when the dialog closes.
  bool InitInstance();

  TimetableData& Data() { return *data_; }
  const std::string& DataDir() const { return dataDir_; }
  // Where the data files were looked for, for messages ("data folder F" or "looked in A, B").
  std::string DataPlaces() const { return dataFolder_.PlacesText(); }

  // Sets LoadStatus to 0 and loads the data files on the loader thread; `finished` then
  // runs on the user-interface thread (if the application object still exists).
  void StartLoading(std::function<void()> finished);
  // Replaces how loading starts, for tests: called with the tables and `finished`.
  std::function<void(TimetableData&, std::function<void()> finished)> m_startLoader;

  // The browser offer's counter in the settings store, for the current data version.
  bool CheckOfferCounter();
  SettingsStore& Settings() { return settings_; }
  // The --update-server address; empty when not given.
  const std::string& UpdateServerOverride() const { return updateServer_; }

  OnlineHooks m_hooks;
  // Told "window shown" and "query enabled" as they happen (start-up timing).
  std::function<void(const char* what)> m_startupTrace;
  CQueryDlg* m_pMainWnd = nullptr;

 private:
  DataFolderChoice dataFolder_;
  std::string dataDir_;
  std::string updateServer_;
  SettingsStore settings_;
  std::unique_ptr<TimetableData> data_;
  std::unique_ptr<QObject> notifier_;  // receives the loader's "finished" on the UI thread
  std::thread loader_;
};

}  // namespace tavra
