// Converting the X server's image bytes, in each layout a screen may use.
#include <gtest/gtest.h>

#include <vector>

#include "picker/x11pixels.h"

namespace hk {
namespace {

using Pixels = std::optional<std::vector<std::uint32_t>>;

// Server image bytes of each layout, as 0x00RRGGBB; a layout it cannot read gives
// nothing rather than a wrong colour.
TEST(X11Pixels, ConvertsEveryPixelLayoutOrRefusesIt) {
  const X11PixelFormat plain, msb{32, 32, true}, packed24{24},
      rgb565{16, 32, false, true, 0xF800, 0x07E0, 0x001F},
      bgr{32, 32, false, true, 0x0000FF, 0x00FF00, 0xFF0000},
      deep{32, 32, false, true, 0x3FF00000, 0x000FFC00, 0x000003FF}, mapped{32, 32, false, false};
  const struct {
    const char* name;
    X11PixelFormat format;
    int width, height;
    std::vector<std::uint8_t> bytes;
    Pixels pixels;
  } cases[] = {
      // clang-format off
      {"32 bits, low byte first", plain, 2, 1, {0x56, 0x34, 0x12, 0xFF, 0xEF, 0xCD, 0xAB, 0x00},
       Pixels{{0x123456, 0xABCDEF}}},
      {"32 bits, high byte first", msb, 1, 2, {0xFF, 0x12, 0x34, 0x56, 0x00, 0xAB, 0xCD, 0xEF},
       Pixels{{0x123456, 0xABCDEF}}},
      // Rows padded to 32 bits: three bytes of pixel, one of padding.
      {"24 bits, padded rows", packed24, 1, 2, {0x56, 0x34, 0x12, 0x99, 0xEF, 0xCD, 0xAB, 0x99},
       Pixels{{0x123456, 0xABCDEF}}},
      {"5-6-5", rgb565, 4, 1, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0x10, 0x84},
       Pixels{{0xFF0000, 0x00FF00, 0x0000FF, 0x848284}}},
      {"blue in the high byte", bgr, 1, 1, {0x12, 0x34, 0x56, 0x00}, Pixels{{0x123456}}},
      {"10 bits a channel", deep, 1, 1, {0x00, 0x00, 0xF8, 0x3F}, Pixels{{0xFF8000}}},
      {"colour map indexes", mapped, 1, 1, {1, 2, 3, 4}, std::nullopt},
      {"bytes missing", plain, 2, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, std::nullopt},
      // clang-format on
  };
  for (const auto& c : cases) {
    const auto image =
        ConvertX11Pixels(c.format, c.bytes.data(), c.bytes.size(), c.width, c.height);
    EXPECT_EQ(image ? Pixels(image->pixels) : std::nullopt, c.pixels) << c.name;
  }
}

}  // namespace
}  // namespace hk
