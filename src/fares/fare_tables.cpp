#include "fares/fare_tables.h"

#include <algorithm>

#include "data/record_fields.h"
#include "fares/fare_text.h"

namespace tavra {
namespace {

// The FareBandTable record of `tariffCode` whose distance band holds `km`, or an empty
// view. The bands of one tariff stand in ascending order without overlap.
std::u16string_view FindBand(const TimetableData& data, int km, std::u16string_view tariffCode) {
  const RecordTable& index = data.Table(FareBandIndexTable);
  const int count = std::min(data.fareBandIndexCount, index.size());
  for (int r = 0; r < count; ++r) {
    std::u16string_view entry = index.Record(r);
    if (Field(entry, 0, 3) != tariffCode) continue;
    int first = ParseLeadingInt(Field(entry, 3, 4));
    int last = ParseLeadingInt(Field(entry, 7, 4));
    const RecordTable& bands = data.Table(FareBandTable);
    while (first <= last) {
      int mid = first + (last - first) / 2;
      std::u16string_view band = bands.Record(mid);
      int lowest = ParseLeadingInt(Field(band, 3, 4));
      int highest = ParseLeadingInt(Field(band, 7, 4));
      if (lowest <= km && km <= highest) return band;
      if (km > highest)
        first = mid + 1;
      else
        last = mid - 1;
    }
    return {};
  }
  return {};
}

// Start of the amount set: without air-conditioning only for the flag "0".
size_t AmountSet(const FareState& q) {
  return q.m_train[TrainInfo::AirCon] == u"0" ? 11 : 38;
}

double Amount(std::u16string_view record, size_t pos, size_t len) {
  return ReadAmount(Field(record, pos, len));
}

void ReadBerths(std::u16string_view band, size_t set, FareSet& fare) {
  fare.hardSleeperUpper = Amount(band, set + 9, 3);
  fare.hardSleeperMiddle = Amount(band, set + 12, 3);
  fare.hardSleeperLower = Amount(band, set + 15, 3);
  fare.softSleeperUpper = Amount(band, set + 18, 3);
  fare.softSleeperLower = Amount(band, set + 21, 3);
}

}  // namespace

int LookupBandFares(const FareState& q, FareSet& fare, int km, std::u16string_view tariffCode) {
  std::u16string_view band = FindBand(q.m_data, km, tariffCode);
  if (band.empty()) return 0;
  const size_t set = AmountSet(q);
  fare.hardSeat = Amount(band, set, 3);
  fare.softSeat = Amount(band, set + 3, 3);
  fare.expressUnit = Amount(band, set + 6, 3);
  ReadBerths(band, set, fare);
  fare.airConUnit = Amount(band, set + 24, 3);
  return 1;
}

int LookupBandBerths(const FareState& q, FareSet& fare, int km, std::u16string_view tariffCode) {
  std::u16string_view band = FindBand(q.m_data, km, tariffCode);
  if (band.empty()) return 0;
  ReadBerths(band, AmountSet(q), fare);
  return 1;
}

int LookupStationFares(const FareState& q, FareSet& fare, std::u16string_view fromStation,
                       std::u16string_view toStation, std::u16string_view trainRow) {
  const TimetableData& data = q.m_data;
  std::u16string_view station = data.Table(StationTable).Record(ParseLeadingInt(fromStation));
  std::u16string_view firstField = Field(station, 10, 5), lastField = Field(station, 15, 5);
  // A station number outside the table has no fixed fares, like one marked "99999".
  if (station.empty() || IsNone5(firstField) || IsNone5(lastField)) return 0;
  const RecordTable& fares = data.Table(StationFareTable);
  const int first = ParseLeadingInt(firstField);
  const int last = std::min(ParseLeadingInt(lastField), fares.size() - 1);
  for (int r = first; r <= last; ++r) {
    std::u16string_view entry = fares.Record(r);
    if (Field(entry, 0, 4) != toStation || Field(entry, 4, 4) != trainRow) continue;
    fare.hardSeat = Amount(entry, 8, 5);
    fare.softSeat = Amount(entry, 13, 5);
    fare.hardSleeperLower = Amount(entry, 28, 5);
    fare.softSleeperLower = Amount(entry, 38, 5);
    fare.secondClass = Amount(entry, 43, 5);
    fare.firstClass = Amount(entry, 48, 5);
    if (q.m_nAllBerths == 1) {
      fare.hardSleeperUpper = Amount(entry, 18, 5);
      fare.hardSleeperMiddle = Amount(entry, 23, 5);
      fare.softSleeperUpper = Amount(entry, 33, 5);
    }
    return 1;
  }
  fare.hardSeat = fare.softSeat = fare.firstClass = fare.secondClass = 0;
  fare.hardSleeperUpper = fare.hardSleeperMiddle = fare.hardSleeperLower = 0;
  fare.softSleeperUpper = fare.softSleeperLower = 0;
  return 0;
}

}  // namespace tavra
