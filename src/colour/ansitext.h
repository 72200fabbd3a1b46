// Text in files is Windows-1252, so archives move between systems unchanged.
// In memory the program holds UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace hk {

// UTF-8 to Windows-1252. A character the code page cannot hold (or a byte that is
// not valid UTF-8) becomes one "?"; a character is never split.
std::string ToAnsi(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes the code page leaves unassigned map to the
// control characters of the same value, so every byte survives a round trip.
std::string FromAnsi(std::string_view ansi);

}  // namespace hk
