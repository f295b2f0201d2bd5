#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace tavra::test {
namespace {

int Listen(int& port) {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int one = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd, 8) != 0) {
    close(fd);
    return -1;
  }
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  port = ntohs(addr.sin_port);
  return fd;
}

bool Readable(int fd, int ms) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, ms) > 0;
}

bool SendAll(int fd, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

HttpReply Reply(int status, const std::string& body, const std::string& headers) {
  return {"HTTP/1.0 " + std::to_string(status) + " X\r\n" + headers + "\r\n" + body};
}

HttpTestServer::HttpTestServer(std::function<HttpReply(const std::string&)> script)
    : script_(std::move(script)) {
  listener_ = Listen(port_);
  thread_ = std::thread([this] { Serve(); });
}

HttpTestServer::~HttpTestServer() {
  stop_ = true;
  thread_.join();
  if (listener_ >= 0) close(listener_);
}

std::vector<std::string> HttpTestServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

void HttpTestServer::Serve() {
  while (!stop_ && listener_ >= 0) {
    if (!Readable(listener_, 20)) continue;
    int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    Answer(client);
    close(client);
  }
}

void HttpTestServer::Answer(int client) {
  std::string head;
  char buf[4096];
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (head.find("\r\n\r\n") == std::string::npos && !stop_ &&
         std::chrono::steady_clock::now() < deadline) {
    if (!Readable(client, 20)) continue;
    ssize_t n = recv(client, buf, sizeof buf, 0);
    if (n <= 0) return;
    head.append(buf, static_cast<size_t>(n));
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(head);
  }
  // "GET /path HTTP/1.0"
  const size_t a = head.find(' ');
  const size_t b = head.find(' ', a + 1);
  const std::string path = a == std::string::npos ? "" : head.substr(a + 1, b - a - 1);
  const HttpReply reply = script_(path);
  for (int waited = 0; waited < reply.delayMs && !stop_; waited += 10)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (!SendAll(client, reply.raw)) return;
  while (reply.endless && !stop_ && SendAll(client, "X-More: yes\r\n"))
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

int UnusedPort() {
  int port = 0;
  int fd = Listen(port);
  if (fd >= 0) close(fd);
  return port;
}

}  // namespace tavra::test
