#pragma once
// Whole-file reads and atomic writes; errors come back as text for the user.
#include <memory>
#include <string>

namespace tavra {

// A regular file read front to back in pieces, so that a large file never stands whole in
// memory beside what is made of it.
class FileReader {
 public:
  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  ~FileReader();

  // Opens `path` for reading; false with `error` set (as ReadWholeFile's) when it cannot be
  // read or is not a regular file.
  bool Open(const std::string& path, std::string& error);
  size_t Size() const { return size_; }
  // Makes the buffer for the largest `n` Next will be asked for, so that it is made (and
  // its pages are faulted in) once instead of each time a larger run is asked for.
  void Reserve(size_t bytes);
  // The next `n` bytes, valid until the next call; null with `error` set when the file
  // ends early or cannot be read.
  const unsigned char* Next(size_t n, std::string& error);

 private:
  int fd_ = -1;
  size_t size_ = 0;
  std::unique_ptr<unsigned char[]> buffer_;
  size_t capacity_ = 0;
};

// Reads the whole file into `out`. On failure returns false and sets `error` to a short
// reason ("cannot be opened: No such file or directory").
bool ReadWholeFile(const std::string& path, std::string& out, std::string& error);

// Writes through a temporary file in the same folder and renames it over `path`, so a
// reader never sees half a file.
bool WriteFileAtomically(const std::string& path, const std::string& data, std::string& error);

}  // namespace tavra
