// The six notations: what each shows for a colour, what each reads back, and
// that everything shown reads back to the same colour.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "colour/notations.h"

namespace hk {
namespace {

TEST(Notations, TextsShownForAColour) {
  const WebColors table;
  struct Case {
    LongColour c;
    const char *longText, *hex, *web, *html, *rgb, *cmyk;
  };
  const Case cases[] = {
      {RGB(255, 128, 64), "4227327", "4080FF", "#FF8040", "", "255, 128, 64", "0, 127, 191, 0"},
      {255, "255", "FF", "#FF0000", "Red", "255, 0, 0", "0, 255, 255, 0"},
      {0, "0", "0", "#000000", "Black", "0, 0, 0", "255, 255, 255, 255"},
      {16777215, "16777215", "FFFFFF", "#FFFFFF", "White", "255, 255, 255", "0, 0, 0, 0"},
      {16711680, "16711680", "FF0000", "#0000FF", "Blue", "0, 0, 255", "255, 255, 0, 0"},
      {RGB(10, 11, 12), "789258", "C0B0A", "#0A0B0C", "", "10, 11, 12", "42, 21, 0, 243"},
      {16776960, "16776960", "FFFF00", "#00FFFF", "Aqua", "0, 255, 255", "255, 0, 0, 0"},
      {-2147483643, "-2147483643", "80000005", "#050000", "", "5, 0, 0", "0, 255, 255, 250"},
  };
  NotationTexts all;
  for (const Case& c : cases) {
    EXPECT_EQ(FormatLong(c.c), c.longText);
    EXPECT_EQ(HexText(c.c), c.hex);
    EXPECT_EQ(WebText(c.c), c.web);
    EXPECT_EQ(HtmlName(c.c, table), c.html);
    EXPECT_EQ(RGBText(c.c), c.rgb);
    EXPECT_EQ(CMYKText(RGBToCMYK(c.c)), c.cmyk);
    FormatAll(c.c, table, all);
    EXPECT_EQ(all.longText, c.longText);
    EXPECT_EQ(all.hex, c.hex);
    EXPECT_EQ(all.web, c.web);
    EXPECT_EQ(all.html, c.html);
    EXPECT_EQ(all.rgb, c.rgb);
    EXPECT_EQ(all.cmyk, c.cmyk);
  }
}

constexpr std::optional<LongColour> kFails = std::nullopt;

TEST(Notations, WebReader) {
  const std::pair<const char*, std::optional<LongColour>> cases[] = {
      {"#ff8040", RGB(255, 128, 64)}, {"ff8040", RGB(255, 128, 64)},
      {"##FF8040", RGB(255, 128, 64)}, {"FF8040FFFF", RGB(255, 128, 64)},
      {"FF80#40", RGB(255, 128, 64)},   {"FF", RGB(255, 0, 0)},
      {"#abc", RGB(0xAB, 0xC0, 0)},     {"#FG0000", kFails},
      {"", kFails},                     {"#", kFails},
      {"###", kFails},                  {"#FF 000", kFails},
      {"#0000FF", 16711680},            {"FF8040zz", RGB(255, 128, 64)},
      {"#\xC3\xA9", kFails},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ReadWeb(text), expected) << '"' << text << '"';
    EXPECT_EQ(DecodeFromWeb(text), expected.value_or(-1)) << '"' << text << '"';
  }
}

TEST(Notations, HexReader) {
  const std::pair<const char*, std::optional<LongColour>> cases[] = {
      {"FF", 255},
      {"", 0},
      {"4080FF", RGB(255, 128, 64)},
      {"4080ff", RGB(255, 128, 64)},
      {"FF0000", 16711680},
      {"C0B0A", RGB(10, 11, 12)},
      {"4080FF99", RGB(255, 128, 64)},  // only the first six count
      {"XYZ", kFails},
      {"80000005", RGB(0, 0, 0x80)},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadHex(text), expected) << text;
}

TEST(Notations, RGBReader) {
  const std::pair<const char*, std::optional<LongColour>> cases[] = {
      {"RGB(255, 128, 64)", RGB(255, 128, 64)},
      {"rgb(255,128,64)", RGB(255, 128, 64)},
      {"255,128,64", RGB(255, 128, 64)},
      {"255, 128, 64, 9", RGB(255, 128, 64)},
      {"12.5, 13.5, 0", RGB(12, 14, 0)},
      {"&HFF, &O17, 1e2", RGB(255, 15, 100)},
      {"255.4, 0, 0", RGB(255, 0, 0)},
      {",,", RGB(0, 0, 0)},
      {"RgB((1),(2),(3))", RGB(1, 2, 3)},
      {"256, 0, 0", kFails},
      {"255.5, 0, 0", kFails},  // rounds to 256
      {"-1, 0, 0", kFails},
      {"0, 0", kFails},
      {"", kFails},
      {"70000, 0, 0", kFails},
      {"1e400, 0, 0", kFails},
      {"0, 0, &HFFFF", kFails},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadRGB(text), expected) << text;
}

TEST(Notations, CMYKReader) {
  struct Case {
    const char* text;
    std::optional<LongColour> colour;
    CMYK inks;
  };
  const Case cases[] = {
      {"cmyk(0, 0, 0, 255)", 0, {0, 0, 0, 255}},
      {"CMYK(0, 127, 191, 0)", RGB(255, 128, 64), {0, 127, 191, 0}},
      {"100,100,100,0", RGB(155, 155, 155), {100, 100, 100, 0}},
      {"0, 0, 0, 0, 99", 16777215, {0, 0, 0, 0}},
      {"0, 0, 300, 0", kFails, {}},
      {"0, 0, 0", kFails, {}},
      {"0, 0, 0, -1", kFails, {}},
  };
  for (const Case& c : cases) {
    const auto r = ReadCMYK(c.text);
    ASSERT_EQ(r.has_value(), c.colour.has_value()) << c.text;
    if (!r) continue;
    EXPECT_EQ(r->colour, *c.colour) << c.text;
    EXPECT_EQ(r->inks, c.inks) << c.text;
  }
}

TEST(Notations, LongReader) {
  const std::pair<const char*, std::optional<LongColour>> cases[] = {
      {"4227327", 4227327}, {"0", 0},           {"", 0},
      {"255.5", 256},       {"254.5", 254},     {"12abc", 12},
      {"&HFF", 255},        {"-1", -1},         {"2147483648", kFails},
      {"16777215", 16777215},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadLong(text), expected) << text;
}

TEST(Notations, HtmlNameReader) {
  const WebColors table;
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"aqua", 2}, {"AQUA", 2}, {"cyan", 20}, {"LightGray", std::nullopt}, {"", std::nullopt}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(ReadHtmlName(text, table), expected);
}

TEST(Notations, EveryTextShownReadsBackToTheColour) {
  const WebColors table;
  std::mt19937 rng(2026);
  std::uniform_int_distribution<LongColour> any(0, 0xFFFFFF);
  NotationTexts t;
  for (int n = 0; n < 100000; ++n) {
    const LongColour c = n < 256 ? RGB(n, n, n) : any(rng);
    FormatAll(c, table, t);
    ASSERT_EQ(ReadLong(t.longText), c) << t.longText;
    ASSERT_EQ(ReadHex(t.hex), c) << t.hex;
    ASSERT_EQ(ReadWeb(t.web), c) << t.web;
    ASSERT_EQ(ReadRGB(t.rgb), c) << t.rgb;
    ASSERT_EQ(ReadRGB("RGB(" + t.rgb + ")"), c) << t.rgb;
    const auto cmyk = ReadCMYK(t.cmyk);
    ASSERT_TRUE(cmyk.has_value()) << t.cmyk;
    ASSERT_EQ(cmyk->colour, c) << t.cmyk;
    ASSERT_EQ(ReadCMYK("CMYK(" + t.cmyk + ")")->colour, c) << t.cmyk;
    if (!t.html.empty()) {
      const auto i = ReadHtmlName(t.html, table);
      ASSERT_TRUE(i.has_value()) << t.html;
      ASSERT_EQ(table.ColourAt(*i), c) << t.html;
    }
  }
  // Every named colour, too.
  for (int i = 0; i < table.Count(); ++i) {
    FormatAll(table.ColourAt(i), table, t);
    EXPECT_EQ(table.ColourAt(*ReadHtmlName(t.html, table)), table.ColourAt(i));
  }
}

}  // namespace
}  // namespace hk
