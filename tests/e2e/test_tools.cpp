// The tools opened from the real window: the HLS dialog gives back the colour it holds
// when it is closed.
#include <gtest/gtest.h>

#include "harness.h"

namespace hk::e2e {
namespace {

constexpr int Px(int twips) { return (twips + 7) / 15; }
constexpr int Mid(int from, int size) { return Px(from) + Px(size) / 2; }

bool Xdotool(const std::string& args) { return Sh("xdotool " + args).has_value(); }
bool ClickAt(const std::string& window, int x, int y, int button = 1) {
  return Xdotool("mousemove --window " + window + " " + std::to_string(x) + " " +
                 std::to_string(y) + " click " + std::to_string(button));
}
std::optional<std::string> Clipboard() { return Sh("xclip -o -selection clipboard"); }

TEST(Tools, TheColourChooserGivesBackWhatItHoldsWhenClosed) {
  App app;
  auto run = app.Start();
  const auto window = Window("^Hue Keeper$", run.get());
  ASSERT_TRUE(window);
  ASSERT_TRUE(ClickAt(*window, Mid(3090, 360), Mid(2760, 315)));
  const auto dialog = Window("^Hue Saturation Lightness - Hue Keeper$", run.get());
  ASSERT_TRUE(dialog);
  // The top of the lightness bar is white, whatever the hue and saturation.
  ASSERT_TRUE(ClickAt(*dialog, Px(3900) + 10, Px(120)));
  ASSERT_TRUE(Xdotool("windowactivate --sync " + *dialog + " key alt+F4"));
  ASSERT_TRUE(WaitUntil([] { return !Window("^Hue Saturation"); })) << "the dialog closes";
  ASSERT_TRUE(ClickAt(*window, Mid(4245, 360), Mid(1995, 315)));  // copy the hexadecimal
  EXPECT_TRUE(WaitUntil([] { return Clipboard() == "FFFFFF"; })) << Clipboard().value_or("");
  ASSERT_TRUE(Xdotool("windowactivate --sync " + *window + " key ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
}

}  // namespace
}  // namespace hk::e2e
