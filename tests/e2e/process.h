// Programs as the end-to-end tests run them: shell commands, processes that end with the
// test, and the real program copied into a fresh folder of its own.
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

// Asks `condition` every 20 ms until it holds; the deadline only guards against a hang.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = 10s) {
  for (const auto end = std::chrono::steady_clock::now() + timeout; !condition();
       std::this_thread::sleep_for(20ms))
    if (std::chrono::steady_clock::now() >= end) return false;
  return true;
}

// A shell command: what it printed, nothing when it failed.
inline std::optional<std::string> Sh(const std::string& command) {
  FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return std::nullopt;
  std::string out;
  char buf[4096];
  for (std::size_t n = 0; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

// Whether the clipboard, as `read` tells it, comes to hold `text`.
inline ::testing::AssertionResult Holds(const std::function<std::optional<std::string>()>& read,
                                        const std::string& text) {
  std::optional<std::string> held;
  if (WaitUntil([&] { return (held = read()) == text; })) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the clipboard holds " << held.value_or("nothing");
}

// A shell command, its output dropped; killed if running at the end. With `ownGroup`,
// the command and all it starts are a process group of their own, killed together.
class Process {
 public:
  explicit Process(const std::string& command, bool ownGroup = false) : group_(ownGroup) {
    const std::string line = "exec " + command + " >/dev/null 2>&1";
    const char* argv[] = {"sh", "-c", line.c_str(), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (group_) posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);  // group 0: its own
    if (posix_spawnp(&pid_, "sh", nullptr, &attributes, const_cast<char**>(argv), environ))
      pid_ = -1;
    posix_spawnattr_destroy(&attributes);
  }
  ~Process() {
    if (group_ && pid_ > 0) kill(-pid_, SIGKILL);  // even what outlived the command itself
    Wait(SIGKILL);
  }
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
  const bool group_;
  pid_t pid_ = -1;
  std::optional<int> status_;
};

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

}  // namespace hk::e2e
