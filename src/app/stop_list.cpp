#include "app/stop_list.h"

#include <algorithm>

#include "results/row_texts.h"

namespace tavra {
namespace {
constexpr std::u16string_view kStopColumns =
    u"序,18;车站,50;到时,40;发时,40;天数,42;里程,40;时速,40";
}  // namespace

std::u16string StopListTrainLabel(const HandOver& h) {
  return u"车次:" + h.m_strDetailTrainNo + u" 全程:" + h.m_strTotalKm + u"km";
}

std::u16string StopListTimeLabel(const HandOver& h) {
  return u"历时:" + h.m_strTotalTime + u" 时速:" + h.m_strAvgSpeed + u"km/h";
}

std::vector<bool> StopListHighlights(const HandOver& h) {
  const int count = std::min<int>(h.m_nLastStopLine + 1, static_cast<int>(h.m_stopLines.size()));
  std::vector<bool> on(static_cast<size_t>(std::max(count, 0)), false);
  bool highlight = false, started = false;
  for (int i = 0; i < count; ++i) {
    const std::u16string& station = h.m_stopLines[static_cast<size_t>(i)].station;
    if (!started && station == h.m_strFromName) {
      started = highlight = true;
      on[static_cast<size_t>(i)] = true;
    } else if (highlight) {
      on[static_cast<size_t>(i)] = true;
      if (station == h.m_strToName) highlight = false;
    }
  }
  return on;
}

void FillStopList(const HandOver& h, SortListModel& list) {
  list.DeleteAllRows();
  if (list.ColumnCount() == 0) list.SetColumnSpec(kStopColumns);
  list.AllowSort(false);
  const std::vector<bool> highlights = StopListHighlights(h);
  for (size_t i = 0; i < highlights.size(); ++i) {
    const StopLine& s = h.m_stopLines[i];
    const int row = list.AppendRow({u" " + DecimalText(static_cast<int>(i) + 1), s.station,
                                    s.arrival, s.departure, s.day, s.km, s.speed});
    list.SetRowColors(row, 0, 6, highlights[i] ? kBlue : kBlack, kWhite);
  }
}

}  // namespace tavra
