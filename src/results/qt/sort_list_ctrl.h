#pragma once
// The view of a sortable list (SortListModel): a grid of single-line rows, each cell in
// its own text and background colour, the selected row in the highlight colours, and a
// header that sorts by the clicked column when the list allows it.
#include <QAbstractTableModel>
#include <QTableView>

#include "results/sort_list_model.h"

namespace tavra {

class CSortHeaderCtrl;

// The Qt face of a SortListModel: one row per list row, one column per list column.
class SortListTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit SortListTableModel(const SortListModel& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The list changed: rows or columns were added or removed, or texts, colours or order
  // changed.
  void ListChanged();

 private:
  const SortListModel& list_;
  int rows_ = 0;  // the counts the views were last told
  int columns_ = 0;
};

class CSortListCtrl : public QTableView {
  Q_OBJECT
 public:
  // Shows `list`, which must outlive the control; the control becomes its change listener.
  explicit CSortListCtrl(SortListModel& list, QWidget* parent = nullptr);
  ~CSortListCtrl() override;

  CSortHeaderCtrl* header() const { return m_header; }
  SortListModel& list() const { return m_list; }

  // Sets the rows' height in pixels (the handheld's lists have 18-pixel rows).
  void SetRowHeight(int pixels);

  // Column widths of the list's specification, scaled by `scale`; a column whose texts
  // (heading included) need more room is widened to fit them, never narrowed.
  void FitColumns();
  void SetWidthScale(double scale);

  // Called with the list row of a click on a row.
  std::function<void(int)> onRowClick;
  // Called after a column was widened to fit its texts.
  std::function<void()> onColumnsWidened;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void OnListChanged();
  void OnHeaderClick(int column);
  void ReadSystemColors();

  SortListModel& m_list;
  SortListTableModel* m_model;
  CSortHeaderCtrl* m_header;
  double widthScale_ = 1.0;
  int columnsLaidOut_ = 0;
};

}  // namespace tavra
