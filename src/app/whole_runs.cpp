// Lines from a station's calls to where their trains start or end: the departures and
// arrivals of a station-to-station query with one station, and the trains ending at a
// station.
#include "app/query_core.h"
#include "app/row_range.h"
#include "data/record_fields.h"

namespace tavra {

bool QueryCore::TrainEndsElsewhere(int row) const {
  const std::u16string_view call = m_data.Table(StopTable).Record(row);
  const std::u16string_view train =
      m_data.Table(TrainTable).Record(ParseLeadingInt(Field(call, stop_record::kTrain)));
  return Field(train, train_record::kTerminalStation) != Field(call, stop_record::kStation);
}

void QueryCore::ListWholeRuns(int32_t callFirst, int32_t callLast, RunEnd end, bool callsRead) {
  const bool boards = end == RunEnd::ToTerminus;
  const int otherCall = boards ? TrainInfo::TerminalCall : TrainInfo::OriginCall;
  const int otherStation = boards ? TrainInfo::TerminalStation : TrainInfo::OriginStation;
  const auto [first, last] = RowsWithin(m_data.Table(StopTable), callFirst, callLast);
  for (int i = first; i <= last; ++i) {
    // A call and train read before without damage read the same again, so a call whose train
    // ends elsewhere is passed over on its raw fields. The last call is read in full, so
    // that the query leaves the same call and train behind.
    if (callsRead && end == RunEnd::EndingHere && i < last && !m_damage.Found() &&
        TrainEndsElsewhere(i))
      continue;
    StopInfo& here = boards ? m_fromStop : m_toStop;
    here = ParseCall(i);
    ParseTrain(here.train);
    // A train starting (or ending) here has no journey to here (or from here).
    if (IsNone5(m_train[otherCall]) || m_train[otherStation] == here.station) continue;
    if (end == RunEnd::EndingHere && m_train[TrainInfo::TerminalStation] != here.station) continue;
    (boards ? m_toStop : m_fromStop) = ParseCall(ParseLeadingInt(m_train[otherCall]));
    BuildResultRow();
  }
}

void QueryCore::ListDepartures() {
  ListWholeRuns(m_nFromFirst, m_nFromLast, RunEnd::ToTerminus);
}

void QueryCore::ListArrivals() {
  ListWholeRuns(m_nToFirst, m_nToLast, RunEnd::FromOrigin);
}

void QueryCore::ListTerminating(bool callsRead) {
  ListWholeRuns(m_nToFirst, m_nToLast, RunEnd::EndingHere, callsRead);
}

}  // namespace tavra
