#include "colour/notations.h"

#include <array>
#include <charconv>

#include "colour/numbers.h"

namespace hk {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendInt(std::string& out, std::int64_t v) {
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, res.ptr);
}

void AppendHexPair(std::string& out, std::int32_t v) {
  out += kHexDigits[(v >> 4) & 15];
  out += kHexDigits[v & 15];
}

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

void FormatHexInto(LongColour c, std::string& out) {
  out.clear();
  std::uint32_t v = static_cast<std::uint32_t>(c);
  char buf[8];
  int n = 0;
  do {
    buf[n++] = kHexDigits[v & 15u];
    v >>= 4;
  } while (v != 0);
  while (n > 0) out += buf[--n];
}

void FormatWebInto(LongColour c, std::string& out) {
  out.assign(1, '#');
  AppendHexPair(out, RedOf(c));
  AppendHexPair(out, GreenOf(c));
  AppendHexPair(out, BlueOf(c));
}

void FormatListInto(std::string& out, std::initializer_list<std::int32_t> values) {
  out.clear();
  bool first = true;
  for (std::int32_t v : values) {
    if (!first) out += ", ";
    first = false;
    AppendInt(out, v);
  }
}

char LowerChar(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch; }

// Lower-cases the text and removes every `word` (one left-to-right pass), "(" and ")".
std::string StripNotation(std::string_view text, std::string_view word) {
  std::string lower;
  lower.reserve(text.size());
  for (char ch : text) lower += LowerChar(ch);
  std::string out;
  out.reserve(lower.size());
  for (std::size_t i = 0; i < lower.size();) {
    if (lower.compare(i, word.size(), word) == 0) {
      i += word.size();
    } else {
      if (lower[i] != '(' && lower[i] != ')') out += lower[i];
      ++i;
    }
  }
  return out;
}

// Reads the first `N` comma-separated pieces as whole numbers 0-255.
template <std::size_t N>
std::optional<std::array<std::int32_t, N>> ReadChannelList(std::string_view text) {
  std::array<std::int32_t, N> values{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < N; ++i) {
    if (start > text.size()) return std::nullopt;  // fewer than N pieces
    const std::size_t comma = text.find(',', start);
    const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
    const auto v = ReadInt16(text.substr(start, end - start));
    if (!v || *v < 0 || *v > 255) return std::nullopt;
    values[i] = *v;
    start = end + 1;
  }
  return values;
}

}  // namespace

std::string FormatLong(LongColour c) {
  std::string out;
  AppendInt(out, c);
  return out;
}

std::string HexText(LongColour c) {
  std::string out;
  FormatHexInto(c, out);
  return out;
}

std::string WebText(LongColour c) {
  std::string out;
  FormatWebInto(c, out);
  return out;
}

std::string HtmlName(LongColour c, const WebColors& table) {
  const int i = table.FindColour(c);
  return i < 0 ? std::string() : table.WebNames[static_cast<std::size_t>(i)];
}

std::string RGBText(LongColour c) {
  std::string out;
  FormatListInto(out, {RedOf(c), GreenOf(c), BlueOf(c)});
  return out;
}

std::string CMYKText(const CMYK& inks) {
  std::string out;
  FormatListInto(out, {inks.c, inks.m, inks.y, inks.k});
  return out;
}

void FormatAll(LongColour c, const WebColors& table, NotationTexts& out) {
  out.longText.clear();
  AppendInt(out.longText, c);
  FormatHexInto(c, out.hex);
  FormatWebInto(c, out.web);
  const int i = table.FindColour(c);
  if (i < 0) {
    out.html.clear();
  } else {
    out.html = table.WebNames[static_cast<std::size_t>(i)];
  }
  FormatListInto(out.rgb, {RedOf(c), GreenOf(c), BlueOf(c)});
  const CMYK inks = RGBToCMYK(c);
  FormatListInto(out.cmyk, {inks.c, inks.m, inks.y, inks.k});
}

const std::string& NotationTexts::Of(Notation n) const {
  switch (n) {
    case Notation::Long:
      return longText;
    case Notation::Hex:
      return hex;
    case Notation::Html:
      return html;
    case Notation::RGB:
      return rgb;
    case Notation::CMYK:
      return cmyk;
    case Notation::Web:
      break;
  }
  return web;
}

std::optional<LongColour> ReadLong(std::string_view text) { return ReadInt32(text); }

LongColour DecodeFromWeb(std::string_view webVal) {
  // Only the first six characters after removing "#" matter.
  char digits[6];
  std::size_t n = 0;
  for (char ch : webVal) {
    if (ch == '#') continue;
    digits[n++] = ch;
    if (n == 6) break;
  }
  if (n == 0) return -1;
  while (n < 6) digits[n++] = '0';
  std::int32_t channels[3];
  for (int i = 0; i < 3; ++i) {
    const int hi = HexDigit(digits[2 * i]);
    const int lo = HexDigit(digits[2 * i + 1]);
    if (hi < 0 || lo < 0) return -1;
    channels[i] = hi * 16 + lo;
  }
  return RGB(channels[0], channels[1], channels[2]);
}

std::optional<LongColour> ReadWeb(std::string_view text) {
  const LongColour c = DecodeFromWeb(text);
  if (c < 0) return std::nullopt;
  return c;
}

std::optional<LongColour> ReadHex(std::string_view text) {
  std::string s(text.substr(0, 6));
  if (s.size() < 6) s.insert(0, 6 - s.size(), '0');
  // Blue-green-red digits become red-green-blue.
  const std::string reordered = s.substr(4, 2) + s.substr(2, 2) + s.substr(0, 2);
  return ReadWeb(reordered);
}

std::optional<int> ReadHtmlName(std::string_view text, const WebColors& table) {
  const int i = table.FindName(text);
  if (i < 0) return std::nullopt;
  return i;
}

std::optional<LongColour> ReadRGB(std::string_view text) {
  const std::string stripped = StripNotation(text, "rgb");
  const auto v = ReadChannelList<3>(stripped);
  if (!v) return std::nullopt;
  return RGB((*v)[0], (*v)[1], (*v)[2]);
}

std::optional<CMYKReading> ReadCMYK(std::string_view text) {
  const std::string stripped = StripNotation(text, "cmyk");
  const auto v = ReadChannelList<4>(stripped);
  if (!v) return std::nullopt;
  CMYKReading out;
  out.inks = {(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
  out.colour = CMYKToLong(out.inks.c, out.inks.m, out.inks.y, out.inks.k);
  return out;
}

}  // namespace hk
