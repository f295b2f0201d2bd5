#pragma once
// A tiny HTTP server on 127.0.0.1 for the update check's tests: one thread, one
// connection at a time, each answered from a script the test gives for the path asked.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavra::test {

struct HttpReply {
  std::string raw;       // bytes sent as they are (status line, headers, body)
  int delayMs = 0;       // waited before sending anything
  bool endless = false;  // after `raw`, keeps sending header lines until the client goes
};

// "HTTP/1.0 <status> X\r\n<headers>\r\n<body>" with the header lines given.
HttpReply Reply(int status, const std::string& body, const std::string& headers = "");

class HttpTestServer {
 public:
  explicit HttpTestServer(std::function<HttpReply(const std::string& path)> script);
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  int port() const { return port_; }
  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  // The request heads received so far (request line and headers), in order.
  std::vector<std::string> Requests() const;

 private:
  void Serve();
  void Answer(int client);

  std::function<HttpReply(const std::string&)> script_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens (bound, then closed again).
int UnusedPort();

}  // namespace tavra::test
