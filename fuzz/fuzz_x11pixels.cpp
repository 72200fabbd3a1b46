// The X server's image bytes in any layout the first bytes describe: the conversion
// reads only what it was given and answers a whole image or nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "picker/x11pixels.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 16;
  if (size < kHeader) return 0;
  hk::X11PixelFormat format;
  format.bitsPerPixel = data[0];
  format.scanlinePad = data[1];
  format.msbFirst = (data[2] & 1) != 0;
  format.trueColour = (data[2] & 2) != 0;
  std::memcpy(&format.redMask, data + 3, 4);
  std::memcpy(&format.greenMask, data + 7, 4);
  std::memcpy(&format.blueMask, data + 11, 4);
  const int width = data[15] & 31;
  const int height = data[15] >> 5;
  const auto image = hk::ConvertX11Pixels(format, data + kHeader, size - kHeader, width, height);
  if (image && (image->width != width || image->height != height ||
                image->pixels.size() != static_cast<std::size_t>(width * height)))
    std::abort();
  if (image)
    for (std::uint32_t p : image->pixels)
      if (p > 0xFFFFFF) std::abort();  // 0x00RRGGBB, nothing above
  return 0;
}
