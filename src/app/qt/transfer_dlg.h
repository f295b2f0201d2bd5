#pragma once
// CTransferDlg, dialog 133: the change stations of the last transfer search, a station box
// to type one into, OK and Cancel. The rules are TransferChoice's.
#include <memory>

#include "app/qt/list_dialog.h"
#include "app/transfer_choice.h"

class QComboBox;
class QPushButton;

namespace tavra {

class QtStationChoiceBox;

// DoModal gives Accepted when a station was chosen.
class CTransferDlg : public ListDialog {
 public:
  explicit CTransferDlg(QueryCore& core, QWidget* parent = nullptr);
  ~CTransferDlg() override;

  void OnListClick(int row);
  void OnEditChange();
  void OnOK();
  void OnCancel();
  void reject() override;  // Escape and the window's close button cancel too

  TransferChoice m_choice;
  QComboBox* m_combo = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;

 protected:
  void FillControls() override;

 private:
  std::unique_ptr<QtStationChoiceBox> m_box;
};

}  // namespace tavra
