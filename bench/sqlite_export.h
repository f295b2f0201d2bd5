#pragma once
// A loaded timetable as an SQLite database, indexed as a competent user would index it,
// and the station, station-to-station and train queries in SQL answering what Tavra's
// queries answer: the trains calling at a station, the trains calling at A and later in
// their run at B, and the trains of a number, each from its origin to its terminal.
#include <sqlite3.h>

#include <string>

#include "data/timetable_data.h"

namespace tavra::bench {

// Creates the tables and indexes in `db` (empty) and fills them from `data`.
// Returns false with SQLite's message in `error`.
bool ExportToSqlite(const TimetableData& data, sqlite3* db, std::string& error);

// The queries, one parameter per station name or train number (UTF-8).
// A station's lines as the list shows them: each train leaving it with its terminus call,
// each train ending there with its origin call, in the order of the time at the station.
inline constexpr const char* kSqlStationQuery =
    "SELECT t.number, s.name, c.depart, e.name, x.arrive, o.name, x.km - c.km, c.depart"
    " FROM stations s JOIN calls c ON c.station = s.id JOIN trains t ON t.id = c.train"
    " JOIN calls x ON x.train = t.id AND x.seq = t.calls - 1"
    " JOIN stations o ON o.id = t.origin JOIN stations e ON e.id = t.terminal"
    " WHERE s.name = ?1 AND c.seq < t.calls - 1"
    " UNION ALL"
    " SELECT t.number, o.name, x.depart, s.name, c.arrive, o.name, c.km - x.km, c.arrive"
    " FROM stations s JOIN calls c ON c.station = s.id JOIN trains t ON t.id = c.train"
    " JOIN calls x ON x.train = t.id AND x.seq = 0 JOIN stations o ON o.id = t.origin"
    " WHERE s.name = ?1 AND c.seq = t.calls - 1 AND c.seq > 0"
    " ORDER BY 8";
inline constexpr const char* kSqlBetweenQuery =
    "SELECT t.number, a.depart, a.day, b.arrive, b.day, b.km - a.km"
    " FROM stations sa JOIN calls a ON a.station = sa.id"
    " JOIN stations sb JOIN calls b ON b.station = sb.id AND b.train = a.train AND b.seq > a.seq"
    " JOIN trains t ON t.id = a.train WHERE sa.name = ?1 AND sb.name = ?2 ORDER BY a.depart";
// A number typed with digits only also finds the numbers with a letter before them.
inline constexpr const char* kSqlTrainQuery =
    "SELECT t.number, so.name, o.depart, se.name, e.arrive, e.day, e.km - o.km"
    " FROM trains t JOIN calls o ON o.train = t.id AND o.seq = 0"
    " JOIN calls e ON e.train = t.id AND e.seq = t.calls - 1"
    " JOIN stations so ON so.id = o.station JOIN stations se ON se.id = e.station"
    " WHERE t.id IN (SELECT train FROM train_numbers WHERE number = ?1"
    " UNION SELECT train FROM train_numbers WHERE part = ?1 AND ?1 GLOB '[0-9]*')";

// Runs `sql` with the parameters bound and steps through every row, reading each column
// as a caller showing it would. Returns the row count, or -1 on an error.
int RunSqlQuery(sqlite3_stmt* statement, const std::string& first, const std::string& second = {});

}  // namespace tavra::bench
