#include "platform/programfolder.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace hk {

namespace {
bool CanWrite(const QString& folder) {
  return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

// What `cmake --install` and the package put beside <prefix>/bin.
bool HasDesktopEntry(const QString& executableFolder) {
  return QFileInfo(QDir(executableFolder)
                       .filePath(QStringLiteral("../share/applications/" HK_APP_ID ".desktop")))
      .isFile();
}
}  // namespace

ProgramFolder ChooseProgramFolder(const QString& executableFolder) {
  if (CanWrite(executableFolder) && !HasDesktopEntry(executableFolder))
    return {executableFolder, true, false};
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const bool ok = !data.isEmpty() && QDir().mkpath(data) && CanWrite(data);
  return {data, ok, true};
}

bool CheckInstalled(const QString& executableFolder) {
  const QFileInfo uninstaller(
      QDir(executableFolder).filePath(QStringLiteral("uninst-Huekeeper.exe")));
  return (uninstaller.isFile() && uninstaller.size() >= 1) || HasDesktopEntry(executableFolder);
}

}  // namespace hk
