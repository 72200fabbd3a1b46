#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

namespace hk {

// Fontconfig loads its configuration once per process, whichever thread asks first;
// the others find it loaded.
FontConfigWarmUp::FontConfigWarmUp() : reader_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { Wait(); }

void FontConfigWarmUp::Wait() {
  if (reader_.joinable()) reader_.join();
}

}  // namespace hk
