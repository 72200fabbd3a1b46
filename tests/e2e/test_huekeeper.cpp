// The real program on a real display: the files it leaves at exit and reads at start,
// the close box with and without a tray, the second copy's hand-over, the X clipboard,
// the saves a signal cannot make, and the tools, each a window of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdint>

#include "harness.h"

namespace hk::e2e {
namespace {

// The pad: a grid of 180-twip tips 240 twips apart, 17 columns, inside a 1-pixel border.
constexpr int CellX(int i) { return 1 + Px(135 + (i % 17) * 240); }  // the middle of a tip
constexpr int CellY(int i) { return Px(3705) + 1 + Px(135 + (i / 17) * 240); }

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
  app.Write("Colorx.dat", navy);
  auto run = app.Start();
  auto window = Window(kMain, run.get());
  ASSERT_TRUE(window);
  // A name pasted from another program, with a letter outside ASCII; xclip stays to serve it.
  ASSERT_TRUE(Sh("printf %s 'Café' | xclip -selection clipboard >/dev/null"));
  ASSERT_TRUE(ClipboardHolds("Café"));
  ASSERT_TRUE(Click(*window, Mid(630, 1290), Mid(2370, 315)) && Keys("ctrl+a 4 2 2 7 3 2 7"));
  ASSERT_TRUE(Click(*window, Mid(3480, 360), Mid(2760, 315)));  // the Long field, then Add
  ASSERT_NO_FATAL_FAILURE(InDialog(*run, "^Color Name$", [] { return Keys("ctrl+v Return"); }));
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_EQ(app.Read("Colorx.dat"), navy + Record(0x4080FF, "Caf\xE9"));
  EXPECT_EQ(app.Read("pref.ini"), PrefFile('2'));

  run = app.Start();
  window = Window(kMain, run.get());
  ASSERT_TRUE(window);
  // The second colour read back, handed to other programs by the Hex copy button.
  ASSERT_TRUE(Click(*window, CellX(1), CellY(1)) && Click(*window, kCopyHexX, kCopyHexY));
  EXPECT_TRUE(ClipboardHolds("4080FF"));
  // With no tray to hide in, the close box leaves the window on the task bar, minimized.
  ASSERT_TRUE(Focus(*window) && Keys("alt+F4"));
  EXPECT_TRUE(
      WaitUntil([&] { return !!Sh("xprop -id " + *window + " WM_STATE | grep -q Iconic"); }));
  // A second copy brings it back, active, and writes, makes or removes no file.
  const auto files = [&] { return Sh("ls -A --full-time '" + app.dir.string() + "'"); };
  const auto before = files();
  EXPECT_EQ(app.Start()->Wait(), 0) << "the second copy";
  EXPECT_EQ(files(), before);
  EXPECT_TRUE(WaitUntil(
      [&] { return Window(kMain) == window && Sh("xdotool getactivewindow") == *window + "\n"; }));
}

// A million saved colours: an addition is appended after the old bytes; a rename and a
// delete write the file again, whole, in place of the old one.
TEST(HueKeeper, AMillionSavedColoursAreAppendedToOrRewrittenWhole) {
  App app;
  std::string million;
  million.reserve(29'000'000);
  for (int i = 0; i < 1'000'000; ++i) million += Record(i, "Colour " + std::to_string(i));
  app.Write("Colorx.dat", million);
  const auto inode = [&] {
    struct stat st {};
    return ::stat((app.dir / "Colorx.dat").c_str(), &st) == 0 ? st.st_ino : 0;
  };
  auto run = app.Start();
  auto window = Window(kMain, run.get());
  ASSERT_TRUE(window);
  ASSERT_TRUE(Click(*window, Mid(630, 1290), Mid(2370, 315)) && Keys("ctrl+a 4 2 2 7 3 2 7"));
  ASSERT_TRUE(Click(*window, Mid(3480, 360), Mid(2760, 315)));  // Add
  ASSERT_NO_FATAL_FAILURE(InDialog(*run, "^Color Name$", [] { return Keys("shift+l a s t Return"); }));
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_TRUE(app.Read("Colorx.dat") == million + Record(0x4080FF, "Last"));

  const auto before = inode();
  run = app.Start();
  window = Window(kMain, run.get());
  ASSERT_TRUE(window);
  // Found by its name, the last colour is selected in the table, which opens.
  ASSERT_TRUE(Click(*window, Mid(630, 1290), Mid(2745, 300)) && Keys("shift+l a s"));
  ASSERT_TRUE(Click(*window, Mid(1920, 360), Mid(2760, 300)));
  ASSERT_TRUE(Focus(*window) && Keys("alt+n"));
  ASSERT_NO_FATAL_FAILURE(
      InDialog(*run, "^Edit Color Name$", [] { return Keys("ctrl+a shift+f i n a l Return"); }));
  ASSERT_TRUE(Focus(*window) && Keys("alt+d"));
  ASSERT_NO_FATAL_FAILURE(InDialog(*run, "^Delete \\?$", [] { return Keys("alt+y"); }));
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_TRUE(app.Read("Colorx.dat") == million);
  EXPECT_NE(inode(), before) << "written in place instead of replaced";
}

// Palettes from the command line, with no display; an import while the window runs is
// handed to it, and its save at exit keeps the colours.
TEST(HueKeeper, PalettesGoOutAndComeInFromTheCommandLineAlsoThroughTheRunningWindow) {
  App app;
  const std::string navy = Record(0x800000, "Navy"), in = (app.dir / "in.gpl").string();
  app.Write("Colorx.dat", navy);
  app.Write("in.gpl", "GIMP Palette\n255 0 0 Red\n0 0 128 Navy blue\n1 2\n");
  const auto cli = [&](const std::string& env, const std::string& options) {
    const auto run =
        app.Start("env " + env + " sh -c '\"$0\" " + options + " >\"$0.out\" 2>\"$0.err\"'");
    const auto status = run->Wait();
    return std::tuple(status ? WEXITSTATUS(*status) : -1, *app.Read("huekeeper.out"),
                      app.Read("huekeeper.err")->substr(0, 60));
  };
  const std::string missing = (app.dir / "missing.txt").string();
  EXPECT_EQ(cli("-u DISPLAY", "--export " + (app.dir / "out.txt").string()),
            std::tuple(0, "1 colour exported\n", ""));
  EXPECT_EQ(app.Read("out.txt"), "#000080\tNavy\n");
  EXPECT_EQ(
      cli("-u DISPLAY", "--import " + missing),
      std::tuple(1, "", ("huekeeper: " + missing + ": No such file or directory\n").substr(0, 60)));
  EXPECT_EQ(std::get<0>(cli("-u DISPLAY", "--import in.png")), 2);
  auto run = app.Start();
  const auto window = Window(kMain, run.get());
  ASSERT_TRUE(window);
  EXPECT_EQ(cli("", "--import " + in),
            std::tuple(0, "1 colour imported, 1 already saved, 1 line not read (line 4)\n",
                       ("huekeeper: " + in + ", line 4: not a colour\n").substr(0, 60)));
  EXPECT_EQ(app.Read("Colorx.dat"), navy) << "the window saves it at exit";
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_EQ(app.Read("Colorx.dat"), navy + Record(255, "Red"));
}

TEST(HueKeeper, SavesThatFailAtASignalAreToldOnStandardErrorAndTheOldFilesStayWhole) {
  std::string old;
  for (std::uint32_t i = 0; i < 100; ++i)
    old += Record(i * 2654435761U & 0xFFFFFF, "Colour " + std::to_string(i));
  App app;
  app.Write("Colorx.dat", old);
  app.Write("pref.ini", PrefFile('1'));
  app.Write("Colorx.dat.new1-0", "what a killed run left");
  const auto files = [&] { return Sh("ls -A '" + app.dir.string() + "' | tr '\\n' ' '"); };
  const std::string kept = "Colorx.dat huekeeper huekeeper.err pref.ini ";
  const std::string said =
      "Hue Keeper could not save the preferences: " + (app.dir / "pref.ini").string() +
      ": File too large\n" +
      "Hue Keeper could not save the colors: " + (app.dir / "Colorx.dat").string() +
      ": File too large\n";
  // A signal ends the program at once; one while Exit asks about a failed save ends
  // the question too.
  for (const bool asking : {false, true}) {
    SCOPED_TRACE(asking ? "while asking" : "at once");
    // No file may grow past 40 bytes: every save fails, as on a full disk. Standard error
    // goes through a pipe, to a file written by a program without that limit.
    auto run = app.Start("bash -c 'exec prlimit --fsize=40 -- \"$0\" 2> >(cat >\"$0.err\")'");
    const auto window = Window(kMain, run.get());
    ASSERT_TRUE(window);
    EXPECT_EQ(files(), kept) << "the start tidies up";
    // Deleting the first colour makes the exit rewrite the whole archive.
    ASSERT_TRUE(Click(*window, CellX(0), CellY(0)) && Keys("Delete"));
    ASSERT_NO_FATAL_FAILURE(InDialog(*run, "^Delete \\?$", [] { return Keys("y"); }));
    if (asking) {
      ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
      ASSERT_TRUE(Window("^Not Saved$", run.get())) << "Exit asks";
      EXPECT_TRUE(run->Running());
    }
    EXPECT_EQ(run->Wait(SIGTERM), 0);
    const auto told = [&] { return app.Read("huekeeper.err").value_or(""); };
    EXPECT_TRUE(WaitUntil([&] { return told().find(said) != std::string::npos; })) << told();
    EXPECT_TRUE(app.Read("Colorx.dat") == old) << "the old archive is not whole";
    EXPECT_EQ(app.Read("pref.ini"), PrefFile('1'));
    EXPECT_EQ(files(), kept) << "nothing half-written beside them";
  }
}

TEST(Tools, TheToolsAreWindowsOfTheirOwnAndTheTrayIconBringsBackOrEnds) {
  Process tray("trayer --edge bottom --align right --widthtype request --height 24");
  ASSERT_TRUE(WaitUntil([] { return !!Sh("xdotool search --onlyvisible --class trayer"); }))
      << "trayer did not start";
  App app;
  const auto run = app.Start();
  const auto window = Window(kMain, run.get());
  ASSERT_TRUE(window);

  // The tray icon, a window of ours 10 to 99 pixels wide inside the tray (where xdotool's
  // search does not look), waited for first, as its embedding may take the focus.
  const auto icon = [] {
    return Sh(R"(xwininfo -root -tree | awk '/"Hue Keeper": .* [0-9][0-9]x[0-9][0-9][+]/ )"
              R"({ printf $1; exit }')")
        .value_or("");
  };
  ASSERT_TRUE(WaitUntil([&] { return !icon().empty(); })) << "no tray icon";

  ASSERT_TRUE(Focus(*window) && Keys("alt+e"));  // HexConv's key
  const auto converter = Window("^HexConv$", run.get());
  ASSERT_TRUE(converter);
  ASSERT_TRUE(Focus(*window) && Keys("alt+e"));
  ASSERT_TRUE(WaitUntil([&] { return Sh("xdotool getactivewindow") == *converter + "\n"; }))
      << "opening it again brings the same converter forward";

  ASSERT_TRUE(Focus(*window) && Keys("alt+a"));  // Measure's key
  const auto measure = Window("^Measure$", run.get());
  ASSERT_TRUE(measure);
  // No compositor runs on the test display, so the window is opaque, never black.
  EXPECT_FALSE(Sh("xprop -id " + *measure + " _NET_WM_WINDOW_OPACITY | grep -q ' = '"));
  ASSERT_TRUE(Focus(*measure) && Keys("alt+F4"));
  EXPECT_TRUE(WaitUntil([] { return !Window("^Measure"); }));

  const auto viewable = [&] { return !!Sh("xwininfo -id " + *window + " | grep -q IsViewable"); };
  ASSERT_TRUE(Focus(*window) && Keys("alt+F4"));
  EXPECT_TRUE(WaitUntil([&] { return !viewable(); })) << "the close box hides the window";
  EXPECT_FALSE(app.Read("pref.ini")) << "and saves nothing";
  ASSERT_TRUE(Click(icon(), 11, 11));
  EXPECT_TRUE(WaitUntil([&] { return viewable(); })) << "a click on the icon brings it back";
  // The icon's menu brings the window in front of the converter; E&xit saves and ends.
  const auto windows = [] { return Sh("xwininfo -root -children | grep -c '(\"huekeeper\"'"); };
  const auto before = windows();
  ASSERT_TRUE(Focus(*converter) && Click(icon(), 11, 11, 3));
  ASSERT_TRUE(WaitUntil([&] { return windows() != before; })) << "no menu";
  EXPECT_TRUE(WaitUntil([&] { return Sh("xdotool getactivewindow") == *window + "\n"; }));
  ASSERT_TRUE(Keys("x"));
  EXPECT_EQ(run->Wait(), 0);
  EXPECT_EQ(app.Read("pref.ini"), PrefFile('0'));
}

}  // namespace
}  // namespace hk::e2e
