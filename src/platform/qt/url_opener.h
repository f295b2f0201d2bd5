#pragma once
// Opening an address through the desktop's launcher (Qt's desktop services).
#include "platform/url_opener.h"

namespace tavra {

class QtUrlOpener : public UrlOpener {
 public:
  bool OpenUrl(std::string_view url) override;
};

}  // namespace tavra
