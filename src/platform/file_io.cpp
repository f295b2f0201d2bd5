#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tavra {

namespace {

// Opens a regular file for reading: -1 with `error` set otherwise. Opening a FIFO for
// reading waits for a writer, for ever: look first, and open without waiting in case
// something else takes the file's place in between.
int OpenRegularFile(const std::string& path, size_t& size, std::string& error) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    error = "is not a regular file";
    return -1;
  }
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    error = std::string("cannot be opened: ") + std::strerror(errno);
    return -1;
  }
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = "is not a regular file";
    close(fd);
    return -1;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  size = static_cast<size_t>(st.st_size);
  return fd;
}

// Reads exactly `n` bytes.
bool ReadFully(int fd, char* out, size_t n, std::string& error) {
  size_t done = 0;
  while (done < n) {
    ssize_t got = read(fd, out + done, n - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      error = got < 0 ? std::string("cannot be read: ") + std::strerror(errno)
                      : std::string("changed size while it was read");
      return false;
    }
    done += static_cast<size_t>(got);
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& out, std::string& error) {
  size_t size = 0;
  int fd = OpenRegularFile(path, size, error);
  if (fd < 0) return false;
  out.resize(size);
  const bool ok = ReadFully(fd, out.data(), size, error);
  close(fd);
  return ok;
}

FileReader::~FileReader() {
  if (fd_ >= 0) close(fd_);
}

bool FileReader::Open(const std::string& path, std::string& error) {
  if (fd_ >= 0) close(fd_);
  fd_ = OpenRegularFile(path, size_, error);
  return fd_ >= 0;
}

void FileReader::Reserve(size_t bytes) {
  if (bytes <= capacity_) return;
  buffer_ = std::make_unique_for_overwrite<unsigned char[]>(bytes);
  capacity_ = bytes;
}

const unsigned char* FileReader::Next(size_t n, std::string& error) {
  if (fd_ < 0) {
    error = "is not open";
    return nullptr;
  }
  Reserve(n);
  return ReadFully(fd_, reinterpret_cast<char*>(buffer_.get()), n, error) ? buffer_.get() : nullptr;
}

bool WriteFileAtomically(const std::string& path, const std::string& data, std::string& error) {
  std::string temp = path + ".tmp" + std::to_string(getpid());
  int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = path + ": cannot be written: " + std::strerror(errno);
    return false;
  }
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = path + ": cannot be written: " + std::strerror(errno);
      close(fd);
      unlink(temp.c_str());
      return false;
    }
    done += static_cast<size_t>(n);
  }
  bool synced = fsync(fd) == 0;
  bool closed = close(fd) == 0;
  if (!synced || !closed || rename(temp.c_str(), path.c_str()) != 0) {
    error = path + ": cannot be written: " + std::strerror(errno);
    unlink(temp.c_str());
    return false;
  }
  // The rename itself reaches the disk only with its folder.
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  if (int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

}  // namespace tavra
