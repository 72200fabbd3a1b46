// Where the program keeps its files: beside the executable, or, for an installed copy or
// when that folder cannot be written, in the per-user data folder.
#pragma once

#include <QString>

namespace hk {

struct ProgramFolder {
  QString path;           // the archive and the capture live here
  bool writable = false;  // false when even the fallback could not be prepared
  bool perUser = false;   // true when the files do not live beside the executable
};

// Decides once at start-up. `executableFolder` is normally applicationDirPath(). A copy
// installed by a package (see CheckInstalled) never writes beside itself, even where it
// could, as root can in /usr/bin.
ProgramFolder ChooseProgramFolder(const QString& executableFolder);

// True for a copy that runs from an installation: "uninst-Huekeeper.exe" of at least one
// byte beside the program, or the program's desktop entry installed with it, at
// ../share/applications/<id>.desktop from the executable's folder.
bool CheckInstalled(const QString& executableFolder);

}  // namespace hk
