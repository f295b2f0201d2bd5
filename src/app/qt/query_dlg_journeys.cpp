// The result list's context menu of the query dialog: journeys with a change between the
// stations of the last station-to-station query, in a window of their own.
#include <QMenu>

#include "app/qt/journeys_dlg.h"
#include "app/qt/query_dlg.h"
#include "app/qt/timetable_app.h"
#include "results/qt/sort_list_ctrl.h"

namespace tavra {

bool CQueryDlg::JourneysOffered() const {
  return m_core.m_nQueryKind == kQueryStationToStation && !m_core.m_strFromStation.empty() &&
         !m_core.m_strToStation.empty() && m_pApp->Data().Status() != kLoadFailed;
}

void CQueryDlg::OnListContextMenu(const QPoint& at) {
  QMenu menu(this);
  QAction* journeys = menu.addAction(QStringLiteral("换乘方案…"));
  journeys->setEnabled(JourneysOffered());
  if (menu.exec(m_list->viewport()->mapToGlobal(at)) == journeys) OpenJourneys();
}

CJourneysDlg* CQueryDlg::OpenJourneys() {
  if (!JourneysOffered()) return nullptr;
  auto* dlg =
      new CJourneysDlg(m_pApp->Data(), m_core.m_strFromStation, m_core.m_strToStation, this);
  dlg->setAttribute(Qt::WA_DeleteOnClose);
  // A leg's stop list, in the same view a click on a result line opens.
  dlg->onShowStops = [this](int boardCall, int alightCall) {
    m_core.OnJourneyLegClick(boardCall, alightCall);
  };
  dlg->show();
  return dlg;
}

}  // namespace tavra
