#include "results/qt/sort_header_ctrl.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavra {
namespace {

// A quarter of the section's height: the margin, and the unit the mark is built on.
int Quarter(const QRect& r) {
  return r.height() / 4;
}

}  // namespace

CSortHeaderCtrl::CSortHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setSortIndicatorShown(false);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignCenter);
}

void CSortHeaderCtrl::SetSortMark(int column, bool ascending) {
  m_nSortColumn = column;
  m_bAscending = ascending;
  viewport()->update();
}

CSortHeaderCtrl::MarkStrokes CSortHeaderCtrl::SortMarkStrokes(const QRect& s, bool ascending) {
  const int e = Quarter(s);
  const int r = s.x() + s.width();   // right edge, exclusive
  const int b = s.y() + s.height();  // bottom edge, exclusive
  const int t = s.y();
  if (ascending)
    return {{{r - 2 * e, t + e}, {r - e, b - e - 1}, {r - 3 * e - 2, b - e - 1}},
            {{r - 3 * e - 1, b - e - 1}, {r - 2 * e, t + e - 1}}};
  return {{{r - e - 1, t + e}, {r - 2 * e - 1, b - e}},
          {{r - 2 * e - 2, b - e}, {r - 3 * e - 1, t + e}, {r - e - 1, t + e}}};
}

QRect CSortHeaderCtrl::TextRect(const QRect& section, int logicalIndex) const {
  const int e = Quarter(section);
  QRect text = section.adjusted(e, 0, -e, 0);
  if (logicalIndex == pressed_) text.translate(1, 0), text.setTop(text.top() + 2);
  if (logicalIndex == m_nSortColumn) text.setRight(text.right() - 3 * e);
  return text;
}

void CSortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!rect.isValid()) return;
  painter->save();
  painter->setClipRect(rect);
  const QPalette& pal = palette();
  painter->fillRect(rect, pal.color(QPalette::Button));
  // A 1-pixel bevel so that neighbouring sections read as separate buttons.
  painter->setPen(pal.color(QPalette::Light));
  painter->drawLine(rect.topLeft(), rect.topRight());
  painter->drawLine(rect.topLeft(), rect.bottomLeft());
  painter->setPen(pal.color(QPalette::Dark));
  painter->drawLine(rect.bottomLeft(), rect.bottomRight());
  painter->drawLine(rect.topRight(), rect.bottomRight());

  const QRect text = TextRect(rect, logicalIndex);
  if (text.width() > 0 && text.height() > 0) {
    const QVariant a = model()
                           ? model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole)
                           : QVariant();
    const Qt::Alignment h =
        a.isValid() ? Qt::Alignment(a.toInt()) & Qt::AlignHorizontal_Mask : Qt::AlignHCenter;
    const QString heading =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                : QString();
    painter->setPen(pal.color(QPalette::ButtonText));
    painter->drawText(text, int(h | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip),
                      heading);
  }
  if (logicalIndex == m_nSortColumn) {
    // Lit and shaded edges, both darker than the face: a white edge, as on the handheld's
    // grey buttons, would vanish on today's nearly white ones.
    const MarkStrokes strokes = SortMarkStrokes(rect, m_bAscending);
    painter->setPen(QPen(pal.color(QPalette::Dark), 1));
    painter->drawPolyline(strokes.highlight.data(), static_cast<int>(strokes.highlight.size()));
    painter->setPen(QPen(pal.color(QPalette::ButtonText), 1));
    painter->drawPolyline(strokes.shadow.data(), static_cast<int>(strokes.shadow.size()));
  }
  painter->restore();
}

void CSortHeaderCtrl::mousePressEvent(QMouseEvent* event) {
  pressed_ = logicalIndexAt(event->position().toPoint());
  viewport()->update();
  QHeaderView::mousePressEvent(event);
}

void CSortHeaderCtrl::mouseReleaseEvent(QMouseEvent* event) {
  pressed_ = -1;
  viewport()->update();
  QHeaderView::mouseReleaseEvent(event);
}

}  // namespace tavra
