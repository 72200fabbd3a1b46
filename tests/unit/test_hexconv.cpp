// The number base converter: what Get makes of the expression, and the result it shows.
#include <gtest/gtest.h>

#include <string>

#include "tools/hexconv.h"

namespace hk {
namespace {

using enum HexConversion;
using namespace std::string_literals;

TEST(HexConv, ExpressionAndResultOfEachConversion) {
  struct Row {
    HexConversion conversion;
    std::string typed, expression, result;
  };
  const Row rows[] = {
      {DecToHex, "255", "255", "FF "},
      {DecToHex, "-1", "-1", "FFFFFFFF "},
      {DecToHex, "-2147483648", "-2147483648", "80000000 "},
      {DecToHex, "2147483647", "2147483647", "7FFFFFFF "},
      {DecToHex, "2147483648", "2147483648", "#Error"},
      {DecToHex, "", "", "0 "},
      // Upper case for the code page's letters; other characters kept as typed.
      {DecToHex, "az àéþ ÿšœž÷¡ ∂ ÿ", "AZ ÀÉÞ ŸŠŒŽ÷¡ ∂ Ÿ", "0 "},
      {HexToDec, "ff", "&HFF", "255 "},
      {HexToDec, "FFFF", "&HFFFF", "-1 "},  // a 16-bit literal
      {HexToDec, "FFFFF", "&HFFFFF", "1048575 "},
      {HexToDec, "&h1f", "&H1F", "31 "},
      {HexToDec, "1G", "&H1G", "1 "},
      {HexToDec, "FFFFFFFFF", "&HFFFFFFFFF", "#Error"},
      {HexToDec, "", "&H", "0 "},
      {HexToDec, "&h", "&H", "0 "},
      {DecToOct, "8", "8", "10 "},
      {DecToOct, "-1", "-1", "37777777777 "},
      {DecToOct, "1e10", "1E10", "#Error"},
      {OctToDec, "17", "&O17 ", "15"},
      {OctToDec, "8", "&O8 ", "0"},
      {OctToDec, "&o17", "&O17", "15"},
      {OctToDec, "&H10", "&O&H10 ", "0"},
      {OctToDec, "", "&O ", "0"},
      {CharToCode, "abc", "abc", "97"},
      {CharToCode, "", "", "NULL !!"},
      {CharToCode, "€uro", "€uro", "128"},  // the code page's code, not the Unicode one
      {CharToCode, "ÿ", "ÿ", "255"},
      {CharToCode, "∂", "∂", "63"},  // not in the code page: read as "?"
      {CodeToChar, "65", "65", "A"},
      {CodeToChar, "128", "128", "€"},
      {CodeToChar, "255", "255", "ÿ"},
      {CodeToChar, "256", "256", "#Error"},
      {CodeToChar, "300", "300", "#Error"},
      {CodeToChar, "32768", "32768", "#Error"},  // beyond 16 bits
      {CodeToChar, "-1", "-1", "#Error"},        // no character has a negative code
      {CodeToChar, "&HFFFF", "&HFFFF", "#Error"},
      {CodeToChar, "x", "X", "\0"s},  // no number reads as 0: the character of code 0
  };
  for (const Row& row : rows) {
    const HexConvOutcome got = HexConvert(row.conversion, row.typed);
    EXPECT_EQ(got.expression, row.expression)
        << static_cast<int>(row.conversion) << " " << row.typed;
    EXPECT_EQ(got.result, row.result) << static_cast<int>(row.conversion) << " " << row.typed;
  }
}

}  // namespace
}  // namespace hk
