// End-to-end harness: a private Xvfb display with a window manager, the real program
// copied into a fresh folder, and the X tools that act on it as a user would.
#pragma once

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "../test_files.h"

namespace hk::e2e {

using namespace std::chrono_literals;
using testing::Record, testing::ScratchFolder;
namespace fs = std::filesystem;

inline const std::string kMain = "^Hue Keeper$";  // the main window's title
// Controls sit at their design rectangles in twips, 15 to the pixel.
constexpr int Px(int twips) { return (twips + 7) / 15; }
constexpr int Mid(int from, int size) { return Px(from) + Px(size) / 2; }
constexpr int kCopyHexX = Mid(4245, 360), kCopyHexY = Mid(1995, 315);

// Asks `condition` every 20 ms until it holds; the deadline only guards against a hang.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = 10s) {
  for (const auto end = std::chrono::steady_clock::now() + timeout; !condition();
       std::this_thread::sleep_for(20ms))
    if (std::chrono::steady_clock::now() >= end) return false;
  return true;
}

// A shell command on the test display: what it printed, nothing when it failed.
inline std::optional<std::string> Sh(const std::string& command) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char buf[4096];
  for (std::size_t n = 0; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

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
  std::optional<std::string> held;
  if (WaitUntil([&] { return (held = Sh("xclip -o -selection clipboard")) == text; }))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the clipboard holds " << held.value_or("nothing");
}

// The pref.ini of the default settings, with the saved colour `lastUserColor` selected.
inline std::string PrefFile(char lastUserColor) {
  return std::string("TAB=0\r\nCORORSIZE=180\r\nCOLORMODE=0\r\nDISPLAYMODE=0\r\nMAXHUE=240\r\n") +
         "EXPANDED=E\r\nLASTUSERCOLOR=" + lastUserColor + "\r\nLASTWEBCOLOR=1\r\n";
}

// A shell command run on the test display, its output dropped; killed if running at the end.
class Process {
 public:
  explicit Process(const std::string& command) {
    const std::string line = "exec " + command + " >/dev/null 2>&1";
    const char* argv[] = {"sh", "-c", line.c_str(), nullptr};
    if (posix_spawnp(&pid_, "sh", nullptr, nullptr, const_cast<char**>(argv), environ)) pid_ = -1;
  }
  ~Process() { Wait(SIGKILL); }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  bool Running() {
    int status = 0;
    if (pid_ > 0 && !status_ && waitpid(pid_, &status, WNOHANG) == pid_) status_ = status;
    return pid_ > 0 && !status_;
  }
  // Sends `signal` if still running, then the wait status (0: exited with 0), nothing on a hang.
  std::optional<int> Wait(int signal = 0) {
    if (Running()) kill(pid_, signal);
    WaitUntil([this] { return !Running(); });
    return status_;
  }

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

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

// The program copied into a fresh folder, so that the files it writes land beside it.
struct App {
  App() { fs::copy_file(HK_BINARY, dir / "huekeeper"); }
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  // Starts it, after `wrapper` (a command that runs the rest of its arguments) if given.
  std::unique_ptr<Process> Start(const std::string& wrapper = "") const {
    return std::make_unique<Process>(wrapper + " '" + (dir / "huekeeper").string() + "'");
  }
  std::optional<std::string> Read(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& name, const std::string& bytes) const {
    testing::WriteBytes(dir / name, bytes);
  }
  const ScratchFolder dir;
};

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
