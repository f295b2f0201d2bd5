#include "app/qt/timetable_app.h"

#include <QObject>

#include "app/offer_counter.h"
#include "app/qt/query_dlg.h"
#include "data/loader.h"
#include "platform/data_folders.h"

namespace tavra {

CTimetableApp::CTimetableApp(AppOptions options)
    : dataFolder_(ChooseDataFolder(options.dataDir, {kIndexFileName, kRecordFileName})),
      dataDir_(dataFolder_.folder),
      updateServer_(options.updateServer),
      settings_(options.settingsPath.empty() ? SettingsStore::DefaultPath() : options.settingsPath),
      data_(std::make_unique<TimetableData>()),
      notifier_(std::make_unique<QObject>()) {}

CTimetableApp::~CTimetableApp() {
  // The loader writes into the tables: they must outlive it.
  if (loader_.joinable()) loader_.join();
}

bool CTimetableApp::InitInstance() {
  CQueryDlg dialog(this);
  m_pMainWnd = &dialog;
  dialog.ShowWaitCursor();
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return false;
}

void CTimetableApp::StartLoading(std::function<void()> finished) {
  if (m_startLoader) {
    data_->LoadStatus.store(kLoadNotBegun, std::memory_order_release);
    m_startLoader(*data_, std::move(finished));
    return;
  }
  if (loader_.joinable()) loader_.join();
  // Posted to an object of the user-interface thread: runs there, or never if the object
  // is gone.
  loader_ =
      StartLoader(*data_, dataDir_, [notifier = notifier_.get(), finished = std::move(finished)] {
        QMetaObject::invokeMethod(notifier, finished, Qt::QueuedConnection);
      });
}

bool CTimetableApp::CheckOfferCounter() {
  return tavra::CheckOfferCounter(settings_, data_->DataVersionText);
}

}  // namespace tavra
