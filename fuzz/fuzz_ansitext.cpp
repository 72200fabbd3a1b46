// The Windows-1252 conversions on any bytes: one byte per character, lossless back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "colour/ansitext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string ansi = hk::ToAnsi(bytes);
  if (ansi.size() > bytes.size()) std::abort();
  if (hk::ToAnsi(hk::FromAnsi(bytes)) != bytes) std::abort();
  return 0;
}
