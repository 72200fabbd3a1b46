// The command line: what each list of arguments asks for, and what --pick prints.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "colour/notations.h"
#include "colour/webcolors.h"
#include "platform/commandline.h"

namespace hk {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, EachListOfArgumentsAsksForOneThingOrIsAnError) {
  // For a pick, what it prints for Coral, exactly as the window's notation field shows it;
  // for an error, what it says was wrong.
  const struct {
    std::vector<std::string_view> args;
    Action action;
    std::string said = {};
  } cases[] = {
      {{}, Action::Run},
      {{"--help"}, Action::Help},
      {{"-h"}, Action::Help},
      {{"--version"}, Action::Version},
      {{"--pick", "--version"}, Action::Version},
      {{"--version", "--pick", "-h"}, Action::Help},
      {{"--pick"}, Action::Pick, "#FF7F50"},
      {{"--pick", "--format", "long"}, Action::Pick, "5275647"},
      {{"--format=hex", "--pick"}, Action::Pick, "507FFF"},
      {{"--pick", "--format", "web"}, Action::Pick, "#FF7F50"},
      {{"--pick", "--format", "html"}, Action::Pick, "Coral"},
      {{"--pick", "--format=rgb"}, Action::Pick, "255, 127, 80"},
      {{"--pick", "--format", "hex", "--format", "cmyk"}, Action::Pick, "0, 128, 175, 0"},
      {{"--pick", "--format"}, Action::Error, "option '--format' needs a notation"},
      {{"--pick", "--format", "RGB"}, Action::Error, "unknown notation 'RGB'"},
      {{"--pick", "--format="}, Action::Error, "unknown notation ''"},
      {{"--format", "rgb"}, Action::Error, "option '--format' is only for --pick"},
      {{"--help", "--bogus"}, Action::Error, "unknown option '--bogus'"},
      // Qt's own options are gone from the list by the time it counts.
      {{"-platform", "xcb"}, Action::Error, "unknown option '-platform'"},
      {{"--pick=web"}, Action::Error, "unknown option '--pick=web'"},
      {{"pick"}, Action::Error, "unexpected argument 'pick'"},
  };
  const WebColors web;
  for (const auto& c : cases) {
    std::string args;
    for (std::string_view a : c.args) args += std::string(a) + " ";
    SCOPED_TRACE(args);
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(line.action, c.action);
    std::string said = line.error;
    if (line.action == Action::Pick) {
      NotationTexts texts;
      FormatAll(RGB(255, 127, 80), web, texts);
      said = texts.Of(line.format);
    }
    EXPECT_EQ(said, c.said);
  }
}

}  // namespace
}  // namespace hk
