// Where a pick reads the screen: the pointer and the pixels around it, both in
// the screen's own (physical) pixels, so that no scale factor ever moves the
// pick.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "picker/pixelimage.h"

namespace hk {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

class ScreenSource {
 public:
  virtual ~ScreenSource() = default;
  // The pointer position; nothing when the screen cannot be read.
  virtual std::optional<ScreenPoint> PointerPosition() = 0;
  // A copy of `area`; what lies outside every monitor is kNeutralFill. Nothing
  // when the screen cannot be read: a pick never shows a made-up colour.
  virtual std::optional<PixelImage> Capture(const PixelRect& area) = 0;
  // Moves the pointer by whole screen pixels, for a pick made with the keyboard.
  // A source that cannot move it leaves it where it is.
  virtual void MovePointer(int /*dx*/, int /*dy*/) {}
};

// What the capture shows where no monitor is: a mid grey.
inline constexpr std::uint32_t kNeutralFill = 0x808080;

// Reads one rectangle that lies wholly on one monitor; nothing when it fails.
using RectReader = std::function<std::optional<PixelImage>(const PixelRect&)>;

// Builds the capture of `area` from the parts that lie on `monitors`, read one
// monitor at a time; the rest is neutral. Fails when any read fails.
std::optional<PixelImage> ComposeCapture(const PixelRect& area,
                                         const std::vector<PixelRect>& monitors,
                                         const RectReader& read);

}  // namespace hk
