#pragma once
// The state of the running query, shared by the query routines, the row builder and the
// fare engine, and the routines themselves. The desktop dialog, the terminal program and
// the tests each drive one; the user is reached only through QueryControls, UserMessages
// and the result list.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/hand_over.h"
#include "app/query_controls.h"
#include "data/parsed_records.h"
#include "data/timetable_data.h"
#include "fares/fare_state.h"
#include "platform/page_allocator.h"
#include "platform/user_messages.h"
#include "results/result_row.h"
#include "results/sort_list_model.h"

namespace tavra {

// m_nQueryKind values.
enum QueryKind : int32_t {
  kQueryStationToStation = 0,
  kQueryTrainNumber = 1,
  kQueryTransfer = 4,
  kQueryStationDepartures = 6,
  kQueryStationArrivals = 7,
};

// What the user is told when a query meets a damaged field: the message of a data file
// that cannot be read, then the file, the table, the record and the field.
std::u16string DamagedDataMessage(const RecordDamage& damage);

class QueryCore : public FareState {
 public:
  static constexpr int32_t kInitialRows = 800;
  // About what a result line's sixteen texts take together.
  static constexpr size_t kInitialRowChars = 96;

  // A core that speaks to nobody: no controls and no user (questions are answered No).
  // Enough to build rows and price them.
  explicit QueryCore(const TimetableData& data);
  QueryCore(const TimetableData& data, QueryControls& controls, UserMessages& messages);
  QueryCore(const QueryCore&) = delete;
  QueryCore& operator=(const QueryCore&) = delete;

  // The result row being filled.
  ResultRow& CurrentRow() { return m_rows[static_cast<size_t>(m_nLastRow)]; }
  // The rows the last query built, in the order it built them.
  int32_t RowCount() const { return m_nLastRow + 1; }
  const ResultRow& Row(int32_t row) const { return m_rows[static_cast<size_t>(row)]; }

  // --- The query dialog's inputs and buttons ---
  // Typing in a station box: stores the trimmed text and offers the matching stations.
  void OnFromEditChange(StationChoiceBox& box);
  void OnToEditChange(StationChoiceBox& box);
  void OnStationEditChange(StationChoiceBox& box);
  // The query button: checks the input of the mode in the mode box and starts its query.
  // True when a query ran and wrote its count; false when it stopped on its input or met
  // a damaged field (the user has been told why; Damage() tells which).
  bool OnQuery();
  // The reverse button: swaps the station boxes' texts and queries again; result as OnQuery.
  bool OnReverse();
  // The dialog opened: every berth priced, the list sortable.
  void OnInitDialog();
  // The mode box's entry was taken: reads it, trimmed, into m_strMode and returns it.
  const std::u16string& OnModeCommand();
  // The load-status timer saw the station tables complete.
  void OnStationsLoaded() { m_bStationsLoaded = true; }
  // Typing is served once the station and train tables are complete.
  bool StationsLoaded() const;

  // --- Station to station ---
  void SearchStationToStation();
  // The StopTable ranges the listings below walk, as the station lookups leave them: lets
  // one listing run alone.
  void SetStationRanges(int32_t fromFirst, int32_t fromLast, int32_t toFirst, int32_t toLast);
  // One row per train calling at the departure range's station and later at the arrival
  // range's station, grouped by departure call, each group in arrival-call order.
  void ListBetween();
  // The same rows by comparing every departure call with every arrival call: the reference
  // ListBetween is tested and measured against.
  void ListBetweenByCrossComparison();
  void ListDepartures();  // every train leaving the departure station, to its terminus

  // --- Train number and station queries ---
  void QueryTrainNumber();
  void QueryStation();
  // Trains ending at the arrival range's station. `callsRead`: this query has read every
  // call of the range and its train already (the departures of the same station).
  void ListTerminating(bool callsRead = false);

  // --- One result line from m_fromStop, m_toStop and m_nQueryKind ---
  void BuildResultRow();
  // The station-to-station line of the train between StopTable calls `boardCall` and
  // `alightCall`, priced, as the list's only line.
  const ResultRow& BuildRideRow(int boardCall, int alightCall);

  // Inputs as last read; the dialog reads them, typing and the buttons write them.
  std::u16string m_strToStation;
  std::u16string m_strFromStation;
  std::u16string m_strTrainNo;

  int32_t m_nQueryKind = kQueryStationToStation;

  // The result list, with the result columns.
  SortListModel m_list;

  // --- Stop list and transfers (train_detail.cpp, transfer_search.cpp, offer_transfer.cpp) ---
  // A click on result line `item`: the stop list of its train into the hand-over block,
  // then m_showTrainDetail. The line is found by its texts, so a sorted list opens the
  // right train. False (and nothing done) for a line that is not there.
  bool OnResultClick(int item);
  // A double click on a leg of a journey with a change: the stop list of its train, from
  // the leg's boarding call to its alighting call (StopTable rows), as OnResultClick.
  bool OnJourneyLegClick(int boardCall, int alightCall);
  // The change stations between the departure and arrival ranges' stations, into
  // m_pApp->m_transfers in the order they were found.
  void FindTransferStations();
  // The change stations between two typed stations without the direct query first:
  // false when either is not a station or a damaged field was met (the user has been told).
  bool FindTransferStationsBetween(std::u16string_view from, std::u16string_view to);
  // "%4d" number of the station named `name` without its direction suffix, or empty.
  std::u16string BaseStationOf(std::u16string_view name) const;
  // "%4d" numbers of the stations named `name` plus a direction suffix, or empty.
  std::u16string SameCityStations(std::u16string_view name) const;
  // Makes the no-direct-train question ask: `runDialog` shows the transfer dialog and
  // returns true when it was closed with OK.
  void EnableTransferOffer(std::function<bool(QueryCore&)> runDialog);

  enum class TransferOutcome { NotOffered, Cancelled, StationNotFound, Listed };
  TransferOutcome m_transferOutcome = TransferOutcome::NotOffered;  // of the last query
  std::function<void(QueryCore&)> m_showTrainDetail;                // opens the stop list view
  // The application object's hand-over block; the core's own until one is given.
  HandOver* m_pApp = &m_ownHandOver;

  bool TransferOfferEnabled() const { return static_cast<bool>(m_offerTransfer); }

  // The damaged field of the data file that stopped the last query or click; the user has
  // been told, and the query shows no answer.
  const RecordDamage& Damage() const { return m_damage; }

 private:
  friend struct QueryCoreProbe;  // the tests' look at the row store and the hooks
  friend class TransferChoice;   // the transfer dialog's logic speaks through m_messages

  QueryControls& m_controls;
  UserMessages& m_messages;

  std::u16string m_strMode;
  std::u16string m_strStation;

  // StopTable ranges of the stations after a lookup.
  int32_t m_nFromFirst = 0, m_nFromLast = -1;
  int32_t m_nToFirst = 0, m_nToLast = -1;
  int32_t m_nStationFirst = 0, m_nStationLast = -1;
  int32_t m_nTrainFirst = 0, m_nTrainLast = -1;  // train-number index rows

  int32_t m_nLastRow = -1;   // the row being filled; -1 before a query's first row
  int32_t m_nLastItem = -1;  // list index of the last appended line

  // Made in advance and reused; grows by one row when a query needs more, never shrinks.
  std::vector<ResultRow, PageAllocator<ResultRow>> m_rows;
  int32_t m_nRowCapacity = kInitialRows;

  // Offers a journey with one change when two given stations have no direct train; set by
  // the transfer search. While unset the question is not asked: nothing could follow it.
  std::function<void(QueryCore&)> m_offerTransfer;

  // Set by the load-status timer when it turns status 2 into 4: the station tables are
  // complete although the status word no longer says so.
  bool m_bStationsLoaded = false;

  bool m_bCounted = false;  // the last query wrote its count label
  // The stop list of `line`'s train into the hand-over block, then m_showTrainDetail.
  void ShowStopList(const ResultRow& line);
  void ListArrivals();  // every train reaching the arrival station, from its origin
  // Narrows m_nTrainFirst..m_nTrainLast to the rows of `index` (NumberTrainIndex or
  // LetterTrainIndex) whose whole key is the typed number.
  bool FindTrainKeys(Section index);
  // Narrows it to the LetterTrainIndex rows whose number part is the typed number.
  bool FindTrainNumberPart();
  void ListTrainRange(Section index);
  // The transfer search, the transfer dialog, then both legs (the second in red).
  void OfferTransfer();
  std::function<bool(QueryCore&)> m_runTransferDialog;
  // The application object's hand-over block; a core of its own until one is given.
  HandOver m_ownHandOver;
  QueryCore(const TimetableData& data, std::unique_ptr<QueryControls> controls,
            std::unique_ptr<UserMessages> messages);
  // Station lookups into the departure and arrival ranges.
  bool FindFromStation();
  bool FindToStation();
  // Each call of callFirst..callLast with its train's terminal call (ToTerminus: the call
  // boards) or origin call (the call alights); EndingHere keeps only trains ending there.
  enum class RunEnd { ToTerminus, FromOrigin, EndingHere };
  void ListWholeRuns(int32_t callFirst, int32_t callLast, RunEnd end, bool callsRead = false);
  // From the raw fields: the train of StopTable call `row` ends at another station.
  bool TrainEndsElsewhere(int row) const;
  // Looks `name` up; found: its call range into first..last; not found: says `notFound`.
  bool FindCalls(std::u16string& name, std::u16string_view notFound, int32_t& first, int32_t& last);
  void WriteCountLabel();
  // Tells the user of the damaged field the operation met, if any; true when there was one.
  bool ReportDamage();
  // The end of a query: on damage the list is emptied, since no line of it can be trusted.
  bool FinishQuery();
  // The call at StopTable `row`, and the train at the TrainTable row given as text, parsed.
  StopInfo ParseCall(int row) const;
  void ParseTrain(std::u16string_view row);
  // The input checks of the query and reverse buttons, then the query.
  void StartStationToStation();
  void StartTrainNumber();
  void StationEditChange(std::u16string (QueryControls::*read)() const, std::u16string& member,
                         StationChoiceBox& box);

  std::unique_ptr<QueryControls> ownControls_;
  std::unique_ptr<UserMessages> ownMessages_;
};

}  // namespace tavra
