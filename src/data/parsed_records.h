#pragma once
// The parsed forms of a call (StopInfo) and of a train with its fare plan (TrainInfo).
#include <array>
#include <string>

#include "data/record_damage.h"
#include "data/timetable_data.h"

namespace tavra {

// The texts of both are views into the loaded tables (or into the record they were parsed
// from): they copy nothing and stay valid while the data does.
struct StopInfo {
  int row = -1;                   // StopTable row, when read by its row
  std::u16string_view station;    // station number, 4 digits
  std::u16string_view train;      // TrainTable row, 4 digits
  std::u16string_view seq;        // place in the train's run, 2 digits
  int32_t km = 0;                 // distance from the train's origin
  std::u16string_view arrive;     // HHMM, or four blanks at the origin
  std::u16string_view depart;     // HHMM, or four blanks at the terminus
  std::u16string_view day;        // "0".."3": day of the call counted from the departure day
  std::u16string_view runNumber;  // number the train runs under at this call, blank-padded
  std::u16string_view fareRow;    // FareDistanceTable row, or "99999"
  std::array<int32_t, 7>
      fareKm{};  // cumulative fare distance per fare segment 0-5, and the surcharge distance
};

// The 33 text slots of a parsed train; see ParseTrainRecord for what each holds.
struct TrainInfo {
  enum Slot {
    Number = 0,
    ClassCode = 1,
    Attributes = 2,
    AirCon = 3,
    OriginStation = 4,
    TerminalStation = 5,
    FareKind0 = 6,   // 6-11: fare kind codes of segments 0-5
    PercentA0 = 12,  // 12-17: percentages A
    PercentB0 = 18,  // 18-23: percentages B
    Tariff1 = 24,    // 24-28: tariff codes of segments 1-5
    FirstRunRow = 29,
    LastRunRow = 30,
    OriginCall = 31,
    TerminalCall = 32,
  };
  std::array<std::u16string_view, 33> slots;  // views into the loaded tables
  // The TrainTable row last read into the slots without damage by ReadTrain, or -1: a
  // line's train is read once although the listing and the row builder both ask for it.
  int row = -1;

  std::u16string_view& operator[](int slot) { return slots[static_cast<size_t>(slot)]; }
  std::u16string_view operator[](int slot) const { return slots[static_cast<size_t>(slot)]; }
};

StopInfo ParseStopRecord(const TimetableData& data, std::u16string_view record);
// The call at StopTable `row`, every field checked; the first that fails is noted in
// `damage`.
StopInfo ReadStop(const TimetableData& data, int row, RecordDamage& damage);

// Fills `train` from a TrainTable record. Slots 13-17 and 19-28 are left as the previous
// train left them when this train has no fare-plan row: the fare engine reads a segment's
// slots only when the segment's kind code is set, and callers rely on the slots they do
// read being current.
void ParseTrainRecord(const TimetableData& data, std::u16string_view record, TrainInfo& train);
// The train at TrainTable `row`, as ParseTrainRecord, every field it fills checked; the
// first that fails is noted in `damage`. Nothing is read again when `train` already holds
// that row.
void ReadTrain(const TimetableData& data, int row, TrainInfo& train, RecordDamage& damage);
// The StopTable row of TrainStopTable row `runRow`, checked.
int ReadRunCall(const TimetableData& data, int runRow, RecordDamage& damage);

}  // namespace tavra
