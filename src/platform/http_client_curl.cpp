#include "platform/curl_library.h"
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
  HttpResponse Get(const HttpRequest& request) override {
    HttpResponse response;
    const CurlLibrary* lib = SharedCurlLibrary(response.error);
    if (!lib) return response;
    CURL* curl = lib->easyInit();
    if (!curl) {
      response.error = "the HTTP client cannot start";
      return response;
    }
    Exchange x{&request, &response};
    curl_slist* headers = nullptr;
    for (const std::string& h : request.headers) headers = lib->slistAppend(headers, h.c_str());
    char errorText[CURL_ERROR_SIZE] = {};

    lib->easySetopt(curl, CURLOPT_URL, request.url.c_str());
    lib->easySetopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    lib->easySetopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    lib->easySetopt(curl, CURLOPT_HTTPGET, 1L);
    // Through the variadic call every number must be a long, as libcurl reads it.
    lib->easySetopt(
        curl, CURLOPT_HTTP_VERSION,
        static_cast<long>(request.http10 ? CURL_HTTP_VERSION_1_0 : CURL_HTTP_VERSION_NONE));
    lib->easySetopt(curl, CURLOPT_HTTPHEADER, headers);
    lib->easySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
    lib->easySetopt(curl, CURLOPT_TIMEOUT_MS, request.totalTimeoutMs);
    lib->easySetopt(curl, CURLOPT_NOSIGNAL, 1L);  // timeouts without signals: thread-safe
    lib->easySetopt(curl, CURLOPT_NOPROXY, "*");  // the check talks to its server directly
    lib->easySetopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
    lib->easySetopt(curl, CURLOPT_HEADERDATA, &x);
    lib->easySetopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    lib->easySetopt(curl, CURLOPT_WRITEDATA, &x);
    lib->easySetopt(curl, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = lib->easyPerform(curl);
    lib->easyGetinfo(curl, CURLINFO_RESPONSE_CODE, &response.status);
    if (code == CURLE_OK || (code == CURLE_WRITE_ERROR && response.bodyCut)) {
      response.ok = response.status > 0;
      if (!response.ok) response.error = "no HTTP answer";
    } else if (x.headersTooLong) {
      response.error = "the answer's headers are too long";
    } else {
      response.error = *errorText ? errorText : lib->easyStrerror(code);
    }
    lib->slistFreeAll(headers);
    lib->easyCleanup(curl);
    return response;
  }
};

}  // namespace

std::unique_ptr<HttpClient> MakeHttpClient() {
  return std::make_unique<CurlHttpClient>();
}

}  // namespace tavra
