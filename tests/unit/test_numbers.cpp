// Reading numbers from text and taking them to 16- and 32-bit whole numbers.
#include <gtest/gtest.h>

#include <optional>

#include "colour/numbers.h"

namespace hk {
namespace {

TEST(ReadNumber, LeadingNumberRule) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"", 0},          {"abc", 0},        {"12abc", 12},      {" 1 2 ", 12},
      {"\t1\n2", 12},   {"1\r2", 1},       {"2.5", 2.5},       {"-2.5", -2.5},
      {"+7", 7},        {"- 7", -7},       {"--7", 0},         {".5", 0.5},
      {"1.5.3", 1.5},   {"1e2", 100},      {"1E2", 100},       {"1e-2", 0.01},
      {"1e+2", 100},    {"1e", 1},         {"1e+", 1},         {"1 e 2", 100},
      {"1e2.5", 100},   {"2.5e1x", 25},    {"1,5", 1},         {"32767", 32767},
      {"32768", 32768}, {"&HFF", 255},     {"&hff", 255},      {"&HFFFF", -1},
      {"&H8000", -32768}, {"&H7FFF", 32767}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
      {"&H80000000", -2147483648.0}, {"&H1G", 1}, {"&H", 0},    {"&O17", 15},
      {"&o17", 15},     {"&O177777", -1},  {"&O200000", 65536}, {"&O8", 0},
      {"& H 1 F", 31},  {"&X1", 0},        {"-&H10", 0},       {"1e-400", 0},
      {"300 apples", 300}, {"0000000000000000000000042", 42},
  };
  for (const Case& c : cases) {
    const auto v = ReadNumber(c.text);
    ASSERT_TRUE(v.has_value()) << '"' << c.text << '"';
    EXPECT_EQ(*v, c.value) << '"' << c.text << '"';
  }
}

TEST(ReadNumber, TooLargeToHoldIsAnError) {
  for (const char* text : {"1e400", "-1e400", "&H100000000", "&HFFFFFFFFF", "&O40000000000"}) {
    EXPECT_FALSE(ReadNumber(text).has_value()) << text;
  }
}

TEST(WholeNumbers, HalvesToEvenAndOverflow) {
  struct Case {
    const char* text;
    std::optional<int> as16;
    std::optional<long long> as32;
  };
  const Case cases[] = {
      {"2.5", 2, 2},
      {"3.5", 4, 4},
      {"-2.5", -2, -2},
      {"-3.5", -4, -4},
      {"2.5000001", 3, 3},
      {"32767", 32767, 32767},
      {"32767.5", std::nullopt, 32768},  // rounds to the even 32768: out of 16 bits
      {"32768", std::nullopt, 32768},
      {"-32768", -32768, -32768},
      {"-32768.5", -32768, -32768},
      {"-32769", std::nullopt, -32769},
      {"&HFFFF", -1, -1},
      {"&H10000", std::nullopt, 65536},
      {"&O17", 15, 15},
      {"1e2", 100, 100},
      {"12abc", 12, 12},
      {"", 0, 0},
      {" 1 2 ", 12, 12},
      {"2147483647", std::nullopt, 2147483647},
      {"2147483648", std::nullopt, std::nullopt},
      {"-2147483648", std::nullopt, -2147483648LL},
      {"-2147483649", std::nullopt, std::nullopt},
      {"1e400", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto v16 = ReadInt16(c.text);
    EXPECT_EQ(v16.has_value(), c.as16.has_value()) << '"' << c.text << '"';
    if (v16 && c.as16) {
      EXPECT_EQ(*v16, *c.as16) << '"' << c.text << '"';
    }
    const auto v32 = ReadInt32(c.text);
    EXPECT_EQ(v32.has_value(), c.as32.has_value()) << '"' << c.text << '"';
    if (v32 && c.as32) {
      EXPECT_EQ(*v32, *c.as32) << '"' << c.text << '"';
    }
  }
}

}  // namespace
}  // namespace hk
