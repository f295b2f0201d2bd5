#pragma once
// CTrainDetailDlg, dialog 131: the stop list of the train of a clicked result line, read
// from the hand-over block. Its list does not sort.
#include "app/hand_over.h"
#include "app/qt/list_dialog.h"
#include "results/sort_list_model.h"

class QLabel;

namespace tavra {

class CTrainDetailDlg : public ListDialog {
 public:
  explicit CTrainDetailDlg(const HandOver& handOver, QWidget* parent = nullptr);
  ~CTrainDetailDlg() override;

  QLabel* m_trainLabel = nullptr;
  QLabel* m_timeLabel = nullptr;

 protected:
  void FillControls() override;

 private:
  const HandOver& m_handOver;
  SortListModel m_stops;  // shown by m_list
};

}  // namespace tavra
