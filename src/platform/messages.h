// Connects the core's user messages to message boxes.
#pragma once

namespace hk {

// Routes the colour model's messages to a message box with one OK button, titled
// with the application's name.
void InstallMessageBoxSink();

}  // namespace hk
