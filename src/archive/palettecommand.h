// --import and --export from the command line, without a window or a display: they work on
// the archive the window would use, and an import is handed to the copy running on this
// display, which adds the colours itself so that its save at exit keeps them.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace hk {

class ColourArchive;
struct CommandLine;
class WebColors;

// What an import prints and its exit status.
struct CommandOutput {
  int status = 0;
  std::string out, err;  // for standard output and standard error
};

// Imports `file` into `archive` and says how it went, as the command line does.
CommandOutput ImportCommand(const std::filesystem::path& file, ColourArchive& archive,
                            const WebColors& web);
// The output as the running copy hands it back over the single-instance channel, and back.
std::string EncodeOutput(const CommandOutput& output);
CommandOutput DecodeOutput(const std::string& answer);

// Runs the import or the export of `line`; returns the exit status.
int RunPaletteCommand(const CommandLine& line, const QString& executableFolder);

}  // namespace hk
