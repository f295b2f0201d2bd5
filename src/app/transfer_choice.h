#pragma once
// The rules of the transfer dialog: the candidate list, a click that picks a station,
// typing that offers stations, OK that refuses the journey's own ends, Cancel. The window,
// the terminal and the tests drive the same rules.
#include <string>
#include <string_view>

#include "app/query_core.h"
#include "results/sort_list_model.h"

namespace tavra {

class TransferChoice {
 public:
  explicit TransferChoice(QueryCore& core);

  // The candidates of the last transfer search, in the order they were found.
  void OnInitDialog();
  // Takes the station of line `item` into m_strTransfer (for the station box to show);
  // false for no line there.
  bool PickLine(int item);
  // A click on line `item`: PickLine, then OK. True when the dialog closes with OK; false
  // for no line or a refused station.
  bool OnListClick(int item) { return PickLine(item) && OnOK(); }
  // The station box's text changed to `text`: offers the stations it spells in `box`.
  void OnEditChange(std::u16string_view text, StationChoiceBox& box);
  // True when the dialog closes with OK (the station is in m_strTransferName); false, with
  // "请重新输入中转站" said, for the departure or arrival station itself.
  bool OnOK();
  // m_strTransferName emptied: nothing further is listed.
  void OnCancel();

  SortListModel m_list;
  std::u16string m_strTransfer;  // the station box's text

 private:
  QueryCore& core_;
};

}  // namespace tavra
