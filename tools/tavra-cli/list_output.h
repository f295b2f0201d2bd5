#pragma once
// A result list on the terminal: an aligned table for people, tab-separated lines for
// scripts, or JSON with the colours.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string_view>

#include "cli_options.h"
#include "results/sort_list_model.h"

namespace tavra::cli {

// Colours for a terminal, unless NO_COLOR asks for none.
bool ColourWanted(std::FILE* out);

// The visible columns (a width of 0 hides a column) of every row, then the count label.
// Table cells are shown without their surrounding blanks; tsv and json keep the texts
// exactly as the list holds them; `header` puts a line of column names first in tsv. A
// table on a terminal shows the columns that fit its width, every column when `wide`.
// For table or tsv.
void PrintResultList(std::FILE* out, Format format, const SortListModel& list,
                     std::u16string_view countLabel, bool colour, bool header = false,
                     bool wide = false);

// As PrintResultList, without the count label.
void PrintListLines(std::FILE* out, Format format, const SortListModel& list, bool colour,
                    bool header = false, bool wide = false);

// The list for scripts: column names; per row the cells (trimmed texts; the distance a
// number; prices numbers, null for "－", berth prices arrays of them) and the colours by
// name; the count and the count label.
nlohmann::ordered_json ResultListJson(const SortListModel& list, std::u16string_view countLabel);

}  // namespace tavra::cli
