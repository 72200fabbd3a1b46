// The spin control's stored properties: changed values written in order, and what an
// unusable stored value reads as.
#include <gtest/gtest.h>

#include <string>

#include "updowntext/updowntextprops.h"

namespace hk {
namespace {

const FontSpec kAmbient{.name = "MS Sans Serif", .points = 8.25};

TEST(UpDownTextProperties, ChangedValuesWrittenInOrderAndReadBack) {
  // Every value changed, the value 300 stored as it stands, even beyond Max.
  const UpDownTextProperties all{1, 2, false, {"Tahoma", 9}, 0, 1, 3, 4, -5, 255, 300, 5, 6, 7,
                                 8, 9, 500};
  MemoryPropertyBag bag;
  WriteUpDownTextProperties(bag, all, kAmbient);
  EXPECT_EQ(ReadUpDownTextProperties(bag, kAmbient), all);
  std::string names;
  for (const auto& entry : bag.Entries()) names += entry.first + " ";
  EXPECT_EQ(names,
            "backcolor forecolor enabled font backstyle bordertype bordercolor1 bordercolor2 min "
            "max value bordercolor3 bordercolor4 buttoncolor btnforecolor cursorcolor "
            "blinkinterval ");
}

TEST(UpDownTextProperties, UnusableStoredValuesReadAsTheDefault) {  // wrong type or out of range
  // clang-format off
  const std::pair<const char*, PropertyValue> unusable[] = {
      {"Max", std::int32_t{40000}}, {"Min", std::int32_t{-40000}}, {"Value", true},
      {"BorderType", std::int32_t{70000}}, {"BlinkInterval", std::int32_t{-1}},
      {"Enabled", std::int32_t{0}}, {"BackColor", kAmbient}, {"Font", std::int32_t{9}},
  };
  // clang-format on
  const UpDownTextProperties defaults = ReadUpDownTextProperties(MemoryPropertyBag(), kAmbient);
  for (const auto& [name, stored] : unusable) {
    MemoryPropertyBag one;
    one.WriteProperty(name, stored);
    EXPECT_EQ(ReadUpDownTextProperties(one, kAmbient), defaults) << name;
  }
}

}  // namespace
}  // namespace hk
