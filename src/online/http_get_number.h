#pragma once
// One exchange with the update server that yields the leading number of its answer.
#include <string>
#include <string_view>

#include "platform/http_client.h"

namespace tavra {

// Connect and total time of each request; the check makes at most two.
struct HttpTimeouts {
  long connectMs = 5000;
  long totalMs = 15000;
};

// GET `address` as HTTP/1.0 with the two request headers, following one 301/302/303 by
// hand. -1 on any failure (then `failure`, if given, says why): a network error, a
// scheme other than http(s), 401, a second redirection, a final status outside 2xx, an
// answer whose kept text does not start with a number. Otherwise the number.
int HttpGetNumber(HttpClient& client, std::string_view address, const HttpTimeouts& timeouts,
                  std::string* failure = nullptr);

// The headers every request carries.
inline constexpr std::string_view kAcceptHeader = "Accept: text/*";
inline constexpr std::string_view kUserAgentHeader = "User-Agent: MFC_Http_Sample";

}  // namespace tavra
