#pragma once
// What the query dialog runs of the online services (update check, about box, browser
// offer). Each is set by the online services; while one is unset its mode entry does
// nothing, so the dialog never asks a question that nothing would follow.
#include <functional>

namespace tavra {

struct OnlineHooks {
  // The about box, modal; true when it was closed with OK.
  std::function<bool()> runAboutBox;
  // The update check: 0 the data are up to date, -1 the network failed, anything else
  // when the check has told the user itself.
  std::function<int()> runUpdateCheck;
  // The browser offer, once loading has finished (at most once a run).
  std::function<void()> runBrowserOffer;
};

}  // namespace tavra
