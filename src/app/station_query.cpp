// The station query: trains leaving a station and trains ending there, in time order.
#include "app/query_core.h"
#include "app/row_range.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"

namespace tavra {

void QueryCore::QueryStation() {
  m_strStation = m_controls.StationText();
  if (m_strStation.size() < 2) return;
  // The station-to-station texts serve the lookups and are put back on every way out, so
  // that the station-to-station mode's input check later sees what was typed there.
  const std::u16string keptFrom = m_strFromStation, keptTo = m_strToStation;
  auto finish = [&] {
    m_list.SetRedraw(true);
    m_strFromStation = keptFrom;
    m_strToStation = keptTo;
  };

  m_nLastRow = -1;
  m_list.SetRedraw(false);
  m_list.DeleteAllRows();
  m_nQueryKind = kQueryStationDepartures;
  m_strFromStation = m_strStation;
  m_strToStation.clear();
  if (!FindFromStation()) return finish();
  ListDepartures();
  const int departures = m_list.RowCount();

  m_nQueryKind = kQueryStationArrivals;
  m_strFromStation.clear();
  m_strToStation = m_strStation;
  if (!FindToStation()) return finish();
  ListTerminating(m_nToFirst == m_nFromFirst && m_nToLast == m_nFromLast);
  for (int row = departures; row < m_list.RowCount(); ++row)
    m_list.SetRowColors(row, 0, 14, kBlue, kWhite);
  // The hidden column holds departure times of departures and arrival times of arrivals.
  m_list.SortByColumn(texts::kSortKeyColumn, true);
  WriteCountLabel();
  finish();
}

}  // namespace tavra
