#include "platform/unixfile.h"

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

}  // namespace hk
