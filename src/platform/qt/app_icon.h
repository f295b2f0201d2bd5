#pragma once
// The application icon (resource 128) as a Qt icon.
#include <QIcon>

namespace tavra {

// The icon's pixel grid at 16, 32 and 48 pixels, each pixel a square.
QIcon AppIcon();

}  // namespace tavra
