// The Long colour: one 32-bit signed value packing red (bits 0-7), green (8-15)
// and blue (16-23). A value with the top bit set names a system colour instead.
#pragma once

#include <cstdint>

namespace hk {

using LongColour = std::int32_t;

// System colour references (0x80000000 plus the system's colour index).
inline constexpr LongColour kSysWindowBackground = static_cast<LongColour>(0x80000005u);
inline constexpr LongColour kSysWindowText = static_cast<LongColour>(0x80000008u);
inline constexpr LongColour kSysActiveCaption = static_cast<LongColour>(0x80000002u);
inline constexpr LongColour kSysInactiveCaption = static_cast<LongColour>(0x80000003u);
inline constexpr LongColour kSysCaptionText = static_cast<LongColour>(0x80000009u);
inline constexpr LongColour kSysInactiveCaptionText = static_cast<LongColour>(0x80000013u);
inline constexpr LongColour kSysActiveBorder = static_cast<LongColour>(0x8000000Au);
inline constexpr LongColour kSysButtonFace = static_cast<LongColour>(0x8000000Fu);
inline constexpr LongColour kSysButtonShadow = static_cast<LongColour>(0x80000010u);
inline constexpr LongColour kSysButtonText = static_cast<LongColour>(0x80000012u);
inline constexpr LongColour kSys3DHighlight = static_cast<LongColour>(0x80000014u);
inline constexpr LongColour kSys3DDarkShadow = static_cast<LongColour>(0x80000015u);
inline constexpr LongColour kSys3DLight = static_cast<LongColour>(0x80000016u);

// Background of a notation field whose typed text failed to parse.
inline constexpr LongColour kErrorHighlight = 0x7AA0FF;

inline constexpr LongColour kWhite = 0xFFFFFF;

constexpr bool IsSystemColour(LongColour c) { return c < 0; }

// Joins three channels of 0-255: red + 256 * green + 65536 * blue. Wraps like the
// 32-bit sum instead of overflowing when a caller passes something larger.
constexpr LongColour RGB(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return static_cast<LongColour>(static_cast<std::uint32_t>(red) +
                                 256u * static_cast<std::uint32_t>(green) +
                                 65536u * static_cast<std::uint32_t>(blue));
}

constexpr std::int32_t RedOf(LongColour c) { return c & 255; }
constexpr std::int32_t GreenOf(LongColour c) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(c) >> 8) & 255u);
}
constexpr std::int32_t BlueOf(LongColour c) {
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(c) >> 16) & 255u);
}

// The channel record: splits a Long colour into its channels and joins them again.
// Every setter keeps the low 8 bits of the 32-bit pattern, so each field is 0-255.
class cRGB {
 public:
  LongColour RGB() const { return hk::RGB(r_, g_, b_); }
  void setRGB(LongColour value);

  std::int32_t R() const { return r_; }
  std::int32_t G() const { return g_; }
  std::int32_t B() const { return b_; }
  void setR(std::int32_t value) { r_ = value & 255; }
  void setG(std::int32_t value) { g_ = value & 255; }
  void setB(std::int32_t value) { b_ = value & 255; }

 private:
  std::int32_t r_ = 0;
  std::int32_t g_ = 0;
  std::int32_t b_ = 0;
};

}  // namespace hk
