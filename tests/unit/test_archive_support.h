// What the archive and pad tests share: a Dialogs double that answers from a script
// and records every box it was asked to show, a scratch folder, and file bytes.
#pragma once

#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"

namespace hk::testing {

struct DialogCall {
  bool input = false;  // an input box, else a message box
  std::string prompt;
  std::string title;
  std::string defaultText;
  MsgButtons buttons = MsgButtons::OK;
  MsgIcon icon = MsgIcon::None;
  bool operator==(const DialogCall&) const = default;
};

inline DialogCall Msg(std::string prompt, std::string title, MsgButtons buttons, MsgIcon icon) {
  return {false, std::move(prompt), std::move(title), {}, buttons, icon};
}
inline DialogCall Input(std::string prompt, std::string title, std::string defaultText) {
  return {true, std::move(prompt), std::move(title), std::move(defaultText)};
}

class ScriptedDialogs : public Dialogs {
 public:
  // Typed answers for the input boxes, in order ("" is Cancel), and the buttons
  // pressed in message boxes (OK, or Yes for a Yes/No box, when the script runs out).
  std::deque<std::string> typed;
  std::deque<MsgResult> pressed;
  std::vector<DialogCall> calls;

  MsgResult MsgBox(std::string_view prompt, MsgButtons buttons, MsgIcon icon,
                   std::string_view title) override {
    calls.push_back({false, std::string(prompt), std::string(title), {}, buttons, icon});
    if (pressed.empty()) return buttons == MsgButtons::YesNo ? MsgResult::Yes : MsgResult::OK;
    const MsgResult r = pressed.front();
    pressed.pop_front();
    return r;
  }
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override {
    calls.push_back({true, std::string(prompt), std::string(title), std::string(defaultText)});
    if (typed.empty()) return {};
    std::string r = typed.front();
    typed.pop_front();
    return r;
  }
};

// A fresh folder under the system's temporary folder, removed with its contents.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string templ = (std::filesystem::temp_directory_path() / "hk-archive-XXXXXX").string();
    path_ = ::mkdtemp(templ.data());
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One record written out by hand: four colour bytes as they stand in the file, then
// the name bytes and the spaces that pad them to 25.
inline std::string Record(std::string_view colourBytes, std::string_view name) {
  std::string r(colourBytes);
  r += name;
  r.append(25 - name.size(), ' ');
  return r;
}

}  // namespace hk::testing
