// The real program on a real display: the files it leaves at exit and reads at start,
// the signals that end it, the second copy's hand-over, the X clipboard and the screen.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdint>
#include <cstring>

#include "harness.h"

namespace hk::e2e {
namespace {

const std::string kTitle = "Hue Keeper";

// Controls sit at their design rectangles in twips, 15 to the pixel.
constexpr int Px(int twips) { return (twips + 7) / 15; }
constexpr int Mid(int from, int size) { return Px(from) + Px(size) / 2; }
// The Long field (txtCol), its Apply and Add buttons, and the Hex field's copy button.
constexpr int kLongX = Mid(630, 1290), kLongY = Mid(2370, 315);
constexpr int kApplyX = Mid(2325, 360), kAddX = Mid(3480, 360), kButtonY = Mid(2760, 315);
constexpr int kCopyHexX = Mid(4245, 360), kCopyHexY = Mid(1995, 315);
// The pad: a grid of 180-twip tips 240 twips apart, 17 columns, inside a 1-pixel border.
constexpr int kPadTop = Px(3705) + 1;
constexpr int CellX(int i) { return 1 + Px(135 + (i % 17) * 240); }  // the middle of a tip
constexpr int CellY(int i) { return kPadTop + Px(135 + (i / 17) * 240); }

// One archive record: the Long colour little-endian, the Windows-1252 name padded to 25.
std::string Record(std::uint32_t colour, const std::string& name) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(colour >> shift & 0xFF);
  return (bytes + name + std::string(25, ' ')).substr(0, 29);
}

std::string PrefFile(char lastUserColor) {
  return std::string("TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\n") +
         "EXPANDED=E\r\nLASTUSERCOLOR=" + lastUserColor + "\r\nLASTWEBCOLOR=1\r\n";
}

// The middle of the pad's first cells; "background" where the pad's margin colour shows.
std::vector<std::string> PadCells(const std::string& window, int count) {
  std::vector<std::pair<int, int>> points = {{2, kPadTop + 1}};
  for (int i = 0; i < count; ++i) points.emplace_back(CellX(i), CellY(i));
  std::vector<std::string> cells = Pixels(window, points);
  const std::string margin = cells.empty() ? "" : cells.front();
  for (auto& cell : cells) cell = cell == margin ? "background" : cell;
  return cells;
}

// Waits for the dialog titled `title`, acts on it, and waits until it has gone.
void InDialog(Process& app, const std::string& title, const std::function<bool()>& act) {
  const auto box = WaitForWindow(title, app);
  ASSERT_TRUE(box) << "no dialog \"" << title << "\"";
  ASSERT_TRUE(Focus(*box) && act());
  ASSERT_TRUE(WaitUntil([&] { return Windows(title).empty(); })) << title << " stayed open";
}

// Types `value` into the Long field, presses Add and gives the name box a name.
void Add(Process& app, const std::string& window, const std::string& value,
         const std::function<bool()>& name) {
  ASSERT_TRUE(Click(window, kLongX, kLongY) && Keys("ctrl+a") && Type(value));
  ASSERT_TRUE(Click(window, kAddX, kButtonY));
  ASSERT_NO_FATAL_FAILURE(InDialog(app, "Color Name", [&] { return name() && Keys("Return"); }));
}

TEST(HueKeeper, ColourAddedIsSavedAtExitShownNextRunAndAnIdleRunWithAHandOverKeepsTheFiles) {
  App app;
  const std::string navy = Record(0x800000, "Navy");
  ASSERT_TRUE(WriteBytes(app.dir / "Colorx.dat", navy));
  auto run = app.Start();
  auto window = WaitForWindow(kTitle, *run);
  ASSERT_TRUE(window);
  // Apply takes the Long field; the Hex copy button hands the colour to other programs.
  ASSERT_TRUE(Click(*window, kLongX, kLongY) && Keys("ctrl+a") && Type("4227327"));
  ASSERT_TRUE(Click(*window, kApplyX, kButtonY) && Click(*window, kCopyHexX, kCopyHexY));
  EXPECT_TRUE(WaitUntil([] { return Clipboard() == "4080FF"; })) << Clipboard().value_or("");
  // A name pasted from another program, with a letter outside ASCII.
  ASSERT_TRUE(SetClipboard("Café"));
  ASSERT_NO_FATAL_FAILURE(Add(*run, *window, "4227327", [] { return Keys("ctrl+v"); }));
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  const std::string saved = navy + Record(0x4080FF, "Caf\xE9");
  EXPECT_EQ(ReadBytes(app.dir / "Colorx.dat"), saved);
  EXPECT_EQ(ReadBytes(app.dir / "pref.ini"), PrefFile('2'));

  // A run that only looks, and that a second copy asks to show itself.
  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
  fs::last_write_time(app.dir / "Colorx.dat", longAgo);
  run = app.Start();
  window = WaitForWindow(kTitle, *run);
  ASSERT_TRUE(window);
  const std::vector<std::string> shown = {"background", "#000080", "#FF8040", "background"};
  std::vector<std::string> cells;
  EXPECT_TRUE(WaitUntil([&] { return (cells = PadCells(*window, 3)) == shown; }))
      << ::testing::PrintToString(cells);
  // A second copy shows the first on top and active, and opens, writes or makes no file but
  // its own program file (which shows that the watch works).
  const auto handOver = [&](const char* after) {
    SCOPED_TRACE(after);
    FolderWatch watch(app.dir);
    EXPECT_EQ(app.Start()->Wait(), 0) << "the second copy";
    EXPECT_TRUE(WaitUntil([&] {
      return Windows(kTitle) == std::vector{*window} && ActiveWindow() == window &&
             TopWindow() == window;
    }));
    EXPECT_EQ(watch.Events(), std::vector<std::string>{"OPEN huekeeper"});
  };
  ASSERT_TRUE(Xdotool({"windowminimize", "--sync", *window}));
  handOver("minimized");
  Process cover({"xmessage", "-geometry", "1280x1024+0+0", "-title", "Cover", "cover"});
  const auto id = WaitForWindow("Cover", cover);
  ASSERT_TRUE(id && WaitUntil([&] { return ActiveWindow() == id && TopWindow() == id; }));
  handOver("under another window");
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_EQ(ReadBytes(app.dir / "Colorx.dat"), saved);
  EXPECT_EQ(fs::last_write_time(app.dir / "Colorx.dat"), longAgo);
  EXPECT_EQ(ReadBytes(app.dir / "pref.ini"), PrefFile('2'))
      << "read at start, written back at exit";
}

TEST(HueKeeper, TermIntAndHupSaveAsExitDoes) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    App app;
    const auto run = app.Start();
    const auto window = WaitForWindow(kTitle, *run);
    ASSERT_TRUE(window);
    ASSERT_NO_FATAL_FAILURE(Add(*run, *window, "12632256", [] { return Type("Silver"); }));
    EXPECT_EQ(run->Stop(signal), 0);
    EXPECT_EQ(ReadBytes(app.dir / "Colorx.dat"), Record(0xC0C0C0, "Silver"));
    EXPECT_EQ(ReadBytes(app.dir / "pref.ini"), PrefFile('1'));
  }
}

TEST(HueKeeper, ACrashHalfwayThroughTheArchiveRewriteKeepsTheOldFileAndTheNextStartTidiesUp) {
  std::string old;
  for (std::uint32_t i = 0; i < 20000; ++i) {
    old += Record(i * 2654435761U & 0xFFFFFF, "Colour " + std::to_string(i));
  }
  App app;
  ASSERT_TRUE(WriteBytes(app.dir / "Colorx.dat", old));
  // Files of half the archive's size at most: the rewrite dies halfway, of SIGXFSZ.
  const std::string limit = "--fsize=" + std::to_string(old.size() / 2);
  auto run = app.Start({"prlimit", limit, "--core=0", "--"});
  const auto window = WaitForWindow(kTitle, *run);
  ASSERT_TRUE(window);
  // Deleting the first colour makes the exit rewrite the whole file.
  ASSERT_TRUE(Click(*window, CellX(0), CellY(0)) && Keys("Delete"));
  ASSERT_NO_FATAL_FAILURE(InDialog(*run, "Delete ?", [] { return Keys("y"); }));
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  const auto status = run->Wait();
  ASSERT_TRUE(status && WIFSIGNALED(*status) && WTERMSIG(*status) == SIGXFSZ)
      << status.value_or(-1);
  EXPECT_TRUE(ReadBytes(app.dir / "Colorx.dat") == old) << "the old archive is not whole";
  ASSERT_EQ(Named(app.dir, "Colorx.dat").size(), 2U) << "no half-written archive beside it";
  run = app.Start();
  ASSERT_TRUE(WaitForWindow(kTitle, *run));
  EXPECT_EQ(Named(app.dir, "Colorx.dat"), std::vector<std::string>{"Colorx.dat"});
}

}  // namespace
}  // namespace hk::e2e
