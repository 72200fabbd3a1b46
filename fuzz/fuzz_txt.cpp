// Any bytes as a .txt palette, read, written back and read again.
#include "palette_roundtrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return PaletteRoundTrip(hk::PaletteFormat::Txt, data, size);
}
