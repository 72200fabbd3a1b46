// The X11 screen source on a real X server: a private Xvfb painted with a
// one-pixel checkerboard, read by a probe copy of this program started with
// each Qt scale factor. The scale factor is read when Qt starts, hence one
// probe process per factor.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "picker/x11screensource.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr std::uint32_t kEven = 0x12A4F0;  // where x + y is even
constexpr std::uint32_t kOdd = 0xE0561C;
const char* gSelf = nullptr;  // this program, for the probes

std::uint32_t Checker(int x, int y) {
  if (x < 0 || y < 0 || x >= kScreenWidth || y >= kScreenHeight) return hk::kNeutralFill;
  return (x + y) % 2 == 0 ? kEven : kOdd;
}

// A child process whose standard input and output we hold.
class Child {
 public:
  explicit Child(std::vector<std::string> args, int keepFd = -1) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (keepFd >= 0) close(keepFd);
    to_ = fdopen(in[1], "w");
    from_ = fdopen(out[0], "r");
  }
  ~Child() {
    if (to_) fclose(to_);
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (from_) fclose(from_);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Sends one line and returns the line it answers; nothing once it has gone.
  std::optional<std::string> Ask(const std::string& line) {
    if (!line.empty() && (std::fputs((line + "\n").c_str(), to_) < 0 || std::fflush(to_) != 0))
      return std::nullopt;
    std::string answer;
    for (int ch = 0; (ch = std::fgetc(from_)) != EOF;) {
      if (ch == '\n') return answer;
      answer += static_cast<char>(ch);
    }
    return std::nullopt;
  }

 private:
  pid_t pid_ = -1;
  FILE* to_ = nullptr;
  FILE* from_ = nullptr;
};

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

// The private display and its backdrop, for the whole program. Without a
// session bus Qt starts at once; the Wayland variables would make the source
// refuse this display.
class XvfbDisplay : public ::testing::Environment {
 public:
  void SetUp() override {
    for (const char* name :
         {"DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_SCALE_FACTOR",
          "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING"})
      unsetenv(name);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    xvfb_ = std::make_unique<Child>(
        std::vector<std::string>{
            "Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
            std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24", "-nolisten",
            "tcp", "-noreset"},
        fds[1]);
    std::string display = ":";
    for (char ch = 0; read(fds[0], &ch, 1) == 1 && ch != '\n';) display += ch;
    close(fds[0]);
    ASSERT_NE(display, ":") << "Xvfb did not start";
    setenv("DISPLAY", display.c_str(), 1);
    char even[8], odd[8];
    std::snprintf(even, sizeof even, "%06X", kEven);
    std::snprintf(odd, sizeof odd, "%06X", kOdd);
    backdrop_ =
        std::make_unique<Child>(std::vector<std::string>{HK_BACKDROP, "checker", even, odd});
    ASSERT_EQ(backdrop_->Ask(""), "ready");
  }
  void TearDown() override {
    backdrop_.reset();
    xvfb_.reset();
  }

 private:
  std::unique_ptr<Child> xvfb_, backdrop_;
};

// "x y" of the pointer and the pixels around it, as the probe prints them.
struct Pick {
  int x = -1, y = -1;
  std::vector<std::uint32_t> pixels;
};

std::optional<Pick> Parse(const std::optional<std::string>& line) {
  if (!line || *line == "none") return std::nullopt;
  std::istringstream in(*line);
  Pick pick;
  in >> pick.x >> pick.y >> std::hex;
  for (std::uint32_t p = 0; in >> p;) pick.pixels.push_back(p);
  return pick;
}

TEST(X11ScreenSource, PicksThePhysicalPixelUnderThePointerAtEveryScale) {
  constexpr int kHalfW = 55, kHalfH = 51;
  struct Point {
    int x, y;
  };
  // Odd and even sums, odd coordinates, and captures that reach past the
  // top-left and bottom-right corners of the screen.
  const Point points[] = {{101, 58}, {300, 201}, {3, 5}, {638, 479}, {0, 0}, {333, 77}};
  for (const char* scale : {"1", "1.5", "2"}) {
    SCOPED_TRACE(std::string("QT_SCALE_FACTOR=") + scale);
    setenv("QT_SCALE_FACTOR", scale, 1);
    Child probe({gSelf, "--probe"});
    unsetenv("QT_SCALE_FACTOR");
    ASSERT_EQ(probe.Ask(""), "started");
    for (const Point& at : points) {
      SCOPED_TRACE("pointer at " + std::to_string(at.x) + "," + std::to_string(at.y));
      ASSERT_TRUE(Shell("xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y)));
      // The server takes the move in its own time; the deadline only guards a hang.
      std::optional<Pick> pick;
      for (const auto end = std::chrono::steady_clock::now() + 5s;
           std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(10ms)) {
        pick = Parse(probe.Ask("pick " + std::to_string(kHalfW) + " " + std::to_string(kHalfH)));
        if (!pick || (pick->x == at.x && pick->y == at.y)) break;
      }
      ASSERT_TRUE(pick) << "the probe could not read the screen";
      ASSERT_EQ(pick->x, at.x);
      ASSERT_EQ(pick->y, at.y);
      ASSERT_EQ(pick->pixels.size(), std::size_t{4 * kHalfW * kHalfH});
      EXPECT_EQ(pick->pixels[std::size_t{2 * kHalfW * kHalfH + kHalfW}], Checker(at.x, at.y))
          << "the pixel under the pointer";
      int wrong = 0;
      for (int y = 0; y < 2 * kHalfH; ++y)
        for (int x = 0; x < 2 * kHalfW; ++x) {
          const int sx = at.x - kHalfW + x, sy = at.y - kHalfH + y;
          if (pick->pixels[static_cast<std::size_t>(y * 2 * kHalfW + x)] != Checker(sx, sy) &&
              wrong++ < 3)
            ADD_FAILURE() << "screen pixel " << sx << "," << sy << " is " << std::hex
                          << pick->pixels[static_cast<std::size_t>(y * 2 * kHalfW + x)];
        }
      EXPECT_EQ(wrong, 0);
    }
  }
}

// Server image bytes of each layout the source meets, as 0x00RRGGBB; a layout
// it cannot read gives nothing rather than a wrong colour.
TEST(X11ScreenSource, ConvertsEveryPixelLayoutOrRefusesIt) {
  X11PixelFormat plain;
  X11PixelFormat msb;
  msb.msbFirst = true;
  X11PixelFormat packed24;
  packed24.bitsPerPixel = 24;
  X11PixelFormat rgb565{16, 32, false, true, 0xF800, 0x07E0, 0x001F};
  X11PixelFormat rgb565msb = rgb565;
  rgb565msb.msbFirst = true;
  const X11PixelFormat bgr{32, 32, false, true, 0x0000FF, 0x00FF00, 0xFF0000};
  const X11PixelFormat deep{32, 32, false, true, 0x3FF00000, 0x000FFC00, 0x000003FF};
  X11PixelFormat mapped;
  mapped.trueColour = false;
  X11PixelFormat nibbles = rgb565;
  nibbles.bitsPerPixel = 4;
  struct Case {
    const char* name;
    X11PixelFormat format;
    int width, height;
    std::vector<std::uint8_t> bytes;
    std::optional<std::vector<std::uint32_t>> pixels;
  };
  const Case cases[] = {
      {"32 bits, low byte first",
       plain,
       2,
       1,
       {0x56, 0x34, 0x12, 0xFF, 0xEF, 0xCD, 0xAB, 0x00},
       std::vector<std::uint32_t>{0x123456, 0xABCDEF}},
      {"32 bits, high byte first",
       msb,
       1,
       2,
       {0xFF, 0x12, 0x34, 0x56, 0x00, 0xAB, 0xCD, 0xEF},
       std::vector<std::uint32_t>{0x123456, 0xABCDEF}},
      // Rows padded to 32 bits: three bytes of pixel, one of padding.
      {"24 bits, padded rows",
       packed24,
       1,
       2,
       {0x56, 0x34, 0x12, 0x99, 0xEF, 0xCD, 0xAB, 0x99},
       std::vector<std::uint32_t>{0x123456, 0xABCDEF}},
      {"5-6-5",
       rgb565,
       4,
       1,
       {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x10, 0x84},
       std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x848284}},
      {"5-6-5, high byte first",
       rgb565msb,
       2,
       1,
       {0x84, 0x10, 0x00, 0x00, 0x99, 0x99},
       std::vector<std::uint32_t>{0x848284, 0x000000}},
      {"blue in the high byte",
       bgr,
       1,
       1,
       {0x12, 0x34, 0x56, 0x00},
       std::vector<std::uint32_t>{0x123456}},
      {"10 bits a channel",
       deep,
       1,
       1,
       {0x00, 0x00, 0xF8, 0x3F},
       std::vector<std::uint32_t>{0xFF8000}},
      {"colour map indexes", mapped, 1, 1, {1, 2, 3, 4}, std::nullopt},
      {"4 bits a pixel", nibbles, 2, 1, {0x12, 0, 0, 0}, std::nullopt},
      {"bytes missing", plain, 2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<hk::PixelImage> image =
        ConvertX11Pixels(c.format, c.bytes.data(), c.bytes.size(), c.width, c.height);
    ASSERT_EQ(image.has_value(), c.pixels.has_value()) << c.name;
    if (image) {
      EXPECT_EQ(image->pixels, *c.pixels) << c.name;
    }
  }
}

// The probe: reads "pick HALFWIDTH HALFHEIGHT" lines and answers with the
// pointer and the capture around it, or "none".
int Probe(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  std::unique_ptr<X11ScreenSource> source = X11ScreenSource::Create();
  std::cout << (source ? "started" : "none") << std::endl;
  if (!source) return 1;
  for (std::string command; std::cin >> command;) {
    int halfW = 0, halfH = 0;
    std::cin >> halfW >> halfH;
    const std::optional<hk::ScreenPoint> at = source->PointerPosition();
    std::optional<hk::PixelImage> image;
    if (at) image = source->Capture({at->x - halfW, at->y - halfH, 2 * halfW, 2 * halfH});
    if (!image) {
      std::cout << "none" << std::endl;
      continue;
    }
    std::cout << at->x << ' ' << at->y << std::hex;
    for (std::uint32_t p : image->pixels) std::cout << ' ' << p;
    std::cout << std::dec << std::endl;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  gSelf = "/proc/self/exe";
  if (argc > 1 && std::string(argv[1]) == "--probe") return Probe(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new XvfbDisplay);
  return RUN_ALL_TESTS();
}
