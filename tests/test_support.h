// What the unit and GUI tests share: a scripted Dialogs and a file size limit.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "test_files.h"

namespace hk::testing {

struct DialogCall {
  bool input = false;  // an input box, else a message box
  std::string prompt, title, defaultText;
  MsgButtons buttons = MsgButtons::OK;
  MsgIcon icon = MsgIcon::None;
  bool operator==(const DialogCall&) const = default;
};

inline DialogCall Msg(std::string_view prompt, std::string_view title, MsgButtons buttons,
                      MsgIcon icon) {
  return {false, std::string(prompt), std::string(title), {}, buttons, icon};
}
inline DialogCall Input(std::string_view prompt, std::string_view title, std::string_view text) {
  return {true, std::string(prompt), std::string(title), std::string(text)};
}

// Records every box asked for. Input boxes answer from `typed` ("" is Cancel, as is a script run
// out), message boxes from `pressed` (then OK, Yes in a Yes/No box, Discard in a Retry/Discard
// box). `asked`, when set, runs as each message box opens.
class ScriptedDialogs : public Dialogs {
 public:
  std::deque<std::string> typed;
  std::deque<MsgResult> pressed;
  std::vector<DialogCall> calls;
  std::function<void()> asked;

  MsgResult MsgBox(std::string_view prompt, MsgButtons buttons, MsgIcon icon,
                   std::string_view title) override {
    calls.push_back(Msg(prompt, title, buttons, icon));
    if (asked) asked();
    return Next(pressed, buttons == MsgButtons::YesNo          ? MsgResult::Yes
                         : buttons == MsgButtons::RetryDiscard ? MsgResult::Discard
                                                               : MsgResult::OK);
  }
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override {
    calls.push_back(Input(prompt, title, defaultText));
    return Next(typed, std::string());
  }
  // File dialogs answer from `typed` too.
  std::string OpenFileName(std::string_view title, std::string_view filter) override {
    return InputBox("", title, filter);
  }
  std::string SaveFileName(std::string_view title, std::string_view filter) override {
    return InputBox("", title, filter);
  }
  template <typename T>
  static T Next(std::deque<T>& script, T otherwise) {
    if (!script.empty()) otherwise = std::move(script.front()), script.pop_front();
    return otherwise;
  }
};

// Lets writes beyond `bytes` fail with EFBIG, as a full disk would, for one scope.
struct FileSizeLimit {
  rlimit saved{};
  explicit FileSizeLimit(rlim_t bytes) {
    signal(SIGXFSZ, SIG_IGN);  // the write fails rather than ending the program
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
};

}  // namespace hk::testing
