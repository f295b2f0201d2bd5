#include "child_launcher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

extern char** environ;

namespace tavra::bench {
namespace {

bool SendAll(int fd, const void* data, size_t n) {
  const char* p = static_cast<const char*>(data);
  while (n > 0) {
    const ssize_t sent = send(fd, p, n, MSG_NOSIGNAL);  // a gone launcher is an error, no signal
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    p += sent;
    n -= static_cast<size_t>(sent);
  }
  return true;
}

bool ReceiveAll(int fd, void* data, size_t n) {
  char* p = static_cast<char*>(data);
  while (n > 0) {
    const ssize_t got = recv(fd, p, n, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    p += got;
    n -= static_cast<size_t>(got);
  }
  return true;
}

ChildRun Spawn(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  ChildRun run;
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0)
    run.started = wait4(pid, &run.status, 0, &run.usage) == pid;
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

// The launcher's loop. A request is the number of arguments, then each one's length and
// bytes; the answer is the ChildRun. It ends when the benchmark process closes its end.
[[noreturn]] void Serve(int fd) {
  for (;;) {
    uint32_t count = 0;
    if (!ReceiveAll(fd, &count, sizeof count)) _exit(0);
    std::vector<std::string> argv(count);
    for (std::string& a : argv) {
      uint32_t n = 0;
      if (!ReceiveAll(fd, &n, sizeof n)) _exit(0);
      a.resize(n);
      if (n > 0 && !ReceiveAll(fd, a.data(), n)) _exit(0);
    }
    const ChildRun run = argv.empty() ? ChildRun{} : Spawn(argv);
    if (!SendAll(fd, &run, sizeof run)) _exit(0);
  }
}

// The benchmark's end of the socket to the launcher, or -1.
int StartLauncher() {
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    close(ends[0]);
    Serve(ends[1]);  // never returns into the benchmark program's start
  }
  close(ends[1]);
  if (pid < 0) {
    close(ends[0]);
    return -1;
  }
  return ends[0];
}

// Forked during static initialisation: before main, and so before any timetable is loaded.
const int kLauncher = StartLauncher();

}  // namespace

ChildRun RunChild(const std::vector<std::string>& argv) {
  const uint32_t count = static_cast<uint32_t>(argv.size());
  bool sent = kLauncher >= 0 && SendAll(kLauncher, &count, sizeof count);
  for (const std::string& a : argv) {
    const uint32_t n = static_cast<uint32_t>(a.size());
    sent = sent && SendAll(kLauncher, &n, sizeof n) && SendAll(kLauncher, a.data(), n);
  }
  ChildRun run;
  if (!sent || !ReceiveAll(kLauncher, &run, sizeof run)) return {};
  return run;
}

}  // namespace tavra::bench
