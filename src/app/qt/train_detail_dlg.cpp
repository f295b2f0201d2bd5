#include "app/qt/train_detail_dlg.h"

#include <QLabel>

#include "app/qt/list_dialog.h"
#include "app/stop_list.h"
#include "resources/detail_dialog_templates.h"
#include "results/qt/sort_list_ctrl.h"

namespace tavra {

CTrainDetailDlg::CTrainDetailDlg(const HandOver& handOver, QWidget* parent)
    : QDialog(parent), m_handOver(handOver) {
  setModal(true);
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

bool CTrainDetailDlg::OnInitDialog() {
  if (m_bInitialised) return true;
  m_bInitialised = true;
  m_font = SecondaryListFont(this);
  SetUpSecondaryList(m_list, m_font);
  m_trainLabel->setText(ToQString(StopListTrainLabel(m_handOver)));
  m_timeLabel->setText(ToQString(StopListTimeLabel(m_handOver)));
  FillStopList(m_handOver, m_stops);
  FitDialogToList(this, m_list, BaseUnitsOf(font()));
  return true;
}

int CTrainDetailDlg::DoModal() {
  OnInitDialog();
  return exec();
}

void CTrainDetailDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (m_list) FillWithList(this, m_list);
}

}  // namespace tavra
