// The update check against a real HTTP server on loopback: the request it sends, the
// answers it accepts, and every hostile answer ending as a failure within the timeouts.
#include "online/update_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "online/http_answer.h"
#include "online/http_url.h"
#include "support/http_test_server.h"
#include "support/test_support.h"

namespace tavra::test {
namespace {

constexpr HttpTimeouts kQuick{1000, 1500};

// A server answering each path from a table; unknown paths get 404.
class TableServer {
 public:
  explicit TableServer(std::map<std::string, HttpReply> table)
      : table_(std::move(table)), server_([this](const std::string& path) {
          auto it = table_.find(path);
          return it == table_.end() ? Reply(404, "not here") : it->second;
        }) {}
  HttpTestServer& server() { return server_; }
  std::string Url(const std::string& path) { return server_.Base() + path; }

 private:
  std::map<std::string, HttpReply> table_;
  HttpTestServer server_;
};

int Get(const std::map<std::string, HttpReply>& table, std::string* failure = nullptr,
        HttpTimeouts timeouts = kQuick) {
  TableServer s(table);
  auto client = MakeHttpClient();
  return HttpGetNumber(*client, s.Url("/v"), timeouts, failure);
}

UpdateCheck Check(const std::string& body, const std::string& dataVersion = "20240101") {
  TableServer s({{"/down/ver_ppc.txt", Reply(200, body)}});
  auto client = MakeHttpClient();
  return RunUpdateCheck(*client, {s.server().Base() + "/", kQuick, ""},
                        std::u16string(dataVersion.begin(), dataVersion.end()));
}

TEST(UpdateCheck, ServerNumberAgainstTheDataVersion) {
  EXPECT_EQ(Check("20240101").result, 0);
  EXPECT_EQ(Check("20231231\n").result, 0);
  EXPECT_EQ(Check("0").result, 0);
  EXPECT_EQ(Check("-5").result, -5);  // passed through: the caller says nothing
  EXPECT_EQ(Check("-1").result, -1);
  UpdateCheck newer = Check(" \r\n 20240102 is out\n");
  EXPECT_EQ(newer.result, 1);
  EXPECT_EQ(newer.serverNumber, 20240102);
  EXPECT_NE(newer.packageUrl.find("/down/tavrppc20240102.cab"), std::string::npos);
  EXPECT_EQ(newer.packageUrl.find("//down"), std::string::npos);  // trailing '/' of the base
  // A data version that is no number counts as 0.
  EXPECT_EQ(Check("3", "unknown").result, 1);
}

TEST(UpdateCheck, SendsAnHttp10GetWithBothHeaders) {
  TableServer s({{"/p/down/ver_ppc.txt", Reply(200, "7")}});
  auto client = MakeHttpClient();
  EXPECT_EQ(RunUpdateCheck(*client, {s.server().Base() + "/p", kQuick, ""}, u"1").result, 1);
  ASSERT_EQ(s.server().Requests().size(), 1u);
  const std::string head = s.server().Requests()[0];
  EXPECT_EQ(head.substr(0, head.find("\r\n")), "GET /p/down/ver_ppc.txt HTTP/1.0");
  EXPECT_NE(head.find("\r\nAccept: text/*\r\n"), std::string::npos);
  EXPECT_NE(head.find("\r\nUser-Agent: MFC_Http_Sample\r\n"), std::string::npos);
  EXPECT_EQ(head.find("*/*"), std::string::npos);  // the client's own Accept is replaced
}

TEST(UpdateCheck, FollowsOneRedirectionOnly) {
  for (int status : {301, 302, 303})
    EXPECT_EQ(Get({{"/v", Reply(status, "", "Location: /n\r\n")}, {"/n", Reply(200, "42")}}), 42)
        << status;
  // Relative to the asked address, ended without its carriage return, name in any case.
  EXPECT_EQ(Get({{"/v", Reply(302, "", "location:  a/../n \r\n")}, {"/n", Reply(200, "5")}}), 5);
  std::string why;
  EXPECT_EQ(Get({{"/v", Reply(302, "", "Location: /n\r\n")},
                 {"/n", Reply(302, "", "Location: /m\r\n")},
                 {"/m", Reply(200, "9")}},
                &why),
            -1);
  EXPECT_NE(why.find("302"), std::string::npos);
  EXPECT_EQ(Get({{"/v", Reply(302, "9")}}), -1);  // no Location
  EXPECT_EQ(Get({{"/v", Reply(302, "", "Content-Location: /n\r\n")}, {"/n", Reply(200, "9")}}), -1);
  for (std::string target : {"ftp://127.0.0.1/n", "file:///etc/hostname", "javascript:1"})
    EXPECT_EQ(Get({{"/v", Reply(302, "", "Location: " + target + "\r\n")}}), -1) << target;
  // 307 is no redirection the check follows, and not a 2xx answer either.
  EXPECT_EQ(Get({{"/v", Reply(307, "9", "Location: /n\r\n")}, {"/n", Reply(200, "9")}}), -1);
}

TEST(UpdateCheck, ErrorPagesAndAnswersWithoutANumberFail) {
  for (int status : {401, 404, 500}) EXPECT_EQ(Get({{"/v", Reply(status, "20250101")}}), -1);
  EXPECT_EQ(Get({{"/v", Reply(200, "<html>20250101</html>")}}), -1);
  EXPECT_EQ(Get({{"/v", Reply(200, "")}}), -1);
  EXPECT_EQ(Get({{"/v", Reply(200, "99999999999")}}), -1);  // does not fit
  EXPECT_EQ(Get({{"/v", HttpReply{"garbage\r\n\r\n12"}}}), -1);
  EXPECT_EQ(Get({{"/v", HttpReply{""}}}), -1);  // closed without a word
  auto client = MakeHttpClient();
  std::string why;
  EXPECT_EQ(HttpGetNumber(*client, "ftp://127.0.0.1/v", kQuick, &why), -1);
  EXPECT_NE(why.find("not an http"), std::string::npos);
  EXPECT_EQ(
      HttpGetNumber(*client, "http://127.0.0.1:" + std::to_string(UnusedPort()) + "/v", kQuick),
      -1);
}

TEST(UpdateCheck, OversizeBodiesKeepTheirFirstLines) {
  EXPECT_EQ(Get({{"/v", Reply(200, "77\n" + std::string(5'000'000, 'x'))}}), 77);
  // Lines are at most 1024 characters; the one that passes the total is left out.
  std::string body = "1\n" + std::string(31996, 'a') + "\nzz";
  EXPECT_EQ(KeptResponseText(body).size(), 31999u);
  EXPECT_EQ(KeptResponseText(std::string(32000, 'b')).size(), 31 * 1024u);
  EXPECT_EQ(KeptResponseText("12\r\n34"), "12\r\n34");
}

TEST(UpdateCheck, SlowAndEndlessServersEndWithinTheTimeouts) {
  for (const HttpReply& reply :
       {HttpReply{Reply(200, "5").raw, 5000}, HttpReply{"HTTP/1.0 200 X\r\n", 0, true},
        HttpReply{"HTTP/1.0 200", 0, false}}) {
    const auto start = std::chrono::steady_clock::now();
    const int n = Get({{"/v", reply}}, nullptr, {300, 600});
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    EXPECT_EQ(n, -1);
    EXPECT_LT(ms, 2000);
  }
}

TEST(UpdateCheck, AddressesAreHttpOrHttpsOnly) {
  EXPECT_EQ(ParseHttpUrl("HTTPS://h:8080")->Text(), "https://h:8080/");
  for (const char* bad : {"ftp://h/", "http://", "http://h:x/", "http://u@h/", "http://h /", "h/x"})
    EXPECT_FALSE(ParseHttpUrl(bad)) << bad;
  const HttpUrl base = *ParseHttpUrl("http://h:1/a/b/c?q");
  EXPECT_EQ(ResolveUrl(base, "d")->Text(), "http://h:1/a/b/d");
  EXPECT_EQ(ResolveUrl(base, "../../../d")->Text(), "http://h:1/d");
  EXPECT_EQ(ResolveUrl(base, "//g/x")->Text(), "http://g/x");
  EXPECT_EQ(ResolveUrl(base, "https://g/./x/")->Text(), "https://g/x/");
  EXPECT_FALSE(ResolveUrl(base, "mailto:a@b"));
}

TEST(UpdateCheck, ServerSettingOverrideAndStaleFile) {
  TempDir dir;
  SettingsStore store(dir.File("settings.ini"));
  EXPECT_EQ(UpdateServerBase(store, ""), "http://update.tavra.example");
  ASSERT_TRUE(store.CreateKey(kOnlineSettingsKey));
  const std::u16string long_url = u"https://updates.example.net:8443/some/long/prefix";
  ASSERT_TRUE(store.WriteString(kOnlineSettingsKey, kUpdateServerValue, long_url,
                                SettingsStore::kMaxTextChars));
  SettingsStore reread(dir.File("settings.ini"));
  EXPECT_EQ(UpdateServerBase(reread, ""), "https://updates.example.net:8443/some/long/prefix");
  EXPECT_EQ(UpdateServerBase(reread, "http://x:1"), "http://x:1");
  // The short registry values are still cut as before.
  EXPECT_EQ(reread.ReadString(kOnlineSettingsKey, kUpdateServerValue)->size(), 9u);

  // ver_ppc.ini goes from the settings folder, even when the check fails, and never from
  // the working folder.
  dir.Write("ver_ppc.ini", "x");
  std::ofstream("ver_ppc.ini") << "keep";
  auto client = MakeHttpClient();
  EXPECT_EQ(RunUpdateCheck(*client, {"gopher://x", kQuick, dir.path()}, u"1").result, -1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("ver_ppc.ini")));
  EXPECT_TRUE(std::filesystem::exists("ver_ppc.ini"));
  std::filesystem::remove("ver_ppc.ini");
}

}  // namespace
}  // namespace tavra::test
