#include "app/query_core.h"

#include "data/lookup.h"
#include "data/record_fields.h"
#include "platform/user_messages.h"
#include "platform/utf8.h"
#include "resources/fixed_texts.h"
#include "results/row_builder.h"
#include "results/row_texts.h"

namespace tavra {
QueryCore::QueryCore(const TimetableData& data)
    : QueryCore(data, std::make_unique<PlainQueryControls>(), std::make_unique<SilentMessages>()) {}

QueryCore::QueryCore(const TimetableData& data, std::unique_ptr<QueryControls> controls,
                     std::unique_ptr<UserMessages> messages)
    : QueryCore(data, *controls, *messages) {
  ownControls_ = std::move(controls);
  ownMessages_ = std::move(messages);
}

QueryCore::QueryCore(const TimetableData& data, QueryControls& controls, UserMessages& messages)
    : FareState(data), m_controls(controls), m_messages(messages), m_rows(kInitialRows) {
  m_list.SetColumnSpec(texts::kResultColumns);
  m_list.Reserve(kInitialRows, kInitialRowChars);
  m_list.AllowSort(true);
}

bool QueryCore::StationsLoaded() const {
  const int32_t status = m_data.Status();
  return status == kLoadTrainsReady || status == kLoadComplete ||
         (status == kLoadSeen && m_bStationsLoaded);
}

bool QueryCore::FindCalls(std::u16string& name, std::u16string_view notFound, int32_t& first,
                          int32_t& last) {
  RowRange calls;
  if (!FindStation(m_data, name, calls)) {
    m_messages.AppMessage(notFound);
    return false;
  }
  first = calls.first;
  last = calls.last;
  return true;
}

bool QueryCore::FindFromStation() {
  return FindCalls(m_strFromStation, u"无此发站！", m_nFromFirst, m_nFromLast);
}

bool QueryCore::FindToStation() {
  return FindCalls(m_strToStation, u"无此到站！", m_nToFirst, m_nToLast);
}

StopInfo QueryCore::ParseCall(int row) const {
  return ReadStop(m_data, row, m_damage);
}

void QueryCore::ParseTrain(std::u16string_view row) {
  ReadTrain(m_data, ParseLeadingInt(row), m_train, m_damage);
}

void QueryCore::BuildResultRow() {
  ++m_nLastRow;
  // Rows are made in advance; a longer result grows the store one row at a time.
  while (m_rows.size() < static_cast<size_t>(m_nLastRow) + 1) m_rows.emplace_back();
  m_nRowCapacity = static_cast<int32_t>(m_rows.size());
  RowStyle style;
  style.fullTrainNumber = m_nQueryKind == kQueryTrainNumber;
  style.sortByArrival = m_nQueryKind == kQueryTransfer || m_nQueryKind == kQueryStationArrivals;
  m_nLastItem = tavra::BuildResultRow(*this, CurrentRow(), m_list, style);
}

const ResultRow& QueryCore::BuildRideRow(int boardCall, int alightCall) {
  m_nQueryKind = kQueryStationToStation;
  m_nLastRow = -1;
  m_list.DeleteAllRows();
  m_fromStop = ParseCall(boardCall);
  m_toStop = ParseCall(alightCall);
  BuildResultRow();
  return CurrentRow();
}

void QueryCore::SetStationRanges(int32_t fromFirst, int32_t fromLast, int32_t toFirst,
                                 int32_t toLast) {
  m_nFromFirst = fromFirst;
  m_nFromLast = fromLast;
  m_nToFirst = toFirst;
  m_nToLast = toLast;
  m_nLastRow = -1;
}

std::u16string DamagedDataMessage(const RecordDamage& damage) {
  return std::u16string(res::kLoadFailed) + u"\n\n" + Utf8ToUtf16(damage.Text());
}

bool QueryCore::ReportDamage() {
  if (!m_damage.Found()) return false;
  m_messages.Message(DamagedDataMessage(m_damage), texts::kCaption);
  return true;
}

bool QueryCore::FinishQuery() {
  if (!ReportDamage()) return m_bCounted;
  m_nLastRow = -1;
  m_list.DeleteAllRows();
  WriteCountLabel();
  m_bCounted = false;
  return false;
}

void QueryCore::WriteCountLabel() {
  m_bCounted = true;
  m_controls.SetCountLabel(u"共:" + DecimalText(m_list.RowCount()));
}

}  // namespace tavra
