#pragma once
// What a single field of a timetable source may hold, shared by the reader, the writer
// and the checks of sources made in memory.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datatool/source_model.h"
#include "datatool/tsv_reader.h"

namespace tavra::datatool {

inline constexpr const char* kSourceFileNames[] = {
    "version.txt",    "stations.tsv",      "trains.tsv", "stops.tsv",
    "fare_bands.tsv", "station_fares.tsv", "rates.tsv",  "spare.tsv"};

inline constexpr const char* kBandColumns[kBandAmountCount] = {"hard_seat", "soft_seat", "express",
                                                               "hs_upper",  "hs_middle", "hs_lower",
                                                               "ss_upper",  "ss_lower",  "aircon"};
inline constexpr const char* kStationFareColumns[kStationFareAmountCount] = {
    "hard_seat", "soft_seat", "hs_upper", "hs_middle", "hs_lower",
    "ss_upper",  "ss_lower",  "second",   "first"};

std::vector<ColumnSpec> StationColumns();
std::vector<ColumnSpec> TrainColumns();
std::vector<ColumnSpec> StopColumns();
std::vector<ColumnSpec> FareBandColumns();
std::vector<ColumnSpec> StationFareColumns();
std::vector<ColumnSpec> RateColumns();

// A decimal integer with an optional sign and nothing else.
std::optional<long long> ParseInteger(std::string_view text);

inline bool IsPrintableAscii(char c) {
  return c > ' ' && c < 0x7F;
}
// Printable ASCII without blanks, at least one character.
bool IsPlainAscii(std::string_view text);
bool IsTime(std::string_view hhmm);

// Each returns what is wrong with the value, or nothing when it is allowed.
std::optional<std::string> StationNameProblem(std::u16string_view name);
std::optional<std::string> StationKeyProblem(std::string_view key);
std::optional<std::string> TrainTextProblem(std::string_view text);
std::optional<std::string> TrainNumberProblem(std::string_view number);
std::optional<std::string> SeatsProblem(std::string_view seats);
std::optional<std::string> SpareRecordProblem(std::string_view utf8, std::u16string_view text);

// "1,0,0;7,0,0,101" <-> segments.
bool ParseFarePlan(std::string_view text, std::vector<FareSegment>& plan, std::string& problem);
std::string FormatFarePlan(const std::vector<FareSegment>& plan);

}  // namespace tavra::datatool
