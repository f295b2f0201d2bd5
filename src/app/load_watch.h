#pragma once
// The load-status timer's table: what one tick does for the status it reads. The loader
// thread writes the status; the timer runs on the user-interface thread and turns 1 or 2
// into 4 only by compare-and-exchange, so a 3 written in between is acted on next tick.
#include "data/timetable_data.h"

namespace tavra {

// What the dialog does after one tick.
struct LoadTickActions {
  bool setVersionLabel = false;  // "数据版本:" + DataVersionText is known
  bool restoreCursor = false;    // the station tables are there (or never will be)
  bool enableQuery = false;      // all tables are complete: enable the query and reverse buttons
  bool stopTimer = false;
  bool offerBrowser = false;    // the browser offer's moment
  bool reportFailure = false;   // a data file is missing or damaged (data.loadError)
  bool stationsLoaded = false;  // this tick turned 2 into 4: typing may be served
};

LoadTickActions OnLoadTimerTick(TimetableData& data);

}  // namespace tavra
