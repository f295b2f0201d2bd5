#pragma once
// Fills the query dialog's online hooks: the update check (off the user-interface thread,
// the window painting and showing the wait cursor meanwhile), the about box and the
// browser offer.
#include <functional>

#include "online/http_get_number.h"
#include "platform/http_client.h"
#include "platform/url_opener.h"

namespace tavra {

class CTimetableApp;

struct OnlineServices {
  HttpClient* http = nullptr;   // must outlive the application object's dialog
  UrlOpener* opener = nullptr;  // likewise
  HttpTimeouts timeouts;
  // Ends the program with status 0 after the package was handed to the browser; empty:
  // the main dialog is closed, after which the program returns 0.
  std::function<void()> endProgram;
};

void InstallOnlineHooks(CTimetableApp& app, OnlineServices services);

}  // namespace tavra
