// A stand-in for the message and input boxes: gives prepared answers and keeps
// what was asked, so tests see the exact prompts, titles, buttons and icons.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace hk {

class ScriptedDialogs : public Dialogs {
 public:
  struct Asked {
    std::string prompt, title;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    bool input = false;
  };

  MsgResult MsgBox(std::string_view prompt, MsgButtons buttons, MsgIcon icon,
                   std::string_view title) override {
    asked.push_back({std::string(prompt), std::string(title), buttons, icon, false});
    if (answers.empty()) return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::OK;
    const MsgResult r = answers.front();
    answers.pop_front();
    return r;
  }
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override {
    asked.push_back({std::string(prompt), std::string(title), MsgButtons::OK, MsgIcon::None, true});
    defaults.emplace_back(defaultText);
    if (texts.empty()) return {};
    std::string t = texts.front();
    texts.pop_front();
    return t;
  }

  std::deque<MsgResult> answers;
  std::deque<std::string> texts;
  std::vector<Asked> asked;
  std::vector<std::string> defaults;
};

}  // namespace hk
