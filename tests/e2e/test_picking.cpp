// Picking from the real screen, a backdrop's one-pixel checkerboard of two known colours:
// the eyedropper dragged from the pick button, at each Qt scale factor, and the window, the
// clipboard and the capture file saying which pixel was read; the command line's pick.
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

class Picking : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WaitUntil([] { return Pixels("x:root", 1, 0) == kOdd; })) << "no backdrop";
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
    // A point of a design rectangle (twips) in the window's device pixels.
    const auto device = [&](int twips) { return int(std::lround(twips / 15 * c.scale)); };
    const std::string shown = "x:" + *window;

    // Odd and even screen coordinates, each a drag from the pick button to the point.
    const struct {
      int x, y;
      std::string colour;
    } points[] = {{101, 201, kEven}, {102, 201, kOdd}, {1279, 1023, kEven}};
    for (const auto& p : points) {
      SCOPED_TRACE(At(p.x, p.y));
      ASSERT_TRUE(Xdotool("mousemove --window " + *window + " " +
                          At(device(2715 + 180), device(2760 + 150)) + " mousedown 1"));
      ASSERT_TRUE(Xdotool("mousemove " + At(p.x, p.y)));
      const auto swatch = [&] { return Pixels(shown, device(60 + 260), device(45 + 230)); };
      EXPECT_TRUE(WaitUntil([&] { return swatch() == p.colour; }))
          << "the swatch shows " << swatch().value_or("nothing");
      EXPECT_EQ(Sh(HK_CURSORPROBE), c.cursor) << "the eyedropper shows over the whole screen";
      ASSERT_TRUE(Xdotool("mouseup 1"));
      EXPECT_TRUE(WaitUntil([&] { return Sh(HK_CURSORPROBE) != c.cursor; }))
          << "the release restores the cursor";
      // The web notation's copy button.
      ASSERT_TRUE(Click(*window, device(1920 + 180), device(1995 + 150)));
      EXPECT_TRUE(ClipboardHolds(p.colour));
    }

    // The magnifier shows the capture one to one in device pixels: the checkerboard,
    // each pixel unlike its neighbour.
    const auto row = Pixels(shown, device(630 + 825) - 30, device(45 + 765) - 10, 20);
    ASSERT_TRUE(row && row->size() == 140) << row.value_or("");
    const bool evenFirst = row->starts_with(kEven);
    for (std::size_t i = 0; i < 20; ++i)
      EXPECT_EQ(row->substr(i * 7, 7), (i % 2 == 0) == evenFirst ? kEven : kOdd) << *row;

    // The capture is kept: a bitmap of the view's size with the last pixel picked at its
    // middle; past the screen's corner it is neutral grey.
    EXPECT_EQ(run->Wait(c.signal), 0);
    EXPECT_EQ(app.Read("pref.ini"), PrefFile('0'));
    const std::string bmp = "'" + (app.dir / "screen_tmp.bmp").string() + "'";
    const int a = c.captureWidth / 2, b = c.captureHeight / 2;
    EXPECT_EQ(Sh("identify -format '%wx%h %z' " + bmp),
              std::to_string(2 * a) + "x" + std::to_string(2 * b) + " 8");
    EXPECT_EQ(Pixels(bmp, a, b), kEven);
    EXPECT_EQ(Pixels(bmp, 0, 0), (a + b) % 2 == 0 ? kEven : kOdd);
    EXPECT_EQ(Pixels(bmp, 2 * a - 1, 2 * b - 1), "#808080");
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
      // A Wayland session, whose screen cannot be read, and no bus to find a portal on.
      {"XDG_SESSION_TYPE=wayland DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "
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
