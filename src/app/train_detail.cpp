// A click on a result line: the stop list of its train, with segment speeds and the
// whole route's distance, running time and average speed, into the hand-over block.
#include <algorithm>
#include <string_view>

#include "app/query_core.h"
#include "app/row_range.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"
#include "results/ride_check.h"
#include "results/row_builder.h"
#include "results/row_texts.h"

namespace tavra {
namespace {

std::u16string DayText(std::u16string_view day) {
  static constexpr std::u16string_view kDays[] = {u"当天", u"第二天", u"第三天", u"第四天"};
  if (day.size() != 1 || day[0] < u'0' || day[0] > u'3') return {};
  return std::u16string(kDays[day[0] - u'0']);
}

// Average speed from the departure at `from` to the arrival at `to`, "%d" km/h. Empty when
// no time passes (or, in damaged data, less than none): no speed can be given then.
std::u16string SpeedText(const StopInfo& from, const StopInfo& to) {
  const int minutes = RunningMinutes(from, to);
  if (minutes <= 0) return {};
  return DecimalText(static_cast<int>((to.km - from.km) * 60.0 / minutes + 0.5));
}

}  // namespace

bool QueryCore::OnResultClick(int item) {
  if (item < 0 || item >= m_list.RowCount()) return false;
  const CellTexts texts = m_list.Row(item).texts;
  auto text = [&](size_t c) -> std::u16string_view {
    return c < texts.size() ? texts[c] : std::u16string_view();
  };
  const int lastRow = std::min(m_nLastRow, static_cast<int>(m_rows.size()) - 1);
  const ResultRow* found = nullptr;
  for (int r = 0; r <= lastRow && !found; ++r) {
    const ResultRow& row = m_rows[static_cast<size_t>(r)];
    if (row.trainText == text(0) && row.originTerminal == text(5) && row.fromName == text(1) &&
        row.toName == text(3))
      found = &row;
  }
  if (!found) return false;
  m_damage.Clear();
  ShowStopList(*found);
  return !ReportDamage();
}

bool QueryCore::OnJourneyLegClick(int boardCall, int alightCall) {
  const RecordTable& stops = m_data.Table(StopTable);
  if (boardCall < 0 || boardCall >= stops.size() || alightCall < 0 || alightCall >= stops.size())
    return false;
  m_damage.Clear();
  m_fromStop = ParseCall(boardCall);
  m_toStop = ParseCall(alightCall);
  // The leg's line as a result list shows it, built apart so that the list stays.
  SortListModel scratch;
  scratch.SetColumnSpec(texts::kResultColumns);
  ResultRow leg;
  tavra::BuildResultRow(*this, leg, scratch, RowStyle{});
  ShowStopList(leg);
  return !ReportDamage();
}

void QueryCore::ShowStopList(const ResultRow& line) {
  HandOver& h = *m_pApp;
  h.m_strDetailTrainNo = line.trainText;
  h.m_strFromName = line.fromName;
  h.m_strToName = line.toName;
  h.m_strTotalKm.clear();
  h.m_strTotalTime.clear();
  h.m_strAvgSpeed.clear();
  ParseTrain(line.trainRow);

  const RecordTable& runs = m_data.Table(TrainStopTable);
  const auto [first, last] = RowsWithin(runs, ParseLeadingInt(m_train[TrainInfo::FirstRunRow]),
                                        ParseLeadingInt(m_train[TrainInfo::LastRunRow]));
  h.m_stopLines.assign(static_cast<size_t>(std::max(0, last - first + 1)), StopLine{});
  StopInfo origin, previous;
  for (int r = first; r <= last; ++r) {
    const size_t l = static_cast<size_t>(r - first);
    const StopInfo stop = ParseCall(ReadRunCall(m_data, r, m_damage));
    StopLine& line = h.m_stopLines[l];
    line.km = DecimalText(stop.km);
    line.station = StationName(m_data, stop.station);
    line.rawArrival = stop.arrive;
    line.rawDeparture = stop.depart;
    line.rawDay = stop.day;
    line.day = DayText(stop.day);
    if (r != first) line.arrival = ClockText(stop.arrive);
    if (r != last) line.departure = ClockText(stop.depart);
    if (r == first) {
      origin = stop;
    } else {
      CheckRide(previous, stop, m_damage);
      line.speed = SpeedText(previous, stop);
    }
    if (r == last) {
      h.m_strAvgSpeed = SpeedText(origin, stop);
      h.m_strTotalKm = DecimalText(stop.km - origin.km);
      h.m_strTotalTime = DurationText(RunningMinutes(origin, stop));
    }
    previous = stop;
  }
  h.m_nLastStopLine = static_cast<int32_t>(h.m_stopLines.size()) - 1;
  if (m_showTrainDetail && !m_damage.Found()) m_showTrainDetail(*this);
}

}  // namespace tavra
