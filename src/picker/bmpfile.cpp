#include "picker/bmpfile.h"

#include <cstdint>

namespace hk {

namespace {
void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8 & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
}  // namespace

std::string EncodeBmp24(const PixelImage& image) {
  const auto width = static_cast<std::uint32_t>(image.width);
  const auto height = static_cast<std::uint32_t>(image.height);
  const std::uint32_t stride = (width * 3 + 3) & ~3u;
  const std::uint32_t dataSize = stride * height;
  constexpr std::uint32_t kHeaders = 14 + 40;
  std::string out;
  out += "BM";
  Put32(out, kHeaders + dataSize);
  Put32(out, 0);         // reserved
  Put32(out, kHeaders);  // where the pixels start
  Put32(out, 40);        // BITMAPINFOHEADER
  Put32(out, width);
  Put32(out, height);  // positive: the bottom row comes first
  Put16(out, 1);       // planes
  Put16(out, 24);      // bits per pixel
  Put32(out, 0);       // no compression
  Put32(out, dataSize);
  Put32(out, 3780);  // 96 dots per inch, in dots per metre
  Put32(out, 3780);
  Put32(out, 0);  // no palette
  Put32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t p = image.at(x, y);
      out += static_cast<char>(p & 0xFF);        // blue
      out += static_cast<char>(p >> 8 & 0xFF);   // green
      out += static_cast<char>(p >> 16 & 0xFF);  // red
    }
    out.append(stride - width * 3, '\0');
  }
  return out;
}

}  // namespace hk
