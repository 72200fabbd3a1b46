// Names go to files as Windows-1252 bytes and come back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "colour/ansitext.h"

namespace hk {
namespace {

TEST(AnsiText, ToWindows1252AndBack) {
  // A character the code page lacks (CJK, a 4-byte emoji) is one "?", as is each stray byte
  // (no sequence starts with 0xF8) and a sequence broken after its lead or cut off at the end;
  // an unassigned byte comes back as the control of its value.
  const std::pair<const char*, const char*> cases[] = {
      {"Sky blue", "Sky blue"}, {"Caf\xC3\xA9", "Caf\xE9"}, {"\xE2\x82\xAC 5", "\x80 5"},
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"}, {"\xE6\x97\xA5 x", "? x"},
      {"a\xF0\x9F\x8E\xA8z", "a?z"}, {"\xFF\xFE", "??"}, {"\xF8\x80", "??"},
      {"\xE2\x41x", "?Ax"}, {"ab\xE2\x82", "ab?"}, {"\xC2\x81", "\x81"}, {"", ""}};
  for (const auto& [utf8, ansi] : cases)
    EXPECT_EQ(ToAnsi(utf8), ansi) << testing::PrintToString(std::string(utf8));
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(FromAnsi("\xE9\x80"), "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

}  // namespace
}  // namespace hk
