#include "tools/hexconv.h"

#include <cstdint>
#include <optional>

#include "colour/ansitext.h"
#include "colour/numbers.h"

namespace hk {

namespace {

constexpr std::string_view kError = "#Error";

// Upper case for the letters the ANSI code page holds; other characters stay as
// typed, so nothing the user typed is lost.
std::string UpperCase(std::string_view utf8) {
  std::string out(utf8);
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto b = static_cast<unsigned char>(out[i]);
    if (b >= 'a' && b <= 'z') {
      out[i] = static_cast<char>(b - 0x20);
    } else if (i + 1 < out.size()) {
      auto& next = reinterpret_cast<unsigned char&>(out[i + 1]);
      if (b == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7) {
        next -= 0x20;  // à..þ to À..Þ, but not the division sign
      } else if (b == 0xC3 && next == 0xBF) {
        out.replace(i, 2, "\xC5\xB8");  // ÿ to Ÿ
      } else if (b == 0xC5 && (next == 0xA1 || next == 0x93 || next == 0xBE)) {
        next -= 1;  // š œ ž to Š Œ Ž
      }
    }
  }
  return out;
}

std::string Digits(std::uint32_t n, unsigned base) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEF"[n % base]);
    n /= base;
  } while (n != 0);
  return digits;
}

}  // namespace

HexConvOutcome HexConvert(HexConversion conversion, std::string_view expression) {
  HexConvOutcome out;
  out.expression =
      conversion == HexConversion::CharToCode ? std::string(expression) : UpperCase(expression);
  std::string& text = out.expression;
  auto fail = [&out] { out.result = kError; };
  auto read32 = [&text]() -> std::optional<std::uint32_t> {
    const auto n = ReadInt32(text);
    if (!n) return std::nullopt;
    return static_cast<std::uint32_t>(*n);  // negatives as their two's complement
  };

  switch (conversion) {
    case HexConversion::DecToHex:
    case HexConversion::DecToOct: {
      const auto n = read32();
      if (!n) return fail(), out;
      out.result = Digits(*n, conversion == HexConversion::DecToHex ? 16 : 8) + ' ';
      break;
    }
    case HexConversion::HexToDec:
    case HexConversion::OctToDec: {
      if (conversion == HexConversion::HexToDec) {
        if (!text.starts_with("&H")) text.insert(0, "&H");  // already upper case
      } else if (!text.starts_with("&O")) {
        text = "&O" + text + ' ';
      }
      const auto n = ReadInt32(text);
      if (!n) return fail(), out;
      out.result = std::to_string(*n);
      if (conversion == HexConversion::HexToDec) out.result += ' ';
      break;
    }
    case HexConversion::CharToCode: {
      if (text.empty()) {
        out.result = "NULL !!";
        break;
      }
      // The first character as typed, in the code page; one it cannot hold reads as "?".
      const std::string ansi = ToAnsi(text);
      out.result = std::to_string(static_cast<unsigned char>(ansi[0]));
      break;
    }
    case HexConversion::CodeToChar: {
      // A negative code names no character: an error, like a code above 255.
      const auto n = ReadInt16(text);
      if (!n || *n < 0 || *n > 255) return fail(), out;
      out.result = FromAnsi(std::string(1, static_cast<char>(*n)));
      break;
    }
  }
  return out;
}

}  // namespace hk
