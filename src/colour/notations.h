// The six text notations of a colour: the texts shown for a Long colour, and the
// readers that turn typed text back into one. A reader returns nothing when the
// text does not parse; the window shows that as the error highlight.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "colour/longcolour.h"
#include "colour/modcmyk.h"
#include "colour/webcolors.h"

namespace hk {

// ---- formatting ----
std::string FormatLong(LongColour c);  // "4227327"
std::string HexText(LongColour c);     // 32-bit pattern, upper case, no padding: "4080FF"
std::string WebText(LongColour c);     // "#FF8040"
std::string HtmlName(LongColour c, const WebColors& table);  // first name, or ""
std::string RGBText(LongColour c);     // "255, 128, 64"
std::string CMYKText(const CMYK& inks);  // "0, 127, 191, 0"

enum class Notation { Long, Hex, Web, Html, RGB, CMYK };

struct NotationTexts {
  std::string longText, hex, web, html, rgb, cmyk;
  // The text of one of the six.
  const std::string& Of(Notation n) const;
};
// All six texts at once, reusing the strings' storage.
void FormatAll(LongColour c, const WebColors& table, NotationTexts& out);

// ---- reading ----
// Decimal (or &H/&O) number taken to a 32-bit whole number, halves to even.
std::optional<LongColour> ReadLong(std::string_view text);
// The web rule: "#" anywhere removed, short texts padded with "0" on the right,
// three hexadecimal pairs red, green, blue. Returns -1 when the text does not parse.
LongColour DecodeFromWeb(std::string_view webVal);
std::optional<LongColour> ReadWeb(std::string_view text);
// The hexadecimal Long (blue-green-red digit order), padded on the left to six.
std::optional<LongColour> ReadHex(std::string_view text);
// Index of the named colour whose name equals the text, ignoring case.
std::optional<int> ReadHtmlName(std::string_view text, const WebColors& table);
// "RGB(r, g, b)", "r,g,b", ...: three numbers 0-255; pieces after the third ignored.
std::optional<LongColour> ReadRGB(std::string_view text);

struct CMYKReading {
  CMYK inks;
  LongColour colour = 0;
};
// "CMYK(c, m, y, k)", "c, m, y, k": four numbers 0-255, converted to a colour.
std::optional<CMYKReading> ReadCMYK(std::string_view text);

}  // namespace hk
