// Hostile update-server answers: the input is split at NUL bytes into up to two answers,
// each "<status>\n<header lines>\r\n\r\n<body>", handed to the update check's exchange by
// a client that never touches the network. The check must give -1 or a number, never
// crash; a redirection's target must always be an http(s) address.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "online/http_answer.h"
#include "online/http_get_number.h"
#include "online/http_url.h"

namespace {

tavra::HttpResponse ParseAnswer(std::string_view text) {
  tavra::HttpResponse r;
  const size_t nl = text.find('\n');
  r.status = std::atol(std::string(text.substr(0, nl)).c_str());
  if (nl == std::string_view::npos) return r;
  r.ok = true;
  text.remove_prefix(nl + 1);
  const size_t end = text.find("\r\n\r\n");
  r.headers = std::string(text.substr(0, end));
  if (end != std::string_view::npos) r.body = std::string(text.substr(end + 4));
  return r;
}

class ScriptedClient : public tavra::HttpClient {
 public:
  explicit ScriptedClient(std::vector<std::string_view> answers) : answers_(std::move(answers)) {}
  tavra::HttpResponse Get(const tavra::HttpRequest& request) override {
    if (!tavra::ParseHttpUrl(request.url)) std::abort();  // only http(s) is ever asked for
    if (next_ >= answers_.size()) return {};
    tavra::HttpResponse r = ParseAnswer(answers_[next_++]);
    if (r.body.size() > request.maxBodyBytes) {
      r.body.resize(request.maxBodyBytes);
      r.bodyCut = true;
    }
    return r;
  }

 private:
  std::vector<std::string_view> answers_;
  size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::string_view all(reinterpret_cast<const char*>(bytes), size);
  std::vector<std::string_view> answers;
  const size_t nul = all.find('\0');
  answers.push_back(all.substr(0, nul));
  if (nul != std::string_view::npos) answers.push_back(all.substr(nul + 1));

  ScriptedClient client(answers);
  const int n = tavra::HttpGetNumber(client, "http://update.example/down/ver_ppc.txt", {});
  (void)n;

  const std::string kept = tavra::KeptResponseText(all);
  if (kept.size() > tavra::kMaxResponseChars || all.substr(0, kept.size()) != kept) std::abort();
  tavra::LeadingInteger(all);
  if (auto location = tavra::LocationHeader(all)) {
    const tavra::HttpUrl base = *tavra::ParseHttpUrl("https://h:8/a/b?q");
    if (auto target = tavra::ResolveUrl(base, *location))
      if (!tavra::ParseHttpUrl(target->Text())) std::abort();
  }
  return 0;
}
