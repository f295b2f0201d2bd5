#pragma once
// Loading the two data files into the tables, on a thread of its own.
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "data/timetable_data.h"
#include "format/index_file.h"

namespace tavra {

inline constexpr const char* kIndexFileName = "tavra.dll";
inline constexpr const char* kRecordFileName = "tavra.sdf";
// The version the files of a damaged or erased index show (all four bytes 0xFF); refused by
// the loader, `tavra-data check` and the compiler.
inline constexpr int32_t kErasedVersion = -1;
// The record file is read and decoded in runs of about this many bytes: small enough that a
// run is still in the cache when it is decoded, and its buffer costs a few pages only.
inline constexpr size_t kLoadRunBytes = 64 * 1024;

// Loads `dataDir`/tavra.dll and `dataDir`/tavra.sdf into `data`, publishing progress in
// data.LoadStatus (1, 2, 3). A missing, unreadable or inconsistent file is found before
// any table is filled: data.loadError says which file and what is wrong, LoadStatus
// becomes kLoadFailed and no table is touched. The record file is read in runs, each
// decoded as it comes, so its bytes never stand whole beside the tables; a file that
// shrinks while it is read fails the load there. Returns the final status.
int32_t LoadTimetable(TimetableData& data, const std::string& dataDir);

// The same from the two files' bytes already in memory.
int32_t LoadTimetableFromBytes(TimetableData& data, std::string_view index,
                               std::string_view records);

// Sets LoadStatus to 0 and starts LoadTimetable on a new thread, which then calls
// `finished` (if set) on that thread.
std::thread StartLoader(TimetableData& data, std::string dataDir,
                        std::function<void()> finished = {});

// Checks the index against the record file's size: every structural fault the loader
// refuses. Returns false with `error` set.
bool CheckFileLayout(std::string_view index, size_t recordFileSize, LoadError& error);

}  // namespace tavra
