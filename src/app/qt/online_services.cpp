#include "app/qt/online_services.h"

#include <QApplication>
#include <QEventLoop>
#include <filesystem>
#include <optional>
#include <thread>

#include "app/browser_offer.h"
#include "app/qt/about_dlg.h"
#include "app/qt/query_dlg.h"
#include "app/qt/timetable_app.h"
#include "app/update_offer.h"
#include "online/update_check.h"
#include "platform/qt/user_messages.h"

namespace tavra {
namespace {

// Runs `work` on a thread of its own while the window keeps painting; user input waits
// until it is done, so nothing starts a second check meanwhile.
UpdateCheck RunOffThread(const std::function<UpdateCheck()>& work) {
  std::optional<UpdateCheck> result;
  QEventLoop loop;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  std::thread worker([&] {
    result = work();
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
  QApplication::restoreOverrideCursor();
  return *result;
}

void CloseMainDialog(CTimetableApp& app, int result) {
  if (app.m_pMainWnd) app.m_pMainWnd->done(result);
}

}  // namespace

void InstallOnlineHooks(CTimetableApp& app, OnlineServices services) {
  app.m_hooks.runUpdateCheck = [&app, services] {
    UpdateServerConfig config;
    config.baseUrl = UpdateServerBase(app.Settings(), app.UpdateServerOverride());
    config.timeouts = services.timeouts;
    config.settingsFolder = std::filesystem::path(app.Settings().path()).parent_path().string();
    // The loader writes the version until it has read the index.
    const std::u16string version =
        app.Data().Status() == kLoadNotBegun ? u"" : app.Data().DataVersionText;
    HttpClient& http = *services.http;
    const UpdateCheck check = RunOffThread([&] { return RunUpdateCheck(http, config, version); });
    QtUserMessages messages(app.m_pMainWnd);
    return OfferUpdate(check, messages, *services.opener, [&app, services] {
      if (services.endProgram)
        services.endProgram();
      else
        CloseMainDialog(app, 0);
    });
  };
  app.m_hooks.runAboutBox = [&app, services] {
    CAboutDlg about(&app, *services.opener);
    return about.DoModal() == QDialog::Accepted;
  };
  app.m_hooks.runBrowserOffer = [&app, services] {
    QtUserMessages messages(app.m_pMainWnd);
    RunBrowserOffer(app.Settings(), app.Data().DataVersionText, messages, *services.opener,
                    [&app] { CloseMainDialog(app, QDialog::Accepted); });
  };
}

}  // namespace tavra
