#pragma once
// Opening an address in the system's browser (or whatever handles it).
#include <string_view>

namespace tavra {

class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  // True when the system accepted the address; a failure is not reported to the user.
  virtual bool OpenUrl(std::string_view url) = 0;
};

}  // namespace tavra
