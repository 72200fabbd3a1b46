#include "platform/unixfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace hk {

Fd::~Fd() {
  if (fd_ >= 0) ::close(fd_);
}

int Fd::Close() {
  const int rc = ::close(fd_);
  fd_ = -1;
  return rc == 0 ? 0 : errno;
}

void Fd::Reset(int fd) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = fd;
}

int OpenToRead(const std::filesystem::path& file, Fd& fd, std::uint64_t& length) {
  fd.Reset(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  struct stat st {};
  if (!fd.ok() || ::fstat(fd.get(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  length = static_cast<std::uint64_t>(st.st_size);
  return 0;
}

std::size_t ReadFully(int fd, unsigned char* buf, std::size_t size, off_t offset, int& err) {
  std::size_t done = 0;
  err = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, buf + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      err = errno;
      break;
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, int& err) {
  Fd fd(-1);
  std::uint64_t length = 0;
  if ((err = OpenToRead(file, fd, length)) != 0) return std::nullopt;
  std::string bytes;
  // Read to the end, not to the size seen: the file may grow meanwhile.
  for (std::size_t got = 1; got > 0;) {
    const std::size_t at = bytes.size();
    bytes.resize(at + 65536);
    got = ReadFully(fd.get(), reinterpret_cast<unsigned char*>(bytes.data()) + at, 65536,
                    static_cast<off_t>(at), err);
    bytes.resize(at + got);
    if (err != 0) return std::nullopt;
  }
  return bytes;
}

int WriteFully(int fd, const unsigned char* buf, std::size_t size, off_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, buf + done, size - done, offset + static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

void SyncFolder(const std::filesystem::path& folder) {
  Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.ok()) ::fsync(dir.get());
}

}  // namespace hk
