// The named web colours against the web colour keyword list, written out here
// as the keyword list itself gives it (lower-case names, #RRGGBB values).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "colour/notations.h"
#include "colour/webcolors.h"

namespace hk {
namespace {

const std::map<std::string, std::string>& Keywords() {
  static const std::map<std::string, std::string> k = {
      {"aliceblue", "#F0F8FF"}, {"antiquewhite", "#FAEBD7"}, {"aqua", "#00FFFF"},
      {"aquamarine", "#7FFFD4"}, {"azure", "#F0FFFF"}, {"beige", "#F5F5DC"},
      {"bisque", "#FFE4C4"}, {"black", "#000000"}, {"blanchedalmond", "#FFEBCD"},
      {"blue", "#0000FF"}, {"blueviolet", "#8A2BE2"}, {"brown", "#A52A2A"},
      {"burlywood", "#DEB887"}, {"cadetblue", "#5F9EA0"}, {"chartreuse", "#7FFF00"},
      {"chocolate", "#D2691E"}, {"coral", "#FF7F50"}, {"cornflowerblue", "#6495ED"},
      {"cornsilk", "#FFF8DC"}, {"crimson", "#DC143C"}, {"cyan", "#00FFFF"},
      {"darkblue", "#00008B"}, {"darkcyan", "#008B8B"}, {"darkgoldenrod", "#B8860B"},
      {"darkgray", "#A9A9A9"}, {"darkgreen", "#006400"}, {"darkgrey", "#A9A9A9"},
      {"darkkhaki", "#BDB76B"}, {"darkmagenta", "#8B008B"}, {"darkolivegreen", "#556B2F"},
      {"darkorange", "#FF8C00"}, {"darkorchid", "#9932CC"}, {"darkred", "#8B0000"},
      {"darksalmon", "#E9967A"}, {"darkseagreen", "#8FBC8F"}, {"darkslateblue", "#483D8B"},
      {"darkslategray", "#2F4F4F"}, {"darkslategrey", "#2F4F4F"},
      {"darkturquoise", "#00CED1"}, {"darkviolet", "#9400D3"}, {"deeppink", "#FF1493"},
      {"deepskyblue", "#00BFFF"}, {"dimgray", "#696969"}, {"dimgrey", "#696969"},
      {"dodgerblue", "#1E90FF"}, {"firebrick", "#B22222"}, {"floralwhite", "#FFFAF0"},
      {"forestgreen", "#228B22"}, {"fuchsia", "#FF00FF"}, {"gainsboro", "#DCDCDC"},
      {"ghostwhite", "#F8F8FF"}, {"gold", "#FFD700"}, {"goldenrod", "#DAA520"},
      {"gray", "#808080"}, {"grey", "#808080"}, {"green", "#008000"},
      {"greenyellow", "#ADFF2F"}, {"honeydew", "#F0FFF0"}, {"hotpink", "#FF69B4"},
      {"indianred", "#CD5C5C"}, {"indigo", "#4B0082"}, {"ivory", "#FFFFF0"},
      {"khaki", "#F0E68C"}, {"lavender", "#E6E6FA"}, {"lavenderblush", "#FFF0F5"},
      {"lawngreen", "#7CFC00"}, {"lemonchiffon", "#FFFACD"}, {"lightblue", "#ADD8E6"},
      {"lightcoral", "#F08080"}, {"lightcyan", "#E0FFFF"},
      {"lightgoldenrodyellow", "#FAFAD2"}, {"lightgray", "#D3D3D3"},
      {"lightgreen", "#90EE90"}, {"lightgrey", "#D3D3D3"}, {"lightpink", "#FFB6C1"},
      {"lightsalmon", "#FFA07A"}, {"lightseagreen", "#20B2AA"}, {"lightskyblue", "#87CEFA"},
      {"lightslategray", "#778899"}, {"lightslategrey", "#778899"},
      {"lightsteelblue", "#B0C4DE"}, {"lightyellow", "#FFFFE0"}, {"lime", "#00FF00"},
      {"limegreen", "#32CD32"}, {"linen", "#FAF0E6"}, {"magenta", "#FF00FF"},
      {"maroon", "#800000"}, {"mediumaquamarine", "#66CDAA"}, {"mediumblue", "#0000CD"},
      {"mediumorchid", "#BA55D3"}, {"mediumpurple", "#9370DB"},
      {"mediumseagreen", "#3CB371"}, {"mediumslateblue", "#7B68EE"},
      {"mediumspringgreen", "#00FA9A"}, {"mediumturquoise", "#48D1CC"},
      {"mediumvioletred", "#C71585"}, {"midnightblue", "#191970"}, {"mintcream", "#F5FFFA"},
      {"mistyrose", "#FFE4E1"}, {"moccasin", "#FFE4B5"}, {"navajowhite", "#FFDEAD"},
      {"navy", "#000080"}, {"oldlace", "#FDF5E6"}, {"olive", "#808000"},
      {"olivedrab", "#6B8E23"}, {"orange", "#FFA500"}, {"orangered", "#FF4500"},
      {"orchid", "#DA70D6"}, {"palegoldenrod", "#EEE8AA"}, {"palegreen", "#98FB98"},
      {"paleturquoise", "#AFEEEE"}, {"palevioletred", "#DB7093"}, {"papayawhip", "#FFEFD5"},
      {"peachpuff", "#FFDAB9"}, {"peru", "#CD853F"}, {"pink", "#FFC0CB"},
      {"plum", "#DDA0DD"}, {"powderblue", "#B0E0E6"}, {"purple", "#800080"},
      {"rebeccapurple", "#663399"}, {"red", "#FF0000"}, {"rosybrown", "#BC8F8F"},
      {"royalblue", "#4169E1"}, {"saddlebrown", "#8B4513"}, {"salmon", "#FA8072"},
      {"sandybrown", "#F4A460"}, {"seagreen", "#2E8B57"}, {"seashell", "#FFF5EE"},
      {"sienna", "#A0522D"}, {"silver", "#C0C0C0"}, {"skyblue", "#87CEEB"},
      {"slateblue", "#6A5ACD"}, {"slategray", "#708090"}, {"slategrey", "#708090"},
      {"snow", "#FFFAFA"}, {"springgreen", "#00FF7F"}, {"steelblue", "#4682B4"},
      {"tan", "#D2B48C"}, {"teal", "#008080"}, {"thistle", "#D8BFD8"},
      {"tomato", "#FF6347"}, {"turquoise", "#40E0D0"}, {"violet", "#EE82EE"},
      {"wheat", "#F5DEB3"}, {"white", "#FFFFFF"}, {"whitesmoke", "#F5F5F5"},
      {"yellow", "#FFFF00"}, {"yellowgreen", "#9ACD32"},
  };
  return k;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

TEST(WebColors, EveryNameHasItsKeywordValueAndReadsBackToItsFirstName) {
  const WebColors table;
  ASSERT_EQ(table.Count(), 140);
  ASSERT_EQ(table.WebValues.size(), 140u);
  for (int i = 0; i < table.Count(); ++i) {
    const std::string& name = table.WebNames[static_cast<std::size_t>(i)];
    const auto kw = Keywords().find(Lower(name));
    ASSERT_NE(kw, Keywords().end()) << name << " is not a web colour keyword";
    const LongColour expected = *ReadWeb(kw->second);

    // Stored as plain decimal text: no sign, zeros or separators.
    EXPECT_EQ(table.WebValues[static_cast<std::size_t>(i)], std::to_string(expected)) << name;
    EXPECT_EQ(table.ColourAt(i), expected) << name;

    // Name to colour, in any case.
    EXPECT_EQ(table.FindName(Lower(name)), i) << name;
    EXPECT_EQ(table.FindName(UpperAscii(name)), i) << name;

    // Colour to name gives the first entry holding that value.
    const int back = table.FindColour(expected);
    ASSERT_GE(back, 0) << name;
    EXPECT_LE(back, i) << name;
    EXPECT_EQ(table.ColourAt(back), expected) << name;
    int first = 0;
    while (table.ColourAt(first) != expected) ++first;
    EXPECT_EQ(back, first) << name;
  }
}

TEST(WebColors, OrderAndSpellings) {
  const WebColors table;
  for (int i = 1; i < table.Count(); ++i) {
    EXPECT_LT(Lower(table.WebNames[static_cast<std::size_t>(i - 1)]),
              Lower(table.WebNames[static_cast<std::size_t>(i)]));
  }
  const std::pair<int, const char*> fixed[] = {
      {0, "AliceBlue"}, {2, "Aqua"},  {7, "Black"},       {9, "Blue"},
      {20, "Cyan"},     {45, "Fuchsia"}, {68, "LightGrey"}, {70, "LightSalmon"},
      {79, "Magenta"},  {113, "Red"}, {136, "White"},      {139, "YellowGreen"},
      {12, "BurlyWood"}, {23, "DarkGoldenrod"}, {53, "Honeydew"}, {120, "Seashell"},
  };
  for (const auto& [index, name] : fixed) EXPECT_EQ(table.WebNames[index], name);
  EXPECT_EQ(table.WebValues[70], "8036607");
  EXPECT_EQ(table.WebValues[7], "0");

  // The keyword list names eight colours the table leaves out; nothing else.
  std::set<std::string> missing;
  for (const auto& [kw, value] : Keywords()) {
    if (table.FindName(kw) < 0) missing.insert(kw);
  }
  const std::set<std::string> expected = {"darkgrey",       "darkslategrey", "dimgrey",
                                          "grey",           "lightgray",     "lightslategrey",
                                          "slategrey",      "rebeccapurple"};
  EXPECT_EQ(missing, expected);
}

TEST(WebColors, Lookups) {
  const WebColors table;
  struct Case {
    LongColour colour;
    const char* name;
  };
  const Case byColour[] = {{16776960, "Aqua"}, {16711935, "Fuchsia"}, {0, "Black"},
                           {255, "Red"},       {13882323, "LightGrey"}, {1, ""},
                           {-2147483643, ""}};
  for (const Case& c : byColour) EXPECT_EQ(HtmlName(c.colour, table), c.name) << c.colour;

  const std::pair<const char*, int> byName[] = {
      {"cyan", 20},     {"LIGHTGREY", 68}, {"gRaY", 50},  {"LightGray", -1},
      {"Grey", -1},     {"RebeccaPurple", -1}, {"", -1},  {"Aqua ", -1}, {"aqu", -1}};
  for (const auto& [text, index] : byName) EXPECT_EQ(table.FindName(text), index) << text;

  const std::tuple<const char*, int, int> byPrefix[] = {
      {"dark", 0, 21}, {"DARK", 22, 22}, {"dark", 38, -1}, {"", 0, 0}, {"yellowg", 0, 139},
      {"zz", 0, -1}};
  for (const auto& [prefix, start, index] : byPrefix)
    EXPECT_EQ(table.FindPrefix(prefix, start), index) << prefix << " from " << start;
}

TEST(WebColors, LoadingAgainReplacesTheLists) {
  WebColors table;
  table.WebNames.push_back("Extra");
  table.WebValues.push_back("1");
  table.LoadWebColors();
  EXPECT_EQ(table.Count(), 140);
  EXPECT_EQ(table.WebNames.back(), "YellowGreen");
}

}  // namespace
}  // namespace hk
