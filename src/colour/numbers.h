// Reading numbers from typed or stored text, and taking them to whole numbers.
//
// ReadNumber takes the longest leading number of a text: blanks (space, tab, line
// feed) anywhere are skipped; an optional sign, digits, a decimal point and an
// exponent are allowed; "&H" or "&O" starts a hexadecimal or octal whole number.
// A text without a number reads as 0. Hexadecimal and octal literals that fit in
// 16 bits are signed 16-bit numbers (&HFFFF is -1); up to 32 bits they are signed
// 32-bit numbers (&H10000 is 65536). Only a value too large to hold fails.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace hk {

// Nearest whole number, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double x) { return std::nearbyint(x); }

// The leading number of `text`, or nothing when it overflows (a decimal number
// beyond the range of a double, a hexadecimal or octal literal beyond 32 bits).
std::optional<double> ReadNumber(std::string_view text);

// The value rounded to a whole number (halves to even), or nothing when the
// rounded value does not fit the type: the overflow error.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);

// ReadNumber followed by the whole-number conversion.
std::optional<std::int16_t> ReadInt16(std::string_view text);
std::optional<std::int32_t> ReadInt32(std::string_view text);

}  // namespace hk
