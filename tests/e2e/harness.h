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
#include <vector>

namespace hk::e2e {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Asks `condition` every 20 ms until it holds; the deadline only guards against a hang.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// A shell command on the test display: what it printed, nothing when it failed.
std::optional<std::string> Sh(const std::string& command);

// A child process on the test display, killed if still running when this goes.
class Process {
 public:
  explicit Process(const std::vector<std::string>& argv);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  bool Running();
  // The wait status (0: exited with 0), nothing while it still runs.
  std::optional<int> Wait();
  std::optional<int> Stop(int signal);

 private:
  pid_t pid_ = -1;
  std::optional<int> status_;
};

// The first visible window titled to match `title` (a regex), waited for while `owner` runs.
std::optional<std::string> WaitForWindow(const std::string& title, Process& owner);
std::optional<std::string> Window(const std::string& title);

// The names of files in `folder` opened, changed, made or removed while `act` ran.
std::set<std::string> Touched(const fs::path& folder, const std::function<void()>& act);

// The program copied into a fresh folder, so that the files it writes land beside it.
struct App {
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;
  // Starts it, under `wrapper` (a command that runs the rest of its arguments) if given.
  std::unique_ptr<Process> Start(std::vector<std::string> wrapper = {}) const;
  std::optional<std::string> Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& bytes) const;
  const fs::path dir;
};

}  // namespace hk::e2e
