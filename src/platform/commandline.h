// What the command line asks for: the window (no options), a pick for scripts, the help
// or the version. Read before any window opens, so that --help and --version need no
// display.
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
    Help,     // the usage on standard output
    Version,  // "Hue Keeper <version>"
    Error,    // `error` and the usage on standard error
  };
  Action action = Action::Run;
  Notation format = Notation::Web;
  std::string error;  // what was wrong, for Error
};

// The arguments after the program's name. Options are --help (-h), --version, --pick
// and --format NOTATION (or --format=NOTATION, only with --pick); any other argument is
// an error, and an error wins over everything else.
CommandLine ParseCommandLine(const std::vector<std::string_view>& args);

// The help text, ending in a newline.
extern const char kUsage[];

// The exit statuses of the command line: done, a pick cancelled, misuse or no screen.
inline constexpr int kExitDone = 0;
inline constexpr int kExitCancelled = 1;
inline constexpr int kExitFailed = 2;

}  // namespace hk
