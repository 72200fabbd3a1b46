// The real program on a real display: the files it leaves at exit and reads at start,
// the signals that end it (and what they cannot save), the second copy's hand-over and
// the X clipboard.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <fstream>

#include "harness.h"

namespace hk::e2e {
namespace {

const std::string kTitle = "^Hue Keeper$";

// Controls sit at their design rectangles in twips, 15 to the pixel.
constexpr int Px(int twips) { return (twips + 7) / 15; }
constexpr int Mid(int from, int size) { return Px(from) + Px(size) / 2; }
constexpr int kLongX = Mid(630, 1290), kLongY = Mid(2370, 315);
constexpr int kAddX = Mid(3480, 360), kAddY = Mid(2760, 315);
constexpr int kCopyHexX = Mid(4245, 360), kCopyHexY = Mid(1995, 315);
constexpr int kSearchX = Mid(630, 1290), kSearchY = Mid(2745, 300);
// The pad: a grid of 180-twip tips 240 twips apart, 17 columns, inside a 1-pixel border.
constexpr int CellX(int i) { return 1 + Px(135 + (i % 17) * 240); }  // the middle of a tip
constexpr int CellY(int i) { return Px(3705) + 1 + Px(135 + (i / 17) * 240); }

bool Xdotool(const std::string& args) { return Sh("xdotool " + args).has_value(); }
bool Focus(const std::string& window) { return Xdotool("windowfocus --sync " + window); }
bool Keys(const std::string& keys) { return Xdotool("key --delay 20 " + keys); }
bool Click(const std::string& window, int x, int y) {
  // No --sync: it would wait for a motion that never comes if the pointer is already there.
  return Xdotool("mousemove --window " + window + " " + std::to_string(x) + " " +
                 std::to_string(y) + " click 1");
}
std::optional<std::string> Clipboard() { return Sh("xclip -o -selection clipboard"); }

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

// Waits for the dialog titled `title`, acts on it, and waits until it has gone.
void InDialog(Process& app, const std::string& title, const std::function<bool()>& act) {
  const auto box = Window(title, &app);
  ASSERT_TRUE(box) << "no dialog " << title;
  ASSERT_TRUE(Focus(*box) && act());
  ASSERT_TRUE(WaitUntil([&] { return !Window(title); })) << title << " stayed open";
}

TEST(HueKeeper, AColourAddedIsSavedAtExitAndShownNextRunWhichASecondCopyOnlyBringsUp) {
  App app;
  const std::string navy = Record(0x800000, "Navy");
  std::ofstream(app.dir / "Colorx.dat", std::ios::binary) << navy;
  auto run = app.Start();
  auto window = Window(kTitle, run.get());
  ASSERT_TRUE(window);
  // A name pasted from another program, with a letter outside ASCII; xclip stays to serve it.
  ASSERT_TRUE(Sh("printf %s 'Café' | xclip -selection clipboard >/dev/null"));
  ASSERT_TRUE(WaitUntil([] { return Clipboard() == "Café"; }));
  ASSERT_TRUE(Click(*window, kLongX, kLongY) && Keys("ctrl+a 4 2 2 7 3 2 7"));
  ASSERT_TRUE(Click(*window, kAddX, kAddY));
  ASSERT_NO_FATAL_FAILURE(InDialog(*run, "^Color Name$", [] { return Keys("ctrl+v Return"); }));
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_EQ(app.Read("Colorx.dat"), navy + Record(0x4080FF, "Caf\xE9"));
  EXPECT_EQ(app.Read("pref.ini"), PrefFile('2'));

  run = app.Start();
  window = Window(kTitle, run.get());
  ASSERT_TRUE(window);
  // The second colour read back, handed to other programs by the Hex copy button.
  ASSERT_TRUE(Click(*window, CellX(1), CellY(1)) && Click(*window, kCopyHexX, kCopyHexY));
  EXPECT_TRUE(WaitUntil([] { return Clipboard() == "4080FF"; })) << Clipboard().value_or("");
  // A second copy brings the minimized first one back, active, and opens, writes or makes
  // no file but its own program file (which shows that the watch works).
  ASSERT_TRUE(Xdotool("windowminimize --sync " + *window));
  std::optional<int> second;
  const auto touched = Touched(app.dir, [&] { second = app.Start()->Wait(); });
  EXPECT_EQ(second, 0) << "the second copy";
  EXPECT_EQ(touched, std::set<std::string>{"huekeeper"});
  EXPECT_TRUE(WaitUntil(
      [&] { return Window(kTitle) == window && Sh("xdotool getactivewindow") == *window + "\n"; }));
}

TEST(HueKeeper, ASearchFromTheCollapsedWindowFindsAWebColourAndOpensTheTable) {
  App app;
  std::ofstream(app.dir / "pref.ini", std::ios::binary) << "EXPANDED=\r\n";
  auto run = app.Start();
  const auto window = Window(kTitle, run.get());
  ASSERT_TRUE(window);
  const auto height = [&] {
    return Sh("xdotool getwindowgeometry " + *window + " | grep -o 'x[0-9]*$'");
  };
  const auto collapsed = height();
  ASSERT_TRUE(Click(*window, kSearchX, kSearchY) && Keys("d a R k Return"));
  EXPECT_TRUE(WaitUntil([&] { return height() != collapsed; })) << "the table opens";
  ASSERT_TRUE(Click(*window, kCopyHexX, kCopyHexY));
  EXPECT_TRUE(WaitUntil([] { return Clipboard() == "8B0000"; })) << Clipboard().value_or("");
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_NE(app.Read("pref.ini").value_or("").find("TAB=1\r\n"), std::string::npos)
      << "the web list is what the search left open";
}

TEST(HueKeeper, TermIntAndHupEachSaveAsExitDoes) {
  App app;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    fs::remove(app.dir / "pref.ini");
    const auto run = app.Start();
    ASSERT_TRUE(Window(kTitle, run.get()));
    EXPECT_EQ(run->Wait(signal), 0);
    EXPECT_EQ(app.Read("pref.ini"), PrefFile('0'));
  }
}

TEST(HueKeeper, SavesThatFailAtASignalAreToldOnStandardErrorAndTheOldFilesStayWhole) {
  std::string old;
  for (std::uint32_t i = 0; i < 100; ++i)
    old += Record(i * 2654435761U & 0xFFFFFF, "Colour " + std::to_string(i));
  App app;
  std::ofstream(app.dir / "Colorx.dat", std::ios::binary) << old;
  std::ofstream(app.dir / "pref.ini", std::ios::binary) << PrefFile('1');
  std::ofstream(app.dir / "Colorx.dat.new1-0") << "what a killed run left";
  const auto files = [&] { return Sh("ls -A '" + app.dir.string() + "' | tr '\\n' ' '"); };
  const std::string said =
      "Hue Keeper could not save the preferences: " + (app.dir / "pref.ini").string() +
      ": File too large\n" +
      "Hue Keeper could not save the colors: " + (app.dir / "Colorx.dat").string() +
      ": File too large\n";
  // A signal ends the program at once; one while Exit asks about a failed save ends
  // the question too.
  for (const bool asking : {false, true}) {
    SCOPED_TRACE(asking ? "while asking" : "at once");
    // No file may grow past 40 bytes: every save fails, as on a full disk.
    auto run = app.Start("prlimit --fsize=40 --", true);
    const auto window = Window(kTitle, run.get());
    ASSERT_TRUE(window);
    EXPECT_EQ(files(), "Colorx.dat huekeeper pref.ini ") << "the start tidies up";
    // Deleting the first colour makes the exit rewrite the whole archive.
    ASSERT_TRUE(Click(*window, CellX(0), CellY(0)) && Keys("Delete"));
    ASSERT_NO_FATAL_FAILURE(InDialog(*run, "^Delete \\?$", [] { return Keys("y"); }));
    if (asking) {
      ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
      ASSERT_TRUE(Window("^Not Saved$", run.get())) << "Exit asks";
      EXPECT_TRUE(run->Running());
    }
    EXPECT_EQ(run->Wait(SIGTERM), 0);
    EXPECT_NE(run->Stderr().find(said), std::string::npos) << run->Stderr();
    EXPECT_TRUE(app.Read("Colorx.dat") == old) << "the old archive is not whole";
    EXPECT_EQ(app.Read("pref.ini"), PrefFile('1'));
    EXPECT_EQ(files(), "Colorx.dat huekeeper pref.ini ") << "nothing half-written beside them";
  }
}

}  // namespace
}  // namespace hk::e2e
