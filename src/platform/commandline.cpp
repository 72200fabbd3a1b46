#include "platform/commandline.h"

#include <algorithm>
#include <array>
#include <utility>

namespace hk {

namespace {

constexpr std::array<std::pair<std::string_view, Notation>, 6> kFormats{{
    {"long", Notation::Long},
    {"hex", Notation::Hex},
    {"web", Notation::Web},
    {"html", Notation::Html},
    {"rgb", Notation::RGB},
    {"cmyk", Notation::CMYK},
}};

}  // namespace

const char kUsage[] =
    "Usage: huekeeper [--pick [--format NOTATION]]\n"
    "       huekeeper --help | --version\n"
    "\n"
    "Without options Hue Keeper opens its window, or brings the copy already running on\n"
    "this display to the front.\n"
    "\n"
    "  --pick            pick one colour from the screen: a left click prints the colour\n"
    "                    under the eyedropper on standard output; Escape or a right click\n"
    "                    cancels\n"
    "  --format NOTATION how --pick prints it: long, hex, web (the default), html, rgb or\n"
    "                    cmyk, as the window's six notation fields show it (html prints an\n"
    "                    empty line for a colour without a name)\n"
    "  -h, --help        print this help\n"
    "  --version         print the version\n"
    "\n"
    "Exit status: 0 done, 1 pick cancelled, 2 wrong usage or the screen cannot be read.\n"
    "Qt's own options (-platform, -display, ...) are taken as well.\n";

CommandLine ParseCommandLine(const std::vector<std::string_view>& args) {
  CommandLine line;
  bool help = false, version = false, pick = false, format = false;
  const auto fail = [&line](std::string why) {
    line.action = CommandLine::Action::Error;
    line.error = std::move(why);
    return line;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (arg == "--pick") {
      pick = true;
    } else if (arg == "--format" || arg.starts_with("--format=")) {
      std::string_view value;
      if (arg != "--format") {
        value = arg.substr(9);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return fail("option '--format' needs a notation");
      }
      const auto* it = std::find_if(kFormats.begin(), kFormats.end(),
                                    [value](const auto& f) { return f.first == value; });
      if (it == kFormats.end()) return fail("unknown notation '" + std::string(value) + "'");
      line.format = it->second;
      format = true;
    } else {
      return fail((arg.starts_with('-') ? "unknown option '" : "unexpected argument '") +
                  std::string(arg) + "'");
    }
  }
  if (help) {
    line.action = CommandLine::Action::Help;
  } else if (version) {
    line.action = CommandLine::Action::Version;
  } else if (pick) {
    line.action = CommandLine::Action::Pick;
  } else if (format) {
    return fail("option '--format' is only for --pick");
  }
  return line;
}

}  // namespace hk
