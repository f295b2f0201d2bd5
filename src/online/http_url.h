#pragma once
// The update server's addresses: only http:// and https:// are accepted, and a
// redirection's target may be relative to the address that answered.
#include <optional>
#include <string>
#include <string_view>

namespace tavra {

struct HttpUrl {
  std::string scheme;     // "http" or "https", lower case
  std::string authority;  // host[:port], as given
  std::string path;       // from the first '/' on (query included); "/" when empty
  std::string Text() const { return scheme + "://" + authority + path; }
};

// nullopt for another scheme, an empty host, or a control character or blank anywhere.
std::optional<HttpUrl> ParseHttpUrl(std::string_view text);

// `reference` (a Location value) resolved against `base`: an absolute address, "//host/x",
// "/x" or a path relative to base's folder ("." and ".." segments removed). nullopt when
// the result is no http(s) address.
std::optional<HttpUrl> ResolveUrl(const HttpUrl& base, std::string_view reference);

}  // namespace tavra
