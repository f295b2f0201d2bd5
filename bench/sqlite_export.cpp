#include "sqlite_export.h"

#include <string_view>

#include "data/lookup.h"
#include "data/record_fields.h"
#include "platform/utf8.h"
#include "results/row_texts.h"

namespace tavra::bench {
namespace {

bool Exec(sqlite3* db, const char* sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message ? message : "sqlite error";
  sqlite3_free(message);
  return false;
}

// One prepared insert, run once per row.
class Insert {
 public:
  Insert(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
  ~Insert() { sqlite3_finalize(m_stmt); }
  Insert(const Insert&) = delete;
  Insert& operator=(const Insert&) = delete;
  void Int(int column, int value) { sqlite3_bind_int(m_stmt, column, value); }
  void Text(int column, std::u16string_view value) {
    sqlite3_bind_text(m_stmt, column, Utf16ToUtf8(value).c_str(), -1, SQLITE_TRANSIENT);
  }
  bool Run() {
    const bool ok = m_stmt && sqlite3_step(m_stmt) == SQLITE_DONE;
    sqlite3_reset(m_stmt);
    return ok;
  }

 private:
  sqlite3_stmt* m_stmt = nullptr;
};

}  // namespace

bool ExportToSqlite(const TimetableData& data, sqlite3* db, std::string& error) {
  if (!Exec(db,
            "CREATE TABLE stations (id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);"
            "CREATE TABLE trains (id INTEGER PRIMARY KEY, number TEXT, origin INTEGER,"
            " terminal INTEGER, calls INTEGER);"
            "CREATE TABLE train_numbers (number TEXT, part TEXT, train INTEGER);"
            "CREATE TABLE calls (station INTEGER, train INTEGER, seq INTEGER, arrive TEXT,"
            " depart TEXT, day INTEGER, km INTEGER);"
            "BEGIN",
            error))
    return false;
  bool ok = true;
  {
    Insert station(db, "INSERT INTO stations VALUES (?1, ?2)");
    for (int s = 0; s < data.stationCount; ++s) {
      station.Int(1, s);
      station.Text(2, StationName(data, DecimalText(s)));
      ok &= station.Run();
    }
    Insert train(db, "INSERT INTO trains VALUES (?1, ?2, ?3, ?4, ?5)");
    Insert number(db, "INSERT INTO train_numbers VALUES (?1, ?2, ?3)");
    Insert call(db, "INSERT INTO calls VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    const RecordTable& trains = data.Table(TrainTable);
    for (int t = 0; t < trains.size(); ++t) {
      const std::u16string_view record = trains.Record(t);
      const std::u16string text = TrainNumberText(data, DecimalText(t));
      train.Int(1, t);
      train.Text(2, text);
      train.Int(3, ReadInt(record, train_record::kOriginStation));
      train.Int(4, ReadInt(record, train_record::kTerminalStation));
      const int firstRun = ReadInt(record, train_record::kFirstRun);
      const int lastRun = ReadInt(record, train_record::kLastRun);
      train.Int(5, lastRun - firstRun + 1);
      ok &= train.Run();
      // Each of a train's numbers finds it, whole or (typed with digits only) by the part
      // after a letter prefix, as the train query does.
      for (size_t start = 0; start <= text.size();) {
        size_t end = text.find(u'/', start);
        if (end == std::u16string::npos) end = text.size();
        const std::u16string_view whole = std::u16string_view(text).substr(start, end - start);
        number.Text(1, whole);
        const bool prefixed = !whole.empty() && !(whole[0] >= u'0' && whole[0] <= u'9');
        number.Text(2, prefixed ? whole.substr(1) : whole);
        number.Int(3, t);
        ok &= number.Run();
        start = end + 1;
      }
      // The sequence is the call's place in the run, so "A before B" is the run's order.
      for (int r = firstRun; r <= lastRun; ++r) {
        const int row = ReadInt(data.Table(TrainStopTable).Record(r), train_stop_record::kCall);
        const std::u16string_view stop = data.Table(StopTable).Record(row);
        call.Int(1, ReadInt(stop, stop_record::kStation));
        call.Int(2, t);
        call.Int(3, r - firstRun);
        call.Text(4, Field(stop, stop_record::kArrive));
        call.Text(5, Field(stop, stop_record::kDepart));
        call.Int(6, ReadInt(stop, stop_record::kDay));
        call.Int(7, ReadInt(stop, stop_record::kKm));
        ok &= call.Run();
      }
    }
  }
  if (!ok) {
    error = sqlite3_errmsg(db);
    return false;
  }
  // Covering indexes: a station's calls and a train's calls are read from the index alone.
  return Exec(db,
              "COMMIT;"
              "CREATE INDEX calls_by_station ON calls (station, train, seq, depart, arrive,"
              " day, km);"
              "CREATE INDEX calls_by_train ON calls (train, seq, station, arrive, depart, day,"
              " km);"
              "CREATE INDEX train_numbers_by_number ON train_numbers (number, train);"
              "CREATE INDEX train_numbers_by_part ON train_numbers (part, train);"
              "ANALYZE",
              error);
}

int RunSqlQuery(sqlite3_stmt* statement, const std::string& first, const std::string& second) {
  sqlite3_reset(statement);
  sqlite3_bind_text(statement, 1, first.c_str(), -1, SQLITE_STATIC);
  if (sqlite3_bind_parameter_count(statement) > 1)
    sqlite3_bind_text(statement, 2, second.c_str(), -1, SQLITE_STATIC);
  int rows = 0, step;
  while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
    for (int c = 0; c < sqlite3_column_count(statement); ++c)
      if (sqlite3_column_type(statement, c) == SQLITE_TEXT)
        sqlite3_column_text(statement, c);
      else
        sqlite3_column_int(statement, c);
    ++rows;
  }
  return step == SQLITE_DONE ? rows : -1;
}

}  // namespace tavra::bench
