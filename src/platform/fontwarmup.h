// The desktop's font configuration, read on a thread of its own while the program
// connects to the display. Fontconfig parses its configuration files on first use,
// which takes milliseconds; Qt asks for it only when the window's first control needs
// a font, long after the connection is made, and would wait for it then.
#pragma once

#include <thread>

namespace hk {

class FontConfigWarmUp {
 public:
  FontConfigWarmUp();  // starts reading
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

  // Until the configuration is read; before anything asks Qt for a font.
  void Wait();

 private:
  std::thread reader_;
};

}  // namespace hk
