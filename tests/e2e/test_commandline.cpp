// The command line's answers that open no window: the help and the version, which need
// no display at all, a pick without a display, and a wrong option.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace hk::e2e {
namespace {

const std::string kProgram = std::string("'") + HK_BINARY + "'";

TEST(CommandLine, HelpAndVersionNeedNoDisplayAndAWrongOptionShowsTheUsage) {
  const std::string version = "Hue Keeper " HK_VERSION "\n";
  EXPECT_EQ(Sh("env -u DISPLAY " + kProgram + " --version"), version);
  EXPECT_EQ(Sh("env -u DISPLAY " + kProgram + " --help | head -n 1"),
            "Usage: huekeeper [--pick [--format NOTATION]]\n");
  EXPECT_EQ(Sh("env -u DISPLAY " + kProgram + " --pick 2>&1; echo $?"),
            "huekeeper: no display to pick from: neither DISPLAY nor WAYLAND_DISPLAY is set\n2\n");
  // Qt takes its own options out first.
  EXPECT_EQ(Sh(kProgram + " -platform offscreen --version"), version);
  // The usage on standard error, nothing on standard output, status 2.
  const auto wrong = Sh(kProgram + " --bogus 2>&1 >/dev/null; echo $?");
  ASSERT_TRUE(wrong);
  EXPECT_TRUE(wrong->starts_with("huekeeper: unknown option '--bogus'\n\nUsage: huekeeper"))
      << *wrong;
  EXPECT_TRUE(wrong->ends_with("\n2\n")) << *wrong;
}

}  // namespace
}  // namespace hk::e2e
