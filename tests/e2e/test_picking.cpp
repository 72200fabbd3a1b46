// Picking from the real screen, a backdrop's one-pixel checkerboard of two known colours:
// the eyedropper dragged from the pick button at each scale, also on two monitors, and the
// window, the clipboard and the capture file saying which pixel was read; the command line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <csignal>

#include "harness.h"

namespace hk::e2e {
namespace {

const std::string kEven = "#204080", kOdd = "#C06010";  // where x + y is even, odd
const std::string kEyedropper = "32x32 hot 7,22\n";     // at 1x

std::string At(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

// `width` pixels of `image` from (x, y), each as #RRGGBB; "x:" and a window's id (or
// "root") read the display.
std::optional<std::string> Pixels(const std::string& image, int x, int y, int width = 1) {
  return Sh("convert " + image + " -crop " + std::to_string(width) + "x1+" + std::to_string(x) +
            "+" + std::to_string(y) + " -depth 8 txt:- | grep -o '#[0-9A-F]\\{6\\}' | tr -d '\\n'");
}

// A point of a design rectangle (twips) in the device pixels of a window at `scale`.
int Device(int twips, double scale) { return int(std::lround(twips / 15 * scale)); }

class Picking : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WaitUntil([] { return Pixels("x:root", 1, 0) == kOdd; })) << "no backdrop";
  }
  // A drag from the pick button of `window` at `scale` to (x, y): the swatch shows `colour`,
  // the eyedropper `cursor` shows until the release, and the web notation copies `colour`.
  static void DragPick(const std::string& window, double scale, int x, int y,
                       const std::string& colour, const std::string& cursor) {
    SCOPED_TRACE(At(x, y));
    const auto device = [&](int twips) { return Device(twips, scale); };
    ASSERT_TRUE(Xdotool("mousemove --window " + window + " " +
                        At(device(2715 + 180), device(2760 + 150)) + " mousedown 1"));
    ASSERT_TRUE(Xdotool("mousemove " + At(x, y)));
    const auto swatch = [&] { return Pixels("x:" + window, device(60 + 260), device(45 + 230)); };
    EXPECT_TRUE(WaitUntil([&] { return swatch() == colour; }))
        << "the swatch shows " << swatch().value_or("nothing");
    EXPECT_EQ(Sh(HK_CURSORPROBE), cursor) << "the eyedropper shows over the whole screen";
    ASSERT_TRUE(Xdotool("mouseup 1"));
    EXPECT_TRUE(WaitUntil([&] { return Sh(HK_CURSORPROBE) != cursor; }))
        << "the release restores the cursor";
    ASSERT_TRUE(Click(window, device(1920 + 180), device(1995 + 150)));  // web's copy button
    EXPECT_TRUE(ClipboardHolds(colour));
  }
  // The magnifier shows the capture one to one in device pixels: the checkerboard, each
  // pixel unlike its neighbour.
  static void ExpectOneToOne(const std::string& window, double scale) {
    const auto row =
        Pixels("x:" + window, Device(630 + 825, scale) - 30, Device(45 + 765, scale) - 10, 20);
    ASSERT_TRUE(row && row->size() == 140) << row.value_or("");
    for (std::size_t i = 0; i < 20; ++i)
      EXPECT_EQ(row->substr(i * 7, 7), (i % 2 == 0) == row->starts_with(kEven) ? kEven : kOdd);
  }
  Process backdrop{std::string(HK_BACKDROP) + " " + kEven.substr(1) + " " + kOdd.substr(1)};
};

TEST_F(Picking, TheEyedropperReadsThePixelUnderItsTipAtEveryScaleAndASignalKeepsTheCapture) {
  const struct {
    double scale;
    int captureWidth, captureHeight;  // the view's size at 1x in device pixels, made even
    const char* cursor;               // the eyedropper in device pixels, tip at (7, 22)
    int signal;                       // ends the run, saving as Exit does
  } cases[] = {{1, 110, 102, "32x32 hot 7,22\n", SIGTERM},
               {1.5, 164, 152, "48x48 hot 11,33\n", SIGINT},
               {2, 220, 204, "64x64 hot 14,44\n", SIGHUP}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    App app;
    const auto run = app.Start("env QT_SCALE_FACTOR=" + std::to_string(c.scale));
    const auto window = Window(kMain, run.get());
    ASSERT_TRUE(window);
    for (const auto& [x, y, colour] :
         {std::tuple(101, 201, kEven), std::tuple(102, 201, kOdd), std::tuple(1279, 1023, kEven)})
      ASSERT_NO_FATAL_FAILURE(DragPick(*window, c.scale, x, y, colour, c.cursor));
    ASSERT_NO_FATAL_FAILURE(ExpectOneToOne(*window, c.scale));

    // The capture is kept: a bitmap of the view's size with the last pixel picked at its
    // middle; past the screen's corner it is neutral grey.
    EXPECT_EQ(run->Wait(c.signal), 0);
    const std::string bmp = "'" + (app.dir / "screen_tmp.bmp").string() + "'";
    const int a = c.captureWidth / 2, b = c.captureHeight / 2;
    EXPECT_EQ(Sh("identify -format '%wx%h %z' " + bmp),
              std::to_string(2 * a) + "x" + std::to_string(2 * b) + " 8");
    EXPECT_EQ(Pixels(bmp, a, b), kEven);
    EXPECT_EQ(Pixels(bmp, 2 * a - 1, 2 * b - 1), "#808080");
  }
}

// Two monitors of scales 1 and 2: a window moved onto the other keeps its size in logical
// pixels, and its picks and its magnifier stay exact there.
TEST_F(Picking, OnAMonitorOfAnotherScaleTheWindowKeepsItsLayoutAndPicksExactly) {
  ASSERT_TRUE(
      Sh("xrandr --setmonitor L 640/169x1024/271+0+0 screen && "
         "xrandr --setmonitor R 640/169x1024/271+640+0 none"));
  App app;
  const auto run = app.Start("env 'QT_SCREEN_SCALE_FACTORS=L=1;R=2'");
  const auto window = Window(kMain, run.get());
  ASSERT_TRUE(window);
  for (const int scale : {1, 2, 1}) {
    SCOPED_TRACE(scale);
    const int left = scale == 1 ? 40 : 680;
    const std::string size = std::to_string(310 * scale) + "x" + std::to_string(364 * scale);
    ASSERT_TRUE(Xdotool("windowmove " + *window + " " + At(left, 40)));
    const auto geometry = [&] { return Sh("xdotool getwindowgeometry " + *window + " | tail -1"); };
    EXPECT_TRUE(WaitUntil([&] { return geometry() == "  Geometry: " + size + "\n"; }));
    const std::string cursor = scale == 1 ? kEyedropper : "64x64 hot 14,44\n";
    ASSERT_NO_FATAL_FAILURE(DragPick(*window, scale, left + 501, 901, kEven, cursor));
    ASSERT_NO_FATAL_FAILURE(DragPick(*window, scale, left + 502, 901, kOdd, cursor));
    ASSERT_NO_FATAL_FAILURE(ExpectOneToOne(*window, scale));
  }
}

// The command line as a script runs it: what it prints on standard output and error,
// and its status. A pick shows the eyedropper until one click and prints the colour
// under it; Escape or a right click cancel.
TEST_F(Picking, TheCommandLinePrintsThePixelClickedInTheNotationAskedOrWhyItCannot) {
  App app;
  const std::string version = "Hue Keeper " HK_VERSION "\n";
  const auto usage = Sh("env -u DISPLAY '" + (app.dir / "huekeeper").string() + "' --help");
  ASSERT_TRUE(usage && usage->starts_with("Usage: huekeeper [--pick [--format NOTATION]]\n"));
  const struct {
    const char *env, *options, *act;  // act: once the eyedropper shows; none: it shows none
    int status;
    std::string out, err;
  } cases[] = {
      {"-u DISPLAY", "--version", nullptr, 0, version, ""},
      {"", "-platform offscreen --version", nullptr, 0, version, ""},  // Qt's options go first
      {"", "--bogus", nullptr, 2, "", "huekeeper: unknown option '--bogus'\n\n" + *usage},
      {"-u DISPLAY", "--pick", nullptr, 2, "",
       "huekeeper: no display to pick from: neither DISPLAY nor WAYLAND_DISPLAY is set\n"},
      // Through XWayland, which cannot read the screen, and no bus to find a portal on.
      {"XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=unix:path=/x "
       "'QT_LOGGING_RULES=qt.qpa.*=false'",
       "--pick", nullptr, 2, "",
       "huekeeper: the screen cannot be read here and no desktop portal answered: picking a "
       "colour needs an X11 session or a desktop portal\n"},
      {"", "--pick --format rgb", "mousemove 101 201 click 1", 0, "32, 64, 128\n", ""},
      {"", "--pick", "mousemove 102 201 click 1", 0, kOdd + "\n", ""},
      {"", "--pick", "key Escape", 1, "", ""},
      {"", "--pick --format long", "click 3", 1, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.env) + " " + c.options + ", " + (c.act ? c.act : "no eyedropper"));
    const auto run = app.Start("env " + std::string(c.env) + " sh -c '\"$0\" " + c.options +
                               " >\"$0.out\" 2>\"$0.err\"'");
    if (c.act) {
      ASSERT_TRUE(WaitUntil([&] { return Sh(HK_CURSORPROBE) == kEyedropper; }));
      ASSERT_TRUE(Xdotool(c.act));
    }
    const auto status = run->Wait();
    ASSERT_TRUE(status && WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), c.status);
    EXPECT_EQ(app.Read("huekeeper.out"), c.out);
    EXPECT_EQ(app.Read("huekeeper.err"), c.err);
    EXPECT_NE(Sh(HK_CURSORPROBE), kEyedropper) << "the grab has ended";
  }
}

}  // namespace
}  // namespace hk::e2e
