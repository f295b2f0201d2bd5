#include "app/transfer_choice.h"

#include <algorithm>

#include "data/lookup.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"
#include "results/row_texts.h"

namespace tavra {
namespace {
constexpr std::u16string_view kTransferColumns =
    u"车站,60;总里程,50;里程1,50;里程2,50;中转到达,60;中转出发,60";
constexpr std::u16string_view kRetypeTransfer = u"请重新输入中转站";
}  // namespace

TransferChoice::TransferChoice(QueryCore& core) : core_(core) {
  m_list.SetColumnSpec(kTransferColumns);
  m_list.AllowSort(true);
}

void TransferChoice::OnInitDialog() {
  const HandOver& h = *core_.m_pApp;
  const int count = std::min(h.m_nTransfers, static_cast<int32_t>(h.m_transfers.size()));
  for (int i = 0; i < count; ++i) {
    const TransferCandidate& c = h.m_transfers[static_cast<size_t>(i)];
    m_list.AppendRow({u" " + StationName(core_.m_data, c.stationNo), DecimalText(c.fromKm + c.toKm),
                      DecimalText(c.fromKm), DecimalText(c.toKm), DecimalText(c.fromTrains),
                      DecimalText(c.toTrains)});
  }
}

bool TransferChoice::PickLine(int item) {
  if (item < 0 || item >= m_list.RowCount()) return false;
  std::u16string_view station = m_list.Row(item).texts[0];
  while (!station.empty() && station.front() == u' ') station.remove_prefix(1);
  m_strTransfer = station;
  return true;
}

void TransferChoice::OnEditChange(std::u16string_view text, StationChoiceBox& box) {
  m_strTransfer = text;
  MatchStationsByKey(core_.m_data, m_strTransfer, box);
}

bool TransferChoice::OnOK() {
  // Blanks around a typed name are no part of it: "北京 " is still the departure.
  const std::u16string station(Trim(m_strTransfer));
  if (station == core_.m_strFromStation || station == core_.m_strToStation) {
    core_.m_messages.Message(kRetypeTransfer, texts::kCaption);
    return false;
  }
  core_.m_pApp->m_strTransferName = station;
  return true;
}

void TransferChoice::OnCancel() {
  core_.m_pApp->m_strTransferName.clear();
}

}  // namespace tavra
