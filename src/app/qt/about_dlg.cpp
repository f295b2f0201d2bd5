#include "app/qt/about_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

#include "app/qt/timetable_app.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/dialog_builder.h"
#include "platform/qt/qt_text.h"
#include "resources/dialog_templates.h"
#include "resources/publisher.h"

namespace tavra {

CAboutDlg::CAboutDlg(CTimetableApp* app, UrlOpener& opener)
    : QDialog(nullptr), m_pApp(app), opener_(opener) {
  const res::DialogTemplate& dialog = res::AboutDialogTemplate();
  QFont f = font();
  f.setPointSizeF(f.pointSizeF() * dialog.fontPoints / 8.0);
  setFont(f);
  setWindowIcon(AppIcon());
  widgets_ = BuildDialog(dialog, this, BaseUnitsOf(f), nullptr);
  m_phoneLink = qobject_cast<QLabel*>(Control(res::kIdcPhoneLink));
  m_versionLabel = qobject_cast<QLabel*>(Control(res::kIdcVersionLabel));
  m_mailLabel = qobject_cast<QLabel*>(Control(res::kIdcMailLabel));
  m_homeLabel = qobject_cast<QLabel*>(Control(res::kIdcHomeLabel));
  m_makerLabel = qobject_cast<QLabel*>(Control(res::kIdcMakerLabel));
  // The desktop's font is wider than the handheld's: a text that does not fit its
  // rectangle may use the room to the dialog's right edge.
  const int right = width() - DluToPixelsX(4, BaseUnitsOf(f));
  for (QLabel* label : findChildren<QLabel*>())
    if (label->sizeHint().width() > label->width())
      label->resize(std::min(label->sizeHint().width(), right - label->x()), label->height());
  for (const res::ControlTemplate& c : dialog.controls)
    if (c.notify) {
      Control(c.id)->installEventFilter(this);
      Control(c.id)->setCursor(Qt::PointingHandCursor);
    }
  connect(qobject_cast<QPushButton*>(Control(res::kIdcUcwebButton)), &QPushButton::clicked, this,
          &CAboutDlg::OnUcwebButton);
  connect(qobject_cast<QPushButton*>(Control(res::kIdcUcDesktopButton)), &QPushButton::clicked,
          this, &CAboutDlg::OnUcDesktopButton);
}

QWidget* CAboutDlg::Control(int id) const {
  auto it = widgets_.find(id);
  return it == widgets_.end() ? nullptr : it->second;
}

bool CAboutDlg::OnInitDialog() {
  const std::u16string& label = m_pApp->m_strVersionLabel;
  m_versionLabel->setText(ToQString(label));
  return true;
}

int CAboutDlg::DoModal() {
  OnInitDialog();
  return exec();
}

void CAboutDlg::OnUcwebButton() {
  opener_.OpenUrl(res::kUcwebPage);
}
void CAboutDlg::OnUcDesktopButton() {
  opener_.OpenUrl(res::kUcDesktopPage);
}
void CAboutDlg::OnPhoneLink() {
  opener_.OpenUrl(res::kMobileDownloadPage);
}

void CAboutDlg::keyPressEvent(QKeyEvent* event) {
  // The box has no OK button of its own: Enter is OK, whatever has the focus; Escape
  // stays Cancel.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_phoneLink && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    OnPhoneLink();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tavra
