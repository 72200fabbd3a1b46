// Picking from the real screen: a backdrop window paints a one-pixel checkerboard of two
// known colours (Xvfb's root background is not what screen reads return), the eyedropper
// is dragged from the pick button with xdotool, and the window, the clipboard and the
// capture file say which pixel was read, at each Qt scale factor.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "harness.h"

namespace hk::e2e {
namespace {

constexpr const char* kEven = "204080";  // where x + y is even
constexpr const char* kOdd = "C06010";

// A point of a control's design rectangle (twips) in the window's device pixels.
int Device(int twips, double scale) { return static_cast<int>(std::lround(twips / 15 * scale)); }

bool Xdotool(const std::string& args) { return Sh("xdotool " + args).has_value(); }

// One pixel of `window` ("root" for the whole screen) as RRGGBB.
std::optional<std::string> PixelOf(const std::string& window, int x, int y) {
  const auto text = Sh("import -window " + window + " -crop 1x1+" + std::to_string(x) + "+" +
                       std::to_string(y) + " -depth 8 txt:- | grep -o '#[0-9A-F]\\{6\\}'");
  if (!text || text->size() < 7) return std::nullopt;
  return text->substr(1, 6);
}

std::uint32_t Le(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
  return v;
}

TEST(Picking, TheEyedropperReadsThePixelUnderItsTipAtEveryScale) {
  Process backdrop(std::string(HK_BACKDROP) + " " + kEven + " " + kOdd);
  ASSERT_TRUE(WaitUntil([] { return PixelOf("root", 1, 0) == kOdd; })) << "no backdrop";

  const struct {
    double scale;
    int captureWidth, captureHeight;  // the view's size at 1x in device pixels, made even
    const char* cursor;               // the eyedropper in device pixels, tip at (7, 22)
  } cases[] = {{1, 110, 102, "32x32 hot 7,22\n"},
               {1.5, 164, 152, "48x48 hot 11,33\n"},
               {2, 220, 204, "64x64 hot 14,44\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    App app;
    const auto run = app.Start("env QT_SCALE_FACTOR=" + std::to_string(c.scale));
    const auto window = Window("^Hue Keeper$", run.get());
    ASSERT_TRUE(window);
    const std::string pixel = std::to_string(Device(2715 + 180, c.scale)) + " " +
                              std::to_string(Device(2760 + 150, c.scale));
    const std::string copyWeb = std::to_string(Device(1920 + 180, c.scale)) + " " +
                                std::to_string(Device(1995 + 150, c.scale));
    const int swatchX = Device(60 + 260, c.scale), swatchY = Device(45 + 230, c.scale);

    // Odd and even screen coordinates, each a drag from the pick button to the point.
    const struct {
      int x, y;
      const char* colour;
    } points[] = {{101, 201, kEven}, {102, 201, kOdd}, {1279, 1023, kEven}};
    for (const auto& p : points) {
      SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
      ASSERT_TRUE(Xdotool("mousemove --window " + *window + " " + pixel + " mousedown 1"));
      ASSERT_TRUE(Xdotool("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y)));
      EXPECT_TRUE(WaitUntil([&] { return PixelOf(*window, swatchX, swatchY) == p.colour; }))
          << "the swatch shows " << PixelOf(*window, swatchX, swatchY).value_or("nothing");
      EXPECT_EQ(Sh(HK_CURSORPROBE), c.cursor) << "the eyedropper shows over the whole screen";
      ASSERT_TRUE(Xdotool("mouseup 1"));
      EXPECT_TRUE(WaitUntil([&] { return Sh(HK_CURSORPROBE) != c.cursor; }))
          << "the release restores the cursor";
      ASSERT_TRUE(Xdotool("mousemove --window " + *window + " " + copyWeb + " click 1"));
      EXPECT_TRUE(WaitUntil([&] {
        return Sh("xclip -o -selection clipboard") == "#" + std::string(p.colour);
      })) << Sh("xclip -o -selection clipboard").value_or("");
    }

    // At 1x the magnifier shows the capture one to one in device pixels: the
    // checkerboard, each pixel unlike its neighbour.
    const int viewX = Device(630 + 825, c.scale) - 30, viewY = Device(45 + 765, c.scale) - 10;
    const auto row = Sh("import -window " + *window + " -crop 20x1+" + std::to_string(viewX) + "+" +
                        std::to_string(viewY) + " -depth 8 txt:- | grep -o '#[0-9A-F]\\{6\\}'");
    ASSERT_TRUE(row);
    std::string expected;
    const std::string first = row->substr(1, 6);
    for (int i = 0; i < 20; ++i)
      expected += std::string("#") + ((i % 2 == 0) == (first == kEven) ? kEven : kOdd) + "\n";
    EXPECT_TRUE(first == kEven || first == kOdd) << *row;
    EXPECT_EQ(*row, expected);

    // Exit keeps the capture: a 24-bit bitmap of the view's size with the last pixel
    // picked at its middle; past the screen's corner it is neutral grey.
    ASSERT_TRUE(Xdotool("windowfocus --sync " + *window + " key ctrl+x"));
    EXPECT_EQ(run->Wait(), 0);
    const auto bmp = app.Read("screen_tmp.bmp");
    ASSERT_TRUE(bmp && bmp->size() > 54);
    EXPECT_EQ(Le(*bmp, 18, 4), static_cast<std::uint32_t>(c.captureWidth));
    EXPECT_EQ(Le(*bmp, 22, 4), static_cast<std::uint32_t>(c.captureHeight));
    EXPECT_EQ(Le(*bmp, 28, 2), 24u);
    const std::size_t stride = (static_cast<std::size_t>(c.captureWidth) * 3 + 3) & ~std::size_t{3};
    const auto at = [&](int x, int y) {
      char hex[7];
      std::snprintf(hex, sizeof hex, "%06X",
                    Le(*bmp,
                       54 + static_cast<std::size_t>(c.captureHeight - 1 - y) * stride +
                           static_cast<std::size_t>(x) * 3,
                       3));
      return std::string(hex);
    };
    const int a = c.captureWidth / 2, b = c.captureHeight / 2;
    EXPECT_EQ(at(a, b), kEven);
    EXPECT_EQ(at(0, 0), (a + b) % 2 == 0 ? kEven : kOdd);
    EXPECT_EQ(at(2 * a - 1, 0), "808080");
    EXPECT_EQ(at(0, 2 * b - 1), "808080");
    EXPECT_EQ(bmp->size(), 54 + stride * static_cast<std::size_t>(c.captureHeight));
  }
}

// huekeeper --pick, as a script runs it: the eyedropper until one click, the colour under
// it on standard output; Escape or a right click cancel; without screen or portal it fails.
TEST(Picking, TheCommandLinePickPrintsThePixelClickedInTheNotationAsked) {
  Process backdrop(std::string(HK_BACKDROP) + " " + kEven + " " + kOdd);
  ASSERT_TRUE(WaitUntil([] { return PixelOf("root", 1, 0) == kOdd; })) << "no backdrop";
  App app;
  const std::string eyedropper = "32x32 hot 7,22\n";
  const struct {
    const char* options;
    const char* act;  // once the eyedropper shows
    int status;
    const char* printed;
  } cases[] = {{"--pick --format rgb", "mousemove 101 201 click 1", 0, "32, 64, 128\n"},
               {"--pick", "mousemove 102 201 click 1", 0, "#C06010\n"},
               {"--pick", "key Escape", 1, ""},
               {"--pick --format long", "click 3", 1, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.options) + ", " + c.act);
    const auto run =
        app.Start("sh -c '\"$0\" " + std::string(c.options) + " >\"$0.out\" 2>\"$0.err\"'");
    ASSERT_TRUE(WaitUntil([&] { return Sh(HK_CURSORPROBE) == eyedropper; })) << "no eyedropper";
    ASSERT_TRUE(Xdotool(c.act));
    const auto status = run->Wait();
    ASSERT_TRUE(status && WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), c.status);
    EXPECT_EQ(app.Read("huekeeper.out"), c.printed);
    EXPECT_EQ(app.Read("huekeeper.err"), "");
    EXPECT_NE(Sh(HK_CURSORPROBE), eyedropper) << "the grab has ended";
  }

  // A Wayland session, whose screen cannot be read, with no portal on a bus that is not there.
  const auto wayland =
      Sh("env XDG_SESSION_TYPE=wayland DBUS_SESSION_BUS_ADDRESS=unix:path=" + app.dir.string() +
         "/no-bus '" + (app.dir / "huekeeper").string() + "' --pick 2>&1; echo $?");
  ASSERT_TRUE(wayland);
  EXPECT_TRUE(wayland->ends_with(
      "huekeeper: the screen cannot be read here and no desktop portal answered: picking a "
      "colour needs an X11 session or a desktop portal\n2\n"))
      << *wayland;
}

}  // namespace
}  // namespace hk::e2e
