#pragma once
// Creates a dialog's widgets from its template, scaled from dialog units to pixels for
// the dialog's font, as the handheld's dialog manager did.
#include <QFont>
#include <QRect>
#include <functional>
#include <map>

#include "resources/dialog_template.h"

class QWidget;

namespace tavra {

// Pixels per 4 horizontal and per 8 vertical dialog units: the font's average width of
// the 52 Latin letters and its line height.
struct DialogBaseUnits {
  int x = 0;
  int y = 0;
};

DialogBaseUnits BaseUnitsOf(const QFont& font);

// `base` widened, if need be, so that `dlu` horizontal units are at least `pixels` wide:
// the desktop's controls carry more frame than the handheld's, and the widest of them
// must still show its text. Every control then keeps its place relative to the others.
DialogBaseUnits WidenToFit(DialogBaseUnits base, int dlu, int pixels);

// Rounded as the handheld did (MulDiv): x * base.x / 4, y * base.y / 8.
QRect DluToPixels(const res::DluRect& rect, DialogBaseUnits base);
int DluToPixelsX(int dlu, DialogBaseUnits base);
int DluToPixelsY(int dlu, DialogBaseUnits base);

// Makes the widget of a control the builder does not make itself (a list view), or
// nullptr to leave that control out.
using ControlFactory = std::function<QWidget*(const res::ControlTemplate&, QWidget* parent)>;

// Creates every control of `dialog` as a child of `parent`, placed and sized in pixels,
// with its text, enabled and visible state; sets the window title and the client size.
// Returns the widgets of the controls that have an id.
std::map<int, QWidget*> BuildDialog(const res::DialogTemplate& dialog, QWidget* parent,
                                    DialogBaseUnits base, const ControlFactory& factory);

}  // namespace tavra
