#pragma once
// Child processes for the fresh-process benchmarks, started by a small launcher that this
// program forks while it starts, before it loads any timetable. A child's peak resident
// memory (ru_maxrss) is at least the high-water mark of the memory it was started from:
// exec keeps it, and posix_spawn starts the child in its parent's memory. Started by the
// benchmark process itself, every child would report the benchmark's own peak; started by
// the launcher, only the launcher's few pages.
#include <sys/resource.h>

#include <string>
#include <vector>

namespace tavra::bench {

struct ChildRun {
  bool started = false;
  int status = 0;  // as from wait4
  rusage usage{};  // the child's own: CPU times, faults, peak resident memory in KiB
};

// Runs `argv` (the program looked up in PATH) with its output to /dev/null and waits for it.
// Not started when the launcher is gone. One caller at a time.
ChildRun RunChild(const std::vector<std::string>& argv);

}  // namespace tavra::bench
