// Plain POSIX file access for the binary files: a descriptor closed on scope exit,
// and reads and writes that go on until every byte is done.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace hk {

// Closes on scope exit; errors of close() are checked where they matter.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd();
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool ok() const { return fd_ >= 0; }
  // Returns 0 or the errno of close().
  int Close();
  // Closes the descriptor held, if any, and holds `fd` instead.
  void Reset(int fd);

 private:
  int fd_;
};

// Opens `file` to read, without blocking on a pipe in its place; `length` gets its
// size. Returns 0, or the errno: ENOENT when there is no file, EISDIR for a folder and
// EINVAL for anything else that is not a regular file.
int OpenToRead(const std::filesystem::path& file, Fd& fd, std::uint64_t& length);

// Reads from `offset` until `size` bytes, the end of the file or an error; returns the
// bytes read. `err` gets the errno, or 0.
std::size_t ReadFully(int fd, unsigned char* buf, std::size_t size, off_t offset, int& err);

// The whole of a small text file, or nothing with `err` set. Plain system calls: the
// C++ streams would set up their locale machinery for one read at start-up.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, int& err);

// Writes all of `buf` at `offset`; returns 0 or the errno.
int WriteFully(int fd, const unsigned char* buf, std::size_t size, off_t offset);

// A rename or a new file is durable only once its folder is synced. Some file systems
// refuse to sync a folder; the data itself is already in place then.
void SyncFolder(const std::filesystem::path& folder);

}  // namespace hk
