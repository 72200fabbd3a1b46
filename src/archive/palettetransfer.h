// Saved colours in and out of palette files: an import adds what a file holds by the
// archive's own rules, an export writes the saved colours whole or not at all. The
// summaries are what the command line prints and the window shows.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace hk {

class ColourArchive;
class WebColors;

struct ImportReport {
  enum class Status {
    Read,           // the file was read, lines that are not colours aside
    Unreadable,     // the file could not be read, or is not of its format
    NoColour,       // it was read but holds no colour
    UnknownFormat,  // the suffix is not one that is read
  };
  Status status = Status::Read;
  int imported = 0, alreadySaved = 0;
  std::vector<int> badLines;  // lines that hold something that is not a colour
  std::string error;          // why the file could not be read

  // "3 colours imported, 2 already saved, 1 line not read (line 7)", or the error.
  std::string Summary() const;
};

// Reads `file` and adds its colours to `archive` in the file's order: nothing when it
// cannot be read or holds no colour.
ImportReport ImportPalette(const std::filesystem::path& file, ColourArchive& archive,
                           const WebColors& web);

struct ExportReport {
  bool ok = true;
  int exported = 0;
  std::string error;  // what failed: the unknown suffix, or the file and the system's reason
  std::string Summary() const;  // "3 colours exported", or the error
};

// Writes the saved colours of `archive` to `file` in the format of its suffix, through
// a temporary file beside it that is renamed into place.
ExportReport ExportPalette(const std::filesystem::path& file, const ColourArchive& archive);

}  // namespace hk
