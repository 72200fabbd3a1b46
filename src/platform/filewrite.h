// Writing a file whole or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace hk {

// How a write ended; a failure names the file and the system's reason.
struct WriteResult {
  bool ok = true;
  std::string error;  // "<file>: <reason>", e.g. ".../pref.ini: No space left on device"
};

// "<file>: <the system's text for err>", as every failed read or write is told.
std::string FileError(const std::filesystem::path& file, int err);

// Writes `bytes` to a new file beside `path`, flushes it to the disk and renames it
// over `path`. On any failure the old file (if any) is left as it was and the
// temporary file is removed.
WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Removes what an interrupted replacement of `folder`/`name` left behind: the
// temporary files "<name>.new<pid>-<n>" and ".<name>.XXXXXX". Only one copy of the
// program runs, so at its start nobody else is writing them. Returns how many.
int RemoveLeftoverTemporaries(const std::filesystem::path& folder, std::string_view name);

}  // namespace hk
