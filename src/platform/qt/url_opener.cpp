#include "platform/qt/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavra {

bool QtUrlOpener::OpenUrl(std::string_view url) {
  const QUrl address(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())),
                     QUrl::StrictMode);
  return address.isValid() && QDesktopServices::openUrl(address);
}

}  // namespace tavra
