#pragma once
// CAboutDlg, the about box (dialog 143): the program's name and versions, the publisher,
// and links to other programs opened in the browser. Closes with OK (Enter) or Cancel
// (Escape, the window's close button).
#include <QDialog>
#include <map>

#include "platform/url_opener.h"

class QLabel;

namespace tavra {

class CTimetableApp;

class CAboutDlg : public QDialog {
 public:
  // No parent: the box is a window of its own.
  CAboutDlg(CTimetableApp* app, UrlOpener& opener);

  // Puts the loaded data's version into the version label.
  bool OnInitDialog();
  // Runs the box modally; QDialog::Accepted for OK.
  int DoModal();

  void OnUcwebButton();
  void OnUcDesktopButton();
  void OnPhoneLink();

  QWidget* Control(int id) const;

  QLabel* m_phoneLink = nullptr;
  QLabel* m_versionLabel = nullptr;
  QLabel* m_mailLabel = nullptr;
  QLabel* m_homeLabel = nullptr;
  QLabel* m_makerLabel = nullptr;
  CTimetableApp* m_pApp;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  UrlOpener& opener_;
  std::map<int, QWidget*> widgets_;
};

}  // namespace tavra
