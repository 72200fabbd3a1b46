// The number base converter's conversions: decimal, hexadecimal and octal numbers,
// and characters and their ANSI (Windows-1252) codes. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace hk {

enum class HexConversion {
  DecToHex = 0,
  HexToDec = 1,
  DecToOct = 2,
  OctToDec = 3,
  CharToCode = 4,
  CodeToChar = 5,
};

inline constexpr int kHexConversionCount = 6;

struct HexConvOutcome {
  std::string expression;  // the expression as the conversion leaves it (upper-cased, prefixed)
  std::string result;      // the result text, "#Error" when the number does not fit
};

// One press of Get: the expression is upper-cased (except for a character's code),
// given its "&H" or "&O" prefix where the conversion reads one, and read with the
// program's number rules.
HexConvOutcome HexConvert(HexConversion conversion, std::string_view expression);

}  // namespace hk
