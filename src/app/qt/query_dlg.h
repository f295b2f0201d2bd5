#pragma once
// CQueryDlg, the program's main window: the mode box, the input area of the mode, the
// query and reverse buttons, the count label and the result list, built from dialog 102
// over the query core.
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <map>
#include <memory>

#include "app/mode_layout.h"
#include "app/query_controls.h"
#include "app/query_core.h"
#include "platform/qt/dialog_builder.h"
#include "platform/qt/station_choice_box.h"
#include "platform/qt/user_messages.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavra {

class CJourneysDlg;
class CSortListCtrl;
class CTimetableApp;

// The dialog's inputs and count label as the query core reads and writes them.
class DialogControls : public QueryControls {
 public:
  QComboBox* mode = nullptr;
  QComboBox* from = nullptr;
  QComboBox* to = nullptr;
  QLineEdit* trainNo = nullptr;
  QComboBox* station = nullptr;
  QLabel* count = nullptr;

  std::u16string ModeText() const override;
  std::u16string FromText() const override;
  std::u16string ToText() const override;
  std::u16string TrainNoText() const override;
  std::u16string StationText() const override;
  void SetFromText(std::u16string_view text) override;
  void SetToText(std::u16string_view text) override;
  void SetStationText(std::u16string_view text) override;
  void SetCountLabel(std::u16string_view text) override;
};

class CQueryDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CQueryDlg(CTimetableApp* app);
  ~CQueryDlg() override;

  // Sets the dialog up, starts loading and the load-status timer; runs once, before the
  // dialog is first shown.
  bool OnInitDialog();
  // Runs the dialog modally (initialising it first); returns its result.
  int DoModal();

  // One tick of timer `id`; only the load-status timer's id is acted on.
  void OnTimer(int id);
  // Loading has ended: acts at once instead of waiting for the next tick.
  void OnLoadFinished();
  // True when `event` for `receiver` is swallowed: Enter (and Escape) in this window.
  bool PreTranslateMessage(QObject* receiver, QEvent* event);

  void OnModeSelChange();  // posts the mode command
  void OnModeCommand();
  void OnFromEditChange();
  void OnToEditChange();
  void OnStationEditChange();
  void OnQuery();
  void OnReverse();

  // Journeys with a change, offered in the result list's context menu after a
  // station-to-station query with both stations; opens their window (or returns null).
  bool JourneysOffered() const;
  void OnListContextMenu(const QPoint& at);
  CJourneysDlg* OpenJourneys();

  // The wait cursor shown at start, until the station tables are there.
  void ShowWaitCursor();

  QueryCore& core() { return m_core; }
  QWidget* Control(int id) const;
  CSortListCtrl* list() const { return m_list; }
  QtStationChoiceBox& FromBox() { return *m_fromBox; }
  QtStationChoiceBox& ToBox() { return *m_toBox; }
  QtStationChoiceBox& StationBox() { return *m_stationBox; }
  int TimerId() const { return m_nTimerId; }
  bool WaitCursorShown() const { return m_bWaitCursor; }

  CTimetableApp* m_pApp;
  QIcon m_hIcon;
  QFont m_font;  // the result list's font
  int m_nTimerId = 0;

 protected:
  void timerEvent(QTimerEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyLayout(InputLayout layout);
  void LayOutList();
  // Sizes the window for the list's columns: at start centred on the screen; later only
  // wider, and only while the user has not sized the window.
  void FitWindowToList();
  void RestoreCursor();
  void ReportLoadFailure();

  DialogControls m_controls;
  QtUserMessages m_messages;
  QueryCore m_core;
  DialogBaseUnits m_units;
  std::map<int, QWidget*> m_widgets;
  CSortListCtrl* m_list = nullptr;
  QPushButton* m_modeCommand = nullptr;
  std::unique_ptr<QtStationChoiceBox> m_fromBox, m_toBox, m_stationBox;
  bool m_bInitialised = false;
  bool m_bWaitCursor = false;
  bool m_bShown = false;
};

}  // namespace tavra
