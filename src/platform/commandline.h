// What the command line asks for: the window (no options), a pick for scripts, a palette
// imported into or exported from the saved colours, the help or the version. Read before
// any window opens, so that all but the window and the pick need no display.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "colour/notations.h"

namespace hk {

struct CommandLine {
  enum class Action {
    Run,      // the window, or the hand-over to the running copy
    Pick,     // one colour from the screen, printed in `format`
    Import,   // the colours of the palette `file` added to the saved colours
    Export,   // the saved colours written to the palette `file`
    Help,     // the usage on standard output
    Version,  // "Hue Keeper <version>"
    Error,    // `error` and the usage on standard error
  };
  Action action = Action::Run;
  Notation format = Notation::Web;
  std::string file;   // the palette, for Import and Export
  std::string error;  // what was wrong, for Error
};

// The arguments after the program's name. Options are --help (-h), --version, --pick
// and --format NOTATION (or --format=NOTATION, only with --pick), --import FILE and
// --export FILE (or --import=FILE ...), one of --pick, --import and --export at most; any
// other argument is an error, and an error wins over everything else.
CommandLine ParseCommandLine(const std::vector<std::string_view>& args);

// The help text, ending in a newline.
extern const char kUsage[];

// The exit statuses of the command line: done, a pick cancelled or a palette not read or
// written, misuse or no screen.
inline constexpr int kExitDone = 0;
inline constexpr int kExitCancelled = 1;
inline constexpr int kExitNotDone = 1;
inline constexpr int kExitFailed = 2;

}  // namespace hk
