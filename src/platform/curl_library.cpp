#include "platform/curl_library.h"

#include <dlfcn.h>

namespace tavra {
namespace {

template <typename Function>
bool Find(void* handle, const char* name, Function& function, std::string& error) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (!function) error = std::string("the HTTP library has no ") + name;
  return function != nullptr;
}

}  // namespace

bool OpenCurlLibrary(const char* soname, CurlLibrary& library, std::string& error) {
  void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    error = std::string("the HTTP library ") + soname + " cannot be opened" +
            (why ? std::string(": ") + why : std::string());
    return false;
  }
  CurlLibrary found;
  const bool all = Find(handle, "curl_global_init", found.globalInit, error) &&
                   Find(handle, "curl_easy_init", found.easyInit, error) &&
                   Find(handle, "curl_easy_setopt", found.easySetopt, error) &&
                   Find(handle, "curl_easy_perform", found.easyPerform, error) &&
                   Find(handle, "curl_easy_getinfo", found.easyGetinfo, error) &&
                   Find(handle, "curl_easy_strerror", found.easyStrerror, error) &&
                   Find(handle, "curl_easy_cleanup", found.easyCleanup, error) &&
                   Find(handle, "curl_slist_append", found.slistAppend, error) &&
                   Find(handle, "curl_slist_free_all", found.slistFreeAll, error);
  if (!all) {
    dlclose(handle);
    return false;
  }
  library = found;
  return true;
}

const CurlLibrary* SharedCurlLibrary(std::string& error) {
  struct Shared {
    CurlLibrary library;
    std::string error;
    bool ok = false;
  };
  // A function-local static: opened and initialised exactly once, whichever thread asks first.
  static const Shared shared = [] {
    Shared s;
    s.ok = OpenCurlLibrary(kCurlSoname, s.library, s.error);
    if (s.ok && s.library.globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
      s.ok = false;
      s.error = "the HTTP library cannot start";
    }
    return s;
  }();
  if (!shared.ok) error = shared.error;
  return shared.ok ? &shared.library : nullptr;
}

}  // namespace tavra
