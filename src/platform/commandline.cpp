#include "platform/commandline.h"

#include <algorithm>
#include <array>
#include <optional>
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

// "--format", "--import" or "--export" when `arg` is that option, alone or with "=value".
std::optional<std::string_view> OptionWithValue(std::string_view arg) {
  for (std::string_view option : {"--format", "--import", "--export"})
    if (arg == option || (arg.starts_with(option) && arg.substr(option.size()).starts_with('=')))
      return option;
  return std::nullopt;
}

}  // namespace

const char kUsage[] =
    "Usage: huekeeper [--pick [--format NOTATION]]\n"
    "       huekeeper --import FILE | --export FILE\n"
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
    "  --import FILE     add the colours of a palette to the saved colours: a GIMP,\n"
    "                    Inkscape or Krita palette (.gpl), JSON (.json) or text (.txt);\n"
    "                    colours and names already saved are left out; a copy of Hue\n"
    "                    Keeper running on this display adds them itself\n"
    "  --export FILE     write the saved colours to a palette: .gpl, .css, .json or .txt\n"
    "  -h, --help        print this help\n"
    "  --version         print the version\n"
    "\n"
    "Exit status: 0 done, 1 pick cancelled or a palette not read or written, 2 wrong usage\n"
    "or the screen cannot be read.\n"
    "Qt's own options (-platform, -display, ...) are taken as well.\n";

CommandLine ParseCommandLine(const std::vector<std::string_view>& args) {
  CommandLine line;
  bool help = false, version = false, pick = false, format = false;
  std::string_view import, exportTo;
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
    } else if (const auto option = OptionWithValue(arg)) {
      std::string_view value;
      if (arg.size() > option->size()) {
        value = arg.substr(option->size() + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return fail("option '" + std::string(*option) +
                    (*option == "--format" ? "' needs a notation" : "' needs a file"));
      }
      if (*option != "--format") {
        if (value.empty()) return fail("option '" + std::string(*option) + "' needs a file");
        (*option == "--import" ? import : exportTo) = value;
        continue;
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
  } else if (pick + !import.empty() + !exportTo.empty() > 1) {
    return fail("only one of --pick, --import and --export at a time");
  } else if (pick) {
    line.action = CommandLine::Action::Pick;
  } else if (format) {
    return fail("option '--format' is only for --pick");
  } else if (!import.empty() || !exportTo.empty()) {
    line.action = import.empty() ? CommandLine::Action::Export : CommandLine::Action::Import;
    line.file = std::string(import.empty() ? exportTo : import);
  }
  return line;
}

}  // namespace hk
