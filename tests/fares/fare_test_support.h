#pragma once
// Pricing one result line the way the row builder does, on timetables built from small
// sources: every fare test states a train, a journey and the prices it must show.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "data/lookup.h"
#include "data/parsed_records.h"
#include "data/record_fields.h"
#include "fares/fare_engine.h"
#include "fares/fare_state.h"
#include "fares/fare_text.h"
#include "platform/utf8.h"
#include "results/result_row.h"
#include "results/row_texts.h"
#include "support/test_support.h"

namespace tavra::test {

// One journey of a fare test: a trains.tsv line ("T1\t2\t1011\t1\t1,50,0") whose train
// runs from 甲 to 乙 over `km`; `fareKm` ("300,50,0,0,0,0,0") gives the alighting call's
// fare distances (the boarding call's are then all 0), empty for none.
struct Journey {
  std::string train;
  int km = 0;
  std::string fareKm;
};

// Stations 甲, 乙 and 丙; each journey's train runs 甲 → 乙.
inline Source FareSource(const std::vector<Journey>& journeys,
                         std::vector<datatool::SourceFile> extra = {}) {
  Source s;
  s.stations = "name\tkey\n甲\tJ\n乙\tY\n丙\tB\n";
  s.trains = "train\tclass\tseats\taircon\tfares\n";
  s.stops = "train\tstation\tarrive\tdepart\tday\tkm\tfare_km\n";
  for (const Journey& j : journeys) {
    s.trains += j.train + "\n";
    std::string number = j.train.substr(0, j.train.find('\t'));
    std::string zero = j.fareKm.empty() ? "" : "0,0,0,0,0,0,0";
    s.stops += number + "\t甲\t\t0800\t0\t0\t" + zero + "\n";
    s.stops += number + "\t乙\t1000\t\t0\t" + std::to_string(j.km) + "\t" + j.fareKm + "\n";
  }
  s.extra = std::move(extra);
  return s;
}

// Tariffs "101" (bands 1-100, 101-300, 301-600, numbered 1, 2, 3) and "147" (one band
// 1-2000, numbered 9): band n holds hard seat n, then n+10 … n+80 for soft seat, express,
// the five berths and air-conditioning; the air-conditioned set adds 100 to each. Fixed
// fares of T1 from 甲 to 乙 (23.5 hard seat) and to 丙.
inline std::vector<datatool::SourceFile> FareTables() {
  std::string bands = "tariff\tfrom_km\tto_km";
  for (const char* prefix : {"", "ac_"})
    for (const char* name : {"hard_seat", "soft_seat", "express", "hs_upper", "hs_middle",
                             "hs_lower", "ss_upper", "ss_lower", "aircon"})
      bands += std::string("\t") + prefix + name;
  bands += "\n";
  auto band = [&](const char* tariff, int n, int from, int to) {
    bands += std::string(tariff) + "\t" + std::to_string(from) + "\t" + std::to_string(to);
    for (int set = 0; set < 2; ++set)
      for (int k = 0; k < 9; ++k) bands += "\t" + std::to_string(n + 10 * k + 100 * set);
    bands += "\n";
  };
  band("147", 9, 1, 2000);
  band("101", 3, 301, 600);  // out of order in the source: the compiler sorts the bands
  band("101", 1, 1, 100);
  band("101", 2, 101, 300);
  std::string fixed =
      "from\tto\ttrain\thard_seat\tsoft_seat\ths_upper\ths_middle\ths_lower\tss_upper\tss_lower"
      "\tsecond\tfirst\n"
      "甲\t丙\tT1\t1\t2\t3\t4\t5\t6\t7\t8\t9\n"
      "甲\t乙\tT1\t235\t470\t500\t510\t520\t800\t820\t300\t450\n";
  return {{"fare_bands.tsv", bands}, {"station_fares.tsv", fixed}};
}

// A loaded timetable and a fare state on it, with the row builder's part of pricing.
class FareBench {
 public:
  explicit FareBench(const Source& source) : data_(Load(source)), q_(*data_), rows_(8) {}

  FareState& q() { return q_; }
  ResultRow& row() { return rows_[static_cast<size_t>(current_)]; }

  // Loads the journey of `train` from `from` to `to` into row `rowIndex` as the row builder
  // does before it asks for fares: distances, fare distances, train and express multiple.
  void Prepare(std::u16string_view train, int rowIndex = 0, std::u16string_view from = u"甲",
               std::u16string_view to = u"乙") {
    q_.m_fromStop = Call(train, from);
    q_.m_toStop = Call(train, to);
    current_ = rowIndex;
    if (rows_.size() <= static_cast<size_t>(rowIndex)) rows_.resize(rowIndex + 1);
    ResultRow& r = row();
    q_.m_pLine = &r;
    r.distanceText = WholeText(q_.m_toStop.km - q_.m_fromStop.km);
    r.SetFareDistances(q_.m_fromStop, q_.m_toStop);
    ParseTrainRecord(*data_, GetRecord(*data_, TrainTable, ParseLeadingInt(q_.m_fromStop.train)),
                     q_.m_train);
    q_.m_nExpressMultiple =
        ClassOf(q_.m_train[TrainInfo::ClassCode], q_.m_train[TrainInfo::AirCon]).expressMultiple;
  }

  // Prepares and prices the line; a train with a kind-6 segment after the first keeps the
  // soft-seat, multiple-unit and soft-sleeper texts of the soft-class computation.
  ResultRow& Price(std::u16string_view train, int rowIndex = 0, std::u16string_view from = u"甲",
                   std::u16string_view to = u"乙") {
    Prepare(train, rowIndex, from, to);
    bool kind6 = false;
    for (int k = 1; k <= 5; ++k) kind6 |= q_.m_train[TrainInfo::FareKind0 + k] == u"6";
    ResultRow soft;
    if (kind6) ComputeSoftClassFares(q_), soft = row();
    ComputeFares(q_);
    for (auto text :
         {&ResultRow::softSeat, &ResultRow::secondClass, &ResultRow::firstClass,
          &ResultRow::softSleeper, &ResultRow::softSleeperUpper, &ResultRow::softSleeperLower})
      if (kind6) row().*text = soft.*text;
    return row();
  }

 private:
  StopInfo Call(std::u16string_view train, std::u16string_view station) {
    for (int r = 0; r < data_->Table(StopTable).size(); ++r) {
      StopInfo s = ParseStopRecord(*data_, GetRecord(*data_, StopTable, r));
      if (TrainNumberText(*data_, s.train) == train && StationName(*data_, s.station) == station)
        return s;
    }
    ADD_FAILURE() << "no call of " << Utf16ToUtf8(train) << " at " << Utf16ToUtf8(station);
    return {};
  }

  std::unique_ptr<TimetableData> data_;
  FareState q_;
  std::vector<ResultRow> rows_;
  int current_ = 0;
};

// The six price columns as the list shows them: 硬座|软座|二等|一等|硬卧上中下|软卧上/下.
inline std::string Shown(const ResultRow& r) {
  return Utf16ToUtf8(r.hardSeat + u"|" + r.softSeat + u"|" + r.secondClass + u"|" + r.firstClass +
                     u"|" + r.hardSleeper + u"|" + r.softSleeper);
}

// The five berth texts: hard upper, middle, lower, soft upper, lower.
inline std::string Berths(const ResultRow& r) {
  return Utf16ToUtf8(r.hardSleeperUpper + u"," + r.hardSleeperMiddle + u"," + r.hardSleeperLower +
                     u"," + r.softSleeperUpper + u"," + r.softSleeperLower);
}

inline std::string Berths(const FareSet& f) {
  std::ostringstream out;
  out << f.hardSleeperUpper << "," << f.hardSleeperMiddle << "," << f.hardSleeperLower << ","
      << f.softSleeperUpper << "," << f.softSleeperLower;
  return out.str();
}

}  // namespace tavra::test
