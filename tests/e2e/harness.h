// End-to-end harness: a private Xvfb display with a window manager, and the X tools that
// act on the program as a user would.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <optional>
#include <string>

#include "process.h"

namespace hk::e2e {

inline const std::string kMain = "^Hue Keeper$";  // the main window's title
// Controls sit at their design rectangles in twips, 15 to the pixel.
constexpr int Px(int twips) { return (twips + 7) / 15; }
constexpr int Mid(int from, int size) { return Px(from) + Px(size) / 2; }
constexpr int kCopyHexX = Mid(4245, 360), kCopyHexY = Mid(1995, 315);

inline bool Xdotool(const std::string& args) { return Sh("xdotool " + args).has_value(); }
// Plain: with a --delay, alt+F4 sometimes fails to close a window.
inline bool Keys(const std::string& keys) { return Xdotool("key " + keys); }
inline bool Focus(const std::string& window) { return Xdotool("windowactivate --sync " + window); }
// No --sync: it would wait for a motion that never comes if the pointer is already there.
inline bool Click(const std::string& window, int x, int y, int button = 1) {
  return Xdotool("mousemove --window " + window + " " + std::to_string(x) + " " +
                 std::to_string(y) + " click " + std::to_string(button));
}
inline ::testing::AssertionResult ClipboardHolds(const std::string& text) {
  return Holds([] { return Sh("xclip -o -selection clipboard"); }, text);
}

// The pref.ini of the default settings, with the saved colour `lastUserColor` selected.
inline std::string PrefFile(char lastUserColor) {
  return std::string("TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\n") +
         "EXPANDED=E\r\nLASTUSERCOLOR=" + lastUserColor + "\r\nLASTWEBCOLOR=1\r\n";
}

// The first visible window titled to match `title` (a regex); waited for while `owner` runs.
inline std::optional<std::string> Window(const std::string& title, Process* owner = nullptr) {
  std::optional<std::string> id;
  WaitUntil([&] {
    if ((id = Sh("xdotool search --onlyvisible --name '" + title + "'")))
      id = id->substr(0, id->find('\n'));
    return id || !owner || !owner->Running();
  });
  return id;
}

// Xvfb and openbox for the whole test program. The per-user folders move to a fresh one
// (mode 0700, as the runtime folder must be), so that no run touches the real user's
// settings or hands over to the user's own copy; without a session bus Qt starts at once.
class XDisplay : public ::testing::Environment {
  void SetUp() override {
    setenv("HOME", home_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", home_.c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                             "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
      unsetenv(name);
    // -noreset: else the server starts over whenever the polls below leave it clientless.
    const std::string file = (home_ / "display").string();
    xvfb_ = std::make_unique<Process>(
        "Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>'" + file + "'");
    std::string display;
    ASSERT_TRUE(WaitUntil([&] {
      return (display = Sh("cat '" + file + "'").value_or("")).ends_with('\n');
    })) << "Xvfb did not start";
    setenv("DISPLAY", (":" + display.substr(0, display.size() - 1)).c_str(), 1);
    wm_ = std::make_unique<Process>("openbox --sm-disable");
    // Set once openbox is ready; a window mapped before that may go unmanaged.
    ASSERT_TRUE(WaitUntil([] { return !!Sh("xprop -root _NET_WORKAREA | grep -q ' = '"); }))
        << "openbox did not start";
  }
  void TearDown() override {
    if (xvfb_) xvfb_->Wait(SIGTERM);  // it then removes its socket and lock files; openbox ends
    fs::remove_all(home_);
  }
  ScratchFolder home_;
  std::unique_ptr<Process> xvfb_, wm_;
};
[[maybe_unused]] inline auto* const kDisplay = ::testing::AddGlobalTestEnvironment(new XDisplay);

}  // namespace hk::e2e
