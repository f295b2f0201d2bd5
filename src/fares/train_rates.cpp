#include "fares/train_rates.h"

#include <algorithm>

#include "data/checked_record.h"
#include "data/record_fields.h"
#include "data/text_compare.h"
#include "fares/fare_text.h"

namespace tavra {
namespace {

// The RateTable row keyed `trainRow`, or -1. Rows are sorted by key.
int FindRate(const TimetableData& data, std::u16string_view trainRow) {
  const RecordTable& rates = data.Table(RateTable);
  int low = 0, high = std::min(data.rateCount, rates.size()) - 1;
  while (low <= high) {
    int mid = low + (high - low) / 2;
    std::u16string_view record = rates.Record(mid);
    std::u16string_view key = Field(record, rate_record::kTrain);
    if (key == trainRow) return mid;
    if (TextGreater(trainRow, key))
      low = mid + 1;
    else
      high = mid - 1;
  }
  return -1;
}

void Raise(RunningPrice& price, double factor) {
  if (!price.Empty()) price.SetWhole(TruncToInt(RoundYuan(price.Amount() * factor)));
}

}  // namespace

void ApplyTrainRates(FareState& q, std::u16string_view trainRow) {
  const int row = FindRate(q.m_data, trainRow);
  if (row < 0) return;
  const CheckedRecord rate(q.m_data, RateTable, row, q.m_damage);
  // A common percentage above 0 applies to every class and overrides the other three.
  const double common = ReadAmount(rate.Digits(rate_record::kCommon));
  double hard = 1 + common * 0.01, soft = hard, berth = hard;
  if (!(common > 0)) {
    hard = PercentFactor(rate.Digits(rate_record::kHardSeat));
    soft = PercentFactor(rate.Digits(rate_record::kSoftSeat));
    berth = PercentFactor(rate.Digits(rate_record::kBerth));
  }
  q.m_prices.ForSeatsAndBerths(hard, soft, berth, berth, Raise);
}

}  // namespace tavra
