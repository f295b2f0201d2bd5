#pragma once
// CTrainDetailDlg, dialog 131: the stop list of the train of a clicked result line, read
// from the hand-over block. Its list does not sort.
#include <QDialog>
#include <QFont>

#include "app/hand_over.h"
#include "results/sort_list_model.h"

class QLabel;

namespace tavra {

class CSortListCtrl;

class CTrainDetailDlg : public QDialog {
 public:
  explicit CTrainDetailDlg(const HandOver& handOver, QWidget* parent = nullptr);
  ~CTrainDetailDlg() override;

  bool OnInitDialog();
  int DoModal();  // OnInitDialog, then modal

  CSortListCtrl* m_list = nullptr;
  QLabel* m_trainLabel = nullptr;
  QLabel* m_timeLabel = nullptr;
  QFont m_font;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  const HandOver& m_handOver;
  SortListModel m_stops;  // shown by m_list
  bool m_bInitialised = false;
};

}  // namespace tavra
