#include "colour/numbers.h"

#include <locale.h>

#include <cstdlib>
#include <string>

namespace hk {

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int DigitValue(char ch, int base) {
  int v = -1;
  if (ch >= '0' && ch <= '9') {
    v = ch - '0';
  } else if (ch >= 'a' && ch <= 'f') {
    v = ch - 'a' + 10;
  } else if (ch >= 'A' && ch <= 'F') {
    v = ch - 'A' + 10;
  }
  return v < base ? v : -1;
}

// Walks the text one significant (non-blank) character at a time.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipBlanks(); }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Next() {
    ++pos_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::optional<double> ReadRadixLiteral(Cursor& cur, int base) {
  std::uint64_t value = 0;
  while (!cur.AtEnd()) {
    const int d = DigitValue(cur.Peek(), base);
    if (d < 0) break;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFull) return std::nullopt;
    cur.Next();
  }
  if (value <= 0xFFFFull) return static_cast<double>(static_cast<std::int16_t>(value));
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

locale_t CLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
  Cursor cur(text);
  if (cur.Peek() == '&') {
    cur.Next();
    const char kind = cur.Peek();
    if (kind == 'H' || kind == 'h') {
      cur.Next();
      return ReadRadixLiteral(cur, 16);
    }
    if (kind == 'O' || kind == 'o') {
      cur.Next();
      return ReadRadixLiteral(cur, 8);
    }
    return 0.0;
  }

  // Gather the number without its blanks, then convert it in the C locale.
  std::string number;
  if (cur.Peek() == '+' || cur.Peek() == '-') {
    number += cur.Peek();
    cur.Next();
  }
  bool digits = false;
  while (IsDigit(cur.Peek())) {
    number += cur.Peek();
    digits = true;
    cur.Next();
  }
  if (cur.Peek() == '.') {
    number += '.';
    cur.Next();
    while (IsDigit(cur.Peek())) {
      number += cur.Peek();
      digits = true;
      cur.Next();
    }
  }
  if (!digits) return 0.0;
  if (cur.Peek() == 'e' || cur.Peek() == 'E') {
    std::string exponent = "e";
    cur.Next();
    if (cur.Peek() == '+' || cur.Peek() == '-') {
      exponent += cur.Peek();
      cur.Next();
    }
    bool expDigits = false;
    while (IsDigit(cur.Peek())) {
      exponent += cur.Peek();
      expDigits = true;
      cur.Next();
    }
    if (expDigits) number += exponent;
  }
  const double value = strtod_l(number.c_str(), nullptr, CLocale());
  if (std::isinf(value)) return std::nullopt;
  return value == 0.0 ? 0.0 : value;  // no negative zero
}

std::optional<std::int16_t> ToInt16(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -32768.0 && r <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> ToInt32(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::optional<std::int16_t> ReadInt16(std::string_view text) {
  const auto v = ReadNumber(text);
  if (!v) return std::nullopt;
  return ToInt16(*v);
}

std::optional<std::int32_t> ReadInt32(std::string_view text) {
  const auto v = ReadNumber(text);
  if (!v) return std::nullopt;
  return ToInt32(*v);
}

}  // namespace hk
