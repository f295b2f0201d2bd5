#pragma once
// The stop list as the views show it: the two label texts and the list of stops with the
// user's own journey in blue, all read from the hand-over block.
#include <string>
#include <vector>

#include "app/hand_over.h"
#include "results/sort_list_model.h"

namespace tavra {

// "车次:" + train + " 全程:" + km + "km".
std::u16string StopListTrainLabel(const HandOver& handOver);
// "历时:" + time + " 时速:" + speed + "km/h".
std::u16string StopListTimeLabel(const HandOver& handOver);

// True for the lines of the user's journey: from the first line at the boarding station
// to the next line at the alighting station, both included (to the end when the
// alighting station does not follow).
std::vector<bool> StopListHighlights(const HandOver& handOver);

// Replaces `list`'s rows with the stop list (its columns are declared when it has none): blue on
// white for the user's journey, black on white for the rest; header clicks do not sort it.
void FillStopList(const HandOver& handOver, SortListModel& list);

}  // namespace tavra
