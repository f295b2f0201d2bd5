#include "datatool/generator.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace tavra::datatool {
namespace {

// Small, fast and the same everywhere (std::*_distribution is not).
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int Between(int lo, int hi) {
    return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1));
  }

 private:
  uint32_t state_;
};

// Sixty common characters of place names, each with the initial of its reading.
constexpr char16_t kNameChars[] =
    u"北南东西中山江河湖海天安平长新城阳春州口门台庄营家店桥关坪林水石沟镇寨集铺屯岗坡峪湾堡泉源溪"
    u"岭峰岩川坝滩塘渡桑梅松柏兴隆";
constexpr char kNameInitials[] = "BNDXZSJHHHTAPCXCYCZKMTZYJDQGPLSSGZZJPTGPYWBQYXLFYCBTTDSMSBXL";
constexpr int kPool = 60;
static_assert(sizeof kNameChars / sizeof kNameChars[0] == kPool + 1);
static_assert(sizeof kNameInitials == kPool + 1);

std::u16string StationNameOf(int i, std::string& key) {
  int length = 2 + i % 3;
  int code = i / 3;
  std::u16string name;
  key.clear();
  for (int k = 0; k < length; ++k) {
    name.push_back(kNameChars[code % kPool]);
    key.push_back(kNameInitials[code % kPool]);
    code /= kPool;
  }
  return name;
}

std::string Hhmm(int minuteOfDay) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d%02d", minuteOfDay / 60 % 24, minuteOfDay % 60);
  return buf;
}

std::string TrainNumberOf(int t) {
  static const char* const prefixes[] = {"G", "D", "C", "Z", "T", "K", "", "", "L", "Y"};
  const char* p = prefixes[t % 10];
  int serial = t / 10 + 1;
  if (*p == '\0') return std::to_string((t % 10 == 6 ? 1000 : 6000) + serial);
  return p + std::to_string(serial);
}

}  // namespace

TimetableSource GenerateTimetable(const GeneratorSize& size) {
  Random rnd(size.seed);
  TimetableSource src;
  src.version = static_cast<int32_t>(20260000 + size.seed);
  const int stations = std::max(2, size.stations);
  for (int i = 0; i < stations; ++i) {
    SourceStation s;
    s.name = StationNameOf(i, s.key);
    src.stations.push_back(std::move(s));
  }

  src.fareBands.clear();
  for (const char* tariff : {"T01", "T02"})
    for (int from = 1; from <= 4000; from += 200) {
      SourceFareBand b;
      b.tariff = tariff;
      b.fromKm = from;
      b.toKm = from + 199;
      int base = from / 20 + (tariff[2] - '0') * 3;
      for (int k = 0; k < kBandAmountCount; ++k) {
        b.amounts[static_cast<size_t>(k)] = std::min(999, base + 5 * k);
        b.acAmounts[static_cast<size_t>(k)] = std::min(999, base + 6 * k + 2);
      }
      src.fareBands.push_back(b);
    }

  const int trains = std::max(1, size.trains);
  const int calls = std::clamp(size.calls, 2 * trains, 99 * trains);
  std::vector<std::string> numbers;
  for (int t = 0; t < trains; ++t) {
    SourceTrain train;
    train.number = TrainNumberOf(t);
    // Now and then a train that changes its number on the way, and short numbers.
    if (t % 97 == 5)
      train.number +=
          "/" + std::string(1, train.number[0] == 'K' ? 'K' : 'T') + std::to_string(t / 10 + 2);
    if (t % 101 == 7) train.number = std::to_string(t % 999 + 1) + "/" + train.number;
    const char c = train.number[0];
    train.classCode = c == 'G' || c == 'C' ? 'G'
                      : c == 'D'           ? 'D'
                      : c == 'Z'           ? '1'
                      : c == 'T'           ? '2'
                      : c == 'K'           ? 'A'
                                           : c;
    train.seats = (c == 'G' || c == 'D' || c == 'C') ? "0600" : "1011";
    train.airCon = t % 7 == 3 ? '0' : '1';
    if (t % 50 == 1) {
      train.fares = {{'1', 50, 0, ""}, {'7', 0, 0, "T01"}, {'2', 10, 0, "T02"}};
    } else {
      train.fares = {{'1', train.airCon == '1' ? 50 : 0, 0, ""}};
    }
    src.trains.push_back(train);
  }

  const int hubs = std::min(40, stations);
  int remaining = calls;
  for (int t = 0; t < trains; ++t) {
    const SourceTrain& train = src.trains[static_cast<size_t>(t)];
    int count = remaining / (trains - t);
    remaining -= count;
    int station = rnd.Between(0, stations - 1);
    int step = rnd.Between(1, std::max(1, stations / 50));
    int minute = rnd.Between(0, 1439), km = 0;
    for (int k = 0; k < count; ++k) {
      SourceStop s;
      s.train = train.number;
      s.station = src.stations[static_cast<size_t>(station)].name;
      s.km = km;
      if (k > 0) s.arrive = Hhmm(minute);
      int dwell = k == 0 || k + 1 == count ? 0 : rnd.Between(1, 6);
      minute += dwell;
      // The day of the departure, as in real timetables: a stop over midnight has the
      // later day, and the list's running time counts its arrival on the day before.
      s.day = minute / 1440;
      if (k + 1 < count) s.depart = Hhmm(minute);
      if (train.fares.size() > 1) {
        s.hasFareKm = true;
        s.fareKm = {km, km / 2, km / 3, 0, 0, 0, 0};
      }
      src.stops.push_back(std::move(s));
      int hop = rnd.Between(5, 40);
      km += hop;
      minute += hop * 60 / rnd.Between(80, 300) + 1;
      station = (station + step + rnd.Between(0, 3)) % stations;
      // Like a real network, a few hub stations see many trains: one call in five.
      if (rnd.Between(0, 4) == 0) station = rnd.Between(0, hubs - 1) * (stations / hubs);
    }
  }

  for (int t = 3; t < trains; t += 97)
    src.rates.push_back(
        {src.trains[static_cast<size_t>(t)].number, t % 2 ? 20 : 0, 10, 5, 15, 0, {}});
  for (size_t i = 0; i + 1 < src.stops.size() && src.stationFares.size() < 200; i += 499) {
    const SourceStop& a = src.stops[i];
    const SourceStop& b = src.stops[i + 1];
    if (a.train != b.train) continue;
    SourceStationFare f{a.station, b.station, a.train, {}, {}};
    for (int k = 0; k < kStationFareAmountCount; ++k)
      f.amounts[static_cast<size_t>(k)] = 100 + 35 * k;
    src.stationFares.push_back(f);
  }
  return src;
}

}  // namespace tavra::datatool
