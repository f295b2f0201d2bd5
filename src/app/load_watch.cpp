#include "app/load_watch.h"

namespace tavra {

LoadTickActions OnLoadTimerTick(TimetableData& data) {
  LoadTickActions a;
  int32_t status = data.Status();
  switch (status) {
    case kLoadIndexRead:
      a.setVersionLabel = true;
      data.LoadStatus.compare_exchange_strong(status, kLoadSeen, std::memory_order_acq_rel);
      break;
    case kLoadTrainsReady:
      a.restoreCursor = true;
      a.stationsLoaded =
          data.LoadStatus.compare_exchange_strong(status, kLoadSeen, std::memory_order_acq_rel);
      break;
    case kLoadComplete:
      a.setVersionLabel = a.restoreCursor = a.enableQuery = a.stopTimer = a.offerBrowser = true;
      break;
    case kLoadFailed:
      // Nothing will ever be loaded: stop waiting and say why, instead of leaving the
      // buttons disabled without a word.
      a.restoreCursor = a.stopTimer = a.reportFailure = true;
      break;
    default:  // 0 not begun, 4 already acted on
      break;
  }
  return a;
}

}  // namespace tavra
