// The tools opened from the real window: the HLS dialog gives back the colour it holds
// when it is closed, the converter converts and stays one window, and the measure window
// names the point clicked in its caption.
#include <gtest/gtest.h>

#include <cstdlib>

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
int Visible(const std::string& title) {
  const auto ids = Sh("xdotool search --onlyvisible --name '" + title + "' | wc -l");
  return ids ? std::stoi(*ids) : 0;
}

// The inside of a window, in pixels.
struct Size {
  int width = 0, height = 0;
};
Size InnerSize(const std::string& window) {
  const std::string info = Sh("xwininfo -id " + window).value_or("");
  const auto field = [&](const std::string& name) {
    const auto at = info.find(name);
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + name.size());
  };
  return {field("Width: "), field("Height: ")};
}

// The action labels along the window's foot, where they sit at their designed widths:
// Measure after Rename and Delete from the left, HexConv before Home Page and Exit from
// the right.
constexpr int kGap = 60;
int LabelRow(Size inner) { return inner.height - Px(30) - Px(180) / 2; }
int MeasureLabel() { return Px(kGap) * 3 + Px(555) + Px(435) + Px(555) / 2; }
int HexConvLabel(Size inner) {
  return inner.width - Px(90) - Px(255) - Px(kGap) - Px(765) - Px(kGap) - Px(615) / 2;
}

// The program started on the test display, its window found.
class Tools : public ::testing::Test {
 protected:
  void SetUp() override {
    run = app.Start();
    window = Window("^Hue Keeper$", run.get());
    ASSERT_TRUE(window);
    inner = InnerSize(*window);
  }
  // Ctrl+X ends it, cleanly.
  void Quit() {
    ASSERT_TRUE(Xdotool("windowactivate --sync " + *window + " key ctrl+x"));
    EXPECT_EQ(run->Wait(), 0);
  }
  App app;
  std::unique_ptr<Process> run;
  std::optional<std::string> window;
  Size inner;
};

TEST_F(Tools, TheColourChooserGivesBackWhatItHoldsWhenClosed) {
  ASSERT_TRUE(ClickAt(*window, Mid(3090, 360), Mid(2760, 315)));
  const auto dialog = Window("^Hue Saturation Lightness - Hue Keeper$", run.get());
  ASSERT_TRUE(dialog);
  // The top of the lightness bar is white, whatever the hue and saturation.
  ASSERT_TRUE(ClickAt(*dialog, Px(3900) + 10, Px(120)));
  ASSERT_TRUE(Xdotool("windowactivate --sync " + *dialog + " key alt+F4"));
  ASSERT_TRUE(WaitUntil([] { return !Window("^Hue Saturation"); })) << "the dialog closes";
  ASSERT_TRUE(ClickAt(*window, Mid(4245, 360), Mid(1995, 315)));  // copy the hexadecimal
  EXPECT_TRUE(WaitUntil([] { return Clipboard() == "FFFFFF"; })) << Clipboard().value_or("");
  Quit();
}

TEST_F(Tools, TheConverterConvertsAndStaysOneWindow) {
  ASSERT_TRUE(ClickAt(*window, HexConvLabel(inner), LabelRow(inner)));
  const auto converter = Window("^HexConv$", run.get());
  ASSERT_TRUE(converter);
  // Decimal to hexadecimal is the first choice; Enter in the number converts.
  ASSERT_TRUE(ClickAt(*converter, Mid(1155, 1245), Mid(2235, 285)));
  ASSERT_TRUE(Xdotool("type 255") && Xdotool("key Return"));
  ASSERT_TRUE(ClickAt(*converter, Mid(1155, 1245), Mid(2580, 285)));
  ASSERT_TRUE(Xdotool("key ctrl+a ctrl+c"));
  EXPECT_TRUE(WaitUntil([] { return Clipboard() == "FF "; })) << Clipboard().value_or("");

  ASSERT_TRUE(ClickAt(*window, HexConvLabel(inner), LabelRow(inner)));
  ASSERT_TRUE(WaitUntil([&] { return Sh("xdotool getactivewindow") == *converter + "\n"; }))
      << "a second click brings the same converter forward";
  EXPECT_EQ(Visible("^HexConv$"), 1);
  ASSERT_TRUE(Xdotool("key alt+c"));
  EXPECT_TRUE(WaitUntil([] { return Visible("^HexConv$") == 0; })) << "Cancel closes it";
  Quit();
}

TEST_F(Tools, TheMeasureWindowNamesThePointInTwips) {
  ASSERT_TRUE(ClickAt(*window, MeasureLabel(), LabelRow(inner)));
  const auto measure = Window("^Measure$", run.get());
  ASSERT_TRUE(measure);
  ASSERT_TRUE(ClickAt(*measure, 100, 50));
  EXPECT_TRUE(Window("^Measure 1500, 750$", run.get())) << "15 twips to the pixel";
  // No compositor runs on the test display, so the window is opaque, never black.
  EXPECT_EQ(Sh("xprop -id " + *measure + " _NET_WM_WINDOW_OPACITY | grep -c ' = '"), std::nullopt);
  ASSERT_TRUE(Xdotool("windowactivate --sync " + *measure + " key alt+F4"));
  EXPECT_TRUE(WaitUntil([] { return Visible("^Measure") == 0; }));
  ASSERT_TRUE(ClickAt(*window, MeasureLabel(), LabelRow(inner)));
  EXPECT_TRUE(Window("^Measure$", run.get())) << "it opens again, afresh";
  Quit();
}

}  // namespace
}  // namespace hk::e2e
