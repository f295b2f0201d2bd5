#include "platform/qt/dialog_builder.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "platform/qt/app_icon.h"
#include "platform/qt/qt_text.h"

namespace tavra {
namespace {

int MulDiv(int a, int b, int c) {
  return (a * b + c / 2) / c;
}

// The edit field of a drop-down combo box is as high as an edit control; the template's
// height is that of the dropped list.
constexpr int kEditHeightDlu = 12;

QWidget* MakeControl(const res::ControlTemplate& c, QWidget* parent,
                     const ControlFactory& factory) {
  const QString text = ToQString(c.text);
  switch (c.kind) {
    case res::ControlKind::ComboDropDown: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      // Enter must not add the typed text to the offered names.
      combo->setInsertPolicy(QComboBox::NoInsert);
      // No inline completion: the program offers the names itself.
      combo->setCompleter(nullptr);
      return combo;
    }
    case res::ControlKind::ComboDropList:
      return new QComboBox(parent);
    case res::ControlKind::Button: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(false);
      return button;
    }
    case res::ControlKind::Static: {
      auto* label = new QLabel(text, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      // A little air after the control to the left, whose frame the desktop draws wider.
      label->setIndent(2);
      return label;
    }
    case res::ControlKind::Edit:
      return new QLineEdit(text, parent);
    case res::ControlKind::Icon: {
      auto* label = new QLabel(parent);
      label->setPixmap(AppIcon().pixmap(32, 32));
      return label;
    }
    case res::ControlKind::ListView:
      return factory ? factory(c, parent) : nullptr;
  }
  return nullptr;
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  QFontMetrics metrics(font);
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {MulDiv(metrics.horizontalAdvance(letters), 1, 52), metrics.height()};
}

DialogBaseUnits WidenToFit(DialogBaseUnits base, int dlu, int pixels) {
  if (dlu > 0 && DluToPixelsX(dlu, base) < pixels) base.x = (pixels * 4 + dlu - 1) / dlu;
  return base;
}

int DluToPixelsX(int dlu, DialogBaseUnits base) {
  return MulDiv(dlu, base.x, 4);
}
int DluToPixelsY(int dlu, DialogBaseUnits base) {
  return MulDiv(dlu, base.y, 8);
}

QRect DluToPixels(const res::DluRect& r, DialogBaseUnits base) {
  return QRect(DluToPixelsX(r.x, base), DluToPixelsY(r.y, base), DluToPixelsX(r.w, base),
               DluToPixelsY(r.h, base));
}

std::map<int, QWidget*> BuildDialog(const res::DialogTemplate& dialog, QWidget* parent,
                                    DialogBaseUnits base, const ControlFactory& factory) {
  std::map<int, QWidget*> byId;
  std::vector<std::pair<const res::ControlTemplate*, QWidget*>> placed;
  parent->setWindowTitle(ToQString(dialog.title));
  parent->resize(DluToPixelsX(dialog.width, base), DluToPixelsY(dialog.height, base));
  for (const res::ControlTemplate& c : dialog.controls) {
    QWidget* w = MakeControl(c, parent, factory);
    if (!w) continue;
    res::DluRect rect = c.rect;
    if (c.kind == res::ControlKind::ComboDropDown || c.kind == res::ControlKind::ComboDropList)
      rect.h = kEditHeightDlu;
    w->setGeometry(DluToPixels(rect, base));
    w->setEnabled(c.enabled);
    w->setVisible(c.visible);
    if (c.id != res::kNoId) {
      w->setObjectName(QStringLiteral("control%1").arg(c.id));
      byId[c.id] = w;
    }
    placed.push_back({&c, w});
  }
  // A label's text sits on the middle line of the taller control beside it, as the
  // handheld's thinner frames made it look.
  for (const auto& [label, lw] : placed) {
    if (label->kind != res::ControlKind::Static) continue;
    for (const auto& [other, ow] : placed) {
      if (other->kind == res::ControlKind::Static || other->kind == res::ControlKind::ListView ||
          other->kind == res::ControlKind::Icon)
        continue;
      const QRect a = lw->geometry(), b = ow->geometry();
      if (b.height() <= a.height() || b.top() > a.bottom() || a.top() > b.bottom()) continue;
      lw->move(a.x(), b.center().y() - a.height() / 2);
      break;
    }
  }
  return byId;
}

}  // namespace tavra
