#pragma once
// A timetable as its readable source describes it: stations, trains, calls and fares by
// name and number text, without any row number.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tavra::datatool {

// Where an item came from, for messages about it; line 0 for items made in memory.
struct SourceLine {
  std::string file;
  int line = 0;
};

struct SourceStation {
  std::u16string name;
  std::string key;  // 1-5 capital letters
  SourceLine at;
};

struct FareSegment {
  char kind = '1';
  int percentA = 0;
  int percentB = 0;
  std::string tariff;  // three characters from the second segment on; empty for the first
};

struct SourceTrain {
  std::string number;  // the full number text, e.g. "K1/K4"
  char classCode = '1';
  std::string seats = "1010";
  char airCon = '0';
  std::vector<FareSegment> fares{FareSegment{}};
  std::vector<std::string> numbers;  // what a user types; empty: the number text split at '/'
  char extra = ' ';
  SourceLine at;
};

inline constexpr int kFareKmCount = 7;

struct SourceStop {
  std::string train;
  std::u16string station;
  std::string arrive;  // "HHMM" or empty
  std::string depart;  // "HHMM" or empty
  int day = 0;
  int km = 0;
  std::string run;  // empty: the train's first number
  bool hasFareKm = false;
  std::array<int, kFareKmCount> fareKm{};
  SourceLine at;
};

// Amount order of a band: hard seat, soft seat, express, the three hard berths, the two
// soft berths, air-conditioning.
inline constexpr int kBandAmountCount = 9;
struct SourceFareBand {
  std::string tariff;
  int fromKm = 0;
  int toKm = 0;
  std::array<int, kBandAmountCount> amounts{};
  std::array<int, kBandAmountCount> acAmounts{};
  SourceLine at;
};

// Amount order: hard seat, soft seat, the three hard berths, the two soft berths, second
// class, first class; in tenths of a yuan.
inline constexpr int kStationFareAmountCount = 9;
struct SourceStationFare {
  std::u16string from;
  std::u16string to;
  std::string train;
  std::array<int, kStationFareAmountCount> amounts{};
  SourceLine at;
};

struct SourceRate {
  std::string train;
  int common = 0;
  int hardSeat = 0;
  int softSeat = 0;
  int berth = 0;
  int extra = 0;
  SourceLine at;
};

struct TimetableSource {
  int32_t version = 0;
  std::vector<SourceStation> stations;
  std::vector<SourceTrain> trains;
  std::vector<SourceStop> stops;  // the calls of one train together, in running order
  std::vector<SourceFareBand> fareBands;
  std::vector<SourceStationFare> stationFares;
  std::vector<SourceRate> rates;
  std::vector<std::u16string> spare;  // records of 13 bytes
  // Column numbers by file and column name, as the files read had them (for messages).
  std::map<std::string, std::map<std::string, int>> columns;
};

// The numbers a user can type to find a train.
std::vector<std::string> TrainNumbers(const SourceTrain& train);

// A message about a source: "stops.tsv:12:3: ..." (column 0 when none applies).
struct SourceError {
  std::string file;
  int line = 0;
  int column = 0;
  std::string message;
  std::string Text() const;
};

}  // namespace tavra::datatool
