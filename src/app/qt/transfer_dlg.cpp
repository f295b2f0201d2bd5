#include "app/qt/transfer_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/station_choice_box.h"
#include "resources/dialog_templates.h"
#include "results/qt/sort_list_ctrl.h"

namespace tavra {

CTransferDlg::CTransferDlg(QueryCore& core, QWidget* parent) : ListDialog(parent), m_choice(core) {
  const res::DialogTemplate& t = res::TransferDialogTemplate();
  const DialogBaseUnits units = FittingUnits(
      this, {{t.Find(res::kIdOk)->rect.w, QStringLiteral("确定")},
             {t.Find(res::kIdCancel)->rect.w, QStringLiteral("放弃")},
             {25, QStringLiteral("中转站")},
             {t.Find(res::kIdcTransferStation)->rect.w, QStringLiteral("乌兰察布西 ▼")}});
  auto widgets = BuildDialog(t, this, units, [this](const res::ControlTemplate&, QWidget* parent) {
    m_list = new CSortListCtrl(m_choice.m_list, parent);
    return m_list;
  });
  m_combo = qobject_cast<QComboBox*>(widgets[res::kIdcTransferStation]);
  m_ok = qobject_cast<QPushButton*>(widgets[res::kIdOk]);
  m_cancel = qobject_cast<QPushButton*>(widgets[res::kIdCancel]);
  m_ok->setDefault(true);
  GrowToTextHeight({m_ok, m_cancel});
  m_box = std::make_unique<QtStationChoiceBox>(m_combo);

  connect(m_ok, &QPushButton::clicked, this, &CTransferDlg::OnOK);
  connect(m_cancel, &QPushButton::clicked, this, &CTransferDlg::OnCancel);
  connect(m_combo->lineEdit(), &QLineEdit::textEdited, this, &CTransferDlg::OnEditChange);
  // Enter in the station box presses OK, the default button.
  connect(m_combo->lineEdit(), &QLineEdit::returnPressed, this, &CTransferDlg::OnOK);
  m_list->onRowClick = [this](int row) { OnListClick(row); };
}

CTransferDlg::~CTransferDlg() {
  // The view shows m_choice's list, which goes before the dialog's child widgets.
  delete m_list;
}

void CTransferDlg::FillControls() {
  m_choice.OnInitDialog();
  m_combo->setFocus();
}

void CTransferDlg::OnListClick(int row) {
  if (!m_choice.PickLine(row)) return;
  {
    QSignalBlocker block(m_combo->lineEdit());
    m_combo->lineEdit()->setText(ToQString(m_choice.m_strTransfer));
  }
  OnOK();
}

void CTransferDlg::OnEditChange() {
  m_choice.OnEditChange(ToU16(m_combo->currentText()), *m_box);
}

void CTransferDlg::OnOK() {
  m_choice.m_strTransfer = ToU16(m_combo->currentText());
  if (m_choice.OnOK()) accept();
}

void CTransferDlg::OnCancel() {
  reject();
}

void CTransferDlg::reject() {
  m_choice.OnCancel();
  QDialog::reject();
}

}  // namespace tavra
