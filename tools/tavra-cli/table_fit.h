#pragma once
// Which columns of a table fit a terminal of a given width.
#include <string>
#include <vector>

namespace tavra::cli {

// The columns to show, in their order, of a table whose columns are named `names` and need
// `widths` terminal columns each (two blanks go between neighbours). The columns a reader
// needs first (train, stations, times, running time) always stay; then distance, class and
// the prices join while they fit, then the rest. `terminalWidth` <= 0 keeps every column.
std::vector<size_t> ColumnsThatFit(const std::vector<std::u16string>& names,
                                   const std::vector<int>& widths, int terminalWidth);

// The width of the terminal `fd` is, or 0 when it is none.
int TerminalWidth(int fd);

}  // namespace tavra::cli
