// One result line from the boarding and alighting calls of one train.
#include <array>
#include <vector>

#include "app/query_core.h"
#include "data/lookup.h"
#include "data/text_compare.h"
#include "fares/fare_engine.h"
#include "results/row_texts.h"

namespace tavra {
namespace {

// Trains with a kind-6 fare segment after the first have their soft seat, multiple-unit
// and soft sleeper prices from the alternative computation.
bool HasSoftClassSegment(const TrainInfo& train) {
  for (int s = TrainInfo::FareKind0 + 1; s < TrainInfo::FareKind0 + 6; ++s)
    if (train[s] == u"6") return true;
  return false;
}

std::array<std::u16string*, 6> SoftClassTexts(ResultRow& row) {
  return {&row.softSeat,    &row.secondClass,      &row.firstClass,
          &row.softSleeper, &row.softSleeperUpper, &row.softSleeperLower};
}

}  // namespace

void QueryCore::BuildResultRow() {
  ++m_nLastRow;
  // Rows are made in advance; a longer result grows the store one row at a time.
  while (m_rows.size() < static_cast<size_t>(m_nLastRow) + 1) m_rows.emplace_back();
  m_nRowCapacity = static_cast<int32_t>(m_rows.size());
  ResultRow& row = CurrentRow();
  const StopInfo& from = m_fromStop;
  const StopInfo& to = m_toStop;

  row.fromName = StationName(m_data, from.station);
  row.departText = ClockText(from.depart);
  row.toName = StationName(m_data, to.station);
  row.arriveText = ClockText(to.arrive);
  row.durationText = DurationText(RunningMinutes(from, to));
  row.distanceText = DecimalText(to.km - from.km);
  row.totalFareKm = 0;
  for (size_t i = 0; i < row.segmentKm.size(); ++i) {
    row.segmentKm[i] = to.fareKm[i] - from.fareKm[i];
    if (i < 6) row.totalFareKm += row.segmentKm[i];
  }

  ParseTrain(from.train);
  row.originName = StationName(m_data, m_train[TrainInfo::OriginStation]);
  row.terminalName = StationName(m_data, m_train[TrainInfo::TerminalStation]);
  row.originTerminal = row.originName + u"-" + row.terminalName;

  const std::u16string number = TrainNumberText(m_data, from.train);
  if (m_nQueryKind == kQueryTrainNumber) {
    row.trainText = u" " + number;
  } else {
    // The number the train runs under here, and the letter its full number ends in, if any.
    row.trainText = u" " + from.runNumber;
    if (!number.empty() && TextGreater(std::u16string_view(&number.back(), 1), u"9"))
      row.trainText += number.back();
  }
  row.stopTrainNo = from.runNumber;
  row.trainRow = from.train;

  const TrainClass trainClass = ClassOf(m_train[TrainInfo::ClassCode], m_train[TrainInfo::AirCon]);
  row.classText = trainClass.text;
  m_nExpressMultiple = trainClass.expressMultiple;

  const bool byArrival = m_nQueryKind == kQueryTransfer || m_nQueryKind == kQueryStationArrivals;
  row.sortKey = byArrival ? row.arriveText : row.departText;

  const bool softClass = HasSoftClassSegment(m_train);
  std::array<std::u16string, 6> kept;
  if (softClass) {
    ComputeSoftClassFares(*this);
    for (size_t k = 0; k < kept.size(); ++k) kept[k] = *SoftClassTexts(CurrentRow())[k];
  }
  ComputeFares(*this);
  if (softClass)
    for (size_t k = 0; k < kept.size(); ++k) *SoftClassTexts(CurrentRow())[k] = std::move(kept[k]);

  // The list line's 16 texts, second class before first class.
  const ResultRow& done = CurrentRow();
  std::vector<std::u16string> texts;
  texts.reserve(16);
  for (const std::u16string* text :
       {&done.trainText, &done.fromName, &done.departText, &done.toName, &done.arriveText,
        &done.originTerminal, &done.classText, &done.distanceText, &done.durationText,
        &done.hardSeat, &done.softSeat, &done.secondClass, &done.firstClass, &done.hardSleeper,
        &done.softSleeper, &done.sortKey})
    texts.push_back(*text);
  m_nLastItem = m_list.AppendRow(std::move(texts));
  // A train starting where the traveller boards is shown in red.
  const Color text = done.fromName == done.originName ? kRed : kBlack;
  const int line = m_list.RowCount() - 1;
  for (int column = 0; column <= 14; ++column) m_list.SetCellColors(line, column, text, kWhite);
  m_list.AllowSort(true);
}

}  // namespace tavra
