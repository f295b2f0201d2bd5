#pragma once
// What the stop-list and transfer dialogs share: a dialog around one list that fills it,
// the list's font and line height, the dialog units of a dialog whose texts must fit, and
// a size that shows every column.
#include <QDialog>
#include <QFont>
#include <string_view>

#include "platform/qt/dialog_builder.h"
#include "platform/qt/qt_text.h"

namespace tavra {

class CSortListCtrl;

// The secondary lists' font: 14 pixels on a 96-dpi screen, "Arial" with a CJK face for
// the Chinese texts.
QFont SecondaryListFont(const QWidget* w);

// Font, 18-pixel lines (scaled), widths in proportion to the font's digits.
void SetUpSecondaryList(CSortListCtrl* list, const QFont& font);

// The dialog's base units, widened so that each (dlu width, text) pair fits its control.
DialogBaseUnits FittingUnits(const QWidget* dialog,
                             std::initializer_list<std::pair<int, QString>> fits);

// Grows controls whose text needs more height than the template gives (buttons drawn
// with the desktop's frames), keeping their tops.
void GrowToTextHeight(std::initializer_list<QWidget*> controls);

// Makes the dialog wide enough for every column of `list` and tall enough for the
// template or twenty of its lines, within the screen, then lets the list fill the rest of the
// dialog.
void FitDialogToList(QDialog* dialog, CSortListCtrl* list, DialogBaseUnits units);
// The list keeps its place and reaches the dialog's right and bottom edges.
void FillWithList(QDialog* dialog, CSortListCtrl* list);

// A modal dialog whose list is set up, filled and fitted once, at OnInitDialog.
class ListDialog : public QDialog {
 public:
  bool OnInitDialog();
  int DoModal();  // OnInitDialog, then modal

  CSortListCtrl* m_list = nullptr;  // made by the derived dialog's template
  QFont m_font;

 protected:
  explicit ListDialog(QWidget* parent);
  // Fills the controls and the list before the dialog is fitted to it.
  virtual void FillControls() = 0;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool m_bInitialised = false;
};

}  // namespace tavra
