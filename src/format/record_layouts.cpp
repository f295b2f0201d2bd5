#include "format/record_layouts.h"

namespace tavra {

std::span<const RecordField> FieldsOf(unsigned section) {
  switch (section) {
    case StationKeyTable:
      return station_key_record::kFields;
    case KeyLetterTable:
      return key_letter_record::kFields;
    case StationTable:
      return station_record::kFields;
    case TrainDigitTable:
      return train_digit_record::kFields;
    case NumberTrainIndex:
      return number_index_record::kFields;
    case LetterTrainIndex:
      return letter_index_record::kFields;
    case TrainTable:
      return train_record::kFields;
    case TrainFareTable:
      return fare_plan_record::kFields;
    case TrainStopTable:
      return train_stop_record::kFields;
    case StopTable:
      return stop_record::kFields;
    case FareDistanceTable:
      return fare_distance_record::kFields;
    case FareBandTable:
      return fare_band_record::kFields;
    case FareBandIndexTable:
      return fare_band_index_record::kFields;
    case StationFareTable:
      return station_fare_record::kFields;
    case RateTable:
      return rate_record::kFields;
    case SpareTable:
      return spare_record::kFields;
    default:
      return {};
  }
}

size_t AsciiBytes(unsigned section) {
  size_t bytes = 0;
  for (const RecordField& f : FieldsOf(section))
    if (f.kind != FieldKind::Name) bytes += f.Bytes();
  return bytes;
}

}  // namespace tavra
