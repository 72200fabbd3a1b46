// End-to-end harness: a private Xvfb display with a window manager, the real program
// copied into a fresh folder, and the X tools that act on it as a user would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace hk::e2e {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Asks `condition` every 20 ms until it holds; the deadline only guards against a hang.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// A shell command on the test display: what it printed, nothing when it failed.
std::optional<std::string> Sh(const std::string& command);

// A shell command run on the test display, its output dropped (its standard error kept
// when asked); killed if running at the end.
class Process {
 public:
  explicit Process(const std::string& command, bool keepStderr = false);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  bool Running();
  // Sends `signal` if still running, then the wait status (0: exited with 0), nothing on a hang.
  std::optional<int> Wait(int signal = 0);
  // What it wrote to standard error so far, when kept.
  const std::string& Stderr();

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
  int stderr_ = -1;  // read end of its standard error, through a pipe: no file size limit
  std::string errors_;
};

// The first visible window titled to match `title` (a regex); waited for while `owner` runs.
std::optional<std::string> Window(const std::string& title, Process* owner = nullptr);

// The names of files in `folder` opened, changed, made or removed while `act` ran.
std::set<std::string> Touched(const fs::path& folder, const std::function<void()>& act);

// The program copied into a fresh folder, so that the files it writes land beside it.
struct App {
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  // Starts it, after `wrapper` (a command that runs the rest of its arguments) if given.
  std::unique_ptr<Process> Start(const std::string& wrapper = "", bool keepStderr = false) const;
  std::optional<std::string> Read(const std::string& name) const;
  const fs::path dir;
};

}  // namespace hk::e2e
