// End-to-end harness: a private Xvfb display with a window manager, the real program
// copied into a fresh folder, and the X tools that act on it as a user would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hk::e2e {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A child process on the test display, with the per-user folders under `home` (when
// given) so that no run touches the real user's settings. Killed if still running
// when this goes.
class Process {
 public:
  explicit Process(const std::vector<std::string>& argv, const fs::path& home = {});
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  bool Running();
  // Waits for the end; the wait status (0: exited with 0), nothing when still running.
  std::optional<int> Wait(std::chrono::milliseconds timeout = 10s);
  std::optional<int> Stop(int signal);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// Asks `condition` every 20 ms until it holds; the deadline only guards against a hang.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// Mapped windows with exactly this title, their ids as xdotool gives them.
std::vector<std::string> Windows(const std::string& title);
// Waits for a mapped window with this title while `owner` runs.
std::optional<std::string> WaitForWindow(const std::string& title, Process& owner);
std::optional<std::string> ActiveWindow();
std::optional<std::string> TopWindow();  // the managed window stacked highest
// xdotool with these arguments; positions are window pixels, keys as "ctrl+x".
bool Xdotool(std::vector<std::string> args);
bool Focus(const std::string& window);
bool Click(const std::string& window, int x, int y);
bool Type(const std::string& text);
bool Keys(const std::string& keys);
// The clipboard through xclip.
std::optional<std::string> Clipboard();
bool SetClipboard(const std::string& text);

// The colours of these points of a window as "#RRGGBB", read from the X server; none
// when the window could not be captured or a point lies outside it.
std::vector<std::string> Pixels(const std::string& window,
                                const std::vector<std::pair<int, int>>& points);

std::optional<std::string> ReadBytes(const fs::path& file);
bool WriteBytes(const fs::path& file, const std::string& bytes);
// The names in a folder that contain `part`.
std::vector<std::string> Named(const fs::path& folder, const std::string& part);

// Opens, writes, creations, deletions, renames and time stamp changes of files in a
// folder and every folder below it, as "OPEN Colorx.dat", "CREATE home/x" ...
class FolderWatch {
 public:
  explicit FolderWatch(const fs::path& root);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;
  std::vector<std::string> Events();  // those since the last call

 private:
  int fd_ = -1;
  std::map<int, std::string> folders_;
};

// The program copied into a fresh folder, so that the files it writes land beside it.
struct App {
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  // Starts it, under `wrapper` (a command that runs the rest of its arguments) if given.
  std::unique_ptr<Process> Start(std::vector<std::string> wrapper = {}) const;
  const fs::path dir;
};

}  // namespace hk::e2e
