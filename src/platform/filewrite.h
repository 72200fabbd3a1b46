// Writing a file whole or not at all.
#pragma once

#include <filesystem>
#include <string_view>

namespace hk {

// Writes `bytes` to a new file beside `path`, flushes it to the disk and renames it
// over `path`. On any failure the old file (if any) is left as it was and the
// temporary file is removed. Returns whether the new file is in place.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace hk
