#include "platform/settingsstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace hk {

namespace {

QString Key(std::string_view key) {
  return QStringLiteral("Preference/") +
         QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// QSettings tells only that its file could not be written. The system's reason comes
// from doing what it did: making the folder, opening the file for writing, and
// writing about as many bytes as the new file holds beside it (then removing them).
std::string WhyNotWritten(const std::filesystem::path& file, std::size_t added) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (ec) return ec.message();
  struct stat st {};
  const bool exists = ::stat(file.c_str(), &st) == 0;
  if (exists) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
  }
  std::string probe = (file.parent_path() / ".probe.XXXXXX").string();
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) return std::strerror(errno);
  int err = 0;
  for (std::size_t left = static_cast<std::size_t>(exists ? st.st_size : 0) + added + 64;
       left > 0 && err == 0;) {
    const char zeros[256] = {};
    const ssize_t n = ::write(fd, zeros, std::min(left, sizeof zeros));
    if (n > 0) {
      left -= static_cast<std::size_t>(n);
    } else if (n < 0 && errno != EINTR) {
      err = errno;
    }
  }
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  ::close(fd);
  ::unlink(probe.c_str());
  return err != 0 ? std::strerror(err) : "could not be written";
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& application)
    : settings_(QSettings::IniFormat, QSettings::UserScope, application, application) {}

std::string QtSettingsStore::Get(std::string_view key, std::string_view fallback) {
  const QVariant v = settings_.value(Key(key));
  if (!v.isValid()) return std::string(fallback);
  return v.toString().toStdString();
}

WriteResult QtSettingsStore::Save(std::string_view key, std::string_view value) {
  settings_.setValue(Key(key), QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
  settings_.sync();
  if (settings_.status() == QSettings::NoError) return {};
  const std::filesystem::path file(QFile::encodeName(settings_.fileName()).toStdString());
  return {false, file.string() + ": " + WhyNotWritten(file, key.size() + value.size())};
}

}  // namespace hk
