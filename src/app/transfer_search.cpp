// Change stations for a journey without a direct train: stations reached after the
// boarding call on the first leg and before the destination call on the second, with the
// stations of one city (a name and the same name with a direction suffix) pooled.
#include <algorithm>
#include <string_view>
#include <vector>

#include "app/query_core.h"
#include "app/row_range.h"
#include "data/checked_record.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "data/text_compare.h"
#include "results/row_texts.h"

namespace tavra {
namespace {

bool IsDirection(char16_t c) {
  return c == u'北' || c == u'西' || c == u'南' || c == u'东';
}

bool EndsInDirection(std::u16string_view name) {
  name = TrimRight(name);
  return !name.empty() && IsDirection(name.back());
}

// "%4d".
std::u16string Number4(int value) {
  std::u16string text = DecimalText(value);
  if (text.size() < 4) text.insert(0, 4 - text.size(), u' ');
  return text;
}

// The parts of a call the walk needs, read straight from its record: the walk visits
// every call of every train at either end, so nothing else is copied.
struct CallKey {
  std::u16string_view station, seq;
  int km;
};
CallKey ReadCall(const TimetableData& data, int runRow, RecordDamage& damage) {
  const CheckedRecord call(data, StopTable, ReadRunCall(data, runRow, damage), damage);
  return {call.Row(stop_record::kStation, StationTable), call.Digits(stop_record::kSeq),
          call.Number(stop_record::kKm)};
}

}  // namespace

std::u16string QueryCore::BaseStationOf(std::u16string_view name) const {
  name = TrimRight(name);
  if (name.empty() || !IsDirection(name.back())) return {};
  const int row = FindStationRow(m_data, name.substr(0, name.size() - 1));
  return row < 0 ? std::u16string() : Number4(row);
}

std::u16string QueryCore::SameCityStations(std::u16string_view name) const {
  const int f = FindStationRow(m_data, name);
  if (f < 0) return {};
  const std::u16string base(
      TrimRight(name.substr(0, std::min(name.size(), station_record::kName.len))));
  const RecordTable& stations = m_data.Table(StationTable);
  const int count = std::min(m_data.stationCount, stations.size());
  // Names that start with `base` lie together in name order; a sibling is one of them with
  // a direction character or a blank right after `base`. The whole run is walked, so a
  // name like base + "丰台" sorting between two siblings does not hide the later one.
  auto startsWithBase = [&](int row) {
    return Field(stations.Record(row), station_record::kName).substr(0, base.size()) == base;
  };
  auto sibling = [&](int row) {
    const std::u16string_view field = Field(stations.Record(row), station_record::kName);
    if (field.size() <= base.size()) return false;
    const char16_t next = field[base.size()];
    return next == u' ' || IsDirection(next);
  };
  std::u16string numbers;
  for (int r = f - 1; r >= 0 && startsWithBase(r); --r)
    if (sibling(r)) numbers += Number4(r);
  for (int r = f + 1; r < count && startsWithBase(r); ++r)
    if (sibling(r)) numbers += Number4(r);
  return numbers;
}

bool QueryCore::FindTransferStationsBetween(std::u16string_view from, std::u16string_view to) {
  m_strFromStation = from;
  m_strToStation = to;
  m_damage.Clear();
  if (!FindFromStation() || !FindToStation()) return false;
  FindTransferStations();
  return !ReportDamage();
}

void QueryCore::FindTransferStations() {
  const RecordTable& stops = m_data.Table(StopTable);
  const RecordTable& runs = m_data.Table(TrainStopTable);
  const int stationCount = m_data.Table(StationTable).size();
  std::vector<int> slot(static_cast<size_t>(stationCount), -1);
  std::vector<TransferCandidate> candidates;
  // The candidate of a station number, or null for a number outside the station table.
  auto slotOf = [&](std::u16string_view station) -> int* {
    const int n = ParseLeadingInt(station);
    return n >= 0 && n < stationCount ? &slot[static_cast<size_t>(n)] : nullptr;
  };
  auto add = [&](int* s, TransferCandidate c) {
    *s = static_cast<int>(candidates.size());
    candidates.push_back(std::move(c));
  };
  auto runOf = [&](const StopInfo& call) {
    ParseTrain(call.train);
    return RowsWithin(runs, ParseLeadingInt(m_train[TrainInfo::FirstRunRow]),
                      ParseLeadingInt(m_train[TrainInfo::LastRunRow]));
  };

  // First leg: every call after the boarding call.
  {
    const auto [first, last] = RowsWithin(stops, m_nFromFirst, m_nFromLast);
    for (int r = first; r <= last; ++r) {
      m_fromStop = ParseCall(r);
      const int k0 = m_fromStop.km;
      const auto [runFirst, runLast] = runOf(m_fromStop);
      bool after = false;
      for (int t = runFirst; t <= runLast; ++t) {
        const CallKey s = ReadCall(m_data, t, m_damage);
        if (!after) {
          after = s.station == m_fromStop.station && s.seq == m_fromStop.seq;
          continue;
        }
        int* station = slotOf(s.station);
        if (!station) continue;
        if (*station < 0) {
          add(station, {std::u16string(s.station), s.km - k0, 0, 1, 0});
        } else {
          TransferCandidate& c = candidates[static_cast<size_t>(*station)];
          ++c.fromTrains;
          if (c.fromKm == 0) c.fromKm = s.km - k0;
        }
      }
    }
  }
  // Second leg: every call up to the destination call.
  {
    const auto [first, last] = RowsWithin(stops, m_nToFirst, m_nToLast);
    for (int r = first; r <= last; ++r) {
      m_toStop = ParseCall(r);
      const int k1 = m_toStop.km;
      const auto [runFirst, runLast] = runOf(m_toStop);
      for (int t = runFirst; t <= runLast; ++t) {
        const CallKey s = ReadCall(m_data, t, m_damage);
        int* station = slotOf(s.station);
        if (station && *station < 0) {
          // Reached on this leg only: a change there needs another station of its city.
          const std::u16string name = StationName(m_data, s.station);
          if (!SameCityStations(name).empty() || EndsInDirection(name))
            add(station, {std::u16string(s.station), 0, k1 - s.km, 0, 1});
        } else if (station) {
          TransferCandidate& c = candidates[static_cast<size_t>(*station)];
          ++c.toTrains;
          if (c.toKm == 0) c.toKm = k1 - s.km;
        }
        if (s.station == m_toStop.station && s.seq == m_toStop.seq) break;
      }
    }
  }

  // City pooling, and the candidates served on both legs. Appended base stations are
  // examined in their turn.
  HandOver& h = *m_pApp;
  h.m_transfers.clear();
  for (size_t i = 0; i < candidates.size(); ++i) {
    const std::u16string name = StationName(m_data, candidates[i].stationNo);
    if (EndsInDirection(name)) {
      const std::u16string base = BaseStationOf(name);
      int* baseSlot = base.empty() ? nullptr : slotOf(base);
      if (baseSlot && *baseSlot < 0) add(baseSlot, {base, 0, 0, 0, 0});
    } else {
      const std::u16string siblings = SameCityStations(name);
      for (size_t k = 0; k + 4 <= siblings.size(); k += 4) {
        const int* d = slotOf(std::u16string_view(siblings).substr(k, 4));
        if (!d || *d < 0) continue;
        const TransferCandidate& other = candidates[static_cast<size_t>(*d)];
        TransferCandidate& c = candidates[i];
        if (c.fromKm == 0) c.fromKm = other.fromKm;
        if (c.toKm == 0) c.toKm = other.toKm;
        c.fromTrains += other.fromTrains;
        c.toTrains += other.toTrains;
      }
    }
    if (candidates[i].fromTrains >= 1 && candidates[i].toTrains >= 1)
      h.m_transfers.push_back(candidates[i]);
  }
  h.m_nTransfers = static_cast<int32_t>(h.m_transfers.size());
}

}  // namespace tavra
