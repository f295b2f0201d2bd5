#include "platform/qt/app_icon.h"

#include <QImage>
#include <QPixmap>

#include "resources/app_icon.h"

namespace tavra {

QIcon AppIcon() {
  QImage image(res::kAppIconSize, res::kAppIconSize, QImage::Format_ARGB32);
  for (int y = 0; y < res::kAppIconSize; ++y)
    for (int x = 0; x < res::kAppIconSize; ++x)
      image.setPixel(
          x, y,
          res::AppIconColor(res::kAppIconPixels[static_cast<size_t>(y)][static_cast<size_t>(x)]));
  QIcon icon;
  for (int size : {16, 32, 48})
    icon.addPixmap(QPixmap::fromImage(
        image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
  return icon;
}

}  // namespace tavra
