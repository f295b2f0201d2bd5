// One result line from the boarding and alighting calls of one train.
#include "results/row_builder.h"

#include <array>

#include "data/lookup.h"
#include "data/record_fields.h"
#include "data/text_compare.h"
#include "fares/fare_engine.h"
#include "results/ride_check.h"
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

int BuildResultRow(FareState& state, ResultRow& row, SortListModel& list, RowStyle style) {
  const TimetableData& data = state.m_data;
  const StopInfo& from = state.m_fromStop;
  const StopInfo& to = state.m_toStop;

  const int minutes = CheckRide(from, to, state.m_damage);
  // Texts are assigned into the row's own buffers, which it keeps between queries.
  row.fromName.assign(StationNameView(data, from.station));
  row.departText = ClockText(from.depart);
  row.toName.assign(StationNameView(data, to.station));
  row.arriveText = ClockText(to.arrive);
  row.durationText = DurationText(minutes);
  row.distanceText = DecimalText(to.km - from.km);
  row.SetFareDistances(from, to);

  ReadTrain(data, ParseLeadingInt(from.train), state.m_train, state.m_damage);
  const TrainInfo& train = state.m_train;
  row.originName.assign(StationNameView(data, train[TrainInfo::OriginStation]));
  row.terminalName.assign(StationNameView(data, train[TrainInfo::TerminalStation]));
  row.originTerminal.assign(row.originName).append(u"-").append(row.terminalName);

  const std::u16string_view number = TrainNumberView(data, from.train);
  if (style.fullTrainNumber) {
    row.trainText.assign(u" ").append(number);
  } else {
    // The number the train runs under here, and the letter its full number ends in, if any.
    row.trainText.assign(u" ").append(from.runNumber);
    if (!number.empty() && TextGreater(std::u16string_view(&number.back(), 1), u"9"))
      row.trainText += number.back();
  }
  row.stopTrainNo = from.runNumber;
  row.trainRow = from.train;

  const TrainClass trainClass = ClassOf(train[TrainInfo::ClassCode], train[TrainInfo::AirCon]);
  row.classText = trainClass.text;
  state.m_nExpressMultiple = trainClass.expressMultiple;

  row.sortKey = style.sortByArrival ? row.arriveText : row.departText;

  const bool softClass = HasSoftClassSegment(train);
  std::array<std::u16string, 6> kept;
  state.m_pLine = &row;
  if (softClass) {
    ComputeSoftClassFares(state);
    for (size_t k = 0; k < kept.size(); ++k) kept[k] = *SoftClassTexts(row)[k];
  }
  ComputeFares(state);
  if (softClass)
    for (size_t k = 0; k < kept.size(); ++k) *SoftClassTexts(row)[k] = std::move(kept[k]);

  // The list line's 16 texts, second class before first class.
  const ResultRow& done = row;
  const std::array<std::u16string_view, 16> texts = {
      done.trainText,    done.fromName,       done.departText,  done.toName,
      done.arriveText,   done.originTerminal, done.classText,   done.distanceText,
      done.durationText, done.hardSeat,       done.softSeat,    done.secondClass,
      done.firstClass,   done.hardSleeper,    done.softSleeper, done.sortKey};
  // A train starting where the traveller boards is shown in red.
  const Color text = done.fromName == done.originName ? kRed : kBlack;
  const int item = list.AppendRow(texts, 14, text, kWhite);
  list.AllowSort(true);
  return item;
}

}  // namespace tavra
