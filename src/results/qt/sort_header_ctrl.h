#pragma once
// The header of a sortable list: flat button-face sections, and on the sorted column a
// small bevelled triangle, apex up for ascending and down for descending.
#include <QHeaderView>

namespace tavra {

class CSortHeaderCtrl : public QHeaderView {
  Q_OBJECT
 public:
  explicit CSortHeaderCtrl(QWidget* parent = nullptr);

  // Shows the mark on `column` (none for -1) and repaints the header.
  void SetSortMark(int column, bool ascending);

  // The corners of the two pen strokes of the mark in a section rectangle: the lit edges
  // first, then the shaded ones; each a polyline of two or three points.
  struct MarkStrokes {
    std::vector<QPoint> highlight;
    std::vector<QPoint> shadow;
  };
  static MarkStrokes SortMarkStrokes(const QRect& section, bool ascending);
  // The part of a section its heading is drawn in.
  QRect TextRect(const QRect& section, int logicalIndex) const;

  int m_nSortColumn = -1;
  bool m_bAscending = true;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int pressed_ = -1;  // the section under a held mouse button
};

}  // namespace tavra
