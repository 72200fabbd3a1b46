// What every palette reader's fuzzer checks: the reader never fails on any bytes, and the
// colours it reads, written back in its format, read again as the same colours with the
// same names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "archive/palettefile.h"
#include "colour/webcolors.h"

inline int PaletteRoundTrip(hk::PaletteFormat format, const std::uint8_t* data, std::size_t size) {
  static const hk::WebColors web;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const hk::PaletteReading read = hk::ReadPalette(format, text, web);
  if (!read.palette) return 0;
  for (const int line : read.badLines)
    if (line < 1) std::abort();  // every line not read is named by its number
  const std::string written = hk::WritePalette(format, read.entries);
  const hk::PaletteReading again = hk::ReadPalette(format, written, web);
  if (!again.palette || !again.badLines.empty() || again.entries != read.entries) std::abort();
  return 0;
}
