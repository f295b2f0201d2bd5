#include "app/qt/list_dialog.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "results/qt/sort_list_ctrl.h"

namespace tavra {
namespace {
constexpr int kListFontPixels = 14;
constexpr int kListRowPixels = 18;
int ScaledPixels(const QWidget* w, int pixels) {
  return (pixels * w->logicalDpiY() + 48) / 96;
}
}  // namespace

QFont SecondaryListFont(const QWidget* w) {
  QFont font;
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
  font.setPixelSize(ScaledPixels(w, kListFontPixels));
  font.setWeight(QFont::Normal);
  return font;
}

void SetUpSecondaryList(CSortListCtrl* list, const QFont& font) {
  list->setFont(font);
  list->SetRowHeight(std::max(ScaledPixels(list, kListRowPixels), QFontMetrics(font).height() + 2));
  const double digits = QFontMetrics(font).horizontalAdvance(QStringLiteral("0123456789"));
  list->SetWidthScale(std::max(1.0, digits / 70.0));
}

DialogBaseUnits FittingUnits(const QWidget* dialog,
                             std::initializer_list<std::pair<int, QString>> fits) {
  DialogBaseUnits units = BaseUnitsOf(dialog->font());
  const QFontMetrics metrics(dialog->font());
  // A little more than the text: labels indent, buttons and combo boxes have frames.
  for (const auto& [dlu, text] : fits)
    units = WidenToFit(units, dlu, metrics.horizontalAdvance(text) + metrics.height());
  return units;
}

void GrowToTextHeight(std::initializer_list<QWidget*> controls) {
  for (QWidget* w : controls)
    if (w && w->height() < w->sizeHint().height()) w->resize(w->width(), w->sizeHint().height());
}

void FitDialogToList(QDialog* dialog, CSortListCtrl* list, DialogBaseUnits units) {
  int listWidth = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < list->model()->columnCount(); ++c)
    if (!list->isColumnHidden(c)) listWidth += list->columnWidth(c);
  // Up to a screenful of lines without scrolling; a longer list scrolls.
  constexpr int kLinesShown = 20;
  const int lines = std::min(list->model()->rowCount(), kLinesShown);
  const int listHeight = 2 * list->frameWidth() + list->horizontalHeader()->sizeHint().height() +
                         lines * list->verticalHeader()->defaultSectionSize();
  QSize size(std::max(dialog->width(), list->x() + listWidth + DluToPixelsX(1, units)),
             std::max(dialog->height(), list->y() + listHeight));
  const QScreen* screen = dialog->screen();
  if (screen) size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  dialog->resize(size);
  FillWithList(dialog, list);
}

void FillWithList(QDialog* dialog, CSortListCtrl* list) {
  QRect r = list->geometry();
  r.setRight(dialog->width() - 1);
  r.setBottom(dialog->height() - 1);
  list->setGeometry(r);
}

ListDialog::ListDialog(QWidget* parent) : QDialog(parent) {
  setModal(true);
}

bool ListDialog::OnInitDialog() {
  if (m_bInitialised) return true;
  m_bInitialised = true;
  m_font = SecondaryListFont(this);
  SetUpSecondaryList(m_list, m_font);
  FillControls();
  FitDialogToList(this, m_list, BaseUnitsOf(font()));
  return true;
}

int ListDialog::DoModal() {
  OnInitDialog();
  return exec();
}

void ListDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (m_list) FillWithList(this, m_list);
}

}  // namespace tavra
