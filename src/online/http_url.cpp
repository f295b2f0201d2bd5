#include "online/http_url.h"

#include <vector>

namespace tavra {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool HasBadChar(std::string_view s) {
  for (unsigned char c : s)
    if (c <= ' ' || c == 0x7F) return true;
  return false;
}

// The path with its "." and ".." segments removed; the query, if any, kept as it is.
std::string RemoveDotSegments(std::string_view path) {
  std::string_view query;
  if (size_t q = path.find_first_of("?#"); q != std::string_view::npos) {
    query = path.substr(q);
    path = path.substr(0, q);
  }
  std::vector<std::string_view> kept;
  size_t pos = 1;  // after the leading '/'
  bool trailingSlash = false;
  while (pos <= path.size()) {
    size_t end = path.find('/', pos);
    if (end == std::string_view::npos) end = path.size();
    std::string_view seg = path.substr(pos, end - pos);
    trailingSlash = false;
    if (seg == "..") {
      if (!kept.empty()) kept.pop_back();
      trailingSlash = true;
    } else if (seg == ".") {
      trailingSlash = true;
    } else {
      kept.push_back(seg);
    }
    pos = end + 1;
  }
  std::string out;
  for (std::string_view seg : kept) out += "/" + std::string(seg);
  if (out.empty() || trailingSlash) out += "/";
  return out + std::string(query);
}

}  // namespace

std::optional<HttpUrl> ParseHttpUrl(std::string_view text) {
  if (HasBadChar(text)) return std::nullopt;
  const size_t colon = text.find("://");
  if (colon == std::string_view::npos) return std::nullopt;
  HttpUrl url;
  url.scheme = Lower(text.substr(0, colon));
  if (url.scheme != "http" && url.scheme != "https") return std::nullopt;
  std::string_view rest = text.substr(colon + 3);
  const size_t slash = rest.find_first_of("/?#");
  url.authority = std::string(rest.substr(0, slash));
  // No user name in an update address, and a port only of digits.
  if (url.authority.empty() || url.authority.find('@') != std::string::npos) return std::nullopt;
  if (size_t p = url.authority.rfind(':');
      p != std::string::npos && url.authority.find(']', p) == std::string::npos) {
    std::string_view port = std::string_view(url.authority).substr(p + 1);
    if (p == 0 || port.empty() || port.size() > 5) return std::nullopt;
    for (char c : port)
      if (c < '0' || c > '9') return std::nullopt;
  }
  if (slash == std::string_view::npos) {
    url.path = "/";
  } else {
    std::string_view path = rest.substr(slash);
    url.path = path[0] == '/' ? std::string(path) : "/" + std::string(path);
  }
  return url;
}

std::optional<HttpUrl> ResolveUrl(const HttpUrl& base, std::string_view reference) {
  if (reference.empty() || HasBadChar(reference)) return std::nullopt;
  // A scheme of its own: letters, digits, '+', '-', '.' before the first ':'.
  const size_t colon = reference.find(':');
  const size_t stop = reference.find_first_of("/?#");
  if (colon != std::string_view::npos && (stop == std::string_view::npos || colon < stop)) {
    std::optional<HttpUrl> url = ParseHttpUrl(reference);
    if (url) url->path = RemoveDotSegments(url->path);
    return url;
  }
  if (reference.substr(0, 2) == "//")
    return ResolveUrl(base, base.scheme + ":" + std::string(reference));
  HttpUrl url = base;
  if (reference[0] == '/') {
    url.path = RemoveDotSegments(reference);
  } else if (reference[0] == '?' || reference[0] == '#') {
    url.path = base.path.substr(0, base.path.find_first_of("?#")) + std::string(reference);
  } else {
    std::string dir = base.path.substr(0, base.path.find_first_of("?#"));
    dir = dir.substr(0, dir.rfind('/') + 1);
    url.path = RemoveDotSegments(dir + std::string(reference));
  }
  return url;
}

}  // namespace tavra
