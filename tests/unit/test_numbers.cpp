// Reading numbers from text and taking them to 16- and 32-bit whole numbers.
#include <gtest/gtest.h>

#include <optional>

#include "colour/numbers.h"

namespace hk {
namespace {

constexpr std::nullopt_t kTooLarge = std::nullopt;

TEST(ReadNumber, LeadingNumberRule) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"", 0},          {"abc", 0},        {"12abc", 12},      {" 1 2 ", 12},
      {"\t1\n2", 12},   {"1\r2", 1},       {"2.5", 2.5},       {"-2.5", -2.5},
      {"+7", 7},        {"- 7", -7},       {"--7", 0},         {".5", 0.5},
      {"1.5.3", 1.5},   {"1e2", 100},      {"1E2", 100},       {"1e-2", 0.01},
      {"1e", 1},        {"1e+", 1},        {"1 e 2", 100},     {"1e2.5", 100},
      {"2.5e1x", 25},   {"1,5", 1},        {"&HFF", 255},      {"&hff", 255},
      {"&HFFFF", -1},   {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&H1G", 1},
      {"&H", 0},        {"&O17", 15},      {"&o17", 15},       {"&O8", 0},
      {"& H 1 F", 31},  {"&X1", 0},        {"-&H10", 0},       {"1e-400", 0},
      {"1e400", kTooLarge}, {"&H100000000", kTooLarge}, {"&O40000000000", kTooLarge},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadNumber(text), value) << '"' << text << '"';
}

TEST(WholeNumbers, HalvesToEvenAndOverflow) {
  const std::tuple<const char*, std::optional<int>, std::optional<long long>> cases[] = {
      {"2.5", 2, 2},          {"3.5", 4, 4},        {"-2.5", -2, -2},     {"2.5000001", 3, 3},
      {"32767", 32767, 32767}, {"32768", kTooLarge, 32768},
      {"32767.5", kTooLarge, 32768},  // the even neighbour 32768 is out of 16 bits
      {"-32768.5", -32768, -32768},   {"-32769", kTooLarge, -32769},
      {"2147483647", kTooLarge, 2147483647},     {"2147483648", kTooLarge, kTooLarge},
      {"-2147483648", kTooLarge, -2147483648LL}, {"-2147483649", kTooLarge, kTooLarge},
      {"1e400", kTooLarge, kTooLarge},
  };
  for (const auto& [text, as16, as32] : cases) {
    const auto v16 = ReadInt16(text);
    const auto v32 = ReadInt32(text);
    EXPECT_EQ(v16 ? std::optional<int>(*v16) : std::nullopt, as16) << '"' << text << '"';
    EXPECT_EQ(v32 ? std::optional<long long>(*v32) : std::nullopt, as32) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace hk
