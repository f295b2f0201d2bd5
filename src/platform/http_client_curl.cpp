#include <curl/curl.h>

#include <mutex>

#include "platform/http_client.h"

namespace tavra {
namespace {

struct Exchange {
  const HttpRequest* request;
  HttpResponse* response;
  bool headersTooLong = false;
};

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto* x = static_cast<Exchange*>(user);
  const size_t n = size * count;
  std::string& headers = x->response->headers;
  // A new status line (after an interim 1xx answer) starts the headers again.
  if (n >= 5 && std::string_view(data, 5) == "HTTP/") headers.clear();
  if (headers.size() + n > x->request->maxHeaderBytes) {
    x->headersTooLong = true;
    return 0;  // ends the exchange
  }
  headers.append(data, n);
  return n;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* x = static_cast<Exchange*>(user);
  const size_t n = size * count;
  std::string& body = x->response->body;
  const size_t room = x->request->maxBodyBytes - body.size();
  if (n > room) {
    body.append(data, room);
    x->response->bodyCut = true;
    return 0;  // stops reading: the rest is never held
  }
  body.append(data, n);
  return n;
}

class CurlHttpClient : public HttpClient {
 public:
  CurlHttpClient() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  }

  HttpResponse Get(const HttpRequest& request) override {
    HttpResponse response;
    CURL* curl = curl_easy_init();
    if (!curl) {
      response.error = "the HTTP client cannot start";
      return response;
    }
    Exchange x{&request, &response};
    curl_slist* headers = nullptr;
    for (const std::string& h : request.headers) headers = curl_slist_append(headers, h.c_str());
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION,
                     request.http10 ? CURL_HTTP_VERSION_1_0 : CURL_HTTP_VERSION_NONE);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, request.totalTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // timeouts without signals: thread-safe
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");  // the check talks to its server directly
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &x);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &x);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
    if (code == CURLE_OK || (code == CURLE_WRITE_ERROR && response.bodyCut)) {
      response.ok = response.status > 0;
      if (!response.ok) response.error = "no HTTP answer";
    } else if (x.headersTooLong) {
      response.error = "the answer's headers are too long";
    } else {
      response.error = *errorText ? errorText : curl_easy_strerror(code);
    }
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    return response;
  }
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient() {
  return std::make_unique<CurlHttpClient>();
}

}  // namespace tavra
