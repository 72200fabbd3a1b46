// The spin control's stored properties: order, defaults, names without regard to
// case, and what an unusable stored value reads as.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "updowntext/updowntextprops.h"

namespace hk {
namespace {

FontSpec Ambient() {
  FontSpec f;
  f.name = "MS Sans Serif";
  f.points = 8.25;
  return f;
}

std::vector<std::string> Names(const MemoryPropertyBag& bag) {
  std::vector<std::string> names;
  for (const auto& [name, value] : bag.Entries()) names.push_back(name);
  return names;
}

TEST(UpDownTextProperties, DefaultsAreNotWrittenAndReadBack) {
  MemoryPropertyBag bag;
  UpDownTextProperties p;
  p.font = Ambient();
  WriteUpDownTextProperties(bag, p, Ambient());
  EXPECT_TRUE(bag.Entries().empty());
  const UpDownTextProperties read = ReadUpDownTextProperties(bag, Ambient());
  EXPECT_EQ(read, p);
  EXPECT_EQ(read.backColor, 0x00FFFFC0);
  EXPECT_EQ(read.foreColor, static_cast<LongColour>(0x80000012u));
  EXPECT_EQ(read.max, 100);
  EXPECT_EQ(read.blinkInterval, 333);
  EXPECT_EQ(read.borderColor3, 0x00FFFF80);
}

TEST(UpDownTextProperties, EveryChangedValueWrittenInOrderAndRoundTrips) {
  UpDownTextProperties p;
  p.backColor = 1;
  p.foreColor = 2;
  p.enabled = false;
  p.font = Ambient();
  p.font.name = "Tahoma";
  p.font.points = 9;
  p.font.bold = true;
  p.backStyle = 0;
  p.borderType = 1;
  p.borderColor1 = 3;
  p.borderColor2 = 4;
  p.min = -5;
  p.max = 255;
  p.value = 300;  // stored as it stands, even beyond Max
  p.borderColor3 = 5;
  p.borderColor4 = 6;
  p.buttonColor = 7;
  p.btnForecolor = 8;
  p.cursorColor = 9;
  p.blinkInterval = 500;
  MemoryPropertyBag bag;
  WriteUpDownTextProperties(bag, p, Ambient());
  EXPECT_EQ(Names(bag),
            (std::vector<std::string>{"backcolor", "forecolor", "enabled", "font", "backstyle",
                                      "bordertype", "bordercolor1", "bordercolor2", "min", "max",
                                      "value", "bordercolor3", "bordercolor4", "buttoncolor",
                                      "btnforecolor", "cursorcolor", "blinkinterval"}));
  EXPECT_EQ(ReadUpDownTextProperties(bag, Ambient()), p);
}

TEST(UpDownTextProperties, NamesMatchWithoutRegardToCase) {
  MemoryPropertyBag bag;
  bag.WriteProperty("MAX", std::int32_t{255});
  bag.WriteProperty("BtnForeColor", std::int32_t{0x123456});
  bag.WriteProperty("btnforecolor", std::int32_t{0x654321});
  EXPECT_EQ(bag.Entries().size(), 2u) << "the same name replaces its value";
  const UpDownTextProperties p = ReadUpDownTextProperties(bag, Ambient());
  EXPECT_EQ(p.max, 255);
  EXPECT_EQ(p.btnForecolor, 0x654321);
}

TEST(UpDownTextProperties, UnusableStoredValuesReadAsDefaults) {
  struct Case {
    const char* name;
    PropertyValue stored;
  };
  const Case cases[] = {
      {"Max", std::int32_t{40000}},
      {"Min", std::int32_t{-40000}},
      {"Value", true},
      {"BorderType", std::int32_t{70000}},
      {"BlinkInterval", std::int32_t{-1}},
      {"BlinkInterval", std::int32_t{65536}},
      {"Enabled", std::int32_t{0}},
      {"BackColor", Ambient()},
      {"Font", std::int32_t{9}},
      {"Font", FontSpec{}},
  };
  const UpDownTextProperties defaults = ReadUpDownTextProperties(MemoryPropertyBag(), Ambient());
  for (const Case& c : cases) {
    MemoryPropertyBag bag;
    bag.WriteProperty(c.name, c.stored);
    EXPECT_EQ(ReadUpDownTextProperties(bag, Ambient()), defaults) << c.name;
  }
}

TEST(UpDownTextProperties, BorderTypeBeyondTheStoreKeepsTheThinFrame) {
  UpDownTextProperties p;
  p.font = Ambient();
  p.borderType = 70000;
  MemoryPropertyBag bag;
  WriteUpDownTextProperties(bag, p, Ambient());
  EXPECT_EQ(ReadUpDownTextProperties(bag, Ambient()).borderType, 0);
}

TEST(UpDownTextProperties, FormExtentsInTwips) {
  EXPECT_EQ(ExtentToTwips(1111), 630);
  EXPECT_EQ(ExtentToTwips(450), 255);
  EXPECT_EQ(ExtentToTwips(2540), 1440);
  EXPECT_EQ(ExtentToTwips(0), 0);
}

}  // namespace
}  // namespace hk
