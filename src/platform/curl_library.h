#pragma once
// libcurl opened at the first HTTP request instead of by the loader at every start: it and
// the few dozen libraries it needs cost more to resolve than a query costs to answer, and
// most runs never go online. The curl headers still give the types and constants.
#include <curl/curl.h>

#include <string>

namespace tavra {

// The libcurl functions the HTTP client calls.
struct CurlLibrary {
  decltype(&curl_global_init) globalInit = nullptr;
  decltype(&curl_easy_init) easyInit = nullptr;
  decltype(&curl_easy_setopt) easySetopt = nullptr;
  decltype(&curl_easy_perform) easyPerform = nullptr;
  decltype(&curl_easy_getinfo) easyGetinfo = nullptr;
  decltype(&curl_easy_strerror) easyStrerror = nullptr;
  decltype(&curl_easy_cleanup) easyCleanup = nullptr;
  decltype(&curl_slist_append) slistAppend = nullptr;
  decltype(&curl_slist_free_all) slistFreeAll = nullptr;
};

// The soname of the runtime library the headers describe (Debian's libcurl4).
inline constexpr const char* kCurlSoname = "libcurl.so.4";

// Opens the library `soname` and finds every function in it; false, with `error` saying
// which part failed, when it cannot. The library stays open for the rest of the process.
bool OpenCurlLibrary(const char* soname, CurlLibrary& library, std::string& error);

// kCurlSoname opened and globally initialised once per process, from any thread; nullptr,
// with `error` set, when it cannot be opened.
const CurlLibrary* SharedCurlLibrary(std::string& error);

}  // namespace tavra
