// The six notations: what each shows for a colour, what each reads back, and
// that everything shown reads back to the same colour.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "colour/notations.h"

namespace hk {
namespace {

using Texts = std::array<std::string, 6>;  // Long, hex, web, name, RGB, CMYK
using Reading = std::optional<LongColour>;

Reading CMYKColour(std::string_view text) {
  const auto r = ReadCMYK(text);
  return r ? Reading(r->colour) : std::nullopt;
}

TEST(Notations, TextsShownForAColourReadBackToIt) {
  const WebColors table;
  const std::pair<LongColour, Texts> cases[] = {
      {16775408, {"16775408", "FFF8F0", "#F0F8FF", "AliceBlue", "240, 248, 255", "15, 7, 0, 0"}},
      {RGB(255, 128, 64), {"4227327", "4080FF", "#FF8040", "", "255, 128, 64", "0, 127, 191, 0"}},
      {255, {"255", "FF", "#FF0000", "Red", "255, 0, 0", "0, 255, 255, 0"}},
      {0, {"0", "0", "#000000", "Black", "0, 0, 0", "255, 255, 255, 255"}},
      {RGB(10, 11, 12), {"789258", "C0B0A", "#0A0B0C", "", "10, 11, 12", "42, 21, 0, 243"}},
      // A system colour shows its whole 32-bit pattern and its low three bytes.
      {-2147483643, {"-2147483643", "80000005", "#050000", "", "5, 0, 0", "0, 255, 255, 250"}},
  };
  NotationTexts all;
  for (const auto& [c, want] : cases) {
    FormatAll(c, table, all);
    EXPECT_EQ((Texts{all.longText, all.hex, all.web, all.html, all.rgb, all.cmyk}), want) << c;
    EXPECT_EQ((Texts{FormatLong(c), HexText(c), WebText(c), HtmlName(c, table), RGBText(c),
                     CMYKText(RGBToCMYK(c))}), want) << c;
    EXPECT_EQ(ReadLong(want[0]), c);
    if (c < 0) continue;
    const Reading named = want[3].empty() ? c : table.ColourAt(*ReadHtmlName(want[3], table));
    EXPECT_EQ((std::array{ReadHex(want[1]), ReadWeb(want[2]), named, ReadRGB(want[4]),
                          CMYKColour(want[5])}), (std::array<Reading, 5>{c, c, c, c, c})) << c;
  }
}

TEST(Notations, Readers) {
  constexpr Reading kFails = std::nullopt, kOrange = RGB(255, 128, 64);
  using Readings = std::vector<std::pair<const char*, Reading>>;
  const std::pair<Reading (*)(std::string_view), Readings> readers[] = {
      // "#" anywhere is dropped, short texts padded on the right, six digits count.
      {ReadWeb,
       {{"ff8040", kOrange}, {"##FF80#40FFzz", kOrange}, {"FF", RGB(255, 0, 0)},
        {"#abc", RGB(0xAB, 0xC0, 0)}, {"#FG0000", kFails}, {"###", kFails}, {"#FF 000", kFails}}},
      // Blue-green-red digits padded on the left; the first six count.
      {ReadHex,
       {{"4080ff", kOrange}, {"C0B0A", RGB(10, 11, 12)}, {"", 0}, {"80000005", RGB(0, 0, 0x80)},
        {"XYZ", kFails}}},
      // Three numbers 0-255, rounded halves to even; more pieces are ignored.
      {ReadRGB,
       {{"255,128,64", kOrange}, {"RgB((255),(128),(64)), 9", kOrange},
        {"12.5, 13.5, 0", RGB(12, 14, 0)}, {"&HFF, &O17, 1e2", RGB(255, 15, 100)},
        {"255.4, 0, 0", 255}, {",,", 0}, {"256, 0, 0", kFails}, {"255.5, 0, 0", kFails},
        {"-1, 0, 0", kFails}, {"0, 0", kFails}, {"", kFails}, {"1e400, 0, 0", kFails}}},
      // Four numbers 0-255.
      {CMYKColour,
       {{"cmyk(0, 0, 0, 255)", 0}, {"100,100,100,0, 99", RGB(155, 155, 155)},
        {"0, 0, 300, 0", kFails}, {"0, 0, 0", kFails}, {"0, 0, 0, -1", kFails}}},
      {ReadLong, {{"255.5", 256}, {"2147483648", kFails}}},
  };
  for (const auto& [read, cases] : readers) {
    for (const auto& [text, want] : cases) EXPECT_EQ(read(text), want) << '"' << text << '"';
  }
  const WebColors table;
  EXPECT_EQ(ReadHtmlName("AQUA", table), 2);
  EXPECT_EQ(ReadHtmlName("LightGray", table), std::nullopt);
  EXPECT_EQ(ReadCMYK("100,100,100,0")->inks, (CMYK{100, 100, 100, 0})) << "kept as read";
}

}  // namespace
}  // namespace hk
