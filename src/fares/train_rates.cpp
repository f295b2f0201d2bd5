#include "fares/train_rates.h"

#include <algorithm>

#include "data/record_fields.h"
#include "data/text_compare.h"
#include "fares/fare_text.h"

namespace tavra {
namespace {

// The RateTable record keyed `trainRow`, or an empty view. Rows are sorted by key.
std::u16string_view FindRate(const TimetableData& data, std::u16string_view trainRow) {
  const RecordTable& rates = data.Table(RateTable);
  int low = 0, high = std::min(data.rateCount, rates.size()) - 1;
  while (low <= high) {
    int mid = low + (high - low) / 2;
    std::u16string_view record = rates.Record(mid);
    std::u16string_view key = Field(record, rate_record::kTrain);
    if (key == trainRow) return record;
    if (TextGreater(trainRow, key))
      low = mid + 1;
    else
      high = mid - 1;
  }
  return {};
}

void Raise(std::u16string& text, double factor) {
  if (!text.empty()) text = WholeText(TruncToInt(RoundYuan(ReadAmount(text) * factor)));
}

}  // namespace

void ApplyTrainRates(FareState& q, std::u16string trainRow) {
  std::u16string_view rate = FindRate(q.m_data, trainRow);
  if (rate.empty()) return;
  // A common percentage above 0 applies to every class and overrides the other three.
  const double common = ReadAmount(Field(rate, rate_record::kCommon));
  double hard = 1 + common * 0.01, soft = hard, berth = hard;
  if (!(common > 0)) {
    hard = PercentFactor(Field(rate, rate_record::kHardSeat));
    soft = PercentFactor(Field(rate, rate_record::kSoftSeat));
    berth = PercentFactor(Field(rate, rate_record::kBerth));
  }
  q.Line().ForRunningTexts(hard, soft, berth, berth, Raise);
}

}  // namespace tavra
