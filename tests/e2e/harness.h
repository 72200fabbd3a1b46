// End-to-end harness: a private Xvfb server, a fresh folder holding a copy of the
// real program, and the X tools that act on it as a user would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hk::e2e {

using namespace std::chrono_literals;

// One Xvfb server for the whole test program, started on first use.
class XServer {
 public:
  static XServer& Shared();
  const std::string& Display() const { return display_; }
  ~XServer();

 private:
  XServer();
  pid_t pid_ = -1;
  std::string display_;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Runs a command (argv form) with the test display and returns what it printed
// on standard output, or nothing when it could not run or exited with failure.
std::optional<std::string> RunTool(const std::vector<std::string>& argv);

// Acting on a window as the user does, with xdotool. Positions are window pixels.
bool FocusWindow(const std::string& window);
bool ClickAt(const std::string& window, int x, int y);
bool TypeText(const std::string& text);
bool PressKeys(const std::string& keys);  // e.g. "Return", "ctrl+x"
// The clipboard's text, read with xclip, or nothing when it holds no text.
std::optional<std::string> ClipboardText();
// Puts UTF-8 text on the clipboard and waits until it reads back. An xclip process
// serves it until another client takes the clipboard or the display closes.
bool SetClipboardText(const std::string& text);
// A design position in twips (15 to the pixel) to window pixels.
constexpr int Px(int twips) { return (twips + 7) / 15; }

// Asks `condition` every 20 ms until it holds or the time is up; returns its last answer.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5s);
// Ids of the mapped windows with exactly this title, in xdotool's order.
std::vector<std::string> VisibleWindows(const std::string& title);
// Waits until no mapped window has this title (a dialog has gone).
bool WaitForNoWindow(const std::string& title, std::chrono::milliseconds timeout = 5s);
// The X map state (xwininfo): "IsViewable", "IsUnMapped" or "IsUnviewable".
std::optional<std::string> MapState(const std::string& window);
// The window manager's active window, or nothing when none is active.
std::optional<std::string> ActiveWindow();

// A pixel's colour.
struct Rgb {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::string ToString(const Rgb& c);
// A Long colour (red in the low byte) as the pixel it paints.
constexpr Rgb FromLong(std::uint32_t colour) {
  return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
          static_cast<int>((colour >> 16) & 0xFF)};
}
// A picture of one window taken from the X server, to read what the user sees.
class Screenshot {
 public:
  // Nothing when the window cannot be captured.
  static std::optional<Screenshot> Of(const std::string& window);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;

 private:
  int width_ = 0, height_ = 0;
  std::vector<Rgb> pixels_;
};

// A time stamp no run of the program can leave behind: set on a file before a run,
// it shows whether the run wrote the file.
inline std::filesystem::file_time_type LongAgo() {
  return std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
}
std::optional<std::string> ReadBytes(const std::filesystem::path& file);
bool WriteBytes(const std::filesystem::path& file, std::string_view bytes);
// Everything under a folder: relative path to the bytes and the time stamp of each
// file ("" and the folder's own time for a folder). Folders named in `skip` (relative
// paths) are left out with their contents.
struct FileState {
  bool folder = false;
  std::string bytes;
  std::filesystem::file_time_type time;
  friend bool operator==(const FileState&, const FileState&) = default;
};
using FolderState = std::map<std::string, FileState>;
FolderState Snapshot(const std::filesystem::path& root, const std::vector<std::string>& skip = {});
// Lines naming what differs between two snapshots; empty when they are equal.
std::vector<std::string> Differences(const FolderState& before, const FolderState& after);

// Every open, read, write, create, delete or rename in one folder (not below it) from
// construction on, as "OPEN Colorx.dat", "MODIFY pref.ini" and so on.
class FolderWatch {
 public:
  explicit FolderWatch(const std::filesystem::path& folder);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;
  bool Ok() const { return fd_ >= 0; }
  std::vector<std::string> Events();

 private:
  int fd_ = -1;
};

// A window manager (openbox) on the test display for as long as this lives, for the
// tests that need minimizing, restoring and activation to work as on a desktop.
class WindowManager {
 public:
  WindowManager();
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;
  // True once the manager has announced itself on the display.
  bool Ready() const { return ready_; }

 private:
  TempDir home_;
  pid_t pid_ = -1;
  bool ready_ = false;
};

// Another X client (say, a window to cover ours) on the test display until this is
// destroyed.
class Background {
 public:
  explicit Background(const std::vector<std::string>& argv);
  ~Background();
  Background(const Background&) = delete;
  Background& operator=(const Background&) = delete;
  bool Started() const { return pid_ > 0; }

 private:
  pid_t pid_ = -1;
};
// The managed top-level windows from bottom to top, as the window manager stacks
// them, with ids in xdotool's decimal form.
std::vector<std::string> StackingOrder();

// A wait status (as App returns it) that is a normal exit with this code.
bool ExitedWith(const std::optional<int>& status, int code);
std::string Describe(const std::optional<int>& status);

// The program copied into its own folder, so the files it writes land beside it.
class App {
 public:
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  const std::filesystem::path& Folder() const { return dir_.Path(); }
  const std::filesystem::path& Binary() const { return binary_; }

  // Starts the program; returns false when it could not be started.
  bool Start();
  // Waits for a mapped window with exactly this title; returns its X window id.
  std::optional<std::string> WaitForWindow(const std::string& title,
                                           std::chrono::milliseconds timeout = 10s);
  bool Running();
  // Sends a signal and waits for the process to end; returns its exit status or
  // nothing when it did not end in time.
  std::optional<int> StopWith(int signal, std::chrono::milliseconds timeout = 5s);
  // Waits for the process to end by itself.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

  // Starts one more copy of the program from the same folder with the same
  // environment, and waits for that copy to end. `status` is empty when it was still
  // running after `timeout` (it is killed then).
  struct OtherCopy {
    std::optional<int> status;
    std::chrono::milliseconds elapsed{};
  };
  OtherCopy RunAnotherCopy(std::chrono::milliseconds timeout);

 private:
  TempDir dir_;
  std::filesystem::path binary_;
  pid_t pid_ = -1;
  std::optional<int> exitStatus_;
};

}  // namespace hk::e2e
