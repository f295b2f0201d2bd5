#pragma once
// CTransferDlg, dialog 133: the change stations of the last transfer search, a station box
// to type one into, OK and Cancel. The rules are TransferChoice's.
#include <QDialog>
#include <QFont>
#include <memory>

#include "app/transfer_choice.h"

class QComboBox;
class QPushButton;

namespace tavra {

class CSortListCtrl;
class QtStationChoiceBox;

class CTransferDlg : public QDialog {
 public:
  explicit CTransferDlg(QueryCore& core, QWidget* parent = nullptr);
  ~CTransferDlg() override;

  bool OnInitDialog();
  int DoModal();  // OnInitDialog, then modal; Accepted when a station was chosen

  void OnListClick(int row);
  void OnEditChange();
  void OnOK();
  void OnCancel();
  void reject() override;  // Escape and the window's close button cancel too

  TransferChoice m_choice;
  CSortListCtrl* m_list = nullptr;
  QComboBox* m_combo = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
  QFont m_font;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::unique_ptr<QtStationChoiceBox> m_box;
  bool m_bInitialised = false;
};

}  // namespace tavra
