// Where the program keeps its files: beside the executable, or, when that folder
// cannot be written, in the per-user data folder.
#pragma once

#include <QString>

namespace hk {

struct ProgramFolder {
  QString path;           // the archive and the capture live here
  bool writable = false;  // false when even the fallback could not be prepared
  bool perUser = false;   // true when the executable's folder is read-only
};

// Decides once at start-up. `executableFolder` is normally applicationDirPath().
ProgramFolder ChooseProgramFolder(const QString& executableFolder);

// "uninst-Huekeeper.exe" of at least one byte beside the program.
bool CheckInstalled(const QString& executableFolder);

}  // namespace hk
