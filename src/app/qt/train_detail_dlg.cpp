#include "app/qt/train_detail_dlg.h"

#include <QLabel>

#include "app/stop_list.h"
#include "resources/dialog_templates.h"
#include "results/qt/sort_list_ctrl.h"

namespace tavra {

CTrainDetailDlg::CTrainDetailDlg(const HandOver& handOver, QWidget* parent)
    : ListDialog(parent), m_handOver(handOver) {
  const res::DialogTemplate& t = res::TrainDetailDialogTemplate();
  const DialogBaseUnits units = FittingUnits(
      this, {{t.Find(res::kIdcDetailTrain)->rect.w, ToQString(StopListTrainLabel(handOver))},
             {t.Find(res::kIdcDetailTime)->rect.w, ToQString(StopListTimeLabel(handOver))}});
  m_stops.AllowSort(false);
  auto widgets = BuildDialog(t, this, units, [this](const res::ControlTemplate&, QWidget* parent) {
    m_list = new CSortListCtrl(m_stops, parent);
    return m_list;
  });
  m_trainLabel = qobject_cast<QLabel*>(widgets[res::kIdcDetailTrain]);
  m_timeLabel = qobject_cast<QLabel*>(widgets[res::kIdcDetailTime]);
}

CTrainDetailDlg::~CTrainDetailDlg() {
  // The view shows m_stops, which goes before the dialog's child widgets.
  delete m_list;
}

void CTrainDetailDlg::FillControls() {
  m_trainLabel->setText(ToQString(StopListTrainLabel(m_handOver)));
  m_timeLabel->setText(ToQString(StopListTimeLabel(m_handOver)));
  FillStopList(m_handOver, m_stops);
}

}  // namespace tavra
