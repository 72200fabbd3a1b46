// The real program on a real display: the files it leaves at exit and reads at start,
// the signals that end it, the second copy's hand-over, the X clipboard and the screen.
#include <gtest/gtest.h>

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
// The pad: a grid inside a 1-pixel border, 17 columns of 180-twip tips 240 twips apart.
constexpr int kPadLeft = 1, kPadTop = Px(3705) + 1;
constexpr int CellLeft(int i) { return kPadLeft + Px(45 + (i % 17) * 240); }
constexpr int CellTop(int i) { return kPadTop + Px(45 + (i / 17) * 240); }

// One archive record: the Long colour little-endian, the Windows-1252 name padded to 25.
std::string Record(std::uint32_t colour, const std::string& name) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(colour >> shift & 0xFF);
  return (bytes + name + std::string(25, ' ')).substr(0, 29);
}

std::string PrefFile(int lastUserColor) {
  return "TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\nEXPANDED=E\r\n"
         "LASTUSERCOLOR=" + std::to_string(lastUserColor) + "\r\nLASTWEBCOLOR=1\r\n";
}

// Waits until the pad shows these colours in its first cells (the middle of each tip
// one colour) and its background in the next; "" then, or else what it last showed.
std::string PadMismatch(const std::string& window, const std::vector<std::uint32_t>& colours) {
  std::string seen = "no screenshot";
  WaitUntil([&] {
    const auto shot = Screenshot::Of(window);
    if (!shot) return false;
    seen.clear();
    const Rgb background = shot->At(kPadLeft + 1, kPadTop + 1);
    for (std::size_t i = 0; i <= colours.size(); ++i) {
      const std::uint32_t c = i < colours.size() ? colours[i] : 0;
      const Rgb want = i < colours.size() ? Rgb{int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16)}
                                          : background;
      const int left = CellLeft(int(i)) + Px(30) + 1, top = CellTop(int(i)) + Px(30) + 1;
      bool same = true;
      for (int k = 0; k < 36; ++k) same = same && shot->At(left + k % 6, top + k / 6) == want;
      if (!same) {
        seen += "cell " + std::to_string(i) + " is not " + ToString(want) + " (its corner " +
                ToString(shot->At(left, top)) + ")\n";
      }
    }
    return seen.empty();
  });
  return seen;
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
  const std::string white = Record(0xFFFFFF, "White");
  ASSERT_TRUE(WriteBytes(app / "Colorx.dat", white));
  {
    const auto run = app.Start();
    const auto window = WaitForWindow(kTitle, *run);
    ASSERT_TRUE(window);
    // Apply takes the Long field; the Hex copy button hands the colour to other programs.
    ASSERT_TRUE(Click(*window, kLongX, kLongY) && Keys("ctrl+a") && Type("4227327"));
    ASSERT_TRUE(Click(*window, kApplyX, kButtonY) && Click(*window, kCopyHexX, kCopyHexY));
    EXPECT_TRUE(WaitUntil([] { return Clipboard() == "4080FF"; })) << Clipboard().value_or("");
    // A name pasted from another program, with a letter outside ASCII.
    ASSERT_TRUE(SetClipboard("Café"));
    ASSERT_NO_FATAL_FAILURE(Add(*run, *window, "4227327", [] { return Keys("ctrl+v"); }));
    ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
    const auto status = run->Wait();
    EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status);
  }
  const std::string saved = white + Record(0x4080FF, "Caf\xE9");
  EXPECT_EQ(ReadBytes(app / "Colorx.dat"), saved);
  EXPECT_EQ(ReadBytes(app / "pref.ini"), PrefFile(2));

  // A run that only looks, and is asked to show itself by a second copy.
  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
  fs::last_write_time(app / "Colorx.dat", longAgo);
  const auto run = app.Start();
  const auto window = WaitForWindow(kTitle, *run);
  ASSERT_TRUE(window);
  EXPECT_EQ(PadMismatch(*window, {0xFFFFFF, 0x4080FF}), "");
  std::unique_ptr<Process> cover;
  const std::pair<const char*, std::function<bool()>> putAway[] = {
      {"minimized",
       [&] { return Tool({"xdotool", "windowminimize", "--sync", *window}) && Windows(kTitle).empty(); }},
      {"under another window", [&] {
         cover = std::make_unique<Process>(std::vector<std::string>{
             "xmessage", "-geometry", "1280x1024+0+0", "-title", "Cover", "cover"});
         const auto id = WaitForWindow("Cover", *cover);
         return id && WaitUntil([&] { return ActiveWindow() == id && TopWindow() == id; });
       }}};
  for (const auto& [label, away] : putAway) {
    SCOPED_TRACE(label);
    ASSERT_TRUE(away());
    FolderWatch watch(app.Folder());
    const auto status = app.Start()->Wait();
    EXPECT_TRUE(ExitedWith(status, 0)) << "second copy: " << Describe(status);
    EXPECT_TRUE(WaitUntil([&] {
      return Windows(kTitle) == std::vector{*window} && ActiveWindow() == window &&
             TopWindow() == window;
    })) << "the first copy is not shown on top and active";
    // The copy ran (its program file was opened) and opened, wrote or made no other file.
    std::vector<std::string> events;
    while (const auto event = watch.Next()) events.push_back(*event);
    EXPECT_EQ(events, std::vector<std::string>{"OPEN huekeeper"});
  }
  ASSERT_TRUE(Focus(*window) && Keys("ctrl+x"));
  const auto status = run->Wait();
  EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status);
  EXPECT_EQ(ReadBytes(app / "Colorx.dat"), saved);
  EXPECT_EQ(fs::last_write_time(app / "Colorx.dat"), longAgo);
  EXPECT_EQ(ReadBytes(app / "pref.ini"), PrefFile(2)) << "read at start, written back at exit";
}

TEST(HueKeeper, TermIntAndHupSaveAsExitDoes) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    App app;
    const auto run = app.Start();
    const auto window = WaitForWindow(kTitle, *run);
    ASSERT_TRUE(window);
    ASSERT_NO_FATAL_FAILURE(Add(*run, *window, "12632256", [] { return Type("Silver"); }));
    const auto status = run->Stop(signal);
    EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status);
    EXPECT_EQ(ReadBytes(app / "Colorx.dat"), Record(0xC0C0C0, "Silver"));
    EXPECT_EQ(ReadBytes(app / "pref.ini"), PrefFile(1));
  }
}

TEST(HueKeeper, AKillDuringTheArchiveRewriteLeavesTheOldOrTheNewFileAndTheNextStartTidiesUp) {
  // Long enough that the rewrite is still going when the kill comes.
  std::string old;
  for (std::uint32_t i = 0; i < 20000; ++i) {
    old += Record(i * 2654435761U & 0xFFFFFF, "Colour " + std::to_string(i));
  }
  App app;
  ASSERT_TRUE(WriteBytes(app / "Colorx.dat", old));
  auto run = app.Start();
  const auto window = WaitForWindow(kTitle, *run);
  ASSERT_TRUE(window);
  // Deleting the first colour makes the exit rewrite the whole file.
  ASSERT_TRUE(Click(*window, CellLeft(0) + Px(90), CellTop(0) + Px(90)) && Keys("Delete"));
  ASSERT_NO_FATAL_FAILURE(InDialog(*run, "Delete ?", [] { return Keys("y"); }));
  FolderWatch watch(app.Folder());
  ASSERT_TRUE(Focus(*window));
  Process ctrlX({"xdotool", "key", "ctrl+x"});  // not waited for: the watch starts at once
  std::optional<std::string> write;  // the first write to Colorx.dat or a file beside it
  while ((write = watch.Next(100ms)) || run->Running()) {
    if (write && write->rfind("OPEN", 0) != 0 && write->find(" Colorx.dat") != std::string::npos) {
      break;
    }
  }
  ASSERT_TRUE(write) << "the exit did not write the archive";
  run->Stop(SIGKILL);
  const auto left = ReadBytes(app / "Colorx.dat").value_or("none");
  EXPECT_TRUE(left == old || left == old.substr(29)) << "an archive of " << left.size() << " bytes";
  RecordProperty("killed_at", *write + (left == old ? ", old file kept" : ", new file in place"));
  RecordProperty("left_beside", ::testing::PrintToString(Named(app.Folder(), "Colorx.dat.")));

  run = app.Start();
  ASSERT_TRUE(WaitForWindow(kTitle, *run));
  EXPECT_EQ(Named(app.Folder(), "Colorx.dat."), std::vector<std::string>{});
}

}  // namespace
}  // namespace hk::e2e
