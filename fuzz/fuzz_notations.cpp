// Every notation reader on any text: no crash, and a colour read is a colour.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "colour/notations.h"

namespace {
void Check(bool ok) {
  if (!ok) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const hk::WebColors table;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  hk::ReadLong(text);
  const hk::LongColour web = hk::DecodeFromWeb(text);
  Check(web >= -1 && web <= 0xFFFFFF);
  if (const auto hex = hk::ReadHex(text)) Check(*hex >= 0 && *hex <= 0xFFFFFF);
  if (const auto i = hk::ReadHtmlName(text, table)) Check(*i >= 0 && *i < table.Count());
  if (const auto rgb = hk::ReadRGB(text)) {
    Check(*rgb >= 0 && *rgb <= 0xFFFFFF);
    Check(hk::ReadRGB(hk::RGBText(*rgb)) == *rgb);
  }
  if (const auto cmyk = hk::ReadCMYK(text)) Check(cmyk->colour >= 0 && cmyk->colour <= 0xFFFFFF);
  return 0;
}
