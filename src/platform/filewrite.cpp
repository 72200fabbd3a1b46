#include "platform/filewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/unixfile.h"

namespace hk {

std::string FileError(const std::filesystem::path& file, int err) {
  std::string text = file.string();
  text += ": ";
  text += std::strerror(err);
  return text;
}

WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  std::string name = ".";
  name += path.filename().string();
  name += ".XXXXXX";
  std::string tmpl = (folder / name).string();
  const int fd = ::mkstemp(tmpl.data());
  if (fd < 0) return {false, FileError(path, errno)};
  // Keep the old file's permissions when replacing it; a new file gets the usual ones.
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  // The first failure is the reason; the steps after it only tidy up.
  int err = ::fchmod(fd, mode) == 0 ? 0 : errno;
  if (err == 0)
    err = WriteFully(fd, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), 0);
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(tmpl.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(tmpl.c_str());
    return {false, FileError(path, err)};
  }
  SyncFolder(folder);  // the rename itself made durable
  return {};
}

namespace {
bool AllDigits(std::string_view s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}
}  // namespace

int RemoveLeftoverTemporaries(const std::filesystem::path& folder, std::string_view name) {
  const std::string newPrefix = std::string(name) + ".new";
  const std::string dotPrefix = "." + std::string(name) + ".";
  int removed = 0;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (!entry.is_regular_file(ec) || entry.is_symlink(ec)) continue;
    const std::string file = entry.path().filename().string();
    bool ours = false;
    if (file.rfind(newPrefix, 0) == 0) {
      // <name>.new<pid>-<n>
      const std::string_view rest = std::string_view(file).substr(newPrefix.size());
      const std::size_t dash = rest.find('-');
      ours = dash != std::string_view::npos && AllDigits(rest.substr(0, dash)) &&
             AllDigits(rest.substr(dash + 1));
    } else if (file.rfind(dotPrefix, 0) == 0) {
      ours = file.size() == dotPrefix.size() + 6;  // mkstemp's six characters
    }
    if (ours && std::filesystem::remove(entry.path(), ec)) ++removed;
  }
  return removed;
}

}  // namespace hk
