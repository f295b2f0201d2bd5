#include "table_fit.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <string_view>

namespace tavra::cli {
namespace {

// Column names in the order they are given room; a name not listed comes after them all.
constexpr std::u16string_view kByNeed[] = {u"车次", u"发站", u"发时",       u"到站",     u"到时",
                                           u"历时", u"里程", u"列车等级",   u"硬座",     u"二等",
                                           u"软座", u"一等", u"硬卧上中下", u"软卧上/下"};
constexpr size_t kAlwaysShown = 6;  // train, stations, times, running time

size_t Rank(std::u16string_view name) {
  const auto* at = std::find(std::begin(kByNeed), std::end(kByNeed), name);
  return static_cast<size_t>(at - std::begin(kByNeed));
}

}  // namespace

std::vector<size_t> ColumnsThatFit(const std::vector<std::u16string>& names,
                                   const std::vector<int>& widths, int terminalWidth) {
  std::vector<size_t> order(names.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  if (terminalWidth <= 0) return order;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return Rank(names[a]) < Rank(names[b]); });
  std::vector<size_t> shown;
  int used = 0;
  for (size_t k = 0; k < order.size(); ++k) {
    const int need = widths[order[k]] + (shown.empty() ? 0 : 2);
    // The first column of a list without known names stays too, so nothing is empty.
    const bool always = Rank(names[order[k]]) < kAlwaysShown || k == 0;
    if (!always && used + need > terminalWidth) continue;
    shown.push_back(order[k]);
    used += need;
  }
  std::sort(shown.begin(), shown.end());
  return shown;
}

int TerminalWidth(int fd) {
  winsize size{};
  if (!isatty(fd) || ioctl(fd, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

}  // namespace tavra::cli
