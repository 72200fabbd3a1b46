// Start, hand-over and end of the real program: what each way out saves, the one
// copy per user, and an archive rewrite cut short by a kill.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <thread>

#include "hue_keeper.h"

namespace hk::e2e {
namespace {

namespace fs = std::filesystem;

struct WayOut {
  std::string label;
  std::string keys;  // pressed on the window, or
  int signal = 0;    // sent to the process
};

std::optional<int> Leave(App& app, const std::string& window, const WayOut& way) {
  if (way.signal != 0) return app.StopWith(way.signal, 10s);
  EXPECT_TRUE(FocusWindow(window));
  EXPECT_TRUE(PressKeys(way.keys));
  return app.WaitForExit(10s);
}

const std::vector<WayOut> kWaysOut = {
    {"Ctrl+X", "ctrl+x", 0}, {"Alt+X", "alt+x", 0},  {"SIGTERM", "", SIGTERM},
    {"SIGINT", "", SIGINT},  {"SIGHUP", "", SIGHUP},
};

TEST(Lifecycle, EveryWayOutOfAFirstRunWritesTheDefaultPreferences) {
  // No colour saved: the saved list's position is 0, the web list's stays 1.
  const std::string defaults = PrefFile(0, 1);
  for (const WayOut& way : kWaysOut) {
    SCOPED_TRACE(way.label);
    App app;
    ASSERT_TRUE(app.Start());
    const auto window = app.WaitForWindow(kMainTitle);
    ASSERT_TRUE(window.has_value());
    const auto status = Leave(app, *window, way);
    EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status);
    EXPECT_EQ(ReadBytes(app.Folder() / "pref.ini"), defaults);
    EXPECT_FALSE(fs::exists(app.Folder() / "Colorx.dat")) << "nothing was added";
  }
}

TEST(Lifecycle, SignalsSaveAColourAddedInTheRun) {
  for (const WayOut& way : kWaysOut) {
    if (way.signal == 0) continue;
    SCOPED_TRACE(way.label);
    App app;
    ASSERT_TRUE(app.Start());
    const auto window = app.WaitForWindow(kMainTitle);
    ASSERT_TRUE(window.has_value());
    ASSERT_TRUE(FocusWindow(*window));
    ASSERT_NO_FATAL_FAILURE(AddThroughNameBox(app, *window, "12632256", "Silver"));
    const auto status = Leave(app, *window, way);
    EXPECT_TRUE(ExitedWith(status, 0)) << Describe(status);
    EXPECT_EQ(ReadBytes(app.Folder() / "Colorx.dat"), Record(0xC0C0C0, "Silver"));
    // The new colour is the selected one of the saved list.
    EXPECT_EQ(ReadBytes(app.Folder() / "pref.ini"), PrefFile(1, 1));
  }
}

TEST(Lifecycle, XWithOtherModifiersDoesNotExit) {
  App app;
  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow(kMainTitle);
  ASSERT_TRUE(window.has_value());
  ASSERT_TRUE(FocusWindow(*window));
  for (const char* keys : {"ctrl+shift+x", "ctrl+alt+x", "alt+shift+x", "ctrl+alt+shift+x"}) {
    ASSERT_TRUE(PressKeys(keys));
  }
  // X events arrive in order: once a later key has had its effect, the program has
  // handled the combinations above and is still there to show it.
  ASSERT_TRUE(ClickAt(*window, kWebX, kWebY));
  ASSERT_TRUE(PressKeys("ctrl+a"));
  ASSERT_TRUE(TypeText("#341200"));
  ASSERT_TRUE(PressKeys("Return"));
  EXPECT_EQ(CopiedHex(*window, "1234"), "1234");
  EXPECT_TRUE(app.Running());
  EXPECT_FALSE(fs::exists(app.Folder() / "pref.ini")) << "the shutdown ran";
}

// A tiny 2 x 2 picture in the file the magnifier keeps its last capture in.
std::string TinyBitmap() {
  std::string bmp = "BM";
  auto put = [&bmp](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(70, 4), put(0, 4), put(54, 4);  // file header
  put(40, 4), put(2, 4), put(2, 4), put(1, 2), put(24, 2), put(0, 4), put(16, 4);
  put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);  // info header
  for (int row = 0; row < 2; ++row) bmp += std::string("\x00\x00\xFF\xFF\xFF\xFF\x00\x00", 8);
  return bmp;
}

TEST(Lifecycle, ASecondCopyBringsBackTheFirstAndTouchesNoFile) {
  WindowManager manager;
  ASSERT_TRUE(manager.Ready()) << "these tests need the openbox window manager";
  App app;
  ASSERT_TRUE(WriteBytes(app.Folder() / "Colorx.dat", Record(0x0000FF, "Red")));
  ASSERT_TRUE(WriteBytes(app.Folder() / "pref.ini", PrefFile(1, 1)));
  ASSERT_TRUE(WriteBytes(app.Folder() / "screen_tmp.bmp", TinyBitmap()));
  for (const char* name : {"Colorx.dat", "pref.ini", "screen_tmp.bmp"}) {
    fs::last_write_time(app.Folder() / name, LongAgo());
  }
  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow(kMainTitle);
  ASSERT_TRUE(window.has_value());
  ASSERT_TRUE(WaitUntil([&] { return ActiveWindow() == *window; }));

  std::unique_ptr<Background> cover;
  struct Scenario {
    std::string label;
    std::function<void()> putAway;  // takes the first window out of the user's sight
  };
  const std::vector<Scenario> scenarios = {
      {"minimized",
       [&] {
         ASSERT_TRUE(RunTool({"xdotool", "windowminimize", "--sync", *window}));
         ASSERT_EQ(MapState(*window), "IsUnMapped");
       }},
      {"under another window",
       [&] {
         cover = std::make_unique<Background>(std::vector<std::string>{
             "xmessage", "-geometry", "1280x1024+0+0", "-title", "Cover", "cover"});
         ASSERT_TRUE(cover->Started()) << "xmessage did not start";
         const auto coverId = app.WaitForWindow("Cover");
         ASSERT_TRUE(coverId.has_value());
         ASSERT_TRUE(WaitUntil([&] {
           const auto order = StackingOrder();
           return ActiveWindow() == *coverId && !order.empty() && order.back() == *coverId;
         }));
       }},
  };
  for (const Scenario& scenario : scenarios) {
    SCOPED_TRACE(scenario.label);
    ASSERT_NO_FATAL_FAILURE(scenario.putAway());

    // The runtime folder holds the first copy's socket, which the hand-over uses.
    const FolderState before = Snapshot(app.Folder(), {"home/runtime"});
    FolderWatch watch(app.Folder());
    ASSERT_TRUE(watch.Ok());
    const App::OtherCopy second = app.RunAnotherCopy(10s);
    EXPECT_TRUE(ExitedWith(second.status, 0)) << "second copy: " << Describe(second.status);
    RecordProperty("second_copy_ms_" + std::to_string(&scenario - scenarios.data()),
                   static_cast<int>(second.elapsed.count()));

    // Shown, on top and active.
    std::vector<std::string> order;
    EXPECT_TRUE(WaitUntil([&] {
      order = StackingOrder();
      return MapState(*window) == "IsViewable" && ActiveWindow() == *window && !order.empty() &&
             order.back() == *window;
    })) << "map state "
        << MapState(*window).value_or("?") << ", active window " << ActiveWindow().value_or("none")
        << ", stacking " << ::testing::PrintToString(order) << ", first window " << *window;
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(VisibleWindows(kMainTitle).size(), 1U);

    const std::vector<std::string> events = watch.Events();
    // The watch works: it saw the copy's own program file opened.
    EXPECT_NE(std::find(events.begin(), events.end(), "OPEN huekeeper"), events.end())
        << ::testing::PrintToString(events);
    for (const std::string& event : events) {
      // Starting the copy reads its own program file (and may look at the folder);
      // none of the program's data files may be opened.
      const std::string name = event.substr(event.find(' ') + 1);
      EXPECT_TRUE(name == "huekeeper" || name == ".") << event;
    }
    const std::vector<std::string> changes =
        Differences(before, Snapshot(app.Folder(), {"home/runtime"}));
    EXPECT_TRUE(changes.empty()) << ::testing::PrintToString(changes);
  }
}

TEST(Lifecycle, AKillDuringAnArchiveRewriteLeavesTheOldOrTheNewFile) {
  // Large enough that writing it takes a good part of a second.
  constexpr int kRecords = 300000;
  std::string old;
  old.reserve(static_cast<std::size_t>(kRecords) * 29);
  old += Record(0x0000FF, "First");
  old += Record(0x00FF00, "Second");
  for (int i = 2; i < kRecords; ++i) {
    char name[26];
    std::snprintf(name, sizeof name, "Colour %06d", i);
    old += Record(static_cast<std::uint32_t>(i) * 2654435761U & 0xFFFFFF, name);
  }
  const std::string deleted = old.substr(29);  // the first colour taken out

  App app;
  const fs::path archive = app.Folder() / "Colorx.dat";
  auto known = [&](const fs::path& p) {
    const std::string n = p.filename().string();
    return n == "huekeeper" || n == "home" || n == "Colorx.dat" || n == "pref.ini";
  };
  // Starts the program on the old archive and deletes the first colour through the
  // pad, so that the exit rewrites the whole file.
  auto startAndDelete = [&]() {
    ASSERT_TRUE(WriteBytes(archive, old));
    ASSERT_TRUE(app.Start());
    const auto window = app.WaitForWindow(kMainTitle, 30s);
    ASSERT_TRUE(window.has_value());
    ASSERT_TRUE(FocusWindow(*window));
    ASSERT_TRUE(ClickAt(*window, CellX(0), CellY(0)));
    ASSERT_TRUE(PressKeys("Delete"));
    ASSERT_NO_FATAL_FAILURE(Answer(app, "Delete ?", "y"));
    ASSERT_TRUE(FocusWindow(*window));
  };
  // Ctrl+X goes out from a thread, so the clock starts as the key is being sent.
  using Clock = std::chrono::steady_clock;
  auto pressCtrlX = [] { return std::thread([] { PressKeys("ctrl+x"); }); };

  // A whole exit first: the rewrite's bytes, and how long the exit takes.
  ASSERT_NO_FATAL_FAILURE(startAndDelete());
  const auto pressed = Clock::now();
  std::thread key = pressCtrlX();
  const auto status = app.WaitForExit(60s);
  const auto exitTime =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - pressed);
  key.join();
  ASSERT_TRUE(ExitedWith(status, 0)) << Describe(status);
  ASSERT_TRUE(ReadBytes(archive) == deleted) << "the rewrite is not the list less its first colour";
  const std::optional<std::string> prefs = ReadBytes(app.Folder() / "pref.ini");
  ASSERT_TRUE(prefs.has_value());
  for (const auto& entry : fs::directory_iterator(app.Folder())) {
    EXPECT_TRUE(known(entry.path())) << "left behind after a clean exit: " << entry.path();
  }
  RecordProperty("exit_with_rewrite_ms", static_cast<int>(exitTime.count()));

  // Then kills spread over that time and a little beyond: one at a random moment of
  // each of the equal slices.
  constexpr int kRounds = 10;
  std::mt19937 random(20240611);
  std::uniform_real_distribution<double> within(0.0, 1.0);
  int sawOld = 0, sawNew = 0;
  std::string delays;
  for (int round = 0; round < kRounds; ++round) {
    const auto delay = std::chrono::microseconds(static_cast<long long>(
        1200.0 * static_cast<double>(exitTime.count()) * (round + within(random)) / kRounds));
    SCOPED_TRACE("kill " + std::to_string(delay.count()) + " us after Ctrl+X");
    const std::optional<std::string> prefsBefore = ReadBytes(app.Folder() / "pref.ini");
    ASSERT_NO_FATAL_FAILURE(startAndDelete());
    const auto sent = Clock::now();
    key = pressCtrlX();
    std::this_thread::sleep_until(sent + delay);
    app.StopWith(SIGKILL, 10s);
    key.join();
    ASSERT_FALSE(app.Running());

    const std::optional<std::string> now = ReadBytes(archive);
    ASSERT_TRUE(now.has_value()) << "no archive after the kill";
    const bool isOld = *now == old, isNew = *now == deleted;
    EXPECT_TRUE(isOld || isNew) << "an archive of " << now->size() << " bytes that is neither";
    sawOld += isOld;
    sawNew += isNew;
    delays += std::to_string(delay.count() / 1000) + (isOld   ? "ms:old "
                                                      : isNew ? "ms:new "
                                                              : "ms:mixed ");
    const auto prefsNow = ReadBytes(app.Folder() / "pref.ini");
    EXPECT_TRUE(prefsNow == prefsBefore || prefsNow == prefs)
        << "pref.ini: " << prefsNow.value_or("none");
  }
  RecordProperty("kills", delays);
  RecordProperty("kills_leaving_old", sawOld);
  RecordProperty("kills_leaving_new", sawNew);

  // Whatever a kill left beside it, the next start reads Colorx.dat and nothing else:
  // its first cell is the first colour of that file, and an idle run keeps the file.
  const std::string current = ReadBytes(archive).value_or("");
  std::vector<std::string> strays;
  for (const auto& entry : fs::directory_iterator(app.Folder())) {
    if (!known(entry.path())) strays.push_back(entry.path().filename().string());
  }
  RecordProperty("stray_files_after_kills", ::testing::PrintToString(strays));
  fs::last_write_time(archive, LongAgo());
  const auto stamp = fs::last_write_time(archive);
  ASSERT_TRUE(app.Start());
  const auto window = app.WaitForWindow(kMainTitle, 30s);
  ASSERT_TRUE(window.has_value());
  const Rgb first = FromLong(current == old ? 0x0000FF : 0x00FF00);
  std::optional<Rgb> shown;
  EXPECT_TRUE(WaitUntil([&] {
    const auto shot = Screenshot::Of(*window);
    shown = shot ? CellColour(*shot, 0) : std::nullopt;
    return shown == first;
  })) << "first cell "
      << (shown ? ToString(*shown) : "not one colour") << ", want " << ToString(first);
  ASSERT_TRUE(FocusWindow(*window));
  ASSERT_TRUE(PressKeys("ctrl+x"));
  const auto idle = app.WaitForExit(30s);
  EXPECT_TRUE(ExitedWith(idle, 0)) << Describe(idle);
  EXPECT_TRUE(ReadBytes(archive) == current) << "an idle run changed the archive";
  EXPECT_EQ(fs::last_write_time(archive), stamp);
}

}  // namespace
}  // namespace hk::e2e
