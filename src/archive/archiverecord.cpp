#include "archive/archiverecord.h"

#include <algorithm>
#include <cstring>

#include "colour/ansitext.h"

namespace hk {

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

// The next code point of `s` from `i`. A byte that does not start a well-formed
// sequence stands for itself, outside the Unicode range, so it only equals itself.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  const std::size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  const char32_t stray = 0x110000 + lead;
  if (len == 0 || i + len > s.size()) {
    ++i;
    return stray;
  }
  char32_t cp = lead & (0x7Fu >> len);
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return stray;
    }
    cp = (cp << 6) | (b & 0x3Fu);
  }
  i += len;
  return cp;
}

// Upper case of the letters Windows-1252 can hold. Every pair has the same UTF-8
// length, so names of different byte lengths never match.
char32_t FoldCase(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c < 0x80) return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;  // à..þ, not ÷
  switch (c) {
    case 0xFF:  // ÿ
      return 0x178;
    case 0x161:  // š
      return 0x160;
    case 0x153:  // œ
      return 0x152;
    case 0x17E:  // ž
      return 0x17D;
    default:
      return c;
  }
}

// FoldCase of each Windows-1252 byte, as a byte of the code page again.
constexpr std::array<unsigned char, 256> kFoldedByte = [] {
  std::array<unsigned char, 256> fold{};
  for (int b = 0; b < 256; ++b) {
    const bool lower = (b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7);
    fold[b] = static_cast<unsigned char>(lower ? b - 32 : b);
  }
  fold[0xFF] = 0x9F;  // ÿ Ÿ
  fold[0x9A] = 0x8A;  // š Š
  fold[0x9C] = 0x8C;  // œ Œ
  fold[0x9E] = 0x8E;  // ž Ž
  return fold;
}();

}  // namespace

// Most names are plain ASCII; they skip the code page conversion, which matters when
// a million records are looked at.
std::string ToStoredName(std::string_view utf8) {
  return IsAscii(utf8) ? std::string(utf8) : ToAnsi(utf8);
}
std::string FromStoredName(std::string_view stored) {
  return IsAscii(stored) ? std::string(stored) : FromAnsi(stored);
}

unsigned char FoldedStoredByte(unsigned char b) { return kFoldedByte[b]; }

bool SameStoredName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return kFoldedByte[static_cast<unsigned char>(x)] ==
                  kFoldedByte[static_cast<unsigned char>(y)];
         });
}

void EncodeRecord(LongColour colour, std::string_view name, unsigned char* out) {
  const auto v = static_cast<std::uint32_t>(colour);
  out[0] = static_cast<unsigned char>(v & 0xFFu);
  out[1] = static_cast<unsigned char>((v >> 8) & 0xFFu);
  out[2] = static_cast<unsigned char>((v >> 16) & 0xFFu);
  out[3] = static_cast<unsigned char>((v >> 24) & 0xFFu);
  const std::string ansi = ToStoredName(name);
  const std::size_t n = std::min(ansi.size(), kNameSize);
  std::memcpy(out + 4, ansi.data(), n);
  std::memset(out + 4 + n, ' ', kNameSize - n);
}

RecordBytes EncodeRecord(LongColour colour, std::string_view name) {
  RecordBytes bytes;
  EncodeRecord(colour, name, bytes.data());
  return bytes;
}

std::uint64_t RecordCount(std::uint64_t length) {
  return length / kRecordSize + (length % kRecordSize > kRecordSize / 2 ? 1 : 0);
}

std::string CutName(std::string_view typed) {
  if (IsAscii(typed)) return std::string(typed.substr(0, kMaxNameLength));
  // One Windows-1252 byte per character, so the cut never splits a character.
  const std::string ansi = ToAnsi(typed);
  return FromAnsi(std::string_view(ansi).substr(0, kMaxNameLength));
}

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char32_t NextFoldedChar(std::string_view s, std::size_t& i) {
  return FoldCase(NextCodePoint(s, i));
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (NextFoldedChar(a, i) != NextFoldedChar(b, j)) return false;
  }
  return i == a.size() && j == b.size();
}

}  // namespace hk
