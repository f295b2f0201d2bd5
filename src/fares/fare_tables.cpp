#include "fares/fare_tables.h"

#include <algorithm>

#include "data/checked_record.h"
#include "data/record_fields.h"
#include "fares/fare_text.h"

namespace tavra {
namespace {

// The FareBandTable record of `tariffCode` whose distance band holds `km`, or an empty
// record (row -1). The bands of one tariff stand in ascending order without overlap.
CheckedRecord FindBand(const FareState& q, int km, std::u16string_view tariffCode) {
  const TimetableData& data = q.m_data;
  const RecordTable& index = data.Table(FareBandIndexTable);
  const int count = std::min(data.fareBandIndexCount, index.size());
  for (int r = 0; r < count; ++r) {
    if (Field(index.Record(r), fare_band_index_record::kTariff) != tariffCode) continue;
    const CheckedRecord entry(data, FareBandIndexTable, r, q.m_damage);
    int first, last;
    entry.Range(fare_band_index_record::kFirstBand, fare_band_index_record::kLastBand,
                FareBandTable, first, last);
    while (first <= last) {
      int mid = first + (last - first) / 2;
      const CheckedRecord band(data, FareBandTable, mid, q.m_damage);
      int lowest = band.Number(fare_band_record::kLowestKm);
      int highest = band.Number(fare_band_record::kHighestKm);
      if (lowest <= km && km <= highest) return band;
      if (km > highest)
        first = mid + 1;
      else
        last = mid - 1;
    }
    break;
  }
  return CheckedRecord(data, FareBandTable, -1, {}, q.m_damage);
}

// Start of the amount set: without air-conditioning only for the flag "0".
size_t AmountSet(const FareState& q) {
  return q.m_train[TrainInfo::AirCon] == u"0" ? fare_band_record::kAmounts.pos
                                              : fare_band_record::kAirConAmounts.pos;
}

double Amount(const CheckedRecord& record, const RecordField& field) {
  return ReadAmount(record.Digits(field));
}

using fare_band_record::AmountAt;
using station_fare_record::kAmounts;

void ReadBerths(const CheckedRecord& band, size_t set, FareSet& fare) {
  fare.hardSleeperUpper = Amount(band, AmountAt(set, fare_band_record::kHardUpper));
  fare.hardSleeperMiddle = Amount(band, AmountAt(set, fare_band_record::kHardMiddle));
  fare.hardSleeperLower = Amount(band, AmountAt(set, fare_band_record::kHardLower));
  fare.softSleeperUpper = Amount(band, AmountAt(set, fare_band_record::kSoftUpper));
  fare.softSleeperLower = Amount(band, AmountAt(set, fare_band_record::kSoftLower));
}

}  // namespace

int LookupBandFares(const FareState& q, FareSet& fare, int km, std::u16string_view tariffCode) {
  const CheckedRecord band = FindBand(q, km, tariffCode);
  if (band.record().empty()) return 0;
  const size_t set = AmountSet(q);
  fare.hardSeat = Amount(band, AmountAt(set, fare_band_record::kHardSeat));
  fare.softSeat = Amount(band, AmountAt(set, fare_band_record::kSoftSeat));
  fare.expressUnit = Amount(band, AmountAt(set, fare_band_record::kExpress));
  ReadBerths(band, set, fare);
  fare.airConUnit = Amount(band, AmountAt(set, fare_band_record::kAirConUnit));
  return 1;
}

int LookupBandBerths(const FareState& q, FareSet& fare, int km, std::u16string_view tariffCode) {
  const CheckedRecord band = FindBand(q, km, tariffCode);
  if (band.record().empty()) return 0;
  ReadBerths(band, AmountSet(q), fare);
  return 1;
}

int LookupStationFares(const FareState& q, FareSet& fare, std::u16string_view fromStation,
                       std::u16string_view toStation, std::u16string_view trainRow) {
  const TimetableData& data = q.m_data;
  const int stationRow = ParseLeadingInt(fromStation);
  // A station number outside the table has no fixed fares, like one marked "99999".
  if (stationRow >= data.Table(StationTable).size()) return 0;
  const CheckedRecord station(data, StationTable, stationRow, q.m_damage);
  if (IsNone5(station.Text(station_record::kFirstFare)) ||
      IsNone5(station.Text(station_record::kLastFare)))
    return 0;
  int first, last;
  station.Range(station_record::kFirstFare, station_record::kLastFare, StationFareTable, first,
                last);
  for (int r = first; r <= last; ++r) {
    const CheckedRecord entry(data, StationFareTable, r, q.m_damage);
    if (entry.Text(station_fare_record::kToStation) != toStation ||
        entry.Text(station_fare_record::kTrain) != trainRow)
      continue;
    fare.hardSeat = Amount(entry, kAmounts.At(station_fare_record::kHardSeat));
    fare.softSeat = Amount(entry, kAmounts.At(station_fare_record::kSoftSeat));
    fare.hardSleeperLower = Amount(entry, kAmounts.At(station_fare_record::kHardLower));
    fare.softSleeperLower = Amount(entry, kAmounts.At(station_fare_record::kSoftLower));
    fare.secondClass = Amount(entry, kAmounts.At(station_fare_record::kSecondClass));
    fare.firstClass = Amount(entry, kAmounts.At(station_fare_record::kFirstClass));
    if (q.m_nAllBerths == 1) {
      fare.hardSleeperUpper = Amount(entry, kAmounts.At(station_fare_record::kHardUpper));
      fare.hardSleeperMiddle = Amount(entry, kAmounts.At(station_fare_record::kHardMiddle));
      fare.softSleeperUpper = Amount(entry, kAmounts.At(station_fare_record::kSoftUpper));
    }
    return 1;
  }
  fare.hardSeat = fare.softSeat = fare.firstClass = fare.secondClass = 0;
  fare.hardSleeperUpper = fare.hardSleeperMiddle = fare.hardSleeperLower = 0;
  fare.softSleeperUpper = fare.softSleeperLower = 0;
  return 0;
}

}  // namespace tavra
