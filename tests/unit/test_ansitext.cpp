// Names go to files as Windows-1252 bytes and come back unchanged.
#include <gtest/gtest.h>

#include <string>

#include "colour/ansitext.h"

namespace hk {
namespace {

TEST(AnsiText, ToWindows1252) {
  const std::pair<const char*, const char*> cases[] = {
      {"Sky blue", "Sky blue"},
      {"Caf\xC3\xA9", "Caf\xE9"},                  // é
      {"\xE2\x82\xAC 5", "\x80 5"},                // euro sign
      {"\xE2\x80\x9Cq\xE2\x80\x9D", "\x93q\x94"},  // curly quotes
      {"\xE6\x97\xA5 x", "? x"},                   // a CJK character: one "?"
      {"a\xF0\x9F\x8E\xA8z", "a?z"},               // a 4-byte emoji: one "?"
      {"\xFF\xFE", "??"},                          // stray bytes, one "?" each
      {"\xF8\x80", "??"},                          // no sequence starts with 0xF8
      {"\xE2\x41x", "?Ax"},                        // a sequence broken after its lead
      {"ab\xE2\x82", "ab?"},                       // cut-off sequence at the end
      {"\xC2\x81", "\x81"},                        // unassigned byte kept as its control
      {"", ""},
  };
  for (const auto& [utf8, ansi] : cases)
    EXPECT_EQ(ToAnsi(utf8), ansi) << testing::PrintToString(std::string(utf8));
}

TEST(AnsiText, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(FromAnsi("\xE9\x80"), "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

}  // namespace
}  // namespace hk
