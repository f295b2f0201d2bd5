// The queries of the main dialog as commands: between, train, station.
#include <cstdio>

#include "city_query.h"
#include "cli_command_runs.h"
#include "list_output.h"
#include "platform/utf8.h"
#include "resources/fixed_texts.h"
#include "station_argument.h"

namespace tavra::cli {
namespace {

int BetweenCities(CliSession& session, const std::u16string& from, const std::u16string& to) {
  const std::vector<std::u16string> fromCity = CityStations(session.data(), from);
  const std::vector<std::u16string> toCity = CityStations(session.data(), to);
  for (const auto& [city, name] : {std::pair{&fromCity, &from}, {&toCity, &to}})
    if (city->empty()) {
      std::fprintf(stderr, "tavra-cli: --city needs a station of each city; \"%s\" is none\n",
                   Utf16ToUtf8(*name).c_str());
      return 1;
    }
  SortListModel list;
  list.SetColumnSpec(texts::kResultColumns);
  QueryCities(session.data(), fromCity, toCity, list);
  const std::u16string label = u"共:" + Utf8ToUtf16(std::to_string(list.RowCount()));
  if (session.json().Active()) {
    session.json().Add(session.commandName(), ResultListJson(list, label));
    return 0;
  }
  PrintResultList(stdout, session.options().format, list, label, ColourWanted(stdout),
                  session.options().header, session.options().wide);
  return 0;
}

// When two stations have no train between them but other stations of their cities do,
// says which pair has the most.
void SuggestCities(const TimetableData& data, const std::u16string& from,
                   const std::u16string& to) {
  if (from.empty() || to.empty()) return;
  std::u16string bestFrom, bestTo;
  int best = 0;
  for (const std::u16string& a : CityStations(data, from))
    for (const std::u16string& b : CityStations(data, to)) {
      if (a == b || (a == from && b == to)) continue;
      if (int n = TrainsBetween(data, a, b); n > best) {
        best = n;
        bestFrom = a;
        bestTo = b;
      }
    }
  if (best > 0)
    std::fprintf(stderr, "tavra-cli: %s → %s has %d train%s; try --city\n",
                 Utf16ToUtf8(bestFrom).c_str(), Utf16ToUtf8(bestTo).c_str(), best,
                 best == 1 ? "" : "s");
}

}  // namespace

int RunBetween(CliSession& session, const Command& command) {
  std::u16string from, to;
  if (!ResolveStationArgument(session.data(), command.args[0], from) ||
      !ResolveStationArgument(session.data(), command.args[1], to))
    return 1;
  // The query ignores a one-character station; say so rather than stop silently.
  if (ExplainTooShort(from) || ExplainTooShort(to)) return 1;
  if (command.Has("--city")) return BetweenCities(session, from, to);
  // Typed into the two station boxes, then the query button.
  ChoiceList offered;
  session.controls().from = from;
  session.core().OnFromEditChange(offered);
  session.controls().to = to;
  session.core().OnToEditChange(offered);
  if (command.Has("--transfer") && command.Has("--no-transfer")) {
    std::fprintf(stderr, "tavra-cli: between takes one of --transfer STATION and --no-transfer\n");
    return 1;
  }
  session.PrepareTransfer(command);
  const int status = session.FinishTransfer(session.Query(texts::kModeStationToStation));
  if (status == 0 && session.core().m_list.RowCount() == 0 &&
      !ExplainEmptyAnswer(session.data(), from, to))
    SuggestCities(session.data(), from, to);
  return status;
}

int RunTrain(CliSession& session, const Command& command) {
  session.controls().trainNo = Utf8ToUtf16(command.args[0]);
  return session.Query(texts::kModeTrainNumber);
}

int RunStation(CliSession& session, const Command& command) {
  std::u16string station;
  if (!ResolveStationArgument(session.data(), command.args[0], station)) return 1;
  if (ExplainTooShort(station)) return 1;
  ChoiceList offered;
  session.controls().station = station;
  session.core().OnStationEditChange(offered);
  const int status = session.Query(texts::kModeStation);
  if (status == 0 && session.core().m_list.RowCount() == 0 &&
      !ExplainEmptyAnswer(session.data(), station, u""))
    std::fprintf(stderr, "tavra-cli: no train leaves or ends at %s\n",
                 Utf16ToUtf8(station).c_str());
  return status;
}

}  // namespace tavra::cli
