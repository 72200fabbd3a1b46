// The number reader and the whole-number conversions on any text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "colour/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto v = hk::ReadNumber(text);
  if (v && !std::isfinite(*v)) std::abort();  // overflow must be reported, not returned
  const auto i16 = hk::ReadInt16(text);
  const auto i32 = hk::ReadInt32(text);
  if (i16 && (!i32 || *i32 != *i16)) std::abort();  // a 16-bit value is a 32-bit value too
  return 0;
}
