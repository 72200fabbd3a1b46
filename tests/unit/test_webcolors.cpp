// The 140 named web colours in name order, and the lookups by name, colour and prefix.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "colour/notations.h"
#include "colour/webcolors.h"

namespace hk {
namespace {

TEST(WebColors, EveryEntryInNameOrderFoundByNameAndValue) {
  WebColors table;
  table.WebNames.push_back("Extra");  // loading again starts the lists afresh
  table.LoadWebColors();
  ASSERT_EQ(table.Count(), 140);
  ASSERT_EQ(table.WebValues.size(), 140u);
  // The keyword list without its other spellings (Grey, DarkGrey, LightGray, ...) and
  // RebeccaPurple; "Aqua" and "Cyan", "Fuchsia" and "Magenta" share a value.
  const char* const anchors[][2] = {{"AliceBlue", "#F0F8FF"}, {"Aqua", "#00FFFF"},
      {"Cyan", "#00FFFF"}, {"DarkGray", "#A9A9A9"}, {"Fuchsia", "#FF00FF"}, {"Gray", "#808080"},
      {"LightGrey", "#D3D3D3"}, {"Magenta", "#FF00FF"}, {"YellowGreen", "#9ACD32"}};
  for (const auto& [name, web] : anchors)
    EXPECT_EQ(table.ColourAt(table.FindName(name)), *ReadWeb(web)) << name;
  const auto& values = table.WebValues;
  for (std::size_t i = 0; i < 140; ++i) {
    const std::string& name = table.WebNames[i];
    const int at = static_cast<int>(i);
    EXPECT_LT(i == 0 ? "" : UpperAscii(table.WebNames[i - 1]), UpperAscii(name));
    EXPECT_EQ(table.FindName(UpperAscii(name)), at);
    EXPECT_EQ(values[i], std::to_string(table.ColourAt(at))) << name << ": plain decimal text";
    // Colour to name gives the first entry holding that value ("Aqua", not "Cyan").
    EXPECT_EQ(table.FindColour(table.ColourAt(at)),
              std::find(values.begin(), values.end(), values[i]) - values.begin()) << name;
  }
}

TEST(WebColors, FindByNameAndByPrefixIgnoringCase) {
  const WebColors table;
  const std::pair<const char*, int> byName[] = {
      {"cyan", 20}, {"gRaY", 50}, {"LightGray", -1}, {"Grey", -1}, {"RebeccaPurple", -1},
      {"", -1},     {"Aqua ", -1}, {"aqu", -1}};
  for (const auto& [text, index] : byName) EXPECT_EQ(table.FindName(text), index) << text;
  const std::tuple<const char*, int, int> byPrefix[] = {
      {"dark", -1, 21}, {"DARK", 22, 22}, {"dark", 38, -1}, {"", 0, 0}, {"yellowg", 0, 139},
      {"zz", 0, -1}};
  for (const auto& [prefix, start, index] : byPrefix)
    EXPECT_EQ(table.FindPrefix(prefix, start), index) << prefix << " from " << start;
}

}  // namespace
}  // namespace hk
