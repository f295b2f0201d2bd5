// A journey with one change when two stations have no direct train: the transfer search,
// the transfer dialog, then the trains of both legs, the second in red.
#include "app/query_core.h"

namespace tavra {

void QueryCore::EnableTransferOffer(std::function<bool(QueryCore&)> runDialog) {
  m_runTransferDialog = std::move(runDialog);
  m_offerTransfer = [](QueryCore& core) { core.OfferTransfer(); };
}

void QueryCore::OfferTransfer() {
  HandOver& h = *m_pApp;
  m_nQueryKind = kQueryTransfer;
  h.m_strFromName = m_strFromStation;
  h.m_strToName = m_strToStation;
  m_transferOutcome = TransferOutcome::Cancelled;

  FindTransferStations();
  if (m_damage.Found() || !m_runTransferDialog || !m_runTransferDialog(*this) ||
      h.m_strTransferName.empty())
    return;

  m_transferOutcome = TransferOutcome::StationNotFound;
  m_strToStation = h.m_strTransferName;
  if (!FindToStation()) {
    m_list.SetRedraw(true);
    return;
  }
  ListBetween();
  const int firstLegLines = m_list.RowCount();

  m_strFromStation = h.m_strTransferName;
  m_strToStation = h.m_strToName;
  if (!FindFromStation() || !FindToStation()) {
    m_list.SetRedraw(true);
    return;
  }
  ListBetween();
  // The whole line, prices included, so the second leg reads as one.
  for (int row = firstLegLines; row < m_list.RowCount(); ++row)
    m_list.SetRowColors(row, 0, 14, kRed, kWhite);
  m_strFromStation = h.m_strFromName;
  m_transferOutcome = TransferOutcome::Listed;
}

}  // namespace tavra
