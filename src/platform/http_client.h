#pragma once
// The HTTP client the update check talks through: one GET exchange, with no redirection
// followed by itself, bounded in time and in what it keeps of the answer.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tavra {

struct HttpRequest {
  std::string url;                   // http:// or https://; any other scheme fails
  std::vector<std::string> headers;  // "Name: value" lines, replacing the client's own
  bool http10 = false;               // send the request as HTTP/1.0
  long connectTimeoutMs = 5000;
  long totalTimeoutMs = 15000;    // the whole exchange, headers and body included
  size_t maxBodyBytes = 32768;    // the rest of a longer body is never read
  size_t maxHeaderBytes = 65536;  // longer response headers fail the exchange
};

struct HttpResponse {
  bool ok = false;       // a status line and headers arrived; the body is what was kept
  std::string error;     // why not, when !ok
  long status = 0;       // of the final answer (no redirection is followed)
  std::string headers;   // the raw header lines of that answer, "\r\n" after each
  std::string body;      // at most maxBodyBytes
  bool bodyCut = false;  // the body went on beyond maxBodyBytes
};

class HttpClient {
 public:
  virtual ~HttpClient() = default;
  virtual HttpResponse Get(const HttpRequest& request) = 0;
};

// The real client (libcurl; certificates of https:// servers are verified). It opens libcurl
// at the first request, so a run that never goes online never loads it; when it cannot,
// every request fails with `error` saying so.
std::unique_ptr<HttpClient> MakeHttpClient();

}  // namespace tavra
