// One record of the colour archive file "Colorx.dat", and the name rules that go
// with it. A record is 29 bytes: the Long colour, 32-bit little-endian, then the
// name in 25 Windows-1252 bytes, left-aligned and padded with spaces. There is no
// header, count or terminator, so files move unchanged between every version.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "colour/longcolour.h"

namespace hk {

inline constexpr char kArchiveFileName[] = "Colorx.dat";
inline constexpr std::size_t kRecordSize = 29;
inline constexpr std::size_t kNameSize = 25;
inline constexpr std::size_t kMaxNameLength = 25;  // characters a name may hold

using RecordBytes = std::array<unsigned char, kRecordSize>;

// The 29 bytes of a record. The name is converted to Windows-1252 ("?" for a
// character the code page cannot hold), then cut or padded with spaces to 25 bytes.
RecordBytes EncodeRecord(LongColour colour, std::string_view name);
void EncodeRecord(LongColour colour, std::string_view name, unsigned char* out);

// Records in a file of `length` bytes: length / 29 to the nearest whole number.
// 29 is odd, so no length lies exactly halfway and the tie rule never applies.
std::uint64_t RecordCount(std::uint64_t length);

// The name as it will be stored: each character the code page cannot hold becomes
// "?", then the first 25 characters are kept. Spaces are left alone.
std::string CutName(std::string_view typed);

// Leading and trailing spaces (only spaces) removed.
std::string_view TrimSpaces(std::string_view text);

// Names are the same when they differ only in the case of their letters,
// Windows-1252 letters included ("émile" is "ÉMILE").
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

// A name as the file holds it (Windows-1252 bytes) and back as UTF-8.
std::string ToStoredName(std::string_view utf8);
std::string FromStoredName(std::string_view stored);

// SameNameIgnoringCase for two names as the file holds them, byte for byte.
bool SameStoredName(std::string_view a, std::string_view b);
// The byte SameStoredName compares in place of `b`: letters in upper case.
unsigned char FoldedStoredByte(unsigned char b);

// The character of the UTF-8 name `s` at byte `i`, in the upper case those comparisons
// use; `i` moves past it.
char32_t NextFoldedChar(std::string_view s, std::size_t& i);

}  // namespace hk
