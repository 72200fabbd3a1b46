// Message and input boxes behind an interface, so the rules that ask the user
// stay plain C++ and tests can give the answers.
#pragma once

#include <string>
#include <string_view>

namespace hk {

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryDiscard };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { OK, Cancel, Yes, No, Retry, Discard };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message box; returns the button the user pressed (closing the box
  // counts as Cancel, or as No where there is no Cancel button). A Retry/Discard
  // box cannot be closed without a choice; it answers Cancel only when it was ended
  // from outside, as when the program is made to quit.
  virtual MsgResult MsgBox(std::string_view prompt, MsgButtons buttons, MsgIcon icon,
                           std::string_view title) = 0;
  // A modal input box; returns the text typed, or "" when the user cancelled.
  virtual std::string InputBox(std::string_view prompt, std::string_view title,
                               std::string_view defaultText) = 0;
  // A file to read, or to write, chosen in the desktop's file dialog among the types of
  // `filter` ("GIMP palettes (*.gpl);;Text (*.txt)"); "" when the user cancelled, as
  // where no file dialog is shown.
  virtual std::string OpenFileName(std::string_view /*title*/, std::string_view /*filter*/) {
    return {};
  }
  virtual std::string SaveFileName(std::string_view /*title*/, std::string_view /*filter*/) {
    return {};
  }
};

}  // namespace hk
