// The spin control's stored properties: order, defaults, names without regard to
// case, and what an unusable stored value reads as.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "updowntext/updowntextprops.h"

namespace hk {
namespace {

const FontSpec kAmbient{.name = "MS Sans Serif", .points = 8.25};

UpDownTextProperties ReadBack(const MemoryPropertyBag& bag) {
  return ReadUpDownTextProperties(bag, kAmbient);
}

TEST(UpDownTextProperties, ChangedValuesWrittenInOrderDefaultsLeftOut) {
  const UpDownTextProperties defaults{.font = kAmbient};
  EXPECT_EQ(ReadBack(MemoryPropertyBag()), defaults);
  EXPECT_EQ(std::tuple(defaults.backColor, defaults.foreColor, defaults.borderColor1,
                       defaults.borderColor3, defaults.borderColor4, defaults.buttonColor,
                       defaults.max, defaults.blinkInterval),
            std::tuple(0x00FFFFC0, static_cast<LongColour>(0x80000012u), 0x00686868, 0x00FFFF80,
                       0x00808080, 0x00C0C0C0, 100, 333));
  const UpDownTextProperties p{
      .backColor = 1, .foreColor = 2, .enabled = false,
      .font = {.name = "Tahoma", .points = 9, .bold = true},
      .backStyle = 0, .borderType = 1, .borderColor1 = 3, .borderColor2 = 4, .min = -5, .max = 255,
      .value = 300,  // stored as it stands, even beyond Max
      .borderColor3 = 5, .borderColor4 = 6, .buttonColor = 7, .btnForecolor = 8, .cursorColor = 9,
      .blinkInterval = 500};
  // Defaults leave the bag empty; every changed value is written, in order.
  for (const UpDownTextProperties* written : {&defaults, &p}) {
    MemoryPropertyBag bag;
    WriteUpDownTextProperties(bag, *written, kAmbient);
    std::vector<std::string> names;
    for (const auto& [name, value] : bag.Entries()) names.push_back(name);
    const std::vector<std::string> all = {
        "backcolor",    "forecolor",    "enabled",     "font",         "backstyle", "bordertype",
        "bordercolor1", "bordercolor2", "min",         "max",          "value",     "bordercolor3",
        "bordercolor4", "buttoncolor",  "btnforecolor", "cursorcolor", "blinkinterval"};
    EXPECT_EQ(names, written == &defaults ? std::vector<std::string>() : all);
    EXPECT_EQ(ReadBack(bag), *written);
  }
}

TEST(UpDownTextProperties, NamesMatchWithoutRegardToCase) {
  MemoryPropertyBag bag;
  bag.WriteProperty("MAX", std::int32_t{255});
  bag.WriteProperty("BtnForeColor", std::int32_t{0x123456});
  bag.WriteProperty("btnforecolor", std::int32_t{0x654321});
  EXPECT_EQ(bag.Entries().size(), 2u) << "the same name replaces its value";
  EXPECT_EQ(std::tuple(ReadBack(bag).max, ReadBack(bag).btnForecolor), std::tuple(255, 0x654321));
}

TEST(UpDownTextProperties, UnusableValuesReadAsDefaults) {
  const struct { const char* name; PropertyValue stored; } cases[] = {
      {"Max", std::int32_t{40000}},         {"Min", std::int32_t{-40000}},
      {"Value", true},                      {"BorderType", std::int32_t{70000}},
      {"BlinkInterval", std::int32_t{-1}},  {"BlinkInterval", std::int32_t{65536}},
      {"Enabled", std::int32_t{0}},         {"BackColor", kAmbient},
      {"Font", std::int32_t{9}},            {"Font", FontSpec{}},
  };
  const UpDownTextProperties defaults = ReadBack(MemoryPropertyBag());
  for (const auto& c : cases) {
    MemoryPropertyBag bag;
    bag.WriteProperty(c.name, c.stored);
    EXPECT_EQ(ReadBack(bag), defaults) << c.name;
  }
  // A border type beyond the store's 16 bits is kept as the thin frame.
  MemoryPropertyBag bag;
  WriteUpDownTextProperties(bag, {.font = kAmbient, .borderType = 70000}, kAmbient);
  EXPECT_EQ(ReadBack(bag).borderType, 0);
}

TEST(UpDownTextProperties, FormExtentsInTwips) {
  const std::pair<int, int> cases[] = {{1111, 630}, {450, 255}, {2540, 1440}, {0, 0}};
  for (auto [extent, twips] : cases) EXPECT_EQ(ExtentToTwips(extent), twips) << extent;
}

}  // namespace
}  // namespace hk
