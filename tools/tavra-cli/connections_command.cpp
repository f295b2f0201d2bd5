// Printing journeys. Table and tsv show one line per leg, with the journey's number; the
// table adds a line 全程 with the whole journey. Columns of tsv, in this order:
//   journey, train, from, depart, to, arrive, km, duration (hh:mm), wait (minutes before
//   this leg, empty for the first), hard_seat, soft_seat, second_class, first_class,
//   hard_sleeper, soft_sleeper (the leg's prices as the lists show them), journey_depart,
//   journey_arrive (HH:MM), journey_minutes, journey_km, journey_wait (empty without a
//   change), and the journey's six summed prices in the order of the leg's.
// The last line is the count, 共:N.
#include <charconv>
#include <cstdio>

#include "app/journey_rows.h"
#include "app/query_core.h"
#include "cli_command_runs.h"
#include "cli_output.h"
#include "data/lookup.h"
#include "data/record_fields.h"
#include "platform/utf8.h"
#include "resources/fixed_texts.h"
#include "results/row_texts.h"
#include "station_argument.h"
#include "text_width.h"

namespace tavra::cli {

namespace {

std::string JsonString(const std::string& text) {
  return nlohmann::json(text).dump();
}

bool ReadCount(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && p == end;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "tavra-cli: connections: %s\n", message.c_str());
  return 1;
}

std::string Clock(int minutes) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", minutes / 60 % 24, minutes % 60);
  return buf;
}

std::string U8(std::u16string_view text) {
  return Utf16ToUtf8(Trim(text));
}

std::vector<std::string> Prices(const ResultRow& r) {
  return {U8(r.hardSeat),   U8(r.softSeat),    U8(r.secondClass),
          U8(r.firstClass), U8(r.hardSleeper), U8(r.softSleeper)};
}
std::vector<std::string> Prices(const JourneyPrices& p) {
  return {U8(p.hardSeat),   U8(p.softSeat),    U8(p.secondClass),
          U8(p.firstClass), U8(p.hardSleeper), U8(p.softSleeper)};
}

// The cells of one leg: journey number, train, from, depart, to, arrive, km, duration, wait.
std::vector<std::string> LegCells(int number, const Journey& j, int leg) {
  const ResultRow& r = j.rows[static_cast<size_t>(leg)];
  std::vector<std::string> cells = {
      std::to_string(number), U8(r.trainText),    U8(r.fromName),
      U8(r.departText),       U8(r.toName),       U8(r.arriveText),
      U8(r.distanceText),     U8(r.durationText), leg == 1 ? std::to_string(j.plan.wait) : ""};
  for (std::string& p : Prices(r)) cells.push_back(std::move(p));
  return cells;
}

// A price text as JSON: a number, numbers for the berths, or null for "－".
std::string JsonPrice(const std::string& text) {
  if (text.empty() || text == "－") return "null";
  if (text.find('/') == std::string::npos) return text;
  std::string list = "[";
  for (char c : text) list += c == '/' ? ',' : c;
  return list + "]";
}

std::string JsonPrices(const std::vector<std::string>& p) {
  static const char* const kKeys[] = {"hard_seat",   "soft_seat",    "second_class",
                                      "first_class", "hard_sleeper", "soft_sleeper"};
  std::string json = "{";
  for (size_t k = 0; k < p.size(); ++k)
    json += std::string(k ? "," : "") + "\"" + kKeys[k] + "\":" + JsonPrice(p[k]);
  return json + "}";
}

// The journeys as one JSON document.
std::string JourneysJson(const std::vector<Journey>& journeys) {
  std::string json = "{\"journeys\":[";
  for (size_t n = 0; n < journeys.size(); ++n) {
    const Journey& j = journeys[n];
    const JourneyPlan& p = j.plan;
    json += std::string(n ? "," : "") + "{\"depart\":\"" + Clock(p.depart) + "\",\"arrive\":\"" +
            Clock(p.Arrival()) + "\",\"days\":" + std::to_string(p.Arrival() / 1440) +
            ",\"minutes\":" + std::to_string(p.minutes) + ",\"km\":" + std::to_string(p.km) +
            ",\"wait\":" + (p.Direct() ? "null" : std::to_string(p.wait)) + ",\"change\":";
    if (p.Direct()) {
      json += "null";
    } else {
      json += '[';
      json += JsonString(U8(j.rows[0].toName));
      json += ',';
      json += JsonString(U8(j.rows[1].fromName));
      json += ']';
    }
    json += ",\"prices\":" + JsonPrices(Prices(j.prices)) + ",\"legs\":[";
    for (int leg = 0; leg < p.legCount; ++leg) {
      const ResultRow& r = j.rows[static_cast<size_t>(leg)];
      const Ride& ride = p.rides[static_cast<size_t>(leg)];
      json += std::string(leg ? "," : "") + "{\"train\":" + JsonString(U8(r.trainText)) +
              ",\"from\":" + JsonString(U8(r.fromName)) + ",\"to\":" + JsonString(U8(r.toName)) +
              ",\"depart\":" + JsonString(U8(r.departText)) +
              ",\"arrive\":" + JsonString(U8(r.arriveText)) + ",\"km\":" + U8(r.distanceText) +
              ",\"minutes\":" + std::to_string(ride.arrive - ride.depart) +
              ",\"class\":" + JsonString(U8(r.classText)) + ",\"prices\":" + JsonPrices(Prices(r)) +
              "}";
    }
    json += "]}";
  }
  return json + "],\"count\":" + std::to_string(journeys.size()) + "}";
}

void PrintTsv(const std::vector<Journey>& journeys) {
  for (size_t n = 0; n < journeys.size(); ++n) {
    const Journey& j = journeys[n];
    const JourneyPlan& p = j.plan;
    std::vector<std::string> whole = {Clock(p.depart), Clock(p.Arrival()),
                                      std::to_string(p.minutes), std::to_string(p.km),
                                      p.Direct() ? "" : std::to_string(p.wait)};
    for (std::string& price : Prices(j.prices)) whole.push_back(std::move(price));
    for (int leg = 0; leg < p.legCount; ++leg) {
      std::vector<std::string> cells = LegCells(static_cast<int>(n + 1), j, leg);
      cells.insert(cells.end(), whole.begin(), whole.end());
      std::string line;
      for (size_t k = 0; k < cells.size(); ++k) line += (k ? "\t" : "") + cells[k];
      std::printf("%s\n", line.c_str());
    }
  }
  std::printf("共:%zu\n", journeys.size());
}

void PrintTable(const std::vector<Journey>& journeys) {
  std::vector<std::vector<std::string>> lines = {{"序号", "车次", "发站", "发时", "到站", "到时",
                                                  "里程", "历时", "等候", "硬座", "软座", "二等座",
                                                  "一等座", "硬卧上中下", "软卧上/下"}};
  for (size_t n = 0; n < journeys.size(); ++n) {
    const Journey& j = journeys[n];
    const JourneyPlan& p = j.plan;
    for (int leg = 0; leg < p.legCount; ++leg)
      lines.push_back(LegCells(static_cast<int>(n + 1), j, leg));
    if (p.Direct()) continue;
    const int days = p.Arrival() / 1440;
    std::vector<std::string> whole = {
        "",
        "全程",
        U8(j.rows[0].fromName),
        Clock(p.depart),
        U8(j.rows[1].toName),
        Clock(p.Arrival()) + (days ? std::string("+").append(std::to_string(days)) : std::string()),
        std::to_string(p.km),
        U8(DurationText(p.minutes)),
        std::to_string(p.wait)};
    for (std::string& price : Prices(j.prices)) whole.push_back(std::move(price));
    lines.push_back(std::move(whole));
  }
  std::vector<int> widths(lines[0].size(), 0);
  for (const auto& cells : lines)
    for (size_t k = 0; k < cells.size(); ++k)
      widths[k] = std::max(widths[k], DisplayWidth(Utf8ToUtf16(cells[k])));
  for (const auto& cells : lines) {
    std::string line;
    for (size_t k = 0; k < cells.size(); ++k) {
      if (k) line += "  ";
      line += cells[k];
      if (k + 1 < cells.size())
        line.append(static_cast<size_t>(widths[k] - DisplayWidth(Utf8ToUtf16(cells[k]))), ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::printf("%s\n", line.c_str());
  }
  std::printf("共:%zu\n", journeys.size());
}

}  // namespace

int RunConnectionsCommand(CliSession& session, const Command& command) {
  const TimetableData& data = session.data();
  const Format format = session.options().format;
  UserMessages& messages = session.messages();
  // FROM, TO, then the options as they were written.
  std::vector<std::string> args = command.args;
  for (const auto& [name, value] : command.options) {
    args.push_back(name);
    if (name != "--include-direct") args.push_back(value);
  }
  ConnectionOptions options;
  int limit = -1;
  for (size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--include-direct") {
      options.includeDirect = true;
      continue;
    }
    int value = 0;
    if (i + 1 >= args.size() || !ReadCount(args[i + 1], value) || value < 0 ||
        (a != "--limit" && value >= 1440))
      return Fail(a + (a == "--limit" ? " needs a number of journeys, 0 or more"
                                      : " needs a number of minutes from 0 to 1439"));
    ++i;
    (a == "--min-change"        ? options.minChange
     : a == "--min-change-city" ? options.minChangeCity
     : a == "--max-wait"        ? options.maxWait
                                : limit) = value;
  }
  std::u16string from, to;
  if (!ResolveStationArgument(data, args[0], from) || !ResolveStationArgument(data, args[1], to))
    return 1;
  JourneyAnswer answer = FindJourneys(data, from, to, options);
  switch (answer.error) {
    case ConnectionError::None:
      break;
    // The station boxes' own messages.
    case ConnectionError::UnknownFrom:
      messages.AppMessage(u"无此发站！");
      return 1;
    case ConnectionError::UnknownTo:
      messages.AppMessage(u"无此到站！");
      return 1;
    case ConnectionError::SameStation:
      return Fail("FROM and TO are the same station");
    case ConnectionError::SameCity:
      return Fail("FROM and TO are stations of one city; no change within a city is proposed");
    default:
      return Fail("the request cannot be searched");
  }
  if (answer.damage.Found()) {
    messages.Message(DamagedDataMessage(answer.damage), texts::kCaption);
    return kDamagedData;
  }
  if (limit >= 0 && answer.journeys.size() > static_cast<size_t>(limit))
    answer.journeys.resize(static_cast<size_t>(limit));
  if (session.json().Active())
    session.json().Add(session.commandName(),
                       nlohmann::ordered_json::parse(JourneysJson(answer.journeys)));
  else if (format == Format::Tsv)
    PrintTsv(answer.journeys);
  else
    PrintTable(answer.journeys);
  return 0;
}

}  // namespace tavra::cli
