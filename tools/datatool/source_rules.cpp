#include "datatool/source_rules.h"

#include <charconv>

#include "platform/gbk_codec.h"
#include "platform/utf8.h"

namespace tavra::datatool {

std::vector<ColumnSpec> StationColumns() {
  return {{"name", true}, {"key", true}};
}
std::vector<ColumnSpec> TrainColumns() {
  return {{"train", true}, {"class", true},    {"seats", true}, {"aircon", true},
          {"fares", true}, {"numbers", false}, {"extra", false}};
}
std::vector<ColumnSpec> StopColumns() {
  return {{"train", true}, {"station", true}, {"arrive", false}, {"depart", false},
          {"day", true},   {"km", true},      {"run", false},    {"fare_km", false}};
}
std::vector<ColumnSpec> FareBandColumns() {
  std::vector<ColumnSpec> c{{"tariff", true}, {"from_km", true}, {"to_km", true}};
  for (const char* name : kBandColumns) c.push_back({name, true});
  for (const char* name : kBandColumns) c.push_back({std::string("ac_") + name, true});
  return c;
}
std::vector<ColumnSpec> StationFareColumns() {
  std::vector<ColumnSpec> c{{"from", true}, {"to", true}, {"train", true}};
  for (const char* name : kStationFareColumns) c.push_back({name, true});
  return c;
}
std::vector<ColumnSpec> RateColumns() {
  return {{"train", true},     {"common", true}, {"hard_seat", true},
          {"soft_seat", true}, {"berth", true},  {"extra", false}};
}

std::optional<long long> ParseInteger(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.size() > 18) return std::nullopt;
  long long v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

bool IsPlainAscii(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!IsPrintableAscii(c)) return false;
  return true;
}

bool IsTime(std::string_view t) {
  if (t.size() != 4) return false;
  for (char c : t)
    if (c < '0' || c > '9') return false;
  return (t[0] - '0') * 10 + (t[1] - '0') <= 23 && t[2] <= '5';
}

std::optional<std::string> StationNameProblem(std::u16string_view name) {
  std::string shown = Utf16ToUtf8(name);
  if (name.empty() || name.size() > 5)
    return "station name \"" + shown + "\" has " + std::to_string(name.size()) +
           " characters; 1 to 5 are allowed";
  for (char16_t c : name)
    if (c <= u' ' || c == 0x3000 || c == 0x7F)
      return "station name \"" + shown + "\" contains a blank or control character";
  bool lossless = true;
  std::string gbk = Utf16ToGbk(name, &lossless);
  if (!lossless) return "station name \"" + shown + "\" has a character that GBK cannot encode";
  if (gbk.size() > 10)
    return "station name \"" + shown + "\" takes " + std::to_string(gbk.size()) +
           " GBK bytes; at most 10 are allowed";
  return std::nullopt;
}

std::optional<std::string> StationKeyProblem(std::string_view key) {
  bool ok = !key.empty() && key.size() <= 5;
  for (char c : key) ok = ok && c >= 'A' && c <= 'Z';
  if (ok) return std::nullopt;
  return "key \"" + std::string(key) + "\" is not allowed; a key is 1 to 5 capital letters A-Z";
}

std::optional<std::string> TrainTextProblem(std::string_view text) {
  if (text.size() > 19 || !IsPlainAscii(text))
    return "train \"" + std::string(text) +
           "\" is not allowed; a train number text is 1 to 19 ASCII characters without blanks";
  return std::nullopt;
}

std::optional<std::string> TrainNumberProblem(std::string_view n) {
  bool ok = !n.empty() && n.size() <= 5;
  if (ok) {
    size_t digitsFrom = (n[0] >= 'A' && n[0] <= 'Z') ? 1 : 0;
    ok = n.size() > digitsFrom;
    for (size_t i = digitsFrom; i < n.size(); ++i) ok = ok && n[i] >= '0' && n[i] <= '9';
  }
  if (ok) return std::nullopt;
  return "train number \"" + std::string(n) +
         "\" is not allowed; a number is 1 to 5 characters: digits, or a capital letter followed "
         "by digits";
}

std::optional<std::string> SeatsProblem(std::string_view s) {
  if (s.size() == 4 && (s[0] == '0' || s[0] == '1') && s[1] >= '0' && s[1] <= '7' &&
      (s[2] == '0' || s[2] == '1') && (s[3] == '0' || s[3] == '1'))
    return std::nullopt;
  return "seats \"" + std::string(s) +
         "\" is not allowed; write four characters: hard seats 1/0, seat-class mask 0-7, hard "
         "sleepers 1/0, soft sleepers 1/0 (e.g. 1011)";
}

std::optional<std::string> SpareRecordProblem(std::string_view utf8, std::u16string_view text) {
  bool lossless = true;
  if (!IsValidUtf8(utf8)) return std::string("the line is not valid UTF-8");
  std::string gbk = Utf16ToGbk(text, &lossless);
  if (!lossless) return std::string("the line has a character that GBK cannot encode");
  if (gbk.size() != 13)
    return "the line takes " + std::to_string(gbk.size()) +
           " bytes; a spare record takes exactly 13";
  return std::nullopt;
}

bool ParseFarePlan(std::string_view text, std::vector<FareSegment>& plan, std::string& problem) {
  plan.clear();
  std::vector<std::string> segments = Split(text, ';');
  if (segments.size() > 6) {
    problem =
        "the fare plan has " + std::to_string(segments.size()) + " segments; at most 6 are allowed";
    return false;
  }
  for (size_t s = 0; s < segments.size(); ++s) {
    std::vector<std::string> parts = Split(segments[s], ',');
    for (auto& p : parts) p = std::string(TrimAscii(p));
    std::string which = "fare segment " + std::to_string(s + 1) + " \"" + segments[s] + "\"";
    size_t want = s == 0 ? 3 : 4;
    if (parts.size() != want) {
      problem =
          which + " needs " + (s == 0 ? "kind,percentA,percentB" : "kind,percentA,percentB,tariff");
      return false;
    }
    FareSegment seg;
    if (parts[0].size() != 1 || !IsPrintableAscii(parts[0][0]) || parts[0][0] == '-') {
      problem = which + ": the fare kind is one ASCII character other than '-'";
      return false;
    }
    seg.kind = parts[0][0];
    for (int k = 1; k <= 2; ++k) {
      std::optional<long long> v = ParseInteger(parts[static_cast<size_t>(k)]);
      if (!v || *v < 0 || *v > 99) {
        problem = which + ": a percentage is a whole number from 0 to 99";
        return false;
      }
      (k == 1 ? seg.percentA : seg.percentB) = static_cast<int>(*v);
    }
    if (s > 0) {
      seg.tariff = parts[3];
      if (seg.tariff.size() != 3 || !IsPlainAscii(seg.tariff)) {
        problem = which + ": the tariff code is three ASCII characters";
        return false;
      }
    }
    plan.push_back(seg);
  }
  return true;
}

std::string FormatFarePlan(const std::vector<FareSegment>& plan) {
  std::string out;
  for (size_t s = 0; s < plan.size(); ++s) {
    if (s) out += ';';
    out += std::string(1, plan[s].kind) + "," + std::to_string(plan[s].percentA) + "," +
           std::to_string(plan[s].percentB);
    if (s) out += "," + plan[s].tariff;
  }
  return out;
}

}  // namespace tavra::datatool
