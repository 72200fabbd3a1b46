// Colour texts: the named colours, the six notations, the numbers in them, the code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "colour/ansitext.h"
#include "colour/notations.h"
#include "colour/numbers.h"
#include "colour/webcolors.h"

namespace hk {
namespace {

TEST(WebColors, EveryEntryInNameOrderFoundByNameAndValue) {
  WebColors table;
  table.WebValues = table.WebNames = {"Extra"};  // loading again starts the lists afresh
  table.LoadWebColors();
  ASSERT_EQ(std::pair(table.Count(), table.WebValues.size()), std::pair(140, std::size_t{140}));
  const auto& values = table.WebValues;
  for (std::size_t i = 0; i < 140; ++i) {
    const std::string& name = table.WebNames[i];
    const int at = static_cast<int>(i);
    EXPECT_LT(i == 0 ? "" : UpperAscii(table.WebNames[i - 1]), UpperAscii(name));
    EXPECT_EQ(table.FindName(UpperAscii(name)), at);
    EXPECT_EQ(values[i], std::to_string(table.ColourAt(at))) << name << ": plain decimal text";
    // The first entry holding the value ("Aqua", not "Cyan").
    EXPECT_EQ(table.FindColour(table.ColourAt(at)),
              std::find(values.begin(), values.end(), values[i]) - values.begin()) << name;
  }
}

TEST(WebColors, FindByNameAndByPrefixIgnoringCase) {
  const WebColors table;
  const std::pair<const char*, int> byName[] = {{"cyan", 20}, {"gRaY", 50}, {"LightGray", -1},
      {"Grey", -1}, {"RebeccaPurple", -1}, {"", -1}, {"Aqua ", -1}, {"aqu", -1}};
  for (const auto& [text, index] : byName) EXPECT_EQ(table.FindName(text), index) << text;
  const std::tuple<const char*, int, int> byPrefix[] = {{"dark", -1, 21}, {"DARK", 22, 22},
      {"dark", 38, -1}, {"", 0, 0}, {"yellowg", 0, 139}, {"zz", 0, -1}};
  for (const auto& [prefix, start, index] : byPrefix)
    EXPECT_EQ(table.FindPrefix(prefix, start), index) << prefix << " from " << start;
}

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
      {-2147483643, {"-2147483643", "80000005", "#050000", "", "5, 0, 0", "0, 255, 255, 250"}}};
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
      {ReadLong, {{"255.5", 256}, {"2147483648", kFails}}}};
  for (const auto& [read, cases] : readers)
    for (const auto& [text, want] : cases) EXPECT_EQ(read(text), want) << '"' << text << '"';
  EXPECT_EQ(ReadCMYK("100,100,100,0")->inks, (CMYK{100, 100, 100, 0})) << "kept as read";
}

constexpr std::nullopt_t kTooLarge = std::nullopt;

TEST(ReadNumber, LeadingNumberRule) {
  const std::pair<const char*, std::optional<double>> cases[] = {{"", 0}, {"abc", 0},
      {"12abc", 12}, {" 1 2 ", 12}, {"\t1\n2", 12}, {"1\r2", 1}, {"2.5", 2.5}, {"-2.5", -2.5},
      {"+7", 7}, {"- 7", -7}, {"--7", 0}, {".5", 0.5}, {"1.5.3", 1.5}, {"1e2", 100}, {"1E2", 100},
      {"1e-2", 0.01}, {"1e", 1}, {"1e+", 1}, {"1 e 2", 100}, {"1e2.5", 100}, {"2.5e1x", 25},
      {"1,5", 1}, {"&HFF", 255}, {"&hff", 255}, {"&HFFFF", -1}, {"&H10000", 65536},
      {"&HFFFFFFFF", -1}, {"&H1G", 1}, {"&H", 0}, {"&O17", 15}, {"&o17", 15}, {"&O8", 0},
      {"& H 1 F", 31}, {"&X1", 0}, {"-&H10", 0}, {"1e-400", 0}, {"1e400", kTooLarge},
      {"&H100000000", kTooLarge}, {"&O40000000000", kTooLarge}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadNumber(text), value) << '"' << text << '"';
}

TEST(WholeNumbers, HalvesToEvenAndOverflow) {
  const std::tuple<const char*, std::optional<int>, std::optional<long long>> cases[] = {
      {"2.5", 2, 2}, {"3.5", 4, 4}, {"-2.5", -2, -2}, {"2.5000001", 3, 3}, {"32767", 32767, 32767},
      {"32768", kTooLarge, 32768}, {"32767.5", kTooLarge, 32768},  // even neighbour too large
      {"-32768.5", -32768, -32768}, {"-32769", kTooLarge, -32769},
      {"2147483647", kTooLarge, 2147483647}, {"2147483648", kTooLarge, kTooLarge},
      {"-2147483648", kTooLarge, -2147483648LL}, {"-2147483649", kTooLarge, kTooLarge},
      {"1e400", kTooLarge, kTooLarge}};
  for (const auto& [text, as16, as32] : cases) {
    const auto v16 = ReadInt16(text);
    const auto v32 = ReadInt32(text);
    EXPECT_EQ(std::pair(v16 ? std::optional<int>(*v16) : std::nullopt,
                        v32 ? std::optional<long long>(*v32) : std::nullopt),
              std::pair(as16, as32)) << '"' << text << '"';
  }
}

TEST(AnsiText, ToWindows1252AndBack) {
  // One "?" for a character not in the code page, a stray byte, a broken or cut-off sequence.
  const std::pair<const char*, const char*> cases[] = {
      {"Sky blue", "Sky blue"}, {"Caf\xC3\xA9", "Caf\xE9"}, {"\xE2\x82\xAC 5", "\x80 5"},
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"}, {"\xE6\x97\xA5 x", "? x"},
      {"a\xF0\x9F\x8E\xA8z", "a?z"}, {"\xFF\xFE", "??"}, {"\xF8\x80", "??"},
      {"\xE2\x41x", "?Ax"}, {"ab\xE2\x82", "ab?"}, {"\xC2\x81", "\x81"}, {"", ""}};
  for (const auto& [utf8, ansi] : cases)
    EXPECT_EQ(ToAnsi(utf8), ansi) << testing::PrintToString(std::string(utf8));
  EXPECT_EQ(FromAnsi("\xE9\x80"), "\xC3\xA9\xE2\x82\xAC");
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

}  // namespace
}  // namespace hk
