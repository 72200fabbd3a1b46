// Message boxes, input boxes and file dialogs on the screen.
#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace hk {

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}
  MsgResult MsgBox(std::string_view prompt, MsgButtons buttons, MsgIcon icon,
                   std::string_view title) override;
  std::string InputBox(std::string_view prompt, std::string_view title,
                       std::string_view defaultText) override;
  std::string OpenFileName(std::string_view title, std::string_view filter) override;
  // A name typed without a suffix gets the one of the file type chosen.
  std::string SaveFileName(std::string_view title, std::string_view filter) override;

 private:
  QWidget* parent_;
};

}  // namespace hk
