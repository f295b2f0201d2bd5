// tavra-cli update-check against a server on loopback: what it prints, its exit statuses,
// and where the server's address comes from.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <mutex>
#include <sstream>

#include "online/update_check.h"
#include "support/http_test_server.h"
#include "support/test_support.h"

namespace tavra::test {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

class CliUpdateCheck : public ::testing::Test {
 protected:
  void SetUp() override { data_.WriteData(Compile(SmallNetwork())); }  // version 20240101

  CliRun Cli(const std::string& options) {
    std::string command = "XDG_CONFIG_HOME='" + config_.path() + "' " + TAVRA_BUILD_DIR +
                          "/tavra-cli --data-dir '" + data_.path() + "' " + options + " >" +
                          data_.File("out") + " 2>" + data_.File("err") + " </dev/null";
    int raw = std::system(command.c_str());
    auto slurp = [](const std::string& path) {
      std::stringstream s;
      s << std::ifstream(path).rdbuf();
      return s.str();
    };
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(data_.File("out")),
            slurp(data_.File("err"))};
  }

  TempDir data_, config_;
  // The answer changes between requests; the server thread reads it under the lock (the
  // request comes from a child process, an order the thread checker cannot see).
  void SetAnswer(std::string answer) {
    std::lock_guard<std::mutex> lock(answerLock_);
    answer_ = std::move(answer);
  }
  std::mutex answerLock_;
  std::string answer_ = "20240102";
  HttpTestServer server_{[this](const std::string& path) {
    std::lock_guard<std::mutex> lock(answerLock_);
    return path == "/down/ver_ppc.txt" ? Reply(200, answer_) : Reply(404, "");
  }};
};

TEST_F(CliUpdateCheck, NewerUpToDateAndFailed) {
  CliRun r = Cli("--update-server " + server_.Base() + " update-check");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "20240102\tnewer\t" + server_.Base() + "/down/tavrppc20240102.cab\n");
  r = Cli("--format json --update-server " + server_.Base() + " update-check");
  EXPECT_EQ(r.out,
            "[{\"command\":\"update-check\",\"server\":20240102,\"data\":\"20240101\",\"newer\":"
            "true,\"package\":\"" +
                server_.Base() + "/down/tavrppc20240102.cab\"}]\n");

  SetAnswer("20240101");
  r = Cli("--update-server " + server_.Base() + " update-check");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "20240101\tup to date\n");
  EXPECT_NE(r.err.find("你的版本已是最新!"), std::string::npos);

  r = Cli("--update-server " + server_.Base() + "/elsewhere update-check");
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("网络连接失败!"), std::string::npos);
  EXPECT_NE(r.err.find("404"), std::string::npos);
  EXPECT_EQ(Cli("--update-server file:///etc update-check").status, 3);
  // A global option may follow the command; an address that is no URL fails the check.
  EXPECT_EQ(Cli("update-check --update-server x").status, 3);
}

TEST_F(CliUpdateCheck, TheSettingNamesTheServerUnlessTheOptionDoes) {
  SettingsStore store(config_.File("tavra/settings.ini"));
  ASSERT_TRUE(store.CreateKey(kOnlineSettingsKey));
  const std::string base = server_.Base();
  ASSERT_TRUE(store.WriteString(kOnlineSettingsKey, kUpdateServerValue,
                                std::u16string(base.begin(), base.end()),
                                SettingsStore::kMaxTextChars));
  EXPECT_EQ(Cli("update-check").status, 0);
  EXPECT_EQ(server_.Requests().size(), 1u);
  EXPECT_EQ(
      Cli("--update-server http://127.0.0.1:" + std::to_string(UnusedPort()) + " update-check")
          .status,
      3);
  EXPECT_EQ(server_.Requests().size(), 1u);
}

}  // namespace
}  // namespace tavra::test
