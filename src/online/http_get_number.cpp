#include "online/http_get_number.h"

#include <optional>

#include "online/http_answer.h"
#include "online/http_url.h"

namespace tavra {
namespace {

int Fail(std::string* failure, std::string why) {
  if (failure) *failure = std::move(why);
  return -1;
}

HttpResponse Send(HttpClient& client, const HttpUrl& url, const HttpTimeouts& timeouts) {
  HttpRequest request;
  request.url = url.Text();
  request.headers = {std::string(kAcceptHeader), std::string(kUserAgentHeader)};
  request.http10 = true;
  request.connectTimeoutMs = timeouts.connectMs;
  request.totalTimeoutMs = timeouts.totalMs;
  // One byte past the kept text tells whether the last line still fits.
  request.maxBodyBytes = kMaxResponseChars + 1;
  return client.Get(request);
}

}  // namespace

int HttpGetNumber(HttpClient& client, std::string_view address, const HttpTimeouts& timeouts,
                  std::string* failure) {
  std::optional<HttpUrl> url = ParseHttpUrl(address);
  if (!url) return Fail(failure, "not an http:// or https:// address: " + std::string(address));
  HttpResponse answer = Send(client, *url, timeouts);
  if (!answer.ok) return Fail(failure, answer.error);
  if (answer.status == 401) return Fail(failure, "the server wants a password (401)");
  if (answer.status == 301 || answer.status == 302 || answer.status == 303) {
    std::optional<std::string> location = LocationHeader(answer.headers);
    if (!location) return Fail(failure, "a redirection without a Location");
    std::optional<HttpUrl> target = ResolveUrl(*url, *location);
    if (!target)
      return Fail(failure, "a redirection to an address that is not http(s): " + *location);
    answer = Send(client, *target, timeouts);
    if (!answer.ok) return Fail(failure, answer.error);
    if (answer.status != 200)
      return Fail(failure, "the redirection's target answered " + std::to_string(answer.status));
  }
  // An error page is no answer, whatever its text starts with.
  if (answer.status < 200 || answer.status > 299)
    return Fail(failure, "the server answered " + std::to_string(answer.status));
  std::optional<int> n = LeadingInteger(KeptResponseText(answer.body));
  if (!n) return Fail(failure, "the answer holds no number");
  return *n;
}

}  // namespace tavra
