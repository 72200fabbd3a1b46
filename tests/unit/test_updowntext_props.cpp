// The spin control's stored properties: order, defaults, names without regard to
// case, and what an unusable stored value reads as.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "updowntext/updowntextprops.h"

namespace hk {
namespace {

const FontSpec kAmbient{.name = "MS Sans Serif", .points = 8.25};

UpDownTextProperties ReadBack(const MemoryPropertyBag& bag) {
  return ReadUpDownTextProperties(bag, kAmbient);
}

// The names written, in order; what is written reads back the same.
std::string Written(const UpDownTextProperties& p) {
  MemoryPropertyBag bag;
  WriteUpDownTextProperties(bag, p, kAmbient);
  EXPECT_EQ(ReadBack(bag), p);
  std::string names;
  for (const auto& entry : bag.Entries()) names += entry.first + " ";
  return names;
}

TEST(UpDownTextProperties, ChangedValuesWrittenInOrderDefaultsLeftOut) {
  const UpDownTextProperties d = ReadBack(MemoryPropertyBag());
  EXPECT_EQ(std::tuple(d.backColor, d.foreColor, d.enabled, d.font, d.borderColor1, d.borderColor3,
                       d.borderColor4, d.buttonColor, d.max, d.blinkInterval),
            std::tuple(0x00FFFFC0, static_cast<LongColour>(0x80000012u), true, kAmbient, 0x00686868,
                       0x00FFFF80, 0x00808080, 0x00C0C0C0, 100, 333));
  EXPECT_EQ(Written(d), "");
  // Every value changed, the value 300 stored as it stands, even beyond Max.
  const UpDownTextProperties all{1, 2, false, {"Tahoma", 9}, 0, 1, 3, 4, -5, 255, 300, 5, 6, 7,
                                 8, 9, 500};
  EXPECT_EQ(
      Written(all),
      "backcolor forecolor enabled font backstyle bordertype bordercolor1 bordercolor2 min max "
      "value bordercolor3 bordercolor4 buttoncolor btnforecolor cursorcolor blinkinterval ");
}

TEST(UpDownTextProperties, NamesWithoutRegardToCaseAndUnusableValues) {
  MemoryPropertyBag bag;
  bag.WriteProperty("MAX", std::int32_t{255});
  bag.WriteProperty("BtnForeColor", std::int32_t{1});
  bag.WriteProperty("btnforecolor", std::int32_t{2});  // the same name replaces its value
  EXPECT_EQ(std::tuple(bag.Entries().size(), ReadBack(bag).max, ReadBack(bag).btnForecolor),
            std::tuple(2u, 255, 2));
  // A value of the wrong type or beyond its range reads as the default.
  // clang-format off
  const std::pair<const char*, PropertyValue> unusable[] = {
      {"Max", std::int32_t{40000}}, {"Min", std::int32_t{-40000}}, {"Value", true},
      {"BorderType", std::int32_t{70000}}, {"BlinkInterval", std::int32_t{-1}},
      {"Enabled", std::int32_t{0}}, {"BackColor", kAmbient}, {"Font", std::int32_t{9}},
      {"Font", FontSpec{}},
  };
  // clang-format on
  for (const auto& [name, stored] : unusable) {
    MemoryPropertyBag one;
    one.WriteProperty(name, stored);
    EXPECT_EQ(ReadBack(one), ReadBack(MemoryPropertyBag())) << name;
  }
  // A border type beyond the store's 16 bits is kept as the thin frame.
  MemoryPropertyBag wide;
  WriteUpDownTextProperties(wide, {.font = kAmbient, .borderType = 70000}, kAmbient);
  EXPECT_EQ(ReadBack(wide).borderType, 0);
  // A form keeps sizes in hundredths of a millimetre.
  EXPECT_EQ(std::tuple(ExtentToTwips(1111), ExtentToTwips(450), ExtentToTwips(2540)),
            std::tuple(630, 255, 1440));
}

}  // namespace
}  // namespace hk
