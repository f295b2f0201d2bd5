#include "results/qt/sort_list_ctrl.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/qt/qt_text.h"
#include "results/qt/sort_header_ctrl.h"

namespace tavra {
namespace {

QColor ToQColor(Color c) {
  return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

Color FromQColor(const QColor& c) {
  return Rgb(c.red(), c.green(), c.blue());
}

// Room around a cell's text, so that centred texts never touch the grid.
constexpr int kCellPadding = 3;

// Paints each cell itself: its own background and text colour, or the highlight colours
// when its row is selected; the text single-line and vertically centred.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    const QColor back = selected ? pal.color(QPalette::Active, QPalette::Highlight)
                                 : index.data(Qt::BackgroundRole).value<QColor>();
    const QColor text = selected ? pal.color(QPalette::Active, QPalette::HighlightedText)
                                 : index.data(Qt::ForegroundRole).value<QColor>();
    painter->save();
    painter->fillRect(option.rect, back);
    const QString s = index.data(Qt::DisplayRole).toString();
    if (!s.isEmpty()) {
      painter->setPen(text);
      painter->setFont(option.font);
      const int align = index.data(Qt::TextAlignmentRole).toInt();
      painter->drawText(option.rect.adjusted(kCellPadding, 0, -kCellPadding, 0),
                        align | Qt::AlignVCenter | Qt::TextSingleLine, s);
    }
    painter->restore();
  }
};

}  // namespace

SortListTableModel::SortListTableModel(const SortListModel& list, QObject* parent)
    : QAbstractTableModel(parent),
      list_(list),
      rows_(list.RowCount()),
      columns_(list.ColumnCount()) {}

int SortListTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int SortListTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant SortListTableModel::data(const QModelIndex& index, int role) const {
  // While the list's redrawing is off it changes without telling: a row or column the
  // views still count may be gone.
  const int r = index.row(), c = index.column();
  if (r < 0 || c < 0 || r >= list_.RowCount() || c >= list_.ColumnCount()) return {};
  const ListRow row = list_.Row(r);
  const size_t col = static_cast<size_t>(c);
  switch (role) {
    case Qt::DisplayRole:
      return col < row.texts.size() ? ToQString(row.texts[col]) : QString();
    case Qt::ForegroundRole:
      return col < row.textColors.size() ? ToQColor(row.textColors[col]) : QVariant();
    case Qt::BackgroundRole:
      return col < row.backColors.size() ? ToQColor(row.backColors[col]) : QVariant();
    case Qt::TextAlignmentRole:
      return int(Qt::AlignHCenter);
    default:
      return {};
  }
}

QVariant SortListTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= list_.ColumnCount()) return {};
  if (role == Qt::DisplayRole) return ToQString(list_.Columns()[static_cast<size_t>(section)].name);
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignHCenter);
  return {};
}

void SortListTableModel::ListChanged() {
  if (list_.RowCount() != rows_ || list_.ColumnCount() != columns_) {
    beginResetModel();
    rows_ = list_.RowCount();
    columns_ = list_.ColumnCount();
    endResetModel();
    return;
  }
  if (rows_ > 0 && columns_ > 0) Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, columns_ - 1));
}

CSortListCtrl::CSortListCtrl(SortListModel& list, QWidget* parent)
    : QTableView(parent),
      m_list(list),
      m_model(new SortListTableModel(list, this)),
      m_header(new CSortHeaderCtrl(this)) {
  setHorizontalHeader(m_header);
  setModel(m_model);
  setItemDelegate(new CellDelegate(this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_header->setSectionResizeMode(QHeaderView::Interactive);
  m_header->setStretchLastSection(false);
  ReadSystemColors();
  connect(m_header, &QHeaderView::sectionClicked, this, &CSortListCtrl::OnHeaderClick);
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
    if (onRowClick && index.isValid()) onRowClick(index.row());
  });
  m_list.SetChangeListener([this] { OnListChanged(); });
  OnListChanged();
}

CSortListCtrl::~CSortListCtrl() {
  m_list.SetChangeListener({});
}

void CSortListCtrl::SetRowHeight(int pixels) {
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(pixels);
}

void CSortListCtrl::SetWidthScale(double scale) {
  widthScale_ = scale;
  columnsLaidOut_ = 0;
  FitColumns();
}

void CSortListCtrl::FitColumns() {
  const QFontMetrics cell(font());
  const QFontMetrics head(m_header->font());
  const auto& columns = m_list.Columns();
  bool widened = false;
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    const int specifiedWidth = columns[static_cast<size_t>(c)].width;
    if (specifiedWidth <= 0) {  // a hidden column stays hidden: it holds keys, not texts
      setColumnHidden(c, true);
      continue;
    }
    setColumnHidden(c, false);
    int width = static_cast<int>(specifiedWidth * widthScale_ + 0.5);
    if (c >= columnsLaidOut_) {
      // The heading and the room the sort mark reserves (three quarters of the header's
      // height, plus its margins).
      const int e = m_header->sizeHint().height() / 4;
      width = std::max(
          width, head.horizontalAdvance(ToQString(columns[static_cast<size_t>(c)].name)) + 5 * e);
    } else {
      width = std::max(width, columnWidth(c));
    }
    for (int r = 0; r < m_list.RowCount(); ++r) {
      const CellTexts texts = m_list.Row(r).texts;
      if (static_cast<size_t>(c) < texts.size())
        width = std::max(width, cell.horizontalAdvance(ToQString(texts[static_cast<size_t>(c)])) +
                                    2 * kCellPadding + 2);
    }
    widened = widened || (c < columnsLaidOut_ && width > columnWidth(c));
    setColumnWidth(c, width);
  }
  columnsLaidOut_ = static_cast<int>(columns.size());
  if (widened && onColumnsWidened) onColumnsWidened();
}

void CSortListCtrl::OnListChanged() {
  const int columnsBefore = m_model->columnCount();
  m_model->ListChanged();
  if (m_list.ColumnCount() != columnsBefore || m_list.RowCount() > 0) FitColumns();
  m_header->SetSortMark(m_list.SortColumn(), m_list.SortAscending());
}

void CSortListCtrl::OnHeaderClick(int column) {
  if (!m_list.SortEnabled()) return;
  // The selection marks a place in the old order; it would point at another train now.
  clearSelection();
  m_list.OnColumnClick(column);
}

void CSortListCtrl::ReadSystemColors() {
  const QPalette& pal = palette();
  m_list.SetDefaultColors(FromQColor(pal.color(QPalette::Text)),
                          FromQColor(pal.color(QPalette::Base)));
}

void CSortListCtrl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) ReadSystemColors();
  QTableView::changeEvent(event);
}

}  // namespace tavra
