// Names go to files as Windows-1252 bytes and come back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "colour/ansitext.h"

namespace hk {
namespace {

TEST(AnsiText, ToWindows1252) {
  struct Case {
    const char* utf8;
    const char* ansi;
  };
  const Case cases[] = {
      {"Sky blue", "Sky blue"},
      {"Caf\xC3\xA9", "Caf\xE9"},                  // é
      {"\xE2\x82\xAC 5", "\x80 5"},                // euro sign
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},  // curly quotes
      {"\xC5\xA0", "\x8A"},                        // Š
      {"\xE6\x97\xA5 x", "? x"},                   // a CJK character: one "?"
      {"a\xF0\x9F\x8E\xA8z", "a?z"},               // a 4-byte emoji: one "?"
      {"\xFF\xFE", "??"},                          // stray bytes, one "?" each
      {"ab\xE2\x82", "ab?"},                       // cut-off sequence at the end
      {"\xC2\x81", "\x81"},                        // unassigned byte kept as its control
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ToAnsi(c.utf8), c.ansi) << c.utf8;
}

TEST(AnsiText, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = FromAnsi(all);
  EXPECT_EQ(FromAnsi("\xE9"), "\xC3\xA9");
  EXPECT_EQ(FromAnsi("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(ToAnsi(utf8), all);
}

}  // namespace
}  // namespace hk
