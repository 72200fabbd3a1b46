// End-to-end harness: a private Xvfb server, a fresh folder holding a copy of the
// real program, and the X tools that act on it as a user would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
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
// A design position in twips (15 to the pixel) to window pixels.
constexpr int Px(int twips) { return (twips + 7) / 15; }

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

 private:
  TempDir dir_;
  std::filesystem::path binary_;
  pid_t pid_ = -1;
  std::optional<int> exitStatus_;
};

}  // namespace hk::e2e
